// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

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

}  // namespace
}  // namespace kestive
