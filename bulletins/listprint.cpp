#include "bulletins/listprint.h"

#include "bulletins/gridlines.h"
#include "storage/safefile.h"
#include "storage/textfile.h"

#include <cstddef>
#include <cstdint>
#include <exception>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace {

constexpr int titleMessage = 148;      // "LISTE DES BULLETINS"
constexpr int saveTitleMessage = 151;  // "Indiquer le nom du fichier à enregistrer"
constexpr const char *listFont = "Times New Roman";

// Asks where to export; nullopt when the user cancels.
std::optional<std::string> chooseExportFile(PrintContext &ctx, FileDialogs &dialogs)
{
    FileDialogOptions options;
    options.title = ctx.message(saveTitleMessage);
    options.filter = "mirazol (*.txt)|*.txt";
    options.defaultExtension = "txt";
    options.hideReadOnly = true;
    options.pathMustExist = true;
    return dialogs.saveFile(options);
}

// Replaces `file` by `bytes` in one step, so that a failed export leaves no half-written file.
bool writeExport(const std::string &file, const std::string &bytes)
{
    const std::span<const std::uint8_t> data(reinterpret_cast<const std::uint8_t *>(bytes.data()),
                                             bytes.size());
    return static_cast<bool>(writeFileAtomically(file, data));
}

// The plain-paper list: the title on the first page, body lines below it, and on every further
// page a rule above the first line.
class ListPage {
public:
    // Writes the title; the print job must have started.
    explicit ListPage(PrintContext &ctx) : m_printer(ctx.printer)
    {
        m_printer.setFont(listFont, 24, false);
        // Centred by the French title's width whatever the language.
        const int x = (m_printer.pageWidth() - m_printer.textWidth("LISTE DES BULLETINS")) / 2;
        m_printer.textOut(x, 50, ctx.message(titleMessage));
        const int titleHeight = m_printer.textHeight("LISTE");
        m_printer.setFont(listFont, 10, false);
        m_lineHeight = m_printer.textHeight("WWWW") + 10;
        m_charWidth = m_printer.textWidth("W");
        m_y = 50 + titleHeight + 2 * m_lineHeight;
    }

    // Width of one body character.
    int charWidth() const { return m_charWidth; }

    // y of the next line. The page is changed only when a line is about to go below the
    // bottom margin, so that the list never ends with a page holding just the rule.
    int nextLine()
    {
        if (m_full) {
            m_printer.newPage();
            m_y = 4 * m_lineHeight;
            m_printer.setPenWidth(10);
            m_printer.moveTo(10, m_y - 10);
            m_printer.lineTo(56 * m_charWidth + 10, m_y - 10);
            m_full = false;
        }
        return m_y;
    }

    // Moves down after a line of `spacing` line heights.
    void advance(int spacing)
    {
        m_y += spacing * m_lineHeight;
        m_full = m_y > m_printer.pageHeight() - 3 * m_lineHeight;
    }

private:
    Printer &m_printer;
    int m_lineHeight = 0;
    int m_charWidth = 0;
    int m_y = 0;
    bool m_full = false;
};

void exportGenerated(PrintContext &ctx, FileDialogs &dialogs, Selection &s, int method,
                     int nbgrilles)
{
    const std::optional<std::string> file = chooseExportFile(ctx, dialogs);
    if (!file)
        return;
    std::string bytes;
    for (const std::string &line : exportLines(s, method, nbgrilles))
        bytes += line + "\r\n";
    if (!writeExport(*file, bytes))
        showFailure(ctx.boxes, "pimprimelistebulletin");
}

void printGenerated(PrintContext &ctx, Selection &s, int method, int nbgrilles)
{
    if (!beginPrintJob(ctx, ctx.message(titleMessage), "pimprimelistebulletin"))
        return;
    ListPage page(ctx);
    const int w = page.charWidth();
    pcommenceparcours(s, method, nbgrilles);
    for (int i = 1; i <= s.nbgrillescourant; ++i) {
        pdeveloppegrille(s, i);
        const int y = page.nextLine();
        ctx.printer.textOut(10, y, std::to_string(i));
        // Numbers in columns four characters apart, after the grid number.
        int c = 0;
        for (int n = 1; n <= 49; ++n) {
            if (s.tabgrille[static_cast<std::size_t>(n)] == 1) {
                ++c;
                ctx.printer.textOut(10 + w + 4 * w * c, y, std::to_string(n));
            }
        }
        page.advance(2);
    }
    ctx.printer.endDoc();
}

void exportExternal(PrintContext &ctx, FileDialogs &dialogs, const ExternalGridFile &file)
{
    const std::optional<std::string> target = chooseExportFile(ctx, dialogs);
    if (!target)
        return;
    std::string bytes;
    try {
        TTextFile reader;
        openGridFile(reader, file);
        while (!reader.AtEnd()) {
            bytes += exportLine(gridNumbers(reader, file.replacement)) + "\r\n";
            reader.ReadLine();
        }
    } catch (const std::exception &) {
        showFailure(ctx.boxes, "Pimprimelistebulletinfichier");
        return;
    }
    if (!writeExport(*target, bytes))
        showFailure(ctx.boxes, "Pimprimelistebulletinfichier");
}

void printExternal(PrintContext &ctx, const ExternalGridFile &file)
{
    TTextFile reader;
    try {
        openGridFile(reader, file);
    } catch (const std::exception &) {
        showFailure(ctx.boxes, "Pimprimelistebulletinfichier");
        return;
    }
    if (!beginPrintJob(ctx, ctx.message(titleMessage), "Pimprimelistebulletinfichier"))
        return;
    try {
        ListPage page(ctx);
        for (std::int64_t k = 1; !reader.AtEnd(); ++k) {
            std::string line = std::to_string(k) + " :";
            for (const int n : gridNumbers(reader, file.replacement))
                line += " " + std::to_string(n);
            const int y = page.nextLine();
            ctx.printer.textOut(10, y, line);
            page.advance(1);
            reader.ReadLine();
        }
    } catch (const std::exception &) {
        showFailure(ctx.boxes, "Pimprimelistebulletinfichier");
    }
    ctx.printer.endDoc();
}

}  // namespace

void pimprimelistebulletin(PrintContext &ctx, FileDialogs &dialogs, Selection &s, int method,
                           int nbgrilles, ListMode mode)
{
    if (mode == ListMode::Export)
        exportGenerated(ctx, dialogs, s, method, nbgrilles);
    else
        printGenerated(ctx, s, method, nbgrilles);
}

void Pimprimelistebulletinfichier(PrintContext &ctx, FileDialogs &dialogs,
                                  const ExternalGridFile &file, ListMode mode)
{
    if (mode == ListMode::Export)
        exportExternal(ctx, dialogs, file);
    else
        printExternal(ctx, file);
}
