// SPDX-License-Identifier: GPL-3.0-or-later
// The program sleeps whenever nothing happens. Timer1 wakes it only while a drill is timing, and then at
// the screen's pace; every other wait sleeps until its deadline or the next event. The text cursor
// blinks while the user types and clicks, and rests, steadily shown, in pauses, so a focused text box
// leaves the program asleep.
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyleHints>
#include <QTemporaryDir>
#include <QVBoxLayout>
#include <QtTest>
#include <chrono>

#include "ui/Fonts.h"
#include "ui/Form1.h"
#include "ui/Form4.h"
#include "ui/LargeCaptionCache.h"
#include "ui/SteadyCaretWhenIdle.h"

using namespace kestive;
using namespace kestive::ui;
using namespace std::chrono_literals;

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

constexpr int kDesktopFlashTime = 100;  // a quick blink: its timer fires every 50 ms
constexpr auto kRest = 400ms;

// Counts the timer events the whole application handles, naming the class of each receiver.
struct TimerEvents final : QObject {
    QStringList receivers;
    TimerEvents() { QCoreApplication::instance()->installEventFilter(this); }
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Timer)
            receivers << QString::fromLatin1(watched->metaObject()->className());
        return false;
    }
    int during(int ms) {
        receivers.clear();
        QTest::qWait(ms);
        return static_cast<int>(receivers.size());
    }
};

// A window with a one-line box, a report window's text box and a button, one of the boxes focused.
struct Boxes {
    QWidget window;
    QLineEdit* line = new QLineEdit(QStringLiteral("2"));
    Form4 report{nullptr};
    QPushButton* button = new QPushButton(QStringLiteral("START"));
    Boxes() {
        auto* layout = new QVBoxLayout(&window);
        layout->addWidget(line);
        layout->addWidget(button);
        report.setReportText(QStringLiteral("avg: 0.00, std: 0.00, num: 0\r\n"));
    }
    bool focus(QWidget* box) {
        QWidget* top = box->window();
        top->show();
        QApplication::setActiveWindow(top);
        if (!QTest::qWaitForWindowActive(top)) return false;
        box->setFocus(Qt::OtherFocusReason);
        return box->hasFocus();
    }
};
}  // namespace

class Idle : public QObject {
    Q_OBJECT

private slots:
    // The desktop's cursor flash time, as the cursor tests expect it, whatever a test before changed.
    void init() { QGuiApplication::styleHints()->setCursorFlashTime(kDesktopFlashTime); }

    // Label1 as Timer1 repaints it, from character images, caption after caption, repainting only where
    // they differ: the screen shows the last one as the label draws it itself, and the label never paints
    // unless a caption is too wide for the images and wraps.
    void captionChangesLookAsTheLabelDrawsThem_data() {
        QTest::addColumn<QStringList>("captions");
        for (const char* row :
             {"5.61 5.62", "1.99 2.00", "9.99 10.00", "10.00 9.99", "1.11 1.1", "1.1 1.17", "2 -2.5",
              "7.4 7.4", "0.47 0.44", "0.4 0.41", "9,87 7 s", "3 1234567.89 0.00", "0.00 1234567.89"})
            QTest::newRow(row) << QString::fromLatin1(row).split(' ');
    }
    void captionChangesLookAsTheLabelDrawsThem() {
        QFETCH(QStringList, captions);
        struct CountingLabel : QLabel {
            int paints = 0;
            void paintEvent(QPaintEvent* e) override {
                ++paints;
                QLabel::paintEvent(e);
            }
        };
        QWidget window;
        window.resize(321, 121);
        auto* label = new CountingLabel;
        label->setParent(&window);
        dressAsLabel1(*label);
        auto* caption = new LargeCaptionCache(*label);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QTest::qWait(30);
        label->paints = 0;
        for (const QString& c : captions) {
            caption->setCaption(c.toStdString());
            QTest::qWait(30);
            QCOMPARE(label->text(), c);
        }
        QCOMPARE(label->paints == 0, !captions.contains(QStringLiteral("1234567.89")));
        QLabel plain(captions.last());
        dressAsLabel1(plain);
        const QImage shown = window.screen()->grabWindow(window.winId()).toImage();
        QCOMPARE(differingPixels(shown, label->grab().toImage()), 0);  // no trace of an earlier caption
        // Edge pixels may differ: the label places characters at fractions of a pixel, the images at whole
        // ones.
        const int differing = differingPixels(shown, plain.grab().toImage());
        QVERIFY2(differing < shown.width() * shown.height() / 100, qPrintable(QString::number(differing)));
    }

    // Timer1 ticks once per frame of the screen the window stands on, looked at anew for every drill (the
    // window may have moved to another screen); a screen that reports no rate counts as 60 Hz.
    void runningDisplayTicksAtTheRateOfTheScreenOfEachDrill() {
        double screen = 60;
        QtRunningDisplay display([&] { return screen; });
        for (auto [rate, interval] : {std::pair{60.0, 17}, {30.0, 33}, {0.0, 17}}) {
            screen = rate;
            display.timingBegan();
            QVERIFY2(display.timer().interval() == interval, qPrintable(QStringLiteral("%1 Hz").arg(rate)));
            display.timingEnded();
        }
    }

