#pragma once
#include <QDir>
#include <QListWidget>
#include <QPushButton>
#include <QString>
#include <QStringList>
#include <functional>

#include "ui/SecondaryWindow.h"

namespace kestive::ui {

// The load-session dialog "Load...": the session files of one folder, "load" and "Cancel".
class Form2 : public SecondaryWindow {
    Q_OBJECT
public:
    // Loads the named file (a bare name in the dialog's folder); true when it was loaded. On false the
    // handler has already told the user why, and the dialog stays open for another pick.
    using LoadHandler = std::function<bool(const QString& name)>;

    // Lists the session files of folder.
    Form2(QWidget* owner, QDir folder, LoadHandler onLoad = {});

    // The names, without folder, of the files in dir that match "*.pll", sorted as a file list sorts.
    static QStringList sessionFileNames(const QDir& dir);

    // Shows the dialog modeless; the list is read again even when it was already shown.
    void present() override;

    // Reads the list again from the folder, keeping the selected name when it is still there.
    void refreshList();
    // The selected name, or an empty text when nothing is selected.
    QString selectedName() const;

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

private:
    QDir folder_;
    LoadHandler onLoad_;
};

}  // namespace kestive::ui
