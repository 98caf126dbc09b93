// SPDX-License-Identifier: GPL-3.0-or-later
// The text cursor blinks while the user types and clicks, and rests, steadily shown, in pauses, so a
// focused text box leaves the program asleep.
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyleHints>
#include <QVBoxLayout>
#include <QtTest>
#include <chrono>

#include "ui/Form4.h"
#include "ui/SteadyCaretWhenIdle.h"

using namespace kestive::ui;
using namespace std::chrono_literals;

namespace {
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

class SteadyCaret : public QObject {
    Q_OBJECT

private slots:
    void init() { QGuiApplication::styleHints()->setCursorFlashTime(kDesktopFlashTime); }

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

QTEST_MAIN(SteadyCaret)
#include "test_steady_caret.moc"
