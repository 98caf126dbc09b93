// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The icon of the program's windows, built from the icon images compiled into the program.
// Setting it once on the application gives it to every window:
//     QApplication::setWindowIcon(kestive::icon::windowIcon());
// (link the program to the kestive_icon library).

#include <QIcon>

namespace kestive::icon {

QIcon windowIcon();

// Resource path of the classic icon: 32 x 32 in 2 colours, 32 x 32 and 16 x 16 in 16 colours.
inline constexpr char kClassicIconPath[] = ":/kestive/icons/kestive.ico";

}  // namespace kestive::icon
