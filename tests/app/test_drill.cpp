// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <climits>

#include "Fakes.h"
#include "cases/OllCases.h"

using namespace kestive;
using namespace kestive::test;

TEST(Drill, CountdownWaitsForEventsShowsTheCaseEarlyThenRevealsItBeforeTheClockRuns) {
    Rig rig;
    rig.load();
    rig.draw = 27.5f / 57;
    rig.waitTime.value = "2";
    rig.showWhen.value = "0";
    rig.during[1] = [&] { rig.showWhen.value = "1"; };  // read anew at every step
    rig.ticks = INT_MAX - 1500;                         // the clock wraps during the countdown
    rig.step = 600;
    rig.alg.onShowNow = [&] { rig.pass(40); };  // the picture takes 40 ms to reach the screen
    rig.play("S");
    EXPECT_EQ(rig.log, (Log{"label5 = ", "label1 = 2", "label1 = 1", "alg paint pll27", "alg paint pll27",
                            "alg showNow", "command1 = STOP!", "beep"}));
    EXPECT_EQ(rig.waits, (std::vector<std::int32_t>{1000, 400, 1000, 400}));  // the time left as deadline
    rig.play("1507 S A");
    EXPECT_EQ(std::vector(rig.state().store.timesOf(27).begin(), rig.state().store.timesOf(27).end()),
              std::vector{1507});
}

// What each button does in each state. Steps: S START/STOP, A Accept, D Discard, X Exit, T timer tick,
// a number: that many ms pass; `during` is played inside the first second of a countdown.
TEST(Drill, StateTable) {
    struct Row {
        const char *wait, *steps, *during;
        std::int16_t state;
        int kept, resets, beeps;  // times kept, display resets
        const char* shown;        // START's caption, the running time, the focus
    };
    for (const Row& r : {
             Row{"0", "S 1500 T", "", kTiming, 0, 0, 1, "STOP! 1.50 command1"},
             {"0", "S 800 T S 900 T", "", kIdle, 0, 0, 1, "STOP! 0.80 command2"},  // STOP changes no caption
             {"0", "S 1000 T 506 T 1 P 300 T", "", kTiming, 0, 0, 1, "STOP! 1.81 command1"},
             {"0", "S 1000 T 506 T 1 P 300 T S", "", kIdle, 0, 0, 1, "STOP! 1.51 command2"},
             {"0", "S 800 S A", "", kIdle, 1, 1, 1, "START 0.00 command1"},
             {"0", "S 800 S A A", "", kIdle, 1, 2, 1, "START 0.00 command1"},
             {"0", "A", "", kIdle, 0, 1, 0, "START 0.00 command1"},  // nothing stopped yet
             {"0", "S 800 S D A", "", kIdle, 0, 2, 1, "START 0.00 command1"},
             {"0", "S 800 S S 650 S A", "", kIdle, 1, 2, 2, "START 0.00 command1"},  // START drops it
             {"0", "S 300 A", "", kTiming, 0, 0, 1, "STOP! 0.00 command1"},
             {"0", "S 300 D 300 T A", "", kIdle, 0, 2, 1, "START 0.00 command1"},
             {"2", "S", "S A", kTiming, 0, 0, 1, "STOP! 1 command1"},  // both wait for the reveal
             {"2", "S", "D", kIdle, 0, 1, 0, "START 0.00 command1"},   // aborted: no reveal
             {"2", "S", "D S", kTiming, 0, 1, 1, "STOP! 1 command1"},  // the aborted countdown stays quiet
             {"2", "S 1000 T S A D", "X", kCountingDown, 0, 0, 0, "START 2 command1"},  // closed: all still
         }) {
        Rig rig;
        rig.load();
        rig.waitTime.value = r.wait;
        rig.during[1] = [&] { rig.play(r.during); };
        rig.play(r.steps);
        const std::string row = std::string(r.steps) + " / " + r.during;
        EXPECT_EQ(rig.state().drillState, r.state) << row;
        EXPECT_EQ(rig.timerRunning, r.state == kTiming) << row;     // Timer1 sleeps outside timing
        EXPECT_EQ(rig.state().store.timeCount(28), r.kept) << row;  // the draw picks case 28
        EXPECT_EQ(std::ranges::count(rig.log, "label1 = 0.00"), r.resets) << row;
        EXPECT_EQ(std::ranges::count(rig.log, "beep"), r.beeps) << row;
        EXPECT_EQ(rig.command1.value + " " + rig.label1.value + " " + rig.focus, r.shown) << row;
    }
}

