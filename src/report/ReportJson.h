// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <string>

#include "stats/TimeStore.h"

namespace kestive {

// The statistics of every case as JSON, for plotting: per case its index 0..56, number 1..57, count,
// exact mean in ms, rounded mean in ms, deviation in s about the rounded mean and record in ms (null when
// none), then the report's total average in s (null when no case counts). Numbers ignore the locale.
std::string reportJson(const TimeStore& store);

}  // namespace kestive
