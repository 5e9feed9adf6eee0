#include "cli.h"

#include "bulletins/bulletinprint.h"
#include "bulletins/bulletintypes.h"
#include "bulletins/gridlines.h"
#include "bulletins/listprint.h"
#include "compare/comparison.h"
#include "compare/externalgrids.h"
#include "engine/gridtables.h"
#include "engine/guaranteechecker.h"
#include "engine/methodcatalogue.h"
#include "engine/selection.h"
#include "i18n/messagecatalogue.h"
#include "platform/fakes/fakeplatform.h"
#include "storage/paramrecord.h"

#include <algorithm>
#include <charconv>
#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <optional>
#include <random>
#include <stdexcept>
#include <string_view>
#include <utility>

namespace {

constexpr int exitSuccess = 0;
constexpr int exitGuaranteeFails = 1;
constexpr int exitFileUnreadable = 1;
constexpr int exitPrintFailed = 1;
constexpr int exitBadArguments = 2;

constexpr int frenchLanguage = 1;
constexpr int listLabelMessage = 146;
constexpr int complementaryMessage = 144;

constexpr std::string_view fieldsUsage = "usage: mirazol-cli fields FILE [--sep C] [--skip N]";
constexpr std::string_view compareUsage =
    "usage: mirazol-cli compare METHOD --draw D1,D2,D3,D4,D5,D6,C N1 N2 ... [--lang N]";
constexpr std::string_view compareFileUsage =
    "usage: mirazol-cli compare-file FILE --draw D1,D2,D3,D4,D5,D6,C [--sep C] [--skip N] "
    "[--replace N=M ...] [--lang N]";
constexpr std::string_view printUsage =
    "usage: mirazol-cli print METHOD N1 N2 ... --type T [--first A] [--last B] [--numbered] "
    "[--per-slip K] [--shift H,V] [--one-by-one] (--pdf FILE | --trace [--dpi X,Y] "
    "[--offset X,Y])";
constexpr std::string_view printFileUsage =
    "usage: mirazol-cli print-file FILE --type T [--sep C] [--skip N] [--replace N=M ...] "
    "[--first A] [--last B] [--numbered] (--pdf FILE | --trace [--dpi X,Y] [--offset X,Y])";
constexpr std::string_view printListUsage =
    "usage: mirazol-cli print-list METHOD N1 N2 ... (--pdf FILE | --trace [--dpi X,Y] "
    "[--offset X,Y])";
constexpr std::string_view exportFileUsage =
    "usage: mirazol-cli export-file FILE [--sep C] [--skip N] [--replace N=M ...]";

// The external file print's default last line, as on the main window's external-file page.
constexpr int lastFileLineDefault = 99999;
// The print dialog's grids-per-bulletin box takes two digits.
constexpr int perSlipMaximum = 99;

// Bad command-line arguments; runCli turns it into the message, the command's usage line when
// it has one, and status 2.
class BadArguments : public std::runtime_error {
public:
    explicit BadArguments(const std::string &message, std::string_view usage = {})
        : std::runtime_error(message), m_usage(usage)
    {
    }
    std::string_view usage() const { return m_usage; }

private:
    std::string_view m_usage;
};

struct Arguments {
    std::vector<std::string> positional;
    int language = frenchLanguage;
};

int parseInteger(const std::string &text, std::string_view what)
{
    int value = 0;
    const char *end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    if (text.empty() || error != std::errc() || stop != end)
        throw BadArguments(std::string(what) + " is not a number: \"" + text + "\"");
    return value;
}

// The value of `--lang`, the argument at `i`; `i` moves onto it.
int languageOption(const std::vector<std::string> &args, std::size_t &i)
{
    if (i + 1 == args.size())
        throw BadArguments("--lang needs a language number 1.." + std::to_string(languageCount));
    const int language = parseInteger(args[++i], "language");
    if (language < 1 || language > languageCount)
        throw BadArguments("language " + args[i] + " is outside 1.." +
                           std::to_string(languageCount));
    return language;
}

// Separates the options from the other arguments; only `--lang N` exists, where allowed.
Arguments splitArguments(const std::vector<std::string> &args, bool languageAllowed)
{
    Arguments parsed;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string &arg = args[i];
        if (!arg.starts_with("--")) {
            parsed.positional.push_back(arg);
            continue;
        }
        if (arg != "--lang" || !languageAllowed)
            throw BadArguments("unknown option " + arg);
        parsed.language = languageOption(args, i);
    }
    return parsed;
}

