// The report text: one CR LF line per case, then the total line when any case counts.
#include <gtest/gtest.h>

#include "stats/Report.h"

using namespace kestive;

TEST(Report, EmptyStoreAndTheWorkedExample) {
    const NumberFormat c{};
    std::string empty56;
    for (int i = 0; i < 56; ++i) empty56 += "avg: 0.00, std: 0.00, num: 0\r\n";
    EXPECT_EQ(reportText(TimeStore{}, c), empty56 + "avg: 0.00, std: 0.00, num: 0\r\n");
    TimeStore store;
    store.addTime(0, 600, c);
    store.addTime(0, 700, c);
    EXPECT_EQ(reportText(store, c), "avg: 0.65, std: 0.05, num: 2\r\n" + empty56 + "Total Average: 0.65");
}

TEST(Report, TotalIsTheMeanOfTheRoundedMeansAboveZeroInTheUsersFormat) {
    const NumberFormat comma{",", ".", 3, true, "-"};
    TimeStore store;
    // Case 0 shows a negative mean and case 2 a zero one; neither counts. Case 3's 1 ms does.
    for (const auto& [pll, time] : {std::pair{0, -1500}, {2, 0}, {2, 0}, {3, 1}})
        store.addTime(pll, time, comma);
    for (int i = 4; i < 57; ++i) store.addTime(i, 2000000000, comma);
    const std::string text = reportText(store, comma);
    EXPECT_TRUE(
        text.starts_with("avg: -1,50, std: 0,00, num: 1\r\navg: 0,00, std: 0,00, num: 0\r\n"
                         "avg: 0,00, std: 0,00, num: 2\r\navg: 0,00, std: 0,00, num: 1\r\n"
                         "avg: 2.000.000,00, std: 0,00, num: 1\r\n"))
        << text;
    // (1 + 53 * 2000000000) / 54 ms, far past 32 bits.
    EXPECT_TRUE(text.ends_with("num: 1\r\nTotal Average: 1.962.962,96")) << text.substr(text.size() - 40);
}
