#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "cases/Cube.h"

namespace kestive {
namespace {

Cube after(std::string_view algorithm, Cube cube = Cube()) {
    const auto moves = parseAlgorithm(algorithm);
    EXPECT_TRUE(moves.has_value()) << algorithm;
    if (moves) {
        cube.apply(*moves);
    }
    return cube;
}

// A cube turned well away from solved, so that equal results are not an accident of the solved state.
Cube scrambled() { return after("R U2 F' L D' B2 r u' M E2 S' x y' z F R' D2 b l' f2 d"); }

const std::vector<std::string> kAllMoveLetters = {"U", "D", "L", "R", "F", "B", "u", "d", "l",
                                                  "r", "f", "b", "M", "E", "S", "x", "y", "z"};

TEST(CubeModel, SolvedCubeIsSolvedAndShowsItsFaces) {
    const Cube cube;
    EXPECT_TRUE(cube.isSolved());
    EXPECT_EQ(cube.sticker(Face::U, 0, 0), Face::U);
    EXPECT_EQ(cube.sticker(Face::B, 2, 1), Face::B);
    EXPECT_FALSE(scrambled().isSolved());
}

TEST(CubeModel, EveryMoveFourTimesIsTheIdentityAndFewerTimesIsNot) {
    for (const std::string& letter : kAllMoveLetters) {
        Cube cube = scrambled();
        const Cube start = cube;
        const Move quarter = parseAlgorithm(letter).value().at(0);
        for (int times = 1; times <= 3; ++times) {
            cube.apply(quarter);
            EXPECT_NE(cube, start) << letter << " " << times << " times";
        }
        cube.apply(quarter);
        EXPECT_EQ(cube, start) << letter << " four times";
        // Prime and double turns are the same quarter turn three and two times.
        EXPECT_EQ(after(letter + "'", start), after(letter + " " + letter + " " + letter, start)) << letter;
        EXPECT_EQ(after(letter + "2", start), after(letter + " " + letter, start)) << letter;
        EXPECT_TRUE(after(letter + " " + letter + "'", start) == start) << letter;
    }
}

TEST(CubeModel, SexyMoveHasOrderSix) {
    Cube cube = scrambled();
    const Cube start = cube;
    for (int times = 1; times <= 6; ++times) {
        cube = after("R U R' U'", cube);
        EXPECT_EQ(cube == start, times == 6) << times << " times";
    }
}

TEST(CubeModel, RUHasOrder105) {
    Cube cube;
    int order = 0;
    do {
        cube = after("R U", cube);
        ++order;
    } while (!cube.isSolved() && order < 1000);
    EXPECT_EQ(order, 105);
}

TEST(CubeModel, WideSliceAndRotationMovesAgreeWithFaceTurns) {
    const Cube start = scrambled();
    const std::vector<std::pair<std::string, std::string>> same = {
        {"M'", "r R'"}, {"M", "L' l"}, {"E", "D' d"}, {"S", "f F'"},
        {"r", "R M'"},  {"l", "L M"},  {"u", "U E'"}, {"d", "D E"},  {"f", "F S"}, {"b", "B S'"},
        {"x", "R M' L'"}, {"y", "U E' D'"}, {"z", "F S B'"},
        {"x", "r L'"},  {"y", "u D'"}, {"z", "f B'"},
    };
    for (const auto& [left, right] : same) {
        EXPECT_EQ(after(left, start), after(right, start)) << left << " vs " << right;
    }
}

TEST(CubeModel, RotationsCarryFacesWhereTheirFaceTurnsDo) {
    // x takes the front up, y the right to the front, z the up face to the right.
    const Cube x = after("x"), y = after("y"), z = after("z");
    for (int row = 0; row < 3; ++row) {
        for (int col = 0; col < 3; ++col) {
            EXPECT_EQ(x.sticker(Face::U, row, col), Face::F);
            EXPECT_EQ(x.sticker(Face::F, row, col), Face::D);
            EXPECT_EQ(y.sticker(Face::F, row, col), Face::R);
            EXPECT_EQ(y.sticker(Face::L, row, col), Face::F);
            EXPECT_EQ(z.sticker(Face::R, row, col), Face::U);
            EXPECT_EQ(z.sticker(Face::D, row, col), Face::R);
        }
    }
    // A rotation followed by a face turn is the rotation after the matching turn of the other face.
    EXPECT_EQ(after("x U"), after("F x"));
    EXPECT_EQ(after("y F"), after("R y"));
    EXPECT_EQ(after("y R"), after("B y"));
    EXPECT_EQ(after("z U"), after("L z"));
}

// Which face's colour shows on a row (r >= 0) or column (c >= 0) of a face.
std::array<Face, 3> line(const Cube& cube, Face face, int r, int c) {
    std::array<Face, 3> out{};
    for (int i = 0; i < 3; ++i) {
        out[static_cast<std::size_t>(i)] = r >= 0 ? cube.sticker(face, r, i) : cube.sticker(face, i, c);
    }
    return out;
}

std::array<Face, 3> all(Face f) { return {f, f, f}; }

TEST(CubeModel, MovesTurnStickersTheRightWay) {
    // Clockwise as seen facing the turned layer: R lifts the front up, U brings the right side to the front, ...
    EXPECT_EQ(line(after("R"), Face::U, -1, 2), all(Face::F));
    EXPECT_EQ(line(after("R"), Face::F, -1, 2), all(Face::D));
    EXPECT_EQ(line(after("R'"), Face::U, -1, 2), all(Face::B));
    EXPECT_EQ(line(after("L"), Face::F, -1, 0), all(Face::U));
    EXPECT_EQ(line(after("U"), Face::F, 0, -1), all(Face::R));
    EXPECT_EQ(line(after("U"), Face::L, 0, -1), all(Face::F));
    EXPECT_EQ(line(after("D"), Face::F, 2, -1), all(Face::L));
    EXPECT_EQ(line(after("F"), Face::R, -1, 0), all(Face::U));
    EXPECT_EQ(line(after("F"), Face::D, 0, -1), all(Face::R));
    EXPECT_EQ(line(after("B"), Face::U, 0, -1), all(Face::R));
    EXPECT_EQ(line(after("M"), Face::F, -1, 1), all(Face::U));
    EXPECT_EQ(line(after("E"), Face::F, 1, -1), all(Face::L));
    EXPECT_EQ(line(after("S"), Face::R, -1, 1), all(Face::U));
    // Wide turns take the middle layer along.
    const Cube r = after("r");
    EXPECT_EQ(line(r, Face::U, -1, 1), all(Face::F));
    EXPECT_EQ(line(r, Face::U, -1, 2), all(Face::F));
    EXPECT_EQ(line(r, Face::U, -1, 0), all(Face::U));
    // The turned face itself turns clockwise: after R the sticker at R's top-left came from its bottom-left.
    Cube marked = after("F");  // the left column of R now shows U
    marked = after("R", marked);
    EXPECT_EQ(line(marked, Face::R, 0, -1), all(Face::U));
    // U seen from above: after F the front row of U shows L; U then carries it to the left column.
    const Cube fu = after("F U");
    EXPECT_EQ(line(fu, Face::U, -1, 0), all(Face::L));
}

}  // namespace
}  // namespace kestive
