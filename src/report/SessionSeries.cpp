// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/SessionSeries.h"

#include <utility>

#include "stats/NumberText.h"

namespace kestive {

SessionSummary summarizeSession(std::string name, const TimeStore& store) {
    SessionSummary summary;
    summary.name = std::move(name);
    for (int i = 0; i < kCaseCount; ++i) {
        const auto k = static_cast<std::size_t>(i);
        summary.count[k] = store.timeCount(i);
        summary.roundedMean[k] = store.roundedMean(i);
    }
    summary.totalAverage = totalAverageSeconds(store);
    return summary;
}

std::optional<std::int64_t> caseChange(const std::vector<SessionSummary>& sessions, int pll) {
    const auto k = static_cast<std::size_t>(pll);
    std::optional<std::int32_t> first, last;
    int withTimes = 0;
    for (const SessionSummary& session : sessions) {
        if (session.count[k] == 0) continue;
        if (!first) first = session.roundedMean[k];
        last = session.roundedMean[k];
        ++withTimes;
    }
    if (withTimes < 2) return std::nullopt;
    return static_cast<std::int64_t>(*last) - *first;
}

std::optional<double> totalChange(const std::vector<SessionSummary>& sessions) {
    std::optional<double> first, last;
    int withTotal = 0;
    for (const SessionSummary& session : sessions) {
        if (!session.totalAverage) continue;
        if (!first) first = session.totalAverage;
        last = session.totalAverage;
        ++withTotal;
    }
    if (withTotal < 2) return std::nullopt;
    return *last - *first;
}

Result<Done, std::string> addSessionTimes(TimeStore& into, const TimeStore& from) {
    for (int i = 0; i < kCaseCount; ++i) {
        for (const std::int32_t time : from.timesOf(i)) {
            if (!into.addTime(i, time)) {
                return Failure{"case " + plainInteger(i + 1) + " holds more than " +
                               plainInteger(kMaxTimesPerCase) + " times in the files together"};
            }
        }
    }
    return Done{};
}

}  // namespace kestive
