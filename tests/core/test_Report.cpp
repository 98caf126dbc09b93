// The text the user reads: numbers with two decimals in the user's format, plain integers, rounding ties to
// even, and the report (one CR LF line per case, then the total line when any case counts).
#include <gtest/gtest.h>

#include <cmath>

#include "stats/Report.h"

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
    // The minus sign of the user's settings, and groups of another size.
    EXPECT_EQ(texts({-0.5, 123456789.0}, NumberFormat{".", "'", 4, true, "\u2212"}),
              "\u22120.50 1'2345'6789.00");
}

TEST(NumberText, PlainIntegerAndRoundHalfEven) {
    EXPECT_EQ(plainInteger(-7) + " " + plainInteger(INT64_MIN), "-7 -9223372036854775808");
    std::string rounded;
    for (const double v : {900.5, 901.5, -0.5, -1.5, -2.5, 650.49999, 650.50001, -650.7, 2147483646.5,
                           2147483647.4, 5e9, -5e9, HUGE_VAL, std::nan("")})
        rounded += std::to_string(roundHalfEven(v)) + " ";
    EXPECT_EQ(rounded,
              "900 902 0 -2 -2 650 651 -651 2147483646 2147483647 2147483647 -2147483648 2147483647 0 ");
}

TEST(Report, EmptyStoreWorkedExampleAndTotalLine) {
    const NumberFormat c{}, comma{",", ".", 3, true, "-"};
    std::string empty56;
    for (int i = 0; i < 56; ++i) empty56 += "avg: 0.00, std: 0.00, num: 0\r\n";
    TimeStore store;
    EXPECT_EQ(reportText(store, c), empty56 + "avg: 0.00, std: 0.00, num: 0\r\n");
    store.addTime(0, 600, c);
    store.addTime(0, 700, c);
    EXPECT_EQ(reportText(store, c), "avg: 0.65, std: 0.05, num: 2\r\n" + empty56 + "Total Average: 0.65");
    // The total is the mean of the rounded means above zero: case 1's negative and case 2's zero mean show
    // but do not count, case 3's 1 ms does. (650 + 1 + 53 * 2000000000) / 55 ms is far past 32 bits.
    const int adds[][2] = {{1, -1500}, {2, 0}, {2, 0}, {3, 1}};
    for (const auto& [pll, time] : adds) store.addTime(pll, time, c);
    for (int i = 4; i < 57; ++i) store.addTime(i, 2000000000, c);
    const std::string text = reportText(store, comma);
    EXPECT_TRUE(
        text.starts_with("avg: 0,65, std: 0,05, num: 2\r\navg: -1,50, std: 0,00, num: 1\r\n"
                         "avg: 0,00, std: 0,00, num: 2\r\navg: 0,00, std: 0,00, num: 1\r\n"
                         "avg: 2.000.000,00, std: 0,00, num: 1\r\n"))
        << text;
    EXPECT_TRUE(text.ends_with("num: 1\r\nTotal Average: 1.927.272,74")) << text.substr(text.size() - 40);
}
