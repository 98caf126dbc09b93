// The main window at work: start-up, the drill by keyboard and mouse, the bars as drawn, closing.
#include <QMessageBox>
#include <QtTest>

#include "UiSupport.h"
#include "cases/OllCases.h"
#include "ui/Form1.h"
#include "ui/LocaleNumbers.h"

using namespace kestive;
using namespace kestive::ui;

namespace {
const QColor kRed(255, 0, 0), kGreen(0, 255, 0), kGrey(50, 50, 50), kBarBack(128, 64, 64);

struct Window {
    test::ScriptedRandom random;
    Form1 form{random};
    Window() {
        form.load();
        QApplication::setActiveWindow(&form);
        if (!QTest::qWaitForWindowActive(&form)) qWarning("window not active");
    }
    void keep(int c, std::int32_t ms) { form.trainer().state().store.addTime(c, ms, NumberFormat{}); }
    QColor at(const QtPictureBox* box, int x, int y) { return box->image().pixelColor(x, y); }
    void press(Qt::Key key) { QTest::keyClick(QApplication::focusWidget(), key); }
};

// Columns of the box's drawing area at mid-height that show the colour.
QList<int> columnsOf(const QtPictureBox* box, const QColor& colour) {
    QList<int> xs;
    const int y = box->image().height() / 2;
    for (int x = 0; x < box->image().width(); ++x)
        if (box->image().pixelColor(x, y) == colour) xs << x;
    return xs;
}
}  // namespace

class Form1Drill : public QObject {
    Q_OBJECT
    std::unique_ptr<test::PictureFolder> folder;

private slots:
    void init() { folder = std::make_unique<test::PictureFolder>(); }
    void cleanup() { folder.reset(); }

    void startsIdleWithStartFocusedAndPicturesLoaded() {
        Window w;
        QCOMPARE(QApplication::focusWidget(), w.form.Command1);
        QCOMPARE(w.form.trainer().state().drillState, kIdle);
        QVERIFY(w.form.findChildren<QMessageBox*>().isEmpty());
        QCOMPARE(w.form.pll[9]->picture().pixelColor(0, 0), test::pictureColour(9));
        // Empty store: the bar box shows its background and the grid.
        QCOMPARE(w.at(w.form.avg[0], 3, 10), kBarBack);
        QCOMPARE(w.at(w.form.avg[0], 0, 10), kGrey);
        QCOMPARE(w.form.avg[0]->image().size(), QSize(79, 31));
    }

    void barsAreDrawnToScale() {
        Window w;
        w.keep(0, 900);
        w.keep(1, 450);
        w.form.trainer().drawTime(0);
        // Grid lines every 100 twips, clipped to the 79-pixel drawing area.
        const QList<int> grid{0, 7, 13, 20, 27, 33, 40, 47, 53, 60, 67, 73};
        QCOMPARE(columnsOf(w.form.avg[1], kGrey), grid);
        QCOMPARE(columnsOf(w.form.avg[0], kGrey), grid);
        // Full scale: every other column red. Half scale: red up to half the outer width (40.5 px).
        QCOMPARE(columnsOf(w.form.avg[0], kRed).size(), 79 - grid.size());
        const QList<int> half = columnsOf(w.form.avg[1], kRed);
        QCOMPARE(half.first(), 1);
        QCOMPARE(half.last(), 41);
        QCOMPARE(w.at(w.form.avg[1], 42, 15), kBarBack);
        QCOMPARE(w.at(w.form.avg[1], 20, 0), kGrey);   // grid over the bar, full height
        QCOMPARE(w.at(w.form.avg[1], 21, 30), kRed);   // the bar covers the full height
        QCOMPARE(w.form.avglabel[1]->text(), QStringLiteral("Avg: 0.45"));

        // Clicking the picture disables the case: its box turns green, no grid.
        QTest::mouseClick(w.form.pll[1], Qt::LeftButton);
        QVERIFY(!w.form.trainer().state().caseEnabled[1]);
        QCOMPARE(columnsOf(w.form.avg[1], kGreen).size(), 79);
        QCOMPARE(w.at(w.form.avg[1], 0, 0), kGreen);
        QCOMPARE(w.at(w.form.avg[1], 78, 30), kGreen);
        QCOMPARE(w.form.numlabel[1]->text(), QStringLiteral("Num: 1"));
        QTest::mouseClick(w.form.pll[1], Qt::LeftButton);
        QCOMPARE(columnsOf(w.form.avg[1], kGrey), grid);
        // A click does not move the focus away from START.
        QCOMPARE(QApplication::focusWidget(), w.form.Command1);
    }

