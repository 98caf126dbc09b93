// Every kept fuzzer input (crashes found once, and the seed corpus) must read without breaking a rule.
#include <gtest/gtest.h>

#include <filesystem>

#include "../fuzz/SessionInvariants.h"
#include "TempDir.h"

TEST(FuzzRegressions, KeptInputsReadWithoutBreakingARule) {
    int checked = 0;
    for (const auto* folder : {KESTIVE_FUZZ_REGRESSIONS, KESTIVE_FUZZ_CORPUS}) {
        for (const auto& entry : std::filesystem::directory_iterator(folder)) {
            if (!entry.is_regular_file()) continue;
            const std::string content = readFile(entry.path());
            EXPECT_EQ(kestive::sessionInvariantBroken(content), "") << entry.path();
            ++checked;
        }
    }
    EXPECT_GE(checked, 5);
}

TEST(FuzzRegressions, OddLineEndsAreReadAsTheReaderDocuments) {
    // A lone CR is no line end: "h\r3:1,2,\r4:5,\r" is one line, the header.
    const auto loneCr = kestive::parseSession("h\r3:1,2,\r4:5,\r", "x", {});
    ASSERT_TRUE(loneCr.session);
    EXPECT_EQ(loneCr.session->store.timeCount(3), 0);
    // A line holding just CR after CR LF is not empty: it has no ":".
    const auto crLine = kestive::parseSession("h\r\n\r\n\r\r\n", "x", {});
    ASSERT_TRUE(crLine.error);
    EXPECT_EQ(crLine.error->line, 3);
    // A NUL inside a number makes it no number.
    const auto nul = kestive::parseSession(std::string_view("h\r\n3:1\0002,5,\r\n", 14), "x", {});
    ASSERT_TRUE(nul.error);
    EXPECT_EQ(nul.error->line, 2);
}
