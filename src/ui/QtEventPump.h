// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QTimer>

#include "app/EventPump.h"

namespace kestive::ui {

// Runs the pending window events; with none pending it sleeps until one arrives or the deadline
// passes, so a countdown costs next to no processor time.
class QtEventPump final : public EventPump {
public:
    QtEventPump();
    void processEvents(std::int32_t maxWaitMs) override;

private:
    QTimer wake_;
};

}  // namespace kestive::ui
