// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "cases/Cube.h"

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

TEST(CubeModel, EveryMoveHasOrderFourSexyMoveSixAndRUOrder105) {
    std::vector<std::pair<std::string, int>> orders = {{"R U R' U'", 6}, {"R U", 105}};
    for (const char move : std::string("UDLRFBudlrfbMESxyz")) orders.emplace_back(std::string(1, move), 4);
    for (const auto& [moves, order] : orders) {
        int n = 1;  // times applied until the cube is back
        for (Cube c = after(moves, scrambled()); c != scrambled() && n < 1000; ++n) c = after(moves, c);
        EXPECT_EQ(n, order) << moves;
    }
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

}  // namespace
}  // namespace kestive
