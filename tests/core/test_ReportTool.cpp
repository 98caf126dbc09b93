// SPDX-License-Identifier: GPL-3.0-or-later
// kestive-report run as a process: the report and its JSON in the user's locale, the progress table, the
// picture to share and the failures. The picture is also rendered by a real SVG renderer (rsvg-convert) and
// read back pixel by pixel: stickers in the case pictures' colours where the cube model puts them, bars
// scaled as in the panel.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <regex>

#include "TestFiles.h"
#include "cases/CasePicture.h"
#include "report/SvgReport.h"

using namespace kestive;

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

// What the tool prints to stdout, where it must succeed with nothing on stderr.
std::string printed(const std::string& args, const std::string& env = "LC_ALL=C") {
    const auto [code, out, err] = runTool(args, env);
    EXPECT_EQ(std::tuple(code, err), std::tuple(0, "")) << env << " " << args;
    return out;
}

// A folder holding a.pll, a session with two times of case 1, and b.pll, one time of cases 1 and 4.
struct ReportTool : testing::Test {
    TempDir dir;
    const std::string a = (dir / "a.pll").string(), b = (dir / "b.pll").string();
    ReportTool() {
        writeFile(a, "recorded on monday\r\n0:600,700,\r\n");
        writeFile(b, "recorded on tuesday\r\n0:500,\r\n3:900,\r\n");
    }
};

// The picture rendered by rsvg-convert at one pixel per unit.
struct Raster {
    int width = 0, height = 0;
    std::string rgb;  // three bytes per pixel, row by row
    Rgb at(double x, double y) const {
        const std::size_t i = 3 * (std::size_t(y) * std::size_t(width) + std::size_t(x));
        return {std::uint8_t(rgb[i]), std::uint8_t(rgb[i + 1]), std::uint8_t(rgb[i + 2])};
    }
};

Raster render(const std::string& svg, const TempDir& dir) {
    writeFile(dir / "p.svg", svg);
    const std::string p = (dir / "p").string();
    const std::string command =
        "rsvg-convert " + p + ".svg | convert png:- -alpha off -depth 8 " + p + ".ppm";
    if (std::system(command.c_str()) != 0) return {};
    std::istringstream in(readFile(p + ".ppm"));
    std::string magic;
    int maxValue = 0;
    Raster raster;
    in >> magic >> raster.width >> raster.height >> maxValue;
    in.get();
    raster.rgb.assign(std::istreambuf_iterator<char>(in), {});
    if (magic != "P6" || maxValue != 255 || raster.rgb.size() != 3u * raster.width * raster.height) return {};
    return raster;
}

// The top-left corner of case pll's picture, from the group of that case.
std::pair<double, double> pictureCorner(const std::string& svg, int pll) {
    const std::regex group("<g id=\"oll-" + std::to_string(pll + 1) +
                           "\"[^]*?translate\\(([0-9.]+),([0-9.]+)\\)");
    std::smatch match;
    if (!std::regex_search(svg, match, group)) return {-1, -1};
    return {std::stod(match[1]), std::stod(match[2])};
}
}  // namespace

TEST_F(ReportTool, PrintsTheReportItsJsonTheProgressAndThePictureInTheUsersLocale) {
    const std::string file = (dir / "s.pll").string(), none = (dir / "none.pll").string();
    writeFile(file, "recorded on today\r\n0:600,700,\r\n3:800,801,\r\n5:1234567,\r\n");
    writeFile(none, "recorded on today\r\n");
    EXPECT_TRUE(printed(file).ends_with("avg: 0.00, std: 0.00, num: 0\r\nTotal Average: 412.01\r\n"));
    const std::string noTotal = printed(none);  // no total line: the last case line ends it
    EXPECT_TRUE(noTotal.ends_with("num: 0\r\n") && !noTotal.ends_with("\r\n\r\n")) << noTotal;
    // No locale is generated in LOCPATH, as on a system with none but C: the tool's own data serve, as in
    // the trainer's window. JSON ignores the locale.
    const std::string bare = "LOCPATH=" + dir.path.string() + " ";
    const std::tuple<std::string, std::string, std::string> rows[] = {
        {file, "LANG=xx_NOWHERE.UTF-8", "\r\navg: 1234.57, std: 0.00, num: 1\r\n"},  // unknown: C
        {file, bare + "LANG=de_DE.UTF-8", "avg: 0,65, std: 0,05, num: 2\r\n"},
        {file, bare + "LC_NUMERIC=de_DE.UTF-8", "\r\navg: 1.234,57, std: 0,00, num: 1\r\n"},
        {file, bare + "LC_NUMERIC=de_DE.UTF-8 LC_ALL=C", "Total Average: 412.01\r\n"},
        {file, bare + "LANG=fr_FR.UTF-8", "\r\navg: 1\u202f234,57, std: 0,00, num: 1\r\n"},
        {file, bare + "LC_ALL=de_CH.UTF-8 LANG=C", "\r\navg: 1\u2019234.57, std: 0.00, num: 1\r\n"},
        {"--json " + file, bare + "LC_ALL=de_DE.UTF-8", "\"std_s\": 0.05,"},
        {file + " --json", "LC_ALL=C",  // options may follow the file
         "{\"index\": 3, \"number\": 4, \"count\": 2, \"mean_ms\": 800.5, \"rounded_mean_ms\": 800, "
         "\"std_s\": 0.0007071067811865476, \"record_ms\": 800}"},
        {file + " --json", "LC_ALL=C", "\"rounded_mean_ms\": 1234567, \"std_s\": 0, \"record_ms\": null}"},
        {file + " --json", "LC_ALL=C", "\"total_average_s\": 412.0056666666667\n}\n"},
        {"--json " + none, "LC_ALL=C", "\"total_average_s\": null"},
        {"--progress " + b + " " + a, "LC_ALL=C", "  1  " + b + "\n  2  " + a + "\n"},  // as given
        {"--progress " + b + " " + a, bare + "LANG=de_DE.UTF-8", "\n1      0,50  0,65   +0,15\n"}};
    for (const auto& [args, env, part] : rows) {
        const std::string out = printed(args, env);
        EXPECT_NE(out.find(part), std::string::npos) << env << " " << args << "\n" << part << "\n" << out;
    }
    const std::string svg = (dir / "o.svg").string();
    EXPECT_EQ(printed("--svg -o " + svg + " " + a + " " + b), "");
    EXPECT_NE(readFile(svg).find("<g id=\"oll-1\" data-mean-ms=\"600\">"), std::string::npos);
    const std::string piped = printed("--svg " + a);
    EXPECT_TRUE(piped.starts_with("<?xml") && piped.ends_with("</svg>\n")) << piped.substr(0, 200);
}