// A method number that the method list offers, i.e. one with a grid table.
int offeredMethod(const std::string &text)
{
    const int method = parseInteger(text, "method");
    if (method < 1 || method > methodCount)
        throw BadArguments("unknown method " + text);
    if (!hasGridTable(method))
        throw BadArguments("method " + text + " is not offered (no grid table)");
    return method;
}

const Tmethode &row(const MethodTable &rows, int method)
{
    return rows[static_cast<std::size_t>(method)];
}

LabelWords labelWords(int language)
{
    return {pgloretlibmessage(64, language), pgloretlibmessage(65, language),
            pgloretlibmessage(66, language), pgloretlibmessage(67, language),
            pgloretlibmessage(68, language)};
}

// The method and its numbers, ticked and placed in ascending position order as the main
// window does before any grid window opens.
Selection tickedSelection(const MethodTable &rows, const std::vector<std::string> &positional,
                          int &method)
{
    if (positional.empty())
        throw BadArguments("missing method number");
    method = offeredMethod(positional.front());
    const int needed = row(rows, method).nbnumeros;
    const int given = static_cast<int>(positional.size()) - 1;
    if (given != needed)
        throw BadArguments("method " + positional.front() + " needs " + std::to_string(needed) +
                           " numbers, got " + std::to_string(given));
    Selection s;
    for (std::size_t i = 1; i < positional.size(); ++i) {
        const int n = parseInteger(positional[i], "number");
        if (n < 1 || n > 99)
            throw BadArguments("number " + positional[i] + " is outside 1..99");
        auto &flag = s.tabcoche[static_cast<std::size_t>(n)];
        if (flag == 1)
            throw BadArguments("number " + std::to_string(n) + " is given twice");
        flag = 1;
    }
    pconstruitnumsel(s);
    return s;
}

int listMethods(const std::vector<std::string> &args, std::ostream &out)
{
    const Arguments parsed = splitArguments(args, true);
    if (!parsed.positional.empty())
        throw BadArguments("methods takes no argument besides --lang");
    const MethodTable rows = catalogueRows();
    const LabelWords words = labelWords(parsed.language);
    for (const MethodListItem &item : methodListItems(rows, words)) {
        const Tmethode &r = row(rows, item.method);
        out << item.method << '\t' << plibellemethode(r, item.method, false, words) << '\n';
    }
    return exitSuccess;
}

int listGrids(const std::vector<std::string> &args, std::ostream &out)
{
    const Arguments parsed = splitArguments(args, true);
    const MethodTable rows = catalogueRows();
    int method = 0;
    Selection s = tickedSelection(rows, parsed.positional, method);
    const std::string label = pgloretlibmessage(listLabelMessage, parsed.language);
    for (const std::string &line : listLines(s, method, row(rows, method).nbgrilles, label))
        out << line << '\n';
    return exitSuccess;
}

int exportGrids(const std::vector<std::string> &args, std::ostream &out)
{
    const Arguments parsed = splitArguments(args, false);
    const MethodTable rows = catalogueRows();
    int method = 0;
    Selection s = tickedSelection(rows, parsed.positional, method);
    for (const std::string &line : exportLines(s, method, row(rows, method).nbgrilles))
        out << line << "\r\n";
    return exitSuccess;
}

