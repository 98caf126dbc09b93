#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "TempDir.h"
#include "session/SessionFile.h"

using kestive::LoadResult;
using kestive::NumberFormat;
using kestive::parseSession;
using kestive::TimeStore;

namespace {
const NumberFormat kC{};
const std::string kHeader = "recorded on 3/14/07 9:05:31 PM\r\n";

std::vector<std::int32_t> timesOf(const TimeStore& store, int pll) {
    const auto span = store.timesOf(pll);
    return {span.begin(), span.end()};
}

// Parses text that must be good and returns its store.
TimeStore good(const std::string& text) {
    const LoadResult r = parseSession(text, "good.pll", kC);
    EXPECT_FALSE(r.error) << r.error->message();
    EXPECT_TRUE(r.session);
    return r.session ? r.session->store : TimeStore{};
}

// Parses text that must be refused, expecting the line number and a phrase of the reason.
void bad(const std::string& text, int line, const std::string& phrase) {
    const LoadResult r = parseSession(text, "bad.pll", kC);
    EXPECT_FALSE(r.session) << text;
    ASSERT_TRUE(r.error) << text;
    EXPECT_EQ(r.error->file, "bad.pll");
    EXPECT_EQ(r.error->line, line) << text;
    EXPECT_NE(r.error->what.find(phrase), std::string::npos) << r.error->what;
}

bool sameStore(const TimeStore& a, const TimeStore& b) {
    for (int i = 0; i < kestive::kCaseCount; ++i) {
        if (timesOf(a, i) != timesOf(b, i) || a.bestTime(i) != b.bestTime(i)) return false;
    }
    return a.maxAverage() == b.maxAverage() && a.timesCapacity() == b.timesCapacity();
}
}  // namespace

TEST(SessionReader, HeaderAloneIsAnEmptyStore) {
    EXPECT_TRUE(sameStore(good(kHeader), TimeStore{}));
    EXPECT_TRUE(sameStore(good("\r\n"), TimeStore{}));
    EXPECT_TRUE(sameStore(good("no line end at all"), TimeStore{}));
}

TEST(SessionReader, HeaderIsDroppedUnreadEvenWhenItLooksLikeACaseLine) {
    const TimeStore store = good("0:500,600,\r\n1:700,\r\n");
    EXPECT_EQ(store.timeCount(0), 0);
    EXPECT_EQ(timesOf(store, 1), (std::vector<std::int32_t>{700}));
}

TEST(SessionReader, TheTrailingCommaRule) {
    EXPECT_EQ(good(kHeader + "7:\r\n").timeCount(7), 0);
    EXPECT_EQ(good(kHeader + "7:850\r\n").timeCount(7), 0);
    EXPECT_EQ(timesOf(good(kHeader + "7:850,920\r\n"), 7), (std::vector<std::int32_t>{850}));
    EXPECT_EQ(timesOf(good(kHeader + "7:850,920,\r\n"), 7), (std::vector<std::int32_t>{850, 920}));
    // The last piece is ignored whatever it holds.
    EXPECT_EQ(timesOf(good(kHeader + "7:850,920,garbage\r\n"), 7), (std::vector<std::int32_t>{850, 920}));
}

TEST(SessionReader, LinesWithFewerThanTwoPiecesAreSkippedBeforeTheCaseTextIsRead) {
    const TimeStore store = good(kHeader + "abc:\r\n:\r\n99:\r\nxyz:123\r\n-5:7\r\n3:100,\r\n");
    EXPECT_EQ(timesOf(store, 3), (std::vector<std::int32_t>{100}));
}

TEST(SessionReader, EmptyLinesAnywhereAreSkipped) {
    const TimeStore store = good(kHeader + "\r\n\r\n2:705,\r\n\r\n\n3:1,2,\r\n\r\n");
    EXPECT_EQ(timesOf(store, 2), (std::vector<std::int32_t>{705}));
    EXPECT_EQ(timesOf(store, 3), (std::vector<std::int32_t>{1, 2}));
}

TEST(SessionReader, EverythingAfterASecondColonIsIgnored) {
    const TimeStore store = good(kHeader + "4:100,200,:999,abc,:x\r\n");
    EXPECT_EQ(timesOf(store, 4), (std::vector<std::int32_t>{100, 200}));
    // A second ":" that leaves fewer than two pieces skips the line.
    EXPECT_EQ(good(kHeader + "4:100:200,300,\r\n").timeCount(4), 0);
}

