// The report tool's parts that run inside the process: the locale mapping and the JSON text.
#include <gtest/gtest.h>

#include <climits>
#include <clocale>
#include <cstdlib>

#include "CommaLocale.h"
#include "LocaleNumberFormat.h"
#include "MiniJson.h"
#include "ReportJson.h"
#include "stats/NumberText.h"

using kestive::numberFormatFromConventions;

TEST(LocaleNumberFormat, CLocaleGivesPointAndNoGrouping) {
    const auto f = numberFormatFromConventions(".", "", "");
    EXPECT_EQ(f.decimalSeparator, ".");
    EXPECT_EQ(f.groupSeparator, "");
    EXPECT_TRUE(f.leadingZero);
    EXPECT_EQ(f.minusSign, "-");
    EXPECT_EQ(kestive::twoDecimals(1234.5, f), "1234.50");
}

TEST(LocaleNumberFormat, CommaLocaleWithGroups) {
    const auto f = numberFormatFromConventions(",", ".", "\3\3");
    EXPECT_EQ(f.decimalSeparator, ",");
    EXPECT_EQ(f.groupSeparator, ".");
    EXPECT_EQ(f.groupSize, 3);
    EXPECT_EQ(kestive::twoDecimals(-1234567.891, f), "-1.234.567,89");
    const auto swiss = numberFormatFromConventions(".", "'", "\3");
    EXPECT_EQ(kestive::twoDecimals(1234.5, swiss), "1'234.50");
}

TEST(LocaleNumberFormat, SeparatorWithoutGroupingOrMissingFieldsGiveNoGrouping) {
    EXPECT_EQ(numberFormatFromConventions(",", ".", "").groupSeparator, "");
    const char noMoreGrouping[] = {CHAR_MAX, 0};
    EXPECT_EQ(numberFormatFromConventions(",", ".", noMoreGrouping).groupSeparator, "");
    EXPECT_EQ(numberFormatFromConventions(",", "", "\3").groupSeparator, "");
    const auto f = numberFormatFromConventions(nullptr, nullptr, nullptr);
    EXPECT_EQ(f.decimalSeparator, ".");
    EXPECT_EQ(f.groupSeparator, "");
    EXPECT_EQ(numberFormatFromConventions("", nullptr, nullptr).decimalSeparator, ".");
}

TEST(LocaleNumberFormat, UnknownLocaleFallsBackToC) {
    ::setenv("LC_ALL", "xx_NOWHERE.UTF-8", 1);
    const auto f = kestive::userNumberFormat();
    ::unsetenv("LC_ALL");
    EXPECT_EQ(f.decimalSeparator, ".");
    EXPECT_EQ(f.groupSeparator, "");
}

TEST(ReportJson, CasesWithTheirStatistics) {
    const kestive::NumberFormat c;
    kestive::TimeStore store;
    store.addTime(0, 600, c);
    store.addTime(0, 700, c);
    store.addTime(3, 800, c);
    store.addTime(3, 801, c);
    store.addTime(9, 12000, c);
    const Json j = Json::parse(kestive::reportJson(store));
    ASSERT_EQ(j["cases"].items.size(), 57u);
    for (std::size_t i = 0; i < 57; ++i) {
        EXPECT_EQ(j["cases"][i]["index"].number, static_cast<double>(i));
        EXPECT_EQ(j["cases"][i]["number"].number, static_cast<double>(i + 1));
    }
    const Json& c0 = j["cases"][0];
    EXPECT_EQ(c0["count"].number, 2);
    EXPECT_EQ(c0["mean_ms"].number, 650);
    EXPECT_EQ(c0["rounded_mean_ms"].number, 650);
    EXPECT_NEAR(c0["std_s"].number, 0.05, 1e-15);
    EXPECT_EQ(c0["record_ms"].number, 600);
    const Json& c3 = j["cases"][3];
    EXPECT_EQ(c3["mean_ms"].text, "800.5");
    EXPECT_EQ(c3["rounded_mean_ms"].number, 800);
    EXPECT_EQ(c3["std_s"].number, store.std(3, 800));  // shortest text reads back exactly
    // A case whose times never made a record, and an empty case, have a null record.
    EXPECT_EQ(j["cases"][9]["record_ms"].kind, Json::Null);
    EXPECT_EQ(j["cases"][9]["count"].number, 1);
    EXPECT_EQ(j["cases"][1]["record_ms"].kind, Json::Null);
    EXPECT_EQ(j["cases"][1]["count"].number, 0);
    EXPECT_EQ(j["cases"][1]["mean_ms"].number, 0);
    EXPECT_NEAR(j["total_average_s"].number, (650 + 800 + 12000) / 3000.0, 1e-15);

    EXPECT_EQ(Json::parse(kestive::reportJson(kestive::TimeStore{}))["total_average_s"].kind, Json::Null);
}

TEST(ReportJson, NumbersIgnoreACommaLocale) {
    // The tool sets the user's LC_NUMERIC; JSON and the two-decimal text must not follow C's printf rules.
    const CommaLocale& comma = commaLocale();
    if (comma.locpath.empty()) GTEST_SKIP() << "localedef or the de_DE locale source is missing";
    ::setenv("LOCPATH", comma.locpath.c_str(), 1);
    ::setenv("LC_ALL", comma.name.c_str(), 1);
    const kestive::NumberFormat user = kestive::userNumberFormat();
    const bool active = std::localeconv()->decimal_point[0] == ',';
    kestive::TimeStore store;
    store.addTime(0, 1, kestive::NumberFormat{});
    store.addTime(0, 2, kestive::NumberFormat{});
    const std::string text = kestive::reportJson(store);
    const std::string two = kestive::twoDecimals(1.5, kestive::NumberFormat{});
    std::setlocale(LC_NUMERIC, "C");
    ::unsetenv("LC_ALL");
    ::unsetenv("LOCPATH");

    ASSERT_TRUE(active);
    EXPECT_EQ(user.decimalSeparator, ",");
    EXPECT_EQ(user.groupSeparator, ".");
    EXPECT_EQ(user.groupSize, 3);
    EXPECT_NE(text.find("\"mean_ms\": 1.5,"), std::string::npos);
    EXPECT_NO_THROW(Json::parse(text));
    EXPECT_EQ(two, "1.50");
}

TEST(MiniJson, RejectsWhatJsonForbids) {
    // The checker itself must catch malformed output, or the tests above prove nothing.
    for (const char* text : {"{\"a\": 1,}", "[1 2]", "{\"a\": 01}", "{\"a\": 1.}", "{\"a\": nan}", "{a: 1}",
                             "[1,]", "{\"a\": 1} x", "{\"a\": 1,5}"}) {
        EXPECT_THROW(Json::parse(text), std::runtime_error) << text;
    }
    EXPECT_NO_THROW(Json::parse("{\"a\": [1, -2.5e3, null, true, \"x\"]}"));
}
