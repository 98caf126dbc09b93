// SPDX-License-Identifier: GPL-3.0-or-later
// Loading the largest session into the store, against merely reading the file and parsing its integers.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <vector>

#include "BenchSession.h"

namespace {

std::string readWhole(const std::filesystem::path& file) {
    std::string content;
    content.resize(std::filesystem::file_size(file));
    std::FILE* f = std::fopen(file.c_str(), "rb");
    const std::size_t n = std::fread(content.data(), 1, content.size(), f);
    std::fclose(f);
    content.resize(n);
    return content;
}

// The least work any loader must do: read the bytes and turn every digit run into a number.
void BM_ReadAndParseIntegers(benchmark::State& state) {
    const auto& file = bench::fullSessionFile();
    std::vector<std::int32_t> numbers;
    for (auto _ : state) {
        const std::string content = readWhole(file);
        numbers.clear();
        numbers.reserve(57 * 32768);
        std::int32_t value = 0;
        bool inNumber = false;
        for (const char c : content) {
            if (c >= '0' && c <= '9') {
                value = value * 10 + (c - '0');
                inNumber = true;
            } else if (inNumber) {
                numbers.push_back(value);
                value = 0;
                inNumber = false;
            }
        }
        benchmark::DoNotOptimize(numbers.data());
    }
    state.counters["numbers"] = static_cast<double>(numbers.size());
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(std::filesystem::file_size(file)));
}

// readSession: read, check every line, replay every time through addTime (records, maxAverage, capacity).
void BM_LoadSession(benchmark::State& state) {
    const auto& file = bench::fullSessionFile();
    for (auto _ : state) {
        const kestive::LoadResult r = kestive::readSession(file);
        if (!r) {
            state.SkipWithError("the session did not load");
            break;
        }
        benchmark::DoNotOptimize(r->store.maxAverage());
    }
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(std::filesystem::file_size(file)));
}

}  // namespace

BENCHMARK(BM_ReadAndParseIntegers)->Unit(benchmark::kMillisecond)->Repetitions(7)->ReportAggregatesOnly(true);
BENCHMARK(BM_LoadSession)->Unit(benchmark::kMillisecond)->Repetitions(7)->ReportAggregatesOnly(true);
BENCHMARK_MAIN();
