// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <string>
#include <vector>

#include "report/SessionSeries.h"
#include "stats/NumberText.h"
#include "stats/TimeStore.h"

namespace kestive {

// The times as a picture to share, an SVG document: a title, the total average, and per case its
// picture, number, bar (scaled by the store's maxAverage, as the trainer's panel does), mean, count and
// deviation. With more than one session it adds the total average per session as a chart, and per
// case a small chart of its rounded mean over the sessions. `times` holds all the times shown as numbers;
// `sessions` is the history, oldest first. Each case is a group id="oll-N" with data-mean-ms, the rounded
// mean, when it has times.
std::string svgReport(const TimeStore& times, const std::vector<SessionSummary>& sessions,
                      const NumberFormat& format);

}  // namespace kestive
