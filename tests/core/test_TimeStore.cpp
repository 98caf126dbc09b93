#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>
#include <vector>

#include "stats/TimeStore.h"

using kestive::Feedback;
using kestive::NumberFormat;
using kestive::Rgb;
using kestive::TimeStore;

namespace {
const NumberFormat kC{};
const Rgb kRed{255, 0, 0};
const Rgb kBlue{0, 0, 255};

// The deviation as the trainer's table defines it: a double sum of (t/1000 - avg/1000)^2.
double naiveStd(const std::vector<std::int32_t>& times, std::int32_t avg) {
    if (times.empty()) return 0;
    double sum = 0;
    for (const auto t : times) {
        const double d = t / 1000.0 - avg / 1000.0;
        sum += d * d;
    }
    return std::sqrt(sum / static_cast<double>(times.size()));
}

// A reference with (almost) no rounding: exact integer differences, squares summed in long double.
double carefulStd(const std::vector<std::int32_t>& times, std::int32_t avg) {
    if (times.empty()) return 0;
    long double sum = 0;
    for (const auto t : times) {
        const auto d = static_cast<long double>(std::int64_t{t} - avg);
        sum += d * d;
    }
    return static_cast<double>(std::sqrt(sum / times.size()) / 1000);
}
}  // namespace

TEST(TimeStore, EmptyStore) {
    TimeStore store;
    EXPECT_EQ(store.maxAverage(), 0);
    EXPECT_EQ(store.timesCapacity(), 0);
    for (int i = 0; i < kestive::kCaseCount; ++i) {
        EXPECT_EQ(store.timeCount(i), 0);
        EXPECT_EQ(store.bestTime(i), 10000);
        EXPECT_EQ(store.times(i, 0), 0);
        EXPECT_EQ(store.average(i), 0.0);
        EXPECT_EQ(store.std(i, 0), 0.0);
        EXPECT_EQ(store.std(i, 500), 0.0);
        EXPECT_TRUE(store.timesOf(i).empty());
    }
}

TEST(TimeStore, FirstTimeBecomesTheRecordWithoutFeedback) {
    TimeStore store;
    const auto r = store.addTime(3, 930, kC);
    EXPECT_TRUE(r.stored);
    EXPECT_TRUE(r.error.empty());
    EXPECT_FALSE(r.feedback);
    EXPECT_EQ(store.bestTime(3), 930);
}

TEST(TimeStore, TimesOfTenSecondsOrMoreNeverBecomeRecords) {
    TimeStore store;
    EXPECT_FALSE(store.addTime(4, 10000, kC).feedback);
    EXPECT_EQ(store.bestTime(4), 10000);
    EXPECT_FALSE(store.addTime(4, 25000, kC).feedback);
    EXPECT_EQ(store.bestTime(4), 10000);
    // The next time below 10000 ms becomes the record, still without feedback.
    EXPECT_FALSE(store.addTime(4, 9999, kC).feedback);
    EXPECT_EQ(store.bestTime(4), 9999);
    EXPECT_EQ(store.timeCount(4), 3);
}

TEST(TimeStore, EqualToTheRecordIsBlueZeroMsWorse) {
    TimeStore store;
    store.addTime(0, 930, kC);
    const auto r = store.addTime(0, 930, kC);
    ASSERT_TRUE(r.feedback);
    EXPECT_EQ(*r.feedback, (Feedback{"That was 0 ms worse than your record, 0.93", kBlue}));
    EXPECT_EQ(store.bestTime(0), 930);
}

TEST(TimeStore, WorseTimeNamesTheRecordInTheUsersFormat) {
    const NumberFormat comma{",", "", 3, true, "-"};
    TimeStore store;
    store.addTime(9, 1234, kC);
    const auto r = store.addTime(9, 1500, comma);
    ASSERT_TRUE(r.feedback);
    EXPECT_EQ(r.feedback->text, "That was 266 ms worse than your record, 1,23");
    EXPECT_EQ(r.feedback->colour, kBlue);
}

