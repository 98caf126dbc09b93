// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QObject>
#include <QTimer>
#include <chrono>

namespace kestive::ui {

// Lets the text cursor blink only while someone is at the keyboard or the mouse. After `rest` without a
// key press, click or focus change the application's cursor flash time drops to 0, so every text box
// shows its cursor steadily and stops the timer that blinks it; the next key press, click or focus change
// gives back the desktop's flash time. A blinking cursor wakes the program twice a second for as long as
// a text box has the focus; a resting one never does, and the single rest timer fires once per pause.
// Watches the whole application for as long as it lives.
class SteadyCaretWhenIdle final : public QObject {
public:
    static constexpr std::chrono::milliseconds kDesktopRest{10000};

    explicit SteadyCaretWhenIdle(std::chrono::milliseconds rest = kDesktopRest);
    ~SteadyCaretWhenIdle() override;  // blinking again, as the desktop has it

    // Whether the cursor currently blinks (false too where the desktop never blinks it).
    bool blinking() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void restCursor();
    void wakeCursor();

    int flashTime_;  // the desktop's, in ms; 0 where it does not blink
    bool resting_ = false;
    bool wakePending_ = false;
    QTimer restTimer_;
};

}  // namespace kestive::ui
