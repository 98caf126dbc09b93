// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/Form4.h"

namespace kestive::ui {

Form4::Form4(QWidget* owner) : SecondaryWindow(owner, QStringLiteral("Report"), 9090, 7035) {
    // Multi-line, editable, no scroll bars: a long report is reached by moving the caret.
    Text1 = new QPlainTextEdit(this);
    Text1->setObjectName(QStringLiteral("Text1"));
    Text1->setGeometry(twips(120, 120, 8895, 6015));
    Text1->setFont(scaled(arialFont(8.25)));
    Text1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Text1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Text1->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    Text1->setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    Text1->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    Text1->setTabChangesFocus(true);

    Label1 = addLabel("Label1", QStringLiteral("Copy Paste the above"), twips(120, 6240, 6615, 255));
    Command1 = addButton("Command1", QStringLiteral("Close"), twips(120, 6480, 8895, 495));
    setTabOrder(Text1, Command1);
    connect(Command1, &QPushButton::clicked, this, &Form4::Command1_Click);
}

void Form4::setReportText(const QString& report) {
    QString text = report;
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    Text1->setPlainText(text);
}

void Form4::Command1_Click() {
    hide();
}

}  // namespace kestive::ui
