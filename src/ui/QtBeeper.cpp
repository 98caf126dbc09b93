// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/QtBeeper.h"

#include <QApplication>

namespace kestive::ui {

void QtBeeper::beep() {
    QApplication::beep();
}

}  // namespace kestive::ui
