// The report tool's mapping of a locale's numeric conventions to the number format.
#include <gtest/gtest.h>

#include <climits>

#include "LocaleNumberFormat.h"

using namespace kestive;

TEST(LocaleNumberFormat, SeparatorsAndGroupingFromTheConventions) {
    const auto text = [](const char* point, const char* separator, const char* grouping) {
        return twoDecimals(-1234567.891, numberFormatFromConventions(point, separator, grouping));
    };
    EXPECT_EQ(text(".", "", ""), "-1234567.89");
    EXPECT_EQ(text(",", ".", "\3\3"), "-1.234.567,89");
    EXPECT_EQ(text(".", "'", "\3"), "-1'234'567.89");
    // A separator without grouping, or grouping without a separator, groups nothing.
    const char noMoreGrouping[] = {CHAR_MAX, 0};
    EXPECT_EQ(text(",", ".", "") + text(",", ".", noMoreGrouping) + text(",", "", "\3"),
              "-1234567,89-1234567,89-1234567,89");
    EXPECT_EQ(text(nullptr, nullptr, nullptr) + text("", nullptr, nullptr), "-1234567.89-1234567.89");
    EXPECT_EQ(twoDecimals(-0.5, numberFormatFromConventions(",", ".", "\3")), "-0,50");
}
