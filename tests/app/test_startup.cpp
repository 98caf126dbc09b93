#include <gtest/gtest.h>

#include "Fakes.h"

using namespace kestive;
using namespace kestive::test;

TEST(StartUp, RunsItsStepsInOrderAndLeavesTheTrainerIdle) {
    Rig rig;
    rig.trainer->Form_Load();
    const Log& log = rig.log;

    // Pictures first, in case order, named after the case number.
    EXPECT_EQ(log.find("pll0 load oll01print.gif"), 0);
    EXPECT_GE(log.find("pll8 load oll09print.gif"), 0);
    EXPECT_GE(log.find("pll9 load oll10print.gif"), 0);
    const int lastLoad = log.find("pll56 load oll57print.gif");
    const int shown = log.find("show");
    const int focused = log.find("focus command1");
    const int firstGrid = log.find("avg0 line");
    const int firstBar = log.find("avg0 fill");
    ASSERT_GE(lastLoad, 0);
    EXPECT_LT(lastLoad, shown);
    EXPECT_LT(shown, focused);
    EXPECT_LT(focused, firstGrid);
    // Every box has its grid before the first redraw of the panel.
    EXPECT_LT(log.find("avg56 line"), firstBar);
    // drawTime runs once for every case index, each call redrawing all 57 cases.
    EXPECT_EQ(log.countPrefix("avg40 fill"), 57);
    EXPECT_EQ(log.count("avglabel40 = Avg: 0.00"), 57);

    const TrainerState& s = rig.state();
    EXPECT_EQ(s.drillState, kIdle);
    EXPECT_EQ(s.currentCase, 0);
    EXPECT_EQ(s.lastTime, 0);
    for (int i = 0; i < kCaseCount; ++i) {
        EXPECT_TRUE(s.caseEnabled[i]);
        EXPECT_EQ(s.store.bestTime(i), kNoRecord);
        EXPECT_EQ(s.store.timeCount(i), 0);
        EXPECT_EQ(rig.numlabel[i].text, "Num: 0");
        EXPECT_EQ(rig.stdlabel[i].text, "Std: 0.00");
        // Empty store: the bar has length 0 and the grid shows.
        EXPECT_EQ(rig.avg[i].count("line"), 13);
    }
    EXPECT_EQ(s.store.maxAverage(), 0);
    EXPECT_EQ(s.store.timesCapacity(), 0);
    EXPECT_EQ(rig.focus, "command1");
    EXPECT_FALSE(rig.trainer->attemptWaiting());
    EXPECT_TRUE(rig.messenger.messages.empty());
    EXPECT_EQ(rig.pump.calls, 0);  // start-up lets no event through
}

TEST(StartUp, MissingPicturesAreNamedInOneMessageAndTheDrillStillWorks) {
    Rig rig;
    rig.missing = {"oll03print.gif", "oll57print.gif"};
    rig.trainer->Form_Load();
    ASSERT_EQ(rig.messenger.messages.size(), 1u);
    const std::string& m = rig.messenger.messages[0];
    EXPECT_NE(m.find("oll03print.gif"), std::string::npos);
    EXPECT_NE(m.find("oll57print.gif"), std::string::npos);
    EXPECT_EQ(m.find("oll04print.gif"), std::string::npos);
    EXPECT_EQ(rig.trainer->missingPictures(), "oll03print.gif, oll57print.gif");
    EXPECT_FALSE(rig.pll[2].hasPicture);
    EXPECT_TRUE(rig.pll[3].hasPicture);

    // Case 2 (no picture) can still be drilled.
    rig.random.values = {2.0f / 57.0f + 0.001f};
    rig.waitTime.value = "0";
    rig.trainer->Command1_Click();
    EXPECT_EQ(rig.state().drillState, kTiming);
    EXPECT_EQ(rig.state().currentCase, 2);
}

TEST(ShutDown, ExitQuitAndCloseAllUnloadTheSecondaryWindows) {
    for (int how = 0; how < 3; ++how) {
        Rig rig;
        rig.load();
        int cancel = 0;
        if (how == 0) rig.trainer->Command4_Click();
        if (how == 1) rig.trainer->mnuQuit_Click();
        if (how == 2) rig.trainer->Form_Unload(cancel);  // the close box
        EXPECT_EQ(cancel, 0);
        EXPECT_TRUE(rig.trainer->unloaded());
        EXPECT_EQ(rig.log.count("destroy secondary"), 1) << how;
        EXPECT_EQ(rig.log.count("close"), how == 2 ? 0 : 1) << how;
    }
}
