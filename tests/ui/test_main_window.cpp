// The main window on Qt: its design, start-up, the bars as drawn, the drill by keyboard, the countdown's
// real event loop, and numbers read in the user's locale. The handlers' rules are tested with fakes in app/.
#include <QFontInfo>
#include <QMenuBar>
#include <QMessageBox>

#include "UiSupport.h"
#include "cases/OllCases.h"

using namespace kestive;
using namespace kestive::ui;
using test::Window;

namespace {
const QColor kRed(255, 0, 0), kGreen(0, 255, 0), kGrey(50, 50, 50), kBarBack(128, 64, 64), kWhite(255, 255, 255);
QRect twips(const QWidget* w) { return QRect(w->geometry().topLeft() * 15, w->geometry().size() * 15); }
QColor at(const QtPictureBox* box, int x, int y) { return box->image().pixelColor(x, y); }
// Columns of the box's drawing at mid-height that show the colour.
QList<int> columnsOf(const QtPictureBox* box, const QColor& colour) {
    QList<int> xs;
    for (int x = 0; x < box->image().width(); ++x)
        if (at(box, x, box->image().height() / 2) == colour) xs << x;
    return xs;
}
}  // namespace

class MainWindow : public QObject {
    Q_OBJECT
    std::unique_ptr<test::PictureFolder> folder;

private slots:
    void init() { folder = std::make_unique<test::PictureFolder>(); }
    void cleanup() { folder.reset(); }

    void designPlacesCaptionsColoursAndFonts() {
        Window w;
        Form1& f = w.form;
        QCOMPARE(f.client()->size(), QSize(21480 / 15, 12285 / 15));
        QCOMPARE(f.windowTitle(), QStringLiteral("Kestive"));
        const struct { QWidget* w; QRect place; const char* caption; } singles[] = {
            {f.alg, {1560, 240, 2655, 2535}, ""},
            {f.Label1, {960, 3000, 4815, 1815}, "0.00"},
            {f.Command1, {120, 4920, 1815, 495}, "START"},
            {f.Command2, {2040, 4920, 1815, 495}, "Accept"},
            {f.Command3, {3960, 4920, 1815, 495}, "Discard"},
            {f.Label2, {360, 5520, 1335, 255}, "Wait Time (sec):"},
            {f.WaitTime, {1560, 5520, 375, 285}, "2"},
            {f.Command4, {3960, 5640, 1815, 495}, "Exit"},
            {f.Label4, {360, 5880, 2535, 255}, "Show PLL if time left is under (sec)"},
            {f.showWhen, {2880, 5880, 375, 285}, "1"},
            {f.Label5, {120, 7080, 5775, 615}, ""},
            {f.Command5, {120, 8040, 1935, 615}, "Create report"},
            {f.Label6, {4320, 8160, 1575, 1095},
             "Click on a PLL to DISABLE/ENABLE that PLL from being generated.   ----------------------->"},
            {f.Label3, {120, 8640, 1935, 615},
             "makes a report of your PLL skills so that you can share your times with your friends."},
        };
        for (const auto& s : singles) {
            QCOMPARE(s.w->parentWidget(), f.client());
            QCOMPARE(twips(s.w), s.place);
            QCOMPARE(s.w->property("text").toString(), QString::fromUtf8(s.caption));
            QVERIFY(!s.w->accessibleName().isEmpty());
            if (auto* b = qobject_cast<QPushButton*>(s.w)) QVERIFY(!b->autoDefault() && !b->isDefault());
        }
        // The case arrays: the grid's corners and the groups below the hint.
        for (auto [c, left, top] : {std::tuple{0, 6000, 120}, {5, 18600, 120}, {53, 18600, 10680},
                                    {54, 960, 10680}, {55, 3480, 10680}, {56, 2160, 9360}}) {
            QCOMPARE(twips(f.pll[c]), QRect(left, top, 1215, 1215));
            QCOMPARE(twips(f.avg[c]), QRect(left + 1200, top, 1215, 495));
            QCOMPARE(twips(f.avglabel[c]), QRect(left + 1200, top + 480, 1215, 255));
            QCOMPARE(twips(f.numlabel[c]), QRect(left + 1200, top + 720, 1215, 255));
            QCOMPARE(twips(f.stdlabel[c]), QRect(left + 1200, top + 960, 1215, 255));
        }
        for (int i = 0; i < kCaseCount; ++i) QVERIFY(!f.pll[i]->accessibleName().isEmpty());
        // Background colours (an invalid text colour is not checked).
        for (auto [l, text, back] : {std::tuple<QWidget*, QColor, QColor>{f.client(), {}, kWhite},
                                     {f.Label1, {0, 0, 255}, kWhite}, {f.Label2, Qt::black, kWhite},
                                     {f.Label5, kRed, kWhite}, {f.avglabel[7], {}, {192, 192, 255}},
                                     {f.numlabel[7], {}, {192, 255, 192}}, {f.stdlabel[7], {}, {255, 192, 192}}}) {
            if (text.isValid()) QCOMPARE(l->palette().color(QPalette::WindowText), text);
            QCOMPARE(l->palette().color(QPalette::Window), back);
            QVERIFY(l->autoFillBackground());
        }
        QCOMPARE(f.avg[7]->background(), kBarBack);
        QCOMPARE(f.alg->background(), kWhite);
        const QString family = QFontInfo(f.Command1->font()).family();
        QVERIFY2(family == "Liberation Sans" || family == "DejaVu Sans", qPrintable(family));
        QCOMPARE(f.Command1->font().pixelSize(), 11);  // 8.25 pt at 96 dpi
        QCOMPARE(f.Label1->font().pixelSize(), 128);   // 96 pt
        QCOMPARE(f.Label5->font().pixelSize(), 13);    // 9.75 pt
        QVERIFY(f.Label5->font().bold() && f.Label6->font().bold() && f.avglabel[0]->font().bold());
        QVERIFY(!f.numlabel[0]->font().bold() && f.Label6->wordWrap());
        f.resize(400, 300);  // a smaller window moves nothing
        QTest::qWait(10);
        QCOMPARE(twips(f.stdlabel[53]), QRect(19800, 11640, 1215, 255));
    }

