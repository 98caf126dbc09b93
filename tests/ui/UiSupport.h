#pragma once
// Shared by the window tests: case pictures written on the fly, a scripted random source and boxes,
// and a main window built on them.
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include "ui/Form1.h"

namespace kestive::test {

// The colour of the one-pixel picture written for case i.
inline QColor pictureColour(int i) { return QColor(4 * i, 255 - 4 * i, 100); }

// A working folder with the pictures of the first `count` cases; it is the current folder while it lives.
struct PictureFolder {
    QTemporaryDir dir;
    QString previous = QDir::currentPath();
    explicit PictureFolder(int count = kCaseCount) {
        for (int i = 0; i < count; ++i) {  // a 1 x 1 GIF of one colour
            const QColor c = pictureColour(i);
            const char gif[] = {'G', 'I', 'F', '8', '9', 'a', 1, 0, 1, 0, char(0x80), 0, 0, char(c.red()),
                                char(c.green()), char(c.blue()), 0, 0, 0, 0x2c, 0, 0, 0, 0, 1, 0, 1, 0, 0,
                                2, 2, 0x44, 0x01, 0, 0x3b};
            QFile f(dir.filePath(QString::fromStdString(Trainer::pictureFileName(i))));
            if (f.open(QIODevice::WriteOnly)) f.write(gif, sizeof gif);
        }
        QDir::setCurrent(dir.path());
    }
    ~PictureFolder() { QDir::setCurrent(previous); }
};

struct ScriptedRandom final : RandomSource {
    float value = 0.5f;
    float next() override { return value; }
    void pick(int caseIndex) { value = (static_cast<float>(caseIndex) + 0.5f) / 57.0f; }
};

// Answers the input box with a fixed text and records every box it was asked to show.
struct ScriptedDialogs final : ui::DialogPort {
    QString answer;
    QStringList informed, warned;
    QString askText(QWidget*, const QString&) override { return answer; }
    void inform(QWidget*, const QString& text) override { informed << text; }
    void warn(QWidget*, const QString& text) override { warned << text; }
};

// The main window after start-up, active, its boxes answered by `dialogs`.
struct Window {
    ScriptedRandom random;
    ScriptedDialogs dialogs;
    ui::Form1 form{random};
    Window() {
        form.secondary().setDialogs(dialogs);
        form.load();
        QApplication::setActiveWindow(&form);
        if (!QTest::qWaitForWindowActive(&form)) qWarning("window not active");
    }
    TrainerState& state() { return form.trainer().state(); }
    void keep(int c, std::int32_t ms) { state().store.addTime(c, ms, NumberFormat{}); }
    std::vector<std::int32_t> timesOf(int c) {
        const auto t = state().store.timesOf(c);
        return {t.begin(), t.end()};
    }
};

}  // namespace kestive::test
