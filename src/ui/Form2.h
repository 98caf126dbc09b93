// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QDir>
#include <QListWidget>
#include <QPushButton>
#include <QString>
#include <QStringList>
#include <filesystem>
#include <functional>
#include <utility>
#include <vector>

#include "ui/SecondaryWindow.h"

namespace kestive::ui {

// The load-session dialog "Load...": the session files of one folder, "load" and "Cancel".
class Form2 : public SecondaryWindow {
    Q_OBJECT
public:
    // Loads the file (a bare name in the dialog's folder, as the file system spells it); true when it
    // was loaded. On false the handler has already told the user why, and the dialog stays open.
    using LoadHandler = std::function<bool(const std::filesystem::path& file)>;

    // Lists the session files of folder.
    Form2(QWidget* owner, QDir folder, LoadHandler onLoad = {});

    // The files in dir that match "*.pll", without folder, sorted as a file list sorts: each as shown
    // (readable even when the name is not valid UTF-8) and as the file system spells it.
    static std::vector<std::pair<QString, std::filesystem::path>> sessionFiles(
        const std::filesystem::path& dir);

    // Shows the dialog modeless; the list is read again even when it was already shown.
    void present() override;

    // Reads the list again from the folder, keeping the selected name when it is still there.
    void refreshList();
    // The selected name as shown, or an empty text when nothing is selected.
    QString selectedName() const;
    // The selected file as the file system spells it; empty when nothing is selected.
    std::filesystem::path selectedFile() const;

    // "load": hand the selected name to the load handler; hide the dialog once it has loaded.
    void Command1_Click();
    // "Cancel": hide the dialog.
    void Command2_Click();

    QListWidget* File1;
    QPushButton* Command1;
    QPushButton* Command2;

protected:
    // The list is read again whenever the dialog is shown, so a file saved a moment ago is there.
    void showEvent(QShowEvent* event) override;
    // The first Down in the list picks its first row.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QDir folder_;
    std::vector<std::filesystem::path>
        files_;  // the listed files, row by row, as the file system spells them
    LoadHandler onLoad_;
};

}  // namespace kestive::ui
