// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What must hold after reading any bytes as a session: shared by the fuzzer and the regression tests.
#include <algorithm>

#include "session/SessionFile.h"

namespace kestive {

// Empty when every rule holds, else the first rule broken.
inline std::string sessionInvariantBroken(std::string_view content) {
    const LoadResult r = parseSession(content, "fuzz.pll");
    if (!r) {  // the error names the file and a line in it; LF, CR LF and a lone CR each end a line
        long lines = 1;
        for (std::size_t i = 0; i < content.size(); ++i)
            lines += content[i] == '\n' || (content[i] == '\r' && content.substr(i + 1, 1) != "\n");
        const SessionError& e = r.error();
        const bool lineInFile = e.line >= (content.empty() ? 0 : 1) && e.line <= lines;
        return lineInFile && e.file == "fuzz.pll" && !e.what.empty() ? "" : "error out of place";
    }
    const LoadResult back = parseSession(sessionText(r->store, "x"), "back.pll");
    if (!back) return "written session does not read back: " + back.error().message();
    for (int i = 0; i < kCaseCount; ++i) {
        const TimeStore& store = r->store;
        const int count = store.timeCount(i), mean = store.roundedMean(i);
        if (count < 0 || count > kMaxTimesPerCase || store.bestTime(i) > kNoRecord ||
            mean > store.maxAverage() || !(store.std(i, mean) >= 0))
            return "a store rule broken in case " + std::to_string(i);
        if (!std::ranges::equal(store.timesOf(i), back->store.timesOf(i))) return "round trip changed a case";
    }
    return {};
}

}  // namespace kestive
