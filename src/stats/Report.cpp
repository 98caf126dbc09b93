#include "stats/Report.h"

#include <cstdint>

namespace kestive {

std::string reportText(const TimeStore& store, const NumberFormat& format) {
    std::string r;
    int n = 0;           // cases whose rounded mean is above 0
    std::int64_t t = 0;  // sum of their rounded means, ms
    for (int i = 0; i < kCaseCount; ++i) {
        const std::int32_t a = store.roundedMean(i);
        if (a > 0) {
            ++n;
            t += a;
        }
        const double s = store.std(i, a);
        r += "avg: ";
        r += twoDecimals(a / 1000.0, format);
        r += ", std: ";
        r += twoDecimals(s, format);
        r += ", num: ";
        r += plainInteger(store.timeCount(i));
        r += "\r\n";
    }
    if (n > 0) {
        r += "Total Average: ";
        r += twoDecimals(static_cast<double>(t) / (n * 1000.0), format);
    }
    return r;
}

}  // namespace kestive
