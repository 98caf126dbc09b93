#include <gtest/gtest.h>

#include "Fakes.h"

using namespace kestive;
using namespace kestive::test;

namespace {
// The draw that picks case c.
float drawFor(int c) { return (static_cast<float>(c) + 0.5f) / 57.0f; }
}  // namespace

TEST(Drill, DesignValuesCountDownShowEarlyRevealAndTime) {
    Rig rig;
    rig.load();
    rig.random.values = {drawFor(27)};
    rig.label5.text = "old feedback";
    rig.pump.step = 1000;
    rig.trainer->Command1_Click();
    const Log& log = rig.log;

    EXPECT_EQ(rig.label5.text, "");
    const int two = log.find("label1 = 2");
    const int one = log.find("label1 = 1");
    ASSERT_GE(two, 0);
    ASSERT_GT(one, two);
    // "2": showWhen 1 is below the count, no picture yet; "1": the picture shows early.
    EXPECT_EQ(log.find("alg paint pll27"), log.find("alg paint pll27", one));
    const int early = log.find("alg paint pll27", one);
    const int reveal = log.find("alg paint pll27", early + 1);
    ASSERT_GT(early, one);
    ASSERT_GT(reveal, early);
    EXPECT_EQ(log.count("read showWhen"), 2);
    EXPECT_EQ(log.count("read waitTime"), 1);
    // The reveal is on screen before the caption changes and the beep sounds.
    const int shown = log.find("alg showNow", reveal);
    EXPECT_LT(shown, log.find("command1 = STOP!"));
    EXPECT_LT(log.find("command1 = STOP!"), log.find("beep"));
    EXPECT_EQ(rig.pump.calls, 2);

    const TrainerState& s = rig.state();
    EXPECT_EQ(s.drillState, kTiming);
    EXPECT_EQ(s.currentCase, 27);
    EXPECT_EQ(s.startTick, 5000 + 2000);

    rig.ticks.value += 1500;
    rig.trainer->Timer1_Timer();
    EXPECT_EQ(rig.label1.text, "1.50");

    rig.ticks.value += 7;
    rig.trainer->Command1_Click();  // STOP
    EXPECT_EQ(s.lastTime, 1507);
    EXPECT_EQ(s.drillState, kIdle);
    EXPECT_TRUE(rig.trainer->attemptWaiting());
    EXPECT_EQ(rig.focus, "command2");
    EXPECT_EQ(rig.command1.text, "STOP!");  // STOP changes nothing else
    EXPECT_EQ(rig.label1.text, "1.50");
    ASSERT_EQ(rig.trace.stops.size(), 1u);
    EXPECT_EQ(rig.trace.stops[0], std::make_pair(27, 1507));

    rig.trainer->Timer1_Timer();  // idle: nothing
    EXPECT_EQ(rig.label1.text, "1.50");

    rig.trainer->Command2_Click();  // Accept
    EXPECT_EQ(s.store.timeCount(27), 1);
    EXPECT_EQ(s.store.times(27, 0), 1507);
    EXPECT_EQ(rig.label1.text, "0.00");
    EXPECT_EQ(rig.command1.text, "START");
    EXPECT_EQ(rig.focus, "command1");
    EXPECT_EQ(rig.avg[27].count("fill"), 1);
    EXPECT_EQ(rig.avglabel[27].text, "Avg: 1.51");
    EXPECT_EQ(rig.numlabel[27].text, "Num: 1");
    EXPECT_FALSE(rig.trainer->attemptWaiting());
    EXPECT_EQ(rig.trace.keeps.size(), 1u);
}

TEST(Drill, WaitTimeDecidesTheNumberOfCountdownSteps) {
    struct Row {
        const char* wait;
        int steps;
    };
    for (const Row row : {Row{"0", 0}, Row{"-0.5", 0}, Row{"2.9", 2}, Row{"1", 1}, Row{"-32768", 0}}) {
        Rig rig;
        rig.load();
        rig.waitTime.value = row.wait;
        rig.pump.step = 1000;
        rig.trainer->Command1_Click();
        EXPECT_EQ(rig.pump.calls, row.steps) << row.wait;
        EXPECT_EQ(rig.state().drillState, kTiming) << row.wait;
        if (row.steps == 0) {
            EXPECT_EQ(rig.log.count("read showWhen"), 0) << row.wait;
            EXPECT_EQ(rig.label1.text, "0.00") << row.wait;  // keeps its text until the first tick
        }
    }
}

TEST(Drill, ShowWhenDecidesWhenThePictureShowsEarly) {
    struct Row {
        const char* showWhen;
        int paints;  // for WaitTime 2: early paints plus the reveal
    };
    for (const Row row : {Row{"2", 3}, Row{"5", 3}, Row{"1", 2}, Row{"1.9", 2}, Row{"0", 1}, Row{"-3", 1},
                          Row{"abc", 1}, Row{"", 1}}) {
        Rig rig;
        rig.load();
        rig.showWhen.value = row.showWhen;
        rig.pump.step = 1000;
        rig.trainer->Command1_Click();
        EXPECT_EQ(rig.alg.count("paint"), row.paints) << row.showWhen;
        EXPECT_EQ(rig.state().drillState, kTiming);
    }
}

