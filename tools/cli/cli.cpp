#include "cli.h"

#include "bulletins/gridlines.h"
#include "engine/gridtables.h"
#include "engine/guaranteechecker.h"
#include "engine/methodcatalogue.h"
#include "engine/selection.h"
#include "i18n/messagecatalogue.h"

#include <charconv>
#include <stdexcept>
#include <string_view>

namespace {

constexpr int exitSuccess = 0;
constexpr int exitGuaranteeFails = 1;
constexpr int exitBadArguments = 2;

constexpr int frenchLanguage = 1;
constexpr int listLabelMessage = 146;

// Bad command-line arguments; runCli turns it into the one-line message and status 2.
class BadArguments : public std::runtime_error {
    using std::runtime_error::runtime_error;
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
        if (i + 1 == args.size())
            throw BadArguments("--lang needs a language number 1.." +
                               std::to_string(languageCount));
        parsed.language = parseInteger(args[++i], "language");
        if (parsed.language < 1 || parsed.language > languageCount)
            throw BadArguments("language " + args[i] + " is outside 1.." +
                               std::to_string(languageCount));
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

}  // namespace

int runCli(const std::vector<std::string> &args, std::ostream &out, std::ostream &err)
{
    try {
        if (args.empty())
            throw BadArguments("usage: mirazol-cli methods|list|export|verify|table ...");
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
        throw BadArguments("unknown command " + command);
    } catch (const BadArguments &e) {
        err << "mirazol-cli: " << e.what() << '\n';
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