int verifyMethods(const std::vector<std::string> &args, std::ostream &out)
{
    const Arguments parsed = splitArguments(args, false);
    std::vector<int> methods;
    for (const std::string &text : parsed.positional)
        methods.push_back(offeredMethod(text));
    if (methods.empty()) {
        for (int m = 1; m <= methodCount; ++m) {
            if (hasGridTable(m))
                methods.push_back(m);
        }
    }
    const MethodTable rows = catalogueRows();
    int status = exitSuccess;
    for (const int m : methods) {
        const Tmethode &r = row(rows, m);
        const std::vector<Grid> grids = gridTable(m);
        const GuaranteeResult result = checkGuarantee(r.nbnumeros, r.garantie, r.condition, grids);
        if (!result.holds())
            status = exitGuaranteeFails;
        // Large methods take a while: show each result as soon as it is known.
        out << verifyLine(m, r, result) << std::endl;
    }
    return status;
}

int printTable(const std::vector<std::string> &args, std::ostream &out)
{
    const Arguments parsed = splitArguments(args, false);
    if (parsed.positional.size() != 1)
        throw BadArguments("table takes exactly one method number");
    for (const Grid &grid : gridTable(offeredMethod(parsed.positional.front()))) {
        for (std::size_t r = 0; r < grid.size(); ++r)
            out << (r > 0 ? " " : "") << int{grid[r]};
        out << '\n';
    }
    return exitSuccess;
}

// Two numbers "X,Y" of one option, such as a resolution per axis.
using NumberPair = std::pair<int, int>;

// Options of the print commands.
struct PrintArguments {
    int type = 0;
    std::optional<int> first;
    std::optional<int> last;
    bool numbered = false;
    int perSlip = 0;  // 0: the bulletin type's grids per bulletin
    NumberPair shift{0, 0};
    bool oneByOne = false;
    std::optional<std::string> pdf;
    bool trace = false;
    std::optional<NumberPair> dpi;
    std::optional<NumberPair> offset;
};

// Options of the grid-file, comparison and print commands.
struct FileArguments {
    std::vector<std::string> positional;
    int language = frenchLanguage;
    std::optional<Draw> draw;
    GridFileSource source{{}, " ", 0};
    std::vector<ReplacementBox> replacements;
    PrintArguments print;
};

// "D1,D2,D3,D4,D5,D6,C": seven numbers 0..99, 0 standing for an empty entry box; a number
// 1..99 given twice is refused, as the comparison window refuses it.
Draw drawOption(const std::string &text)
{
    std::vector<std::int32_t> values;
    std::size_t begin = 0;
    while (true) {
        const std::size_t comma = text.find(',', begin);
        const std::string item = text.substr(begin, comma - begin);
        const int value = parseInteger(item, "draw number");
        if (value < 0 || value > 99)
            throw BadArguments("draw number " + item + " is outside 0..99");
        values.push_back(value);
        if (comma == std::string::npos)
            break;
        begin = comma + 1;
    }
    if (values.size() != 7)
        throw BadArguments("--draw needs 7 numbers (six drawn, then the complementary), got " +
                           std::to_string(values.size()));
    Draw draw;
    std::copy(values.begin(), values.begin() + 6, draw.d.begin() + 1);
    draw.c = values[6];
    // Refused as the comparison window refuses it.
    if (const auto twice = repeatedNumber(draw))
        throw BadArguments("draw number " + std::to_string(*twice) + " is given twice");
    return draw;
}

std::string separatorOption(const std::string &text)
{
    if (text.size() > 1)
        throw BadArguments("separator must be one character: \"" + text + "\"");
    return text;
}

std::int32_t skipOption(const std::string &text)
{
    const int lines = parseInteger(text, "lines to skip");
    if (lines < 0)
        throw BadArguments("lines to skip must be 0 or more, got " + text);
    return lines;
}

bool looksLikeReplacement(const std::string &text)
{
    return !text.starts_with("--") && text.find('=') != std::string::npos;
}

// "N=M": the file's number N (1..100) stands for M, as replacement box N holding M.
ReplacementBox replacementOption(const std::string &text)
{
    const std::size_t equals = text.find('=');
    if (equals == std::string::npos)
        throw BadArguments("replacement must read N=M: \"" + text + "\"");
    const std::string number = text.substr(0, equals);
    const std::string replacement = text.substr(equals + 1);
    const int tag = parseInteger(number, "replaced number");
    if (tag < 1 || tag > 100)
        throw BadArguments("replaced number " + number + " is outside 1..100");
    parseInteger(replacement, "replacement");
    return {tag, replacement};
}

