// Time of printing the 12,376 grids of the full system of 17 numbers to PDF: as a list beside
// the export of the same list to a text file, and onto bulletins in pages per second.

#include "bench/runbenchmarks.h"
#include "bulletins/bulletinprint.h"
#include "bulletins/bulletintypes.h"
#include "bulletins/listprint.h"
#include "engine/methodcatalogue.h"
#include "engine/selection.h"
#include "i18n/messagecatalogue.h"
#include "platform/fakes/fakeplatform.h"
#include "platform/qt/fontsubstitutions.h"
#include "platform/qt/qtplatform.h"
#include "storage/paramrecord.h"

#include <QGuiApplication>

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <string>

namespace {

constexpr int fullSystem17 = 105;
constexpr int france = 23;  // 10 grids per bulletin

// The numbers 1..17 ticked for method 105, and what the print routines print with.
struct FullSystem {
    Selection selection;
    int nbgrilles = catalogueRows()[fullSystem17].nbgrilles;
    FakeMessageBoxes boxes;
    TParamRecord params;
    std::filesystem::path folder = std::filesystem::temp_directory_path();

    FullSystem()
    {
        for (int n = 1; n <= 17; ++n)
            basculecoche(selection, n);
        pconstruitnumsel(selection);
    }

    PrintContext context(Printer &printer)
    {
        return {printer, boxes, params, [](int n) { return pgloretlibmessage(n, 1); }};
    }

    std::string file(const char *name) const { return (folder / name).string(); }
};

void listToPdf(benchmark::State &bench)
{
    FullSystem system;
    FakeFileDialogs unused;
    for (auto _ : bench) {
        QtPrinter printer(system.file("mirazol-bench-list.pdf"));
        PrintContext ctx = system.context(printer);
        pimprimelistebulletin(ctx, unused, system.selection, fullSystem17, system.nbgrilles,
                              ListMode::Print);
    }
    bench.counters["grids"] = system.nbgrilles;
    std::filesystem::remove(system.file("mirazol-bench-list.pdf"));
}

void listToText(benchmark::State &bench)
{
    FullSystem system;
    RecordingPrinter unused;
    FakeFileDialogs target;
    for (auto _ : bench) {
        target.answers.push_back(system.file("mirazol-bench-list.txt"));
        PrintContext ctx = system.context(unused);
        pimprimelistebulletin(ctx, target, system.selection, fullSystem17, system.nbgrilles,
                              ListMode::Export);
    }
    bench.counters["grids"] = system.nbgrilles;
    std::filesystem::remove(system.file("mirazol-bench-list.txt"));
}

void bulletinsToPdf(benchmark::State &bench)
{
    FullSystem system;
    BulletinTypeTable types{};
    const BulletinPrintRequest request{france, PrintMode::AllAtOnce, 1, system.nbgrilles, true};
    double pages = 0;
    for (auto _ : bench) {
        QtPrinter printer(system.file("mirazol-bench-bulletins.pdf"));
        PrintContext ctx = system.context(printer);
        pimprimebulletin(ctx, types, system.selection, fullSystem17, system.nbgrilles, request, 0);
        pages += (system.nbgrilles + 9) / 10;
    }
    bench.counters["pages"] = benchmark::Counter(pages, benchmark::Counter::kIsRate);
    std::filesystem::remove(system.file("mirazol-bench-bulletins.pdf"));
}

}  // namespace

int main(int argc, char **argv)
{
    if (!std::getenv("QT_QPA_PLATFORM"))
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QGuiApplication app(argc, argv);
    installFontSubstitutions();
    benchmark::RegisterBenchmark("PrintList/fullSystem17/pdf", listToPdf)
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("PrintList/fullSystem17/export", listToText)
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("PrintBulletins/fullSystem17/pdf", bulletinsToPdf)
        ->Unit(benchmark::kMillisecond);
    return runRegisteredBenchmarks(argc, argv);
}
