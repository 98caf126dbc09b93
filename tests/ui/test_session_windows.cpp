// The main window with its secondary windows: Save Session, Load Session through the dialog, About
// and Create report, as the user reaches them from the menus and the button.
#include <QFile>
#include <QPointer>
#include <QtTest>

#include "UiSupport.h"
#include "ui/Form1.h"
#include "ui/LocaleNumbers.h"

using namespace kestive;
using namespace kestive::ui;

namespace {

// Answers the input box with a fixed text and records every box it was asked to show.
struct ScriptedDialogs final : DialogPort {
    QString answer;
    QStringList informed, warned;
    QString askText(QWidget*, const QString&) override { return answer; }
    void inform(QWidget*, const QString& text) override { informed << text; }
    void warn(QWidget*, const QString& text) override { warned << text; }
};

void writeFile(const QString& name, const QByteArray& content) {
    QFile f(name);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(content);
}

QByteArray readFile(const QString& name) {
    QFile f(name);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

struct Window {
    test::ScriptedRandom random;
    Form1 form{random};
    ScriptedDialogs dialogs;
    Window() {
        form.secondary().setDialogs(dialogs);
        form.load();
    }
    void keep(int c, std::int32_t ms) { form.trainer().state().store.addTime(c, ms, NumberFormat{}); }
    const TimeStore& store() { return form.trainer().state().store; }
    std::vector<std::int32_t> timesOf(int c) {
        const auto t = store().timesOf(c);
        return {t.begin(), t.end()};
    }
    // Opens the load dialog and picks the named file in its list.
    Form2* pick(const QString& name) {
        form.mnuLoad->trigger();
        Form2* dialog = form.secondary().form2();
        if (!dialog) return nullptr;
        const auto items = dialog->File1->findItems(name, Qt::MatchExactly);
        if (!items.isEmpty()) dialog->File1->setCurrentItem(items.front());
        return dialog;
    }
};

}  // namespace

class SessionWindows : public QObject {
    Q_OBJECT
    std::unique_ptr<test::PictureFolder> folder;

  private slots:
    void init() { folder = std::make_unique<test::PictureFolder>(); }
    void cleanup() { folder.reset(); }

    void saveWritesTheStoreUnderTheAnswer() {
        Window w;
        w.keep(0, 843);
        w.keep(0, 620);
        w.keep(56, 705);
        w.form.trainer().state().caseEnabled[56] = false;  // disabled cases are written too
        w.dialogs.answer = QStringLiteral("dec13");
        w.form.mnuSave->trigger();
        QCOMPARE(w.dialogs.informed, QStringList{QStringLiteral("saved sucessfuly.")});
        QVERIFY(w.dialogs.warned.isEmpty());
        const QList<QByteArray> lines = readFile(QStringLiteral("dec13.pll")).split('\n');
        QCOMPARE(lines.size(), 59);
        QVERIFY(lines[0].startsWith("recorded on "));
        QCOMPARE(lines[1], QByteArray("0:843,620,\r"));
        QCOMPARE(lines[57], QByteArray("56:705,\r"));

        // An answer ending in ".pll" gets a second one.
        w.dialogs.answer = QStringLiteral("dec13.pll");
        w.form.mnuSave->trigger();
        QVERIFY(QFile::exists(QStringLiteral("dec13.pll.pll")));
        QCOMPARE(w.dialogs.informed.size(), 2);
    }

    void emptyAnswerAndUncreatableNameShowNoSuccess() {
        Window w;
        w.keep(3, 500);
        const QStringList before = QDir().entryList({QStringLiteral("*.pll")}, QDir::Files | QDir::Hidden);
        w.form.mnuSave->trigger();  // empty answer: nothing at all
        QVERIFY(w.dialogs.informed.isEmpty());
        QVERIFY(w.dialogs.warned.isEmpty());
        w.dialogs.answer = QStringLiteral("missing folder/dec13");
        w.form.mnuSave->trigger();
        QVERIFY(w.dialogs.informed.isEmpty());
        QCOMPARE(w.dialogs.warned.size(), 1);
        QCOMPARE(QDir().entryList({QStringLiteral("*.pll")}, QDir::Files | QDir::Hidden), before);
    }

