// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <string>
#include <vector>

#include "stats/NumberText.h"
#include "stats/Result.h"
#include "stats/TimeStore.h"

namespace kestive {

// One session file read whole: its store, or the message that names the file, the line and the fault.
Result<TimeStore, std::string> loadSessionStore(const std::string& file);

// Writes all of text to standard output and flushes it; false when it did not all get there.
bool writeStdout(const std::string& text);

// kestive-report [--json] FILE: the report of one session file, or its statistics as JSON, on stdout.
// Returns the exit status; on a bad file prints its message on stderr and nothing on stdout.
int runReport(const std::string& file, bool json, const NumberFormat& format);

// kestive-report --progress [--json] FILE...: the sessions, oldest first, as a table or as JSON on stdout.
// Returns the exit status; on a bad file prints its message on stderr and nothing on stdout.
int runProgress(const std::vector<std::string>& files, bool json, const NumberFormat& format);

// kestive-report --svg [-o OUT] FILE...: the picture, to stdout or to OUT (replaced only when complete).
int runSvg(const std::vector<std::string>& files, const std::string& output, const NumberFormat& format);

}  // namespace kestive
