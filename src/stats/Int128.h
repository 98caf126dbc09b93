// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <cstdint>

namespace kestive {

// A 128-bit two's complement integer built from two 64-bit halves, for sums that need more than 64 bits
// but must stay exact. Addition and subtraction wrap like unsigned arithmetic, so a sum whose true value
// fits is exact even when a partial sum does not.
class Int128 {
public:
    constexpr Int128() = default;
    constexpr explicit Int128(std::int64_t value)
        : high_(value < 0 ? ~std::uint64_t{0} : 0), low_(static_cast<std::uint64_t>(value)) {}

    // The exact product of two 64-bit integers.
    static constexpr Int128 product(std::int64_t a, std::int64_t b) {
        const std::uint64_t x = magnitude(a);
        const std::uint64_t y = magnitude(b);
        const std::uint64_t xl = x & kLow32, xh = x >> 32, yl = y & kLow32, yh = y >> 32;
        const std::uint64_t ll = xl * yl, lh = xl * yh, hl = xh * yl, hh = xh * yh;
        const std::uint64_t middle = (ll >> 32) + (lh & kLow32) + (hl & kLow32);
        Int128 p;
        p.low_ = (middle << 32) | (ll & kLow32);
        p.high_ = hh + (lh >> 32) + (hl >> 32) + (middle >> 32);
        return (a < 0) != (b < 0) ? -p : p;
    }

    constexpr Int128 operator-() const {
        Int128 n;
        n.low_ = ~low_ + 1;
        n.high_ = ~high_ + (n.low_ == 0 ? 1 : 0);
        return n;
    }
    constexpr Int128& operator+=(const Int128& other) {
        const std::uint64_t low = low_ + other.low_;
        high_ += other.high_ + (low < low_ ? 1 : 0);
        low_ = low;
        return *this;
    }
    constexpr Int128& operator-=(const Int128& other) { return *this += -other; }
    friend constexpr Int128 operator+(Int128 a, const Int128& b) { return a += b; }
    friend constexpr Int128 operator-(Int128 a, const Int128& b) { return a -= b; }

    friend constexpr bool operator==(const Int128&, const Int128&) = default;

    constexpr bool negative() const { return (high_ >> 63) != 0; }
    // The nearest double (rounded twice: each half, then their sum).
    constexpr double toDouble() const {
        if (negative()) return -(-*this).toDouble();
        return static_cast<double>(high_) * 18446744073709551616.0 + static_cast<double>(low_);
    }

private:
    static constexpr std::uint64_t kLow32 = 0xffffffffu;
    static constexpr std::uint64_t magnitude(std::int64_t v) {
        return v < 0 ? ~static_cast<std::uint64_t>(v) + 1 : static_cast<std::uint64_t>(v);
    }

    std::uint64_t high_ = 0;
    std::uint64_t low_ = 0;
};

}  // namespace kestive
