// SPDX-License-Identifier: GPL-3.0-or-later
// The case pick: candidate floor(r * 57), one new draw per disabled candidate, and the production source.
#include <gtest/gtest.h>

#include <cmath>

#include "app/CasePick.h"

using namespace kestive;

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
