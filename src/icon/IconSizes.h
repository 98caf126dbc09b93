// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The sizes at which the icon is drawn for the desktop's icon theme (hicolor) and the window icon.
// src/icon/CMakeLists.txt reads the list from this line: keep it on one line.

namespace kestive::icon {
inline constexpr int kThemeSizes[] = {16, 22, 24, 32, 48, 64, 128, 256};
}
