// SPDX-License-Identifier: GPL-3.0-or-later
// kestive-report: the number format a locale gives, and the tool run as a process.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include "TestFiles.h"

namespace {
// Runs the tool from a shell with no environment but the settings given: {exit code, stdout, stderr}.
std::tuple<int, std::string, std::string> runTool(const std::string& args,
                                                  const std::string& env = "LC_ALL=C") {
    static TempDir dir;
    const std::string out = (dir / "out").string(), err = (dir / "err").string();
    const std::string command = "env -i " + env + " " KESTIVE_REPORT_BIN " " + args;
    const int status = std::system((command + " >" + out + " 2>" + err).c_str());
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, readFile(out), readFile(err)};
}
}  // namespace

TEST(ReportTool, PrintsTheReportWithCrLfOrTheJsonInTheUsersLocale) {
    TempDir dir;
    const std::string file = (dir / "s.pll").string();
    writeFile(file, "recorded on today\r\n0:600,700,\r\n3:800,801,\r\n5:1234567,\r\n");
    const auto [code, text, err] = runTool(file, "LANG=xx_NOWHERE.UTF-8");  // an unknown locale is C
    EXPECT_EQ(std::tuple(code, err), std::tuple(0, ""));
    EXPECT_NE(text.find("\r\navg: 1234.57, std: 0.00, num: 1\r\n"), std::string::npos) << text;
    EXPECT_TRUE(text.ends_with("avg: 0.00, std: 0.00, num: 0\r\nTotal Average: 412.01\r\n")) << text;
    writeFile(dir / "none.pll", "recorded on today\r\n");  // no total line: the last case line ends it
    const std::string none = std::get<1>(runTool((dir / "none.pll").string()));
    EXPECT_TRUE(none.ends_with("num: 0\r\n") && !none.ends_with("\r\n\r\n")) << none;
    const auto [jsonCode, json, jsonErr] = runTool(file + " --json");  // options may follow the file
    EXPECT_EQ(std::tuple(jsonCode, jsonErr), std::tuple(0, ""));
    for (const char* part :
         {"{\"index\": 3, \"number\": 4, \"count\": 2, \"mean_ms\": 800.5, \"rounded_mean_ms\": "
          "800, \"std_s\": 0.0007071067811865476, \"record_ms\": 800}",
          "\"rounded_mean_ms\": 1234567, \"std_s\": 0, \"record_ms\": null}",
          "\"total_average_s\": 412.0056666666667\n}\n"})
        EXPECT_NE(json.find(part), std::string::npos) << part << "\n" << json;
    // de_DE built into a private folder, so the machine needs only the locale sources.
    EXPECT_GE(std::system(("localedef -i de_DE -f UTF-8 " + dir.path.string() + "/de_DE.UTF-8").c_str()), 0);
    ASSERT_TRUE(fs::exists(dir / "de_DE.UTF-8" / "LC_NUMERIC")) << "localedef or the de_DE source is missing";
    const std::string de = "LOCPATH=" + dir.path.string() + " ";
    // Locales that the system has generated (de_DE above) and ones it has not (LOCPATH holds no fr_FR,
    // de_CH or en_IN) are written alike: the same data serve the trainer's window.
    const std::pair<std::string, std::string> rows[] = {
        {"LANG=de_DE.UTF-8", "avg: 0,65, std: 0,05, num: 2\r\n"},
        {"LC_NUMERIC=de_DE.UTF-8", "\r\navg: 1.234,57, std: 0,00, num: 1\r\n"},
        {"LC_NUMERIC=de_DE.UTF-8 LC_ALL=C", "Total Average: 412.01\r\n"},
        {"LANG=fr_FR.UTF-8", "\r\navg: 1\u202f234,57, std: 0,00, num: 1\r\n"},
        {"LC_ALL=de_CH.UTF-8 LANG=C", "\r\navg: 1\u2019234.57, std: 0.00, num: 1\r\n"}};
    for (const auto& [env, part] : rows) {
        SCOPED_TRACE(env);
        const auto [code, out, err] = runTool(file, de + env);
        EXPECT_EQ(code, 0);
        EXPECT_NE(out.find(part), std::string::npos) << env << "\n" << out;
    }
    EXPECT_NE(std::get<1>(runTool("--json " + file, de + "LC_ALL=de_DE.UTF-8")).find("\"std_s\": 0.05,"),
              std::string::npos);
}

