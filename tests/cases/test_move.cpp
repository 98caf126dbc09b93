#include <gtest/gtest.h>

#include "cases/Move.h"

namespace kestive {
namespace {

std::string roundTrip(std::string_view text) {
    const auto moves = parseAlgorithm(text);
    return moves ? toString(*moves) : std::string("<no algorithm>");
}

TEST(MoveNotation, ReadsFaceWideSliceAndRotationMoves) {
    EXPECT_EQ(roundTrip("R U R' U'"), "R U R' U'");
    EXPECT_EQ(roundTrip("r' R2 U M' E S2 x y' z2 l d b f u"), "r' R2 U M' E S2 x y' z2 l d b f u");
    EXPECT_EQ(roundTrip(""), "");
    EXPECT_EQ(roundTrip("   "), "");
}

TEST(MoveNotation, ReadsTheUsualVariants) {
    EXPECT_EQ(roundTrip("Rw U Fw'"), "r U f'");
    EXPECT_EQ(roundTrip("R2' U'2 F3 B1 D3'"), "R2 U2 F' B D");
    EXPECT_EQ(roundTrip("(R U R' U') [F2]"), "R U R' U' F2");
    EXPECT_EQ(roundTrip("RUR'U'"), "R U R' U'");
    EXPECT_EQ(roundTrip("R\xE2\x80\x99 U\t\nF"), "R' U F");
}

TEST(MoveNotation, RefusesWhatIsNotAMove) {
    for (const char* bad : {"R U Q", "R''", "R4", "R0", "R12", "Mw", "xw", "R+", "R, U", "R U 2", "w", "R'w"}) {
        EXPECT_FALSE(parseAlgorithm(bad).has_value()) << bad;
    }
}

TEST(MoveNotation, InverseReversesAndTurnsBack) {
    const auto moves = parseAlgorithm("R U2 F' r M");
    ASSERT_TRUE(moves);
    EXPECT_EQ(toString(inverse(*moves)), "M' r' F U2 R'");
    EXPECT_EQ(inverse(inverse(*moves)), *moves);
}

}  // namespace
}  // namespace kestive
