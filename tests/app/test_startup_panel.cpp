// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "Fakes.h"
#include "cases/CasePicture.h"

using namespace kestive;
using namespace kestive::test;

TEST(StartUp, LoadsEveryPictureBeforeTheWindowShowsAndDrawsEveryCase) {
    Rig rig;
    rig.t->Form_Load();
    const auto shown = std::ranges::find(rig.log, "show");
    EXPECT_EQ(std::count_if(rig.log.begin(), shown,
                            [](const std::string& e) { return e.find(" load ") != e.npos; }),
              kCaseCount);
    EXPECT_TRUE(rig.waits.empty());  // no event is let through
    for (int i = 0; i < kCaseCount; ++i) {
        EXPECT_EQ(rig.numlabel[i].value + " " + rig.stdlabel[i].value, "Num: 0 Std: 0.00");
        EXPECT_EQ(rig.avg[i].ops.size(), 14u);  // a bar of length 0 and the grid
    }
}

TEST(StartUp, APictureTheWorkingFolderLacksComesFromTheInstalledFoldersInTheirOrder) {
    Rig rig({"work", "/inst", "/build/cases"});
    rig.pictureFiles =
        std::set<std::string>{"work/oll01print.gif", "/inst/oll01print.gif", "/inst/oll02print.gif",
                              "/build/cases/oll02print.gif", "/build/cases/oll03print.gif"};
    for (int i = 3; i < 56; ++i) rig.pictureFiles->insert("/inst/" + casePictureFileName(i));
    rig.t->Form_Load();
    const auto tried = [&](int i) {
        std::string files;
        for (const std::string& entry : rig.log)
            if (entry.starts_with("pll" + std::to_string(i) + " load "))
                files += entry.substr(entry.rfind(' ')) + ";";
        return files;
    };
    EXPECT_EQ(tried(0), " work/oll01print.gif;");  // the working folder wins: its picture may be rotated
    EXPECT_EQ(tried(1), " work/oll02print.gif; /inst/oll02print.gif;");
    EXPECT_EQ(tried(2), " work/oll03print.gif; /inst/oll03print.gif; /build/cases/oll03print.gif;");
    EXPECT_EQ(tried(56), " work/oll57print.gif; /inst/oll57print.gif; /build/cases/oll57print.gif;");
    EXPECT_EQ(rig.log.back(),  // shown once the window is up and drawn
              "message These case pictures were not found, so their boxes stay empty: oll57print.gif. Looked "
              "for in: work, /inst, /build/cases.");
    // Found nowhere: the message still names where it looked.
    Rig none({"work"});
    none.pictureFiles = std::set<std::string>{};
    none.t->Form_Load();
    EXPECT_TRUE(none.log.back().ends_with(", oll57print.gif. Looked for in: work.")) << none.log.back();
}

TEST(Panel, BarsScaleByTheLargestMeanUnderAGridAndDisabledCasesAreGreen) {
    Rig rig;
    rig.load();
    for (auto [c, ms] : {std::pair{0, 1200}, {1, 600}, {2, 834}, {2, 835}, {40, 1000}, {40, 1100}})
        rig.keep(c, ms);
    rig.t->pll_Click(40);                       // disables case 40 and redraws every case
    EXPECT_EQ(rig.avg[1].ops.at(0).x2, 607.5);  // half the largest mean: half the box
    EXPECT_EQ(rig.avg[0].ops.at(0).x2, 1215.0);
    EXPECT_EQ(rig.avg[3].ops.at(0).x2, 0.0);
    EXPECT_EQ(rig.avg[40].ops, (std::vector<Op>{{"fill", 0, 0, 1185, 465, {0, 255, 0}}}));  // no grid
    EXPECT_EQ(rig.avglabel[2].value + " " + rig.numlabel[2].value, "Avg: 0.83 Num: 2");     // 834.5 to even
    EXPECT_EQ(rig.avglabel[40].value + " " + rig.stdlabel[40].value, "Avg: 1.05 Std: 0.05");

    rig.t->pll_Click(40);
    rig.keep(4, 2400);     // a new largest mean shrinks the other bars
    rig.t->pll_Click(57);  // not cases: ignored
    rig.t->pll_Click(-1);
    EXPECT_EQ(rig.avg[0].ops.at(0).x2, 607.5);
    EXPECT_EQ(rig.numlabel[4].value, "Num: 1");
    EXPECT_EQ(std::ranges::count(rig.state().caseEnabled, true), kCaseCount);
}
