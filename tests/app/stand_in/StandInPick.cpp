// Stand-in for the case pick while its real implementation is not in this tree; never part of the program.
#include <chrono>

#include "app/CasePick.h"

namespace kestive {

ClockSeededRandom::ClockSeededRandom()
    : state_(static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count()) | 1) {}

float ClockSeededRandom::next() {
    state_ = state_ * 6364136223846793005ULL + 1442695040888963407ULL;
    return static_cast<float>(state_ >> 40) / 16777216.0f;
}

std::optional<std::int16_t> pickCase(const std::array<bool, kCaseCount>& caseEnabled, RandomSource& random) {
    bool any = false;
    for (bool e : caseEnabled) any = any || e;
    if (!any) return std::nullopt;
    for (;;) {
        const auto candidate = static_cast<std::int16_t>(random.next() * kCaseCount);
        if (candidate >= 0 && candidate < kCaseCount && caseEnabled[candidate]) return candidate;
    }
}

}  // namespace kestive