TEST(Drill, WaitTimeAndShowWhenSetCountdownAndEarlyPictureOrStartRefuses) {
    const char *nan = Trainer::kWaitTimeNotANumber, *range = Trainer::kWaitTimeOutOfRange;
    struct Row {
        const char *wait, *showWhen;
        std::size_t steps;
        int paints;
        const char* refusal;
    };
    const Row rows[] = {{"0", "1", 0, 1, ""},             // no countdown: only the reveal paints
                        {"-32768", "9", 0, 1, ""},        // the lowest wait is no countdown either
                        {"2.9", "1", 2, 2, ""},           // whole seconds, rounded down
                        {"2", "5", 2, 3, ""},             // shown from the first count
                        {"2", "1.9", 2, 2, ""},           // shown from count 1
                        {"2", "0", 2, 1, ""},             // never early
                        {"2", "abc", 2, 1, ""},           // not a number: never early
                        {"abc", "1", 0, 0, nan},          // refused: not a number
                        {"inf", "1", 0, 0, nan},          // nor is infinity
                        {"nan", "1", 0, 0, nan},          // nor NaN
                        {"32768", "1", 0, 0, range},      // refused: past the highest
                        {"-32768.5", "1", 0, 0, range}};  // rounded down past the lowest
    for (const Row& r : rows) {
        Rig rig;
        rig.load();
        rig.waitTime.value = r.wait;
        rig.showWhen.value = r.showWhen;
        rig.play("S");
        SCOPED_TRACE(std::string("wait ") + r.wait + ", show when " + r.showWhen);
        EXPECT_EQ(rig.waits.size(), r.steps);
        EXPECT_EQ(std::ranges::count(rig.log, "alg paint pll28"), r.paints);
        EXPECT_EQ(rig.state().drillState, *r.refusal ? kIdle : kTiming);
        EXPECT_EQ(rig.label5.value, r.refusal);
    }
    Rig rig;  // no case enabled: the pick would never end
    rig.load();
    for (int i = 0; i < kCaseCount; ++i) rig.t->pll_Click(i);
    rig.play("S");
    EXPECT_EQ(rig.state().drillState, kIdle);
    EXPECT_EQ(rig.label5.value, Trainer::kNoCaseEnabled);
    EXPECT_EQ(rig.label5.colour, (Rgb{255, 0, 0}));
}

// STOP counts from the moment START/STOP went down, however long it is held before the click. A press made
// while the case went onto the screen arrives after the reveal, stamped before the clock started (or with
// its very tick): it does nothing, as a press during the countdown does.
TEST(Drill, StopTakesThePressTick) {
    struct Row {
        const char *name, *wait, *steps, *during;
        std::int16_t state;
        std::int32_t lastTime;
    };
    for (const Row& r : {
             Row{"held 400 ms", "0", "S 300 P 400 S", "", kIdle, 300},
             {"released off the button", "0", "S 300 P 200 L", "", kTiming, 0},
             {"pressed again after that", "0", "S 300 P 200 L 100 P 50 S", "", kIdle, 600},
             {"two presses before one click: the later", "0", "S 300 P 100 P 50 S", "", kIdle, 400},
             {"click without a press", "0", "S 250 S", "", kIdle, 250},
             {"a lost press is not used", "0", "S 300 P 200 L 100 S", "", kIdle, 600},
             {"START's own press", "0", "P 100 S 300 S", "", kIdle, 300},
             {"held from the countdown", "2", "S 500 S", "P", kTiming, 0},
             {"countdown press let go", "2", "S 500 P 100 S", "P L", kIdle, 500},
             {"stamped before the clock started", "0", "S E10 50 S 250 P S", "", kIdle, 300},
             {"stamped with the clock's start", "0", "S E0 50 S 250 P S", "", kIdle, 300},
         }) {
        SCOPED_TRACE(r.name);
        Rig rig;
        rig.load();
        rig.waitTime.value = r.wait;
        rig.during[1] = [&] { rig.play(r.during); };
        rig.play(r.steps);
        EXPECT_EQ(rig.state().drillState, r.state);
        EXPECT_EQ(rig.state().lastTime, r.lastTime);
    }
}

