// kestive-report run as a process: exit codes, what goes to stdout and stderr, and the exact bytes.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <spawn.h>
#include <sys/wait.h>

#include <string>
#include <vector>

#include "CommaLocale.h"
#include "MiniJson.h"
#include "TempDir.h"
#include "session/SessionFile.h"
#include "stats/Report.h"

extern char** environ;

namespace {

struct ToolRun {
    int exitCode = -1;
    std::string out, err;
};

// Runs the tool with the given arguments and extra environment entries ("NAME=value").
ToolRun runTool(const std::vector<std::string>& args, const std::vector<std::string>& env = {"LC_ALL=C"}) {
    TempDir dir;
    const std::string outFile = (dir / "out").string(), errFile = (dir / "err").string();
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, outFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    posix_spawn_file_actions_addopen(&actions, 2, errFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);

    std::vector<std::string> argStore{KESTIVE_REPORT_BIN};
    argStore.insert(argStore.end(), args.begin(), args.end());
    std::vector<char*> argv;
    for (auto& a : argStore) argv.push_back(a.data());
    argv.push_back(nullptr);

    std::vector<std::string> envStore;
    for (char** e = environ; *e; ++e) {
        const std::string entry = *e;
        if (entry.starts_with("LC_") || entry.starts_with("LANG=") || entry.starts_with("LANGUAGE="))
            continue;
        envStore.push_back(entry);
    }
    envStore.insert(envStore.end(), env.begin(), env.end());
    std::vector<char*> envp;
    for (auto& e : envStore) envp.push_back(e.data());
    envp.push_back(nullptr);

    ToolRun run;
    pid_t pid = 0;
    if (posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), envp.data()) != 0) return run;
    posix_spawn_file_actions_destroy(&actions);
    int status = 0;
    waitpid(pid, &status, 0);
    run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    run.out = readFile(outFile);
    run.err = readFile(errFile);
    return run;
}

const std::string kSession = "recorded on today\r\n0:600,700,\r\n1:\r\n5:1005,\r\n";

}  // namespace

TEST(ReportProcess, PrintsTheReportTextByteForByte) {
    TempDir dir;
    writeFile(dir / "s.pll", kSession);
    const ToolRun run = runTool({(dir / "s.pll").string()});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.err, "");
    const auto loaded = kestive::parseSession(kSession, "s.pll", kestive::NumberFormat{});
    ASSERT_TRUE(loaded.session);
    EXPECT_EQ(run.out, kestive::reportText(loaded.session->store, kestive::NumberFormat{}));
    EXPECT_TRUE(run.out.starts_with("avg: 0.65, std: 0.05, num: 2\r\navg: 0.00, std: 0.00, num: 0\r\n"));
    EXPECT_TRUE(run.out.ends_with("avg: 0.00, std: 0.00, num: 0\r\nTotal Average: 0.83"));  // (650+1005)/2000
}

TEST(ReportProcess, UnknownLocaleWritesPointsWithoutGrouping) {
    TempDir dir;
    writeFile(dir / "s.pll", "h\r\n2:1234567,\r\n");
    for (const std::vector<std::string>& env :
         {std::vector<std::string>{"LC_ALL=xx_NOWHERE.UTF-8"}, std::vector<std::string>{"LANG=C"},
          std::vector<std::string>{}}) {
        const ToolRun run = runTool({(dir / "s.pll").string()}, env);
        EXPECT_EQ(run.exitCode, 0);
        EXPECT_NE(run.out.find("avg: 1234.57, std: 0.00, num: 1\r\n"), std::string::npos) << run.out;
    }
}

