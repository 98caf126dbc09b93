// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/PictureFolders.h"

#include <QDir>
#include <QFileInfo>

#include "ui/FilePath.h"

namespace kestive::ui {

std::vector<std::filesystem::path> installedPictureFolders(const QString& programFolder) {
    const QString installed =
        QDir::cleanPath(programFolder + QStringLiteral("/" KESTIVE_CASES_FROM_INSTALLED_BIN));
    const QString build =
        QDir::cleanPath(programFolder + QStringLiteral("/" KESTIVE_CASES_FROM_BUILT_PROGRAM));
    std::vector<std::filesystem::path> folders;
    for (const QString& folder : {installed, build}) {
        if (QFileInfo(folder).isDir()) folders.push_back(filePathOf(folder));
    }
    if (folders.empty()) folders.push_back(filePathOf(installed));
    return folders;
}

}  // namespace kestive::ui