TEST(SessionReader, AnyOrderAndRepeatedCasesGatherLineByLine) {
    const TimeStore store = good(kHeader + "9:3,4,\r\n1:10,\r\n9:1,2,\r\n0:5,\r\n1:20,30,\r\n");
    EXPECT_EQ(timesOf(store, 9), (std::vector<std::int32_t>{3, 4, 1, 2}));
    EXPECT_EQ(timesOf(store, 1), (std::vector<std::int32_t>{10, 20, 30}));
    EXPECT_EQ(timesOf(store, 0), (std::vector<std::int32_t>{5}));
}

TEST(SessionReader, BlanksAroundNumbersAndFractionsCutDown) {
    const TimeStore store =
        good(kHeader + " 3 :  100 ,\t200\t,+7,100.7,-3.5,-0.0,5.,.5,-.5,-7,\r\n56.9:1,\r\n");
    EXPECT_EQ(timesOf(store, 3), (std::vector<std::int32_t>{100, 200, 7, 100, -4, 0, 5, 0, -1, -7}));
    EXPECT_EQ(timesOf(store, 56), (std::vector<std::int32_t>{1}));
}

TEST(SessionReader, LfAndCrLfLineEndsReadTheSame) {
    const std::string crlf = kHeader + "0:843,620,911,\r\n1:\r\n2:705,\r\n56:\r\n";
    std::string lf;
    for (const char c : crlf) {
        if (c != '\r') lf += c;
    }
    EXPECT_TRUE(sameStore(good(crlf), good(lf)));
    EXPECT_EQ(timesOf(good(lf), 0), (std::vector<std::int32_t>{843, 620, 911}));
    // A last line without a line end still counts.
    EXPECT_EQ(timesOf(good(kHeader + "5:1,2,"), 5), (std::vector<std::int32_t>{1, 2}));
}

TEST(SessionReader, LoadingFollowsTheStoreRulesAndKeepsTheLastFeedback) {
    const LoadResult r =
        parseSession(kHeader + "0:900,901,\r\n5:700,650,\r\n5:20000,\r\n6:1,\r\n", "f.pll", kC);
    ASSERT_TRUE(r.session);
    const TimeStore& store = r.session->store;
    EXPECT_EQ(store.maxAverage(), 7117);  // (700 + 650 + 20000) / 3 = 7116.67
    EXPECT_EQ(store.timesCapacity(), 2);
    EXPECT_EQ(store.bestTime(0), 900);
    EXPECT_EQ(store.bestTime(5), 650);
    EXPECT_EQ(store.bestTime(6), 1);
    EXPECT_EQ(store.bestTime(7), 10000);
    // The last time that met a record was 20000 against 650; case 6's first time gives no feedback.
    ASSERT_TRUE(r.session->lastFeedback);
    EXPECT_EQ(r.session->lastFeedback->text, "That was 19350 ms worse than your record, 0.65");
    EXPECT_EQ(r.session->lastFeedback->colour, (kestive::Rgb{0, 0, 255}));

    const LoadResult none = parseSession(kHeader + "0:900,\r\n1:800,\r\n", "f.pll", kC);
    ASSERT_TRUE(none.session);
    EXPECT_FALSE(none.session->lastFeedback);
}

TEST(SessionReader, RefusesAnEmptyFile) {
    bad("", 0, "empty");
}

TEST(SessionReader, RefusesANonEmptyLineWithoutColon) {
    bad(kHeader + "0:1,\r\n3 100,200,\r\n", 3, "\":\"");
    bad(kHeader + " \r\n", 2, "\":\"");
    bad(kHeader + "\r\n\r\nrubbish", 4, "\":\"");
}

TEST(SessionReader, RefusesABadCaseNumberOnALineWithTimes) {
    bad(kHeader + "x:100,\r\n", 2, "not a decimal number");
    bad(kHeader + ":100,200,\r\n", 2, "not a decimal number");
    bad(kHeader + "1e1:100,\r\n", 2, "not a decimal number");
    bad(kHeader + "57:100,\r\n", 2, "outside 0..56");
    bad(kHeader + "-1:100,\r\n", 2, "outside 0..56");
    bad(kHeader + "-0.5:100,\r\n", 2, "outside 0..56");
    bad(kHeader + "99999999999999999999999:100,\r\n", 2, "outside 0..56");
}