    void loadThroughTheDialogReplacesTheStoreAndRedraws() {
        Window w;
        w.keep(5, 999);
        w.form.trainer().state().caseEnabled[7] = false;
        w.form.Label5->setText(QStringLiteral("before"));
        writeFile(QStringLiteral("good.pll"),
                  "recorded on whenever\r\n0:800,700,\r\n\r\n9:1500,1200,\r\n0:650,\r\n7:400,\r\n");
        writeFile(QStringLiteral("notes.txt"), "not a session\r\n");

        Form2* dialog = w.pick(QStringLiteral("good.pll"));
        QVERIFY(dialog);
        QVERIFY(dialog->isVisible());
        QCOMPARE(dialog->File1->count(), 1);  // the text file is not offered
        QTest::mouseClick(dialog->Command1, Qt::LeftButton);

        QVERIFY(w.dialogs.warned.isEmpty());
        QVERIFY(!dialog->isVisible());
        QCOMPARE(w.timesOf(0), (std::vector<std::int32_t>{800, 700, 650}));
        QCOMPARE(w.timesOf(9), (std::vector<std::int32_t>{1500, 1200}));
        QCOMPARE(w.timesOf(7), (std::vector<std::int32_t>{400}));
        QCOMPARE(w.store().timeCount(5), 0);  // the earlier time is gone
        QCOMPARE(w.store().bestTime(0), 650);
        QVERIFY(!w.form.trainer().state().caseEnabled[7]);  // enable flags are not part of a session
        // The panel shows the loaded times.
        QCOMPARE(w.form.numlabel[0]->text(), QStringLiteral("Num: 3"));
        QCOMPARE(w.form.numlabel[5]->text(), QStringLiteral("Num: 0"));
        QCOMPARE(w.form.avglabel[9]->text(), QStringLiteral("Avg: 1.35"));
        // The feedback line shows the load's last record comparison (case 0's 650 against 700).
        const LoadResult expected = readSession("good.pll", numberFormatOf(QLocale()));
        QVERIFY(expected.session && expected.session->lastFeedback);
        QCOMPARE(w.form.Label5->text(), QString::fromStdString(expected.session->lastFeedback->text));
        QVERIFY(w.form.Label5->text() != QStringLiteral("before"));
    }

    void badFilesChangeNothingAndSayWhy_data() {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("where");
        QTest::newRow("empty file") << QByteArray() << QString();
        QTest::newRow("line without colon")
            << QByteArray("recorded on x\r\n0:1,2,\r\nhello\r\n") << QStringLiteral("3");
        QTest::newRow("case not a number")
            << QByteArray("recorded on x\r\nabc:1,2,\r\n") << QStringLiteral("2");
        QTest::newRow("case out of range")
            << QByteArray("recorded on x\r\n57:1,2,\r\n") << QStringLiteral("2");
        QTest::newRow("negative case") << QByteArray("recorded on x\r\n-1:1,2,\r\n") << QStringLiteral("2");
        QTest::newRow("time not a number")
            << QByteArray("recorded on x\r\n0:1,2,\r\n4:12,x3,\r\n") << QStringLiteral("3");
        QTest::newRow("time too large")
            << QByteArray("recorded on x\r\n4:2147483648,\r\n") << QStringLiteral("2");
        QByteArray many("recorded on x\r\n3:");
        for (int i = 0; i < 32768; ++i) many += "1,";
        many += "\r\n";
        QTest::newRow("too many times") << many << QStringLiteral("2");
    }

