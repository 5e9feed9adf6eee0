#include "app/numbergrid.h"

#include <QImage>
#include <QLabel>
#include <QWidget>

#include <gtest/gtest.h>

#include <memory>

TEST(CellGeometry, NormalLayoutHasFiveColumnsOfTens)
{
    EXPECT_EQ(cellPosition(1, 1), QPoint(23, 41));
    EXPECT_EQ(cellPosition(1, 9), QPoint(23, 251));
    EXPECT_EQ(cellPosition(1, 10), QPoint(43, 14));
    EXPECT_EQ(cellPosition(1, 49), QPoint(103, 251));
}

TEST(CellGeometry, RowLayoutsFillRowsLeftToRight)
{
    EXPECT_EQ(cellPosition(2, 1), QPoint(35, 25));
    EXPECT_EQ(cellPosition(2, 8), QPoint(35, 55));
    EXPECT_EQ(cellPosition(2, 49), QPoint(215, 205));
    EXPECT_EQ(cellPosition(3, 7), QPoint(30, 36));
    EXPECT_EQ(cellPosition(3, 49), QPoint(30, 200));
    EXPECT_EQ(cellPosition(4, 5), QPoint(145, 13));
    EXPECT_EQ(cellPosition(4, 46), QPoint(25, 227));
}

TEST(CellGeometry, ColumnLayoutFillsColumnsOfSeven)
{
    EXPECT_EQ(cellPosition(5, 1), QPoint(35, 25));
    EXPECT_EQ(cellPosition(5, 7), QPoint(35, 205));
    EXPECT_EQ(cellPosition(5, 8), QPoint(65, 25));
}

TEST(CellGeometry, SevenBySevenLayoutsUseLargerCells)
{
    EXPECT_EQ(cellSize(2), QSize(22, 22));
    EXPECT_EQ(cellSize(5), QSize(22, 22));
    EXPECT_EQ(cellSize(1), QSize(14, 20));
    EXPECT_EQ(cellSize(4), QSize(14, 20));
}

TEST(GridBackground, PicturesHaveTheirLayoutSizes)
{
    EXPECT_EQ(gridBackground(1).size(), QSize(101, 266));
    EXPECT_EQ(gridBackground(2).size(), QSize(232, 233));
    EXPECT_EQ(gridBackground(3).size(), QSize(180, 230));
    EXPECT_EQ(gridBackground(4).size(), QSize(170, 240));
    EXPECT_EQ(gridBackground(5).size(), QSize(232, 233));
    EXPECT_TRUE(gridBackground(6).isNull());
}

TEST(GridBackground, EveryNumberIsPrintedInsideItsCell)
{
    for (int layout = 1; layout <= 5; ++layout) {
        const QImage picture = gridBackground(layout).toImage();
        const QColor paper = picture.pixelColor(picture.width() / 2, 2);
        for (int n = 1; n <= 49; ++n) {
            const QRect cell(cellPosition(layout, n) - QPoint(20, 9), cellSize(layout));
            ASSERT_TRUE(picture.rect().contains(cell)) << layout << " " << n;
            int inked = 0;
            for (int y = cell.top() + 2; y < cell.bottom() - 1; ++y) {
                for (int x = cell.left() + 2; x < cell.right() - 1; ++x)
                    inked += picture.pixelColor(x, y) != paper;
            }
            EXPECT_GT(inked, 3) << layout << " " << n;
        }
    }
}

TEST(CellPictures, TickIsVisibleAndEmptyIsTransparent)
{
    const CellPictures pictures = makeCellPictures();
    const QImage tick = pictures.imagecochee.toImage();
    const QImage empty = pictures.imagevide.toImage();
    EXPECT_GT(qAlpha(tick.pixel(11, 11)), 0);
    EXPECT_EQ(qAlpha(empty.pixel(11, 11)), 0);
}

namespace {

std::unique_ptr<QWidget> panelWithCells(QLabel **background)
{
    auto panel = std::make_unique<QWidget>();
    *background = new QLabel(panel.get());
    for (int n = 1; n <= 60; ++n) {
        auto *cell = new QLabel(panel.get());
        cell->setProperty("Tag", n);
    }
    return panel;
}

} // namespace

TEST(ApplyLayout, MainCallPlacesBothPanelsExceptInTheNormalLayout)
{
    QLabel *mainBackground = nullptr;
    QLabel *viewerBackground = nullptr;
    const auto mainPanel = panelWithCells(&mainBackground);
    const auto viewerPanel = panelWithCells(&viewerBackground);
    const GridPanels main{mainPanel.get(), mainBackground};
    const GridPanels viewer{viewerPanel.get(), viewerBackground};

    pappliqueaffichage(3, LayoutCaller::Main, main, viewer);
    EXPECT_EQ(cellOf(viewer.pgrille, 7)->geometry(), QRect(30, 36, 14, 20));
    EXPECT_EQ(viewerBackground->size(), QSize(180, 230));

    pappliqueaffichage(1, LayoutCaller::Main, main, viewer);
    EXPECT_EQ(cellOf(main.pgrille, 1)->pos(), QPoint(23, 41));
    EXPECT_EQ(cellOf(viewer.pgrille, 1)->pos(), QPoint(30, 13));

    pappliqueaffichage(1, LayoutCaller::Viewer, main, viewer);
    EXPECT_EQ(cellOf(viewer.pgrille, 1)->pos(), QPoint(23, 41));
}

TEST(ApplyLayout, ViewerCallInARowLayoutOnlyResizes)
{
    QLabel *mainBackground = nullptr;
    QLabel *viewerBackground = nullptr;
    const auto mainPanel = panelWithCells(&mainBackground);
    const auto viewerPanel = panelWithCells(&viewerBackground);
    const GridPanels main{mainPanel.get(), mainBackground};
    const GridPanels viewer{viewerPanel.get(), viewerBackground};
    cellOf(viewer.pgrille, 1)->move(5, 6);
    pappliqueaffichage(2, LayoutCaller::Viewer, main, viewer);
    EXPECT_EQ(cellOf(viewer.pgrille, 1)->geometry(), QRect(5, 6, 22, 22));
    EXPECT_EQ(cellOf(viewer.pgrille, 60)->size(), QSize(22, 22));
}
