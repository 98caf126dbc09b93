#pragma once
// Shared by the window tests: case pictures written on the fly and a scripted random source.
#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <QTemporaryDir>
#include <deque>

#include "app/CasePick.h"
#include "app/Trainer.h"

namespace kestive::test {

// The colour of the one-pixel picture written for case i.
inline QColor pictureColour(int i) { return QColor(4 * i, 255 - 4 * i, 100); }

// A 1 x 1 GIF of one colour.
inline QByteArray onePixelGif(const QColor& c) {
    QByteArray gif("GIF89a", 6);
    const char header[] = {1, 0, 1, 0, static_cast<char>(0x80), 0, 0};
    gif.append(header, sizeof header);
    gif.append(static_cast<char>(c.red()));
    gif.append(static_cast<char>(c.green()));
    gif.append(static_cast<char>(c.blue()));
    gif.append(3, '\0');  // second palette entry
    const char image[] = {0x2c, 0, 0, 0, 0, 1, 0, 1, 0, 0, 2, 2, 0x44, 0x01, 0, 0x3b};
    gif.append(image, sizeof image);
    return gif;
}

// A working folder with the 57 pictures, or some of them; it becomes the current folder.
struct PictureFolder {
    QTemporaryDir dir;
    QString previous = QDir::currentPath();
    explicit PictureFolder(int skipFrom = kCaseCount) {
        for (int i = 0; i < std::min(skipFrom, kCaseCount); ++i) {
            QFile f(dir.filePath(QString::fromStdString(Trainer::pictureFileName(i))));
            f.open(QIODevice::WriteOnly);
            f.write(onePixelGif(pictureColour(i)));
        }
        QDir::setCurrent(dir.path());
    }
    ~PictureFolder() { QDir::setCurrent(previous); }
};

struct ScriptedRandom final : RandomSource {
    std::deque<float> values{0.5f};
    float next() override {
        const float v = values.front();
        if (values.size() > 1) values.pop_front();
        return v;
    }
    void pick(int caseIndex) { values = {(static_cast<float>(caseIndex) + 0.5f) / 57.0f}; }
};

}  // namespace kestive::test
