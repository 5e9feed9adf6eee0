// Time of filling the list window with the 12,376 grids of the full system of 17 numbers.

#include "bench/runbenchmarks.h"
#include "engine/methodcatalogue.h"
#include "engine/selection.h"
#include "state/appstate.h"
#include "windows/listwindow.h"

#include <QApplication>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdlib>

namespace {

constexpr int fullSystem17 = 105;

// Method 105 selected and the numbers 1..17 ticked, as the main window leaves them.
void selectFullSystem(AppState &state)
{
    state.tabmethode = catalogueRows();
    state.params.language = 1;
    state.methodList = methodListItems(state.tabmethode, state.labelWords());
    const auto found =
        std::find_if(state.methodList.begin(), state.methodList.end(),
                     [](const MethodListItem &item) { return item.method == fullSystem17; });
    state.methodListIndex = static_cast<int>(found - state.methodList.begin());
    for (int n = 1; n <= 17; ++n)
        basculecoche(state.selection, n);
    pconstruitnumsel(state.selection);
}

void fillList(benchmark::State &bench)
{
    AppState state;
    selectFullSystem(state);
    TForm5 list(state, nullptr);
    for (auto _ : bench)
        list.premplilistebulletin();
    bench.counters["lines"] = state.selection.nbgrillescourant;
}

void showList(benchmark::State &bench)
{
    AppState state;
    selectFullSystem(state);
    TForm5 list(state, nullptr);
    for (auto _ : bench) {
        list.show();
        QApplication::processEvents();
        list.close();
    }
}

}  // namespace

int main(int argc, char **argv)
{
    if (!std::getenv("QT_QPA_PLATFORM"))
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QApplication app(argc, argv);
    benchmark::RegisterBenchmark("FillListWindow/fullSystem17", fillList)
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("ShowListWindow/fullSystem17", showList)
        ->Unit(benchmark::kMillisecond);
    return runRegisteredBenchmarks(argc, argv);
}
