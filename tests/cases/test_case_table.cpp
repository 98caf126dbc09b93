#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "cases/Cube.h"
#include "cases/OllCases.h"

namespace kestive {
namespace {

// Everything but the U layer is where it belongs: the first two layers and all centres.
::testing::AssertionResult keepsFirstTwoLayers(const Cube& cube) {
    for (Face face : {Face::D, Face::F, Face::R, Face::B, Face::L, Face::U}) {
        for (int row = 0; row < 3; ++row) {
            for (int col = 0; col < 3; ++col) {
                const bool lastLayer = face == Face::U ? !(row == 1 && col == 1) : row == 0;
                if (!lastLayer && cube.sticker(face, row, col) != face) {
                    return ::testing::AssertionFailure() << "sticker " << static_cast<int>(face) << "/" << row << "/" << col;
                }
            }
        }
    }
    return ::testing::AssertionSuccess();
}

TEST(CaseTable, HoldsCases1To57InOrderAndEachAlgorithmReads) {
    const auto& cases = ollCases();
    for (int pll = 0; pll < kCaseCount; ++pll) {
        const OllCase& c = cases[static_cast<std::size_t>(pll)];
        EXPECT_EQ(c.number, pll + 1);
        const auto moves = parseAlgorithm(c.algorithm);
        ASSERT_TRUE(moves.has_value()) << "case " << c.number << ": " << c.algorithm;
        EXPECT_EQ(toString(*moves), c.algorithm) << "case " << c.number << " is not written in plain notation";
    }
}

TEST(CaseTable, EveryAlgorithmKeepsTheFirstTwoLayersAndTheCentres) {
    for (const OllCase& c : ollCases()) {
        Cube cube;
        cube.apply(*parseAlgorithm(c.algorithm));
        EXPECT_TRUE(keepsFirstTwoLayers(cube)) << "case " << c.number << ": " << c.algorithm;
        EXPECT_FALSE(cube.isSolved()) << "case " << c.number << " does nothing";
    }
}

TEST(CaseTable, TheFirstTwoLayersCheckTellsLastLayerChangesFromOthers) {
    auto afterMoves = [](std::string_view algorithm) {
        Cube cube;
        cube.apply(*parseAlgorithm(algorithm));
        return cube;
    };
    EXPECT_TRUE(keepsFirstTwoLayers(afterMoves("U")));
    EXPECT_TRUE(keepsFirstTwoLayers(afterMoves("M2 U M2 U2 M2 U M2")));
    EXPECT_FALSE(keepsFirstTwoLayers(afterMoves("R U R'")));
    EXPECT_FALSE(keepsFirstTwoLayers(afterMoves("y")));
    EXPECT_FALSE(keepsFirstTwoLayers(afterMoves("M2 U M2 U2 M2 U")));
}

TEST(CaseTable, MatchesTheSharedTable) {
    const std::filesystem::path path = KESTIVE_CASE_TABLE;
    if (!std::filesystem::exists(path)) {
        GTEST_SKIP() << "the shared case table " << path << " is not there; set KESTIVE_SHARED_DIR to its folder";
    }
    std::ifstream in(path);
    ASSERT_TRUE(in) << path;
    std::string line;
    ASSERT_TRUE(std::getline(in, line));
    EXPECT_EQ(line, "case\talgorithm");
    std::vector<std::pair<int, std::string>> rows;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        if (line.empty()) {
            continue;
        }
        const auto tab = line.find('\t');
        ASSERT_NE(tab, std::string::npos) << line;
        rows.emplace_back(std::stoi(line.substr(0, tab)), line.substr(tab + 1));
    }
    ASSERT_EQ(rows.size(), static_cast<std::size_t>(kCaseCount));
    for (std::size_t i = 0; i < rows.size(); ++i) {
        EXPECT_EQ(ollCases()[i].number, rows[i].first);
        EXPECT_EQ(ollCases()[i].algorithm, rows[i].second) << "case " << rows[i].first;
    }
}

TEST(CaseTable, TitlesNameNumberAndAlgorithm) {
    EXPECT_EQ(ollCaseTitle(26), "OLL 27 \xE2\x80\x94 R U R' U R U2 R'");
    EXPECT_EQ(ollCaseTitle(0), "OLL 1 \xE2\x80\x94 R U2 R2 F R F' U2 R' F R F'");
    EXPECT_EQ(ollCaseTitle(-1), "");
    EXPECT_EQ(ollCaseTitle(57), "");
}

}  // namespace
}  // namespace kestive
