#pragma once
// What must hold after reading any bytes as a session: shared by the fuzzer and the regression tests.
#include <algorithm>

#include "session/SessionFile.h"
#include "stats/Report.h"

namespace kestive {

// Empty when every rule holds, else the first rule broken.
inline std::string sessionInvariantBroken(std::string_view content) {
    const LoadResult r = parseSession(content, "fuzz.pll", NumberFormat{});
    if (r.session.has_value() == r.error.has_value()) return "exactly one of session and error must be set";
    if (r.error) {
        const long lines = std::count(content.begin(), content.end(), '\n') + 1;
        if (r.error->file != "fuzz.pll" || r.error->what.empty()) return "error without its file or reason";
        if (r.error->line < (content.empty() ? 0 : 1) || r.error->line > lines)
            return "error line outside the file";
        return {};
    }
    const TimeStore& store = r.session->store;
    const LoadResult back = parseSession(sessionText(store, "x"), "back.pll", NumberFormat{});
    if (!back.session) return "written session does not read back: " + back.error->message();
    for (int i = 0; i < kCaseCount; ++i) {
        if (store.timeCount(i) < 0 || store.timeCount(i) > store.timesCapacity() + 1)
            return "count out of range";
        if (store.bestTime(i) > kNoRecord) return "record above the no-record value";
        if (store.roundedMean(i) > store.maxAverage()) return "a rounded mean above maxAverage";
        if (!(store.std(i, store.roundedMean(i)) >= 0)) return "deviation not a number or negative";
        const auto a = store.timesOf(i), b = back.session->store.timesOf(i);
        if (!std::equal(a.begin(), a.end(), b.begin(), b.end())) return "round trip changed a case";
    }
    const std::string report = reportText(store, NumberFormat{});
    return std::count(report.begin(), report.end(), '\n') == kCaseCount ? "" : "report without 57 lines";
}

}  // namespace kestive
