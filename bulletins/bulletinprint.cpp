#include "bulletins/bulletinprint.h"

#include "storage/textfile.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <exception>
#include <limits>
#include <string>

namespace {

constexpr int promptMessage = 115;        // "Insérez le prochain bulletin et appuyer sur OK"
constexpr int generatedPromptTitle = 58;  // "Imprimer les tickets"
constexpr int filePromptTitle = 130;      // "Impression"

int saturated(double value)
{
    return static_cast<int>(std::clamp(value, double{std::numeric_limits<int>::min()},
                                       double{std::numeric_limits<int>::max()}));
}

int saturated(std::int64_t value)
{
    return static_cast<int>(std::clamp<std::int64_t>(value, std::numeric_limits<int>::min(),
                                                     std::numeric_limits<int>::max()));
}

// Pen width of a stroke `thickness` cm thick at height y: the device height it covers there.
int strokePen(PrintContext &ctx, double y, double thickness)
{
    return saturated(std::int64_t{pconvertitcm(ctx, Axis::Vertical, y + thickness)} -
                     pconvertitcm(ctx, Axis::Vertical, y));
}

// Starts the run's print job with the mark font; false (reported as `procedure`'s failure unless
// the player cancelled) when no job could be started.
bool startJob(PrintContext &ctx, const std::string &title, std::string_view procedure)
{
    if (!beginPrintJob(ctx, title, procedure))
        return false;
    ctx.printer.setFont("Fixedsys", 10, true);
    return true;
}

// Places the grids of one run on successive bulletins: a new page when a bulletin is full,
// the number of each bulletin's first grid in the page corner when asked, and in one-by-one
// mode the prompt for the next bulletin before its page is started, so that a Cancel leaves no
// blank page behind.
class BulletinFeeder {
public:
    BulletinFeeder(PrintContext &ctx, const BulletinPrintRequest &request, int perBulletin,
                   int promptTitle)
        : m_ctx(ctx), m_request(request), m_perBulletin(perBulletin), m_promptTitle(promptTitle)
    {
    }

    // Position on the current bulletin of grid `number`, the next grid of the run; 0 when the
    // user cancelled at the prompt.
    int place(int number)
    {
        if (m_position == 0) {
            m_position = 1;
            writeNumber(number);
            return m_position;
        }
        if (++m_position <= m_perBulletin)
            return m_position;
        if (m_request.mode == PrintMode::OneByOne &&
            m_ctx.boxes.show(m_ctx.message(m_promptTitle), m_ctx.message(promptMessage),
                             BoxButtons::OkCancel, BoxIcon::Question) != BoxAnswer::Ok)
            return 0;
        m_ctx.printer.newPage();
        m_position = 1;
        writeNumber(number);
        return m_position;
    }

private:
    // Grid numbers go to the device corner itself: the printer shifts move only the marks.
    void writeNumber(int number)
    {
        if (m_request.numbered)
            m_ctx.printer.textOut(0, 0, std::to_string(number));
    }

    PrintContext &m_ctx;
    const BulletinPrintRequest &m_request;
    int m_perBulletin;
    int m_promptTitle;
    int m_position = 0;
};

}  // namespace

int pconvertitcm(PrintContext &ctx, Axis axis, double cm)
{
    const bool horizontal = axis == Axis::Horizontal;
    const double dpi = horizontal ? ctx.printer.dpiX() : ctx.printer.dpiY();
    const double offset = horizontal ? ctx.printer.offsetX() : ctx.printer.offsetY();
    const double shiftMm = horizontal ? ctx.params.offsetHorizontal : ctx.params.offsetVertical;
    // Catalogue distances are measured from the paper's corner, device units from the
    // printable area's. nearbyint rounds halves to even in the default rounding mode.
    return saturated(std::nearbyint(cm / 2.54 * dpi - offset + shiftMm / 10 / 2.54 * dpi));
}

