// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QString>
#include <cstddef>

#include "app/Messenger.h"

class QWidget;

namespace kestive::ui {

// The modal boxes of the main window: the input box and the OK-only messages. The program uses
// QtDialogs; tests put in their own to answer without a person at the keyboard.
class DialogPort {
public:
    virtual ~DialogPort() = default;
    // Asks for one line under the prompt, with no title of its own and no preset text.
    // Yields the text typed, or an empty text when cancelled.
    virtual QString askText(QWidget* parent, const QString& prompt) = 0;
    // A message with OK alone, no icon and no title of its own.
    virtual void inform(QWidget* parent, const QString& text) = 0;
    // A message that something went wrong, with OK alone and no title of its own.
    virtual void warn(QWidget* parent, const QString& text) = 0;
    // Before the program ends with count kept times on no disk: save them first, lose them, or stay.
    virtual QuitChoice askBeforeQuit(QWidget* parent, std::size_t count) = 0;
};

// The real boxes: QInputDialog and QMessageBox, modal, with the platform's title for the program.
class QtDialogs final : public DialogPort {
public:
    QString askText(QWidget* parent, const QString& prompt) override;
    void inform(QWidget* parent, const QString& text) override;
    void warn(QWidget* parent, const QString& text) override;
    QuitChoice askBeforeQuit(QWidget* parent, std::size_t count) override;
};

}  // namespace kestive::ui