    void drawingSurvivesBeingRepainted() {
        Window w;
        w.keep(2, 800);
        w.form.trainer().drawTime(2);
        w.form.avg[2]->repaint();
        const QImage shot = w.form.avg[2]->grab().toImage();
        QCOMPARE(shot.pixelColor(0, 0), QColor(0, 0, 0));  // outline
        QCOMPARE(shot.pixelColor(5, 10), kRed);          // the bar, inside the outline
    }

    void spaceRunsStartStopAcceptStart() {
        Window w;
        w.random.pick(12);
        w.form.WaitTime->setText(QStringLiteral("0"));
        w.press(Qt::Key_Space);  // START
        QCOMPARE(w.form.trainer().state().drillState, kTiming);
        QCOMPARE(w.form.Command1->text(), QStringLiteral("STOP!"));
        // The case is shown in the large box, stretched, with its tooltip.
        QCOMPARE(w.at(w.form.alg, 80, 80), test::pictureColour(12));
        QCOMPARE(w.form.alg->toolTip(), w.form.pll[12]->toolTip());
        QTest::qWait(30);
        QVERIFY(w.form.Label1->text() != QStringLiteral("0.00"));  // the timer runs the display

        w.press(Qt::Key_Space);  // STOP
        QCOMPARE(w.form.trainer().state().drillState, kIdle);
        QCOMPARE(QApplication::focusWidget(), w.form.Command2);
        const std::int32_t time = w.form.trainer().state().lastTime;
        QVERIFY(time >= 25 && time < 5000);

        w.press(Qt::Key_Space);  // Accept
        QCOMPARE(w.form.trainer().state().store.timeCount(12), 1);
        QCOMPARE(w.form.trainer().state().store.times(12, 0), time);
        QCOMPARE(w.form.Label1->text(), QStringLiteral("0.00"));
        QCOMPARE(w.form.Command1->text(), QStringLiteral("START"));
        QCOMPARE(QApplication::focusWidget(), w.form.Command1);
        QCOMPARE(w.form.numlabel[12]->text(), QStringLiteral("Num: 1"));
        QCOMPARE(w.at(w.form.alg, 80, 80), QColor(255, 255, 255));  // cleared
        QVERIFY(w.form.alg->toolTip().isEmpty());

        w.press(Qt::Key_Space);  // START again
        QCOMPARE(w.form.trainer().state().drillState, kTiming);
    }

    void enterInTheTextBoxesPressesNoButton() {
        Window w;
        w.form.WaitTime->setFocus();
        QTest::keyClick(w.form.WaitTime, Qt::Key_Return);
        QTest::keyClick(w.form.showWhen, Qt::Key_Escape);
        QCOMPARE(w.form.trainer().state().drillState, kIdle);
        QCOMPARE(w.form.Command1->text(), QStringLiteral("START"));
    }

    void countdownStaysResponsiveAndDiscardAbortsIt() {
        Window w;
        w.form.WaitTime->setText(QStringLiteral("3"));
        QTimer::singleShot(150, w.form.Command3, [&] {
            QCOMPARE(w.form.Label1->text(), QStringLiteral("3"));
            QCOMPARE(w.form.trainer().state().drillState, kCountingDown);
            QTest::mouseClick(w.form.Command3, Qt::LeftButton);  // Discard inside the countdown
        });
        QElapsedTimer clock;
        clock.start();
        QTest::mouseClick(w.form.Command1, Qt::LeftButton);
        QVERIFY(clock.elapsed() < 1500);  // the countdown stopped at the end of its first second
        QCOMPARE(w.form.trainer().state().drillState, kIdle);
        QCOMPARE(w.form.Label1->text(), QStringLiteral("0.00"));
        QCOMPARE(w.form.Command1->text(), QStringLiteral("START"));
        QCOMPARE(w.at(w.form.alg, 80, 80), QColor(255, 255, 255));
    }

    void closingDuringTheCountdownEndsCleanly() {
        Window w;
        w.form.WaitTime->setText(QStringLiteral("5"));
        QTimer::singleShot(100, &w.form, [&] { w.form.mnuQuit->trigger(); });
        QElapsedTimer clock;
        clock.start();
        QTest::mouseClick(w.form.Command1, Qt::LeftButton);
        QVERIFY(clock.elapsed() < 1000);  // the wait ended when the window closed
        QVERIFY(w.form.trainer().unloaded());
        QVERIFY(!w.form.isVisible());
        QCOMPARE(w.form.Label1->text(), QStringLiteral("5"));  // nothing was touched afterwards
        QCOMPARE(w.form.Command1->text(), QStringLiteral("START"));
    }

