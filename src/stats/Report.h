// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <optional>
#include <string>

#include "stats/NumberText.h"
#include "stats/TimeStore.h"

namespace kestive {

// The text report: one line per case in index order ("avg: 0.65, std: 0.05, num: 2" + CR LF), then
// "Total Average: " and the mean of the counted cases' rounded means, with no line end, when any case counts.
std::string reportText(const TimeStore& store, const NumberFormat& format);

// The report's total: the plain mean, in seconds, of the cases' rounded means above 0 (every counted case
// weighs the same); none when no case counts.
std::optional<double> totalAverageSeconds(const TimeStore& store);

}  // namespace kestive
