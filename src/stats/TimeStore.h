// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "stats/CaseCount.h"
#include "stats/Int128.h"
#include "stats/NumberText.h"
#include "stats/Result.h"

namespace kestive {

// How a kept time compared with the case's record. The feedback line puts it into words.
struct RecordComparison {
    enum class Kind : std::uint8_t { None, Beat, Worse };
    Kind kind = Kind::None;           // None: the case had no record yet
    std::int64_t difference = 0;      // ms below (Beat) or above (Worse) the record
    std::int32_t record = kNoRecord;  // the record the time was compared with
};

// Why addTime refused a time.
enum class Refusal : std::uint8_t { BadCase, CaseFull };

// Outcome of addTime: kept, with the comparison against the record, or refused.
using KeepResult = Result<RecordComparison, Refusal>;

// Every kept time of every case, each case's record, and the bar scale of the case panel.
// The observable rules of the trainer's table hold (maxAverage never falls), but no operation costs more
// than the work it must do.
class TimeStore {
public:
    TimeStore();  // the empty store

    // Back to the empty store.
    void clear();

    // Keeps one time of case pll and compares it with the case's record; Accept, a load and every
    // other way into the store go through here. Refuses an index outside 0..56 and a 32768th time of
    // one case, leaving the store as it was.
    KeepResult addTime(int pll, std::int32_t time);

    // Mean of the case's times in ms (exact, not rounded); 0 for a case without times.
    double average(int pll) const;
    // Population deviation in seconds of the case's times about the mean avg (whole ms); 0 without times.
    double std(int pll, std::int32_t avg) const;
    // average(pll) to the nearest whole ms, a tie going to the even one.
    std::int32_t roundedMean(int pll) const;

    std::int16_t timeCount(int pll) const;
    // Times of one case, in the order kept.
    std::span<const std::int32_t> timesOf(int pll) const;
    std::int32_t bestTime(int pll) const;
    std::int32_t maxAverage() const;

private:
    // Times of each case in the order kept, with running sums so that average and std need no walk.
    std::array<std::vector<std::int32_t>, kCaseCount> times_;
    std::array<std::int64_t, kCaseCount> sum_{};
    // Exact sums of squared times: 32767 squares of up to 2^62 each need more than 64 bits.
    std::array<Int128, kCaseCount> sumOfSquares_{};
    std::array<std::int32_t, kCaseCount> bestTime_{};
    std::int32_t maxAverage_ = 0;
};

}  // namespace kestive