void pcochenumerosurgrille(PrintContext &ctx, const BulletinTypeTable &bulletinTypes, int n, int p,
                           int t)
{
    if (!isBulletinType(t)) {
        showFailure(ctx.boxes, "pcochenumerosurgrille");
        return;
    }
    const TBulletinType &type = bulletinTypes[static_cast<std::size_t>(t)];
    const PaperPoint at = markPoint(type, n, p);
    const int x = pconvertitcm(ctx, Axis::Horizontal, at.x);
    const int y = pconvertitcm(ctx, Axis::Vertical, at.y);
    switch (type.mark) {
    case MarkKind::UpperX:
        ctx.printer.textOut(x, y, "X");
        break;
    case MarkKind::LowerX:
        ctx.printer.textOut(x, y, "x");
        break;
    case MarkKind::HorizontalStroke:
        ctx.printer.setPenWidth(strokePen(ctx, at.y, type.strokeThickness));
        ctx.printer.moveTo(x, y);
        ctx.printer.lineTo(pconvertitcm(ctx, Axis::Horizontal, at.x + type.strokeLength), y);
        break;
    case MarkKind::VerticalStroke:
        ctx.printer.setPenWidth(strokePen(ctx, at.y, type.strokeThickness));
        ctx.printer.moveTo(x, y);
        ctx.printer.lineTo(x, pconvertitcm(ctx, Axis::Vertical, at.y + type.strokeLength));
        break;
    }
}

int pimprimebulletin(PrintContext &ctx, BulletinTypeTable &bulletinTypes, Selection &s, int method,
                     int nbgrilles, const BulletinPrintRequest &request,
                     int gridsPerBulletinOverride)
{
    const int t = request.bulletinType;
    if (!isBulletinType(t)) {
        showFailure(ctx.boxes, "pimprimebulletin");
        return 0;
    }
    pinittypebulletin(bulletinTypes);
    const int perBulletin = gridsPerBulletinOverride > 0
                                ? gridsPerBulletinOverride
                                : gridsPerBulletin(bulletinTypes[static_cast<std::size_t>(t)]);
    pcommenceparcours(s, method, nbgrilles);
    int first = 1;
    int last = s.nbgrillescourant;
    if (request.first >= 1 && request.last <= s.nbgrillescourant) {
        first = request.first;
        last = request.last;
    }
    if (!startJob(ctx, ctx.message(generatedPromptTitle), "pimprimebulletin"))
        return 0;
    BulletinFeeder feeder(ctx, request, perBulletin, generatedPromptTitle);
    int printed = 0;
    for (int g = first; g <= last; ++g) {
        pdeveloppegrille(s, g);
        const int position = feeder.place(g);
        if (position == 0)
            break;
        for (int n = 1; n <= 99; ++n) {
            if (s.tabgrille[static_cast<std::size_t>(n)] == 1)
                pcochenumerosurgrille(ctx, bulletinTypes, n, position, t);
        }
        ++printed;
    }
    ctx.printer.endDoc();
    return printed;
}

int Pimprimebulletinfichier(PrintContext &ctx, const BulletinTypeTable &bulletinTypes,
                            const ExternalGridFile &file, const BulletinPrintRequest &request)
{
    const int t = request.bulletinType;
    if (!isBulletinType(t)) {
        showFailure(ctx.boxes, "Pimprimebulletinfichier");
        return 0;
    }
    TTextFile reader;
    try {
        openGridFile(reader, file);
    } catch (const std::exception &) {
        showFailure(ctx.boxes, "Pimprimebulletinfichier");
        return 0;
    }
    if (!startJob(ctx, ctx.message(filePromptTitle), "Pimprimebulletinfichier"))
        return 0;
    BulletinFeeder feeder(ctx, request,
                          gridsPerBulletin(bulletinTypes[static_cast<std::size_t>(t)]),
                          filePromptTitle);
    int printed = 0;
    try {
        // 64-bit line count: a file may hold more lines than an int counts.
        for (std::int64_t k = 1; !reader.AtEnd() && k <= request.last; ++k) {
            if (k >= request.first) {
                const int position = feeder.place(static_cast<int>(k));
                if (position == 0)
                    break;
                ++printed;
                for (const int n : gridNumbers(reader, file.replacement))
                    pcochenumerosurgrille(ctx, bulletinTypes, n, position, t);
            }
            reader.ReadLine();
        }
    } catch (const std::exception &) {
        showFailure(ctx.boxes, "Pimprimebulletinfichier");
    }
    ctx.printer.endDoc();
    return printed;
}
