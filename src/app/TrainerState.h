// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <array>
#include <cstdint>

#include "stats/CaseCount.h"
#include "stats/TimeStore.h"

namespace kestive {

// drillState values: the cycle runs idle -> counting down -> timing -> idle.
enum : std::int16_t { kIdle = 0, kTiming = 1, kCountingDown = 3 };

// Everything the main window owns for the life of the process. The time store holds times,
// timeCount, bestTime, maxAverage and timesCapacity.
struct TrainerState {
    std::int32_t startTick = 0;  // tick at the reveal
    std::int16_t drillState = kIdle;
    std::int16_t currentCase = 0;  // case revealed last
    std::int32_t lastTime = 0;     // ms of the last stopped attempt
    TimeStore store;
    std::array<bool, kCaseCount> caseEnabled = allEnabled();

    static constexpr std::array<bool, kCaseCount> allEnabled() {
        std::array<bool, kCaseCount> a{};
        a.fill(true);
        return a;
    }
};

}  // namespace kestive
