// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/WindowsFolder.h"

#include <QDir>
#include <QStandardPaths>

namespace kestive::ui {

namespace {

bool isInside(const QString& folder, const QString& outer) {
    const QString f = QDir::cleanPath(folder), o = QDir::cleanPath(outer);
    return !o.isEmpty() && (f.compare(o, Qt::CaseInsensitive) == 0 ||
                            f.startsWith(o + QLatin1Char('/'), Qt::CaseInsensitive));
}

}  // namespace

QString windowsWorkingFolder(const QString& current, const QString& programFolder) {
    const QString windows = qEnvironmentVariable("SystemRoot", QStringLiteral("C:/Windows"));
    if (!isInside(current, programFolder) && !isInside(current, QDir::fromNativeSeparators(windows))) {
        return current;
    }
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (documents.isEmpty()) return {};
    const QString folder = QDir(documents).filePath(QStringLiteral("Kestive"));
    return QDir().mkpath(folder) ? folder : QString();
}

}  // namespace kestive::ui