// "X,Y" with both numbers within minimum..maximum.
NumberPair pairOption(const std::string &option, const std::string &text, int minimum, int maximum)
{
    const std::size_t comma = text.find(',');
    if (comma == std::string::npos)
        throw BadArguments(option + " must read X,Y: \"" + text + "\"");
    const NumberPair pair{parseInteger(text.substr(0, comma), option),
                          parseInteger(text.substr(comma + 1), option)};
    if (pair.first < minimum || pair.first > maximum || pair.second < minimum ||
        pair.second > maximum)
        throw BadArguments(option + " " + text + " is outside " + std::to_string(minimum) + ".." +
                           std::to_string(maximum));
    return pair;
}

// A whole number of an option within minimum..maximum.
int boundedOption(const std::string &option, const std::string &text, int minimum, int maximum)
{
    const int value = parseInteger(text, option);
    if (value < minimum || value > maximum)
        throw BadArguments(option + " " + text + " is outside " + std::to_string(minimum) + ".." +
                           std::to_string(maximum));
    return value;
}

// Sets the print flag `arg`; false when `arg` is no flag.
bool printFlag(const std::string &arg, PrintArguments &print)
{
    if (arg == "--numbered")
        print.numbered = true;
    else if (arg == "--one-by-one")
        print.oneByOne = true;
    else if (arg == "--trace")
        print.trace = true;
    else
        return false;
    return true;
}

// Sets the print option `arg` to `value`; false when `arg` is no print option.
bool printOption(const std::string &arg, const std::string &value, PrintArguments &print)
{
    constexpr int anyNumber = 1 << 30;
    if (arg == "--type")
        print.type = boundedOption(arg, value, 1, bulletinTypeCount);
    else if (arg == "--first")
        print.first = parseInteger(value, arg);
    else if (arg == "--last")
        print.last = parseInteger(value, arg);
    else if (arg == "--per-slip")
        print.perSlip = boundedOption(arg, value, 0, perSlipMaximum);
    else if (arg == "--shift")
        print.shift = pairOption(arg, value, -anyNumber, anyNumber);
    else if (arg == "--pdf")
        print.pdf = value;
    else if (arg == "--dpi")
        print.dpi = pairOption(arg, value, 1, anyNumber);
    else if (arg == "--offset")
        print.offset = pairOption(arg, value, 0, anyNumber);
    else
        return false;
    return true;
}

// Separates the options named in `allowed` from the other arguments. `--replace` takes one
// N=M or more.
FileArguments splitFileArguments(const std::vector<std::string> &args,
                                 std::initializer_list<std::string_view> allowed)
{
    FileArguments parsed;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string &arg = args[i];
        if (!arg.starts_with("--")) {
            parsed.positional.push_back(arg);
            continue;
        }
        if (std::find(allowed.begin(), allowed.end(), arg) == allowed.end())
            throw BadArguments("unknown option " + arg);
        if (arg == "--lang") {
            parsed.language = languageOption(args, i);
            continue;
        }
        if (printFlag(arg, parsed.print))
            continue;
        if (i + 1 == args.size())
            throw BadArguments(arg + " needs a value");
        const std::string &value = args[++i];
        if (printOption(arg, value, parsed.print))
            continue;
        if (arg == "--draw") {
            parsed.draw = drawOption(value);
        } else if (arg == "--sep") {
            parsed.source.separator = separatorOption(value);
        } else if (arg == "--skip") {
            parsed.source.skipLines = skipOption(value);
        } else {
            parsed.replacements.push_back(replacementOption(value));
            while (i + 1 < args.size() && looksLikeReplacement(args[i + 1]))
                parsed.replacements.push_back(replacementOption(args[++i]));
        }
    }
    return parsed;
}