    void menusTimerTabOrderAndTooltips() {
        Window w;
        Form1& f = w.form;
        QStringList texts;
        for (QAction* a : f.menuBar()->actions() + f.mnuFile->actions()) texts << a->text() + a->shortcut().toString();
        QCOMPARE(texts, QStringList({"File", "About", "Load Session", "Save Session", "Quit"}));
        QCOMPARE(f.menuBar()->actions(), QList<QAction*>({f.mnuFile->menuAction(), f.mnuAbout}));
        QCOMPARE(f.mnuFile->actions(), QList<QAction*>({f.mnuLoad, f.mnuSave, f.mnuQuit}));
        QVERIFY(f.Timer1->interval() == 1 && f.Timer1->timerType() == Qt::PreciseTimer && f.Timer1->isActive());
        const QList<QWidget*> order{f.pll[0], f.avg[0],   f.Command1, f.Command2, f.Command3, f.alg,    f.WaitTime,
                                    f.Command4, f.Command5, f.showWhen, f.avg[1], f.pll[1],   f.avg[2], f.pll[2]};
        QWidget* next = order[0];
        for (int k = 1; k < order.size(); ++k) {
            do next = next->nextInFocusChain();
            while (next->focusPolicy() == Qt::NoFocus);
            QCOMPARE(next, order[k]);
        }
        const std::string_view alg = ollCases()[26].algorithm;
        QCOMPARE(f.pll[26]->toolTip(), "OLL 27 \u2014 " + QString::fromUtf8(alg.data(), alg.size()));
        QVERIFY(f.pll[56]->toolTip().startsWith("OLL 57 \u2014 "));
        QVERIFY(f.alg->toolTip().isEmpty());  // nothing shown yet
    }

