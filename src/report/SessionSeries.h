// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "stats/CaseCount.h"
#include "stats/Report.h"
#include "stats/Result.h"
#include "stats/TimeStore.h"

namespace kestive {

// What the progress views need of one session file: its name and, per case, the count and rounded mean.
struct SessionSummary {
    std::string name;                                    // the file as the user named it
    std::array<std::int32_t, kCaseCount> roundedMean{};  // ms; meaningful where count > 0
    std::array<std::int32_t, kCaseCount> count{};
    std::optional<double> totalAverage;  // seconds, as the report's total line; none when no case counts
};

SessionSummary summarizeSession(std::string name, const TimeStore& store);

// The change of a case's rounded mean from the first session in which it has times to the last one, in ms;
// none unless it has times in two sessions at least.
std::optional<std::int64_t> caseChange(const std::vector<SessionSummary>& sessions, int pll);

// The change of the total average from the first session that has one to the last one, in seconds.
std::optional<double> totalChange(const std::vector<SessionSummary>& sessions);

// Adds every time of `from` to `into`, case by case in the order kept, as if the sessions were one.
// Fails, naming the case, when a case would hold more times than one case can.
Result<Done, std::string> addSessionTimes(TimeStore& into, const TimeStore& from);

}  // namespace kestive
