// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QObject>
#include <QPointer>
#include <QString>
#include <filesystem>

#include "ui/DialogPort.h"
#include "ui/Form2.h"
#include "ui/Form3.h"
#include "ui/Form4.h"

namespace kestive::ui {

class Form1;

// The main window's menu items Load Session, Save Session and About and its button Create report,
// with the three secondary windows they open. Each window is made on first use, belongs to the main
// window (destroyed with it) and is afterwards only shown and hidden.
class SecondaryWindowHandlers final : public QObject {
    Q_OBJECT
public:
    // Connects the menu items and the button of form; the boxes go through dialogs.
    SecondaryWindowHandlers(Form1& form, DialogPort& dialogs);

    void mnuLoad_Click();
    void mnuSave_Click();
    void mnuAbout_Click();
    void Command5_Click();

    // The load dialog's "load": the trainer takes the named file of the working folder (a bare name as
    // the file system spells it) whole or not at all. On a fault one message names the file, the line
    // and what is wrong, and false comes back.
    bool loadfile(const std::filesystem::path& name);

    // Before the program ends with count kept times on no disk: the question, and Save Session with
    // a prompt that offers another folder (true once saved).
    QuitChoice askBeforeQuit(std::size_t count);
    bool saveBeforeQuit();

    // Tests answer the boxes themselves.
    void setDialogs(DialogPort& dialogs) { dialogs_ = &dialogs; }

    // The windows, null until first used.
    Form2* form2() const { return form2_; }
    Form3* form3() const { return form3_; }
    Form4* form4() const { return form4_; }

private:
    Form1& form_;
    DialogPort* dialogs_;
    QPointer<Form2> form2_;
    QPointer<Form3> form3_;
    QPointer<Form4> form4_;
};

}  // namespace kestive::ui
