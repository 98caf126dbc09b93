// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "app/TickCounter.h"

namespace kestive {

// The system's monotonic clock (never the wall clock), in milliseconds.
class SteadyTickCounter final : public TickCounter {
public:
    std::int32_t now() override;
};

}  // namespace kestive
