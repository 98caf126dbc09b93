// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/SteadyCaretWhenIdle.h"

#include <QCoreApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QStyleHints>

namespace kestive::ui {
namespace {
int flashTime() {
    return QGuiApplication::styleHints()->cursorFlashTime();
}
void setFlashTime(int ms) {
    QGuiApplication::styleHints()->setCursorFlashTime(ms);
}

bool isUserActivity(QEvent::Type type) {
    switch (type) {
        case QEvent::KeyPress:
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
        case QEvent::FocusIn:
        case QEvent::InputMethod:
        case QEvent::TouchBegin:
        case QEvent::TabletPress: return true;
        default: return false;
    }
}
}  // namespace

SteadyCaretWhenIdle::SteadyCaretWhenIdle(std::chrono::milliseconds rest) : flashTime_(flashTime()) {
    restTimer_.setSingleShot(true);
    restTimer_.setTimerType(Qt::CoarseTimer);
    restTimer_.setInterval(rest);
    connect(&restTimer_, &QTimer::timeout, this, &SteadyCaretWhenIdle::restCursor);
    QCoreApplication::instance()->installEventFilter(this);
    restTimer_.start();
}

SteadyCaretWhenIdle::~SteadyCaretWhenIdle() {
    QCoreApplication::instance()->removeEventFilter(this);
    if (resting_) setFlashTime(flashTime_);
}

bool SteadyCaretWhenIdle::blinking() const {
    return !resting_ && flashTime() > 0;
}

bool SteadyCaretWhenIdle::eventFilter(QObject* watched, QEvent* event) {
    if (isUserActivity(event->type())) {
        if (!resting_) {
            restTimer_.start();
        } else if (!wakePending_) {
            // After the event: a press that stops the clock is handled before any text box repaints.
            wakePending_ = true;
            QMetaObject::invokeMethod(this, &SteadyCaretWhenIdle::wakeCursor, Qt::QueuedConnection);
        }
    }
    return QObject::eventFilter(watched, event);
}

void SteadyCaretWhenIdle::restCursor() {
    // The desktop may have changed its flash time since start-up.
    if (const int current = flashTime(); current > 0) flashTime_ = current;
    if (flashTime_ <= 0) return;
    resting_ = true;
    setFlashTime(0);
}

void SteadyCaretWhenIdle::wakeCursor() {
    wakePending_ = false;
    if (!resting_) return;
    resting_ = false;
    setFlashTime(flashTime_);
    restTimer_.start();
}

}  // namespace kestive::ui
