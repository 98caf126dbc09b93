#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "cases/Cube.h"
#include "cases/OllCases.h"

namespace kestive {
namespace {

// The algorithm written back in plain notation, moves separated by single spaces ("R U2 R'").
std::string toString(const Algorithm& algorithm) {
    std::string text;
    for (const Move& move : algorithm) {
        if (!text.empty()) text += ' ';
        text += "UDLRFBudlrfbMESxyz"[static_cast<int>(move.kind)];
        if (move.quarters != 1) text += move.quarters == 2 ? '2' : '\'';
    }
    return text;
}

TEST(CaseTable, MatchesTheSharedTableWrittenInPlainNotation) {
    const std::filesystem::path path = KESTIVE_CASE_TABLE;
    if (!std::filesystem::exists(path)) GTEST_SKIP() << path << " is not there: set KESTIVE_SHARED_DIR";
    std::ifstream in(path);
    std::string line;
    ASSERT_TRUE(std::getline(in, line));
    EXPECT_EQ(line, "case\talgorithm");
    int rows = 0;
    for (; std::getline(in, line) && !line.empty(); ++rows) {
        ASSERT_LT(rows, kCaseCount);
        const OllCase& c = ollCases()[rows];
        EXPECT_EQ(std::to_string(c.number) + "\t" + std::string(c.algorithm), line);
        EXPECT_EQ(toString(parseAlgorithm(c.algorithm).value()), c.algorithm);
    }
    EXPECT_EQ(rows, kCaseCount);
}

TEST(CaseTable, EveryAlgorithmKeepsTheFirstTwoLayersAndTheCentres) {
    // All stickers but the eight moving ones of the U layer are home, and something moved.
    auto keeps = [](std::string_view algorithm) {
        Cube cube;
        cube.apply(parseAlgorithm(algorithm).value());
        for (int i = 0; i < 54; ++i) {
            const auto face = static_cast<Face>(i / 9);
            const bool lastLayer = face == Face::U ? i % 9 != 4 : face != Face::D && i % 9 < 3;
            if (!lastLayer && cube.sticker(face, i % 9 / 3, i % 3) != face) return false;
        }
        return cube != Cube();
    };
    for (const OllCase& c : ollCases()) EXPECT_TRUE(keeps(c.algorithm)) << c.number << ": " << c.algorithm;
    EXPECT_FALSE(keeps("R U R'"));
}

}  // namespace
}  // namespace kestive
