// SPDX-License-Identifier: GPL-3.0-or-later
// The cube model, the case table, the cases' pictures derived from it and the picture files built from them.
#include <gif_lib.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <vector>

#include "cases/CasePicture.h"
#include "cases/Cube.h"
#include "cases/OllCases.h"
#include "cases/TopView.h"

namespace kestive {
namespace {

Cube after(std::string_view algorithm, Cube cube = Cube()) {
    cube.apply(parseAlgorithm(algorithm).value());
    return cube;
}
// Well away from solved, so that equal results are no accident of the solved state.
Cube scrambled() {
    return after("R U2 F' L D' B2 r u' M E2 S' x y' z F R' D2 b l' f2 d");
}

TEST(CubeModel, PrimesDoublesWideSliceAndRotationMovesAgreeWithFaceTurns) {
    const std::pair<const char*, const char*> same[] = {
        {"R'", "R R R"}, {"U2", "U U"},  {"M2'", "M M"}, {"x'", "x x x"},  {"D3", "D'"},     {"Rw", "r"},
        {"M'", "r R'"},  {"M", "L' l"},  {"E", "D' d"},  {"S", "f F'"},    {"u", "U E'"},    {"b", "B S'"},
        {"x", "r L'"},   {"y", "u D'"},  {"z", "f B'"},  {"x", "R M' L'"}, {"y", "U E' D'"}, {"z", "F S B'"},
        {"x U", "F x"},  {"y F", "R y"}, {"y R", "B y"}, {"z U", "L z"}};
    for (const auto& [left, right] : same)
        EXPECT_EQ(after(left, scrambled()), after(right, scrambled())) << left << " vs " << right;
    for (const char* bad : {"R U Q", "R''", "R4", "Mw", "R, U", "R U 2"})
        EXPECT_FALSE(parseAlgorithm(bad)) << bad;
}

// A face's stickers row by row, each named by its home face.
std::string face(const Cube& cube, Face f) {
    std::string out;
    for (int i = 0; i < 9; ++i) out += "URFDLB"[static_cast<int>(cube.sticker(f, i / 3, i % 3))];
    return out;
}

TEST(CubeModel, MovesTurnStickersTheRightWay) {
    // Clockwise as seen facing the turned layer: R lifts the front up, U brings the right to the front...
    const std::tuple<const char*, Face, const char*> rows[] = {
        {"R", Face::U, "UUFUUFUUF"},  {"R'", Face::U, "UUBUUBUUB"}, {"L", Face::F, "UFFUFFUFF"},
        {"U", Face::F, "RRRFFFFFF"},  {"D", Face::F, "FFFFFFLLL"},  {"F", Face::R, "URRURRURR"},
        {"B", Face::U, "RRRUUUUUU"},  {"M", Face::F, "FUFFUFFUF"},  {"E", Face::F, "FFFLLLFFF"},
        {"S", Face::R, "RURRURRUR"},  {"r", Face::U, "UFFUFFUFF"},  {"x", Face::U, "FFFFFFFFF"},
        {"y", Face::F, "RRRRRRRRR"},  {"z", Face::R, "UUUUUUUUU"},  {"F R", Face::R, "UUURRRRRR"},
        {"F U", Face::U, "LUULUULUU"}};  // the last two: the turned face itself turns clockwise
    for (const auto& [moves, f, stickers] : rows) EXPECT_EQ(face(after(moves), f), stickers) << moves;
}

// The numbering: the algorithms are the shared table's, case by case (swapped cases pass every other test).
TEST(CaseTable, MatchesTheSharedTable) {
    const std::filesystem::path path = KESTIVE_CASE_TABLE;
    if (!std::filesystem::exists(path)) GTEST_SKIP() << path << " is not there: set KESTIVE_SHARED_DIR";
    std::ifstream in(path);
    std::string line;
    std::getline(in, line);
    EXPECT_EQ(line, "case\talgorithm");
    int rows = 0;
    for (; std::getline(in, line) && !line.empty(); ++rows) {
        ASSERT_LT(rows, kCaseCount);
        const OllCase& c = ollCases()[rows];
        EXPECT_EQ(std::to_string(c.number) + "\t" + std::string(c.algorithm), line);
    }
    EXPECT_EQ(rows, kCaseCount);
}

// The same last layer after a quarter turn U (clockwise from above): the picture turned clockwise.
TopView turnedU(const TopView& view) {
    TopView turned;
    for (std::size_t i = 0; i < 3; ++i) {
        // Turning the picture clockwise takes row i, column col to row col, column 2 - i.
        for (std::size_t col = 0; col < 3; ++col) turned.up[col * 3 + 2 - i] = view.up[i * 3 + col];
        turned.right[i] = view.back[i];
        turned.front[2 - i] = view.right[i];
        turned.left[i] = view.front[i];
        turned.back[2 - i] = view.left[i];
    }
    return turned;
}

// Equal up to a turn of the U layer.
bool sameCase(const TopView& a, TopView b) {
    for (int q = 0; q < 4; ++q, b = turnedU(b))
        if (a == b) return true;
    return false;
}

TEST(CaseViews, The57CasesAndSolvedAreThe58ClassesOfThe216StatesModuloUTurns) {
    // Every state a last layer can be in: each corner (clockwise from the back-left, seen from above) shows
    // yellow up or on its first or second side clockwise round it, the twists summing to a multiple of three;
    // each edge (back, right, front, left) up or on its side, an even number of them flipped.
    std::vector<TopView> states;
    for (int t = 0; t < 81 * 16; ++t) {
        TopView v;
        v.up[4] = true;
        bool* corners[4][3] = {{&v.up[0], &v.back[0], &v.left[0]},
                               {&v.up[2], &v.right[0], &v.back[2]},
                               {&v.up[8], &v.front[2], &v.right[2]},
                               {&v.up[6], &v.left[2], &v.front[0]}};
        bool* edges[4][2] = {
            {&v.up[1], &v.back[1]}, {&v.up[5], &v.right[1]}, {&v.up[7], &v.front[1]}, {&v.up[3], &v.left[1]}};
        int twists = 0, flips = 0;
        for (int k = 0, twist = t % 81, flip = t / 81; k < 4; ++k, twist /= 3, flip /= 2) {
            *corners[k][twist % 3] = *edges[k][flip % 2] = true;
            twists += twist % 3;
            flips += flip % 2;
        }
        if (twists % 3 == 0 && flips % 2 == 0) states.push_back(v);
    }
    ASSERT_EQ(states.size(), 216u);
    std::vector<TopView> views;
    for (int pll = 0; pll < kCaseCount; ++pll) views.push_back(ollCaseView(pll));
    views.emplace_back().up.fill(true);  // "case 58": solved
    for (std::size_t i = 0; i < views.size(); ++i)
        for (std::size_t j = 0; j < i; ++j)
            EXPECT_FALSE(sameCase(views[i], views[j])) << "cases " << j + 1 << " and " << i + 1;
    for (const TopView& s : states)
        EXPECT_TRUE(std::ranges::any_of(views, [&](const TopView& v) { return sameCase(s, v); }));
}

// All stickers but the eight moving ones of the U layer are home, and something moved.
bool keepsTheFirstTwoLayers(const Algorithm& moves) {
    Cube cube;
    cube.apply(moves);
    for (int i = 0; i < 54; ++i) {
        const auto face = static_cast<Face>(i / 9);
        const bool lastLayer = face == Face::U ? i % 9 != 4 : face != Face::D && i % 9 < 3;
        if (!lastLayer && cube.sticker(face, i % 9 / 3, i % 3) != face) return false;
    }
    return cube != Cube();
}

TEST(CaseViews, EachAlgorithmKeepsTheFirstTwoLayersAndOrientsTheTopFromItsPicture) {
    EXPECT_FALSE(keepsTheFirstTwoLayers(parseAlgorithm("R U R'").value()));
    for (const OllCase& c : ollCases()) {
        const Algorithm moves = parseAlgorithm(c.algorithm).value();
        EXPECT_TRUE(keepsTheFirstTwoLayers(moves)) << c.number << ": " << c.algorithm;
        Cube cube;
        cube.apply(inverse(moves));
        // Turn the top until it looks like the picture; only a turn that changes nothing may be needed.
        int quarters = 0;
        for (; quarters < 4 && topView(cube) != ollCaseView(c.number - 1); ++quarters)
            cube.apply(Move{MoveKind::U, 1});
        ASSERT_LT(quarters, 4) << "case " << c.number << ": the picture is not this algorithm's case";
        cube.apply(moves);
        int up = 0;
        for (int i = 0; i < 9; ++i) up += cube.sticker(Face::U, i / 3, i % 3) == Face::U;
        EXPECT_EQ(up, 9) << "case " << c.number << " (" << c.algorithm << ") shown turned by " << quarters;
    }
}

// The picture in a GIF file, row by row: empty unless giflib reads an 81 x 81 image from it.
std::vector<Rgb> decode(const std::filesystem::path& file) {
    int error = 0;
    GifFileType* gif = DGifOpenFileName(file.c_str(), &error);
    std::vector<Rgb> pixels;
    if (gif && DGifSlurp(gif) == GIF_OK && gif->ImageCount > 0 && gif->SWidth == 81 && gif->SHeight == 81) {
        const SavedImage& image = gif->SavedImages[0];
        const ColorMapObject* map = image.ImageDesc.ColorMap ? image.ImageDesc.ColorMap : gif->SColorMap;
        const bool whole = map && image.ImageDesc.Width == 81 && image.ImageDesc.Height == 81;
        for (int i = 0; whole && i < 81 * 81; ++i) {
            const int index = image.RasterBits[i];  // outside the palette: a colour no picture uses
            const GifColorType c = index < map->ColorCount ? map->Colors[index] : GifColorType{1, 2, 3};
            pixels.push_back({c.Red, c.Green, c.Blue});
        }
    }
    DGifCloseFile(gif, &error);
    return pixels;
}

TEST(CasePictureFiles, TheBuildHoldsThe57PicturesDrawnFromTheModel) {
    const Rgb white{255, 255, 255}, yellow{255, 213, 0}, grey{110, 110, 110}, black{0, 0, 0};
    const int centre[3] = {19, 40, 61};
    for (int pll = 0; pll < 57; ++pll) {
        const auto file = std::filesystem::path(KESTIVE_BUILT_PICTURES_DIR) / casePictureFileName(pll);
        const std::vector<Rgb> p = decode(file);
        ASSERT_EQ(p.size(), 81u * 81u) << file;
        auto at = [&](int x, int y) { return p[y * 81 + x]; };
        const TopView v = ollCaseView(pll);
        int sides = 0;
        for (int i = 0; i < 3; ++i) {
            for (int j = 0; j < 3; ++j)
                EXPECT_EQ(at(centre[j], centre[i]), v.up[i * 3 + j] ? yellow : grey) << file << " " << i << j;
            for (auto [x, y, on] : {std::tuple{centre[i], 4, v.back[i]},
                                    {centre[i], 76, v.front[i]},
                                    {4, centre[i], v.left[i]},
                                    {76, centre[i], v.right[i]}})
                EXPECT_EQ(at(x, y), on ? yellow : white) << file << " bar at " << x << "," << y;
            sides += v.back[i] + v.front[i] + v.left[i] + v.right[i];
        }
        // Areas: 19 x 19 stickers, 19 x 6 bars, the 63 x 63 black face around the stickers.
        const int up = std::ranges::count(v.up, true);
        EXPECT_EQ(std::ranges::count(p, yellow), 361 * up + 114 * sides) << file;
        EXPECT_EQ(std::ranges::count(p, grey), 361 * (9 - up)) << file;
        EXPECT_EQ(std::ranges::count(p, black), 63 * 63 - 9 * 361) << file;
    }
}

}  // namespace
}  // namespace kestive
