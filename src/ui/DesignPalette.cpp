// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/DesignPalette.h"

#include <QColor>

namespace kestive::ui {

QPalette designPalette() {
    const QColor black(0, 0, 0), white(255, 255, 255), face(240, 240, 240);
    QPalette p(face, face);  // button and window; the shades of the 3-D edges follow from them
    for (const auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        const bool disabled = group == QPalette::Disabled;
        const QColor text = disabled ? QColor(109, 109, 109) : black;
        p.setColor(group, QPalette::WindowText, text);
        p.setColor(group, QPalette::ButtonText, text);
        p.setColor(group, QPalette::Text, text);
        p.setColor(group, QPalette::Base, disabled ? face : white);
        p.setColor(group, QPalette::AlternateBase, QColor(245, 245, 245));
        p.setColor(group, QPalette::ToolTipBase, QColor(255, 255, 225));
        p.setColor(group, QPalette::ToolTipText, black);
        p.setColor(group, QPalette::PlaceholderText, QColor(109, 109, 109));
        p.setColor(group, QPalette::BrightText, white);
        p.setColor(group, QPalette::Highlight, disabled ? QColor(109, 109, 109) : QColor(0, 90, 180));
        p.setColor(group, QPalette::HighlightedText, white);
        p.setColor(group, QPalette::Link, QColor(0, 0, 238));
        p.setColor(group, QPalette::LinkVisited, QColor(85, 26, 139));
    }
    return p;
}

}  // namespace kestive::ui