// The single file argument of a file command.
std::string fileArgument(const FileArguments &parsed)
{
    if (parsed.positional.empty())
        throw BadArguments("missing file name");
    if (parsed.positional.size() > 1)
        throw BadArguments("one file only, got " + std::to_string(parsed.positional.size()));
    return parsed.positional.front();
}

const Draw &drawArgument(const FileArguments &parsed)
{
    if (!parsed.draw)
        throw BadArguments("missing --draw");
    return *parsed.draw;
}

// Gathers output in a large block and hands it to the stream whole, so that a million lines
// cost a few dozen writes.
class BlockWriter {
public:
    explicit BlockWriter(std::ostream &out) : m_out(out) { m_block.reserve(blockSize + 4096); }
    BlockWriter(const BlockWriter &) = delete;
    BlockWriter &operator=(const BlockWriter &) = delete;

    // The text of the line being written; endLine closes it.
    std::string &text() { return m_block; }

    void endLine()
    {
        m_block += '\n';
        if (m_block.size() >= blockSize)
            flush();
    }

    void flush()
    {
        m_out.write(m_block.data(), static_cast<std::streamsize>(m_block.size()));
        m_block.clear();
    }

private:
    static constexpr std::size_t blockSize = std::size_t{1} << 20;
    std::ostream &m_out;
    std::string m_block;
};

void writeLines(const ComparisonList &list, BlockWriter &writer)
{
    for (std::size_t i = 0; i < list.size(); ++i) {
        list.appendLineText(i, writer.text());
        writer.endLine();
    }
}

void writeCounters(const ComparisonList &list, int language, BlockWriter &writer)
{
    const auto message = [language](int n) { return pgloretlibmessage(n, language); };
    for (const Rank rank : allRanks) {
        writer.text() +=
            rankCaption(rank, message) + '\t' + std::to_string(list.counters().count(rank));
        writer.endLine();
    }
}

int listFields(const std::vector<std::string> &args, std::ostream &out, std::ostream &err)
{
    FileArguments parsed = splitFileArguments(args, {"--sep", "--skip"});
    parsed.source.fileName = fileArgument(parsed);
    GridPreview preview;
    const GridFileOutcome outcome =
        pchargegrille(preview, parsed.source, 0, identityReplacement(), false);
    BlockWriter writer(out);
    for (std::size_t row = 1; row <= preview.lineCount(); ++row) {
        for (int f = 1; f <= previewFieldCount; ++f) {
            if (f > 1)
                writer.text() += '\t';
            writer.text() += preview.cellText(f, row);
        }
        writer.endLine();
    }
    writer.flush();
    if (!outcome.ok) {
        err << "mirazol-cli: " << outcome.message << '\n';
        return exitFileUnreadable;
    }
    return exitSuccess;
}

int compareGrids(const std::vector<std::string> &args, std::ostream &out)
{
    const FileArguments parsed = splitFileArguments(args, {"--draw", "--lang"});
    const MethodTable rows = catalogueRows();
    int method = 0;
    Selection s = tickedSelection(rows, parsed.positional, method);
    ComparisonList list;
    pcomparegrilles(s, method, row(rows, method).nbgrilles, drawArgument(parsed),
                    pgloretlibmessage(complementaryMessage, parsed.language), list);
    BlockWriter writer(out);
    writeLines(list, writer);
    writeCounters(list, parsed.language, writer);
    writer.flush();
    return exitSuccess;
}

int compareFile(const std::vector<std::string> &args, std::ostream &out, std::ostream &err)
{
    FileArguments parsed =
        splitFileArguments(args, {"--draw", "--sep", "--skip", "--replace", "--lang"});
    parsed.source.fileName = fileArgument(parsed);
    const Draw &draw = drawArgument(parsed);
    ComparisonList list;
    const GridFileOutcome outcome =
        pcomparefichier(parsed.source, pconstruitremplacement(parsed.replacements), draw,
                        pgloretlibmessage(complementaryMessage, parsed.language), list);
    BlockWriter writer(out);
    writeLines(list, writer);
    // After a failure the counters stand for part of the file only, so they are not written.
    if (outcome.ok)
        writeCounters(list, parsed.language, writer);
    writer.flush();
    if (!outcome.ok) {
        err << "mirazol-cli: " << outcome.message << '\n';
        return exitFileUnreadable;
    }
    return exitSuccess;
}

