// SPDX-License-Identifier: GPL-3.0-or-later
// The case panel redrawn in the real main window (offscreen) on a full store: 32767 times for each case.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QTemporaryDir>
#include <cstdint>

#include "app/CasePick.h"
#include "ui/Form1.h"

namespace {

void BM_DrawTimeOnAFullStore(benchmark::State& state) {
    QTemporaryDir folder;  // no pictures: the panel must not depend on them
    QDir::setCurrent(folder.path());
    kestive::ClockSeededRandom random;
    kestive::ui::Form1 form{random, kestive::workPlaceIn(folder.path().toStdString())};
    form.load();
    kestive::TimeStore store;
    std::uint32_t x = 12345;
    for (int pll = 0; pll < kestive::kCaseCount; ++pll) {
        for (int k = 0; k < kestive::kMaxTimesPerCase; ++k) {
            x = x * 1664525u + 1013904223u;
            store.addTime(pll, static_cast<std::int32_t>(300 + (x >> 20) % (200 + 40 * pll)));
        }
    }
    const std::filesystem::path file = folder.filePath("full.pll").toStdString();
    if (!kestive::saveSession(file, store, "now") || !form.trainer().loadfile(file)) {
        state.SkipWithError("the full store did not load");
    }
    for (auto _ : state) form.trainer().drawTime(0);
}
BENCHMARK(BM_DrawTimeOnAFullStore)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
