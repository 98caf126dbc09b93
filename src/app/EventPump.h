// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <cstdint>

namespace kestive {

// Lets the window system run every pending event (handlers run nested inside the call).
class EventPump {
public:
    virtual ~EventPump() = default;
    // Processes the pending events; when there are none, sleeps until one arrives or maxWaitMs pass.
    virtual void processEvents(std::int32_t maxWaitMs) = 0;
};

}  // namespace kestive
