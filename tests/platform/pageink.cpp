#include "pageink.h"

#include <QFont>
#include <QFontMetricsF>
#include <QImageReader>
#include <QProcess>
#include <QStandardPaths>

#include <algorithm>
#include <cmath>
#include <sstream>

namespace {

constexpr int rasterDpi = 600;
constexpr int inkLevel = 128;

// An image whose font metrics are those of a device of `dpi` dots per inch.
QImage metricsDevice(int dpi)
{
    QImage probe(1, 1, QImage::Format_Grayscale8);
    const int dotsPerMetre = static_cast<int>(std::lround(dpi / 0.0254));
    probe.setDotsPerMeterX(dotsPerMetre);
    probe.setDotsPerMeterY(dotsPerMetre);
    return probe;
}

// A rectangle of device dots of `printer`, scaled to 600-dpi pixels of the paper.
QRect onPaper(const QRectF &dots, const RecordingPrinter &printer)
{
    const double scaleX = static_cast<double>(rasterDpi) / printer.resolutionX;
    const double scaleY = static_cast<double>(rasterDpi) / printer.resolutionY;
    const QRectF paper((dots.left() + printer.printableOffsetX) * scaleX,
                       (dots.top() + printer.printableOffsetY) * scaleY, dots.width() * scaleX,
                       dots.height() * scaleY);
    return paper.toAlignedRect();
}

}  // namespace

bool canRasterise()
{
    return !QStandardPaths::findExecutable("pdftoppm").isEmpty();
}

std::optional<QImage> rasterisePage(const std::filesystem::path &pdf, int page,
                                    const std::filesystem::path &work)
{
    const QString prefix = QString::fromStdString((work / "page").string());
    const QString number = QString::number(page);
    const int status = QProcess::execute(
        "pdftoppm", {"-r", QString::number(rasterDpi), "-png", "-gray", "-f", number, "-l", number,
                     "-singlefile", QString::fromStdString(pdf.string()), prefix});
    if (status != 0)
        return std::nullopt;
    QImageReader reader(prefix + ".png");
    // A page at 600 dpi is larger than Qt's default guard against huge images.
    reader.setAllocationLimit(512);
    const QImage image = reader.read();
    if (image.isNull())
        return std::nullopt;
    return image.convertToFormat(QImage::Format_Grayscale8);
}

std::vector<QRect> inkPatches(const QImage &page)
{
    const int w = page.width();
    const int h = page.height();
    std::vector<bool> seen(static_cast<std::size_t>(w) * static_cast<std::size_t>(h));
    const auto inked = [&](int x, int y) { return page.constScanLine(y)[x] < inkLevel; };
    const auto index = [w](int x, int y) {
        return static_cast<std::size_t>(y) * static_cast<std::size_t>(w) +
               static_cast<std::size_t>(x);
    };
    std::vector<QRect> patches;
    std::vector<QPoint> stack;
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            if (seen[index(x, y)] || !inked(x, y))
                continue;
            QRect box(x, y, 1, 1);
            seen[index(x, y)] = true;
            stack.push_back({x, y});
            while (!stack.empty()) {
                const QPoint p = stack.back();
                stack.pop_back();
                box |= QRect(p, QSize(1, 1));
                for (int dy = -1; dy <= 1; ++dy) {
                    for (int dx = -1; dx <= 1; ++dx) {
                        const int nx = p.x() + dx;
                        const int ny = p.y() + dy;
                        if (nx < 0 || ny < 0 || nx >= w || ny >= h || seen[index(nx, ny)] ||
                            !inked(nx, ny))
                            continue;
                        seen[index(nx, ny)] = true;
                        stack.push_back({nx, ny});
                    }
                }
            }
            patches.push_back(box);
        }
    }
    return patches;
}

std::vector<QRect> expectedInk(const RecordingPrinter &printer, int page)
{
    const QImage device = metricsDevice(printer.resolutionY);
    QFont font("Fixedsys", 10);
    font.setBold(true);
    const QFontMetricsF metrics(font, &device);
    const QRectF glyph = metrics.tightBoundingRect("X");
    std::vector<QRect> boxes;
    int pen = 0;
    for (const RecordingPrinter::Record &r : printer.records) {
        if (r.op == RecordingPrinter::Op::PenWidth)
            pen = r.value;
        if (r.page != page)
            continue;
        if (r.op == RecordingPrinter::Op::Text && r.text == "X") {
            boxes.push_back(onPaper(glyph.translated(r.x, r.y + metrics.ascent()), printer));
        } else if (r.op == RecordingPrinter::Op::Line) {
            const double half = pen / 2.0;
            const QRectF stroke(QPointF(std::min(r.x, r.x2) - half, std::min(r.y, r.y2) - half),
                                QPointF(std::max(r.x, r.x2) + half, std::max(r.y, r.y2) + half));
            boxes.push_back(onPaper(stroke, printer));
        }
    }
    return boxes;
}

std::vector<QRect> unmatched(std::vector<QRect> patches, const std::vector<QRect> &expected,
                             int tolerance)
{
    std::vector<QRect> missing;
    for (const QRect &box : expected) {
        const auto found = std::find_if(patches.begin(), patches.end(),
                                        [&](const QRect &p) { return near(p, box, tolerance); });
        if (found == patches.end())
            missing.push_back(box);
        else
            patches.erase(found);
    }
    return missing;
}

std::string describe(const std::vector<QRect> &boxes)
{
    std::ostringstream text;
    for (const QRect &b : boxes)
        text << '(' << b.left() << ',' << b.top() << ")-(" << b.right() << ',' << b.bottom()
             << ") ";
    return text.str();
}

void PrintTo(const QRect &box, std::ostream *out)
{
    *out << describe({box});
}

bool near(const QRect &actual, const QRect &expected, int tolerance)
{
    return std::abs(actual.left() - expected.left()) <= tolerance &&
           std::abs(actual.top() - expected.top()) <= tolerance &&
           std::abs(actual.right() - expected.right()) <= tolerance &&
           std::abs(actual.bottom() - expected.bottom()) <= tolerance;
}
