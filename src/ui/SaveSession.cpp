// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/SaveSession.h"

#include <filesystem>

#include "session/SessionFile.h"
#include "session/SessionName.h"
#include "ui/FilePath.h"

namespace kestive::ui {

QString savePrompt() {
    return QStringLiteral("Enter name of the file. All is stored in morvane's dir\nexample: dec13");
}

QString saveElsewherePrompt() {
    return savePrompt() + QStringLiteral("\nanother folder: its path and the name, e.g. /media/stick/dec13");
}

QString savedMessage() {
    return QStringLiteral("saved sucessfuly.");
}

QString sessionDateText(const QDateTime& when, const QLocale& locale) {
    return locale.toString(when.date(), QLocale::ShortFormat) + QLatin1Char(' ') +
           locale.toString(when.time(), QLocale::LongFormat);
}

SaveOutcome saveSessionDialog(QWidget* parent, const TimeStore& store, DialogPort& dialogs,
                              const std::filesystem::path& folder, const QString& prompt,
                              const QDateTime& when, const QLocale& locale) {
    const QString answer = dialogs.askText(parent, prompt);
    const std::optional<std::string> name = sessionFileName(answer.toStdString());
    if (!name) return SaveOutcome::NothingWritten;

    const std::filesystem::path file = folder / filePathOf(QString::fromStdString(*name));
    const std::string date = sessionDateText(when, locale).toStdString();
    if (const SaveResult saved = saveSession(file, store, date); !saved) {
        dialogs.warn(parent, QStringLiteral("The session was not saved.\n") +
                                 QString::fromStdString(saved.error().message()));
        return SaveOutcome::Failed;
    }
    dialogs.inform(parent, savedMessage());
    return SaveOutcome::Saved;
}

}  // namespace kestive::ui
