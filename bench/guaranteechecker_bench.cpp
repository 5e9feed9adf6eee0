// Time of proving each offered table with the exhaustive guarantee checker.

#include "bench/runbenchmarks.h"
#include "engine/gridtables.h"
#include "engine/guaranteechecker.h"
#include "engine/methodcatalogue.h"

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

namespace {

void proveTable(benchmark::State &state, int method, const Tmethode &row)
{
    const std::vector<Grid> grids = gridTable(method);
    for (auto _ : state) {
        const GuaranteeResult r = checkGuarantee(row.nbnumeros, row.garantie, row.condition, grids);
        benchmark::DoNotOptimize(r.failing);
    }
    state.counters["grids"] = static_cast<double>(grids.size());
    state.counters["draws"] = static_cast<double>(
        checkGuarantee(row.nbnumeros, row.garantie, row.condition, grids).draws);
}

void proveAllTables(benchmark::State &state, const MethodTable &rows)
{
    for (auto _ : state) {
        for (int m = 1; m <= methodCount; ++m) {
            if (!hasGridTable(m))
                continue;
            const Tmethode &row = rows[static_cast<std::size_t>(m)];
            benchmark::DoNotOptimize(
                checkGuarantee(row.nbnumeros, row.garantie, row.condition, gridTable(m)).failing);
        }
    }
}

}  // namespace

int main(int argc, char **argv)
{
    const MethodTable rows = catalogueRows();
    for (int m = 1; m <= methodCount; ++m) {
        if (!hasGridTable(m))
            continue;
        const Tmethode &row = rows[static_cast<std::size_t>(m)];
        benchmark::RegisterBenchmark(("ProveTable/method" + std::to_string(m)).c_str(), proveTable,
                                     m, row)
            ->Unit(benchmark::kMillisecond);
    }
    benchmark::RegisterBenchmark("ProveAllTables", proveAllTables, rows)
        ->Unit(benchmark::kMillisecond);
    return runRegisteredBenchmarks(argc, argv);
}
