// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "../core/FailingDisk.h"
#include "../core/TestFiles.h"
#include "Fakes.h"

using namespace kestive;
using namespace kestive::test;

namespace {
// The trainer keeping its times on disk in folder, as one run of the program.
struct DiskRig : Rig {
    FailingDisk disk;
    UnsavedTimes unsaved;
    explicit DiskRig(const fs::path& folder)
        : unsaved{disk, folder / ".kestive-unsaved-1-1.journal", folder, [](std::time_t) { return "DATE"; }} {
        platform.unsaved = &unsaved;
        t.emplace(controls, platform);  // the trainer again, keeping its times on disk
    }
};
constexpr Rgb kRed{255, 0, 0}, kBlue{0, 0, 255};
}  // namespace

// On a disk that refuses the journal the drill goes on as ever; while times are on no disk (after a last
// try to write them) Exit asks, and the answer decides whether the program ends. That each refused keep is
// told in red, and that saving first or quitting and losing them ends the program, is seen end to end (the
// faults test); where the times went, in the journal's own test.
TEST(KeptOnDisk, ExitAsksWhileTimesAreOnNoDisk) {
    const std::string ask = "ask before quit, 2 not on disk";
    const struct Row {
        const char* name;
        QuitChoice choice;
        bool saveWorks, journalWorks, sessionWorks;  // at Exit
        Log log;
    } rows[] = {
        {"stay", QuitChoice::StayOpen, true, false, false, {ask, "stays"}},
        {"save first, cancelled", QuitChoice::SaveFirst, false, false, false, {ask, "save now", "stays"}},
        {"the journal works again", QuitChoice::StayOpen, true, true, false, {"closed"}},
        {"only a session file can be written", QuitChoice::StayOpen, true, false, true, {"closed"}}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        TempDir dir;
        DiskRig rig(dir.path);
        rig.load();
        rig.disk.failReplace = rig.disk.failSession = true;  // a full disk
        rig.keep(28, 800);
        rig.keep(28, 900);
        EXPECT_EQ(rig.state().store.timeCount(28), 2);
        EXPECT_EQ(rig.command1.value + " " + rig.focus, "START command1");
        rig.disk.failReplace = !row.journalWorks;
        rig.disk.failSession = !row.sessionWorks;
        rig.quitChoice = row.choice;
        rig.saveWorks = row.saveWorks;
        rig.log.clear();
        rig.play("X");
        EXPECT_EQ(rig.log, row.log);
    }
}

// What a load says about the times it puts aside first and about the journal of the loaded ones. It never
// replaces times that could not first be put in a file of their own.
TEST(KeptOnDisk, ALoadSaysWhereUnsavedTimesWentAndWhetherTheLoadedOnesAreSafe) {
    const std::string went = "Before the load, your unsaved times went to unsaved-", lost = "Times not safe";
    struct Row {
        const char* name;
        bool unsaved, failedBefore, failJournal, failSession;
        const char* shown;  // the start of the line; "-": left as it was
        Rgb colour;
    };
    for (const Row& r : {
             Row{"nothing unsaved", false, false, false, false, "-", {}},
             {"nothing unsaved, journal not written", false, false, true, false, lost.c_str(), kRed},
             {"unsaved put aside", true, false, false, false, went.c_str(), kBlue},
             {"unsaved put aside, journal not written", true, false, true, false, went.c_str(), kRed},
             {"unsaved put aside, journal failure told before", true, true, true, false, went.c_str(), kBlue},
             {"unsaved, no file can take them: not loaded", true, false, false, true, "-", {}},
         }) {
        SCOPED_TRACE(r.name);
        TempDir dir;
        writeFile(dir / "other.pll", "recorded on today\r\n3:1000,\r\n");
        DiskRig rig(dir.path);
        rig.load();
        if (r.unsaved) rig.keep(28, 700);
        rig.disk.failAppend = rig.disk.failReplace = r.failedBefore;
        if (r.failedBefore) rig.keep(28, 800);
        rig.label5.value = "-";
        rig.disk.failReplace = r.failJournal;
        rig.disk.failSession = r.failSession;
        const auto loaded = rig.t->loadfile(dir / "other.pll");
        EXPECT_EQ(rig.state().store.timeCount(3), r.failSession ? 0 : 1);
        EXPECT_TRUE(rig.label5.value.starts_with(r.shown)) << rig.label5.value;
        EXPECT_EQ(rig.label5.colour, r.colour);
        const bool bothSaid =
            rig.label5.value.find(lost) != std::string::npos && rig.label5.value.starts_with(went);
        EXPECT_EQ(bothSaid, r.unsaved && r.failJournal && !r.failedBefore);
        if (!r.failSession) continue;
        ASSERT_FALSE(loaded);
        EXPECT_EQ(rig.state().store.timeCount(28), 1);  // the unsaved time stays
        EXPECT_EQ(loaded.error().message().find((dir / "other.pll").string() + ": not loaded, because"), 0u);
        EXPECT_NE(loaded.error().what.find("No space left"), std::string::npos) << loaded.error().what;
        rig.disk.failSession = false;
        EXPECT_TRUE(rig.t->loadfile(dir / "other.pll"));
    }
}

// The start tells of journals left behind: the files their times went to (in blue, seen end to end); in
// red that one cannot be read, which is kept as it is.
TEST(UnsavedTimesNotices, TheStartTellsWhereLeftTimesWentOrInRedThatAJournalCannotBeRead) {
    for (const std::string times : {"3:700,", "hello"}) {
        SCOPED_TRACE(times);
        TempDir dir;
        writeFile(dir / ".kestive-unsaved-9-9.journal", "recorded on x\r\n" + times + "\r\n");
        DiskRig rig(dir.path);
        rig.t->Form_Load();
        const std::vector<std::string> files = namesIn(dir.path);
        if (times != "hello") {
            EXPECT_EQ(rig.label5.value, UnsavedTimesNotices::unsavedTimesFrom(files));
            continue;
        }
        EXPECT_TRUE(rig.label5.value.starts_with("Unsaved times of last time not recovered: "))
            << rig.label5.value;
        EXPECT_EQ(rig.label5.colour, kRed);
        EXPECT_EQ(files, std::vector<std::string>{".kestive-unsaved-9-9.journal"});
    }
}
