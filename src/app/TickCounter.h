// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <cstdint>

namespace kestive {

// Milliseconds of a monotonic clock as a 32-bit value that wraps around; only differences count.
class TickCounter {
public:
    virtual ~TickCounter() = default;
    virtual std::int32_t now() = 0;
};

// later - earlier in milliseconds, correct across the 32-bit wrap of the counter.
inline std::int32_t elapsedMs(std::int32_t earlier, std::int32_t later) {
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(later) - static_cast<std::uint32_t>(earlier));
}

// The tick at which an input event happened, from the milliseconds the window system stamped it with.
// X11 and Wayland stamp events with the same monotonic clock as the counter; a stamp more than a second
// away from now comes from some other clock (or none), and then the event counts as happening now.
inline std::int32_t tickOfStamp(std::uint64_t stampMs, std::int32_t now) {
    const auto stamp = static_cast<std::int32_t>(static_cast<std::uint32_t>(stampMs));
    const std::int32_t age = elapsedMs(stamp, now);
    return age >= -1000 && age <= 1000 ? stamp : now;
}

// The same for a window system that stamps events with a coarse clock of its own: Windows uses its tick
// count, which moves in steps of 10 to 16 ms (and under Wine does not even share the counter's start).
// The stamp's age is read on its own clock (stampClockNow); a press handled at once (the program idle)
// is nearer the counter read now, while a stamp older than two steps means the press waited in the
// queue, and then now less that age is nearer.
inline constexpr std::int32_t kCoarseStampStepsMs = 32;
inline std::int32_t tickOfCoarseStamp(std::uint64_t stampMs, std::uint64_t stampClockNow, std::int32_t now) {
    const std::int32_t age = elapsedMs(static_cast<std::int32_t>(static_cast<std::uint32_t>(stampMs)),
                                       static_cast<std::int32_t>(static_cast<std::uint32_t>(stampClockNow)));
    return age > kCoarseStampStepsMs && age <= 1000 ? elapsedMs(age, now) : now;
}

}  // namespace kestive