TEST(ReportProcess, CommaLocaleFromTheEnvironment) {
    const CommaLocale& comma = commaLocale();
    if (comma.locpath.empty()) GTEST_SKIP() << "localedef or the de_DE locale source is missing";
    TempDir dir;
    writeFile(dir / "s.pll", "h\r\n2:1234567,\r\n3:600,700,\r\n");
    const std::string locpath = "LOCPATH=" + comma.locpath;
    ToolRun run = runTool({(dir / "s.pll").string()}, {locpath, "LANG=" + comma.name});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_TRUE(
        run.out.starts_with("avg: 0,00, std: 0,00, num: 0\r\navg: 0,00, std: 0,00, num: 0\r\n"
                            "avg: 1.234,57, std: 0,00, num: 1\r\navg: 0,65, std: 0,05, num: 2\r\n"))
        << run.out;
    EXPECT_TRUE(run.out.ends_with("Total Average: 617,61")) << run.out;  // (1234567 + 650) / 2000
    // LC_NUMERIC outranks LANG, and LC_ALL outranks both.
    run = runTool({(dir / "s.pll").string()}, {locpath, "LANG=" + comma.name, "LC_NUMERIC=C"});
    EXPECT_NE(run.out.find("avg: 1234.57,"), std::string::npos) << run.out;
    run = runTool({(dir / "s.pll").string()}, {locpath, "LC_NUMERIC=" + comma.name, "LC_ALL=C"});
    EXPECT_NE(run.out.find("avg: 1234.57,"), std::string::npos) << run.out;
    run = runTool({(dir / "s.pll").string()}, {locpath, "LC_NUMERIC=" + comma.name});
    EXPECT_NE(run.out.find("avg: 1.234,57,"), std::string::npos) << run.out;
    // JSON keeps "." whatever the locale.
    run = runTool({"--json", (dir / "s.pll").string()}, {locpath, "LC_ALL=" + comma.name});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(Json::parse(run.out)["cases"][3]["std_s"].number, 0.05);
}

TEST(ReportProcess, JsonIsValidAndCarriesEveryCase) {
    TempDir dir;
    writeFile(dir / "s.pll", kSession);
    const ToolRun run = runTool({"--json", (dir / "s.pll").string()});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.err, "");
    const Json j = Json::parse(run.out);
    ASSERT_EQ(j["cases"].items.size(), 57u);
    EXPECT_EQ(j["cases"][5]["mean_ms"].number, 1005);
    EXPECT_EQ(j["cases"][5]["number"].number, 6);
    EXPECT_EQ(j["cases"][0]["record_ms"].number, 600);
    EXPECT_EQ(j["cases"][2]["record_ms"].kind, Json::Null);
    // Options may follow the file.
    EXPECT_EQ(runTool({(dir / "s.pll").string(), "--json"}).out, run.out);
}

TEST(ReportProcess, UnreadableOrDamagedFileExitsOneWithTheReasonOnStderr) {
    TempDir dir;
    const std::string missing = (dir / "missing.pll").string();
    ToolRun run = runTool({missing});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.out, "");
    EXPECT_NE(run.err.find(missing), std::string::npos) << run.err;

    writeFile(dir / "bad.pll", "header\r\n0:1,\r\n\r\n70:5,6,\r\n");
    run = runTool({(dir / "bad.pll").string()});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.out, "");
    EXPECT_NE(run.err.find((dir / "bad.pll").string() + ", line 4: "), std::string::npos) << run.err;
    EXPECT_NE(run.err.find("outside 0..56"), std::string::npos) << run.err;

    writeFile(dir / "empty.pll", "");
    run = runTool({"--json", (dir / "empty.pll").string()});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.out, "");
    EXPECT_NE(run.err.find("empty"), std::string::npos) << run.err;
}

TEST(ReportProcess, BadUsageExitsTwo) {
    for (const std::vector<std::string>& args :
         {std::vector<std::string>{}, {"a.pll", "b.pll"}, {"--frobnicate", "a.pll"}, {"--json"}}) {
        const ToolRun run = runTool(args);
        EXPECT_EQ(run.exitCode, 2);
        EXPECT_EQ(run.out, "");
        EXPECT_NE(run.err.find("Usage: kestive-report"), std::string::npos) << run.err;
    }
}

TEST(ReportProcess, HelpGoesToStdoutAndExitsZero) {
    const ToolRun run = runTool({"--help"});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.err, "");
    EXPECT_NE(run.out.find("Usage: kestive-report [--json] FILE.pll"), std::string::npos);
    // "--" ends the options: a file may be named like one.
    const ToolRun dashed = runTool({"--", "--help"});
    EXPECT_EQ(dashed.exitCode, 1);
    EXPECT_NE(dashed.err.find("--help: cannot open"), std::string::npos) << dashed.err;
}
