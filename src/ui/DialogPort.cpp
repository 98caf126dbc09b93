#include "ui/DialogPort.h"

#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>

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
