// mirazol-wheelgen: builds the grid tables of the catalogue's methods 9 to 157, proves them with
// the engine's checker and writes them as the engine's generated data, with docs/wheels.md.

#include "coversearch.h"
#include "recipes.h"
#include "tablewriter.h"

#include "engine/guaranteechecker.h"
#include "engine/methodcatalogue.h"
#include "engine/wheeldata.h"

#include <algorithm>
#include <array>
#include <bit>
#include <charconv>
#include <fstream>
#include <iostream>
#include <optional>
#include <set>
#include <string>
#include <string_view>

namespace {

const std::string regenerateCommand =
    "build/tools/wheelgen/mirazol-wheelgen --methods all "
    "--data engine/generated/wheeltables.inc --docs docs/wheels.md";

void usage()
{
    std::cerr << "usage: mirazol-wheelgen --methods all|N[-M][,...] [--data FILE] [--docs FILE]\n"
                 "                        [--cache FOLDER]\n"
                 "       mirazol-wheelgen --search V G C COUNT SEED\n"
                 "Builds, proves and stores the tables of the given methods; the tables of the\n"
                 "other methods are kept as they are, or taken from the --cache folder, where\n"
                 "every table built is also saved. --search prints COUNT grids meeting\n"
                 "\"G if C among V\" found by tabu search from SEED, as C++ initialisers.\n";
}

bool parseInt(std::string_view text, int &value)
{
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return error == std::errc() && end == text.data() + text.size();
}

bool isFullSystem(int method)
{
    const MethodTable rows = catalogueRows();
    return rows[static_cast<std::size_t>(method)].garantie == 6 &&
           rows[static_cast<std::size_t>(method)].condition == 6;
}

// "all", or a comma-separated list of numbers and ranges a-b, restricted to buildable rows.
bool parseMethods(std::string_view text, std::set<int> &methods)
{
    const auto buildable = [](int m) { return m >= 9 && m <= methodCount && !isFullSystem(m); };
    if (text == "all") {
        for (int m = 9; m <= methodCount; ++m) {
            if (buildable(m))
                methods.insert(m);
        }
        return true;
    }
    while (!text.empty()) {
        const std::size_t comma = text.find(',');
        const std::string_view item = text.substr(0, comma);
        const std::size_t dash = item.find('-');
        int first = 0;
        int last = 0;
        if (!parseInt(item.substr(0, dash), first) ||
            !parseInt(dash == std::string_view::npos ? item.substr(0, dash) : item.substr(dash + 1),
                      last))
            return false;
        for (int m = first; m <= last; ++m) {
            if (!buildable(m))
                return false;
            methods.insert(m);
        }
        text = comma == std::string_view::npos ? std::string_view{} : text.substr(comma + 1);
    }
    return true;
}

// Whether the grids keep the method's guarantee within its catalogue count.
bool proven(int method, const std::vector<Grid> &grids)
{
    const MethodTable rows = catalogueRows();
    const Tmethode &row = rows[static_cast<std::size_t>(method)];
    return !grids.empty() && static_cast<int>(grids.size()) <= catalogueGridCount(method) &&
           checkGuarantee(row.nbnumeros, row.garantie, row.condition, grids).holds();
}

// The grids with every position 1..v in some grid, as the engine's tables must be: an unused
// position is moved into a grid where that loses no draw, else it gets a grid of its own when the
// catalogue count allows. Empty when neither works.
std::vector<Grid> everyPositionUsed(int method, std::vector<Grid> grids)
{
    const MethodTable rows = catalogueRows();
    const Tmethode &row = rows[static_cast<std::size_t>(method)];
    Design design = fromGrids(row.nbnumeros, grids);
    Block used = 0;
    for (const Block block : design.blocks)
        used |= block;
    if (used == ((Block{1} << row.nbnumeros) - 1))
        return grids;
    CoverSearch search({row.nbnumeros, 6, row.garantie, row.condition}, 0);
    search.load(design.blocks);
    design.blocks = search.blocks();
    if (!search.useEveryPoint()) {
        if (static_cast<int>(grids.size()) >= catalogueGridCount(method))
            return {};
        used = 0;
        for (const Block block : search.blocks())
            used |= block;
        Block extra = ((Block{1} << row.nbnumeros) - 1) & ~used;
        for (int p = 0; std::popcount(extra) < 6; ++p)
            extra |= Block{1} << p;
        if (std::popcount(extra) > 6)
            return {};
        design.blocks = search.blocks();
        design.blocks.push_back(extra);
    } else {
        design.blocks = search.blocks();
    }
    grids = toGrids(design);
    std::sort(grids.begin(), grids.end());
    return grids;
}

std::string cacheFile(const std::string &folder, int method)
{
    return folder + "/method" + std::to_string(method) + ".txt";
}

// A cached table: its construction on the first line, then one grid per line.
std::optional<StoredTable> readCached(const std::string &folder, int method)
{
    std::ifstream in(cacheFile(folder, method));
    StoredTable table;
    if (!std::getline(in, table.construction))
        return std::nullopt;
    std::array<int, 6> p{};
    while (in >> p[0] >> p[1] >> p[2] >> p[3] >> p[4] >> p[5]) {
        Grid grid{};
        for (std::size_t i = 0; i < grid.size(); ++i) {
            if (p[i] < 1 || p[i] > 64)
                return std::nullopt;
            grid[i] = static_cast<std::uint8_t>(p[i]);
        }
        table.grids.push_back(grid);
    }
    if (!in.eof() || table.grids.empty())
        return std::nullopt;
    return table;
}

bool writeCached(const std::string &folder, int method, const StoredTable &table)
{
    std::ofstream out(cacheFile(folder, method));
    out << table.construction << "\n";
    for (const Grid &grid : table.grids) {
        for (std::size_t i = 0; i < grid.size(); ++i)
            out << (i ? " " : "") << int{grid[i]};
        out << "\n";
    }
    return static_cast<bool>(out);
}

int runSearch(char **args)
{
    int v = 0, g = 0, c = 0, count = 0, seed = 0;
    if (!parseInt(args[0], v) || !parseInt(args[1], g) || !parseInt(args[2], c) ||
        !parseInt(args[3], count) || !parseInt(args[4], seed) || g < 1 || g > c || c > 6 || c > v ||
        v > 64 || count < 1) {
        usage();
        return 2;
    }
    CoverSearch search({v, 6, g, c}, static_cast<std::uint64_t>(seed));
    search.load(search.randomBlocks(static_cast<std::size_t>(count)));
    if (!search.search(10000000)) {
        std::cerr << "no table of " << count << " grids found\n";
        return 1;
    }
    std::vector<Grid> grids = toGrids({v, 6, search.blocks()});
    std::sort(grids.begin(), grids.end());
    if (!checkGuarantee(v, g, c, grids).holds()) {
        std::cerr << "the table found fails the checker\n";
        return 1;
    }
    for (const Grid &grid : grids) {
        std::cout << "    {";
        for (std::size_t i = 0; i < grid.size(); ++i)
            std::cout << (i ? ", " : "") << int{grid[i]};
        std::cout << "},\n";
    }
    return 0;
}

}  // namespace

