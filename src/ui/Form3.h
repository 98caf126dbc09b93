// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QLabel>
#include <QPushButton>
#include <QWidget>

#include "ui/SecondaryWindow.h"

namespace kestive::ui {

// The About window: the program's name, the credit and its answer, the version, a note on the case
// pictures, two contact lines and "Close".
class Form3 : public SecondaryWindow {
    Q_OBJECT
public:
    explicit Form3(QWidget* owner);

    // "Close": hide the window.
    void Command1_Click();

    QLabel* Label1;  // the author credit
    QLabel* Label2;  // the title
    QLabel* Label3;  // the version
    QLabel* Label4;  // first contact line: the project's home
    QLabel* Label5;  // second contact line: where to report problems
    QLabel* Label6;  // the joke line answering the credit
    QLabel* Label7;  // the note on the pictures
    QWidget* Line1;  // the rule across the window
    QPushButton* Command1;
};

}  // namespace kestive::ui