// The tick of a press from the event's stamp: X11 and Wayland stamp it exactly on the counter's clock,
// Windows in steps of its tick count, so there a fresh stamp gives way to the counter.
TEST(Drill, APressTakesItsStampWhereTheStampIsNearer) {
    struct Row {
        const char* name;
        std::uint64_t stamp, stampClockNow;
        std::int32_t now, exact, coarse;
    };
    for (const Row& r : {Row{"handled at once", 9997, 10000, 10000, 9997, 10000},
                         {"waited in the queue", 9920, 10000, 10000, 9920, 9920},
                         {"a stamp of another clock", 4000, 4080, 10000, 10000, 9920},
                         {"a stamp too old to be this press", 4000, 8000, 10000, 10000, 10000},
                         {"across the wrap of the counter", 0xFFFFFFC4u, 20, 20, -60, -60}}) {
        SCOPED_TRACE(r.name);
        EXPECT_EQ(tickOfStamp(r.stamp, r.now), r.exact);
        EXPECT_EQ(tickOfCoarseStamp(r.stamp, r.stampClockNow, r.now), r.coarse);
    }
}

// After STOP the case is named; during the next drill neither the old case nor any name is to be seen.
TEST(Drill, StopNamesTheCaseUntilTheDisplayIsReset) {
    Rig rig;
    rig.load();
    rig.draw = 27.5f / 57;
    rig.waitTime.value = "0";
    rig.play("S 100 S");
    EXPECT_EQ(rig.alg.tip, ollCaseTitle(27));
    for (const char* reset : {"A", "D", "S"}) {
        SCOPED_TRACE(reset);
        rig.play(std::string("S 100 P S ") + reset);
        EXPECT_EQ(rig.alg.tip, "");
    }

    // START while the attempt waits: cleared as by Discard before the countdown's first number.
    rig.play("D 100 S 100 S");
    rig.waitTime.value = "2";
    rig.log.clear();
    std::string tipInCountdown = "unset";
    rig.during[1] = [&] { tipInCountdown = rig.alg.tip; };
    rig.play("S");
    EXPECT_EQ(tipInCountdown, "");
    EXPECT_LT(std::ranges::find(rig.log, "alg clear"), std::ranges::find(rig.log, "label1 = 2"));
    EXPECT_EQ(rig.alg.tip, "");  // timing
}

// The store's answers in words, numbers in the user's format: red when the record was beaten or the time
// refused, blue when it was missed.
TEST(FeedbackLine, PutsTheStoresAnswersIntoWords) {
    using K = RecordComparison::Kind;
    const Rgb red{255, 0, 0}, blue{0, 0, 255};
    Rig rig;
    FeedbackLine line{rig.label5, rig.label5, NumberFormat{",", ".", 3, true, "-"}};
    const auto shown = [&] { return std::pair(rig.label5.value, rig.label5.colour); };
    rig.label5.value = "as it was";
    const std::tuple<RecordComparison, std::string, Rgb> records[] = {
        {{K::None, 0, 10000}, "as it was", {}},  // first: the line as it was
        {{K::Beat, 2147484428, 780}, "You beat your previous record by 2147484428 milliseconds!", red},
        {{K::Worse, 266, 1234}, "That was 266 ms worse than your record, 1,23", blue},
        {{K::Worse, 4294967295, INT32_MIN},
         "That was 4294967295 ms worse than your record, -2.147.483,65",
         blue}};
    for (const auto& [record, text, colour] : records) {
        line.showRecord(record);
        EXPECT_EQ(shown(), std::pair(text, colour)) << text;
    }
    line.showRefusal(Refusal::CaseFull, 30);
    EXPECT_EQ(shown(),
              std::pair(std::string("case 30 already holds 32767 times, the most one case can hold"), red));
}
