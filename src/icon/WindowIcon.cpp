// SPDX-License-Identifier: GPL-3.0-or-later
#include "icon/WindowIcon.h"

#include <QString>

#include "icon/IconSizes.h"

namespace kestive::icon {

QIcon windowIcon() {
    QIcon icon;
    for (int size : kThemeSizes) {
        icon.addFile(QStringLiteral(":/kestive/icons/kestive-%1.png").arg(size), QSize(size, size));
    }
    return icon;
}

}  // namespace kestive::icon