TEST(Drill, StartRefusesWhatCannotBeDrilled) {
    struct Row {
        const char* wait;
        const char* message;
    };
    for (const Row row : {Row{"abc", Trainer::kWaitTimeNotANumber}, Row{"", Trainer::kWaitTimeNotANumber},
                          Row{"inf", Trainer::kWaitTimeNotANumber}, Row{"nan", Trainer::kWaitTimeNotANumber},
                          Row{"32768", Trainer::kWaitTimeOutOfRange},
                          Row{"-32768.5", Trainer::kWaitTimeOutOfRange},
                          Row{"1e10", Trainer::kWaitTimeOutOfRange}}) {
        Rig rig;
        rig.load();
        rig.waitTime.value = row.wait;
        rig.trainer->Command1_Click();
        EXPECT_EQ(rig.state().drillState, kIdle) << row.wait;
        EXPECT_EQ(rig.label5.text, row.message) << row.wait;
        EXPECT_EQ(rig.alg.count("paint"), 0);
        EXPECT_EQ(rig.pump.calls, 0);
    }

    Rig rig;
    rig.load();
    rig.state().caseEnabled.fill(false);
    rig.trainer->Command1_Click();  // would draw for ever
    EXPECT_EQ(rig.state().drillState, kIdle);
    EXPECT_EQ(rig.label5.text, Trainer::kNoCaseEnabled);
    EXPECT_EQ(rig.label5Colour.colour, (Rgb{255, 0, 0}));
    // Enabling one case makes START work again.
    rig.trainer->pll_Click(40);
    rig.waitTime.value = "0";
    rig.random.values = {0.1f, drawFor(40)};
    rig.trainer->Command1_Click();
    EXPECT_EQ(rig.state().drillState, kTiming);
    EXPECT_EQ(rig.state().currentCase, 40);
    EXPECT_EQ(rig.label5.text, "");
}

TEST(Drill, AcceptKeepsOnlyAFreshlyStoppedAttempt) {
    Rig rig;
    rig.load();
    // Before the first drill: nothing to keep, the display is reset.
    rig.label1.text = "x";
    rig.trainer->Command2_Click();
    EXPECT_EQ(rig.state().store.timeCount(0), 0);
    EXPECT_EQ(rig.label1.text, "0.00");

    rig.waitTime.value = "0";
    rig.random.values = {drawFor(3)};
    rig.trainer->Command1_Click();
    rig.ticks.value += 800;
    rig.trainer->Command1_Click();
    rig.trainer->Command2_Click();
    rig.trainer->Command2_Click();  // a second Accept keeps nothing more
    EXPECT_EQ(rig.state().store.timeCount(3), 1);

    // A discarded attempt is not kept by a later Accept.
    rig.trainer->Command1_Click();
    rig.ticks.value += 900;
    rig.trainer->Command1_Click();
    rig.trainer->Command3_Click();
    EXPECT_FALSE(rig.trainer->attemptWaiting());
    rig.trainer->Command2_Click();
    EXPECT_EQ(rig.state().store.timeCount(3), 1);

    // START after STOP without Accept drops the unkept time.
    rig.trainer->Command1_Click();
    rig.ticks.value += 700;
    rig.trainer->Command1_Click();
    EXPECT_EQ(rig.command1.text, "STOP!");
    rig.trainer->Command1_Click();  // a new drill at once
    EXPECT_EQ(rig.state().drillState, kTiming);
    EXPECT_FALSE(rig.trainer->attemptWaiting());
    rig.ticks.value += 650;
    rig.trainer->Command1_Click();
    rig.trainer->Command2_Click();
    EXPECT_EQ(rig.state().store.timeCount(3), 2);
    EXPECT_EQ(rig.state().store.times(3, 1), 650);
    // The second time of the case meets the record of the first: feedback in red.
    EXPECT_EQ(rig.label5.text, "You beat your previous record by 150 milliseconds!");
    EXPECT_EQ(rig.label5Colour.colour, (Rgb{255, 0, 0}));
}

TEST(Drill, AcceptDoesNothingWhileCountingDownOrTiming) {
    Rig rig;
    rig.load();
    rig.random.values = {drawFor(8)};
    rig.pump.step = 500;
    // A kept attempt of case 8 first, so that a wrongly credited time would show.
    rig.waitTime.value = "0";
    rig.trainer->Command1_Click();
    rig.ticks.value += 1234;
    rig.trainer->Command1_Click();
    rig.trainer->Command2_Click();
    ASSERT_EQ(rig.state().store.timeCount(8), 1);

    rig.waitTime.value = "2";
    int clearsBefore = -1;
    rig.pump.at[1] = {[&] {
        clearsBefore = rig.log.count("alg clear");
        rig.trainer->Command2_Click();
        EXPECT_EQ(rig.log.count("alg clear"), clearsBefore);
        EXPECT_EQ(rig.state().drillState, kCountingDown);
    }};
    rig.trainer->Command1_Click();
    EXPECT_GE(clearsBefore, 0);
    EXPECT_EQ(rig.state().drillState, kTiming);
    rig.trainer->Command2_Click();  // while timing
    EXPECT_EQ(rig.state().drillState, kTiming);
    EXPECT_EQ(rig.command1.text, "STOP!");
    EXPECT_EQ(rig.state().store.timeCount(8), 1);
}

