// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <fstream>
#include <string>

#include "app/DrillTrace.h"

namespace kestive {

// Appends one line per event to a text file ("revealed 27 <tick> <microseconds since the epoch>",
// "stopped 27 1000", "kept 27 1000"), flushed at once, so that a script can read the measured times
// while the program runs.
class FileDrillTrace final : public DrillTrace {
public:
    explicit FileDrillTrace(const std::string& path);

    void revealed(std::int16_t caseIndex, std::int32_t tick) override;
    void stopped(std::int16_t caseIndex, std::int32_t ms) override;
    void kept(std::int16_t caseIndex, std::int32_t ms) override;
    // Any other line, e.g. a start-up mark.
    void note(const std::string& line);

private:
    std::ofstream out_;
};

}  // namespace kestive
