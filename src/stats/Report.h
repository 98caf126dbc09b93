#pragma once
#include <string>

#include "stats/NumberText.h"
#include "stats/TimeStore.h"

namespace kestive {

// The text report: one line per case in index order ("avg: 0.65, std: 0.05, num: 2" + CR LF), then
// "Total Average: " and the mean of the counted cases' rounded means, with no line end, when any case counts.
std::string reportText(const TimeStore& store, const NumberFormat& format);

}  // namespace kestive
