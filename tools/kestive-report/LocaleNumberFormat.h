#pragma once
#include "stats/NumberText.h"

namespace kestive {

// The number format that a locale's numeric conventions describe: decimal point, thousands separator
// and grouping as localeconv() gives them. An empty or missing decimal point gives "."; no separator or
// no grouping (as in the C locale) gives no digit grouping. Locales name no leading-zero rule and no
// minus sign for plain numbers: the leading zero is kept and "-" is the minus.
NumberFormat numberFormatFromConventions(const char* decimalPoint, const char* thousandsSep,
                                         const char* grouping);

// The user's format from LC_ALL / LC_NUMERIC / LANG. Sets the process's LC_NUMERIC locale; the
// C locale or one that is unknown here gives "." and no grouping.
NumberFormat userNumberFormat();

}  // namespace kestive
