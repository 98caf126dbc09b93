#include <gtest/gtest.h>

#include "Fakes.h"
#include "cases/CasePicture.h"

using namespace kestive;
using namespace kestive::test;

TEST(StartUp, LoadsThePicturesShowsFocusesStartThenDrawsTheGridsAndThePanel) {
    Rig rig;
    rig.t->Form_Load();
    const Log& log = rig.log;
    for (auto [i, file] : {std::pair{0, "oll01print.gif"},
                           {8, "oll09print.gif"},
                           {9, "oll10print.gif"},
                           {56, "oll57print.gif"}})
        EXPECT_EQ(log.at(i), "pll" + std::to_string(i) + " load " + file);
    EXPECT_EQ(log.at(57), "show");
    EXPECT_EQ(log.at(58), "command1 focus");
    EXPECT_EQ(log.at(59), "avg0 line");
    EXPECT_EQ(log.at(58 + 57 * 13), "avg56 line");          // every grid before the first redraw
    EXPECT_EQ(std::ranges::count(log, "avg40 clear"), 57);  // drawTime for every index redraws all
    EXPECT_TRUE(rig.waits.empty());                         // no event is let through
    for (int i = 0; i < kCaseCount; ++i) {
        EXPECT_TRUE(rig.state().caseEnabled[i]);
        EXPECT_EQ(rig.numlabel[i].value + " " + rig.stdlabel[i].value, "Num: 0 Std: 0.00");
        EXPECT_EQ(rig.avg[i].ops.size(), 14u);  // a bar of length 0 and the grid
    }
}

TEST(StartUp, APictureTheWorkingFolderLacksComesFromTheInstalledFoldersInTheirOrder) {
    Rig rig(NumberFormat(), {"work", "/inst", "/build/cases"});
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
    EXPECT_EQ(rig.t->missingPictures(), "oll57print.gif");
    const std::string message = rig.log.back();  // shown once the window is up and drawn
    EXPECT_TRUE(
        message.starts_with("message These case pictures were not found, so their boxes stay empty: "
                            "oll57print.gif. Looked for in: "))
        << message;
    EXPECT_TRUE(message.ends_with("Looked for in: work, /inst, /build/cases.")) << message;

    Rig found(NumberFormat(), {"/inst"});
    found.pictureFiles = std::set<std::string>{};
    for (int i = 0; i < kCaseCount; ++i) found.pictureFiles->insert("/inst/" + casePictureFileName(i));
    found.t->Form_Load();
    EXPECT_EQ(found.t->missingPictures(), "");
    EXPECT_EQ(std::ranges::count_if(found.log, [](const std::string& e) { return e.starts_with("message"); }),
              0);
}

TEST(Panel, BarsScaleByTheLargestMeanUnderAGridAndDisabledCasesAreGreen) {
    Rig rig;
    rig.load();
    for (auto [c, ms] : {std::pair{0, 1200}, {1, 600}, {2, 700}, {2, 701}, {40, 1000}, {40, 1100}})
        rig.keep(c, ms);
    rig.t->pll_Click(40);                       // disables case 40 and redraws every case
    EXPECT_EQ(rig.avg[1].ops.at(0).x2, 607.5);  // half the largest mean: half the box
    EXPECT_EQ(rig.avg[0].ops.at(0).x2, 1215.0);
    EXPECT_EQ(rig.avg[3].ops.at(0).x2, 0.0);
    EXPECT_EQ(rig.avg[40].ops, (std::vector<Op>{{"fill", 0, 0, 1185, 465, {0, 255, 0}}}));  // no grid
    EXPECT_EQ(rig.avglabel[2].value + " " + rig.numlabel[2].value, "Avg: 0.70 Num: 2");     // 700.5 to even
    EXPECT_EQ(rig.avglabel[40].value + " " + rig.stdlabel[40].value, "Avg: 1.05 Std: 0.05");

    rig.t->pll_Click(40);
    rig.keep(4, 2400);     // a new largest mean shrinks the other bars
    rig.t->pll_Click(57);  // not cases: ignored
    rig.t->pll_Click(-1);
    EXPECT_EQ(rig.avg[0].ops.at(0).x2, 607.5);
    EXPECT_EQ(rig.numlabel[4].value, "Num: 1");
    EXPECT_EQ(rig.avg[40].ops.size(), 14u);
    EXPECT_EQ(std::ranges::count(rig.state().caseEnabled, true), kCaseCount);
}

TEST(Panel, TiedMeansShowRoundedToEven) {
    Rig rig;
    rig.load();
    rig.waitTime.value = "0";
    rig.draw = 3.5f / 57;
    rig.play("S 834 S A S 835 S A");  // 834.5 ms: 834
    rig.draw = 4.5f / 57;
    rig.play("S 835 S A S 836 S A");  // 835.5 ms: 836
    EXPECT_EQ(rig.avglabel[3].value, "Avg: 0.83");
    EXPECT_EQ(rig.avglabel[4].value, "Avg: 0.84");
}