TEST(TimeStore, BeatingTheRecordIsRedAndMovesTheRecord) {
    TimeStore store;
    store.addTime(12, 900, kC);
    const auto r = store.addTime(12, 780, kC);
    ASSERT_TRUE(r.feedback);
    EXPECT_EQ(*r.feedback, (Feedback{"You beat your previous record by 120 milliseconds!", kRed}));
    EXPECT_EQ(store.bestTime(12), 780);
}

TEST(TimeStore, RecordDifferencesDoNotWrapAround) {
    TimeStore store;
    store.addTime(1, 5000, kC);
    const auto beat = store.addTime(1, std::numeric_limits<std::int32_t>::min(), kC);
    ASSERT_TRUE(beat.feedback);
    EXPECT_EQ(beat.feedback->text, "You beat your previous record by 2147488648 milliseconds!");
    const auto worse = store.addTime(1, std::numeric_limits<std::int32_t>::max(), kC);
    ASSERT_TRUE(worse.feedback);
    EXPECT_EQ(worse.feedback->text, "That was 4294967295 ms worse than your record, -2147483.65");
}

TEST(TimeStore, MaxAverageNeverFallsAndIsRoundedTieToEven) {
    TimeStore store;
    store.addTime(0, 900, kC);
    EXPECT_EQ(store.maxAverage(), 900);
    store.addTime(0, 300, kC);  // mean 600
    store.addTime(0, 600, kC);
    EXPECT_EQ(store.maxAverage(), 900);
    // 900.5 is larger than 900, and rounds back to 900.
    TimeStore tie;
    tie.addTime(2, 900, kC);
    tie.addTime(2, 901, kC);
    EXPECT_EQ(tie.average(2), 900.5);
    EXPECT_EQ(tie.maxAverage(), 900);
    tie.addTime(3, 1801, kC);
    tie.addTime(3, 1802, kC);  // 1801.5 -> 1802
    EXPECT_EQ(tie.maxAverage(), 1802);
    tie.clear();
    EXPECT_EQ(tie.maxAverage(), 0);
    EXPECT_EQ(tie.bestTime(3), 10000);
    EXPECT_EQ(tie.timeCount(3), 0);
}

TEST(TimeStore, CapacityGrowsByOneSlotWhenACountPassesIt) {
    TimeStore store;
    store.addTime(5, 100, kC);
    EXPECT_EQ(store.timesCapacity(), 0);
    store.addTime(5, 200, kC);
    store.addTime(7, 300, kC);
    EXPECT_EQ(store.timesCapacity(), 1);
    store.addTime(7, 400, kC);
    EXPECT_EQ(store.timesCapacity(), 1);
    store.addTime(5, 500, kC);
    EXPECT_EQ(store.timesCapacity(), 2);
    // Slots from the count up to the capacity read 0; the kept times read back in order.
    EXPECT_EQ(store.times(5, 0), 100);
    EXPECT_EQ(store.times(5, 2), 500);
    EXPECT_EQ(store.times(7, 1), 400);
    EXPECT_EQ(store.times(7, 2), 0);
    EXPECT_EQ(store.times(0, 2), 0);
    EXPECT_EQ(store.times(5, 3), 0);
    EXPECT_EQ(store.times(5, -1), 0);
    EXPECT_EQ(store.times(57, 0), 0);
    EXPECT_EQ(store.times(-1, 0), 0);
}

TEST(TimeStore, AverageAndStdOfTheWorkedExample) {
    TimeStore store;
    store.addTime(0, 600, kC);
    store.addTime(0, 700, kC);
    EXPECT_EQ(store.average(0), 650.0);
    EXPECT_EQ(store.roundedMean(0), 650);
    EXPECT_NEAR(store.std(0, 650), 0.05, 1e-15);
    // One time: no spread about its own mean.
    store.addTime(1, 777, kC);
    EXPECT_EQ(store.std(1, 777), 0.0);
    EXPECT_NEAR(store.std(1, 700), 0.077, 1e-15);
}

TEST(TimeStore, DeviationIsAboutTheRoundedMeanTheCallerGives) {
    TimeStore store;
    store.addTime(8, 800, kC);
    store.addTime(8, 801, kC);
    EXPECT_EQ(store.roundedMean(8), 800);
    EXPECT_NEAR(store.std(8, 800), std::sqrt(0.001 * 0.001 / 2), 1e-15);
}

