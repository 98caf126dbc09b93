// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QLocale>

#include "app/NumberReader.h"
#include "locale/LocaleNumberFormat.h"

namespace kestive::ui {

// Reads numbers as the user's locale (the one the window writes numbers in) writes them, without digit
// grouping ("2", "2,5" in a German locale).
// Text that the locale cannot read is tried once more as the C locale writes numbers ("2.5"), so the
// design values and numbers typed with a point are understood everywhere. Blanks around are ignored.
class LocaleNumberReader final : public NumberReader {
public:
    explicit LocaleNumberReader(const QLocale& locale = userNumericLocale()) : locale_(locale) {}
    std::optional<double> numberFromText(const std::string& text) const override;

private:
    QLocale locale_;
};

}  // namespace kestive::ui
