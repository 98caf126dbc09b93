#include "ReportJson.h"

#include <charconv>
#include <cstdint>

#include "stats/Report.h"

namespace kestive {

namespace {
// Shortest text that reads back as the same double; always with "." and never in the locale's form.
std::string jsonNumber(double value) {
    char buf[64];
    const auto res = std::to_chars(buf, buf + sizeof buf, value);
    return std::string(buf, res.ptr);
}
}  // namespace

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
