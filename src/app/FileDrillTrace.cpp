// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/FileDrillTrace.h"

#include <chrono>

namespace kestive {

// Binary: one LF per line on every system, Windows too.
FileDrillTrace::FileDrillTrace(const std::string& path) : out_(path, std::ios::app | std::ios::binary) {}

void FileDrillTrace::revealed(std::int16_t caseIndex, std::int32_t tick) {
    // The wall clock too, so that a script without the monotonic clock can compare its own readings.
    const auto us = std::chrono::duration_cast<std::chrono::microseconds>(
                        std::chrono::system_clock::now().time_since_epoch())
                        .count();
    note("revealed " + std::to_string(caseIndex) + " " + std::to_string(tick) + " " + std::to_string(us));
}

void FileDrillTrace::stopped(std::int16_t caseIndex, std::int32_t ms) {
    note("stopped " + std::to_string(caseIndex) + " " + std::to_string(ms));
}

void FileDrillTrace::kept(std::int16_t caseIndex, std::int32_t ms) {
    note("kept " + std::to_string(caseIndex) + " " + std::to_string(ms));
}

void FileDrillTrace::note(const std::string& line) {
    if (out_.is_open()) out_ << line << '\n' << std::flush;
}

}  // namespace kestive
