// SPDX-License-Identifier: GPL-3.0-or-later
// The text the user reads: numbers with two decimals in the user's format, plain integers, rounding ties to
// even, and the report (one CR LF line per case, then the total line when any case counts).
#include <gtest/gtest.h>

#include <cmath>

#include "stats/Report.h"

using namespace kestive;

namespace {
const NumberFormat kC{}, kComma{",", ".", 3, true, "-"};
struct Shown {
    double value;
    const char* text;
};
void expectShown(std::initializer_list<Shown> rows, const NumberFormat& format) {
    for (const Shown& r : rows) EXPECT_EQ(twoDecimals(r.value, format), r.text) << "value " << r.value;
}
}  // namespace

TEST(NumberText, TiesInTheThirdDecimalGoAwayFromZeroOnTheDecimalValue) {
    // Also when the double lies a hair below the tie; a value off a tie is none.
    expectShown({{0.125, "0.13"},
                 {1.005, "1.01"},
                 {2.675, "2.68"},
                 {-0.125, "-0.13"},
                 {-1.005, "-1.01"},
                 {9.995, "10.00"},
                 {3015 / 3000.0, "1.01"},
                 {0.12499, "0.12"},
                 {0.1 + 0.2, "0.30"}},
                kC);
}

TEST(NumberText, WhatShowsAsZeroCarriesNoMinus) {
    expectShown(
        {{-0.0, "0.00"}, {-0.004, "0.00"}, {-0.005, "-0.01"}, {12, "12.00"}, {-2147483.648, "-2147483.65"}},
        kC);
}

TEST(NumberText, TheUsersSeparatorsGroupsAndMinus) {
    expectShown({{0.65, "0,65"},
                 {-0.0049, "0,00"},
                 {123.4, "123,40"},
                 {999.995, "1.000,00"},
                 {-1234567.125, "-1.234.567,13"}},
                kComma);
    expectShown({{-0.5, "\u22120.50"}, {123456789.0, "1'2345'6789.00"}},
                NumberFormat{".", "'", 4, true, "\u2212"});
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

// One CR LF line per case, then the total line, which ends the report.
TEST(Report, MeansRoundToEvenAndTheTotalCountsOnlyMeansAboveZeroInTheUsersFormat) {
    // Case 1's negative and case 2's zero mean show but do not count, case 3's 1 ms does; case 4's
    // 834.5 ms is 834, which shows as 0,83 where 835 would show as 0,84.
    // (650 + 1 + 834 + 52 * 2000000000) / 55 ms is far past 32 bits.
    TimeStore store;
    const int adds[][2] = {{0, 600}, {0, 700}, {1, -1500}, {2, 0}, {2, 0}, {3, 1}, {4, 834}, {4, 835}};
    for (const auto& [pll, time] : adds) store.addTime(pll, time);
    for (int i = 5; i < kCaseCount; ++i) store.addTime(i, 2000000000);
    const std::string text = reportText(store, kComma);
    const char* const lines[] = {"avg: 0,65, std: 0,05, num: 2\r\n", "avg: -1,50, std: 0,00, num: 1\r\n",
                                 "avg: 0,00, std: 0,00, num: 2\r\n", "avg: 0,00, std: 0,00, num: 1\r\n",
                                 "avg: 0,83, std: 0,00, num: 2\r\n"};
    std::string expected;
    for (const char* line : lines) expected += line;
    for (int i = 5; i < kCaseCount; ++i) expected += "avg: 2.000.000,00, std: 0,00, num: 1\r\n";
    EXPECT_EQ(text, expected + "Total Average: 1.890.909,12");
}
