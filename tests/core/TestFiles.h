// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Files for the core tests: a fresh folder removed with its content, whole-file reads and writes.
#ifndef _WIN32
#include <sys/resource.h>

#include <csignal>
#endif
#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "stats/TimeStore.h"

namespace fs = std::filesystem;

struct TempDir {
    fs::path path;
    TempDir() {
        std::random_device random;
        do {
            path = fs::temp_directory_path() / ("kestive-test-" + std::to_string(random()));
        } while (!fs::create_directory(path));  // throws when the folder cannot be made at all
    }
    ~TempDir() { fs::remove_all(path); }
    fs::path operator/(const std::string& name) const { return path / name; }
};

inline void writeFile(const fs::path& file, const std::string& bytes) {
    std::ofstream(file, std::ios::binary) << bytes;
}

inline kestive::TimeStore storeOf(const std::vector<std::pair<int, std::int32_t>>& times) {
    kestive::TimeStore store;  // times as {case, time}, kept in this order
    for (const auto& [pll, time] : times) store.addTime(pll, time);
    return store;
}

inline std::string readFile(const fs::path& file) {
    return (std::ostringstream() << std::ifstream(file, std::ios::binary).rdbuf()).str();
}

inline std::vector<std::string> namesIn(const fs::path& folder) {  // sorted
    std::vector<std::string> names;
    for (const auto& e : fs::directory_iterator(folder)) names.push_back(e.path().filename().string());
    std::ranges::sort(names);
    return names;
}

#ifndef _WIN32  // Windows has no such limit
// While it lives, no file of this process grows beyond bytes: writes fail half-way as on a full disk,
// even for root.
struct FileSizeLimit {
    rlimit old{};
    void (*oldHandler)(int) = nullptr;
    explicit FileSizeLimit(rlim_t bytes) {
        ::getrlimit(RLIMIT_FSIZE, &old);
        oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        const rlimit small{bytes, old.rlim_max};
        if (::setrlimit(RLIMIT_FSIZE, &small) != 0) std::abort();
    }
    ~FileSizeLimit() {
        ::setrlimit(RLIMIT_FSIZE, &old);
        std::signal(SIGXFSZ, oldHandler);
    }
};
#endif
