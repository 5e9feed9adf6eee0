#include "windows/flags.h"

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QPainterPath>

#include <array>
#include <initializer_list>
#include <utility>

namespace {

// One stripe of a striped flag and its share of the flag's width or height.
struct Band {
    QColor color;
    double weight;
};

// Fills the flag with stripes, left to right (Qt::Horizontal) or top to bottom (Qt::Vertical).
void bands(QPainter &painter, QSizeF flag, Qt::Orientation direction,
           std::initializer_list<Band> stripes)
{
    double total = 0;
    for (const Band &stripe : stripes)
        total += stripe.weight;
    const double length = direction == Qt::Horizontal ? flag.width() : flag.height();
    double at = 0;
    for (const Band &stripe : stripes) {
        const double extent = length * stripe.weight / total;
        painter.fillRect(direction == Qt::Horizontal ? QRectF(at, 0, extent, flag.height())
                                                     : QRectF(0, at, flag.width(), extent),
                         stripe.color);
        at += extent;
    }
}

// A heraldic shield within `box`: straight top and sides, rounded to a point at the bottom.
QPainterPath shield(const QRectF &box)
{
    const double sides = box.top() + box.height() * 0.55;
    QPainterPath path;
    path.moveTo(box.topLeft());
    path.lineTo(box.right(), box.top());
    path.lineTo(box.right(), sides);
    path.quadTo(box.right(), box.bottom(), box.center().x(), box.bottom());
    path.quadTo(box.left(), box.bottom(), box.left(), sides);
    path.closeSubpath();
    return path;
}

// Each flag is drawn in its own proportions (width 60) and then scaled to the size asked for.
void france(QPainter &painter, QSizeF flag)
{
    bands(painter, flag, Qt::Horizontal,
          {{QColor(0, 85, 164), 1}, {Qt::white, 1}, {QColor(239, 65, 53), 1}});
}

void unitedKingdom(QPainter &painter, QSizeF flag)
{
    const QColor red(200, 16, 46);
    painter.fillRect(QRectF(QPointF(0, 0), flag), QColor(1, 33, 105));
    painter.setClipRect(QRectF(QPointF(0, 0), flag));
    const QLineF diagonals[] = {{0, 0, flag.width(), flag.height()},
                                {0, flag.height(), flag.width(), 0}};
    painter.setPen(QPen(Qt::white, flag.height() / 5, Qt::SolidLine, Qt::FlatCap));
    painter.drawLines(diagonals, 2);
    painter.setPen(QPen(red, flag.height() / 15, Qt::SolidLine, Qt::FlatCap));
    painter.drawLines(diagonals, 2);
    const QPointF centre(flag.width() / 2, flag.height() / 2);
    for (const auto &[arm, colour] :
         {std::pair{flag.height() / 3, QColor(Qt::white)}, std::pair{flag.height() / 5, red}}) {
        painter.fillRect(QRectF(centre.x() - arm / 2, 0, arm, flag.height()), colour);
        painter.fillRect(QRectF(0, centre.y() - arm / 2, flag.width(), arm), colour);
    }
}

void portugal(QPainter &painter, QSizeF flag)
{
    bands(painter, flag, Qt::Horizontal, {{QColor(0, 102, 0), 2}, {QColor(255, 0, 0), 3}});
    // The armillary sphere as a yellow ring, the shield of arms red with a white centre.
    const QPointF centre(flag.width() * 2 / 5, flag.height() / 2);
    const double radius = flag.height() / 4;
    painter.setPen(QPen(QColor(255, 255, 0), flag.height() / 20));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(centre, radius, radius);
    painter.setPen(Qt::NoPen);
    const QRectF arms(centre.x() - radius * 0.5, centre.y() - radius * 0.6, radius, radius * 1.2);
    painter.fillPath(shield(arms), QColor(255, 0, 0));
    painter.fillPath(
        shield(arms.adjusted(radius * 0.15, radius * 0.15, -radius * 0.15, -radius * 0.2)),
        Qt::white);
}

void spain(QPainter &painter, QSizeF flag)
{
    const QColor red(170, 21, 27);
    bands(painter, flag, Qt::Vertical, {{red, 1}, {QColor(241, 191, 0), 2}, {red, 1}});
    // The coat of arms, left of the centre: a crown above a red shield.
    const double h = flag.height();
    const QRectF arms(flag.width() / 3 - h * 0.12, h * 0.36, h * 0.24, h * 0.3);
    painter.fillRect(QRectF(arms.left(), arms.top() - h * 0.08, arms.width(), h * 0.06),
                     QColor(160, 110, 0));
    painter.fillPath(shield(arms), red);
}

void italy(QPainter &painter, QSizeF flag)
{
    bands(painter, flag, Qt::Horizontal,
          {{QColor(0, 146, 70), 1}, {Qt::white, 1}, {QColor(206, 43, 55), 1}});
}

void croatia(QPainter &painter, QSizeF flag)
{
    const QColor red(255, 0, 0);
    bands(painter, flag, Qt::Vertical, {{red, 1}, {Qt::white, 1}, {QColor(23, 23, 150), 1}});
    // The chequy shield, red and white in five rows of five, red square first.
    const double side = flag.height() * 0.4 / 5;
    const QRectF arms(flag.width() / 2 - side * 2.5, flag.height() * 0.27, side * 5, side * 6);
    const QPainterPath outline = shield(arms);
    painter.setClipPath(outline);
    painter.fillRect(arms, Qt::white);
    for (int row = 0; row < 6; ++row) {
        for (int column = 0; column < 5; ++column) {
            if ((row + column) % 2 == 0)
                painter.fillRect(
                    QRectF(arms.left() + column * side, arms.top() + row * side, side, side), red);
        }
    }
    painter.setClipping(false);
    painter.strokePath(outline, QPen(red, side / 4));
}

void germany(QPainter &painter, QSizeF flag)
{
    bands(painter, flag, Qt::Vertical,
          {{Qt::black, 1}, {QColor(221, 0, 0), 1}, {QColor(255, 206, 0), 1}});
}

struct FlagDrawing {
    QSizeF proportions;
    void (*draw)(QPainter &, QSizeF);
};

// Index = language code - 1.
const std::array<FlagDrawing, 7> drawings{{
    {{60, 40}, france},
    {{60, 30}, unitedKingdom},
    {{60, 40}, portugal},
    {{60, 40}, spain},
    {{60, 40}, italy},
    {{60, 30}, croatia},
    {{60, 36}, germany},
}};

}  // namespace

QPixmap countryFlag(int language, QSize size)
{
    if (language < 1 || language > static_cast<int>(drawings.size()) || size.isEmpty())
        return {};
    const FlagDrawing &drawing = drawings[static_cast<std::size_t>(language - 1)];
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(size.width() / drawing.proportions.width(),
                  size.height() / drawing.proportions.height());
    drawing.draw(painter, drawing.proportions);
    painter.end();
    return QPixmap::fromImage(image);
}
