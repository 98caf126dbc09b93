// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/SecondaryWindowHandlers.h"

#include <filesystem>

#include "stats/Report.h"
#include "ui/FilePath.h"
#include "ui/Form1.h"
#include "ui/SaveSession.h"

namespace kestive::ui {

SecondaryWindowHandlers::SecondaryWindowHandlers(Form1& form, DialogPort& dialogs)
    : form_(form), dialogs_(&dialogs) {
    connect(form.mnuLoad, &QAction::triggered, this, &SecondaryWindowHandlers::mnuLoad_Click);
    connect(form.mnuSave, &QAction::triggered, this, &SecondaryWindowHandlers::mnuSave_Click);
    connect(form.mnuAbout, &QAction::triggered, this, &SecondaryWindowHandlers::mnuAbout_Click);
    connect(form.Command5, &QPushButton::clicked, this, &SecondaryWindowHandlers::Command5_Click);
}

void SecondaryWindowHandlers::mnuLoad_Click() {
    if (!form2_) {
        const QDir folder(form_.place().working);
        form2_ =
            new Form2(&form_, folder, [this](const std::filesystem::path& file) { return loadfile(file); });
        form_.adoptSecondaryWindow(form2_);
    }
    form2_->present();
}

void SecondaryWindowHandlers::mnuSave_Click() {
    if (saveSessionDialog(&form_, form_.trainer().store(), *dialogs_, form_.place().working) ==
        SaveOutcome::Saved) {
        form_.trainer().sessionSaved();
    }
}

QuitChoice SecondaryWindowHandlers::askBeforeQuit(std::size_t count) {
    return dialogs_->askBeforeQuit(&form_, count);
}

bool SecondaryWindowHandlers::saveBeforeQuit() {
    return saveSessionDialog(&form_, form_.trainer().store(), *dialogs_, form_.place().working,
                             saveElsewherePrompt()) == SaveOutcome::Saved;
}

void SecondaryWindowHandlers::mnuAbout_Click() {
    if (!form3_) {
        form3_ = new Form3(&form_);
        form_.adoptSecondaryWindow(form3_);
    }
    form3_->present();
}

void SecondaryWindowHandlers::Command5_Click() {
    const std::string report = reportText(form_.trainer().store(), form_.trainer().numberFormat());
    if (!form4_) {
        form4_ = new Form4(&form_);
        form_.adoptSecondaryWindow(form4_);
    }
    form4_->present();
    form4_->setReportText(QString::fromStdString(report));
}

bool SecondaryWindowHandlers::loadfile(const std::filesystem::path& name) {
    const std::filesystem::path file = form_.place().working / name;
    const auto loaded = form_.trainer().loadfile(file);
    if (loaded) return true;
    QWidget* over = form2_ && form2_->isVisible() ? static_cast<QWidget*>(form2_) : &form_;
    dialogs_->warn(over, QStringLiteral("The session was not loaded.\n") +
                             QString::fromStdString(loaded.error().message()));
    return false;
}

}  // namespace kestive::ui