// The print routines' message boxes on the command line: every question is answered OK, as
// when the next bulletin is always in the printer; failure boxes are kept for the exit status.
class AnsweringBoxes : public MessageBoxes {
public:
    std::vector<std::string> failures;

    BoxAnswer show(const std::string &title, const std::string &, BoxButtons buttons,
                   BoxIcon) override
    {
        if (buttons == BoxButtons::Ok)
            failures.push_back(title);
        return buttons == BoxButtons::YesNo ? BoxAnswer::Yes : BoxAnswer::Ok;
    }
    void beep() override {}
};

// The export's save dialog on the command line: it names a fresh temporary file, removed with
// the object.
class TemporaryExport : public FileDialogs {
public:
    TemporaryExport()
    {
        std::random_device device;
        m_path = std::filesystem::temp_directory_path() /
                 ("mirazol-export-" + std::to_string(device()) + ".txt");
    }
    TemporaryExport(const TemporaryExport &) = delete;
    TemporaryExport &operator=(const TemporaryExport &) = delete;
    ~TemporaryExport() override
    {
        std::error_code ignored;
        std::filesystem::remove(m_path, ignored);
    }

    std::optional<std::string> openFile(const FileDialogOptions &) override { return {}; }
    std::optional<std::string> saveFile(const FileDialogOptions &) override
    {
        return m_path.string();
    }
    const std::filesystem::path &path() const { return m_path; }

private:
    std::filesystem::path m_path;
};

// One trace line of a printer operation; nothing for the end of the job.
std::string traceLine(const RecordingPrinter::Record &r)
{
    using Op = RecordingPrinter::Op;
    const auto point = [](int x, int y) { return std::to_string(x) + ',' + std::to_string(y); };
    switch (r.op) {
    case Op::BeginDoc:
    case Op::NewPage:
        return "page " + std::to_string(r.page);
    case Op::Font:
        return "font " + r.text + ' ' + std::to_string(r.value) + (r.bold ? " bold" : "");
    case Op::Text:
        return "text \"" + r.text + "\" at " + point(r.x, r.y);
    case Op::PenWidth:
        return "pen " + std::to_string(r.value);
    case Op::Line:
        return "line " + point(r.x, r.y) + " to " + point(r.x2, r.y2);
    case Op::EndDoc:
        break;
    }
    return {};
}

// The printer that a print command's options chose: a PDF file, or a recording of the
// operations with the given resolution and printable-area offset; `trace` is set to the
// recording.
std::unique_ptr<Printer> chosenPrinter(const PrintArguments &print,
                                       const PdfPrinterFactory &pdfPrinters,
                                       RecordingPrinter *&trace)
{
    if (print.pdf.has_value() == print.trace)
        throw BadArguments("give either --pdf FILE or --trace");
    if (print.pdf && (print.dpi || print.offset))
        throw BadArguments("--dpi and --offset go with --trace");
    if (print.pdf) {
        if (!pdfPrinters)
            throw BadArguments("--pdf needs the print support: use mirazol-print");
        return pdfPrinters(*print.pdf);
    }
    auto recording = std::make_unique<RecordingPrinter>();
    const NumberPair dpi = print.dpi.value_or(NumberPair{600, 600});
    const NumberPair offset = print.offset.value_or(NumberPair{0, 0});
    recording->resolutionX = dpi.first;
    recording->resolutionY = dpi.second;
    recording->printableOffsetX = offset.first;
    recording->printableOffsetY = offset.second;
    trace = recording.get();
    return recording;
}

TParamRecord shiftedSettings(const PrintArguments &print)
{
    TParamRecord params;
    params.offsetHorizontal = print.shift.first;
    params.offsetVertical = print.shift.second;
    return params;
}

