// SPDX-License-Identifier: GPL-3.0-or-later
// The case table, the cases' pictures derived from it by the cube model and the picture files built from
// them. The model serves only the table's algorithms: it is checked through them, so a move none of them
// uses is left unchecked, and one they use that turns the wrong way fails the CaseViews tests.
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

// The moves of every algorithm, read by the model as the pictures are, leave the first two layers alone.
TEST(CaseViews, EachAlgorithmKeepsTheFirstTwoLayers) {
    EXPECT_FALSE(keepsTheFirstTwoLayers(parseAlgorithm("R U R'").value()));
    for (const OllCase& c : ollCases())
        EXPECT_TRUE(keepsTheFirstTwoLayers(parseAlgorithm(c.algorithm).value()))
            << c.number << ": " << c.algorithm;
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
