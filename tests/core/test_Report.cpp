// SPDX-License-Identifier: GPL-3.0-or-later
// The text the user reads: numbers with two decimals in the user's format, plain integers, rounding ties to
// even, and the report (one CR LF line per case, then the total line when any case counts).
#include <gtest/gtest.h>

#include <cmath>

#include "stats/Report.h"

using namespace kestive;

namespace {
const NumberFormat kC{}, kComma{",", ".", 3, true, "-"}, kIndian{".", "'", 4, true, "\u2212"};
}  // namespace

TEST(NumberText, TiesAwayFromZeroNoMinusOnZeroAndTheUsersSeparatorsGroupsAndMinus) {
    // Ties in the third decimal go away from zero on the decimal value, also when the double lies a hair
    // below the tie (1.005, 2.675); a value off a tie is none. What shows as zero carries no minus.
    const std::tuple<double, const NumberFormat&, const char*> rows[] = {
        {0.125, kC, "0.13"},
        {1.005, kC, "1.01"},
        {2.675, kC, "2.68"},
        {-0.125, kC, "-0.13"},
        {-1.005, kC, "-1.01"},
        {9.995, kC, "10.00"},
        {3015 / 3000.0, kC, "1.01"},
        {0.12499, kC, "0.12"},
        {0.1 + 0.2, kC, "0.30"},
        {-0.0, kC, "0.00"},
        {-0.004, kC, "0.00"},
        {-0.005, kC, "-0.01"},
        {12, kC, "12.00"},
        {-2147483.648, kC, "-2147483.65"},
        {-0.0049, kComma, "0,00"},
        {0.65, kComma, "0,65"},
        {123.4, kComma, "123,40"},
        {999.995, kComma, "1.000,00"},
        {-1234567.125, kComma, "-1.234.567,13"},
        {-0.5, kIndian, "\u22120.50"},
        {123456789.0, kIndian, "1'2345'6789.00"}};
    for (const auto& [value, format, text] : rows)
        EXPECT_EQ(twoDecimals(value, format), text) << "value " << value << " shown as " << text;
}

TEST(NumberText, PlainIntegerAndRoundHalfEven) {
    EXPECT_EQ(plainInteger(-7), "-7");
    EXPECT_EQ(plainInteger(INT64_MIN), "-9223372036854775808");
    const std::pair<double, std::int32_t> rows[] = {{900.5, 900},
                                                    {901.5, 902},
                                                    {-0.5, 0},
                                                    {-1.5, -2},
                                                    {-2.5, -2},
                                                    {650.49999, 650},
                                                    {650.50001, 651},
                                                    {-650.7, -651},
                                                    {2147483646.5, 2147483646},
                                                    {2147483647.4, INT32_MAX},
                                                    {5e9, INT32_MAX},
                                                    {-5e9, INT32_MIN},
                                                    {HUGE_VAL, INT32_MAX},
                                                    {std::nan(""), 0}};
    for (const auto& [value, rounded] : rows) EXPECT_EQ(roundHalfEven(value), rounded) << "value " << value;
}

TEST(Report, MeansRoundToEvenAndTheTotalCountsOnlyMeansAboveZeroInTheUsersFormat) {
    // Case 1's negative and case 2's zero mean show but do not count, case 3's 1 ms does; case 4's
    // 834.5 ms is 834, which shows as 0,83 where 835 would show as 0,84.
    // (650 + 1 + 834 + 52 * 2000000000) / 55 ms is far past 32 bits.
    TimeStore store;
    for (const auto& [pll, time] :
         {std::pair{0, 600}, {0, 700}, {1, -1500}, {2, 0}, {2, 0}, {3, 1}, {4, 834}, {4, 835}})
        store.addTime(pll, time);
    std::string expected =
        "avg: 0,65, std: 0,05, num: 2\r\navg: -1,50, std: 0,00, num: 1\r\navg: 0,00, std: 0,00, num: 2\r\n"
        "avg: 0,00, std: 0,00, num: 1\r\navg: 0,83, std: 0,00, num: 2\r\n";
    for (int i = 5; i < kCaseCount; ++i) {
        store.addTime(i, 2000000000);
        expected += "avg: 2.000.000,00, std: 0,00, num: 1\r\n";
    }
    EXPECT_EQ(reportText(store, kComma), expected + "Total Average: 1.890.909,12");
}
