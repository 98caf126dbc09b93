// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <string>
#include <vector>

#include "report/SessionSeries.h"
#include "stats/NumberText.h"

namespace kestive {

// The sessions as a table for a terminal: a numbered list of the files, then one row per case with its
// number, its rounded mean in seconds in every session where it has times ("-" where it has none) and the
// change from its first to its last session, then the row of total averages. Columns are right-aligned.
std::string progressText(const std::vector<SessionSummary>& sessions, const NumberFormat& format);

// The same data as JSON: the sessions with their total averages, and per case its rounded means and counts
// per session (null where it has no times) and its change in ms.
std::string progressJson(const std::vector<SessionSummary>& sessions);

}  // namespace kestive
