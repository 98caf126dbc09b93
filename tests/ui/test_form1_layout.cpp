// The main window's design: places in twips, captions, colours, fonts, menus, timer, focus order.
#include <QFontInfo>
#include <QMenuBar>
#include <QtTest>

#include "UiSupport.h"
#include "cases/OllCases.h"
#include "ui/Form1.h"

using namespace kestive;
using namespace kestive::ui;

namespace {
QRect twips(const QWidget* w) {
    const QRect g = w->geometry();
    return QRect(g.x() * 15, g.y() * 15, g.width() * 15, g.height() * 15);
}
QColor text(const QWidget* w) { return w->palette().color(QPalette::WindowText); }
QColor back(const QWidget* w) { return w->palette().color(QPalette::Window); }
}  // namespace

class Form1Layout : public QObject {
    Q_OBJECT
    test::PictureFolder folder;
    test::ScriptedRandom random;
    std::unique_ptr<Form1> form;

private slots:
    void initTestCase() {
        form = std::make_unique<Form1>(random);
        form->load();
        QVERIFY(QTest::qWaitForWindowExposed(form.get()));
    }

    void clientAreaHasTheDesignSize() {
        QCOMPARE(form->client()->size(), QSize(21480 / 15, 12285 / 15));
        QCOMPARE(form->windowTitle(), QStringLiteral("Kestive"));
        QCOMPARE(back(form->client()), QColor(255, 255, 255));
        QVERIFY(form->client()->autoFillBackground());
    }

