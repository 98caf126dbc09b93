#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>
#include <string>

#include "TempDir.h"
#include "session/SessionFile.h"

using kestive::NumberFormat;
using kestive::saveSession;
using kestive::sessionText;
using kestive::TimeStore;

namespace {
const NumberFormat kC{};

// Names in the folder, to show that no temporary file is left behind.
std::vector<std::string> entries(const std::filesystem::path& folder) {
    std::vector<std::string> names;
    for (const auto& e : std::filesystem::directory_iterator(folder))
        names.push_back(e.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

TimeStore sampleStore() {
    TimeStore store;
    for (const int t : {843, 620, 911}) store.addTime(0, t, kC);
    store.addTime(2, 705, kC);
    store.addTime(56, -12, kC);
    return store;
}
}  // namespace

TEST(SessionWriter, EmptyStoreIsTheHeaderAnd57BareCaseLines) {
    std::string expected = "recorded on 3/14/07 9:05:31 PM\r\n";
    for (int i = 0; i < 57; ++i) expected += std::to_string(i) + ":\r\n";
    EXPECT_EQ(sessionText(TimeStore{}, "3/14/07 9:05:31 PM"), expected);
}

TEST(SessionWriter, EveryTimeEndsInACommaAndEveryLineInCrLf) {
    const std::string text = sessionText(sampleStore(), "today");
    EXPECT_TRUE(text.starts_with("recorded on today\r\n0:843,620,911,\r\n1:\r\n2:705,\r\n3:\r\n"));
    EXPECT_TRUE(text.ends_with("\r\n55:\r\n56:-12,\r\n"));
    // Disabled cases are not a matter of the store: all 57 lines are always there.
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 58);
    EXPECT_EQ(std::count(text.begin(), text.end(), '\r'), 58);
}

TEST(SessionWriter, DateTextCannotBreakTheHeaderIntoTwoLines) {
    const std::string text = sessionText(TimeStore{}, "6.12.2026\r\n21:00\n");
    EXPECT_TRUE(text.starts_with("recorded on 6.12.2026  21:00 \r\n0:\r\n")) << text.substr(0, 40);
}

TEST(SessionWriter, ReplacedFileKeepsItsPermissions) {
    TempDir dir;
    const auto file = dir / "private.pll";
    writeFile(file, "old");
    std::filesystem::permissions(file,
                                 std::filesystem::perms::owner_read | std::filesystem::perms::owner_write);
    ASSERT_FALSE(saveSession(file, sampleStore(), "d"));
    EXPECT_EQ(std::filesystem::status(file).permissions(),
              std::filesystem::perms::owner_read | std::filesystem::perms::owner_write);
    EXPECT_EQ(readFile(file), sessionText(sampleStore(), "d"));
}

TEST(SessionWriter, SaveWritesTheTextAndReplacesAnExistingFile) {
    TempDir dir;
    const auto file = dir / "dec13.pll";
    writeFile(file, "old content that is longer than nothing");
    EXPECT_FALSE(saveSession(file, sampleStore(), "now"));
    EXPECT_EQ(readFile(file), sessionText(sampleStore(), "now"));
    EXPECT_EQ(entries(dir.path()), (std::vector<std::string>{"dec13.pll"}));

    const auto back = kestive::readSession(file, kC);
    ASSERT_TRUE(back.session);
    const TimeStore sample = sampleStore();
    for (int i = 0; i < 57; ++i) {
        const auto a = back.session->store.timesOf(i);
        const auto b = sample.timesOf(i);
        EXPECT_TRUE(std::equal(a.begin(), a.end(), b.begin(), b.end())) << i;
    }
}

TEST(SessionWriter, NameIsUsedAsGiven) {
    TempDir dir;
    EXPECT_FALSE(saveSession(dir / "x.pll.pll", TimeStore{}, "d"));
    EXPECT_TRUE(std::filesystem::exists(dir / "x.pll.pll"));
    // A relative name resolves against the current folder.
    const auto previous = std::filesystem::current_path();
    std::filesystem::current_path(dir.path());
    EXPECT_FALSE(saveSession("relative.pll", TimeStore{}, "d"));
    std::filesystem::current_path(previous);
    EXPECT_TRUE(std::filesystem::exists(dir / "relative.pll"));
}

TEST(SessionWriter, MissingFolderIsAnErrorNamingTheFileAndReason) {
    TempDir dir;
    const auto file = dir / "no-such-folder" / "a.pll";
    const auto error = saveSession(file, sampleStore(), "d");
    ASSERT_TRUE(error);
    EXPECT_EQ(error->file, file.string());
    EXPECT_NE(error->what.find("No such file or directory"), std::string::npos) << error->what;
    EXPECT_NE(error->message().find(file.string()), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(file));
}

TEST(SessionWriter, TargetThatIsAFolderIsLeftAloneAndReported) {
    TempDir dir;
    std::filesystem::create_directory(dir / "taken.pll");
    writeFile(dir / "taken.pll" / "inside", "keep");
    const auto error = saveSession(dir / "taken.pll", sampleStore(), "d");
    ASSERT_TRUE(error);
    EXPECT_EQ(readFile(dir / "taken.pll" / "inside"), "keep");
    EXPECT_EQ(entries(dir.path()), (std::vector<std::string>{"taken.pll"}));
}

TEST(SessionWriter, ReadOnlyFolderLeavesTheExistingFileIntact) {
    TempDir dir;
    const auto file = dir / "keep.pll";
    writeFile(file, "previous session");
    std::filesystem::permissions(
        dir.path(), std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec |
                        std::filesystem::perms::group_read | std::filesystem::perms::group_exec |
                        std::filesystem::perms::others_read | std::filesystem::perms::others_exec);
    // Root writes into any folder; then the save runs in a child process that has given up root.
    const bool root = ::geteuid() == 0;
    std::string what;
    if (!root) {
        const auto error = saveSession(file, sampleStore(), "d");
        what = error ? error->what : "saved";
    } else {
        int pipeFds[2];
        ASSERT_EQ(::pipe(pipeFds), 0);
        const pid_t pid = ::fork();
        ASSERT_GE(pid, 0);
        if (pid == 0) {
            ::close(pipeFds[0]);
            std::string answer = "could not drop root";
            if (::setgid(65534) == 0 && ::setuid(65534) == 0) {
                const auto error = saveSession(file, sampleStore(), "d");
                answer = error ? error->what : "saved";
            }
            [[maybe_unused]] const auto n = ::write(pipeFds[1], answer.data(), answer.size());
            ::_exit(0);
        }
        ::close(pipeFds[1]);
        char buf[512];
        ssize_t n;
        while ((n = ::read(pipeFds[0], buf, sizeof buf)) > 0) what.append(buf, static_cast<std::size_t>(n));
        ::close(pipeFds[0]);
        int status = 0;
        ::waitpid(pid, &status, 0);
    }
    std::filesystem::permissions(dir.path(), std::filesystem::perms::owner_all);
    EXPECT_NE(what.find("Permission denied"), std::string::npos) << what;
    EXPECT_EQ(readFile(file), "previous session");
    EXPECT_EQ(entries(dir.path()), (std::vector<std::string>{"keep.pll"}));
}

TEST(SessionWriter, FailedWriteLeavesTheExistingFileIntactAndNoTemporaryFile) {
    // A file size limit makes the write fail half-way, as a full disk would, even for root.
    TempDir dir;
    const auto file = dir / "keep.pll";
    writeFile(file, "previous session");
    TimeStore big;
    for (int k = 0; k < 2000; ++k) big.addTime(k % 57, 123456 + k, kC);

    rlimit old{};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &old), 0);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = old;
    small.rlim_cur = 1024;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    const auto error = saveSession(file, big, "d");
    ::setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, oldHandler);

    ASSERT_TRUE(error);
    EXPECT_NE(error->what.find("cannot write"), std::string::npos) << error->what;
    EXPECT_EQ(readFile(file), "previous session");
    EXPECT_EQ(entries(dir.path()), (std::vector<std::string>{"keep.pll"}));
}
