#include "ui/QtRunningDisplay.h"

#include <QScreen>
#include <algorithm>
#include <cmath>

namespace kestive::ui {

QtRunningDisplay::QtRunningDisplay(const QWidget& window) : window_(window) {
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
    // The screen is looked at anew for every drill: the window may have moved to another one.
    const QScreen* screen = window_.screen();
    timer_.setInterval(intervalFor(screen ? screen->refreshRate() : 0));
    timer_.start();
}

void QtRunningDisplay::timingEnded() {
    timer_.stop();
}

}  // namespace kestive::ui
