// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace kestive {

// The window timer that drives Timer1_Timer. It only has work while a drill is timing, so the trainer
// says when timing begins and ends, and the window system can sleep the rest of the time.
class RunningDisplay {
public:
    virtual ~RunningDisplay() = default;
    virtual void timingBegan() = 0;
    virtual void timingEnded() = 0;
};

}  // namespace kestive
