#include "windows/numbergridpanel.h"

#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QWidget>

#include <array>

namespace {

constexpr QPoint backgroundOrigin{20, 9};

constexpr std::array<int, 10> normalRows{14, 41, 67, 93, 120, 146, 172, 199, 225, 251};
constexpr std::array<int, 10> tallRows{13, 36, 60, 84, 108, 130, 152, 178, 200, 227};

constexpr std::array<QSize, 6> backgroundSizes{QSize{101, 266}, QSize{232, 233}, QSize{180, 230},
                                               QSize{170, 240}, QSize{232, 233}, QSize{}};

std::size_t at(int index)
{
    return static_cast<std::size_t>(index);
}

}  // namespace

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

NumberGridPanel::NumberGridPanel(const CellPictures &pictures, int cellCount,
                                 const std::function<QString(int)> &cellName, QWidget *parent)
    : QFrame(parent), m_pictures(pictures)
{
    // The background first, so that the cells lie above it.
    m_Image1 = new QLabel(this);
    m_Image1->setObjectName("Image1");
    m_Image1->move(backgroundOrigin);
    for (int n = 1; n <= cellCount; ++n) {
        auto *label = new QLabel(this);
        label->setObjectName(cellName(n));
        label->setProperty("Tag", n);
        label->setScaledContents(true);
        label->setPixmap(m_pictures.imagevide);
        label->resize(14, 20);
        label->setVisible(n <= 49);
        label->installEventFilter(this);
        m_cells.push_back(label);
    }
}

QLabel *NumberGridPanel::cell(int n) const
{
    return n >= 1 && n <= static_cast<int>(m_cells.size()) ? m_cells[at(n - 1)] : nullptr;
}

void NumberGridPanel::ptaillecases(int width, int height)
{
    for (QLabel *label : m_cells)
        label->resize(width, height);
}

void NumberGridPanel::applyLayout(int layout, bool place)
{
    const QSize size = cellSize(layout);
    ptaillecases(size.width(), size.height());
    if (!place || layout < 1 || layout > 5)
        return;
    m_Image1->setPixmap(gridBackground(layout));
    m_Image1->setGeometry(QRect(backgroundOrigin, backgroundSizes[at(layout - 1)]));
    for (int n = 1; n <= 49; ++n) {
        if (QLabel *label = cell(n))
            label->move(cellPosition(layout, n));
    }
}

void NumberGridPanel::showCell(int n, bool ticked)
{
    if (QLabel *label = cell(n))
        label->setPixmap(ticked ? m_pictures.imagecochee : m_pictures.imagevide);
}

void NumberGridPanel::showFlags(const std::array<std::int16_t, 100> &flags)
{
    for (int n = 1; n <= static_cast<int>(m_cells.size()) && n < 100; ++n)
        showCell(n, flags[at(n)] != 0);
}

bool NumberGridPanel::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::MouseButtonPress)
        return QFrame::eventFilter(watched, event);
    // Only the left button ticks; the other buttons do nothing at all.
    if (static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton)
        emit cellClicked(watched->property("Tag").toInt());
    return true;
}
