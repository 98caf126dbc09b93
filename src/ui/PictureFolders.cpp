#include "ui/PictureFolders.h"

#include <QDir>
#include <QFileInfo>

namespace kestive::ui {

std::vector<std::string> installedPictureFolders(const QString& programFolder) {
    const QString installed =
        QDir::cleanPath(programFolder + QStringLiteral("/" KESTIVE_CASES_FROM_INSTALLED_BIN));
    const QString build =
        QDir::cleanPath(programFolder + QStringLiteral("/" KESTIVE_CASES_FROM_BUILT_PROGRAM));
    std::vector<std::string> folders;
    for (const QString& folder : {installed, build}) {
        if (QFileInfo(folder).isDir()) folders.push_back(folder.toStdString());
    }
    if (folders.empty()) folders.push_back(installed.toStdString());
    return folders;
}

}  // namespace kestive::ui
