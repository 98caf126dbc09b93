// Timer1 wakes the program only while a drill is timing, and then at the screen's pace; every other
// wait sleeps until its deadline or the next event.
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QtTest>
#include <cmath>

#include "ui/Form1.h"

using namespace kestive;
using namespace kestive::ui;

namespace {
// How many times the event pump returns while waiting ms, the way a countdown step waits.
int pumpsDuring(int ms) {
    QtEventPump pump;
    QElapsedTimer clock;
    clock.start();
    int pumps = 0;
    for (qint64 left = ms; left > 0; left = ms - clock.elapsed()) {
        pump.processEvents(static_cast<std::int32_t>(left));
        ++pumps;
    }
    return pumps;
}
}  // namespace

class QuietTimer : public QObject {
    Q_OBJECT

private slots:
    void tickIntervalFollowsTheScreen_data() {
        QTest::addColumn<double>("refreshRate");
        QTest::addColumn<int>("interval");
        QTest::newRow("60 Hz") << 60.0 << 17;
        QTest::newRow("30 Hz") << 30.0 << 33;
        QTest::newRow("75 Hz") << 75.0 << 13;
        QTest::newRow("144 Hz: hundredths change only every 10 ms") << 144.0 << 10;
        QTest::newRow("not reported") << 0.0 << 17;
        QTest::newRow("nonsense") << std::nan("") << 17;
    }
    void tickIntervalFollowsTheScreen() {
        QFETCH(double, refreshRate);
        QFETCH(int, interval);
        QCOMPARE(QtRunningDisplay::intervalFor(refreshRate), interval);
    }

    void sleepsExceptWhileTiming() {
        QTemporaryDir folder;  // no pictures: the window says so in a message and runs all the same
        QDir::setCurrent(folder.path());
        ClockSeededRandom random;
        Form1 f{random};
        f.load();
        QTest::qWait(100);  // the first paints
        QTimer* timer = f.Timer1;
        QVERIFY(!timer->isActive());
        QVERIFY2(pumpsDuring(300) <= 5, "idle");

        // The countdown waits with Timer1 asleep.
        f.WaitTime->setText("1");
        bool activeInCountdown = true;
        int countdownPumps = 0;
        QTimer::singleShot(200, &f, [&] {
            activeInCountdown = timer->isActive();
            countdownPumps = pumpsDuring(300);  // nested in the countdown, as its own waits are
        });
        QTest::mouseClick(f.Command1, Qt::LeftButton);  // returns when the countdown is over
        QVERIFY(!activeInCountdown);
        QVERIFY2(countdownPumps <= 5, qPrintable(QStringLiteral("countdown: %1 pumps").arg(countdownPumps)));

        // Timing: about one tick per frame of a 60 Hz screen, and the running time moves.
        QCOMPARE(f.trainer().state().drillState, kTiming);
        QVERIFY(timer->isActive());
        QSignalSpy ticks(timer, &QTimer::timeout);
        const int pumps = pumpsDuring(500);
        QVERIFY2(ticks.size() >= 15 && ticks.size() <= 45 && pumps <= 2 * ticks.size() + 5,  // a tick and its paint
                 qPrintable(QStringLiteral("%1 ticks, %2 pumps").arg(ticks.size()).arg(pumps)));
        QVERIFY2(f.Label1->text().startsWith("0.4") || f.Label1->text().startsWith("0.5"), qPrintable(f.Label1->text()));

        QTest::mouseClick(f.Command1, Qt::LeftButton);  // STOP
        QVERIFY(!timer->isActive());
        QVERIFY2(pumpsDuring(300) <= 5, "after STOP");

        f.WaitTime->setText("0");
        QTest::mouseClick(f.Command1, Qt::LeftButton);  // START with no countdown: timing at once
        QVERIFY(timer->isActive());
        QTest::mouseClick(f.Command3, Qt::LeftButton);  // Discard ends the drill
        QVERIFY(!timer->isActive());
        QVERIFY2(pumpsDuring(300) <= 5, "after Discard");
    }
};

QTEST_MAIN(QuietTimer)
#include "test_quiet_timer.moc"
