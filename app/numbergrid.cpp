#include "app/numbergrid.h"

#include <QLabel>
#include <QPainter>
#include <QWidget>

#include <array>

namespace {

constexpr QPoint backgroundOrigin{20, 9};

constexpr std::array<int, 10> normalRows{14, 41, 67, 93, 120, 146, 172, 199, 225, 251};
constexpr std::array<int, 10> tallRows{13, 36, 60, 84, 108, 130, 152, 178, 200, 227};

constexpr std::array<QSize, 6> backgroundSizes{
    QSize{101, 266}, QSize{232, 233}, QSize{180, 230}, QSize{170, 240}, QSize{232, 233}, QSize{}};

std::size_t at(int index)
{
    return static_cast<std::size_t>(index);
}

} // namespace

CellPictures makeCellPictures()
{
    CellPictures pictures;
    QPixmap cross(22, 22);
    cross.fill(Qt::transparent);
    {
        QPainter painter(&cross);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(QPen(QColor(0, 0, 160), 3, Qt::SolidLine, Qt::RoundCap));
        painter.drawLine(4, 4, 18, 18);
        painter.drawLine(18, 4, 4, 18);
    }
    pictures.imagecochee = cross;
    QPixmap empty(22, 22);
    empty.fill(Qt::transparent);
    pictures.imagevide = empty;
    return pictures;
}

QPoint cellPosition(int layout, int n)
{
    switch (static_cast<DisplayLayout>(layout)) {
    case DisplayLayout::Normal:
        return {23 + 20 * (n / 10), normalRows[at(n % 10)]};
    case DisplayLayout::Grid7x7:
        return {35 + 30 * ((n - 1) % 7), 25 + 30 * ((n - 1) / 7)};
    case DisplayLayout::Grid6x9:
        return {30 + 30 * ((n - 1) % 6), tallRows[at((n - 1) / 6)]};
    case DisplayLayout::Grid5x10:
        return {25 + 30 * ((n - 1) % 5), tallRows[at((n - 1) / 5)]};
    case DisplayLayout::Grid7x7Columns:
        return {35 + 30 * ((n - 1) / 7), 25 + 30 * ((n - 1) % 7)};
    case DisplayLayout::General:
        break;
    }
    return {};
}

QSize cellSize(int layout)
{
    const auto kind = static_cast<DisplayLayout>(layout);
    if (kind == DisplayLayout::Grid7x7 || kind == DisplayLayout::Grid7x7Columns)
        return {22, 22};
    return {14, 20};
}

QPixmap gridBackground(int layout)
{
    if (layout < 1 || layout > 5)
        return {};
    QPixmap picture(backgroundSizes[at(layout - 1)]);
    picture.fill(QColor(255, 250, 240));
    QPainter painter(&picture);
    painter.setPen(QColor(200, 40, 40));
    painter.drawRect(picture.rect().adjusted(0, 0, -1, -1));
    QFont font("DejaVu Sans", 6);
    font.setPixelSize(9);
    painter.setFont(font);
    const QSize size = cellSize(layout);
    for (int n = 1; n <= 49; ++n) {
        const QRect box(cellPosition(layout, n) - backgroundOrigin, size);
        painter.setPen(QColor(220, 120, 120));
        painter.drawRect(box.adjusted(0, 0, -1, -1));
        painter.setPen(QColor(190, 20, 20));
        painter.drawText(box, Qt::AlignCenter, QString::number(n));
    }
    return picture;
}

QLabel *cellOf(QWidget *panel, int number)
{
    if (!panel)
        return nullptr;
    for (QLabel *cell : panel->findChildren<QLabel *>(Qt::FindDirectChildrenOnly)) {
        if (cell->property("Tag").toInt() == number)
            return cell;
    }
    return nullptr;
}

void ptaillecases(QWidget *panel, int width, int height)
{
    if (!panel)
        return;
    for (QLabel *cell : panel->findChildren<QLabel *>(Qt::FindDirectChildrenOnly)) {
        const int tag = cell->property("Tag").toInt();
        if (tag >= 1 && tag <= 60)
            cell->resize(width, height);
    }
}

namespace {

void placeCells(const GridPanels &panels, int layout)
{
    if (!panels.pgrille)
        return;
    if (panels.Image1) {
        panels.Image1->setPixmap(gridBackground(layout));
        panels.Image1->setGeometry(QRect(backgroundOrigin, backgroundSizes[at(layout - 1)]));
    }
    for (int n = 1; n <= 49; ++n) {
        if (QLabel *cell = cellOf(panels.pgrille, n))
            cell->move(cellPosition(layout, n));
    }
}

} // namespace

void pappliqueaffichage(int layout, LayoutCaller caller, const GridPanels &main,
                        const GridPanels &viewer)
{
    ptaillecases(main.pgrille, 14, 20);
    ptaillecases(viewer.pgrille, 14, 20);
    if (layout == 2 || layout == 5) {
        ptaillecases(main.pgrille, 22, 22);
        ptaillecases(viewer.pgrille, 22, 22);
    }
    if (layout == 1) {
        placeCells(caller == LayoutCaller::Main ? main : viewer, layout);
    } else if (layout >= 2 && layout <= 5 && caller == LayoutCaller::Main) {
        placeCells(main, layout);
        placeCells(viewer, layout);
    }
}
