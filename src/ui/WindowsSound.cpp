// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/WindowsSound.h"

#include <windows.h>
// windows.h first: mmsystem.h needs its types.
#include <mmsystem.h>

namespace kestive::ui {

bool WindowsSound::play() {
    // SND_NODEFAULT: an event without a sound, or no sound device, answers false instead of playing
    // the default beep, so that the caller can ring the bell instead.
    return PlaySoundW(eventName_.c_str(), nullptr, SND_ALIAS | SND_ASYNC | SND_NODEFAULT) != FALSE;
}

}  // namespace kestive::ui
