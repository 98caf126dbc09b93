// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/QtRunningDisplay.h"

#include <QScreen>
#include <algorithm>
#include <cmath>
#include <utility>

namespace kestive::ui {

// The screen is looked at anew for every drill: the window may have moved to another one.
QtRunningDisplay::QtRunningDisplay(const QWidget& window)
    : QtRunningDisplay([&window] {
          const QScreen* screen = window.screen();
          return screen ? screen->refreshRate() : 0.0;
      }) {}

QtRunningDisplay::QtRunningDisplay(std::function<double()> refreshRate)
    : refreshRate_(std::move(refreshRate)) {
    timer_.setTimerType(Qt::PreciseTimer);
    timer_.setInterval(intervalFor(0));
}

int QtRunningDisplay::intervalFor(double refreshRate) {
    constexpr double kFallbackRate = 60;
    constexpr int kShortestMs = 10;
    const double rate = refreshRate >= 1 && refreshRate <= 1000 ? refreshRate : kFallbackRate;
    return std::max(kShortestMs, static_cast<int>(std::lround(1000 / rate)));
}

void QtRunningDisplay::timingBegan() {
    timer_.setInterval(intervalFor(refreshRate_()));
    timer_.start();
}

void QtRunningDisplay::timingEnded() {
    timer_.stop();
}

}  // namespace kestive::ui
