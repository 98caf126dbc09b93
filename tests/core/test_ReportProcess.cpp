// kestive-report run as a process: exit codes, what goes to stdout and stderr, the exact bytes, the locale.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include "TestFiles.h"

namespace {
struct ToolRun {
    int code;
    std::string out, err;
};

// Runs the tool from a shell with no locale settings but those given.
ToolRun runTool(const std::string& args, const std::string& env = "LC_ALL=C") {
    static TempDir dir;
    const std::string out = (dir / "out").string(), err = (dir / "err").string();
    const std::string command =
        "env -u LC_ALL -u LC_NUMERIC -u LANG " + env + " " KESTIVE_REPORT_BIN " " + args;
    const int status = std::system((command + " >" + out + " 2>" + err).c_str());
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, readFile(out), readFile(err)};
}
}  // namespace

TEST(ReportProcess, PrintsTheReportWithCrLfAndTheJson) {
    TempDir dir;
    const std::string file = (dir / "s.pll").string();
    writeFile(file, "recorded on today\r\n0:600,700,\r\n3:800,801,\r\n5:1234567,\r\n");
    const ToolRun text = runTool(file, "LANG=xx_NOWHERE.UTF-8");  // an unknown locale writes as C does
    EXPECT_EQ(std::tuple(text.code, text.err), std::tuple(0, ""));
    EXPECT_TRUE(text.out.starts_with("avg: 0.65, std: 0.05, num: 2\r\navg: 0.00, std: 0.00, num: 0\r\n"));
    EXPECT_NE(text.out.find("\r\navg: 1234.57, std: 0.00, num: 1\r\n"), std::string::npos) << text.out;
    EXPECT_TRUE(text.out.ends_with("avg: 0.00, std: 0.00, num: 0\r\nTotal Average: 412.01")) << text.out;
    EXPECT_EQ(std::count(text.out.begin(), text.out.end(), '\n'), 57);
    const ToolRun json = runTool(file + " --json");  // options may follow the file
    EXPECT_EQ(std::tuple(json.code, json.err), std::tuple(0, ""));
    for (const char* part :
         {"{\"index\": 3, \"number\": 4, \"count\": 2, \"mean_ms\": 800.5, \"rounded_mean_ms\": "
          "800, \"std_s\": 0.0007071067811865476, \"record_ms\": 800}",
          "\"rounded_mean_ms\": 1234567, \"std_s\": 0, \"record_ms\": null}",
          "\"total_average_s\": 412.0056666666667\n}\n"})
        EXPECT_NE(json.out.find(part), std::string::npos) << part << "\n" << json.out;
    writeFile(file, "header only");
    EXPECT_NE(runTool("--json " + file).out.find("\"total_average_s\": null"), std::string::npos);
}

TEST(ReportProcess, NumbersInTheUsersLocale) {
    // de_DE built into a private folder, so the machine needs only the locale sources.
    TempDir dir;
    if (std::system(("localedef -i de_DE -f UTF-8 " + (dir / "de").string() + " 2>/dev/null").c_str()) < 0 ||
        !fs::exists(dir / "de" / "LC_NUMERIC"))
        GTEST_SKIP() << "localedef or the de_DE locale source is missing";
    const std::string de = "LOCPATH=" + dir.path.string() + " ", file = (dir / "s.pll").string();
    writeFile(file, "h\r\n2:1234567,\r\n3:600,700,\r\n");
    const std::pair<std::string, std::string> rows[] = {
        {"LANG=de", "avg: 1.234,57, std: 0,00, num: 1\r\navg: 0,65, std: 0,05, num: 2\r\nav"},
        {"LANG=de LC_NUMERIC=C", "avg: 1234.57,"},
        {"LC_NUMERIC=de LC_ALL=C", "avg: 1234.57,"},
        {"LC_NUMERIC=de", "Total Average: 617,61"}};
    for (const auto& [env, part] : rows) {
        const ToolRun run = runTool(file, de + env);
        EXPECT_EQ(run.code, 0);
        EXPECT_NE(run.out.find(part), std::string::npos) << env << "\n" << run.out;
    }
    EXPECT_NE(runTool("--json " + file, de + "LC_ALL=de").out.find("\"std_s\": 0.05,"), std::string::npos);
}

TEST(ReportProcess, FailuresExitOneOrTwoWithTheReasonOnStderrOnly) {
    TempDir dir;
    writeFile(dir / "bad.pll", "header\r\n0:1,\r\n\r\n70:5,6,\r\n");
    writeFile(dir / "empty.pll", "");
    const std::string bad = (dir / "bad.pll").string(), missing = (dir / "missing.pll").string();
    const std::tuple<std::string, int, std::string> rows[] = {
        {missing, 1, missing + ": cannot open"},
        {bad, 1, bad + ", line 4: the case number \"70\" is outside 0..56"},
        {"--json " + (dir / "empty.pll").string(), 1, "empty"},
        {"-- --help", 1, "--help: cannot open"},  // "--" ends the options
        {"", 2, "Usage: kestive-report"},
        {"a.pll b.pll", 2, "Usage: kestive-report"},
        {"--frobnicate a.pll", 2, "Usage: kestive-report"},
        {"--json", 2, "Usage: kestive-report"}};
    for (const auto& [args, code, part] : rows) {
        const ToolRun run = runTool(args);
        EXPECT_EQ(std::tuple(run.code, run.out), std::tuple(code, "")) << args;
        EXPECT_NE(run.err.find(part), std::string::npos) << args << "\n" << run.err;
    }
    const ToolRun help = runTool("--help");
    EXPECT_EQ(std::tuple(help.code, help.err), std::tuple(0, ""));
    EXPECT_TRUE(help.out.starts_with("Usage: kestive-report [--json] FILE.pll\n"));
}
