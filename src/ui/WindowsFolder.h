// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QString>

namespace kestive::ui {

// The folder the trainer works in on Windows. Started from the Start menu, from Explorer or from the
// unpacked zip, Windows hands a program its own folder (or one of the system's) as the current folder,
// which is no place for the user's session files: then they go to Documents\Kestive, made when
// missing. Started in any other folder (from a command prompt, say), the trainer works there, as on
// Linux. Empty when Documents\Kestive is needed but cannot be made.
QString windowsWorkingFolder(const QString& current, const QString& programFolder);

}  // namespace kestive::ui
