// SPDX-License-Identifier: GPL-3.0-or-later
#include "stats/Report.h"

#include <cstdint>

namespace kestive {

std::string reportText(const TimeStore& store, const NumberFormat& format) {
    std::string r;
    for (int i = 0; i < kCaseCount; ++i) {
        const std::int32_t a = store.roundedMean(i);
        const double s = store.std(i, a);
        r += "avg: ";
        r += twoDecimals(a / 1000.0, format);
        r += ", std: ";
        r += twoDecimals(s, format);
        r += ", num: ";
        r += plainInteger(store.timeCount(i));
        r += "\r\n";
    }
    if (const std::optional<double> total = totalAverageSeconds(store)) {
        r += "Total Average: ";
        r += twoDecimals(*total, format);
    }
    return r;
}

std::optional<double> totalAverageSeconds(const TimeStore& store) {
    int counted = 0;
    std::int64_t sum = 0;  // ms
    for (int i = 0; i < kCaseCount; ++i) {
        const std::int32_t rounded = store.roundedMean(i);
        if (rounded > 0) {
            ++counted;
            sum += rounded;
        }
    }
    if (counted == 0) return std::nullopt;
    return static_cast<double>(sum) / (counted * 1000.0);
}

}  // namespace kestive
