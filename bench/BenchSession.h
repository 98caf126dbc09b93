// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The largest session the format allows: 57 cases with 32767 times each (about 9 MB), written once
// into the temporary folder and shared by the benchmarks of one program.
#include <cstdio>
#include <filesystem>
#include <random>
#include <string>

#include "session/SessionFile.h"

namespace bench {

inline kestive::TimeStore fullStore() {
    std::mt19937 gen(2026);
    std::uniform_int_distribution<std::int32_t> dist(300, 99999);
    kestive::TimeStore store;
    for (int i = 0; i < kestive::kCaseCount; ++i) {
        for (int k = 0; k < kestive::kMaxTimesPerCase; ++k) store.addTime(i, dist(gen));
    }
    return store;
}

inline const std::filesystem::path& fullSessionFile() {
    static const std::filesystem::path file = [] {
        const auto path = std::filesystem::temp_directory_path() / "kestive-bench-full.pll";
        if (const auto saved = kestive::saveSession(path, fullStore(), "12/6/2026 9:00:00 PM"); !saved) {
            std::fprintf(stderr, "%s\n", saved.error().message().c_str());
            std::abort();
        }
        return path;
    }();
    return file;
}

}  // namespace bench
