// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <array>
#include <cstdint>
#include <optional>

#include "stats/CaseCount.h"

namespace kestive {

// Single-precision numbers r with 0 <= r < 1.
class RandomSource {
public:
    virtual ~RandomSource() = default;
    virtual float next() = 0;
};

// The production source: seeded once from the clock; never returns 1.0.
class ClockSeededRandom final : public RandomSource {
public:
    ClockSeededRandom();
    float next() override;

private:
    std::uint64_t state_;
};

// One enabled case, each equally likely: draw r, candidate floor(r * 57), retry while it is disabled.
// Nothing when no case is enabled (the loop could never end).
std::optional<std::int16_t> pickCase(const std::array<bool, kCaseCount>& caseEnabled, RandomSource& random);

}  // namespace kestive
