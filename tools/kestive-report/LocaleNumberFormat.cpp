#include "LocaleNumberFormat.h"

#include <climits>
#include <clocale>

namespace kestive {

NumberFormat numberFormatFromConventions(const char* decimalPoint, const char* thousandsSep,
                                         const char* grouping) {
    NumberFormat format;
    if (decimalPoint && *decimalPoint) format.decimalSeparator = decimalPoint;
    const bool groups =
        thousandsSep && *thousandsSep && grouping && grouping[0] > 0 && grouping[0] != CHAR_MAX;
    if (groups) {
        format.groupSeparator = thousandsSep;
        format.groupSize = grouping[0];
    }
    return format;
}

NumberFormat userNumberFormat() {
    if (!std::setlocale(LC_NUMERIC, "")) std::setlocale(LC_NUMERIC, "C");
    const std::lconv* conv = std::localeconv();
    return numberFormatFromConventions(conv->decimal_point, conv->thousands_sep, conv->grouping);
}

}  // namespace kestive
