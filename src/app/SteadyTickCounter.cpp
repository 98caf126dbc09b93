// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/SteadyTickCounter.h"

#include <chrono>

namespace kestive {

std::int32_t SteadyTickCounter::now() {
    const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(
                        std::chrono::steady_clock::now().time_since_epoch())
                        .count();
    // Keep the low 32 bits: the counter wraps like a 32-bit tick count.
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(static_cast<std::uint64_t>(ms)));
}

}  // namespace kestive
