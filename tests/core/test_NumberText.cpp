#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "stats/NumberText.h"

using kestive::NumberFormat;
using kestive::twoDecimals;

namespace {
NumberFormat cFormat() {
    return NumberFormat{};
}
NumberFormat commaFormat() {
    return NumberFormat{",", ".", 3, true, "-"};
}
}  // namespace

TEST(TwoDecimals, TiesInTheThirdDecimalGoAwayFromZeroOnTheDecimalValue) {
    // 1.005 and 2.675 are stored a hair below the decimal value; the user sees the decimal one.
    EXPECT_EQ(twoDecimals(0.125, cFormat()), "0.13");
    EXPECT_EQ(twoDecimals(1.005, cFormat()), "1.01");
    EXPECT_EQ(twoDecimals(2.675, cFormat()), "2.68");
    EXPECT_EQ(twoDecimals(-0.125, cFormat()), "-0.13");
    EXPECT_EQ(twoDecimals(-1.005, cFormat()), "-1.01");
    EXPECT_EQ(twoDecimals(0.995, cFormat()), "1.00");
    EXPECT_EQ(twoDecimals(9.995, cFormat()), "10.00");
    // Values just off a tie are not ties.
    EXPECT_EQ(twoDecimals(0.12499, cFormat()), "0.12");
    EXPECT_EQ(twoDecimals(0.12501, cFormat()), "0.13");
    // Results of arithmetic that land a rounding error below the tie count as the tie.
    EXPECT_EQ(twoDecimals(3015 / 3000.0, cFormat()), "1.01");
    EXPECT_EQ(twoDecimals(0.1 + 0.2, cFormat()), "0.30");
}

TEST(TwoDecimals, ZeroNeverCarriesAMinusSign) {
    EXPECT_EQ(twoDecimals(0.0, cFormat()), "0.00");
    EXPECT_EQ(twoDecimals(-0.0, cFormat()), "0.00");
    EXPECT_EQ(twoDecimals(-0.004, cFormat()), "0.00");
    EXPECT_EQ(twoDecimals(-0.0049, commaFormat()), "0,00");
    EXPECT_EQ(twoDecimals(-0.005, cFormat()), "-0.01");
    EXPECT_EQ(twoDecimals(0.000707, cFormat()), "0.00");
}

TEST(TwoDecimals, PlainValuesInTheCFormat) {
    EXPECT_EQ(twoDecimals(0.65, cFormat()), "0.65");
    EXPECT_EQ(twoDecimals(0.5, cFormat()), "0.50");
    EXPECT_EQ(twoDecimals(12, cFormat()), "12.00");
    EXPECT_EQ(twoDecimals(1234567.891, cFormat()), "1234567.89");
    EXPECT_EQ(twoDecimals(2147483.647, cFormat()), "2147483.65");
    EXPECT_EQ(twoDecimals(-2147483.648, cFormat()), "-2147483.65");
    EXPECT_EQ(twoDecimals(1e-9, cFormat()), "0.00");
}

TEST(TwoDecimals, CommaDecimalFormatWithGroupingOfTheIntegerPart) {
    EXPECT_EQ(twoDecimals(0.65, commaFormat()), "0,65");
    EXPECT_EQ(twoDecimals(1234.5, commaFormat()), "1.234,50");
    EXPECT_EQ(twoDecimals(999.995, commaFormat()), "1.000,00");
    EXPECT_EQ(twoDecimals(-1234567.125, commaFormat()), "-1.234.567,13");
    EXPECT_EQ(twoDecimals(123.4, commaFormat()), "123,40");
    EXPECT_EQ(twoDecimals(123456.0, commaFormat()), "123.456,00");
}

TEST(TwoDecimals, FormatOptions) {
    NumberFormat f;
    f.leadingZero = false;
    EXPECT_EQ(twoDecimals(0.5, f), ".50");
    EXPECT_EQ(twoDecimals(-0.5, f), "-.50");
    EXPECT_EQ(twoDecimals(0.0, f), ".00");
    EXPECT_EQ(twoDecimals(1.5, f), "1.50");
    const NumberFormat unicodeMinus{".", "", 3, false, "\u2212"};
    EXPECT_EQ(twoDecimals(-2.25, unicodeMinus), "\u22122.25");
    NumberFormat g{".", "'", 4, true, "-"};
    EXPECT_EQ(twoDecimals(123456789.0, g), "1'2345'6789.00");
    g.groupSize = 0;  // a group size of 0 means no grouping rather than a fault
    EXPECT_EQ(twoDecimals(123456789.0, g), "123456789.00");
}

TEST(PlainInteger, DigitsWithMinusAndNoGrouping) {
    EXPECT_EQ(kestive::plainInteger(0), "0");
    EXPECT_EQ(kestive::plainInteger(120), "120");
    EXPECT_EQ(kestive::plainInteger(-7), "-7");
    EXPECT_EQ(kestive::plainInteger(1234567), "1234567");
    EXPECT_EQ(kestive::plainInteger(std::numeric_limits<std::int64_t>::min()), "-9223372036854775808");
}

TEST(RoundHalfEven, TiesGoToTheEvenNeighbour) {
    using kestive::roundHalfEven;
    EXPECT_EQ(roundHalfEven(900.5), 900);
    EXPECT_EQ(roundHalfEven(901.5), 902);
    EXPECT_EQ(roundHalfEven(800.5), 800);
    EXPECT_EQ(roundHalfEven(0.5), 0);
    EXPECT_EQ(roundHalfEven(-0.5), 0);
    EXPECT_EQ(roundHalfEven(-1.5), -2);
    EXPECT_EQ(roundHalfEven(-2.5), -2);
    EXPECT_EQ(roundHalfEven(650.49999), 650);
    EXPECT_EQ(roundHalfEven(650.50001), 651);
    EXPECT_EQ(roundHalfEven(-650.7), -651);
}

TEST(RoundHalfEven, ConversionsStayInside32Bits) {
    using kestive::roundHalfEven;
    constexpr auto max = std::numeric_limits<std::int32_t>::max();
    constexpr auto min = std::numeric_limits<std::int32_t>::min();
    EXPECT_EQ(roundHalfEven(2147483646.5), 2147483646);
    EXPECT_EQ(roundHalfEven(2147483647.0), max);
    EXPECT_EQ(roundHalfEven(2147483647.4), max);
    EXPECT_EQ(roundHalfEven(5e9), max);
    EXPECT_EQ(roundHalfEven(-2147483648.0), min);
    EXPECT_EQ(roundHalfEven(-5e9), min);
    EXPECT_EQ(roundHalfEven(std::numeric_limits<double>::infinity()), max);
    EXPECT_EQ(roundHalfEven(std::nan("")), 0);
}
