// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QAbstractButton>
#include <QObject>
#include <cstdint>
#include <functional>
#include <optional>

#include "app/TickCounter.h"

namespace kestive::ui {

// Reports when a button goes down, at the tick of the input that pressed it, and when it comes up
// again without a click. The button's own rules decide what presses it (left mouse button on it, Space
// while it has the focus, not the key's auto-repeat); the tick comes from the input event's time stamp
// when the window system gives one of the tick counter's clock, otherwise from the counter.
class ButtonPressWatch final : public QObject {
public:
    ButtonPressWatch(QAbstractButton& button, TickCounter& ticks, std::function<void(std::int32_t)> pressed,
                     std::function<void()> lost);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QAbstractButton& button_;
    TickCounter& ticks_;
    std::function<void(std::int32_t)> pressed_;
    std::function<void()> lost_;
    std::optional<std::uint64_t> stamp_;  // of the input event the button is handling
    std::uint64_t clicks_ = 0;
};

// Where the window system sends a held key's auto-repeat as a release and a press with the same time
// stamp, without marking them (seen on X servers without detectable auto-repeat), a button with the
// focus would be pressed again and again. Installed on the application, this drops such presses: a
// held key presses once. The release before it still counts as the key coming up.
class KeyRepeatFilter final : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    int releasedKey_ = 0;
    std::uint64_t releasedAt_ = 0;
};

}  // namespace kestive::ui
