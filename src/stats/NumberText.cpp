// SPDX-License-Identifier: GPL-3.0-or-later
#include "stats/NumberText.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <string>

namespace kestive {

namespace {

// Digits of the integer part with the group separator inserted every groupSize digits from the right.
std::string groupDigits(const std::string& digits, const NumberFormat& format) {
    if (format.groupSeparator.empty() || format.groupSize <= 0) return digits;
    std::string out;
    const std::size_t size = static_cast<std::size_t>(format.groupSize);
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % size == 0) out += format.groupSeparator;
        out += digits[i];
    }
    return out;
}

}  // namespace

std::string twoDecimals(double value, const NumberFormat& format) {
    if (std::isnan(value)) return "NaN";
    if (std::isinf(value)) return value < 0 ? format.minusSign + "Infinity" : "Infinity";

    // The value as the user would read it: 15 significant decimal digits (all a double holds reliably),
    // so 1.005 is the decimal 1.005 and not the binary 1.00499999999999989...; written without the locale.
    char buf[64];
    const auto res =
        std::to_chars(buf, buf + sizeof buf, std::fabs(value), std::chars_format::scientific, 14);
    const std::string sci(buf, res.ptr);  // "d.dddddddddddddde+XX"
    const std::size_t ePos = sci.find('e');
    std::string mantissa = sci.substr(0, 1) + sci.substr(2, ePos - 2);  // 15 digits
    const int exponent = std::atoi(sci.c_str() + ePos + 1);

    // Split into integer and fraction digits.
    std::string intPart, fracPart;
    if (exponent >= 0) {
        const std::size_t intLen = static_cast<std::size_t>(exponent) + 1;
        if (mantissa.size() < intLen) mantissa.append(intLen - mantissa.size(), '0');
        intPart = mantissa.substr(0, intLen);
        fracPart = mantissa.substr(intLen);
    } else {
        intPart = "0";
        fracPart = std::string(static_cast<std::size_t>(-exponent - 1), '0') + mantissa;
    }
    if (fracPart.size() < 3) fracPart.append(3 - fracPart.size(), '0');

    // Two decimals, an exact tie in the third going away from zero.
    std::string digits = intPart + fracPart.substr(0, 2);
    if (fracPart[2] >= '5') {
        std::size_t i = digits.size();
        while (i > 0) {
            --i;
            if (digits[i] == '9') {
                digits[i] = '0';
            } else {
                ++digits[i];
                break;
            }
            if (i == 0) digits.insert(digits.begin(), '1');
        }
    }
    std::string intDigits = digits.substr(0, digits.size() - 2);
    const std::string decimals = digits.substr(digits.size() - 2);
    const std::size_t firstNonZero = intDigits.find_first_not_of('0');
    intDigits = firstNonZero == std::string::npos ? "0" : intDigits.substr(firstNonZero);

    const bool showsZero = intDigits == "0" && decimals == "00";
    std::string out;
    if (value < 0 && !showsZero) out += format.minusSign;
    if (intDigits != "0" || format.leadingZero) out += groupDigits(intDigits, format);
    out += format.decimalSeparator;
    out += decimals;
    return out;
}

std::string plainInteger(std::int64_t value) {
    return std::to_string(value);
}

std::int32_t roundHalfEven(double value) {
    constexpr double lo = std::numeric_limits<std::int32_t>::min();
    constexpr double hi = std::numeric_limits<std::int32_t>::max();
    if (std::isnan(value)) return 0;
    if (value <= lo) return std::numeric_limits<std::int32_t>::min();
    if (value >= hi) return std::numeric_limits<std::int32_t>::max();
    const double down = std::floor(value);
    const double frac = value - down;  // exact for values in the 32-bit range
    double rounded = down;
    if (frac > 0.5) {
        rounded = down + 1;
    } else if (frac == 0.5) {
        rounded = std::fmod(down, 2.0) == 0 ? down : down + 1;
    }
    if (rounded >= hi) return std::numeric_limits<std::int32_t>::max();
    return static_cast<std::int32_t>(rounded);
}

}  // namespace kestive
