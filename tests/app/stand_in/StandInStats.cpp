// Stand-in for the time store and number text while their real implementation is not in this tree.
// Built only when src/stats/TimeStore.cpp is missing; never part of the program.
#include <cmath>
#include <cstdio>
#include <numeric>

#include "stats/NumberText.h"
#include "stats/TimeStore.h"

namespace kestive {

std::string twoDecimals(double value, const NumberFormat& format) {
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.2f", value);
    std::string s = buf;
    if (s == "-0.00") s = "0.00";
    const auto dot = s.find('.');
    return s.substr(0, dot) + format.decimalSeparator + s.substr(dot + 1);
}

std::string plainInteger(std::int64_t value) { return std::to_string(value); }

std::int32_t roundHalfEven(double value) { return static_cast<std::int32_t>(std::nearbyint(value)); }

TimeStore::TimeStore() { clear(); }

void TimeStore::clear() {
    for (auto& t : times_) t.clear();
    sum_.fill(0);
    bestTime_.fill(kNoRecord);
    maxAverage_ = 0;
    timesCapacity_ = 0;
}

AddResult TimeStore::addTime(int pll, std::int32_t time, const NumberFormat& format) {
    AddResult r;
    if (!isCaseIndex(pll)) {
        r.error = "bad case";
        return r;
    }
    if (static_cast<int>(times_[pll].size()) >= kMaxTimesPerCase) {
        r.error = "This case already holds 32767 times.";
        return r;
    }
    if (static_cast<std::int32_t>(times_[pll].size()) > timesCapacity_) ++timesCapacity_;
    times_[pll].push_back(time);
    sum_[pll] += time;
    const double m = average(pll);
    if (m > maxAverage_) maxAverage_ = roundHalfEven(m);
    const std::int32_t b = bestTime_[pll];
    if (time < b) {
        if (b != kNoRecord)
            r.feedback = Feedback{"You beat your previous record by " + plainInteger(b - time) + " milliseconds!",
                                  {255, 0, 0}};
        bestTime_[pll] = time;
    } else if (b != kNoRecord) {
        r.feedback = Feedback{"That was " + plainInteger(time - b) + " ms worse than your record, " +
                                  twoDecimals(b / 1000.0, format),
                              {0, 0, 255}};
    }
    r.stored = true;
    return r;
}

double TimeStore::average(int pll) const {
    if (!isCaseIndex(pll) || times_[pll].empty()) return 0;
    return static_cast<double>(sum_[pll]) / static_cast<double>(times_[pll].size());
}

double TimeStore::std(int pll, std::int32_t avg) const {
    if (!isCaseIndex(pll) || times_[pll].empty()) return 0;
    double sum = 0;
    for (auto t : times_[pll]) sum += std::pow(t / 1000.0 - avg / 1000.0, 2);
    return std::sqrt(sum / static_cast<double>(times_[pll].size()));
}

std::int32_t TimeStore::roundedMean(int pll) const { return roundHalfEven(average(pll)); }
std::int16_t TimeStore::timeCount(int pll) const {
    return isCaseIndex(pll) ? static_cast<std::int16_t>(times_[pll].size()) : 0;
}
std::int32_t TimeStore::times(int pll, int k) const {
    return isCaseIndex(pll) && k >= 0 && k < static_cast<int>(times_[pll].size()) ? times_[pll][k] : 0;
}
std::span<const std::int32_t> TimeStore::timesOf(int pll) const { return times_[pll]; }
std::int32_t TimeStore::bestTime(int pll) const { return bestTime_[pll]; }
std::int32_t TimeStore::maxAverage() const { return maxAverage_; }
std::int32_t TimeStore::timesCapacity() const { return timesCapacity_; }

}  // namespace kestive
