// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QString>

#include "ui/SecondaryWindow.h"

namespace kestive::ui {

// The report window: the report text to copy out, a hint, and "Close".
class Form4 : public SecondaryWindow {
    Q_OBJECT
public:
    explicit Form4(QWidget* owner);

    // Replaces the text of Text1 by the report (CR LF or LF line ends; shown as line breaks).
    void setReportText(const QString& report);

    // "Close": hide the window; the text stays for the next time it is shown.
    void Command1_Click();

    QPlainTextEdit* Text1;
    QLabel* Label1;
    QPushButton* Command1;
};

}  // namespace kestive::ui
