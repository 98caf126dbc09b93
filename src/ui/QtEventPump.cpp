// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/QtEventPump.h"

#include <QCoreApplication>
#include <QEventLoop>

#ifdef _WIN32
#include <windows.h>
// windows.h first: timeapi.h needs its types.
#include <timeapi.h>
#endif

namespace kestive::ui {

QtEventPump::QtEventPump() {
    wake_.setSingleShot(true);
    wake_.setTimerType(Qt::PreciseTimer);
}

void QtEventPump::processEvents(std::int32_t maxWaitMs) {
    // The wake-up timer bounds the wait; any other event ends it earlier.
#ifdef _WIN32
    // Windows' timers fire on its clock interrupt, every 15.6 ms unless someone asks for 1 ms: asked
    // for the waits of the countdown only, so that an idle trainer lets the system sleep.
    timeBeginPeriod(1);
#endif
    wake_.start(std::max<std::int32_t>(0, maxWaitMs));
    QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
    wake_.stop();
#ifdef _WIN32
    timeEndPeriod(1);
#endif
}

}  // namespace kestive::ui
