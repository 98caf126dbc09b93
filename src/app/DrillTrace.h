// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <cstdint>

namespace kestive {

// Optional record of what the drill measured, for checking the clock from outside the program.
class DrillTrace {
public:
    virtual ~DrillTrace() = default;
    // The case is on the screen and the clock starts at tick.
    virtual void revealed(std::int16_t caseIndex, std::int32_t tick) = 0;
    virtual void stopped(std::int16_t caseIndex, std::int32_t ms) = 0;
    virtual void kept(std::int16_t caseIndex, std::int32_t ms) = 0;
};

}  // namespace kestive
