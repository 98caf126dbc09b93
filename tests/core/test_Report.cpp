// SPDX-License-Identifier: GPL-3.0-or-later
// The text the user reads: numbers with two decimals in the user's format, plain integers, rounding ties to
// even, the report (one CR LF line per case, then the total line when any case counts), sessions side by
// side in the progress table and its JSON, and the text escaping both the JSON and the picture rely on.
#include <gtest/gtest.h>

#include <cmath>
#include <iomanip>

#include "TestFiles.h"
#include "report/Progress.h"
#include "report/TextEscape.h"
#include "stats/Report.h"

using namespace kestive;

namespace {
const NumberFormat kC{}, kComma{",", ".", 3, true, "-"}, kIndian{".", "'", 4, true, "\u2212"};

// Three sessions: case 1 gets faster and skips the middle one, case 2 only has times in the middle one,
// case 3 gets slower, and the middle session's total is that of case 2 alone.
std::vector<SessionSummary> threeSessions() {
    return {summarizeSession("old.pll", storeOf({{0, 1200}, {0, 1300}, {2, 800}})),
            summarizeSession("middle.pll", storeOf({{1, 2000}})),
            summarizeSession("new.pll", storeOf({{0, 900}, {2, 1000}, {2, 1001}}))};
}

std::vector<std::string> linesOf(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}
}  // namespace

TEST(NumberText, TiesAwayFromZeroNoMinusOnZeroAndTheUsersSeparatorsGroupsAndMinus) {
    // Ties in the third decimal go away from zero on the decimal value, also when the double lies a hair
    // below the tie (1.005, 2.675); a value off a tie is none. What shows as zero carries no minus.
    const std::tuple<double, const NumberFormat&, const char*> rows[] = {
        {0.125, kC, "0.13"},         {1.005, kC, "1.01"},           {2.675, kC, "2.68"},
        {-0.125, kC, "-0.13"},       {-1.005, kC, "-1.01"},         {9.995, kC, "10.00"},
        {3015 / 3000.0, kC, "1.01"}, {0.12499, kC, "0.12"},         {0.1 + 0.2, kC, "0.30"},
        {-0.0, kC, "0.00"},          {-0.004, kC, "0.00"},          {-0.005, kC, "-0.01"},
        {12, kC, "12.00"},           {-0.0049, kComma, "0,00"},     {0.65, kComma, "0,65"},
        {123.4, kComma, "123,40"},   {999.995, kComma, "1.000,00"}, {-0.5, kIndian, "\u22120.50"}};
    for (const auto& [value, format, text] : rows)
        EXPECT_EQ(twoDecimals(value, format), text)
            << std::setprecision(17) << "value " << value << " shown as " << text;
    EXPECT_EQ(twoDecimals(-2147483.648, kC), "-2147483.65");
    EXPECT_EQ(twoDecimals(-1234567.125, kComma), "-1.234.567,13");
    EXPECT_EQ(twoDecimals(123456789.0, kIndian), "1'2345'6789.00");
}

TEST(NumberText, PlainIntegerAndRoundHalfEven) {
    EXPECT_EQ(plainInteger(-7), "-7");
    EXPECT_EQ(plainInteger(INT64_MIN), "-9223372036854775808");
    const std::pair<double, std::int32_t> rows[] = {
        {900.5, 900},          {901.5, 902},     {-0.5, 0},      {-1.5, -2},       {-2.5, -2},
        {650.49999, 650},      {650.50001, 651}, {-650.7, -651}, {5e9, INT32_MAX}, {-5e9, INT32_MIN},
        {HUGE_VAL, INT32_MAX}, {std::nan(""), 0}};
    for (const auto& [value, rounded] : rows)
        EXPECT_EQ(roundHalfEven(value), rounded) << std::setprecision(17) << "value " << value;
    EXPECT_EQ(roundHalfEven(2147483646.5), 2147483646);
    EXPECT_EQ(roundHalfEven(2147483647.4), INT32_MAX);
}

TEST(Report, MeansRoundToEvenAndTheTotalCountsOnlyMeansAboveZeroInTheUsersFormat) {
    // Case 1's negative and case 2's zero mean show but do not count, case 3's 1 ms does; case 4's
    // 834.5 ms is 834, which shows as 0,83 where 835 would show as 0,84.
    // (650 + 1 + 834 + 52 * 2000000000) / 55 ms is far past 32 bits.
    TimeStore store = storeOf({{0, 600}, {0, 700}, {1, -1500}, {2, 0}, {2, 0}, {3, 1}, {4, 834}, {4, 835}});
    std::string expected =
        "avg: 0,65, std: 0,05, num: 2\r\navg: -1,50, std: 0,00, num: 1\r\navg: 0,00, std: 0,00, num: 2\r\n"
        "avg: 0,00, std: 0,00, num: 1\r\navg: 0,83, std: 0,00, num: 2\r\n";
    for (int i = 5; i < kCaseCount; ++i) {
        store.addTime(i, 2000000000);
        expected += "avg: 2.000.000,00, std: 0,00, num: 1\r\n";
    }
    EXPECT_EQ(reportText(store, kComma), expected + "Total Average: 1.890.909,12");
}

