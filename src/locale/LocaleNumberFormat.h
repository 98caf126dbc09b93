// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QLocale>

#include "stats/NumberText.h"

namespace kestive {

// How the locale writes numbers: decimal separator, grouping and minus sign.
NumberFormat numberFormatOf(const QLocale& locale);

// The locale that LC_ALL, else LC_NUMERIC, else LANG names, from Qt's own locale data; C when none is set.
// On Windows, the user's regional settings (QLocale::system()) whatever the environment says.
QLocale userNumericLocale();

// The user's format: LC_ALL, else LC_NUMERIC, else LANG, read through Qt's own locale data, so a locale
// named in the environment but not generated on the system still gets its separators. The C and POSIX
// locales, and names Qt does not know, give a point and no grouping.
NumberFormat userNumberFormat();

}  // namespace kestive
