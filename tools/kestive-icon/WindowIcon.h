#pragma once
// The icon of the program's windows, built from the icon images compiled into the program.
// Setting it once on the application gives it to every window:
//     QApplication::setWindowIcon(kestive::icon::windowIcon());
// (link the program to the kestive_icon library).

#include <QIcon>

namespace kestive::icon {

QIcon windowIcon();

}  // namespace kestive::icon
