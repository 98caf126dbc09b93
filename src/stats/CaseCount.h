// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <cstdint>

namespace kestive {

// Every per-case table has one entry per case; the case index runs 0..56.
inline constexpr int kCaseCount = 57;
// bestTime of a case that has no record yet.
inline constexpr std::int32_t kNoRecord = 10000;
// timeCount is a 16-bit count: one case holds at most this many times.
inline constexpr int kMaxTimesPerCase = 32767;

inline constexpr bool isCaseIndex(int pll) {
    return pll >= 0 && pll < kCaseCount;
}

}  // namespace kestive