// What one print command prints with: the printer that its options chose, the settings with
// its shifts, the French messages, and boxes that answer on their own.
class PrintSession {
public:
    PrintSession(const PrintArguments &print, const PdfPrinterFactory &pdfPrinters)
        : m_printer(chosenPrinter(print, pdfPrinters, m_trace)), m_params(shiftedSettings(print))
    {
        pinittypebulletin(m_types);
    }
    PrintSession(const PrintSession &) = delete;
    PrintSession &operator=(const PrintSession &) = delete;

    PrintContext &context() { return m_context; }
    BulletinTypeTable &types() { return m_types; }

    // Writes the trace, if asked for; returns the exit status, reporting a failure box.
    int finish(std::ostream &out, std::ostream &err) const
    {
        if (m_trace) {
            BlockWriter writer(out);
            for (const RecordingPrinter::Record &r : m_trace->records) {
                const std::string line = traceLine(r);
                if (line.empty())
                    continue;
                writer.text() += line;
                writer.endLine();
            }
            writer.flush();
        }
        return failed(err) ? exitPrintFailed : exitSuccess;
    }

    // True when a routine reported a failure, which goes to `err`.
    bool failed(std::ostream &err) const
    {
        for (const std::string &failure : m_boxes.failures)
            err << "mirazol-cli: " << failure << '\n';
        return !m_boxes.failures.empty();
    }

private:
    RecordingPrinter *m_trace = nullptr;
    std::unique_ptr<Printer> m_printer;
    AnsweringBoxes m_boxes;
    TParamRecord m_params;
    BulletinTypeTable m_types{};
    PrintContext m_context{*m_printer, m_boxes, m_params,
                           [](int n) { return pgloretlibmessage(n, frenchLanguage); }};
};

PrintMode printMode(const PrintArguments &print)
{
    return print.oneByOne ? PrintMode::OneByOne : PrintMode::AllAtOnce;
}

void requireType(const PrintArguments &print)
{
    if (print.type == 0)
        throw BadArguments("missing --type");
}

// The external file of a file command, with its replacement map.
ExternalGridFile externalFile(const FileArguments &parsed)
{
    ExternalGridFile file;
    static_cast<GridFileSource &>(file) = parsed.source;
    file.fileName = fileArgument(parsed);
    file.replacement = pconstruitremplacement(parsed.replacements);
    return file;
}

int printGrids(const std::vector<std::string> &args, std::ostream &out, std::ostream &err,
               const PdfPrinterFactory &pdfPrinters)
{
    const FileArguments parsed = splitFileArguments(
        args, {"--type", "--first", "--last", "--numbered", "--per-slip", "--shift", "--one-by-one",
               "--pdf", "--trace", "--dpi", "--offset"});
    const PrintArguments &print = parsed.print;
    requireType(print);
    const MethodTable rows = catalogueRows();
    int method = 0;
    Selection s = tickedSelection(rows, parsed.positional, method);
    const int count = row(rows, method).nbgrilles;
    const BulletinPrintRequest request{print.type, printMode(print), print.first.value_or(1),
                                       print.last.value_or(count), print.numbered};
    if (request.first < 1 || request.last > count || request.first > request.last)
        throw BadArguments("grids " + std::to_string(request.first) + ".." +
                           std::to_string(request.last) + " are not within 1.." +
                           std::to_string(count));
    PrintSession session(print, pdfPrinters);
    pimprimebulletin(session.context(), session.types(), s, method, count, request, print.perSlip);
    return session.finish(out, err);
}

int printFile(const std::vector<std::string> &args, std::ostream &out, std::ostream &err,
              const PdfPrinterFactory &pdfPrinters)
{
    const FileArguments parsed =
        splitFileArguments(args, {"--type", "--sep", "--skip", "--replace", "--first", "--last",
                                  "--numbered", "--pdf", "--trace", "--dpi", "--offset"});
    const PrintArguments &print = parsed.print;
    requireType(print);
    const ExternalGridFile file = externalFile(parsed);
    const BulletinPrintRequest request{print.type, PrintMode::AllAtOnce, print.first.value_or(1),
                                       print.last.value_or(lastFileLineDefault), print.numbered};
    PrintSession session(print, pdfPrinters);
    Pimprimebulletinfichier(session.context(), session.types(), file, request);
    return session.finish(out, err);
}

