#include <gtest/gtest.h>

#include <string>

#include "stats/Report.h"

using kestive::NumberFormat;
using kestive::reportText;
using kestive::TimeStore;

namespace {
const NumberFormat kC{};
const std::string kEmptyLine = "avg: 0.00, std: 0.00, num: 0\r\n";

std::string repeat(const std::string& s, int n) {
    std::string out;
    for (int i = 0; i < n; ++i) out += s;
    return out;
}
}  // namespace

TEST(Report, EmptyStoreGives57LinesAndNoTotal) {
    EXPECT_EQ(reportText(TimeStore{}, kC), repeat(kEmptyLine, 57));
}

TEST(Report, WorkedExample) {
    TimeStore store;
    store.addTime(0, 600, kC);
    store.addTime(0, 700, kC);
    EXPECT_EQ(reportText(store, kC),
              "avg: 0.65, std: 0.05, num: 2\r\n" + repeat(kEmptyLine, 56) + "Total Average: 0.65");
}

TEST(Report, LinesStandInCaseIndexOrderAndUseTheUsersFormat) {
    const NumberFormat comma{",", ".", 3, true, "-"};
    TimeStore store;
    store.addTime(56, 1234567, kC);
    store.addTime(1, 800, kC);
    store.addTime(1, 801, kC);  // mean 800.5 -> 800, deviation about 800
    const std::string empty = "avg: 0,00, std: 0,00, num: 0\r\n";
    // (800 + 1234567) / 2000 = 617.6835
    EXPECT_EQ(reportText(store, comma), empty + "avg: 0,80, std: 0,00, num: 2\r\n" + repeat(empty, 54) +
                                            "avg: 1.234,57, std: 0,00, num: 1\r\nTotal Average: 617,68");
}

TEST(Report, CasesOfZeroMsHaveALineButDoNotCount) {
    TimeStore store;
    store.addTime(2, 0, kC);
    store.addTime(2, 0, kC);
    store.addTime(3, 1500, kC);
    const std::string text = reportText(store, kC);
    EXPECT_NE(text.find("avg: 0.00, std: 0.00, num: 2\r\navg: 1.50, std: 0.00, num: 1\r\n"),
              std::string::npos);
    EXPECT_TRUE(text.ends_with("\r\nTotal Average: 1.50"));
}

TEST(Report, TotalIsThePlainMeanOfTheCountedRoundedMeans) {
    TimeStore store;
    for (int i = 0; i < 40; ++i) {
        // Case i holds i + 1 times around 1000 + 10 i; an even count makes the mean a tie, which rounds
        // down to the even 1000 + 10 i. So every rounded mean is 1000 + 10 i, whatever the count.
        for (int k = 0; k <= i; ++k) store.addTime(i, 1000 + 10 * i + (k % 2), kC);
        ASSERT_EQ(store.roundedMean(i), 1000 + 10 * i);
    }
    // (40 * 1000 + 10 * 780) / 40000 = 1.195, a tie in the third decimal shown as 1.20.
    EXPECT_TRUE(reportText(store, kC).ends_with("\r\nTotal Average: 1.20"));
    store.addTime(40, 3, kC);  // a 41st case with a mean of 3 ms: 47803 / 41000 = 1.1659...
    EXPECT_TRUE(reportText(store, kC).ends_with("\r\nTotal Average: 1.17"));
}

TEST(Report, TotalBeyond32BitsIsExact) {
    TimeStore store;
    for (int i = 0; i < 57; ++i) store.addTime(i, 2000000000, kC);
    const std::string text = reportText(store, kC);
    EXPECT_TRUE(text.ends_with("\r\nTotal Average: 2000000.00")) << text.substr(text.size() - 40);
}

TEST(Report, NegativeMeansShowButDoNotCount) {
    TimeStore store;
    store.addTime(0, -1500, kC);
    store.addTime(1, 700, kC);
    const std::string text = reportText(store, kC);
    EXPECT_TRUE(text.starts_with("avg: -1.50, std: 0.00, num: 1\r\navg: 0.70, std: 0.00, num: 1\r\n"));
    EXPECT_TRUE(text.ends_with("Total Average: 0.70"));
}
