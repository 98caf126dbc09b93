// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QColor>
#include <QPalette>
#include <QWidget>

namespace kestive::ui {

// Gives one colour role of the widget's palette a colour, leaving the others as they were.
inline void setWidgetColour(QWidget* widget, QPalette::ColorRole role, const QColor& colour) {
    QPalette palette = widget->palette();
    palette.setColor(role, colour);
    widget->setPalette(palette);
}

}  // namespace kestive::ui
