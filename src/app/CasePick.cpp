// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/CasePick.h"

#include <chrono>
#include <cmath>

namespace kestive {

namespace {
// splitmix64: a small, well-mixed 64-bit generator.
std::uint64_t splitmix64(std::uint64_t& state) {
    std::uint64_t z = (state += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}
}  // namespace

ClockSeededRandom::ClockSeededRandom()
    : state_(static_cast<std::uint64_t>(std::chrono::system_clock::now().time_since_epoch().count()) ^
             (static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count()) << 1)) {
}

float ClockSeededRandom::next() {
    // The top 24 bits give every multiple of 2^-24 in [0, 1) exactly in a float; the largest is 1 - 2^-24.
    return static_cast<float>(splitmix64(state_) >> 40) * 0x1.0p-24f;
}

std::optional<std::int16_t> pickCase(const std::array<bool, kCaseCount>& caseEnabled, RandomSource& random) {
    bool any = false;
    for (const bool enabled : caseEnabled) any |= enabled;
    if (!any) return std::nullopt;
    for (;;) {
        const double r = random.next();
        // In double so that no float rounding can lift the largest draw below 1 to 57; a source that
        // breaks its contract is kept inside the table all the same.
        const double scaled = std::floor(r * kCaseCount);
        int candidate = 0;
        if (scaled >= kCaseCount) {
            candidate = kCaseCount - 1;
        } else if (scaled > 0) {
            candidate = static_cast<int>(scaled);
        }
        if (caseEnabled[static_cast<std::size_t>(candidate)]) return static_cast<std::int16_t>(candidate);
    }
}

}  // namespace kestive
