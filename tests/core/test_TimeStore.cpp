// SPDX-License-Identifier: GPL-3.0-or-later
// The time store: records and the comparisons with them, the bar scale, the table's growth, means and
// deviations. The case pick: candidate floor(r * 57), one new draw per disabled candidate, and the
// production source.
#include <gtest/gtest.h>

#include <cmath>

#include "app/CasePick.h"
#include "stats/TimeStore.h"

using namespace kestive;

TEST(TimeStore, RecordsAndTheComparisonsWithThem) {
    using K = RecordComparison::Kind;
    // {time, comparison, difference, the record compared with, record after}: 10 s or more is never a
    // record; the first time below it becomes one without a comparison. Differences do not wrap.
    const std::tuple<std::int32_t, K, std::int64_t, std::int32_t, std::int32_t> steps[] = {
        {10000, K::None, 0, 10000, 10000},
        {10001, K::None, 0, 10000, 10000},  // above 10 s: still no record, so no comparison next either
        {1234, K::None, 0, 10000, 1234},
        {1234, K::Worse, 0, 1234, 1234},
        {1500, K::Worse, 266, 1234, 1234},
        {780, K::Beat, 454, 1234, 780},
        {INT32_MIN, K::Beat, 2147484428, 780, INT32_MIN},
        {INT32_MAX, K::Worse, 4294967295, INT32_MIN, INT32_MIN}};
    TimeStore store;
    for (const auto& [time, kind, difference, compared, record] : steps) {
        SCOPED_TRACE(time);
        const KeepResult r = store.addTime(9, time);
        ASSERT_TRUE(r);
        EXPECT_EQ(std::tuple(r->kind, r->difference, r->record), std::tuple(kind, difference, compared));
        EXPECT_EQ(store.bestTime(9), record);
    }
}

TEST(TimeStore, BarScaleNeverFalls) {
    // {case, time, maxAverage after it}: a tie rounds to even, 900.5 down and 1801.5 up.
    const int steps[][3] = {{5, 100, 100}, {5, 200, 150}, {7, 300, 300},   {7, 400, 350},  {5, 500, 350},
                            {1, 900, 900}, {1, 901, 900}, {2, 1801, 1801}, {2, 1802, 1802}};
    TimeStore store;
    for (const auto& [pll, time, max] : steps) {
        store.addTime(pll, time);
        EXPECT_EQ(store.maxAverage(), max) << time;
    }
    store.clear();  // back to the empty store
    EXPECT_EQ(std::tuple(store.maxAverage(), store.timeCount(5), store.bestTime(5)), std::tuple(0, 0, 10000));
}

TEST(TimeStore, MeanAndDeviationAboutTheGivenRoundedMean) {
    TimeStore store;
    const std::int32_t adds[][2] = {{8, 800},         {8, 801},         {21, INT32_MAX}, {21, INT32_MAX},
                                    {20, 2000000000}, {20, 2000000000}, {20, 2000000001}};
    for (const auto& [pll, time] : adds) store.addTime(pll, time);
    EXPECT_NEAR(store.std(8, 800), std::sqrt(0.001 * 0.001 / 2), 1e-15);  // not about the mean 800.5
    // Sums past 32 bits give the true mean.
    EXPECT_NEAR(store.average(20), 2000000000 + 1.0 / 3, 1e-6);
    EXPECT_EQ(std::tuple(store.roundedMean(21), store.std(21, INT32_MAX)), std::tuple(INT32_MAX, 0));
}

// Sums of squares past 64 bits, of large positive and large negative times: five at the extreme and
// one 6 ms nearer zero deviate by 1, 1, 1, 1, 1 and 5 ms from the rounded mean, sqrt(30 / 6) ms in all.
TEST(TimeStore, DeviationStaysExactPast64Bits) {
    for (const std::int32_t sign : {1, -1}) {
        SCOPED_TRACE(sign > 0 ? "times near INT32_MAX" : "times near -INT32_MAX");
        TimeStore store;
        for (int k = 0; k < 5; ++k) store.addTime(3, sign * INT32_MAX);
        store.addTime(3, sign * (INT32_MAX - 6));
        EXPECT_EQ(store.roundedMean(3), sign * (INT32_MAX - 1));
        EXPECT_NEAR(store.std(3, sign * (INT32_MAX - 1)), std::sqrt(5.0) / 1000, 1e-12);
    }
}

TEST(TimeStore, RefusesABadCaseOrA32768thTimeAndStaysIntact) {
    TimeStore store;
    for (int k = 0; k < kMaxTimesPerCase; ++k) ASSERT_TRUE(store.addTime(30, 1000 + k % 7));
    for (const int pll : {-1, 57, 1000, 30}) {
        const KeepResult r = store.addTime(pll, 1);
        ASSERT_FALSE(r) << pll;
        EXPECT_EQ(r.error(), pll == 30 ? Refusal::CaseFull : Refusal::BadCase) << pll;
    }
    EXPECT_EQ(std::tuple(store.timeCount(-1), store.timeCount(57), store.bestTime(1000)),
              std::tuple(0, 0, 10000));
    EXPECT_EQ(std::tuple(store.timeCount(30), store.average(30), store.bestTime(30), store.maxAverage()),
              std::tuple(32767, 1003, 1000, 1003));
}

namespace {
// Plays back scripted draws and counts them; a draw beyond the script fails the test.
struct Scripted final : RandomSource {
    explicit Scripted(std::vector<float> d = {}) : draws(std::move(d)) {}
    std::vector<float> draws;
    std::size_t used = 0;
    float next() override { return draws.at(used++); }
};
}  // namespace

TEST(CasePick, CandidateIsFloorOfTheDrawTimes57AndEachRejectionCostsADraw) {
    std::array<bool, kCaseCount> enabled{};
    enabled.fill(true);
    // A source out of its contract (1, negative, NaN) still gives a case in the table.
    const std::pair<float, int> draws[] = {{0.5f, 28},     {0.0f, 0},  {std::nextafter(1.0f, 0.0f), 56},
                                           {1.5f / 57, 1}, {1.0f, 56}, {-0.5f, 0},
                                           {NAN, 0}};
    for (const auto& [r, pick] : draws) {
        Scripted random({r});
        EXPECT_EQ(pickCase(enabled, random), pick) << "draw " << r;
    }
    enabled.fill(false);
    Scripted none;
    EXPECT_FALSE(pickCase(enabled, none));  // nothing enabled: nothing picked, nothing drawn
    enabled[5] = true;
    Scripted rejected({0.5f, 0.5f, 0.99f, 0.1f});
    EXPECT_EQ(pickCase(enabled, rejected), 5);
    EXPECT_EQ(rejected.used, 4u);
}

TEST(CasePick, ClockSeededDrawsStayBelowOneAndCoverEveryCase) {
    ClockSeededRandom random;
    std::array<int, kCaseCount> hits{};
    for (int i = 0; i < 570000; ++i) {
        const float r = random.next();
        ASSERT_TRUE(r >= 0.0f && r < 1.0f) << r;
        ++hits[static_cast<std::size_t>(r * 57.0)];
    }
    // 10000 expected per case with a deviation near 100: 20% either way never happens by chance.
    EXPECT_GT(*std::min_element(hits.begin(), hits.end()), 8000);
    EXPECT_LT(*std::max_element(hits.begin(), hits.end()), 12000);
}
