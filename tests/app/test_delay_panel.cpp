#include <gtest/gtest.h>

#include "Fakes.h"

using namespace kestive;
using namespace kestive::test;

TEST(Delay, WaitsForEventsWithTheRemainingTimeAsDeadline) {
    Rig rig;
    rig.pump.step = 300;
    EXPECT_TRUE(rig.trainer->delay(1000));
    EXPECT_EQ(rig.pump.waits, (std::vector<std::int32_t>{1000, 700, 400, 100}));
    EXPECT_EQ(rig.ticks.value, 6000);
}

TEST(Delay, ZeroOrLessReturnsAtOnceWithoutPumping) {
    Rig rig;
    EXPECT_TRUE(rig.trainer->delay(0));
    EXPECT_TRUE(rig.trainer->delay(-5));
    EXPECT_EQ(rig.pump.calls, 0);
}

TEST(Delay, ReturnsFalseAsSoonAsTheWindowCloses) {
    Rig rig;
    rig.pump.step = 10;
    rig.pump.at[3] = {[&] { rig.trainer->Command4_Click(); }};
    EXPECT_FALSE(rig.trainer->delay(1000));
    EXPECT_EQ(rig.pump.calls, 3);
}

TEST(Delay, CrossesTheWrapOfTheTickCounter) {
    Rig rig;
    rig.ticks.value = 2147483647 - 100;
    rig.pump.step = 150;
    EXPECT_TRUE(rig.trainer->delay(1000));
    EXPECT_EQ(rig.pump.calls, 7);
}

namespace {
void keep(Rig& rig, int c, std::int32_t ms) { rig.state().store.addTime(c, ms, NumberFormat{}); }
}  // namespace

TEST(Panel, BarsAreScaledByTheLargestMean) {
    Rig rig;
    rig.load();
    keep(rig, 0, 900);
    keep(rig, 1, 450);
    keep(rig, 2, 700);
    keep(rig, 2, 701);  // mean 700.5 shows as 700 (tie to even)
    rig.trainer->drawTime(0);
    ASSERT_EQ(rig.state().store.maxAverage(), 900);

    auto bar = [&](int c) {
        for (const auto& op : rig.avg[c].ops)
            if (op.kind == "fill") return op;
        ADD_FAILURE() << "no bar in case " << c;
        return FakeBox::Op{};
    };
    EXPECT_DOUBLE_EQ(bar(0).x2, 1215.0);  // the largest mean fills the box
    EXPECT_DOUBLE_EQ(bar(1).x2, 607.5);   // half the mean, half the outer width
    EXPECT_EQ(bar(1).colour, (Rgb{255, 0, 0}));
    EXPECT_DOUBLE_EQ(bar(0).x1, 0.0);
    EXPECT_DOUBLE_EQ(bar(0).y2, 495.0);  // over the box's full height
    EXPECT_DOUBLE_EQ(bar(3).x2, 0.0);    // no times: length 0
    EXPECT_EQ(rig.avglabel[2].text, "Avg: 0.70");
    EXPECT_EQ(rig.numlabel[2].text, "Num: 2");
    EXPECT_EQ(rig.stdlabel[2].text, "Std: 0.00");

    // The grid is drawn over the bar: 13 lines at 0, 100, ..., 1200, dark grey, full height.
    std::vector<double> xs;
    for (const auto& op : rig.avg[1].ops)
        if (op.kind == "line") {
            xs.push_back(op.x1);
            EXPECT_EQ(op.x1, op.x2);
            EXPECT_EQ(op.colour, (Rgb{50, 50, 50}));
        }
    ASSERT_EQ(xs.size(), 13u);
    for (int k = 0; k < 13; ++k) EXPECT_EQ(xs[k], 100.0 * k);
    EXPECT_EQ(rig.avg[1].ops.front().kind, "fill");

    // A new largest mean shrinks every other bar at the next redraw.
    keep(rig, 4, 1800);
    rig.trainer->drawTime(4);
    EXPECT_DOUBLE_EQ(bar(0).x2, 607.5);
}

TEST(Panel, ClickingAPictureTogglesTheCaseAndRedrawsEverything) {
    Rig rig;
    rig.load();
    keep(rig, 40, 1000);
    keep(rig, 40, 1100);
    rig.trainer->pll_Click(40);
    EXPECT_FALSE(rig.state().caseEnabled[40]);
    // Disabled: one green fill of the inner area, no grid, labels still up to date.
    ASSERT_EQ(rig.avg[40].ops.size(), 1u);
    const auto& fill = rig.avg[40].ops[0];
    EXPECT_EQ(fill.kind, "fill");
    EXPECT_EQ(fill.colour, (Rgb{0, 255, 0}));
    EXPECT_DOUBLE_EQ(fill.x2, 1185.0);
    EXPECT_DOUBLE_EQ(fill.y2, 465.0);
    EXPECT_EQ(rig.numlabel[40].text, "Num: 2");
    EXPECT_EQ(rig.avglabel[40].text, "Avg: 1.05");
    EXPECT_EQ(rig.stdlabel[40].text, "Std: 0.05");

    rig.trainer->pll_Click(40);
    EXPECT_TRUE(rig.state().caseEnabled[40]);
    EXPECT_EQ(rig.avg[40].count("line"), 13);
    EXPECT_EQ(rig.avg[40].ops[0].colour, (Rgb{255, 0, 0}));

    // A redraw for any index updates every case.
    keep(rig, 5, 500);
    rig.trainer->drawTime(40);
    EXPECT_EQ(rig.numlabel[5].text, "Num: 1");

    rig.trainer->pll_Click(57);  // not a case: ignored
    rig.trainer->pll_Click(-1);
    for (bool e : rig.state().caseEnabled) EXPECT_TRUE(e);
}

TEST(Panel, PicturesAreNamedByCaseNumber) {
    EXPECT_EQ(Trainer::pictureFileName(0), "oll01print.gif");
    EXPECT_EQ(Trainer::pictureFileName(8), "oll09print.gif");
    EXPECT_EQ(Trainer::pictureFileName(9), "oll10print.gif");
    EXPECT_EQ(Trainer::pictureFileName(56), "oll57print.gif");
}
