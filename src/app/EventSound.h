// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace kestive {

// One of the desktop's event sounds, started without waiting for it to finish.
class EventSound {
public:
    virtual ~EventSound() = default;
    // False when it cannot be played: no sound server, no sound theme, event sounds switched off.
    virtual bool play() = 0;
};

}  // namespace kestive
