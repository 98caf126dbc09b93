// SPDX-License-Identifier: GPL-3.0-or-later
// Kestive: drills the recognition of the 57 last-layer orientation cases.
//
// KESTIVE_TRACE=path appends what the drill measures to that file, one line per event:
// "shown <ms since the epoch>" when the window first paints, "revealed <case> <tick> <us since the
// epoch>" when the clock starts, "stopped <case> <ms>" at each STOP and "kept <case> <ms>" at each Accept.
// Meant for checking the clock from outside; off when unset.
#include <QApplication>
#include <QDateTime>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <memory>

#include "app/CasePick.h"
#include "app/FileDrillTrace.h"
#include "app/WorkPlace.h"
#include "icon/WindowIcon.h"
#include "session/UnsavedTimes.h"
#include "ui/ButtonPressWatch.h"
#include "ui/DesignPalette.h"
#include "ui/Form1.h"
#include "ui/PictureFolders.h"
#include "ui/SaveSession.h"
#include "ui/SteadyCaretWhenIdle.h"
#ifdef _WIN32
#include "ui/FilePath.h"
#include "ui/WindowsFolder.h"
#endif

namespace {
// Notes the first paint of the main window in the trace.
class FirstPaint final : public QObject {
public:
    explicit FirstPaint(kestive::FileDrillTrace& trace) : trace_(trace) {}
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && !done_) {
            done_ = true;
            const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(
                                std::chrono::system_clock::now().time_since_epoch())
                                .count();
            trace_.note("shown " + std::to_string(ms));
        }
        return QObject::eventFilter(watched, event);
    }

private:
    kestive::FileDrillTrace& trace_;
    bool done_ = false;
};
}  // namespace

int main(int argc, char* argv[]) {
    // On X11 a window drawn through shared memory waits for the server's answer before every paint:
    // while the clock runs that doubles the wake-ups per frame. Plain image transfers need none.
    if (!qEnvironmentVariableIsSet("QT_XCB_NO_MITSHM")) qputenv("QT_XCB_NO_MITSHM", "1");
    QApplication app(argc, argv);
    // The windows are light by design: menus, boxes and messages keep the design's colours on a dark desktop.
    QApplication::setPalette(kestive::ui::designPalette());
    QApplication::setWindowIcon(kestive::icon::windowIcon());  // every window, the three secondary ones too
    const kestive::ui::SteadyCaretWhenIdle steadyCaret;        // text cursors stop blinking in pauses
    std::unique_ptr<kestive::FileDrillTrace> trace;
    if (const char* path = std::getenv("KESTIVE_TRACE"); path && *path) {
        trace = std::make_unique<kestive::FileDrillTrace>(path);
    }
    kestive::ui::KeyRepeatFilter keyRepeat;  // a held key presses a button once
    app.installEventFilter(&keyRepeat);

    // Session files, the journal and the case pictures in the folder the program was started in;
    // pictures missing there come from those installed with the program.
    std::error_code noFolder;
    std::filesystem::path here = std::filesystem::current_path(noFolder);
    if (noFolder) here = ".";
#ifdef _WIN32
    // Started from the Start menu, Explorer or the unpacked zip, it works in Documents\Kestive.
    if (const QString folder = kestive::ui::windowsWorkingFolder(kestive::ui::qStringOfPath(here),
                                                                 QCoreApplication::applicationDirPath());
        !folder.isEmpty()) {
        here = kestive::ui::filePathOf(folder);
    }
#endif
    const kestive::WorkPlace place = kestive::workPlaceIn(
        here, kestive::ui::installedPictureFolders(QCoreApplication::applicationDirPath()));

    // Kept times wait on disk until they are saved.
    kestive::FileJournalDisk journalDisk;
    kestive::UnsavedTimes unsaved(
        journalDisk,
        place.journal / kestive::UnsavedTimes::journalNameFor(QCoreApplication::applicationPid(),
                                                              QDateTime::currentMSecsSinceEpoch()),
        place.working, [](std::time_t when) {
            return kestive::ui::sessionDateText(QDateTime::fromSecsSinceEpoch(when), QLocale()).toStdString();
        });

    kestive::ClockSeededRandom random;  // seeded from the clock before the window loads
    kestive::ui::Form1 form(random, place, &unsaved, trace.get());
    std::unique_ptr<FirstPaint> firstPaint;
    if (trace) {
        firstPaint = std::make_unique<FirstPaint>(*trace);
        form.client()->installEventFilter(firstPaint.get());
    }
    form.load();
    return app.exec();
}
