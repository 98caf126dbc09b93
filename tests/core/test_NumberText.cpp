// Number text: two decimals in the user's format, plain integers, and rounding ties to even.
#include <gtest/gtest.h>

#include <cmath>

#include "stats/NumberText.h"

using namespace kestive;

namespace {
// The texts of several values, blank-separated, so that one line holds a whole table.
std::string texts(std::initializer_list<double> values, const NumberFormat& format) {
    std::string out;
    for (const double v : values) out += (out.empty() ? "" : " ") + twoDecimals(v, format);
    return out;
}
}  // namespace

TEST(NumberText, TwoDecimalsInTheCAndACommaFormat) {
    const NumberFormat c{}, comma{",", ".", 3, true, "-"};
    // A tie in the third decimal goes away from zero on the decimal value the user sees, also when the
    // double lies a hair below it; a value off a tie is none.
    EXPECT_EQ(texts({0.125, 1.005, 2.675, -0.125, -1.005, 9.995, 3015 / 3000.0, 0.12499, 0.1 + 0.2}, c),
              "0.13 1.01 2.68 -0.13 -1.01 10.00 1.01 0.12 0.30");
    // What shows as zero carries no minus.
    EXPECT_EQ(texts({-0.0, -0.004, -0.005, 12, -2147483.648}, c), "0.00 0.00 -0.01 12.00 -2147483.65");
    EXPECT_EQ(texts({0.65, -0.0049, 123.4, 999.995, -1234567.125}, comma),
              "0,65 0,00 123,40 1.000,00 -1.234.567,13");
    NumberFormat other{".", "'", 4, false, "\u2212"};
    EXPECT_EQ(texts({-0.5, 0.0, 123456789.0}, other), "\u2212.50 .00 1'2345'6789.00");
    other.groupSize = 0;  // no grouping rather than a fault
    EXPECT_EQ(twoDecimals(123456789.0, other), "123456789.00");
}

TEST(NumberText, PlainIntegerAndRoundHalfEven) {
    EXPECT_EQ(plainInteger(0) + " " + plainInteger(-7) + " " + plainInteger(1234567), "0 -7 1234567");
    EXPECT_EQ(plainInteger(INT64_MIN), "-9223372036854775808");
    std::string rounded;
    for (const double v : {900.5, 901.5, -0.5, -1.5, -2.5, 650.49999, 650.50001, -650.7, 2147483646.5,
                           2147483647.4, 5e9, -5e9, HUGE_VAL, std::nan("")})
        rounded += std::to_string(roundHalfEven(v)) + " ";
    EXPECT_EQ(rounded,
              "900 902 0 -2 -2 650 651 -651 2147483646 2147483647 2147483647 -2147483648 2147483647 0 ");
}
