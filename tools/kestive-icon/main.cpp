// SPDX-License-Identifier: GPL-3.0-or-later
// kestive-icon OUTDIR: writes the program's icon into OUTDIR — kestive-N.png for the desktop's icon
// theme (N = 16, 22, 24, 32, 48, 64, 128, 256) and kestive.ico with the three classic palette images
// (32 x 32 in 2 colours, 32 x 32 in 16 colours, 16 x 16 in 16 colours).

#include <QDir>
#include <QFile>
#include <QString>
#include <cstdio>
#include <string>
#include <utility>
#include <vector>

#include "IconArt.h"
#include "icon/IconSizes.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: kestive-icon OUTDIR\n");
        return 2;
    }
    const QString dir = QString::fromLocal8Bit(argv[1]);
    if (!QDir().mkpath(dir)) {
        std::fprintf(stderr, "kestive-icon: cannot create folder %s\n", argv[1]);
        return 1;
    }
    const auto failed = [](const std::string& why) {
        std::fprintf(stderr, "kestive-icon: %s\n", why.c_str());
        return 1;
    };
    for (int size : kestive::icon::kThemeSizes) {
        const QString name = QDir(dir).filePath(QStringLiteral("kestive-%1.png").arg(size));
        const kestive::icon::IconResult<QImage> image = kestive::icon::drawIcon(size);
        if (!image) return failed(image.error());
        if (!image->save(name, "PNG")) return failed("cannot write " + name.toStdString());
    }
    std::vector<kestive::icon::IcoImage> images;
    for (const auto& [size, colours] : {std::pair{32, 2}, {32, 16}, {16, 16}}) {
        const kestive::icon::IconResult<kestive::icon::IcoImage> image =
            kestive::icon::drawPaletteIcon(size, colours);
        if (!image) return failed(image.error());
        images.push_back(image.value());
    }
    const kestive::icon::IconResult<std::string> ico = kestive::icon::encodeIco(images);
    if (!ico) return failed(ico.error());
    QFile file(QDir(dir).filePath(QStringLiteral("kestive.ico")));
    if (!file.open(QIODevice::WriteOnly) ||
        file.write(ico->data(), static_cast<qint64>(ico->size())) != static_cast<qint64>(ico->size())) {
        return failed("cannot write " + file.fileName().toStdString());
    }
    return 0;
}
