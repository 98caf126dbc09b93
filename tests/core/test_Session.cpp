// Session files: the text written, every quirk and refusal of the reader, and saving without damage.
#include <gtest/gtest.h>
#include <sys/resource.h>

#include <csignal>

#include "../fuzz/SessionInvariants.h"
#include "TestFiles.h"
#include "session/SessionFile.h"

using namespace kestive;
using namespace std::string_literals;

namespace {
const NumberFormat kC{};
const std::string H = "recorded on 3/14/07 9:05:31 PM\r\n";
constexpr std::int32_t kMax = INT32_MAX, kMin = INT32_MIN;

std::vector<std::int32_t> timesOf(const TimeStore& store, int pll) {
    return {store.timesOf(pll).begin(), store.timesOf(pll).end()};
}
}  // namespace

TEST(SessionReader, QuirksOfGoodFiles) {
    const std::tuple<std::string, int, std::vector<std::int32_t>> rows[] = {
        {"1:5,6,\r\n1:700,\r\n", 1, {700}},              // the header is dropped unread
        {"h\r3:1,2,\r4:5,\r", 3, {}},                    // a lone CR ends no line
        {H + "7:\r\n7:850\r\n7:850,920\r\n", 7, {850}},  // the piece after the last comma is ignored
        {H + "7:850,920,garbage", 7, {850, 920}},
        // Lines with fewer than two pieces are skipped before their case text is read; so are empty ones.
        {H + "abc:\r\n:\r\n99:\r\nxyz:123\r\n-5:7\r\n\r\n\n3:100,\r\n\r\n", 3, {100}},
        {H + "4:100,200,:999,abc,:x\r\n4:1:2,3,\r\n", 4, {100, 200}},  // all after a second ":" is ignored
        {H + "9:3,4,\r\n1:10,\r\n9:1,2,\r\n", 9, {3, 4, 1, 2}},        // any order, cases repeated
        {"h\n 3 :  100 ,\t200\t,+7,100.7,-3.5,-0.0,5.,.5,-.5,\n", 3, {100, 200, 7, 100, -4, 0, 5, 0, -1}},
        {"h\n56.9:2147483647,-2147483648,2147483647.9,-2147483647.5,", 56, {kMax, kMin, kMax, kMin}}};
    for (const auto& [text, pll, times] : rows) {
        const LoadResult r = parseSession(text, "good.pll", kC);
        ASSERT_TRUE(r.session) << text << r.error->message();
        EXPECT_EQ(timesOf(r.session->store, pll), times) << text;
    }
    // Loading keeps the store's rules; the last record comparison leaves its feedback.
    const LoadResult r = parseSession(H + "0:900,901,\r\n5:700,650,\r\n5:20000,\r\n6:1,\r\n", "f.pll", kC);
    const TimeStore& store = r.session->store;
    EXPECT_EQ(std::tuple(store.maxAverage(), store.timesCapacity(), store.bestTime(5)),
              std::tuple(7117, 2, 650));
    EXPECT_EQ(r.session->lastFeedback.value_or(Feedback{}),
              (Feedback{"That was 19350 ms worse than your record, 0.65", {0, 0, 255}}));
}

TEST(SessionReader, RefusesABadFileNamingTheLineAndTheFault) {
    std::string full = "12:";
    for (int k = 0; k < kMaxTimesPerCase; ++k) full += "500,";
    std::vector<std::tuple<std::string, int, std::string>> rows = {
        {"", 0, "empty"},
        {H + "0:1,\r\n3 100,200,\r\n", 3, "\":\""},
        {H + "\r\n\r\nrubbish", 4, "\":\""},
        {"h\r\n\r\n\r\r\n", 3, "\":\""},  // a line of just CR is not empty
        {H + ":100,200,", 2, "not a decimal number"},
        {H + "57:100,", 2, "outside 0..56"},
        {H + "-0.5:100,", 2, "outside 0..56"},
        {H + "99999999999999999999999:100,", 2, "outside 0..56"},
        {H + "1:100,,200,", 2, "time 2"},
        {H + "1:2147483648,", 2, "32-bit"},
        {H + "1:5,-2147483649,", 2, "time 2"},
        {H + "1:-2147483648.5,", 2, "32-bit"},
        {H + "1:99999999999999999999999999,", 2, "32-bit"},
        {H + full + "\r\n12:1,\r\n", 3, "32767"},
        {H + full + "5,\r\n", 2, "32767"}};
    for (const auto& piece :
         {"1e3"s, "0x10"s, "--5"s, "5 5"s, "+"s, "-"s, "."s, "1.2.3"s, "12a"s, "   "s, "\u00A05"s, "1\0002"s})
        rows.emplace_back(H + "1:" + piece + ",\r\n", 2, "not a decimal number");
    for (const auto& [text, line, phrase] : rows) {
        const LoadResult r = parseSession(text, "bad.pll", kC);
        ASSERT_TRUE(r.error && !r.session) << text;
        EXPECT_EQ(std::tuple(r.error->file, r.error->line), std::tuple("bad.pll", line)) << text;
        EXPECT_NE(r.error->what.find(phrase), std::string::npos) << r.error->what;
    }
    EXPECT_EQ(parseSession(H + "\r\n58:1,", "dec13.pll", kC).error->message(),
              "dec13.pll, line 3: the case number \"58\" is outside 0..56");
}

