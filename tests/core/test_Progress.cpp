// SPDX-License-Identifier: GPL-3.0-or-later
// Sessions side by side: the progress table and its JSON, and the text escaping both the JSON and the
// picture rely on.
#include <gtest/gtest.h>

#include <sstream>

#include "report/Progress.h"
#include "report/TextEscape.h"

using namespace kestive;

namespace {
TimeStore storeOf(std::initializer_list<std::pair<int, std::int32_t>> times) {
    TimeStore store;
    for (const auto& [pll, time] : times) store.addTime(pll, time);
    return store;
}

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

TEST(Progress, TableRowsPerCaseWithGapsChangeAndTotals) {
    const std::string text = progressText(threeSessions(), NumberFormat{",", ".", 3, true, "-"});
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
    const auto lines = linesOf(progressText(two, NumberFormat{}));
    EXPECT_EQ(lines.at(5), "1      1.00  1.00    0.00") << "4 ms slower";
    EXPECT_EQ(lines.back(), "Total  1.00  1.00    0.00") << "4 ms slower";
    EXPECT_EQ(linesOf(progressText({two[0]}, NumberFormat{})).back(), "Total  1.00       -") << "one session";
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
