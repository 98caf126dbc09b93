// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "app/Beeper.h"
#include "app/CasePick.h"
#include "app/DrillTrace.h"
#include "app/EventPump.h"
#include "app/Messenger.h"
#include "app/NumberReader.h"
#include "app/RunningDisplay.h"
#include "app/TickCounter.h"
#include "app/WindowLifetime.h"
#include "app/WorkPlace.h"
#include "session/UnsavedTimes.h"
#include "stats/NumberText.h"

namespace kestive {

// What the window system and the process give the handlers besides the controls.
struct Platform {
    TickCounter* ticks = nullptr;
    EventPump* pump = nullptr;
    Beeper* beeper = nullptr;
    NumberReader* numbers = nullptr;  // text boxes to numbers, in the user's locale
    NumberFormat format;              // numbers to text, in the user's locale
    Messenger* messenger = nullptr;
    WindowLifetime* window = nullptr;
    RandomSource* random = nullptr;     // seeded from the clock when it was made
    DrillTrace* trace = nullptr;        // optional
    WorkPlace place;                    // the folders of the session files, the journal and the case pictures
    UnsavedTimes* unsaved = nullptr;    // optional: keeps kept times on disk until they are saved
    RunningDisplay* display = nullptr;  // Timer1, ticking only while timing
};

}  // namespace kestive
