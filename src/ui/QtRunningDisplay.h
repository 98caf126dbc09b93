// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QTimer>
#include <QWidget>
#include <functional>

#include "app/RunningDisplay.h"

namespace kestive::ui {

// Timer1 on Qt: while a drill is timing it ticks once per frame of the screen the window stands on,
// so the running time changes as often as the screen can show it; otherwise it is stopped and the
// program sleeps until the user does something.
class QtRunningDisplay final : public RunningDisplay {
public:
    explicit QtRunningDisplay(const QWidget& window);
    // Ticks at the rate refreshRate gives when timing begins (0 when the screen reports none).
    explicit QtRunningDisplay(std::function<double()> refreshRate);
    void timingBegan() override;
    void timingEnded() override;
    QTimer& timer() { return timer_; }

    // Milliseconds between ticks on a screen refreshing refreshRate times a second. The display shows
    // hundredths, so ticks closer than 10 ms could show nothing new; a rate the screen does not report
    // sensibly counts as 60.
    static int intervalFor(double refreshRate);

private:
    std::function<double()> refreshRate_;
    QTimer timer_;
};

}  // namespace kestive::ui
