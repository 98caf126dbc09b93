#include "ui/QtEventPump.h"

#include <QCoreApplication>
#include <QEventLoop>

namespace kestive::ui {

QtEventPump::QtEventPump() {
    wake_.setSingleShot(true);
    wake_.setTimerType(Qt::PreciseTimer);
}

void QtEventPump::processEvents(std::int32_t maxWaitMs) {
    // The wake-up timer bounds the wait; any other event ends it earlier.
    wake_.start(std::max<std::int32_t>(0, maxWaitMs));
    QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
    wake_.stop();
}

}  // namespace kestive::ui