int main(int argc, char **argv)
{
    if (argc == 7 && std::string_view(argv[1]) == "--search")
        return runSearch(argv + 2);
    std::set<int> methods;
    std::string dataPath;
    std::string docsPath;
    std::string cachePath;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (i + 1 >= argc) {
            usage();
            return 2;
        }
        if (arg == "--methods") {
            if (!parseMethods(argv[++i], methods)) {
                usage();
                return 2;
            }
        } else if (arg == "--data") {
            dataPath = argv[++i];
        } else if (arg == "--docs") {
            docsPath = argv[++i];
        } else if (arg == "--cache") {
            cachePath = argv[++i];
        } else {
            usage();
            return 2;
        }
    }

    // Tables of the methods not rebuilt stay as the engine has them.
    std::map<int, StoredTable> tables;
    for (int m = 9; m <= methodCount; ++m) {
        if (methods.count(m))
            continue;
        if (!cachePath.empty()) {
            std::optional<StoredTable> cached = readCached(cachePath, m);
            if (cached) {
                cached->grids = everyPositionUsed(m, cached->grids);
                if (proven(m, cached->grids)) {
                    tables[m] = *cached;
                    continue;
                }
            }
        }
        if (const GeneratedTable *t = generatedTable(m)) {
            StoredTable stored{{}, t->construction};
            for (int i = 1; i <= t->count; ++i)
                stored.grids.push_back(t->grid(i));
            tables[m] = stored;
        }
    }

    const MethodTable rows = catalogueRows();
    Builder builder(std::cerr);
    if (!cachePath.empty()) {
        // A row stopped before its search ends keeps the lowest count it reached.
        builder.setCheckpoint([&](int m, const Construction &c) {
            std::vector<Grid> grids = toGrids(c.design);
            std::sort(grids.begin(), grids.end());
            if (proven(m, grids))
                writeCached(cachePath, m, {grids, c.how});
        });
    }
    for (const int m : methods) {
        const Tmethode &row = rows[static_cast<std::size_t>(m)];
        std::cerr << "method " << m << ": " << int{row.garantie} << " if " << int{row.condition}
                  << " among " << int{row.nbnumeros} << ", catalogue " << catalogueGridCount(m)
                  << "\n";
        const Construction built = builder.build(m);
        std::vector<Grid> grids = toGrids(built.design);
        std::sort(grids.begin(), grids.end());
        grids = everyPositionUsed(m, grids);
        if (!proven(m, grids)) {
            std::cerr << "method " << m << ": no proven table\n";
            continue;
        }
        std::cerr << "method " << m << ": " << grids.size() << " grids, proven\n";
        tables[m] = {grids, built.how};
        if (!cachePath.empty() && !writeCached(cachePath, m, tables[m])) {
            std::cerr << "cannot write the cache folder " << cachePath << "\n";
            return 1;
        }
    }

    if (!dataPath.empty()) {
        std::ofstream data(dataPath);
        writeWheelData(data, tables, regenerateCommand);
        if (!data) {
            std::cerr << "cannot write " << dataPath << "\n";
            return 1;
        }
    }
    if (!docsPath.empty()) {
        std::ofstream docs(docsPath);
        writeWheelDocs(docs, tables, regenerateCommand);
        if (!docs) {
            std::cerr << "cannot write " << docsPath << "\n";
            return 1;
        }
    }
    return 0;
}
