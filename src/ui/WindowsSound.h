// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <string>

#include "app/EventSound.h"

namespace kestive::ui {

// One of Windows' own event sounds (Control Panel, Sound, Sounds), played without waiting for it; it
// follows the user's choice of sound for that event and the sound scheme "No Sounds".
class WindowsSound final : public EventSound {
public:
    // eventName names the event as the registry does ("SystemAsterisk", ".Default").
    explicit WindowsSound(std::wstring eventName) : eventName_(std::move(eventName)) {}
    bool play() override;

private:
    std::wstring eventName_;
};

}  // namespace kestive::ui
