// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QFile>
#include <QString>
#include <filesystem>

namespace kestive::ui {

// A file name from the windows as the path the core opens, in the file system's own spelling: the local
// 8-bit encoding on Linux, UTF-16 on Windows (whose 8-bit code page lacks most scripts).
inline std::filesystem::path filePathOf(const QString& name) {
#ifdef _WIN32
    return std::filesystem::path(name.toStdWString());
#else
    return std::filesystem::path(QFile::encodeName(name).toStdString());
#endif
}

// The path as the windows show and use it.
inline QString qStringOfPath(const std::filesystem::path& path) {
#ifdef _WIN32
    return QString::fromStdWString(path.wstring());
#else
    return QFile::decodeName(path.c_str());
#endif
}

}  // namespace kestive::ui
