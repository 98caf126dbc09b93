#include <gtest/gtest.h>

#include "app/TrainerState.h"

TEST(TrainerState, StartsIdleWithEveryCaseEnabledAndAnEmptyStore) {
    const kestive::TrainerState state;
    EXPECT_EQ(state.drillState, kestive::kIdle);
    EXPECT_EQ(state.startTick, 0);
    EXPECT_EQ(state.currentCase, 0);
    EXPECT_EQ(state.lastTime, 0);
    EXPECT_EQ(state.store.maxAverage(), 0);
    EXPECT_EQ(state.store.timesCapacity(), 0);
    for (int i = 0; i < kestive::kCaseCount; ++i) {
        EXPECT_TRUE(state.caseEnabled[static_cast<std::size_t>(i)]);
        EXPECT_EQ(state.store.timeCount(i), 0);
        EXPECT_EQ(state.store.bestTime(i), 10000);
        EXPECT_EQ(state.store.times(i, 0), 0);
    }
    // The drill states carry the numbers the cycle is known by.
    EXPECT_EQ(kestive::kTiming, 1);
    EXPECT_EQ(kestive::kCountingDown, 3);
}
