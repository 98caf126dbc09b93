// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "app/Beeper.h"
#include "app/EventSound.h"

namespace kestive {

// The start signal as the desktop sounds it: its event sound, or the window system's bell where that
// sound cannot play (the bell alone is silent on some window systems and muted on many desktops).
class SoundOrBell final : public Beeper {
public:
    SoundOrBell(EventSound& sound, Beeper& bell) : sound_(sound), bell_(bell) {}
    void beep() override {
        if (!sound_.play()) bell_.beep();
    }

private:
    EventSound& sound_;
    Beeper& bell_;
};

}  // namespace kestive