// A bad file anywhere refuses the whole run, names itself, and leaves an earlier picture in place.
TEST_F(ReportTool, FailuresExitOneOrTwoWithTheReasonOnStderrOnly) {
    writeFile(dir / "bad.pll", "header\r\n0:1,\r\n\r\n70:5,6,\r\n");
    std::string half = "recorded on thursday\r\n0:";  // twice 16384 times of case 1: one too many together
    for (int k = 0; k < 16384; ++k) half += "7,";
    writeFile(dir / "half.pll", half + "\r\n");
    writeFile(dir / "old.svg", "old picture");
    fs::create_directory(dir / "blocked.svg");  // no file can take its name
    writeFile(dir / "blocked.svg/inside", "old picture");
    const std::string bad = (dir / "bad.pll").string(), missing = (dir / "missing.pll").string(),
                      old = (dir / "old.svg").string(),
                      halves = (dir / "half.pll").string() + " " + (dir / "half.pll").string();
    const std::string badLine = bad + ", line 4: the case number \"70\" is outside 0..56";
    std::vector<std::tuple<std::string, int, std::string>> rows = {
        {missing, 1, missing + ": cannot open"},
        {bad, 1, badLine},
        {"--json " + bad, 1, badLine},
        {"--progress " + a + " " + bad, 1, badLine},
        {"--progress --json " + bad + " " + a, 1, badLine},
        {"--svg -o " + old + " " + a + " " + bad, 1, badLine},
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
    EXPECT_TRUE(printed("--help").starts_with("Usage: kestive-report [--json] FILE.pll\n"));
}

TEST(SvgReport, RendersStickersInThePictureColoursAndBarsToScale) {
    const TimeStore store = storeOf({{20, 1000}, {20, 1200}, {26, 550}});  // full and half bars
    const std::string svg = svgReport(store, {summarizeSession("a.pll", store)}, NumberFormat{});
    TempDir dir;
    const Raster raster = render(svg, dir);
    ASSERT_GT(raster.width, 0) << "rsvg-convert or convert failed";
    // The stickers come from the case pictures' own rectangles (tests/cases): here, each case's own.
    for (const int pll : {0, 20, 26, 43, 56}) {  // a dot, the all-corners dot, Sune, a P shape, H
        SCOPED_TRACE("case " + std::to_string(pll + 1));
        const auto [left, top] = pictureCorner(svg, pll);
        ASSERT_GE(left, 0);
        EXPECT_EQ(raster.at(left + 4.5, top + 4.5), kPictureBackground);
        for (std::size_t k = 0; k < 9; ++k)
            EXPECT_EQ(raster.at(left + 19.5 + k % 3 * 21, top + 19.5 + k / 3 * 21),
                      ollCaseView(pll).up[k] ? kPictureYellow : kPictureGrey)
                << "sticker " << k;
    }
    // The bar boxes start 92 units right of the picture and 25 below its top: full, half, empty.
    const Rgb red{255, 0, 0}, white{255, 255, 255};
    for (const auto& [pll, along, expected] :
         {std::tuple{20, 158, red}, {26, 76, red}, {26, 86, white}, {0, 6, white}}) {
        const auto [left, top] = pictureCorner(svg, pll);
        EXPECT_EQ(raster.at(left + 92 + along, top + 25 + 10), expected)
            << "case " << pll + 1 << " at " << along;
    }
}

TEST(SvgReport, CaseGroupsCarryTheirMeanAndTextIsEscaped) {
    const TimeStore store = storeOf({{4, 1000}, {4, 1001}});
    const std::string svg = svgReport(
        store,
        {summarizeSession("<old & \"first\">.pll", store), summarizeSession("bad\xFF.pll", TimeStore())},
        NumberFormat{",", ".", 3, true, "-"});
    for (const char* part :
         {"<g id=\"oll-5\" data-mean-ms=\"1000\">", "<g id=\"oll-6\">", "<g id=\"oll-57\">",
          "&lt;old &amp; &quot;first&quot;&gt;.pll", "bad\xEF\xBF\xBD.pll", "Avg: 1,00", "Num: 2",
          "Std: 0,00", "<g id=\"total-average\">"})
        EXPECT_NE(svg.find(part), std::string::npos) << part;
    // Down each column, then the next: case 2 under case 1, case 20 at the top of the second column.
    const auto [x1, y1] = pictureCorner(svg, 0);
    EXPECT_EQ(pictureCorner(svg, 1), std::pair(x1, y1 + 100)) << "case 2";
    EXPECT_EQ(pictureCorner(svg, 19), std::pair(x1 + 480, y1)) << "case 20";
}
