// SPDX-License-Identifier: GPL-3.0-or-later
#include "locale/LocaleNumberFormat.h"

namespace kestive {

NumberFormat numberFormatOf(const QLocale& locale) {
    NumberFormat f;
    f.decimalSeparator = locale.decimalPoint().toStdString();
    const bool grouped =
        !locale.numberOptions().testFlag(QLocale::OmitGroupSeparator);  // the C locale omits it
    f.groupSeparator = grouped ? locale.groupSeparator().toStdString() : std::string();
    f.groupSize = 3;
    f.leadingZero = true;
    f.minusSign = locale.negativeSign().toStdString();
    return f;
}

QLocale userNumericLocale() {
#ifdef _WIN32
    // Windows keeps the number format in the user's regional settings; LANG and its kin, when set at
    // all, come from elsewhere (Wine passes the Linux ones on).
    return QLocale::system();
#else
    // The order in which the C library picks the locale for numbers.
    for (const char* variable : {"LC_ALL", "LC_NUMERIC", "LANG"}) {
        const QString name = qEnvironmentVariable(variable);
        if (!name.isEmpty()) return QLocale(name);
    }
    return QLocale::c();
#endif
}

NumberFormat userNumberFormat() {
    return numberFormatOf(userNumericLocale());
}

}  // namespace kestive