TEST(SessionWriter, HeaderAnd57CaseLinesEachEndingInCrLf) {
    std::string empty = "recorded on 6.12.2026  21:00 \r\n";  // line ends in the date cannot split the header
    for (int i = 0; i < 57; ++i) empty += std::to_string(i) + ":\r\n";
    EXPECT_EQ(sessionText(TimeStore{}, "6.12.2026\r\n21:00\n"), empty);
    TimeStore store;
    for (const auto& [pll, time] : {std::pair{0, 843}, {0, 620}, {0, 911}, {2, 705}, {56, -12}})
        store.addTime(pll, time, kC);
    const std::string text = sessionText(store, "today");
    EXPECT_TRUE(text.starts_with("recorded on today\r\n0:843,620,911,\r\n1:\r\n2:705,\r\n3:\r\n")) << text;
    EXPECT_TRUE(text.ends_with("\r\n55:\r\n56:-12,\r\n")) << text;
}

TEST(SessionWriter, SaveReplacesAFileThatReadsBackToTheSameTimes) {
    TimeStore store;
    for (int k = 0; k < 2000; ++k) store.addTime(k % 57, static_cast<std::int32_t>(k * 2654435761u), kC);
    TempDir dir;
    writeFile(dir / "s.pll", "old session");
    const auto privateFile = fs::perms::owner_read | fs::perms::owner_write;  // stays private when replaced
    fs::permissions(dir / "s.pll", privateFile);
    ASSERT_FALSE(saveSession(dir / "s.pll", store, "now"));
    EXPECT_EQ(fs::status(dir / "s.pll").permissions(), privateFile);
    const LoadResult back = readSession(dir / "s.pll", kC);
    ASSERT_TRUE(back.session);
    EXPECT_EQ(sessionText(back.session->store, "now"), sessionText(store, "now"));  // every time, in order
    // A name without a folder is saved in the current folder.
    const fs::path previous = fs::current_path();
    fs::current_path(dir.path);
    EXPECT_FALSE(saveSession("relative.pll", store, "now"));
    fs::current_path(previous);
    EXPECT_EQ(readFile(dir / "relative.pll"), sessionText(store, "now"));
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.path), {}), 2);  // no temporary file is left
}

TEST(SessionWriter, FailuresAreReportedAndLeaveWhatExistedIntact) {
    TempDir dir;
    writeFile(dir / "keep.pll", "previous session");
    TimeStore store;
    for (int k = 0; k < 2000; ++k) store.addTime(k % 57, 123456 + k, kC);
    const fs::path missing = dir / "no-such-folder" / "a.pll";
    const auto error = saveSession(missing, store, "d");
    ASSERT_TRUE(error);
    EXPECT_EQ(error->message().find(missing.string() + ": "), 0u) << error->message();
    EXPECT_NE(error->what.find("No such file or directory"), std::string::npos) << error->what;
    // A file size limit makes the write fail half-way, as a full disk would, even for root.
    rlimit old{};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &old), 0);
    rlimit small = old;
    small.rlim_cur = 1024;
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    const auto halfWritten = saveSession(dir / "keep.pll", store, "d");
    ::setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, oldHandler);
    ASSERT_TRUE(halfWritten);
    EXPECT_NE(halfWritten->what.find("cannot write"), std::string::npos) << halfWritten->what;
    EXPECT_EQ(readFile(dir / "keep.pll"), "previous session");
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.path), {}), 1);  // no temporary file is left
}

TEST(SessionReader, KeptFuzzInputsKeepEveryRule) {
    int checked = 0;
    for (const char* folder : {KESTIVE_FUZZ_REGRESSIONS, KESTIVE_FUZZ_CORPUS}) {
        for (const auto& entry : fs::directory_iterator(folder)) {
            EXPECT_EQ(sessionInvariantBroken(readFile(entry.path())), "") << entry.path();
            ++checked;
        }
    }
    EXPECT_GE(checked, 10);
}
