// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <cstdint>
#include <string>

namespace kestive {

// The user's regional settings for writing numbers. The defaults are those of the C locale.
struct NumberFormat {
    std::string decimalSeparator = ".";
    std::string groupSeparator;  // empty: no digit grouping
    int groupSize = 3;
    bool leadingZero = true;  // "0.50" rather than ".50"
    std::string minusSign = "-";
};

// A number with exactly two decimals in the given format ("1.50", "1,234.00", "-0.13").
// A value that shows as zero never carries a minus sign.
std::string twoDecimals(double value, const NumberFormat& format);

// Digits with a leading "-" for negatives; no blank, no grouping.
std::string plainInteger(std::int64_t value);

// Nearest whole number, an exact tie going to the even one (900.5 -> 900, 901.5 -> 902).
std::int32_t roundHalfEven(double value);

}  // namespace kestive
