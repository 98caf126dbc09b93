// kestive-icon OUTDIR: writes the program's icon into OUTDIR — kestive-N.png for the desktop's icon
// theme (N = 16, 22, 24, 32, 48, 64, 128, 256) and kestive.ico with the three classic palette images
// (32 x 32 in 2 colours, 32 x 32 in 16 colours, 16 x 16 in 16 colours).

#include <QDir>
#include <QFile>
#include <QString>
#include <cstdio>
#include <exception>

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
    try {
        for (int size : kestive::icon::kThemeSizes) {
            const QString name = QDir(dir).filePath(QStringLiteral("kestive-%1.png").arg(size));
            if (!kestive::icon::drawIcon(size).save(name, "PNG")) {
                std::fprintf(stderr, "kestive-icon: cannot write %s\n", qPrintable(name));
                return 1;
            }
        }
        const std::string ico = kestive::icon::encodeIco({
            kestive::icon::drawPaletteIcon(32, 2),
            kestive::icon::drawPaletteIcon(32, 16),
            kestive::icon::drawPaletteIcon(16, 16),
        });
        QFile file(QDir(dir).filePath(QStringLiteral("kestive.ico")));
        if (!file.open(QIODevice::WriteOnly) ||
            file.write(ico.data(), static_cast<qint64>(ico.size())) != static_cast<qint64>(ico.size())) {
            std::fprintf(stderr, "kestive-icon: cannot write %s\n", qPrintable(file.fileName()));
            return 1;
        }
    } catch (const std::exception& e) {
        std::fprintf(stderr, "kestive-icon: %s\n", e.what());
        return 1;
    }
    return 0;
}