    void singleControlsStandAtTheirPlaces_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("place");
        QTest::addColumn<QString>("caption");
        QTest::newRow("alg") << "alg" << QRect(1560, 240, 2655, 2535) << "";
        QTest::newRow("Label1") << "Label1" << QRect(960, 3000, 4815, 1815) << "0.00";
        QTest::newRow("Command1") << "Command1" << QRect(120, 4920, 1815, 495) << "START";
        QTest::newRow("Command2") << "Command2" << QRect(2040, 4920, 1815, 495) << "Accept";
        QTest::newRow("Command3") << "Command3" << QRect(3960, 4920, 1815, 495) << "Discard";
        QTest::newRow("Label2") << "Label2" << QRect(360, 5520, 1335, 255) << "Wait Time (sec):";
        QTest::newRow("WaitTime") << "WaitTime" << QRect(1560, 5520, 375, 285) << "2";
        QTest::newRow("Command4") << "Command4" << QRect(3960, 5640, 1815, 495) << "Exit";
        QTest::newRow("Label4") << "Label4" << QRect(360, 5880, 2535, 255) << "Show PLL if time left is under (sec)";
        QTest::newRow("showWhen") << "showWhen" << QRect(2880, 5880, 375, 285) << "1";
        QTest::newRow("Label5") << "Label5" << QRect(120, 7080, 5775, 615) << "";
        QTest::newRow("Command5") << "Command5" << QRect(120, 8040, 1935, 615) << "Create report";
        QTest::newRow("Label6") << "Label6" << QRect(4320, 8160, 1575, 1095)
                                << "Click on a PLL to DISABLE/ENABLE that PLL from being generated.   "
                                   "----------------------->";
        QTest::newRow("Label3") << "Label3" << QRect(120, 8640, 1935, 615)
                                << "makes a report of your PLL skills so that you can share your times with your "
                                   "friends.";
    }
    void singleControlsStandAtTheirPlaces() {
        QFETCH(QString, name);
        QFETCH(QRect, place);
        QFETCH(QString, caption);
        auto* w = form->client()->findChild<QWidget*>(name);
        QVERIFY(w);
        QCOMPARE(w->parentWidget(), form->client());
        QCOMPARE(twips(w), place);
        QVERIFY(!w->accessibleName().isEmpty());
        if (auto* l = qobject_cast<QLabel*>(w)) QCOMPARE(l->text(), caption);
        if (auto* b = qobject_cast<QPushButton*>(w)) {
            QCOMPARE(b->text(), caption);
            QVERIFY(!b->autoDefault());
            QVERIFY(!b->isDefault());
        }
        if (auto* e = qobject_cast<QLineEdit*>(w)) QCOMPARE(e->text(), caption);
    }

    void caseGroupsStandInTheGridAndBelowTheHint() {
        struct Row {
            int c, left, top;
        };
        for (const Row r : {Row{0, 6000, 120}, Row{5, 18600, 120}, Row{6, 6000, 1440}, Row{53, 18600, 10680},
                            Row{54, 960, 10680}, Row{55, 3480, 10680}, Row{56, 2160, 9360}, Row{20, 11040, 4080}}) {
            QCOMPARE(twips(form->pll[r.c]), QRect(r.left, r.top, 1215, 1215));
            QCOMPARE(twips(form->avg[r.c]), QRect(r.left + 1200, r.top, 1215, 495));
            QCOMPARE(twips(form->avglabel[r.c]), QRect(r.left + 1200, r.top + 480, 1215, 255));
            QCOMPARE(twips(form->numlabel[r.c]), QRect(r.left + 1200, r.top + 720, 1215, 255));
            QCOMPARE(twips(form->stdlabel[r.c]), QRect(r.left + 1200, r.top + 960, 1215, 255));
        }
        // Every group lies inside the client area.
        const QRect area = form->client()->rect();
        for (int i = 0; i < kCaseCount; ++i) {
            QVERIFY(area.contains(form->pll[i]->geometry()));
            QVERIFY(area.contains(form->stdlabel[i]->geometry()));
            QCOMPARE(form->avglabel[i]->text(), QStringLiteral("Avg: 0.00"));
            QCOMPARE(form->numlabel[i]->text(), QStringLiteral("Num: 0"));
            QCOMPARE(form->stdlabel[i]->text(), QStringLiteral("Std: 0.00"));
            QVERIFY(!form->pll[i]->accessibleName().isEmpty());
            QVERIFY(!form->avg[i]->accessibleName().isEmpty());
        }
    }

    void coloursAndFonts() {
        QCOMPARE(text(form->Label1), QColor(0, 0, 255));
        QCOMPARE(back(form->Label1), QColor(255, 255, 255));
        QCOMPARE(text(form->Label2), QColor(0, 0, 0));
        QCOMPARE(back(form->Label2), QColor(255, 255, 255));
        QCOMPARE(back(form->Label4), QColor(255, 255, 255));
        QCOMPARE(text(form->Label5), QColor(255, 0, 0));
        QCOMPARE(back(form->Label5), QColor(255, 255, 255));
        QCOMPARE(back(form->avglabel[7]), QColor(192, 192, 255));
        QCOMPARE(back(form->numlabel[7]), QColor(192, 255, 192));
        QCOMPARE(back(form->stdlabel[7]), QColor(255, 192, 192));
        QCOMPARE(form->avg[7]->background(), QColor(128, 64, 64));
        QCOMPARE(form->alg->background(), QColor(255, 255, 255));
        for (QLabel* l : {form->Label1, form->Label5, form->avglabel[3]}) QVERIFY(l->autoFillBackground());

        const QStringList sans{QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")};
        QVERIFY2(sans.contains(QFontInfo(form->Command1->font()).family()),
                 qPrintable(QFontInfo(form->Command1->font()).family()));
        QCOMPARE(form->Command1->font().pixelSize(), 11);  // 8.25 pt at 96 dpi
        QCOMPARE(form->Label1->font().pixelSize(), 128);   // 96 pt
        QCOMPARE(form->Label5->font().pixelSize(), 13);    // 9.75 pt
        QVERIFY(form->Label5->font().bold());
        QVERIFY(form->Label6->font().bold());
        QVERIFY(form->avglabel[0]->font().bold());
        QVERIFY(!form->numlabel[0]->font().bold());
        QVERIFY(form->Label6->wordWrap());
    }

    void menuTreeHasNoShortcuts() {
        const QList<QAction*> bar = form->menuBar()->actions();
        QCOMPARE(bar.size(), 2);
        QCOMPARE(bar[0]->text(), QStringLiteral("File"));
        QCOMPARE(bar[0]->menu(), form->mnuFile);
        QCOMPARE(bar[1], form->mnuAbout);
        QCOMPARE(form->mnuAbout->text(), QStringLiteral("About"));
        QVERIFY(form->mnuAbout->menu() == nullptr);
        const QList<QAction*> file = form->mnuFile->actions();
        QCOMPARE(file.size(), 3);
        QCOMPARE(file[0], form->mnuLoad);
        QCOMPARE(file[1], form->mnuSave);
        QCOMPARE(file[2], form->mnuQuit);
        QCOMPARE(form->mnuLoad->text(), QStringLiteral("Load Session"));
        QCOMPARE(form->mnuSave->text(), QStringLiteral("Save Session"));
        QCOMPARE(form->mnuQuit->text(), QStringLiteral("Quit"));
        for (QAction* a : file + bar) {
            QVERIFY(a->shortcut().isEmpty());
            QVERIFY(!a->text().contains(QLatin1Char('&')));
            QVERIFY(!a->isSeparator());
        }
    }

    void timerTicksEveryMillisecond() {
        QCOMPARE(form->Timer1->interval(), 1);
        QCOMPARE(form->Timer1->timerType(), Qt::PreciseTimer);
        QVERIFY(form->Timer1->isActive());
    }

    void tabVisitsTheControlsInDesignOrder() {
        QList<QWidget*> expected{form->pll[0], form->avg[0],   form->Command1, form->Command2, form->Command3,
                                 form->alg,    form->WaitTime, form->Command4, form->Command5, form->showWhen,
                                 form->avg[1], form->pll[1],   form->avg[2],   form->pll[2]};
        QWidget* w = form->pll[0];
        for (int k = 1; k < expected.size(); ++k) {
            w = w->nextInFocusChain();
            while (w->focusPolicy() == Qt::NoFocus) w = w->nextInFocusChain();
            QCOMPARE(w, expected[k]);
        }
        QCOMPARE(form->Label1->focusPolicy(), Qt::NoFocus);
        QCOMPARE(form->avglabel[0]->focusPolicy(), Qt::NoFocus);
    }

    void picturesCarryTheCaseAndItsAlgorithm() {
        const OllCase& c = ollCases()[26];
        QCOMPARE(form->pll[26]->toolTip(),
                 QStringLiteral("OLL 27 \u2014 ") + QString::fromUtf8(c.algorithm.data(), c.algorithm.size()));
        QVERIFY(form->pll[0]->toolTip().startsWith(QStringLiteral("OLL 1 \u2014 ")));
        QVERIFY(form->pll[56]->toolTip().startsWith(QStringLiteral("OLL 57 \u2014 ")));
        QVERIFY(form->alg->toolTip().isEmpty());  // nothing shown yet
    }

    void resizingMovesNothing() {
        const QRect before = form->Command3->geometry();
        form->resize(400, 300);
        QTest::qWait(10);
        QCOMPARE(form->Command3->geometry(), before);
        form->resize(1600, 950);
        QTest::qWait(10);
        QCOMPARE(form->Command3->geometry(), before);
        QCOMPARE(form->stdlabel[53]->geometry(), QRect(19800 / 15, 11640 / 15, 81, 17));
    }
};

QTEST_MAIN(Form1Layout)
#include "test_form1_layout.moc"
