// Timer1 wakes the program only while a drill is timing, and then at the screen's pace; every other
// wait sleeps until its deadline or the next event.
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QtTest>
#include <cmath>

#include "ui/Fonts.h"
#include "ui/Form1.h"
#include "ui/LargeCaptionCache.h"

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
// Label1's look: 96 points, blue on white, top left, wrapping.
void dressAsLabel1(QLabel& label) {
    label.setGeometry(0, 0, 321, 121);
    label.setFont(sansSerifFont(96));
    label.setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label.setTextFormat(Qt::PlainText);
    label.setWordWrap(true);
    label.setAutoFillBackground(true);
    QPalette p = label.palette();
    p.setColor(QPalette::WindowText, QColor(0, 0, 255));
    p.setColor(QPalette::Window, Qt::white);
    label.setPalette(p);
}

// Pixels that differ clearly (anti-aliased edges may differ a little).
int differingPixels(const QImage& a, const QImage& b) {
    int n = 0;
    for (int y = 0; y < std::min(a.height(), b.height()); ++y)
        for (int x = 0; x < std::min(a.width(), b.width()); ++x) {
            const QColor p = a.pixelColor(x, y), q = b.pixelColor(x, y);
            n += std::abs(p.red() - q.red()) + std::abs(p.blue() - q.blue()) > 96;
        }
    return n;
}
}  // namespace

class QuietTimer : public QObject {
    Q_OBJECT

private slots:
    void tickIntervalFollowsTheScreen_data() {
        QTest::addColumn<double>("refreshRate");
        QTest::addColumn<int>("interval");
        QTest::newRow("60 Hz") << 60.0 << 17;
        QTest::newRow("144 Hz: hundredths change only every 10 ms") << 144.0 << 10;
        QTest::newRow("not reported") << 0.0 << 17;
        QTest::newRow("nonsense") << std::nan("") << 17;
    }
    void tickIntervalFollowsTheScreen() {
        QFETCH(double, refreshRate);
        QFETCH(int, interval);
        QCOMPARE(QtRunningDisplay::intervalFor(refreshRate), interval);
    }

    // Label1 as Timer1 repaints it, from character images, against the label drawing the same text itself.
    void largeCaptionLooksAsTheLabelDrawsIt_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("fits");  // else it wraps, and the label draws it
        for (const char* t : {"0.00", "1.50", "12.34", "2", "-0.75", "11.11", "9,87", "7 s"}) QTest::newRow(t) << t << true;
        QTest::newRow("too wide") << "1234567.89" << false;
    }
    void largeCaptionLooksAsTheLabelDrawsIt() {
        QFETCH(QString, text);
        QFETCH(bool, fits);
        struct CountingLabel : QLabel {
            int paints = 0;
            void paintEvent(QPaintEvent* e) override { ++paints; QLabel::paintEvent(e); }
        };
        QImage drawn[2];
        for (const bool cached : {false, true}) {
            CountingLabel label;
            label.setText(text);
            dressAsLabel1(label);
            if (cached) new LargeCaptionCache(label);
            label.grab();  // the first paint makes the images
            drawn[cached] = label.grab().toImage();
            if (cached) QCOMPARE(label.paints == 0, fits);
        }
        // Edge pixels may differ: the label places characters at fractions of a pixel, the images at whole ones.
        const int differing = differingPixels(drawn[0], drawn[1]);
        QVERIFY2(differing < drawn[0].width() * drawn[0].height() / 100, qPrintable(QString::number(differing)));
    }

    // Captions set one after another repaint only where they differ; the screen must show the last one whole.
    void captionChangesLeaveNoTrace_data() {
        QTest::addColumn<QStringList>("captions");
        for (const char* row : {"5.61 5.62", "1.99 2.00", "9.99 10.00", "10.00 9.99", "1.11 1.1", "1.1 1.17",
                                "2 -2.5", "7.4 7.4", "0.47 0.44", "0.4 0.41", "3 1234567.89 0.00", "0.00 1234567.89"})
            QTest::newRow(row) << QString::fromLatin1(row).split(' ');
    }
    void captionChangesLeaveNoTrace() {
        QFETCH(QStringList, captions);
        QWidget window;
        window.resize(321, 121);
        auto* label = new QLabel(&window);
        dressAsLabel1(*label);
        auto* caption = new LargeCaptionCache(*label);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        for (const QString& c : captions) {
            caption->setCaption(c.toStdString());
            QTest::qWait(30);
            QCOMPARE(label->text(), c);
        }
        const QImage shown = window.screen()->grabWindow(window.winId()).toImage();
        const int differing = differingPixels(shown, label->grab().toImage());
        QVERIFY2(differing == 0, qPrintable(QString::number(differing)));
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
        SteadyTickCounter clock;
        const std::int32_t pressed = clock.now();
        QTest::mouseClick(f.Command1, Qt::LeftButton);  // returns when the countdown is over
        const std::int32_t step = elapsedMs(pressed, f.trainer().state().startTick);
        QVERIFY2(step >= 1000 && step <= 1020, qPrintable(QStringLiteral("one countdown step took %1 ms").arg(step)));
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