TEST(Drill, StartWhileCountingDownDoesNothing) {
    Rig rig;
    rig.load();
    rig.pump.at[2] = {[&] { rig.trainer->Command1_Click(); }};
    rig.trainer->Command1_Click();
    EXPECT_EQ(rig.random.draws, 1);
    EXPECT_EQ(rig.log.count("beep"), 1);
    EXPECT_EQ(rig.state().drillState, kTiming);
}

TEST(Drill, DiscardWhileCountingDownAbortsTheDrill) {
    Rig rig;
    rig.load();
    rig.pump.step = 400;
    rig.pump.at[1] = {[&] { rig.trainer->Command3_Click(); }};
    rig.trainer->Command1_Click();
    EXPECT_EQ(rig.state().drillState, kIdle);
    EXPECT_EQ(rig.alg.count("paint"), 0);
    EXPECT_EQ(rig.log.count("beep"), 0);
    EXPECT_EQ(rig.command1.text, "START");
    EXPECT_EQ(rig.label1.text, "0.00");
    EXPECT_EQ(rig.focus, "command1");
    // The aborted countdown returned at the end of its wait without another step.
    EXPECT_EQ(rig.log.count("label1 = 1"), 0);

    // A new START inside the aborted drill's wait runs on its own, and the old one stays quiet.
    Rig nested;
    nested.load();
    nested.pump.step = 400;
    nested.pump.at[1] = {[&] {
        nested.trainer->Command3_Click();
        nested.waitTime.value = "0";
        nested.trainer->Command1_Click();
    }};
    nested.trainer->Command1_Click();
    EXPECT_EQ(nested.state().drillState, kTiming);
    EXPECT_EQ(nested.log.count("beep"), 1);
    EXPECT_EQ(nested.log.count("command1 = STOP!"), 1);
}

TEST(Drill, DiscardWhileTimingStopsTheClockAndKeepsNothing) {
    Rig rig;
    rig.load();
    rig.waitTime.value = "0";
    rig.trainer->Command1_Click();
    rig.ticks.value += 300;
    rig.trainer->Timer1_Timer();
    EXPECT_EQ(rig.label1.text, "0.30");
    rig.trainer->Command3_Click();
    EXPECT_EQ(rig.state().drillState, kIdle);
    EXPECT_EQ(rig.command1.text, "START");
    EXPECT_EQ(rig.label1.text, "0.00");
    EXPECT_EQ(rig.focus, "command1");
    rig.ticks.value += 300;
    rig.trainer->Timer1_Timer();
    EXPECT_EQ(rig.label1.text, "0.00");
    rig.trainer->Command2_Click();
    for (int i = 0; i < kCaseCount; ++i) EXPECT_EQ(rig.state().store.timeCount(i), 0);
    // The next press is START again.
    rig.trainer->Command1_Click();
    EXPECT_EQ(rig.state().drillState, kTiming);
}

TEST(Drill, ClosingDuringTheCountdownTouchesNoControlAfterwards) {
    for (int how = 0; how < 2; ++how) {
        Rig rig;
        rig.load();
        int linesAtClose = -1;
        rig.pump.at[2] = {[&] {
            if (how == 0) rig.trainer->Command4_Click();
            else rig.trainer->mnuQuit_Click();
            linesAtClose = static_cast<int>(rig.log.lines.size());
        }};
        rig.trainer->Command1_Click();
        EXPECT_EQ(static_cast<int>(rig.log.lines.size()), linesAtClose);
        EXPECT_EQ(rig.pump.calls, 2);  // the wait ended at once
        EXPECT_TRUE(rig.trainer->unloaded());
        // Late timer ticks and clicks do nothing either.
        rig.trainer->Timer1_Timer();
        rig.trainer->Command1_Click();
        rig.trainer->Command2_Click();
        rig.trainer->Command3_Click();
        EXPECT_EQ(static_cast<int>(rig.log.lines.size()), linesAtClose);
    }
}

TEST(Drill, TimesAreRightAcrossTheWrapOfTheTickCounter) {
    Rig rig;
    rig.load();
    rig.waitTime.value = "1";
    rig.ticks.value = 2147483647 - 600;
    rig.pump.step = 1000;
    rig.trainer->Command1_Click();  // the countdown itself crosses the wrap
    EXPECT_EQ(rig.state().drillState, kTiming);
    EXPECT_EQ(rig.pump.calls, 1);
    rig.ticks.value = static_cast<std::int32_t>(static_cast<std::uint32_t>(rig.ticks.value) + 2500u);
    rig.trainer->Command1_Click();
    EXPECT_EQ(rig.state().lastTime, 2500);
}
