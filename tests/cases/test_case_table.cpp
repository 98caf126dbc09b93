#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "cases/Cube.h"
#include "cases/OllCases.h"

namespace kestive {
namespace {

// The numbering: the algorithms are the shared table's, case by case (swapped cases pass every other test).
TEST(CaseTable, MatchesTheSharedTable) {
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
