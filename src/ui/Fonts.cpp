#include "ui/Fonts.h"

#include <QStringList>
#include <cmath>

namespace kestive::ui {

namespace {
// Points at the design's 96 dots per inch, as logical pixels: the text keeps its size next to the
// controls, which are placed in logical pixels too.
QFont font(const QStringList& families, double points, bool bold) {
    QFont f;
    f.setFamilies(families);
    f.setStyleHint(QFont::SansSerif);
    f.setPixelSize(static_cast<int>(std::lround(points * 96.0 / 72.0)));
    f.setBold(bold);
    return f;
}
}  // namespace

QFont sansSerifFont(double points, bool bold) {
    return font({QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans"), QStringLiteral("Sans Serif")},
                points, bold);
}

QFont arialFont(double points, bool bold) {
    return font({QStringLiteral("Liberation Sans"), QStringLiteral("Arial"), QStringLiteral("DejaVu Sans")}, points,
                bold);
}

}  // namespace kestive::ui