    void startRefusesWithoutAnEnabledCaseOrANumber() {
        Window w;
        w.form.WaitTime->setText(QStringLiteral("zwei"));
        QTest::mouseClick(w.form.Command1, Qt::LeftButton);
        QCOMPARE(w.form.Label5->text(), QString::fromLatin1(Trainer::kWaitTimeNotANumber));
        QCOMPARE(w.form.trainer().state().drillState, kIdle);
        w.form.WaitTime->setText(QStringLiteral("0"));
        for (int i = 0; i < kCaseCount; ++i) w.form.trainer().pll_Click(i);
        QTest::mouseClick(w.form.Command1, Qt::LeftButton);
        QCOMPARE(w.form.Label5->text(), QString::fromLatin1(Trainer::kNoCaseEnabled));
        QCOMPARE(w.form.trainer().state().drillState, kIdle);
    }

    void exitClosesTheSecondaryWindows() {
        Window w;
        QPointer<QWidget> other = new QWidget;
        other->show();
        w.form.adoptSecondaryWindow(other);
        QTest::mouseClick(w.form.Command4, Qt::LeftButton);
        QVERIFY(other.isNull());
        QVERIFY(!w.form.isVisible());
        QVERIFY(w.form.trainer().unloaded());
    }
};

// Missing pictures: the program starts anyway and says once which files are missing.
class Form1MissingPictures : public QObject {
    Q_OBJECT
private slots:
    void oneMessageNamesTheMissingFiles() {
        test::PictureFolder folder(55);  // oll56print.gif and oll57print.gif are missing
        Window w;
        const auto boxes = w.form.findChildren<QMessageBox*>();
        QCOMPARE(boxes.size(), 1);
        const QString text = boxes[0]->text();
        QVERIFY2(text.contains(QStringLiteral("oll56print.gif, oll57print.gif")), qPrintable(text));
        QVERIFY(!text.contains(QStringLiteral("oll55print.gif")));
        QVERIFY(!boxes[0]->isModal());
        QVERIFY(w.form.pll[55]->picture().isNull());
        QCOMPARE(w.at(w.form.pll[55], 40, 40), QColor(255, 255, 255));
        // A drill of a case without picture still works.
        w.random.pick(56);
        w.form.WaitTime->setText(QStringLiteral("0"));
        QTest::mouseClick(w.form.Command1, Qt::LeftButton);
        QCOMPARE(w.form.trainer().state().currentCase, 56);
        // Closing the main window takes the message with it.
        QPointer<QMessageBox> box = boxes[0];
        w.form.close();
        QVERIFY(box.isNull());
    }
};

// Numbers typed into the text boxes, read in the user's locale.
class LocaleNumbersTest : public QObject {
    Q_OBJECT
private slots:
    void commaLocaleAlsoReadsPlainNumbers() {
        const LocaleNumberReader de{QLocale(QLocale::German, QLocale::Germany)};
        QCOMPARE(de.numberFromText("2,5"), std::optional<double>(2.5));
        QCOMPARE(de.numberFromText("2"), std::optional<double>(2.0));
        QCOMPARE(de.numberFromText("2.5"), std::optional<double>(2.5));  // as the C locale writes it
        QCOMPARE(de.numberFromText(" -1 "), std::optional<double>(-1.0));
        QCOMPARE(de.numberFromText("1.000"), std::optional<double>(1.0));  // no grouping in a seconds box
        QVERIFY(!de.numberFromText("zwei"));
        QVERIFY(!de.numberFromText(""));
        const LocaleNumberReader en{QLocale(QLocale::English, QLocale::UnitedStates)};
        QCOMPARE(en.numberFromText("2.9"), std::optional<double>(2.9));
        QVERIFY(!en.numberFromText("1,000"));
        QVERIFY(!en.numberFromText("2,5"));
    }
    void formatFollowsTheLocale() {
        const NumberFormat de = numberFormatOf(QLocale(QLocale::German, QLocale::Germany));
        QCOMPARE(QString::fromStdString(de.decimalSeparator), QStringLiteral(","));
        QCOMPARE(QString::fromStdString(de.groupSeparator), QStringLiteral("."));
        const NumberFormat c = numberFormatOf(QLocale::c());
        QCOMPARE(QString::fromStdString(c.decimalSeparator), QStringLiteral("."));
        QVERIFY(c.groupSeparator.empty());
    }
};

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    int failed = 0;
    {
        Form1Drill t;
        failed += QTest::qExec(&t, argc, argv);
    }
    {
        Form1MissingPictures t;
        failed += QTest::qExec(&t, argc, argv);
    }
    {
        LocaleNumbersTest t;
        failed += QTest::qExec(&t, argc, argv);
    }
    return failed;
}
#include "test_form1_drill.moc"
