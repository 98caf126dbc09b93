// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/ReportJson.h"

#include <cstdint>

#include "report/TextEscape.h"
#include "stats/Report.h"

namespace kestive {

std::string reportJson(const TimeStore& store) {
    std::string out = "{\n  \"cases\": [\n";
    for (int i = 0; i < kCaseCount; ++i) {
        const std::int32_t rounded = store.roundedMean(i);
        const std::int32_t best = store.bestTime(i);
        out += "    {\"index\": " + plainInteger(i) + ", \"number\": " + plainInteger(i + 1) +
               ", \"count\": " + plainInteger(store.timeCount(i)) +
               ", \"mean_ms\": " + jsonNumber(store.average(i)) +
               ", \"rounded_mean_ms\": " + plainInteger(rounded) +
               ", \"std_s\": " + jsonNumber(store.std(i, rounded)) +
               ", \"record_ms\": " + (best == kNoRecord ? std::string("null") : plainInteger(best)) + "}";
        out += i + 1 < kCaseCount ? ",\n" : "\n";
    }
    out += "  ],\n  \"total_average_s\": ";
    const std::optional<double> total = totalAverageSeconds(store);
    out += total ? jsonNumber(*total) : std::string("null");
    out += "\n}\n";
    return out;
}

}  // namespace kestive
