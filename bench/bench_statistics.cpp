// SPDX-License-Identifier: GPL-3.0-or-later
// One full statistics pass for the case panel on the largest store: 57 rounded means and deviations,
// and the report text built from them.
#include <benchmark/benchmark.h>

#include "BenchSession.h"
#include "stats/Report.h"

namespace {

const kestive::TimeStore& store() {
    static const kestive::TimeStore s = bench::fullStore();
    return s;
}

void BM_StatisticsPass(benchmark::State& state) {
    const kestive::TimeStore& s = store();
    for (auto _ : state) {
        double total = 0;
        for (int i = 0; i < kestive::kCaseCount; ++i) {
            const std::int32_t mean = s.roundedMean(i);
            total += mean + s.std(i, mean);
        }
        benchmark::DoNotOptimize(total);
    }
}

void BM_ReportText(benchmark::State& state) {
    const kestive::TimeStore& s = store();
    const kestive::NumberFormat format;
    for (auto _ : state) benchmark::DoNotOptimize(kestive::reportText(s, format));
}

}  // namespace

BENCHMARK(BM_StatisticsPass)->Unit(benchmark::kMicrosecond)->Repetitions(7)->ReportAggregatesOnly(true);
BENCHMARK(BM_ReportText)->Unit(benchmark::kMicrosecond)->Repetitions(7)->ReportAggregatesOnly(true);
BENCHMARK_MAIN();
