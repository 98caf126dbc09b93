// SPDX-License-Identifier: GPL-3.0-or-later
// Session files: the text written, every quirk and refusal of the reader, and saving without damage.
#include <gtest/gtest.h>
#ifdef _WIN32
#include <windows.h>
#endif

#include <set>

#include "../fuzz/SessionInvariants.h"
#include "TestFiles.h"
#include "session/PathText.h"
#include "session/SessionFile.h"

using namespace kestive;
using namespace std::string_literals;

static const std::string H = "recorded on 3/14/07 9:05:31 PM\r\n";
static constexpr std::int32_t kMax = INT32_MAX, kMin = INT32_MIN;

TEST(SessionReader, QuirksOfGoodFiles) {
    const std::tuple<std::string, int, std::vector<std::int32_t>> rows[] = {
        {"1:5,6,\r\n1:700,\r\n", 1, {700}},                           // the header is dropped unread
        {"h\r3:1,2,\r4:5,\r3:7,\r\r\n", 3, {1, 2, 7}},                // a lone CR ends a line too
        {H + "7:\r\n7:850\r\n7:850,920\r\n7:1,2,x", 7, {850, 1, 2}},  // the last piece is ignored
        // Lines with fewer than two pieces are skipped before their case text is read; so are empty ones.
        {H + "abc:\r\n:\r\n99:\r\nxyz:123\r\n-5:7\r\n\r\n\n3:100,\r\n\r\n", 3, {100}},
        {H + "4:100,200,:999,abc,:x\r\n4:1:2,3,\r\n", 4, {100, 200}},  // all after a second ":" is ignored
        {H + "9:3,4,\r\n1:10,\r\n9:1,2,\r\n", 9, {3, 4, 1, 2}},        // any order, cases repeated
        {"h\n 3 :  100 ,\t200\t,+7,100.7,-3.5,-0.0,5.,.5,-.5,\n", 3, {100, 200, 7, 100, -4, 0, 5, 0, -1}},
        {"h\n56.9:2147483647,-2147483648,2147483647.9,-2147483647.5,", 56, {kMax, kMin, kMax, kMin}}};
    for (const auto& [text, pll, times] : rows) {
        const LoadResult r = parseSession(text, "good.pll");
        ASSERT_TRUE(r) << text << r.error().message();
        const auto read = r->store.timesOf(pll);
        EXPECT_EQ(std::vector(read.begin(), read.end()), times) << text;
    }
}

TEST(SessionReader, RefusesABadFileNamingTheLineAndTheFault) {
    std::string full = H + "12:";
    for (int k = 0; k < kMaxTimesPerCase; ++k) full += "500,";
    std::vector<std::tuple<std::string, int, std::string>> rows = {
        {"", 0, "empty"},
        {H + "0:1,\r\n\r\n3 100,200,\r\n", 4, "\":\""},
        {"h\r\n\r\r\nx\r", 4, "\":\""},  // CR, then CR LF: two line ends
        {"h\n\n\nx\n", 4, "\":\""},      // each LF ends a line, blank ones too
        {full + "\r\n12:1,\r\n", 3, "32767"},
        {full + "5,\r\n", 2, "32767"}};
    const std::pair<const char*, std::vector<std::string>> secondLines[] = {
        {"outside 0..56", {"57:100,", "-0.5:100,", "99999999999999999999999:100,"}},
        {"32-bit", {"1:2147483648,", "1:-2147483648.5,", "1:99999999999999999999999999,"}},
        {"time 2", {"1:100,,200,", "1:5,-2147483649,"}},
        {"not a decimal number",
         {":100,200,", "1:1e3,", "1:0x10,", "1:--5,", "1:5 5,", "1:+,", "1:-,", "1:.,", "1:1.2.3,", "1:12a,",
          "1:   ,", "1:\u00A05,", "1:1\0002,"s}}};
    for (const auto& [phrase, lines] : secondLines)
        for (const std::string& line : lines) rows.emplace_back(H + line, 2, phrase);
    for (const auto& [text, line, phrase] : rows) {
        const LoadResult r = parseSession(text, "bad.pll");
        ASSERT_FALSE(r) << text;
        EXPECT_EQ(std::pair(r.error().file, r.error().line), std::pair("bad.pll"s, line)) << text;
        EXPECT_NE(r.error().what.find(phrase), std::string::npos) << r.error().what;
    }
}