    void sleepsExceptWhileTiming() {
        QTemporaryDir folder;  // no pictures: the window says so in a message and runs all the same
        QDir::setCurrent(folder.path());
        ClockSeededRandom random;
        Form1 f{random, workPlaceIn(folder.path().toStdString())};
        f.load();
        QTest::qWait(100);  // the first paints
        QVERIFY2(pumpsDuring(300) <= 5, "idle");

        // The countdown waits with Timer1 asleep.
        f.WaitTime->setText("1");
        int countdownPumps = 0;
        // Counted nested in the countdown, as its own waits are.
        QTimer::singleShot(200, &f, [&] { countdownPumps = pumpsDuring(300); });
        QTest::mouseClick(f.Command1, Qt::LeftButton);  // returns when the countdown is over
        QVERIFY2(countdownPumps <= 5, qPrintable(QStringLiteral("countdown: %1 pumps").arg(countdownPumps)));

        // Timing: never more ticks than the screen shows frames (60 here), each with its paint at most.
        QCOMPARE(f.trainer().state().drillState, kTiming);
        QSignalSpy ticks(f.Timer1, &QTimer::timeout);
        const int pumps = pumpsDuring(500);
        QVERIFY2(ticks.size() >= 1 && ticks.size() <= 45 && pumps <= 2 * ticks.size() + 5,
                 qPrintable(QStringLiteral("%1 ticks, %2 pumps").arg(ticks.size()).arg(pumps)));

        QTest::mouseClick(f.Command1, Qt::LeftButton);  // STOP
        QVERIFY2(pumpsDuring(300) <= 5, "after STOP");
    }

    // Blinking wakes the program; once the pause is long enough nothing does. A key press, a click or a
    // focus move wakes the cursor to the desktop's pace; after a pause it rests again, steadily drawn.
    void focusedBoxSleepsUntilTheUserActs_data() {
        QTest::addColumn<bool>("reportText");
        QTest::addColumn<QString>("action");
        QTest::newRow("report text, key press") << true << "key";
        QTest::newRow("one-line box, click") << false << "click";
        QTest::newRow("one-line box, focus moves") << false << "focus";
    }
    void focusedBoxSleepsUntilTheUserActs() {
        QFETCH(bool, reportText);
        QFETCH(QString, action);
        Boxes boxes;
        QWidget* box = reportText ? static_cast<QWidget*>(boxes.report.Text1) : boxes.line;
        QVERIFY(boxes.focus(box));
        TimerEvents timers;
        SteadyCaretWhenIdle caret(kRest);
        QVERIFY(caret.blinking());
        QVERIFY2(timers.during(250) >= 1, qPrintable(timers.receivers.join(", ")));  // blinking
        QTRY_VERIFY_WITH_TIMEOUT(!caret.blinking(), 2000);
        QVERIFY2(timers.during(600) == 0, qPrintable(timers.receivers.join(", ")));

        if (action == "key") QTest::keyClick(box, Qt::Key_5);
        if (action == "click") QTest::mouseClick(box, Qt::LeftButton);
        if (action == "focus") boxes.button->setFocus(Qt::TabFocusReason);
        QTRY_VERIFY_WITH_TIMEOUT(caret.blinking(), 500);
        QCOMPARE(QGuiApplication::styleHints()->cursorFlashTime(), kDesktopFlashTime);
        QTRY_VERIFY_WITH_TIMEOUT(!caret.blinking(), 2000);
        if (!box->hasFocus()) return;  // the focus moved on
        // Steadily drawn: the box differs from itself without the focus by the cursor.
        const QImage focused = box->grab().toImage();
        boxes.button->window()->show();
        box->clearFocus();
        QVERIFY(focused != box->grab().toImage());
    }

    // Typing without a pause as long as the rest keeps the cursor blinking.
    void typingKeepsItBlinking() {
        Boxes boxes;
        QVERIFY(boxes.focus(boxes.line));
        SteadyCaretWhenIdle caret(1000ms);  // a pause of 900 ms between keys, on a busy machine, still counts
        for (int i = 0; i < 12; ++i) {      // 1.2 s, longer than the rest
            QTest::qWait(100);
            QTest::keyClick(boxes.line, Qt::Key_1);
            QVERIFY2(caret.blinking(), qPrintable(QStringLiteral("after %1 ms").arg(100 * (i + 1))));
        }
    }

    // Where the desktop never blinks the cursor, it changes nothing.
    void desktopThatNeverBlinksIsKept() {
        QGuiApplication::styleHints()->setCursorFlashTime(0);
        Boxes boxes;
        QVERIFY(boxes.focus(boxes.line));
        SteadyCaretWhenIdle caret(kRest);
        QTest::keyClick(boxes.line, Qt::Key_1);
        QTest::qWait(2 * kRest.count());
        QTest::keyClick(boxes.line, Qt::Key_2);
        QTest::qWait(50);
        QVERIFY(!caret.blinking());
        QCOMPARE(QGuiApplication::styleHints()->cursorFlashTime(), 0);
    }
};

QTEST_MAIN(Idle)
#include "test_idle.moc"