TEST(SessionReader, RefusesATimePieceThatIsNoNumber) {
    bad(kHeader + "1:100,abc,\r\n", 2, "time 2");
    bad(kHeader + "1:100,,200,\r\n", 2, "time 2");
    bad(kHeader + "1:,200,\r\n", 2, "time 1");
    bad(kHeader + "1:   ,200,\r\n", 2, "not a decimal number");
    for (const std::string piece : {"1e3", "0x10", "--5", "5 5", "+", "-", ".", "1.2.3", "12a",
                                    "\xC2\xA0"
                                    "5"}) {
        bad(kHeader + "1:" + piece + ",\r\n", 2, "not a decimal number");
    }
}

TEST(SessionReader, TimesMustFit32Bits) {
    const TimeStore store = good(kHeader + "1:2147483647,-2147483648,2147483647.9,-2147483647.5,\r\n");
    EXPECT_EQ(timesOf(store, 1),
              (std::vector<std::int32_t>{2147483647, -2147483647 - 1, 2147483647, -2147483647 - 1}));
    bad(kHeader + "1:2147483648,\r\n", 2, "32-bit");
    bad(kHeader + "1:5,-2147483649,\r\n", 2, "time 2");
    bad(kHeader + "1:-2147483648.5,\r\n", 2, "32-bit");
    bad(kHeader + "1:99999999999999999999999999,\r\n", 2, "32-bit");
}

TEST(SessionReader, AtMost32767TimesPerCaseOverAllItsLines) {
    std::string line = "12:";
    for (int k = 0; k < 32767; ++k) line += std::to_string(500 + k % 100) + ",";
    const TimeStore full = good(kHeader + line + "\r\n");
    EXPECT_EQ(full.timeCount(12), 32767);
    bad(kHeader + line + "\r\n12:1,\r\n", 3, "32767");
    bad(kHeader + line + "5,\r\n", 2, "32767");
}

TEST(SessionReader, ErrorMessageNamesFileLineAndFault) {
    const LoadResult r = parseSession(kHeader + "\r\n58:1,\r\n", "dec13.pll", kC);
    ASSERT_TRUE(r.error);
    EXPECT_EQ(r.error->line, 3);
    EXPECT_EQ(r.error->message(), "dec13.pll, line 3: the case number \"58\" is outside 0..56");
    const kestive::SessionError noLine{"x.pll", 0, "cannot open: No such file or directory"};
    EXPECT_EQ(noLine.message(), "x.pll: cannot open: No such file or directory");
}

TEST(SessionReader, ReadsFilesAndNamesTheFileOnFailure) {
    TempDir dir;
    writeFile(dir / "a.pll", kHeader + "3:1,2,\r\n");
    const LoadResult ok = kestive::readSession(dir / "a.pll", kC);
    ASSERT_TRUE(ok.session);
    EXPECT_EQ(timesOf(ok.session->store, 3), (std::vector<std::int32_t>{1, 2}));

    const LoadResult missing = kestive::readSession(dir / "missing.pll", kC);
    ASSERT_TRUE(missing.error);
    EXPECT_FALSE(missing.session);
    EXPECT_EQ(missing.error->file, (dir / "missing.pll").string());
    EXPECT_NE(missing.error->what.find("No such file"), std::string::npos) << missing.error->what;

    const LoadResult folder = kestive::readSession(dir.path(), kC);
    ASSERT_TRUE(folder.error);
    EXPECT_FALSE(folder.session);

    writeFile(dir / "damaged.pll", kHeader + "3:1,2,\r\n4:x,\r\n");
    const LoadResult damaged = kestive::readSession(dir / "damaged.pll", kC);
    ASSERT_TRUE(damaged.error);
    EXPECT_EQ(damaged.error->line, 3);
    EXPECT_EQ(damaged.error->file, (dir / "damaged.pll").string());
}

TEST(SessionRoundTrip, WrittenTextReadsBackToTheSameTimes) {
    std::mt19937 gen(7);
    std::uniform_int_distribution<std::int32_t> time(-2147483647 - 1, 2147483647);
    std::uniform_int_distribution<int> count(0, 40);
    TimeStore store;
    for (int i = 0; i < kestive::kCaseCount; ++i) {
        const int n = i == 13 ? 0 : count(gen);
        for (int k = 0; k < n; ++k) store.addTime(i, k % 3 == 0 ? time(gen) : 400 + k, kC);
    }
    const TimeStore back = good(kestive::sessionText(store, "12/6/2026 9:00:00 PM"));
    for (int i = 0; i < kestive::kCaseCount; ++i) EXPECT_EQ(timesOf(back, i), timesOf(store, i)) << i;
    EXPECT_TRUE(sameStore(back, store));
}
