#include "windows/numbergridpanel.h"

#include <QImage>
#include <QLabel>
#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <vector>

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

// A panel of 60 cells named "case1" .. "case60", as the main window builds it.
struct Panel {
    CellPictures pictures = makeCellPictures();
    NumberGridPanel panel{pictures, 60, [](int n) { return QString("case%1").arg(n); }, nullptr};
};

}  // namespace

TEST(NumberGridPanel, PlacingLayoutMovesCellsAndBackground)
{
    Panel p;
    p.panel.applyLayout(3, true);
    EXPECT_EQ(p.panel.cell(7)->geometry(), QRect(30, 36, 14, 20));
    EXPECT_EQ(p.panel.background()->geometry(), QRect(20, 9, 180, 230));
    p.panel.applyLayout(1, true);
    EXPECT_EQ(p.panel.cell(1)->geometry(), QRect(23, 41, 14, 20));
    EXPECT_EQ(p.panel.background()->size(), QSize(101, 266));
}

TEST(NumberGridPanel, LayoutWithoutPlacingOnlyResizesEveryCell)
{
    Panel p;
    p.panel.cell(1)->move(5, 6);
    p.panel.applyLayout(2, false);
    EXPECT_EQ(p.panel.cell(1)->geometry(), QRect(5, 6, 22, 22));
    EXPECT_EQ(p.panel.cell(60)->size(), QSize(22, 22));
}

TEST(NumberGridPanel, GeneralLayoutResizesButPlacesNothing)
{
    Panel p;
    p.panel.applyLayout(2, true);
    p.panel.applyLayout(6, true);
    EXPECT_EQ(p.panel.cell(1)->geometry(), QRect(35, 25, 14, 20));
}

TEST(NumberGridPanel, CellsAreFoundByNumberAndOnlyOneToFortyNineShow)
{
    Panel p;
    EXPECT_EQ(p.panel.cell(12)->objectName(), "case12");
    EXPECT_EQ(p.panel.cell(12)->property("Tag").toInt(), 12);
    EXPECT_EQ(p.panel.cell(0), nullptr);
    EXPECT_EQ(p.panel.cell(61), nullptr);
    EXPECT_FALSE(p.panel.cell(49)->isHidden());
    EXPECT_TRUE(p.panel.cell(50)->isHidden());
}

TEST(NumberGridPanel, ShowFlagsTicksExactlyTheFlaggedNumbers)
{
    Panel p;
    std::array<std::int16_t, 100> flags{};
    flags[3] = 1;
    flags[49] = 1;
    p.panel.showCell(5, true);
    p.panel.showFlags(flags);
    for (int n = 1; n <= 60; ++n) {
        const bool ticked = n == 3 || n == 49;
        EXPECT_EQ(p.panel.cell(n)->pixmap().cacheKey(),
                  (ticked ? p.pictures.imagecochee : p.pictures.imagevide).cacheKey())
            << n;
    }
}

TEST(NumberGridPanel, OnlyTheLeftButtonReportsAClick)
{
    Panel p;
    p.panel.show();
    std::vector<int> clicked;
    QObject::connect(&p.panel, &NumberGridPanel::cellClicked, [&](int n) { clicked.push_back(n); });
    QTest::mouseClick(p.panel.cell(8), Qt::RightButton);
    QTest::mouseClick(p.panel.cell(8), Qt::MiddleButton);
    EXPECT_TRUE(clicked.empty());
    QTest::mouseClick(p.panel.cell(8), Qt::LeftButton);
    EXPECT_EQ(clicked, std::vector<int>{8});
}
