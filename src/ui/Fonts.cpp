// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/Fonts.h"

#include <QStringList>
#include <cmath>

namespace kestive::ui {

namespace {
// Points at the design's 96 dots per inch, as logical pixels: the text keeps its size next to the
// controls, which are placed in logical pixels too.
QFont font(const QStringList& families, double points, bool bold, int stretch = QFont::Unstretched) {
    QFont f;
    f.setFamilies(families);
    f.setStyleHint(QFont::SansSerif);
    f.setPixelSize(static_cast<int>(std::lround(points * 96.0 / 72.0)));
    f.setBold(bold);
    f.setStretch(stretch);
    return f;
}
}  // namespace

QFont sansSerifFont(double points, bool bold) {
    // The old bitmap face is narrower than any scalable sans at the same size: drawn a tenth narrower,
    // the design's captions fit their labels ("Show PLL if time left is under (sec)" on one line, the
    // report hint in three).
    return font(
        {QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans"), QStringLiteral("Sans Serif")},
        points, bold, 90);
}

QFont arialFont(double points, bool bold) {
    return font({QStringLiteral("Liberation Sans"), QStringLiteral("Arial"), QStringLiteral("DejaVu Sans")},
                points, bold);
}

}  // namespace kestive::ui
