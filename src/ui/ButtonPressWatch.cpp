// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/ButtonPressWatch.h"

#ifdef _WIN32
#include <windows.h>
#endif

#include <QInputEvent>
#include <QKeyEvent>
#include <QPointer>
#include <utility>

namespace kestive::ui {

ButtonPressWatch::ButtonPressWatch(QAbstractButton& button, TickCounter& ticks,
                                   std::function<void(std::int32_t)> pressed, std::function<void()> lost)
    : QObject(&button), button_(button), ticks_(ticks), pressed_(std::move(pressed)), lost_(std::move(lost)) {
    connect(&button, &QAbstractButton::pressed, this, [this] {
        const std::int32_t now = ticks_.now();
#ifdef _WIN32
        pressed_(stamp_ ? tickOfCoarseStamp(*stamp_, GetTickCount(), now)
                        : now);  // stamped with the tick count
#else
        pressed_(stamp_ ? tickOfStamp(*stamp_, now) : now);
#endif
    });
    connect(&button, &QAbstractButton::clicked, this, [this] { ++clicks_; });
    button.installEventFilter(this);
}

bool ButtonPressWatch::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseMove:
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
        case QEvent::FocusOut: break;
        default: return false;
    }
    // Hand the event to the button here, so that what it did with it can be seen afterwards. A click
    // can run a whole countdown, with more of the button's events nested inside: keep this event's
    // stamp on the stack.
    const auto* input = event->isInputEvent() ? static_cast<const QInputEvent*>(event) : nullptr;
    const std::optional<std::uint64_t> outer =
        std::exchange(stamp_, input ? std::optional<std::uint64_t>(input->timestamp()) : std::nullopt);
    const bool wasDown = button_.isDown();
    const std::uint64_t clicksBefore = clicks_;
    const QPointer<QObject> alive(this);
    watched->event(event);
    if (!alive) return true;  // the window went away with the button
    stamp_ = outer;
    if (wasDown && !button_.isDown() && clicks_ == clicksBefore) lost_();
    return true;  // delivered
}

bool KeyRepeatFilter::eventFilter(QObject* watched, QEvent* event) {
    if (!watched->isWidgetType()) return false;  // the same key event also passes the window
    if (event->type() == QEvent::KeyRelease) {
        const auto* key = static_cast<const QKeyEvent*>(event);
        releasedKey_ = key->key();
        releasedAt_ = key->timestamp();
    } else if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<const QKeyEvent*>(event);
        const bool repeat = !key->isAutoRepeat() && key->timestamp() != 0 && key->key() == releasedKey_ &&
                            key->timestamp() == releasedAt_;
        releasedKey_ = 0;
        if (repeat) return true;
    }
    return false;
}

}  // namespace kestive::ui
