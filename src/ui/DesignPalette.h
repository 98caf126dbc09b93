// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QPalette>

namespace kestive::ui {

// The system colours the windows were designed against: a light desktop, black text on white boxes and
// light grey button faces. The program uses them whatever the desktop's palette, so that no colour of a
// dark desktop meets the design's white and pastel backgrounds or its coloured captions. Every text
// keeps at least 4.5:1 contrast against its background.
QPalette designPalette();

}  // namespace kestive::ui
