// Time of comparing a file of a million grids in the comparison window, against the same
// comparison straight into a list as the command line does it, and the memory that the list of a
// million lines and a full preview of the same file hold together.

#include "compare/comparison.h"
#include "compare/externalgrids.h"
#include "platform/fakes/fakeplatform.h"
#include "state/appstate.h"
#include "windows/comparisonwindow.h"

#include <QApplication>
#include <QComboBox>

#include <benchmark/benchmark.h>

#include <sys/resource.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>

namespace {

constexpr int fileLines = 1000000;

const Draw benchDraw{{0, 3, 17, 20, 28, 33, 45}, 12};
const char *const benchDrawTexts[7] = {"3", "17", "20", "28", "33", "45", "12"};

// Mean seconds per comparison of each path, for the ratio printed at the end.
double windowSeconds = 0;
double plainSeconds = 0;

// A file of a million lines of six numbers 1..49 separated by ";", written once per run.
const GridFileSource &benchFile()
{
    static const GridFileSource source = [] {
        const std::filesystem::path path =
            std::filesystem::temp_directory_path() / "mirazol-bench-comparison.txt";
        std::ofstream out(path, std::ios::binary);
        std::mt19937 generator(49);
        std::uniform_int_distribution<int> number(1, 49);
        for (int line = 0; line < fileLines; ++line) {
            for (int field = 0; field < 6; ++field)
                out << (field ? ";" : "") << number(generator);
            out << '\n';
        }
        return GridFileSource{path.string(), ";", 0};
    }();
    return source;
}

template <typename Compare> double meanSeconds(benchmark::State &bench, Compare compare)
{
    double total = 0;
    for (auto _ : bench) {
        const auto start = std::chrono::steady_clock::now();
        compare();
        total += std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    }
    return bench.iterations() ? total / static_cast<double>(bench.iterations()) : 0;
}

void windowComparesFile(benchmark::State &bench)
{
    const GridFileSource &source = benchFile();
    AppState state;
    state.params.language = 1;
    FakeMessageBoxes boxes;
    TForm8 window(state, boxes, nullptr);
    window.show();
    QApplication::processEvents();
    for (int n = 1; n <= 7; ++n) {
        auto *box = window.findChild<QComboBox *>(QString("ComboBox%1").arg(n));
        box->setEditText(benchDrawTexts[n - 1]);
    }
    windowSeconds = meanSeconds(bench, [&] {
        window.pcomparefichier(source.fileName, source.separator, source.skipLines,
                               identityReplacement());
    });
    window.close();
    bench.counters["lines"] = fileLines;
}

void plainComparesFile(benchmark::State &bench)
{
    const GridFileSource &source = benchFile();
    ComparisonList list;
    plainSeconds = meanSeconds(bench, [&] {
        pcomparefichier(source, identityReplacement(), benchDraw, "Complémentaire", list);
    });
    bench.counters["lines"] = static_cast<double>(list.size());
}

// Peak resident memory once the list of the whole file and its full preview are both held.
void listAndPreviewMemory(benchmark::State &bench)
{
    const GridFileSource &source = benchFile();
    for (auto _ : bench) {
        ComparisonList list;
        pcomparefichier(source, identityReplacement(), benchDraw, "Complémentaire", list);
        GridPreview preview;
        pchargegrille(preview, source, 0, identityReplacement(), false);
        rusage usage{};
        getrusage(RUSAGE_SELF, &usage);
        bench.counters["peakRssMB"] = static_cast<double>(usage.ru_maxrss) / 1024.0;
        bench.counters["previewLines"] = static_cast<double>(preview.lineCount());
    }
}

}  // namespace

int main(int argc, char **argv)
{
    if (!std::getenv("QT_QPA_PLATFORM"))
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QApplication app(argc, argv);
    benchmark::RegisterBenchmark("CompareFile/window", windowComparesFile)
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("CompareFile/plain", plainComparesFile)
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("CompareFile/listAndPreviewMemory", listAndPreviewMemory)
        ->Unit(benchmark::kMillisecond)
        ->Iterations(1);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    if (windowSeconds > 0 && plainSeconds > 0)
        std::printf("window / plain comparison: %.2f\n", windowSeconds / plainSeconds);
    std::filesystem::remove(benchFile().fileName);
    return 0;
}
