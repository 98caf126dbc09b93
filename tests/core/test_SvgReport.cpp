// SPDX-License-Identifier: GPL-3.0-or-later
// The picture to share, rendered by a real SVG renderer (rsvg-convert) and read back pixel by pixel:
// stickers in the case pictures' colours where the cube model puts them, bars scaled as in the panel.
#include <gtest/gtest.h>

#include <cstdlib>
#include <regex>

#include "TestFiles.h"
#include "cases/CasePicture.h"
#include "cases/TopView.h"
#include "report/SvgReport.h"

using namespace kestive;

namespace {

struct Raster {
    int width = 0, height = 0;
    std::string rgb;  // three bytes per pixel, row by row
    Rgb at(double x, double y) const {
        const auto i =
            3 * (static_cast<std::size_t>(y) * static_cast<std::size_t>(width) + static_cast<std::size_t>(x));
        return {static_cast<std::uint8_t>(rgb[i]), static_cast<std::uint8_t>(rgb[i + 1]),
                static_cast<std::uint8_t>(rgb[i + 2])};
    }
};

// Renders the SVG with rsvg-convert at one pixel per unit and reads it back through a binary PPM.
Raster render(const std::string& svg, const TempDir& dir) {
    writeFile(dir / "p.svg", svg);
    const std::string command = "rsvg-convert " + (dir / "p.svg").string() + " -o " +
                                (dir / "p.png").string() + " && convert " + (dir / "p.png").string() +
                                " -alpha off -depth 8 " + (dir / "p.ppm").string();
    if (std::system(command.c_str()) != 0) return {};
    std::istringstream in(readFile(dir / "p.ppm"));
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

std::string colourText(Rgb c) {
    return std::to_string(c.r) + "," + std::to_string(c.g) + "," + std::to_string(c.b);
}

}  // namespace

TEST(SvgReport, RendersStickersInThePictureColoursAndBarsToScale) {
    TimeStore store;
    for (const auto time : {1000, 1200}) store.addTime(20, time);  // the largest mean: a full bar
    store.addTime(26, 550);                                        // half of it
    const std::string svg = svgReport(store, {summarizeSession("a.pll", store)}, NumberFormat{});
    TempDir dir;
    const Raster raster = render(svg, dir);
    ASSERT_GT(raster.width, 0) << "rsvg-convert or convert failed";

    for (const int pll : {0, 20, 26, 43, 56}) {  // a dot, the all-corners dot, Sune, a P shape, H
        SCOPED_TRACE("case " + std::to_string(pll + 1));
        const auto [left, top] = pictureCorner(svg, pll);
        ASSERT_GE(left, 0);
        const TopView view = ollCaseView(pll);
        for (int k = 0; k < 9; ++k) {
            const double x = left + 10 + (k % 3) * 21 + 9.5, y = top + 10 + (k / 3) * 21 + 9.5;
            const Rgb expected = view.up[static_cast<std::size_t>(k)] ? kPictureYellow : kPictureGrey;
            EXPECT_EQ(colourText(raster.at(x, y)), colourText(expected)) << "sticker " << k;
        }
        for (int i = 0; i < 3; ++i) {  // the bar beside each back and right side sticker
            const auto s = static_cast<std::size_t>(i);
            const double along = 10 + i * 21 + 9.5;
            EXPECT_EQ(colourText(raster.at(left + along, top + 4.5)),
                      colourText(view.back[s] ? kPictureYellow : kPictureBackground))
                << "back " << i;
            EXPECT_EQ(colourText(raster.at(left + 75.5, top + along)),
                      colourText(view.right[s] ? kPictureYellow : kPictureBackground))
                << "right " << i;
        }
    }

    // The bar boxes start 92 units right of the picture and 25 below its top: full, half, empty.
    const Rgb red{255, 0, 0}, white{255, 255, 255};
    const std::tuple<int, double, Rgb> bars[] = {
        {20, 158, red}, {26, 76, red}, {26, 86, white}, {0, 6, white}};
    for (const auto& [pll, along, expected] : bars) {
        const auto [left, top] = pictureCorner(svg, pll);
        EXPECT_EQ(colourText(raster.at(left + 92 + along, top + 25 + 10)), colourText(expected))
            << "case " << pll + 1 << " at " << along;
    }
}

TEST(SvgReport, CaseGroupsCarryTheirMeanAndTextIsEscaped) {
    TimeStore store;
    for (const auto time : {1000, 1001}) store.addTime(4, time);
    std::vector<SessionSummary> sessions = {summarizeSession("<old & \"first\">.pll", store),
                                            summarizeSession("bad\xFF.pll", TimeStore())};
    const std::string svg = svgReport(store, sessions, NumberFormat{",", ".", 3, true, "-"});
    const std::string expected[] = {"<g id=\"oll-5\" data-mean-ms=\"1000\">",
                                    "<g id=\"oll-6\">",
                                    "<g id=\"oll-57\">",
                                    "&lt;old &amp; &quot;first&quot;&gt;.pll",
                                    "bad\xEF\xBF\xBD.pll",
                                    "Avg: 1,00",
                                    "Num: 2",
                                    "Std: 0,00",
                                    "<g id=\"total-average\">"};
    for (const std::string& part : expected) EXPECT_NE(svg.find(part), std::string::npos) << part;
    // Down each column, then the next: case 2 under case 1, case 20 at the top of the second column.
    const auto [x1, y1] = pictureCorner(svg, 0);
    EXPECT_EQ(pictureCorner(svg, 1), std::pair(x1, y1 + 100)) << "case 2";
    EXPECT_EQ(pictureCorner(svg, 19), std::pair(x1 + 480, y1)) << "case 20";

    // A strict XML reader takes it whole.
    TempDir dir;
    writeFile(dir / "p.svg", svg);
    const std::string check =
        "python3 -c 'import sys, xml.etree.ElementTree as E; "
        "r = E.parse(sys.argv[1]).getroot(); "
        "sys.exit(0 if r.tag == \"{http://www.w3.org/2000/svg}svg\" else 1)' " +
        (dir / "p.svg").string();
    EXPECT_EQ(std::system(check.c_str()), 0) << svg.substr(0, 2000);
}
