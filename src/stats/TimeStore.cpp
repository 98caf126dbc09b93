// SPDX-License-Identifier: GPL-3.0-or-later
#include "stats/TimeStore.h"

#include <cmath>
#include <string>

namespace kestive {

TimeStore::TimeStore() {
    clear();
}

void TimeStore::clear() {
    for (auto& t : times_) t.clear();
    sum_.fill(0);
    sumOfSquares_.fill(Int128{});
    bestTime_.fill(kNoRecord);
    maxAverage_ = 0;
}

KeepResult TimeStore::addTime(int pll, std::int32_t time) {
    if (!isCaseIndex(pll)) return Failure{Refusal::BadCase};
    const auto i = static_cast<std::size_t>(pll);
    auto& caseTimes = times_[i];
    if (caseTimes.size() >= static_cast<std::size_t>(kMaxTimesPerCase)) return Failure{Refusal::CaseFull};

    caseTimes.push_back(time);
    sum_[i] += time;
    const std::int64_t t = time;
    sumOfSquares_[i] += Int128{t * t};

    // mean > maxAverage exactly when sum > maxAverage * count; the division is needed only then.
    const auto n = static_cast<std::int64_t>(caseTimes.size());
    if (sum_[i] > std::int64_t{maxAverage_} * n) maxAverage_ = roundHalfEven(average(pll));

    // Differences are taken in 64 bits: a time far below zero must not wrap around.
    const std::int32_t best = bestTime_[i];
    RecordComparison comparison;
    comparison.record = best;
    if (time < best) {
        if (best != kNoRecord) {
            comparison.kind = RecordComparison::Kind::Beat;
            comparison.difference = std::int64_t{best} - time;
        }
        bestTime_[i] = time;
    } else if (best != kNoRecord) {
        comparison.kind = RecordComparison::Kind::Worse;
        comparison.difference = std::int64_t{time} - best;
    }
    return comparison;
}

double TimeStore::average(int pll) const {
    if (!isCaseIndex(pll)) return 0;
    const auto i = static_cast<std::size_t>(pll);
    if (times_[i].empty()) return 0;
    return static_cast<double>(sum_[i]) / static_cast<double>(times_[i].size());
}

double TimeStore::std(int pll, std::int32_t avg) const {
    if (!isCaseIndex(pll)) return 0;
    const auto i = static_cast<std::size_t>(pll);
    const auto n = static_cast<std::int64_t>(times_[i].size());
    if (n == 0) return 0;
    // Sum of (t - avg)^2 over the case's times, exactly: sum t^2 - 2 avg sum t + n avg^2.
    // The terms need more than 64 bits; in 128 bits the result, a sum of squares, is exact.
    const std::int64_t a = avg;
    const Int128 meanTimesSum = Int128::product(a, sum_[i]);
    const Int128 squares = sumOfSquares_[i] - meanTimesSum - meanTimesSum + Int128::product(n, a * a);
    // In ms^2; the deviation in seconds is sqrt(squares / n) / 1000.
    return std::sqrt(squares.toDouble() / static_cast<double>(n)) / 1000.0;
}

std::int32_t TimeStore::roundedMean(int pll) const {
    return roundHalfEven(average(pll));
}

std::int16_t TimeStore::timeCount(int pll) const {
    if (!isCaseIndex(pll)) return 0;
    return static_cast<std::int16_t>(times_[static_cast<std::size_t>(pll)].size());
}

std::span<const std::int32_t> TimeStore::timesOf(int pll) const {
    if (!isCaseIndex(pll)) return {};
    return times_[static_cast<std::size_t>(pll)];
}

std::int32_t TimeStore::bestTime(int pll) const {
    if (!isCaseIndex(pll)) return kNoRecord;
    return bestTime_[static_cast<std::size_t>(pll)];
}

std::int32_t TimeStore::maxAverage() const {
    return maxAverage_;
}

}  // namespace kestive
