// SPDX-License-Identifier: GPL-3.0-or-later
// Accept with kept times on disk, on a store at the format's limit: the store keeps the time and the
// journal appends it and flushes it to disk. Against it, the snapshot a load writes once. Both run in
// the current folder (the working folder of a real run), so the flush meets the real disk.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <unistd.h>

#include "BenchSession.h"
#include "session/UnsavedTimes.h"

namespace {

constexpr int kKeepsPerRun = 500;

// Every case 10 times short of 32767: room for the measured keeps, 57 x 32757 times in all.
kestive::TimeStore nearlyFullStore() {
    const kestive::TimeStore full = bench::fullStore();
    kestive::TimeStore store;
    for (int i = 0; i < kestive::kCaseCount; ++i) {
        const auto times = full.timesOf(i);
        for (std::size_t k = 0; k + 10 < times.size(); ++k) store.addTime(i, times[k]);
    }
    return store;
}

std::string journalName() {
    return kestive::UnsavedTimes::journalNameFor(::getpid(), 1);
}

// state.range(0): 1 for the store at the limit, 0 for an empty one (the cost must not differ).
void BM_Accept(benchmark::State& state) {
    kestive::TimeStore store = state.range(0) ? nearlyFullStore() : kestive::TimeStore{};
    kestive::FileJournalDisk disk;
    kestive::UnsavedTimes unsaved(disk, journalName(), ".", [](std::time_t) { return std::string("now"); });
    if (!unsaved.loaded(store)) state.SkipWithError("the snapshot was not written");
    int n = 0;
    for (auto _ : state) {
        const int pll = n++ % kestive::kCaseCount;
        const kestive::KeepResult added = store.addTime(pll, 1234);
        const kestive::UnsavedTimes::WriteResult written = unsaved.kept(store, pll, 1234);
        if (!added || !written) state.SkipWithError("the keep failed");
    }
    unsaved.closing(store);
    disk.removeJournal();
}

// The least any keep that is on disk before Accept returns can cost: 10 bytes written and flushed,
// over blank room made in advance (state.range(0) 0), or growing the file each time (1), which makes
// the flush write file-system metadata too.
void BM_WriteAndFlushAlone(benchmark::State& state) {
    const bool grow = state.range(0) != 0;
    const std::string name = journalName() + ".floor";
    const int fd = ::open(name.c_str(), O_RDWR | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    const std::string room(64 * 1024, '\n');
    if (fd < 0 || ::write(fd, room.data(), room.size()) != static_cast<ssize_t>(room.size()) ||
        ::fsync(fd) != 0)
        state.SkipWithError("no file");
    off_t at = 0;
    for (auto _ : state) {
        if (::pwrite(fd, "27:1234,\r\n", 10, grow ? at + 64 * 1024 : at) != 10 || ::fdatasync(fd) != 0)
            state.SkipWithError("write");
        at += 10;
    }
    ::close(fd);
    ::unlink(name.c_str());
}

void BM_SnapshotAtLoadOfFullStore(benchmark::State& state) {
    const kestive::TimeStore store = bench::fullStore();
    kestive::FileJournalDisk disk;
    kestive::UnsavedTimes unsaved(disk, journalName(), ".", [](std::time_t) { return std::string("now"); });
    for (auto _ : state) {
        if (!unsaved.loaded(store)) state.SkipWithError("the snapshot was not written");
    }
    unsaved.closing(store);
}

}  // namespace

BENCHMARK(BM_Accept)
    ->Arg(1)
    ->Arg(0)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(kKeepsPerRun)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);
BENCHMARK(BM_WriteAndFlushAlone)
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(kKeepsPerRun)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);
BENCHMARK(BM_SnapshotAtLoadOfFullStore)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(5)
    ->Repetitions(3)
    ->ReportAggregatesOnly(true);
BENCHMARK_MAIN();