TEST(SessionWriter, HeaderAnd57CaseLinesEachEndingInCrLf) {
    std::string empty = "recorded on 6.12.2026  21:00 \r\n";  // line ends in the date cannot split the header
    for (int i = 0; i < 57; ++i) empty += std::to_string(i) + ":\r\n";
    EXPECT_EQ(sessionText(TimeStore{}, "6.12.2026\r\n21:00\n"), empty);
}

TEST(SessionWriter, SaveReplacesAFileWholeOrNotAtAll) {
    TimeStore store;
    for (int k = 0; k < 2000; ++k) store.addTime(k % 57, static_cast<std::int32_t>(k * 2654435761u));
    TempDir dir;
    writeFile(dir / "s.pll", "old session");
    ASSERT_TRUE(saveSession(dir / "s.pll", store, "now"));
    EXPECT_EQ(sessionText(readSession(dir / "s.pll").value().store, "now"), sessionText(store, "now"));
#ifndef _WIN32  // Windows has no file size limit to make a write fail half-way
    const auto halfWritten = [&] {
        const FileSizeLimit full(1024);
        return saveSession(dir / "s.pll", store, "d");
    }();
    ASSERT_FALSE(halfWritten);
    EXPECT_EQ(halfWritten.error().message().find((dir / "s.pll").string() + ": cannot write"), 0u)
        << halfWritten.error().message();
    EXPECT_EQ(readFile(dir / "s.pll"), sessionText(store, "now"));
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.path), {}), 1);  // no temporary file is left
#endif
}

#ifdef _WIN32
TEST(SessionWriter, AReplacedFileKeepsItsAttributes) {
    TempDir dir;
    const std::wstring file = (dir / "s.pll").wstring();
    for (const DWORD attributes :
         {DWORD{FILE_ATTRIBUTE_HIDDEN}, DWORD{FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN}}) {
        writeFile(dir / "s.pll", "old session");
        ASSERT_TRUE(SetFileAttributesW(file.c_str(), attributes));
        const SaveResult saved = saveSession(dir / "s.pll", TimeStore{}, "now");
        ASSERT_TRUE(saved) << saved.error().message();
        EXPECT_EQ(GetFileAttributesW(file.c_str()) & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN),
                  attributes)
            << "attributes " << attributes;
        EXPECT_EQ(readFile(dir / "s.pll"), sessionText(TimeStore{}, "now"));
        SetFileAttributesW(file.c_str(), FILE_ATTRIBUTE_NORMAL);
    }
}
#else
TEST(SessionWriter, AReplacedFileKeepsItsPermissions) {
    TempDir dir;
    fs::create_symlink("s.pll", dir / "link.pll");  // a link's own bits are all set: the target's count
    for (const char* saved : {"s.pll", "link.pll"})
        for (const fs::perms mode : {fs::perms::owner_read | fs::perms::owner_write,
                                     fs::perms::owner_all | fs::perms::group_read | fs::perms::others_read}) {
            SCOPED_TRACE(saved);
            writeFile(dir / "s.pll", "old session");
            fs::permissions(dir / "s.pll", mode);
            ASSERT_TRUE(saveSession(dir / saved, TimeStore{}, "now"));
            EXPECT_EQ(fs::status(dir / "s.pll").permissions(), mode) << "mode " << std::oct << int(mode);
        }
}

// A file larger than any session can be is refused by its size before a byte is read, even when it
// claims a terabyte it does not hold (sparse); the largest valid session still loads.
TEST(SessionReader, RefusesAFileLargerThanAnySessionWithoutReadingIt) {
    TempDir dir;
    std::string largest = "recorded on " + std::string(4096 - 14, 'd') + "\r\n";
    for (int pll = 0; pll < kCaseCount; ++pll) {
        largest += (pll < 10 ? "0" : "") + std::to_string(pll) + ":";  // "07:" reads as case 7
        for (int k = 0; k < kMaxTimesPerCase; ++k) largest += "-2147483648,";
        largest += "\r\n";
    }
    ASSERT_EQ(largest.size(), kLargestSessionFile);
    writeFile(dir / "largest.pll", largest);
    EXPECT_TRUE(readSession(dir / "largest.pll"));
    for (const std::uintmax_t size : {std::uintmax_t{kLargestSessionFile} + 1, std::uintmax_t{1} << 40}) {
        SCOPED_TRACE(size);
        writeFile(dir / "huge.pll", H);
        fs::resize_file(dir / "huge.pll", size);
        const LoadResult read = readSession(dir / "huge.pll");
        ASSERT_FALSE(read);
        EXPECT_EQ(read.error().file, (dir / "huge.pll").string());
        EXPECT_NE(read.error().what.find("larger than a session file can be"), std::string::npos)
            << read.error().what;
    }
}
#endif