    void badFilesChangeNothingAndSayWhy() {
        QFETCH(QByteArray, content);
        QFETCH(QString, where);
        Window w;
        w.keep(2, 1234);
        w.keep(2, 1000);
        w.form.trainer().drawTime(2);
        w.form.trainer().state().caseEnabled[4] = false;
        w.form.Label5->setText(QStringLiteral("kept feedback"));
        const QString numBefore = w.form.numlabel[2]->text();
        writeFile(QStringLiteral("bad.pll"), content);

        Form2* dialog = w.pick(QStringLiteral("bad.pll"));
        QVERIFY(dialog);
        QTest::mouseClick(dialog->Command1, Qt::LeftButton);

        QCOMPARE(w.dialogs.warned.size(), 1);
        const QString message = w.dialogs.warned.front();
        QVERIFY2(message.contains(QStringLiteral("bad.pll")), qPrintable(message));
        if (!where.isEmpty()) QVERIFY2(message.contains(where), qPrintable(message));
        QVERIFY(w.dialogs.informed.isEmpty());
        QVERIFY(dialog->isVisible());  // another file can be picked
        QCOMPARE(w.timesOf(2), (std::vector<std::int32_t>{1234, 1000}));
        QCOMPARE(w.store().timesCapacity(), 1);
        QCOMPARE(w.store().bestTime(2), 1000);
        QCOMPARE(w.store().bestTime(4), kNoRecord);
        QCOMPARE(w.form.numlabel[2]->text(), numBefore);
        QCOMPARE(w.form.Label5->text(), QStringLiteral("kept feedback"));
        QVERIFY(!w.form.trainer().state().caseEnabled[4]);
    }

    void fileGoneBeforeLoadIsRefused() {
        Window w;
        w.keep(1, 700);
        writeFile(QStringLiteral("gone.pll"), "recorded on x\r\n1:5,\r\n");
        Form2* dialog = w.pick(QStringLiteral("gone.pll"));
        QVERIFY(dialog);
        QVERIFY(QFile::remove(QStringLiteral("gone.pll")));
        QTest::mouseClick(dialog->Command1, Qt::LeftButton);
        QCOMPARE(w.dialogs.warned.size(), 1);
        QVERIFY(w.dialogs.warned.front().contains(QStringLiteral("gone.pll")));
        QCOMPARE(w.timesOf(1), std::vector<std::int32_t>{700});
        QVERIFY(dialog->isVisible());
    }

    void loadWithoutSelectionDoesNothing() {
        Window w;
        w.keep(1, 700);
        writeFile(QStringLiteral("a.pll"), "recorded on x\r\n");
        Form2* dialog = w.pick(QString());
        QVERIFY(dialog);
        QCOMPARE(dialog->File1->count(), 1);
        QTest::mouseClick(dialog->Command1, Qt::LeftButton);
        QVERIFY(w.dialogs.warned.isEmpty());
        QVERIFY(dialog->isVisible());
        QCOMPARE(w.timesOf(1), std::vector<std::int32_t>{700});
        QTest::mouseClick(dialog->Command2, Qt::LeftButton);  // Cancel
        QVERIFY(!dialog->isVisible());
        QCOMPARE(w.timesOf(1), std::vector<std::int32_t>{700});
    }

    void savedSessionLoadsBackTheSameTimes() {
        Window w;
        for (int c : {0, 13, 56})
            for (int k = 0; k < 4; ++k) w.keep(c, 500 + 37 * c + 11 * k);
        w.dialogs.answer = QStringLiteral("round");
        w.form.mnuSave->trigger();
        const auto before0 = w.timesOf(0), before13 = w.timesOf(13), before56 = w.timesOf(56);
        w.keep(13, 9999);
        Form2* dialog = w.pick(QStringLiteral("round.pll"));  // saved after the dialog was made: listed
        QVERIFY(dialog);
        QTest::mouseClick(dialog->Command1, Qt::LeftButton);
        QVERIFY(w.dialogs.warned.isEmpty());
        QCOMPARE(w.timesOf(0), before0);
        QCOMPARE(w.timesOf(13), before13);
        QCOMPARE(w.timesOf(56), before56);
    }

    void loadSessionTwiceShowsOneDialog() {
        Window w;
        // Nothing is made before it is first used.
        QVERIFY(!w.form.secondary().form2());
        QVERIFY(!w.form.secondary().form3());
        QVERIFY(!w.form.secondary().form4());
        QVERIFY(w.form.findChildren<SecondaryWindow*>().isEmpty());
        w.form.mnuLoad->trigger();
        QPointer<Form2> first = w.form.secondary().form2();
        w.form.mnuLoad->trigger();
        QCOMPARE(w.form.secondary().form2(), first.data());
        QCOMPARE(w.form.findChildren<Form2*>().size(), 1);
        first->close();  // title bar: hidden, not destroyed
        w.form.mnuLoad->trigger();
        QCOMPARE(w.form.secondary().form2(), first.data());
        QVERIFY(first->isVisible());
    }

