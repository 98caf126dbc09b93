#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>

#include "Fakes.h"
#include "session/SessionFile.h"

using namespace kestive;
using namespace kestive::test;

namespace {
struct TempFile {
    std::filesystem::path path = std::filesystem::temp_directory_path() /
                                 ("kestive-load-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
                                  "-" + ::testing::UnitTest::GetInstance()->current_test_info()->name() + ".pll");
    explicit TempFile(const std::string& content) { std::ofstream(path, std::ios::binary) << content; }
    ~TempFile() { std::filesystem::remove(path); }
};
}  // namespace

TEST(LoadFile, ReplacesTheStoreRedrawsThePanelAndKeepsEverythingElse) {
    TimeStore saved;
    saved.addTime(4, 900, NumberFormat{});
    saved.addTime(4, 950, NumberFormat{});  // leaves "That was 50 ms worse ..." in blue
    saved.addTime(30, 1200, NumberFormat{});
    TempFile file(sessionText(saved, "recorded today"));

    Rig rig;
    rig.load();
    rig.state().store.addTime(7, 500, NumberFormat{});
    rig.trainer->pll_Click(12);
    rig.state().lastTime = 777;

    ASSERT_FALSE(rig.trainer->loadfile(file.path));
    const TimeStore& store = rig.state().store;
    EXPECT_EQ(store.timeCount(7), 0);  // the earlier times are gone
    EXPECT_EQ(store.timeCount(4), 2);
    EXPECT_EQ(store.times(4, 1), 950);
    EXPECT_EQ(store.bestTime(4), 900);
    EXPECT_EQ(store.maxAverage(), 1200);
    EXPECT_FALSE(rig.state().caseEnabled[12]);
    EXPECT_EQ(rig.state().lastTime, 777);
    EXPECT_EQ(rig.numlabel[4].text, "Num: 2");
    EXPECT_EQ(rig.numlabel[7].text, "Num: 0");
    EXPECT_EQ(rig.label5.text, "That was 50 ms worse than your record, 0.90");
    EXPECT_EQ(rig.label5Colour.colour, (Rgb{0, 0, 255}));
    // One redraw of the whole panel, not one per case index.
    EXPECT_EQ(rig.log.count("numlabel4 = Num: 2"), 1);
}

TEST(LoadFile, AFaultyFileLeavesTheStoreAsItWas) {
    TempFile file("header\r\nnot a case line\r\n");
    Rig rig;
    rig.load();
    rig.state().store.addTime(7, 500, NumberFormat{});
    const auto error = rig.trainer->loadfile(file.path);
    ASSERT_TRUE(error);
    EXPECT_FALSE(error->message().empty());
    EXPECT_EQ(rig.state().store.timeCount(7), 1);

    const auto missing = rig.trainer->loadfile(file.path.string() + ".missing");
    EXPECT_TRUE(missing);
    EXPECT_EQ(rig.state().store.timeCount(7), 1);
}