TEST(ReportTool, ProgressAndSvgOverSeveralFiles) {
    TempDir dir;
    writeFile(dir / "a.pll", "recorded on monday\r\n0:600,700,\r\n");
    writeFile(dir / "b.pll", "recorded on tuesday\r\n0:500,\r\n3:900,\r\n");
    const std::string a = (dir / "a.pll").string(), b = (dir / "b.pll").string(),
                      svg = (dir / "o.svg").string();
    const auto [code, text, err] = runTool("--progress " + b + " " + a, "LANG=xx_NOWHERE.UTF-8");
    EXPECT_EQ(std::tuple(code, err), std::tuple(0, ""));
    // The files in the order given, not sorted by name.
    EXPECT_NE(text.find("  1  " + b + "\n  2  " + a + "\n"), std::string::npos) << text;
    EXPECT_NE(text.find("\n1      0.50  0.65   +0.15\n"), std::string::npos) << text;
    const auto [svgCode, svgOut, svgErr] = runTool("--svg -o " + svg + " " + a + " " + b);
    EXPECT_EQ(std::tuple(svgCode, svgOut, svgErr), std::tuple(0, "", ""));
    EXPECT_NE(readFile(svg).find("<g id=\"oll-1\" data-mean-ms=\"600\">"), std::string::npos);
    const auto [pipeCode, piped, pipeErr] = runTool("--svg " + a);
    EXPECT_EQ(std::tuple(pipeCode, pipeErr), std::tuple(0, ""));
    EXPECT_TRUE(piped.starts_with("<?xml") && piped.ends_with("</svg>\n")) << piped.substr(0, 200);
}

// A bad file anywhere refuses the whole run, names itself, and leaves an earlier picture in place.
TEST(ReportTool, FailuresExitOneOrTwoWithTheReasonOnStderrOnly) {
    TempDir dir;
    writeFile(dir / "a.pll", "recorded on monday\r\n0:600,700,\r\n");
    writeFile(dir / "bad.pll", "header\r\n0:1,\r\n\r\n70:5,6,\r\n");
    writeFile(dir / "empty.pll", "");
    std::string half = "recorded on thursday\r\n0:";  // twice 16384 times of case 1: one too many together
    for (int k = 0; k < 16384; ++k) half += "7,";
    writeFile(dir / "half.pll", half + "\r\n");
    writeFile(dir / "old.svg", "old picture");
    fs::create_directory(dir / "blocked.svg");  // no file can take its name
    writeFile(dir / "blocked.svg/inside", "old picture");
    const std::string a = (dir / "a.pll").string(), bad = (dir / "bad.pll").string(),
                      missing = (dir / "missing.pll").string(), old = (dir / "old.svg").string(),
                      halves = (dir / "half.pll").string() + " " + (dir / "half.pll").string();
    const std::string badLine = bad + ", line 4: the case number \"70\" is outside 0..56";
    std::vector<std::tuple<std::string, int, std::string>> rows = {
        {missing, 1, missing + ": cannot open"},
        {bad, 1, badLine},
        {"--json " + (dir / "empty.pll").string(), 1, "empty"},
        {"--progress " + a + " " + bad, 1, badLine},
        {"--progress --json " + bad + " " + a, 1, badLine},
        {"--svg -o " + old + " " + a + " " + bad, 1, badLine},
        {"--svg " + a + " " + missing, 1, "missing.pll: cannot open"},
        {"--svg " + halves, 1, "case 1 holds more than 32767 times"},
        {"--svg -o " + (dir / "blocked.svg").string() + " " + a, 1, "blocked.svg: cannot replace"},
        {"--progress --svg " + a, 2, "not both"},
        {"--svg --json " + a, 2, "--json goes with --progress"},
        {"-o x.svg " + a, 2, "-o goes with --svg"},
        {"--svg " + a + " -o", 2, "-o needs a file name"}};
    for (const char* usage : {"", "a.pll b.pll", "--frobnicate a.pll", "--json"})
        rows.emplace_back(usage, 2, "Usage: kestive-report");
    for (const auto& [args, code, part] : rows) {
        const auto [exitCode, out, err] = runTool(args);
        EXPECT_EQ(std::tuple(exitCode, out), std::tuple(code, "")) << args;
        EXPECT_NE(err.find(part), std::string::npos) << args << "\n" << err;
    }
    EXPECT_EQ(readFile(old), "old picture");
    EXPECT_EQ(readFile(dir / "blocked.svg/inside"), "old picture");
    for (const auto& entry : fs::directory_iterator(dir.path))  // no half picture is left beside it
        EXPECT_EQ(entry.path().filename().string().find(".tmp-"), std::string::npos) << entry.path();
    const auto [helpCode, help, helpErr] = runTool("--help");
    EXPECT_EQ(std::tuple(helpCode, helpErr), std::tuple(0, ""));
    EXPECT_TRUE(help.starts_with("Usage: kestive-report [--json] FILE.pll\n"));
    writeFile(dir / "empty.pll", "header only");
    EXPECT_NE(
        std::get<1>(runTool("--json " + (dir / "empty.pll").string())).find("\"total_average_s\": null"),
        std::string::npos);
}
