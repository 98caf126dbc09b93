#pragma once
// What must hold after reading any bytes as a session: shared by the fuzzer and the regression tests.
#include <algorithm>
#include <string>
#include <string_view>

#include "session/SessionFile.h"
#include "stats/Report.h"

namespace kestive {

// Empty when every rule holds, else the first rule broken.
inline std::string sessionInvariantBroken(std::string_view content) {
    const NumberFormat format;
    const LoadResult r = parseSession(content, "fuzz.pll", format);
    if (r.session.has_value() == r.error.has_value()) return "exactly one of session and error must be set";
    if (r.error) {
        const long lines = std::count(content.begin(), content.end(), '\n') + 1;
        if (r.error->file != "fuzz.pll") return "error names another file";
        if (r.error->line < 0 || r.error->line > lines) return "error line outside the file";
        if (r.error->what.empty()) return "error without a reason";
        if (r.error->line == 0 && !content.empty()) return "a content error without its line";
        return {};
    }
    const TimeStore& store = r.session->store;
    for (int i = 0; i < kCaseCount; ++i) {
        if (store.timeCount(i) < 0 || store.timeCount(i) > kMaxTimesPerCase) return "count out of range";
        if (store.timeCount(i) > store.timesCapacity() + 1) return "count above the capacity";
        if (store.bestTime(i) > kNoRecord) return "record above the no-record value";
        if (store.roundedMean(i) > store.maxAverage()) return "a rounded mean above maxAverage";
        if (store.std(i, store.roundedMean(i)) < 0) return "negative deviation";
    }
    // What is written reads back to the same times.
    const LoadResult back = parseSession(sessionText(store, "x"), "back.pll", format);
    if (!back.session) return "written session does not read back: " + back.error->message();
    for (int i = 0; i < kCaseCount; ++i) {
        const auto a = store.timesOf(i), b = back.session->store.timesOf(i);
        if (!std::equal(a.begin(), a.end(), b.begin(), b.end()))
            return "round trip changed case " + std::to_string(i);
    }
    const std::string report = reportText(store, format);
    if (std::count(report.begin(), report.end(), '\n') != kCaseCount) return "report without 57 lines";
    return {};
}

}  // namespace kestive