    void startUpThenBarsToScaleAndGreenWhenDisabled() {
        Window w;
        QCOMPARE(QApplication::focusWidget(), w.form.Command1);
        QCOMPARE(w.state().drillState, kIdle);
        QVERIFY(w.form.findChildren<QMessageBox*>().isEmpty());
        QCOMPARE(w.form.pll[9]->picture().pixelColor(0, 0), test::pictureColour(9));
        QCOMPARE(w.form.numlabel[56]->text() + w.form.stdlabel[56]->text(), QStringLiteral("Num: 0Std: 0.00"));
        QCOMPARE(columnsOf(w.form.avg[1], kRed), QList<int>());  // empty store: no bar
        w.keep(0, 900);
        w.keep(1, 450);
        w.form.trainer().drawTime(0);
        // Grid lines every 100 twips, clipped to the 79-pixel drawing area.
        const QList<int> grid{0, 7, 13, 20, 27, 33, 40, 47, 53, 60, 67, 73};
        QCOMPARE(columnsOf(w.form.avg[0], kGrey), grid);
        QCOMPARE(columnsOf(w.form.avg[1], kGrey), grid);
        // Full scale: red in every other column. Half scale: red up to half the outer width (40.5 px).
        QCOMPARE(columnsOf(w.form.avg[0], kRed).size(), 79 - grid.size());
        const QList<int> half = columnsOf(w.form.avg[1], kRed);
        QVERIFY(half.first() == 1 && half.last() == 41);
        QCOMPARE(at(w.form.avg[1], 42, 15), kBarBack);
        QCOMPARE(at(w.form.avg[1], 20, 0), kGrey);  // grid over the bar, full height
        QCOMPARE(at(w.form.avg[1], 21, 30), kRed);  // the bar covers the full height
        QCOMPARE(w.form.avglabel[1]->text(), QStringLiteral("Avg: 0.45"));
        const QImage shot = w.form.avg[0]->grab().toImage();  // what was drawn survives a repaint
        QVERIFY(shot.pixelColor(0, 0) == Qt::black && shot.pixelColor(5, 10) == kRed);

        // Clicking the picture disables the case: the whole box green; focus stays on START.
        QTest::mouseClick(w.form.pll[1], Qt::LeftButton);
        QVERIFY(!w.state().caseEnabled[1]);
        QCOMPARE(columnsOf(w.form.avg[1], kGreen).size(), 79);
        QVERIFY(at(w.form.avg[1], 0, 0) == kGreen && at(w.form.avg[1], 78, 30) == kGreen);
        QTest::mouseClick(w.form.pll[1], Qt::LeftButton);
        QCOMPARE(columnsOf(w.form.avg[1], kGrey), grid);
        QCOMPARE(QApplication::focusWidget(), w.form.Command1);
    }

