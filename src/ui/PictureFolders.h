// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QString>
#include <filesystem>
#include <vector>

namespace kestive::ui {

// The folders holding the case pictures installed with the program, found from the folder the program
// itself lies in: <prefix>/share/kestive/cases beside <prefix>/bin when installed, <build>/cases when
// started from a build tree. Only folders that exist are named; when none does, the installed one is,
// so that a message can say where the pictures were looked for.
std::vector<std::filesystem::path> installedPictureFolders(const QString& programFolder);

}  // namespace kestive::ui
