#include <gtest/gtest.h>

#include <cmath>
#include <deque>
#include <stdexcept>

#include "app/CasePick.h"

using kestive::pickCase;

namespace {
// Plays back a scripted sequence of draws and counts them.
class ScriptedRandom final : public kestive::RandomSource {
public:
    explicit ScriptedRandom(std::deque<float> draws) : draws_(std::move(draws)) {}
    float next() override {
        if (draws_.empty()) throw std::runtime_error("more draws than scripted");
        ++used;
        const float r = draws_.front();
        draws_.pop_front();
        return r;
    }
    int used = 0;

private:
    std::deque<float> draws_;
};

std::array<bool, kestive::kCaseCount> allEnabled() {
    std::array<bool, kestive::kCaseCount> a{};
    a.fill(true);
    return a;
}
}  // namespace

TEST(CasePick, CandidateIsFloorOfDrawTimes57) {
    auto enabled = allEnabled();
    ScriptedRandom r({0.5f, 0.0f, std::nextafter(1.0f, 0.0f), 1.5f / 57, 0.9999f});
    EXPECT_EQ(pickCase(enabled, r), 28);
    EXPECT_EQ(pickCase(enabled, r), 0);
    EXPECT_EQ(pickCase(enabled, r), 56);
    EXPECT_EQ(pickCase(enabled, r), 1);
    EXPECT_EQ(pickCase(enabled, r), 56);
    EXPECT_EQ(r.used, 5);
}

TEST(CasePick, DisabledCandidateCostsOneNewDraw) {
    auto enabled = allEnabled();
    enabled[28] = false;
    ScriptedRandom r({0.5f, 0.5f, 0.5f, 0.1f});
    EXPECT_EQ(pickCase(enabled, r), 5);  // floor(0.1 * 57)
    EXPECT_EQ(r.used, 4);
}

TEST(CasePick, OnlyEnabledCaseIsReturned) {
    std::array<bool, kestive::kCaseCount> enabled{};
    enabled[40] = true;
    std::deque<float> draws;
    for (int i = 0; i < 57; ++i) draws.push_back(static_cast<float>(i) / 57.0f + 0.001f);
    ScriptedRandom r(draws);
    EXPECT_EQ(pickCase(enabled, r), 40);
    EXPECT_EQ(r.used, 41);
}

TEST(CasePick, NoEnabledCaseGivesNothingWithoutDrawing) {
    std::array<bool, kestive::kCaseCount> none{};
    ScriptedRandom r({});
    EXPECT_FALSE(pickCase(none, r));
    EXPECT_EQ(r.used, 0);
}

TEST(CasePick, SourceOutsideItsRangeStillGivesAValidCase) {
    auto enabled = allEnabled();
    ScriptedRandom r({1.0f, -0.5f, NAN});
    EXPECT_EQ(pickCase(enabled, r), 56);
    EXPECT_EQ(pickCase(enabled, r), 0);
    EXPECT_EQ(pickCase(enabled, r), 0);
}

TEST(ClockSeededRandom, DrawsStayBelowOneAndCoverEveryCase) {
    kestive::ClockSeededRandom random;
    std::array<int, kestive::kCaseCount> hits{};
    constexpr int kDraws = 570000;
    for (int i = 0; i < kDraws; ++i) {
        const float r = random.next();
        ASSERT_GE(r, 0.0f);
        ASSERT_LT(r, 1.0f);
        ++hits[static_cast<std::size_t>(std::floor(r * 57.0))];
    }
    // 10000 expected per case; the standard deviation is about 100, so 20% either way never happens by
    // chance.
    for (const int h : hits) {
        EXPECT_GT(h, 8000);
        EXPECT_LT(h, 12000);
    }
}

TEST(ClockSeededRandom, TwoSourcesDrawDifferentSequences) {
    kestive::ClockSeededRandom a, b;
    int same = 0;
    for (int i = 0; i < 20; ++i) same += a.next() == b.next();
    EXPECT_LT(same, 20);
}
