// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/LocaleNumbers.h"

namespace kestive::ui {

std::optional<double> LocaleNumberReader::numberFromText(const std::string& text) const {
    const QString t = QString::fromStdString(text).trimmed();
    if (t.isEmpty()) return std::nullopt;
    QLocale strict = locale_;
    strict.setNumberOptions(strict.numberOptions() | QLocale::RejectGroupSeparator);
    bool ok = false;
    double v = strict.toDouble(t, &ok);
    if (ok) return v;
    QLocale c = QLocale::c();
    c.setNumberOptions(QLocale::RejectGroupSeparator);
    v = c.toDouble(t, &ok);
    if (ok) return v;
    return std::nullopt;
}

}  // namespace kestive::ui
