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
    const QString times =
        count == 1 ? QStringLiteral("1 kept time is") : QStringLiteral("%1 kept times are").arg(count);
    QMessageBox box(QMessageBox::Warning, QString(),
                    times + QStringLiteral(" on no disk: the working folder did not take them.\n"
                                           "Save them in a session file first? You can name another folder."),
                    QMessageBox::NoButton, parent);
    QPushButton* save = box.addButton(QStringLiteral("Save now..."), QMessageBox::AcceptRole);
    QPushButton* lose =
        box.addButton(count == 1 ? QStringLiteral("Quit and lose it") : QStringLiteral("Quit and lose them"),
                      QMessageBox::DestructiveRole);
    box.addButton(QMessageBox::Cancel);
    box.setDefaultButton(save);
    box.exec();
    if (box.clickedButton() == save) return QuitChoice::SaveFirst;
    if (box.clickedButton() == lose) return QuitChoice::QuitAndLose;
    return QuitChoice::StayOpen;
}

}  // namespace kestive::ui
