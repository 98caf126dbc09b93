// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/Progress.h"

#include <algorithm>
#include <cstddef>

#include "report/TextEscape.h"

namespace kestive {

namespace {

constexpr const char* kNoValue = "-";

// "+0.05" for a slower case, "-0.05" for a faster one, "0.00" for no change.
std::string signedSeconds(double seconds, const NumberFormat& format) {
    const std::string text = twoDecimals(seconds, format);
    const bool shownAsZero = text == twoDecimals(0.0, format);
    return seconds > 0 && !shownAsZero ? "+" + text : text;
}

std::string jsonOptional(const std::optional<double>& value) {
    return value ? jsonNumber(*value) : std::string("null");
}

}  // namespace

std::string progressText(const std::vector<SessionSummary>& sessions, const NumberFormat& format) {
    std::string out = "Sessions, oldest first:\n";
    const std::size_t numberWidth = plainInteger(static_cast<std::int64_t>(sessions.size())).size();
    for (std::size_t s = 0; s < sessions.size(); ++s) {
        const std::string number = plainInteger(static_cast<std::int64_t>(s + 1));
        out += std::string(2 + numberWidth - number.size(), ' ') + number + "  " + sessions[s].name + "\n";
    }

    // The table as cells first, so that every column can take the width of its widest cell.
    std::vector<std::vector<std::string>> rows;
    std::vector<std::string> header = {"Case"};
    for (std::size_t s = 0; s < sessions.size(); ++s)
        header.push_back(plainInteger(static_cast<std::int64_t>(s + 1)));
    header.emplace_back("Change");
    rows.push_back(std::move(header));
    for (int i = 0; i < kCaseCount; ++i) {
        const auto k = static_cast<std::size_t>(i);
        std::vector<std::string> row = {plainInteger(i + 1)};
        for (const SessionSummary& session : sessions) {
            row.push_back(session.count[k] > 0 ? twoDecimals(session.roundedMean[k] / 1000.0, format)
                                               : kNoValue);
        }
        const auto change = caseChange(sessions, i);
        row.push_back(change ? signedSeconds(static_cast<double>(*change) / 1000.0, format) : kNoValue);
        rows.push_back(std::move(row));
    }
    std::vector<std::string> total = {"Total"};
    for (const SessionSummary& session : sessions) {
        total.push_back(session.totalAverage ? twoDecimals(*session.totalAverage, format) : kNoValue);
    }
    const auto change = totalChange(sessions);
    total.push_back(change ? signedSeconds(*change, format) : kNoValue);
    rows.push_back(std::move(total));

    std::vector<std::size_t> widths(rows.front().size(), 0);
    for (const auto& row : rows) {
        for (std::size_t c = 0; c < row.size(); ++c) widths[c] = std::max(widths[c], displayWidth(row[c]));
    }
    out += "\n";
    for (const auto& row : rows) {
        for (std::size_t c = 0; c < row.size(); ++c) {
            if (c == 0) {  // the first column reads from the left: "Case", "1", "Total"
                out += row[c] + std::string(widths[c] - displayWidth(row[c]), ' ');
            } else {
                out += std::string(2 + widths[c] - displayWidth(row[c]), ' ') + row[c];
            }
        }
        out += "\n";
    }
    return out;
}

std::string progressJson(const std::vector<SessionSummary>& sessions) {
    std::string out = "{\n  \"sessions\": [\n";
    for (std::size_t s = 0; s < sessions.size(); ++s) {
        out += "    {\"file\": " + jsonString(sessions[s].name) +
               ", \"total_average_s\": " + jsonOptional(sessions[s].totalAverage) + "}";
        out += s + 1 < sessions.size() ? ",\n" : "\n";
    }
    out += "  ],\n  \"cases\": [\n";
    for (int i = 0; i < kCaseCount; ++i) {
        const auto k = static_cast<std::size_t>(i);
        std::string means, counts;
        for (std::size_t s = 0; s < sessions.size(); ++s) {
            const std::string separator = s > 0 ? ", " : "";
            const bool has = sessions[s].count[k] > 0;
            means += separator + (has ? plainInteger(sessions[s].roundedMean[k]) : std::string("null"));
            counts += separator + plainInteger(sessions[s].count[k]);
        }
        const auto change = caseChange(sessions, i);
        out += "    {\"index\": " + plainInteger(i) + ", \"number\": " + plainInteger(i + 1) +
               ", \"rounded_mean_ms\": [" + means + "], \"count\": [" + counts +
               "], \"change_ms\": " + (change ? plainInteger(*change) : std::string("null")) + "}";
        out += i + 1 < kCaseCount ? ",\n" : "\n";
    }
    out += "  ],\n  \"total_change_s\": " + jsonOptional(totalChange(sessions)) + "\n}\n";
    return out;
}

}  // namespace kestive
