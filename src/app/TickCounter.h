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

}  // namespace kestive
