// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <vector>

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

}  // namespace
}  // namespace kestive
