// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QDateTime>
#include <QLocale>
#include <QString>
#include <filesystem>

#include "stats/TimeStore.h"
#include "ui/DialogPort.h"

class QWidget;

namespace kestive::ui {

// The prompt of the Save Session input box, two lines.
QString savePrompt();
// The prompt when times on no disk are saved before the program ends: it names another folder too.
QString saveElsewherePrompt();
// The message after a session file was written.
QString savedMessage();

// The header's date text: the regional short date, a blank and the regional long time.
QString sessionDateText(const QDateTime& when, const QLocale& locale);

enum class SaveOutcome {
    NothingWritten,  // empty answer or Cancel: no file, no message
    Saved,           // file written, "saved sucessfuly." shown
    Failed,          // nothing replaced; the reason shown instead
};

// Save Session: asks for a name, writes the store to that name + ".pll" in folder (replacing an
// existing file only once the new one is complete) and says how it went.
SaveOutcome saveSessionDialog(QWidget* parent, const TimeStore& store, DialogPort& dialogs,
                              const std::filesystem::path& folder, const QString& prompt = savePrompt(),
                              const QDateTime& when = QDateTime::currentDateTime(),
                              const QLocale& locale = QLocale());

}  // namespace kestive::ui
