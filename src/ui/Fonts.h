// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QFont>

namespace kestive::ui {

// The design's "MS Sans Serif" at a point size, drawn with the closest installed sans face.
QFont sansSerifFont(double points, bool bold = false);
// The design's Arial, drawn with Liberation Sans (same widths) where it is installed.
QFont arialFont(double points, bool bold = false);

}  // namespace kestive::ui