TEST(Progress, TableRowsPerCaseWithGapsChangeAndTotals) {
    const std::string text = progressText(threeSessions(), kComma);
    ASSERT_TRUE(text.starts_with("Sessions, oldest first:\n  1  old.pll\n  2  middle.pll\n  3  new.pll\n\n"))
        << text;
    const std::vector<std::string> lines = linesOf(text);
    ASSERT_EQ(lines.size(), 5u + 1 + kCaseCount + 1) << text;
    const std::pair<int, std::string> rows[] = {
        {5, "Case      1     2     3  Change"},
        {6, "1      1,25     -  0,90   -0,35"},  // 1250 → 900; no times in the middle session
        {7, "2         -  2,00     -       -"},  // times in one session only: no change
        {8, "3      0,80     -  1,00   +0,20"},  // 1000.5 rounds to the even 1000
        {9, "4         -     -     -       -"},
        {63, "Total  1,03  2,00  0,95   -0,08"}};  // (1250+800)/2, 2000, (900+1000)/2
    for (const auto& [index, expected] : rows) {
        SCOPED_TRACE("line " + std::to_string(index));
        EXPECT_EQ(lines[static_cast<std::size_t>(index)], expected);
    }
    // Every table line has the same width, so the columns line up in a terminal.
    for (std::size_t i = 5; i < lines.size(); ++i)
        EXPECT_EQ(displayWidth(lines[i]), displayWidth(lines[5])) << "line " << i << ": " << lines[i];
}

TEST(Progress, AChangeThatShowsAsZeroHasNoSignAndOneSessionHasNoChange) {
    const std::vector<SessionSummary> two = {summarizeSession("a", storeOf({{0, 1000}})),
                                             summarizeSession("b", storeOf({{0, 1004}}))};
    const auto lines = linesOf(progressText(two, kC));
    EXPECT_EQ(lines.at(5), "1      1.00  1.00    0.00") << "4 ms slower";
    EXPECT_EQ(lines.back(), "Total  1.00  1.00    0.00") << "4 ms slower";
    EXPECT_EQ(linesOf(progressText({two[0]}, kC)).back(), "Total  1.00       -") << "one session";
}

TEST(Progress, WideNumbersAndManySessionsStayAligned) {
    std::vector<SessionSummary> sessions;
    for (int s = 0; s < 12; ++s)
        sessions.push_back(summarizeSession("s" + std::to_string(s), storeOf({{5, 1234567 + s}})));
    // A group separator of several bytes counts as one column.
    const auto lines = linesOf(progressText(sessions, NumberFormat{",", "\u202f", 3, true, "-"}));
    EXPECT_TRUE(lines[14].ends_with("        11        12  Change")) << lines[14];
    for (std::size_t i = 14; i < lines.size(); ++i)
        EXPECT_EQ(displayWidth(lines[i]), displayWidth(lines[14])) << "line " << i;
}

TEST(Progress, JsonCarriesTheSameNumbers) {
    const std::string json = progressJson(threeSessions());
    for (const char* part : {"{\"file\": \"old.pll\", \"total_average_s\": 1.025}",
                             "{\"index\": 0, \"number\": 1, \"rounded_mean_ms\": [1250, null, 900], "
                             "\"count\": [2, 0, 1], \"change_ms\": -350}",
                             "{\"index\": 1, \"number\": 2, \"rounded_mean_ms\": [null, 2000, null], "
                             "\"count\": [0, 1, 0], \"change_ms\": null}",
                             "\"total_change_s\": -0.07499999999999996\n}\n"})
        EXPECT_NE(json.find(part), std::string::npos) << part << "\n" << json;
    EXPECT_NE(progressJson({summarizeSession("e", {})}).find("\"total_average_s\": null"), std::string::npos);
}

TEST(TextEscape, BrokenUtf8AndMarkupBecomeSafeText) {
    const std::pair<std::string, std::string> xmlRows[] = {
        {"a&b<c>\"d'", "a&amp;b&lt;c&gt;&quot;d&apos;"},
        {"caf\xC3\xA9 \xE2\x80\x94 ok", "caf\xC3\xA9 \xE2\x80\x94 ok"},
        {"cut\xE2\x80", "cut\xEF\xBF\xBD\xEF\xBF\xBD"},            // a sequence cut short
        {"\xC0\xAF", "\xEF\xBF\xBD\xEF\xBF\xBD"},                  // an overlong "/"
        {"\xED\xA0\x80", "\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD"},  // a surrogate
        {std::string("bell\x07") + '\0', "bell\xEF\xBF\xBD\xEF\xBF\xBD"}};
    for (const auto& [input, expected] : xmlRows) {
        SCOPED_TRACE(input);
        EXPECT_EQ(xmlEscaped(input), expected);
    }
    EXPECT_EQ(jsonString("a\"b\\c\td\ne\x01"), "\"a\\\"b\\\\c\\td\\ne\xEF\xBF\xBD\"");
}