    void aboutAndLoadDialogOpenTogetherModeless() {
        Window w;
        w.form.mnuAbout->trigger();
        w.form.mnuLoad->trigger();
        QVERIFY(w.form.secondary().form3()->isVisible());
        QVERIFY(w.form.secondary().form2()->isVisible());
        QVERIFY(!QApplication::activeModalWidget());
        QVERIFY(w.form.secondary().form3()->isWindow());
        // The main window still answers.
        w.keep(0, 800);
        QTest::mouseClick(w.form.Command5, Qt::LeftButton);
        QVERIFY(w.form.secondary().form4()->isVisible());
        QTest::mouseClick(w.form.secondary().form3()->Command1, Qt::LeftButton);
        QVERIFY(!w.form.secondary().form3()->isVisible());
        QVERIFY(w.form.secondary().form2()->isVisible());
        w.form.mnuAbout->trigger();
        QCOMPARE(w.form.findChildren<Form3*>().size(), 1);
    }

    void reportOfAnEmptyStore() {
        Window w;
        QTest::mouseClick(w.form.Command5, Qt::LeftButton);
        Form4* report = w.form.secondary().form4();
        QVERIFY(report);
        QVERIFY(report->isVisible());
        QString expected;
        for (int i = 0; i < kCaseCount; ++i) expected += QStringLiteral("avg: 0.00, std: 0.00, num: 0\n");
        QCOMPARE(report->Text1->toPlainText(), expected);
    }

    void reportOfTheWorkedExampleAndReplacedOnTheNextPress() {
        Window w;
        w.keep(0, 600);
        w.keep(0, 700);
        QTest::mouseClick(w.form.Command5, Qt::LeftButton);
        Form4* report = w.form.secondary().form4();
        QVERIFY(report);
        QStringList lines = report->Text1->toPlainText().split(QLatin1Char('\n'));
        QCOMPARE(lines.size(), 58);
        QCOMPARE(lines.front(), QStringLiteral("avg: 0.65, std: 0.05, num: 2"));
        for (int i = 1; i < 57; ++i) QCOMPARE(lines[i], QStringLiteral("avg: 0.00, std: 0.00, num: 0"));
        QCOMPARE(lines.back(), QStringLiteral("Total Average: 0.65"));

        // Pressed again with the window open: the text is replaced in place, same window.
        w.keep(1, 1000);
        QTest::mouseClick(w.form.Command5, Qt::LeftButton);
        QCOMPARE(w.form.secondary().form4(), report);
        lines = report->Text1->toPlainText().split(QLatin1Char('\n'));
        QCOMPARE(lines.size(), 58);
        QCOMPARE(lines[1], QStringLiteral("avg: 1.00, std: 0.00, num: 1"));
        QCOMPARE(lines.back(), QStringLiteral("Total Average: 0.83"));

        // After Close the next press shows the window again.
        QTest::mouseClick(report->Command1, Qt::LeftButton);
        QVERIFY(!report->isVisible());
        QTest::mouseClick(w.form.Command5, Qt::LeftButton);
        QVERIFY(report->isVisible());
    }

    void closingTheMainWindowDestroysTheSecondaryWindows() {
        Window w;
        w.form.mnuLoad->trigger();
        w.form.mnuAbout->trigger();
        QTest::mouseClick(w.form.Command5, Qt::LeftButton);
        QPointer<Form2> f2 = w.form.secondary().form2();
        QPointer<Form3> f3 = w.form.secondary().form3();
        QPointer<Form4> f4 = w.form.secondary().form4();
        f3->Command1_Click();  // hidden windows go too
        w.form.close();
        QVERIFY(f2.isNull());
        QVERIFY(f3.isNull());
        QVERIFY(f4.isNull());
    }
};

QTEST_MAIN(SessionWindows)
#include "test_session_windows.moc"