// Saving through a symbolic link writes the file it points to and keeps the link; long names fit.
TEST(SessionWriter, WritesThroughLinksAndTakesNamesAsLongAsTheFolderAllows) {
    const TimeStore store = storeOf({{4, 321}});
    const std::string text = sessionText(store, "d");
    TempDir dir;
    fs::create_directory(dir / "real");
    writeFile(dir / "real/target.pll", "old");
#ifdef _WIN32  // symbolic links are for administrators there (and Wine has none): the same files without
    writeFile(dir / "real/fresh.pll", "old");
    for (const char* name : {"real/target.pll", "real/fresh.pll", "link.pll", "chain.pll", "dangling.pll"})
        ASSERT_TRUE(saveSession(dir / name, store, "d"));
#else
    fs::create_symlink("real/target.pll", dir / "link.pll");
    fs::create_symlink("link.pll", dir / "chain.pll");
    fs::create_symlink("real/fresh.pll", dir / "dangling.pll");
    for (const auto& [link, target] : {std::pair{"link.pll", "real/target.pll"},
                                       {"chain.pll", "real/target.pll"},
                                       {"dangling.pll", "real/fresh.pll"}}) {
        SCOPED_TRACE(link);
        writeFile(dir / target, "old");
        const SaveResult saved = saveSession(dir / link, store, "d");
        ASSERT_TRUE(saved) << saved.error().message();
        EXPECT_TRUE(fs::is_symlink(dir / link));
        EXPECT_EQ(readFile(dir / target), text);
    }
#endif
    const std::string longest = std::string(251, 'n') + ".pll";  // its temporary name must be cut short
    ASSERT_TRUE(saveSession(dir / longest, store, "d"));
    EXPECT_EQ(readFile(dir / longest), text);
    EXPECT_EQ(std::distance(fs::directory_iterator(dir / "real"), {}), 2);  // no temporary file is left
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.path), {}), 5);
    // A new file never takes the place of one that exists.
    const auto taken = createSession(dir / "real/target.pll", TimeStore{}, "d");
    ASSERT_FALSE(taken);
    EXPECT_NE(taken.error().what.find("cannot create"), std::string::npos) << taken.error().what;
    EXPECT_EQ(readFile(dir / "real/target.pll"), text);
    EXPECT_EQ(std::distance(fs::directory_iterator(dir / "real"), {}), 2);
}

// Names in any script, given as the program's UTF-8 text, are saved and found under that name.
TEST(SessionWriter, NamesInAnyScriptSaveAndLoad) {
    const TimeStore store = storeOf({{2, 705}});
    for (const char* name : {"J\u00fcrgen.pll", "\u03a9\u03bc\u03ad\u03b3\u03b1.pll", "\u65e5\u672c.pll"}) {
        SCOPED_TRACE(name);
        TempDir dir;
        const fs::path file = dir.path / pathOfText(name);
        ASSERT_TRUE(saveSession(file, store, "d"));
        ASSERT_TRUE(createSession(dir.path / pathOfText(std::string("new ") + name), store, "d"));
        const LoadResult loaded = readSession(file);
        ASSERT_TRUE(loaded) << loaded.error().message();
        const auto times = loaded.value().store.timesOf(2);
        EXPECT_EQ(std::vector(times.begin(), times.end()), std::vector<std::int32_t>{705});
        std::set<std::string> names;
        for (const auto& entry : fs::directory_iterator(dir.path))
            names.insert(textOfPath(entry.path().filename()));
        EXPECT_EQ(names, (std::set<std::string>{name, std::string("new ") + name}));
    }
}

TEST(SessionReader, KeptFuzzInputsKeepEveryRule) {
    for (const char* folder : {KESTIVE_FUZZ_REGRESSIONS, KESTIVE_FUZZ_CORPUS})
        for (const auto& entry : fs::directory_iterator(folder))
            EXPECT_EQ(sessionInvariantBroken(readFile(entry.path())), "") << entry.path();
}
