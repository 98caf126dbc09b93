// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/DialogPort.h"

#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>

namespace kestive::ui {

// No window title is set on any box: the platform then shows the program's name.

QString QtDialogs::askText(QWidget* parent, const QString& prompt) {
    QInputDialog box(parent);
    box.setInputMode(QInputDialog::TextInput);
    box.setTextEchoMode(QLineEdit::Normal);
    box.setLabelText(prompt);
    box.setTextValue(QString());
    if (box.exec() != QDialog::Accepted) return QString();
    return box.textValue();
}

void QtDialogs::inform(QWidget* parent, const QString& text) {
    QMessageBox box(QMessageBox::NoIcon, QString(), text, QMessageBox::Ok, parent);
    box.exec();
}

void QtDialogs::warn(QWidget* parent, const QString& text) {
    QMessageBox box(QMessageBox::Warning, QString(), text, QMessageBox::Ok, parent);
    box.exec();
}

}  // namespace kestive::ui

namespace kestive::ui {

QuitChoice QtDialogs::askBeforeQuit(QWidget* parent, std::size_t count) {
    const bool one = count == 1;
    const QString them = one ? QStringLiteral("it") : QStringLiteral("them");
    const QString text =
        (one ? QStringLiteral("1 kept time is") : QStringLiteral("%1 kept times are").arg(count)) +
        QStringLiteral(
            " on no disk: the working folder could not take %1.\n"
            "Save %1 in a session file first? You can name another folder.")
            .arg(them);
    QMessageBox box(QMessageBox::Warning, QString(), text, QMessageBox::NoButton, parent);
    QPushButton* save = box.addButton(QStringLiteral("&Save now..."), QMessageBox::AcceptRole);
    QPushButton* lose =
        box.addButton(QStringLiteral("&Quit and lose %1").arg(them), QMessageBox::DestructiveRole);
    box.addButton(QMessageBox::Cancel);
    box.setDefaultButton(save);
    box.exec();
    if (box.clickedButton() == save) return QuitChoice::SaveFirst;
    if (box.clickedButton() == lose) return QuitChoice::QuitAndLose;
    return QuitChoice::StayOpen;
}

}  // namespace kestive::ui