    void spaceRunsStartStopAcceptStart() {
        Window w;
        QTest::keyClick(w.form.WaitTime, Qt::Key_Return);  // Enter and Escape in a text box press no button
        QTest::keyClick(w.form.showWhen, Qt::Key_Escape);
        QCOMPARE(w.state().drillState, kIdle);
        w.random.pick(12);
        w.form.WaitTime->setText("0");
        w.form.Command1->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);  // START
        QCOMPARE(w.form.Command1->text(), QStringLiteral("STOP!"));
        QCOMPARE(at(w.form.alg, 80, 80), test::pictureColour(12));  // stretched into the large box
        QCOMPARE(w.form.alg->toolTip(), w.form.pll[12]->toolTip());
        QTest::qWait(30);
        QVERIFY(w.form.Label1->text() != "0.00");  // the timer runs the display
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);  // STOP
        QCOMPARE(QApplication::focusWidget(), w.form.Command2);
        const std::int32_t time = w.state().lastTime;
        QVERIFY(time >= 25 && time < 5000);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);  // Accept
        QCOMPARE(w.timesOf(12), std::vector<std::int32_t>{time});
        QCOMPARE(w.form.Label1->text() + w.form.Command1->text(), QStringLiteral("0.00START"));
        QCOMPARE(QApplication::focusWidget(), w.form.Command1);
        QCOMPARE(w.form.numlabel[12]->text(), QStringLiteral("Num: 1"));
        QVERIFY(at(w.form.alg, 80, 80) == kWhite && w.form.alg->toolTip().isEmpty());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);  // START again
        QCOMPARE(w.state().drillState, kTiming);
    }

    // The countdown waits in the real event loop: a Discard runs inside it, and closing ends it at once.
    void countdownLetsDiscardAndCloseRunInside() {
        for (bool quit : {false, true}) {
            Window w;
            w.form.WaitTime->setText("3");
            QTimer::singleShot(150, &w.form, [&] {
                QCOMPARE(w.state().drillState, kCountingDown);
                if (quit) w.form.mnuQuit->trigger();
                else QTest::mouseClick(w.form.Command3, Qt::LeftButton);
            });
            QElapsedTimer clock;
            clock.start();
            QTest::mouseClick(w.form.Command1, Qt::LeftButton);
            QVERIFY(clock.elapsed() < (quit ? 1000 : 1500));  // Discard: at the end of the first second
            QCOMPARE(w.form.Label1->text(), QString(quit ? "3" : "0.00"));  // closed: nothing touched afterwards
            QCOMPARE(w.form.Command1->text(), QStringLiteral("START"));
            QCOMPARE(at(w.form.alg, 80, 80), kWhite);  // never revealed
            QCOMPARE(w.form.trainer().unloaded(), quit);
            QCOMPARE(w.form.isVisible(), !quit);
        }
    }

    void missingPicturesAreNamedInOneMessageThatGoesWithTheWindow() {
        folder.reset();
        folder = std::make_unique<test::PictureFolder>(55);  // oll56print.gif and oll57print.gif missing
        Window w;
        const auto boxes = w.form.findChildren<QMessageBox*>();
        QCOMPARE(boxes.size(), 1);
        QVERIFY2(boxes[0]->text().contains("oll56print.gif, oll57print.gif"), qPrintable(boxes[0]->text()));
        QVERIFY(!boxes[0]->isModal());
        QCOMPARE(at(w.form.pll[55], 40, 40), kWhite);
        QPointer<QMessageBox> box = boxes[0];
        w.form.close();
        QVERIFY(box.isNull());
    }

    void drawTimeOnAFullStoreTakesUnder20Ms() {
        Window w;
        for (int c = 0; c < kCaseCount; ++c)
            for (int k = 0; k < kMaxTimesPerCase; ++k) w.keep(c, 400 + (k * 37 + c * 11) % 2000);
        qint64 fastest = 1'000'000'000;  // of three: the others may carry a shared machine's load
        for (int run = 0; run < 3; ++run) {
            QElapsedTimer t;
            t.start();
            w.form.trainer().drawTime(0);
            fastest = std::min(fastest, t.nsecsElapsed());
        }
        QVERIFY2(fastest < 20'000'000, qPrintable(QString::number(fastest / 1e6) + " ms"));
        QCOMPARE(w.form.numlabel[30]->text(), QStringLiteral("Num: 32767"));
    }

    void numbersInTheUserLocale() {
        const LocaleNumberReader de{QLocale(QLocale::German, QLocale::Germany)}, en{QLocale(QLocale::English)};
        for (auto [reader, text, value] : {std::tuple<const LocaleNumberReader*, const char*, std::optional<double>>{
                                               &de, "2,5", 2.5}, {&de, "2.5", 2.5}, {&de, " -1 ", -1.0},
                                           {&de, "1.000", 1.0}, {&de, "zwei", {}}, {&de, "", {}}, {&en, "2.9", 2.9},
                                           {&en, "1,000", {}}, {&en, "2,5", {}}})
            QCOMPARE(reader->numberFromText(text), value);
        const NumberFormat german = numberFormatOf(QLocale(QLocale::German, QLocale::Germany));
        QCOMPARE(german.decimalSeparator + german.groupSeparator, std::string(",."));
        QCOMPARE(numberFormatOf(QLocale::c()).decimalSeparator + numberFormatOf(QLocale::c()).groupSeparator,
                 std::string("."));
    }
};

QTEST_MAIN(MainWindow)
#include "test_main_window.moc"