int printList(const std::vector<std::string> &args, std::ostream &out, std::ostream &err,
              const PdfPrinterFactory &pdfPrinters)
{
    const FileArguments parsed =
        splitFileArguments(args, {"--pdf", "--trace", "--dpi", "--offset"});
    const MethodTable rows = catalogueRows();
    int method = 0;
    Selection s = tickedSelection(rows, parsed.positional, method);
    PrintSession session(parsed.print, pdfPrinters);
    TemporaryExport unused;
    pimprimelistebulletin(session.context(), unused, s, method, row(rows, method).nbgrilles,
                          ListMode::Print);
    return session.finish(out, err);
}

int exportFile(const std::vector<std::string> &args, std::ostream &out, std::ostream &err)
{
    const FileArguments parsed = splitFileArguments(args, {"--sep", "--skip", "--replace"});
    const ExternalGridFile file = externalFile(parsed);
    PrintArguments noPrinter;
    noPrinter.trace = true;
    PrintSession session(noPrinter, {});
    TemporaryExport target;
    Pimprimelistebulletinfichier(session.context(), target, file, ListMode::Export);
    if (session.failed(err))
        return exitFileUnreadable;
    std::ifstream exported(target.path(), std::ios::binary);
    out << exported.rdbuf();
    return exitSuccess;
}

// Runs a command whose bad arguments are reported with its usage line.
template <typename Command> int withUsage(std::string_view usage, Command command)
{
    try {
        return command();
    } catch (const BadArguments &e) {
        throw BadArguments(e.what(), usage);
    }
}

}  // namespace

int runCli(const std::vector<std::string> &args, std::ostream &out, std::ostream &err,
           const PdfPrinterFactory &pdfPrinters)
{
    try {
        if (args.empty())
            throw BadArguments("usage: mirazol-cli "
                               "methods|list|export|verify|table|fields|compare|compare-file|print|"
                               "print-file|print-list|export-file ...");
        const std::string &command = args.front();
        const std::vector<std::string> rest(args.begin() + 1, args.end());
        if (command == "methods")
            return listMethods(rest, out);
        if (command == "list")
            return listGrids(rest, out);
        if (command == "export")
            return exportGrids(rest, out);
        if (command == "verify")
            return verifyMethods(rest, out);
        if (command == "table")
            return printTable(rest, out);
        if (command == "fields")
            return withUsage(fieldsUsage, [&] { return listFields(rest, out, err); });
        if (command == "compare")
            return withUsage(compareUsage, [&] { return compareGrids(rest, out); });
        if (command == "compare-file")
            return withUsage(compareFileUsage, [&] { return compareFile(rest, out, err); });
        if (command == "print")
            return withUsage(printUsage, [&] { return printGrids(rest, out, err, pdfPrinters); });
        if (command == "print-file")
            return withUsage(printFileUsage,
                             [&] { return printFile(rest, out, err, pdfPrinters); });
        if (command == "print-list")
            return withUsage(printListUsage,
                             [&] { return printList(rest, out, err, pdfPrinters); });
        if (command == "export-file")
            return withUsage(exportFileUsage, [&] { return exportFile(rest, out, err); });
        throw BadArguments("unknown command " + command);
    } catch (const BadArguments &e) {
        err << "mirazol-cli: " << e.what() << '\n';
        if (!e.usage().empty())
            err << e.usage() << '\n';
        return exitBadArguments;
    }
}

std::string verifyLine(int method, const Tmethode &row, const GuaranteeResult &result)
{
    std::string line = std::to_string(method) + ' ' + std::to_string(row.garantie) + '/' +
                       std::to_string(row.condition) + '/' + std::to_string(row.nbnumeros) + '/' +
                       std::to_string(row.nbgrilles);
    if (result.holds())
        return line + " ok";
    return line + " FAIL " + std::to_string(result.failing) + " of " + std::to_string(result.draws);
}
