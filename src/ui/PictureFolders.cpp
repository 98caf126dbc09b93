#include "ui/PictureFolders.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace kestive::ui {

std::vector<std::filesystem::path> installedPictureFolders(const QString& programFolder) {
    const QString installed =
        QDir::cleanPath(programFolder + QStringLiteral("/" KESTIVE_CASES_FROM_INSTALLED_BIN));
    const QString build =
        QDir::cleanPath(programFolder + QStringLiteral("/" KESTIVE_CASES_FROM_BUILT_PROGRAM));
    std::vector<std::filesystem::path> folders;
    for (const QString& folder : {installed, build}) {
        if (QFileInfo(folder).isDir()) folders.emplace_back(QFile::encodeName(folder).toStdString());
    }
    if (folders.empty()) folders.emplace_back(QFile::encodeName(installed).toStdString());
    return folders;
}

}  // namespace kestive::ui