TEST(TimeStore, StdMatchesANaiveDoubleSumOnRandomData) {
    std::mt19937 gen(12345);
    struct Range {
        std::int32_t lo, hi;
        int count;
        bool naiveIsPrecise;  // far from zero the double formula loses digits to cancellation
    };
    const Range ranges[] = {{300, 4000, 32767, true},
                            {0, 10, 1000, true},
                            {-50000, 50000, 32767, true},
                            {-2000000000, 2000000000, 32767, false},
                            {2000000000, 2147483647, 32767, false},
                            {-2147483647 - 1, -2147483000, 500, false}};
    for (const auto& range : ranges) {
        TimeStore store;
        std::vector<std::int32_t> times;
        std::uniform_int_distribution<std::int32_t> dist(range.lo, range.hi);
        for (int k = 0; k < range.count; ++k) {
            times.push_back(dist(gen));
            ASSERT_TRUE(store.addTime(11, times.back(), kC).stored);
        }
        const std::int32_t mean = store.roundedMean(11);
        for (const std::int32_t avg : {mean, range.lo, std::int32_t{0}, range.hi}) {
            const double careful = carefulStd(times, avg);
            EXPECT_NEAR(store.std(11, avg), careful, careful * 1e-13 + 1e-18) << range.lo << " " << avg;
            if (range.naiveIsPrecise) {
                const double naive = naiveStd(times, avg);
                EXPECT_NEAR(store.std(11, avg), naive, naive * 1e-12 + 1e-15) << range.lo << " " << avg;
            }
        }
    }
}

TEST(TimeStore, SumsBeyond32BitsGiveTheTrueMean) {
    TimeStore store;
    store.addTime(20, 2000000000, kC);
    store.addTime(20, 2000000000, kC);
    store.addTime(20, 2000000001, kC);
    EXPECT_NEAR(store.average(20), 2000000000 + 1.0 / 3, 1e-6);
    EXPECT_EQ(store.roundedMean(20), 2000000000);
    EXPECT_EQ(store.maxAverage(), 2000000000);
    store.addTime(21, std::numeric_limits<std::int32_t>::max(), kC);
    store.addTime(21, std::numeric_limits<std::int32_t>::max(), kC);
    EXPECT_EQ(store.roundedMean(21), std::numeric_limits<std::int32_t>::max());
    EXPECT_EQ(store.std(21, std::numeric_limits<std::int32_t>::max()), 0.0);
}

TEST(TimeStore, RefusesACaseIndexOutsideTheTables) {
    TimeStore store;
    store.addTime(0, 500, kC);
    for (const int bad : {-1, 57, 1000, -32768}) {
        const auto r = store.addTime(bad, 400, kC);
        EXPECT_FALSE(r.stored);
        EXPECT_FALSE(r.feedback);
        EXPECT_NE(r.error.find(std::to_string(bad)), std::string::npos) << r.error;
        EXPECT_EQ(store.timeCount(bad), 0);
        EXPECT_EQ(store.average(bad), 0.0);
        EXPECT_EQ(store.bestTime(bad), 10000);
    }
    EXPECT_EQ(store.timeCount(0), 1);
    EXPECT_EQ(store.maxAverage(), 500);
    EXPECT_EQ(store.timesCapacity(), 0);
}

TEST(TimeStore, RefusesThe32768thTimeOfACase) {
    TimeStore store;
    for (int k = 0; k < kestive::kMaxTimesPerCase; ++k)
        ASSERT_TRUE(store.addTime(30, 1000 + k % 7, kC).stored);
    const double mean = store.average(30);
    const std::int32_t capacity = store.timesCapacity();
    EXPECT_EQ(capacity, 32766);
    const auto r = store.addTime(30, 1, kC);
    EXPECT_FALSE(r.stored);
    EXPECT_FALSE(r.feedback);
    EXPECT_FALSE(r.error.empty());
    EXPECT_EQ(store.timeCount(30), 32767);
    EXPECT_EQ(store.average(30), mean);
    EXPECT_EQ(store.bestTime(30), 1000);
    EXPECT_EQ(store.timesCapacity(), capacity);
    // Other cases still take times.
    EXPECT_TRUE(store.addTime(31, 1, kC).stored);
}
