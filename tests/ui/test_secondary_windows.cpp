// The load dialog, the About and report windows, and Save Session and Load Session as the user reaches
// them from the main window's menus and buttons.
#include <QFontMetrics>
#include <QInputDialog>
#include <QMessageBox>

#include "UiSupport.h"
#include "session/SessionFile.h"
#include "ui/SaveSession.h"

using namespace kestive;
using namespace kestive::ui;
using test::Window;

namespace {
void writeFile(const QString& name, const QByteArray& content) {
    QFile f(name);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(content);
}
QByteArray readFile(const QString& name) {
    QFile f(name);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}
// Session files, folders and temporaries in the current folder.
QStringList sessionEntries() {
    return QDir().entryList({"*.pll*"}, QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
}
QStringList listed(const Form2* dialog) {
    QStringList names;
    for (int i = 0; i < dialog->File1->count(); ++i) names << dialog->File1->item(i)->text();
    return names;
}
// The next control that Tab reaches from w.
QWidget* nextTabStop(QWidget* w) {
    QWidget* n = w->nextInFocusChain();
    while (!(n->focusPolicy() & Qt::TabFocus)) n = n->nextInFocusChain();
    return n;
}
// Opens the load dialog from the menu and selects the named file in its list.
Form2* pick(Window& w, const QString& name) {
    w.form.mnuLoad->trigger();
    Form2* dialog = w.form.secondary().form2();
    for (QListWidgetItem* item : dialog->File1->findItems(name, Qt::MatchExactly)) dialog->File1->setCurrentItem(item);
    return dialog;
}
const QDateTime kWhen(QDate(2007, 3, 14), QTime(21, 5, 31));
}  // namespace

class SecondaryWindows : public QObject {
    Q_OBJECT
    std::unique_ptr<test::PictureFolder> folder;  // also a fresh current folder for each test

private slots:
    void init() { folder = std::make_unique<test::PictureFolder>(); }
    void cleanup() { folder.reset(); }

    void layoutsOfTheThreeWindows() {
        // Built under a palette whose window and button colours differ: they take the button face.
        const QPalette standard = QApplication::palette();
        QPalette odd = standard;
        odd.setColor(QPalette::Button, QColor(200, 180, 160));
        odd.setColor(QPalette::ButtonText, QColor(20, 40, 60));
        QApplication::setPalette(odd);
        Form2 load(nullptr);
        Form3 about(nullptr);
        Form4 report(nullptr);
        QApplication::setPalette(standard);
        const struct { SecondaryWindow* w; const char* title; QSize size; } windows[] = {
            {&load, "Load...", {197, 254}}, {&about, "About", {310, 275}}, {&report, "Report", {606, 469}}};
        for (const auto& s : windows) {
            QCOMPARE(s.w->windowTitle(), QString::fromUtf8(s.title));
            QCOMPARE(s.w->size(), s.size);
            QCOMPARE(s.w->palette().color(QPalette::Window), QColor(200, 180, 160));
            QCOMPARE(s.w->palette().color(QPalette::WindowText), QColor(20, 40, 60));
            QCOMPARE(s.w->font().pixelSize(), 11);  // 8.25 pt at 96 dpi
            QCOMPARE(QFontInfo(s.w->font()).family(), QStringLiteral("Liberation Sans"));
            QVERIFY(s.w->windowFlags() & Qt::WindowMinMaxButtonsHint);
            QVERIFY(!s.w->isVisible());  // shown only when asked
            for (QPushButton* b : s.w->findChildren<QPushButton*>()) QVERIFY(!b->isDefault() && !b->autoDefault());
        }
        const struct { QWidget* w; QRect place; const char* text; } controls[] = {  // null: our own text
            {load.File1, {8, 8, 177, 145}, ""},
            {load.Command1, {8, 160, 177, 41}, "load"},
            {load.Command2, {8, 208, 177, 41}, "Cancel"},
            {about.Label2, {64, 8, 185, 33}, "Kestive"},
            {about.Label1, {48, 40, 225, 25}, nullptr},
            {about.Label6, {144, 64, 153, 17}, "...but really, i'm not that bad :)"},
            {about.Label3, {112, 96, 81, 17}, "Version 1.21"},
            {about.Label7, {8, 120, 297, 57},
             "NOTE: If you don't like the angle at which the OLL's are shown, you can rotate them using Windows "
             "image viewer. They are all located in the folder of this program. The program merely loads in those "
             "images from the folder."},
            {about.Label4, {8, 184, 289, 17}, nullptr},
            {about.Label5, {8, 200, 289, 17}, nullptr},
            {about.Line1, {0, 112, 312, 1}, ""},
            {about.Command1, {104, 232, 105, 33}, "Close"},
            {report.Text1, {8, 8, 593, 401}, ""},
            {report.Label1, {8, 416, 441, 17}, "Copy Paste the above"},
            {report.Command1, {8, 432, 593, 33}, "Close"},
        };
        for (const auto& c : controls) {
            QCOMPARE(c.w->geometry(), c.place);
            if (c.text) QCOMPARE(c.w->property("text").toString(), QString::fromUtf8(c.text));
        }
        QCOMPARE(nextTabStop(load.File1), load.Command1);  // tab order: list, "load", "Cancel"
        QCOMPARE(nextTabStop(load.Command1), load.Command2);
        QCOMPARE(nextTabStop(load.Command2), load.File1);

        // About: fonts and colours, only "Close" takes the focus, our own lines fit on one line each.
        QCOMPARE(about.Label2->font().pixelSize(), 32);  // 24 pt
        QCOMPARE(about.Label1->font().pixelSize(), 18);  // 13.5 pt
        QVERIFY(about.Label2->font().bold() && about.Label1->font().bold() && !about.Label6->font().bold());
        QCOMPARE(about.Label2->palette().color(QPalette::WindowText), QColor(0, 0, 192));
        QCOMPARE(about.Label1->palette().color(QPalette::WindowText), QColor(192, 0, 0));
        QCOMPARE(about.Label7->palette().color(QPalette::WindowText), QColor(192, 0, 192));
        QCOMPARE(about.Line1->palette().color(QPalette::Window), QColor(20, 40, 60));
        QVERIFY(about.Line1->autoFillBackground());
        int focusable = 0;
        for (QWidget* w : about.findChildren<QWidget*>()) focusable += (w->focusPolicy() & Qt::TabFocus) ? 1 : 0;
        QCOMPARE(focusable, 1);
        QVERIFY(about.Label4->text().contains("Home", Qt::CaseInsensitive));
        QVERIFY(about.Label5->text().contains("issue", Qt::CaseInsensitive));
        for (QLabel* l : {about.Label1, about.Label2, about.Label3, about.Label4, about.Label5, about.Label6}) {
            const QFontMetrics fm(l->font());
            QVERIFY2(fm.horizontalAdvance(l->text()) <= l->width(), qPrintable(l->text()));
            QVERIFY2(fm.ascent() + fm.tightBoundingRect(l->text()).bottom() <= l->height(), qPrintable(l->text()));
            QVERIFY(!l->text().isEmpty() && !l->text().contains('@'));
            QVERIFY(l->alignment() & Qt::AlignLeft && l->alignment() & Qt::AlignTop);
        }
        const QFontMetrics fm(about.Label7->font());
        QVERIFY(fm.boundingRect(QRect(0, 0, about.Label7->width(), 10000), Qt::TextWordWrap, about.Label7->text())
                    .height() <= about.Label7->height());

        // Report: Arial 8.25 or its metric twin, wrapped at the box, no scroll bars, editable.
        QCOMPARE(report.Text1->font().pixelSize(), 11);
        QCOMPARE(QFontInfo(report.Text1->font()).family(), QStringLiteral("Liberation Sans"));
        QCOMPARE(report.Text1->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
        QCOMPARE(report.Text1->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
        QCOMPARE(report.Text1->lineWrapMode(), QPlainTextEdit::WidgetWidth);
        QVERIFY(!report.Text1->isReadOnly() && report.Text1->toPlainText().isEmpty());
    }

    void saveSession_data() {
        QTest::addColumn<QString>("answer");
        QTest::addColumn<QString>("written");  // the new file, if any
        QTest::newRow("answer") << "dec13" << "dec13.pll";  // replaces the older file
        QTest::newRow("empty answer or Cancel") << "" << "";
        QTest::newRow("ends in .pll") << "dec13.pll" << "dec13.pll.pll";
        QTest::newRow("a blank") << " " << " .pll";
        QTest::newRow("missing folder") << "no such folder/dec13" << "";
        QTest::newRow("folder in the way") << "box" << "";
    }
    void saveSession() {
        QFETCH(QString, answer);
        QFETCH(QString, written);
        writeFile("dec13.pll", "recorded on long ago\r\n5:1,2,3,\r\n");
        QVERIFY(QDir().mkpath("box.pll/inside"));
        TimeStore store;
        const NumberFormat nf;
        for (const auto& [c, ms] : {std::pair{0, 843}, std::pair{0, 620}, std::pair{2, 705}}) store.addTime(c, ms, nf);
        test::ScriptedDialogs dialogs;
        dialogs.answer = answer;
        const SaveOutcome outcome =
            saveSessionDialog(nullptr, store, dialogs, kWhen, QLocale(QLocale::English, QLocale::UnitedStates));

        QStringList expected{"box.pll", "dec13.pll"};
        if (!written.isEmpty() && !expected.contains(written)) expected << written;
        expected.sort();
        QCOMPARE(sessionEntries(), expected);  // nothing else, no temporaries
        QVERIFY(QFileInfo("box.pll/inside").isDir());
        QCOMPARE(readFile("dec13.pll").contains("long ago"), written != "dec13.pll");
        if (answer.isEmpty()) {
            QCOMPARE(outcome, SaveOutcome::NothingWritten);
            QVERIFY(dialogs.informed.isEmpty() && dialogs.warned.isEmpty());
        } else if (written.isEmpty()) {  // the reason, naming the file, and no success
            QCOMPARE(outcome, SaveOutcome::Failed);
            QVERIFY(dialogs.informed.isEmpty());
            QCOMPARE(dialogs.warned.size(), 1);
            QVERIFY2(dialogs.warned[0].startsWith("The session was not saved.") &&
                         dialogs.warned[0].contains(answer.section('/', -1) + ".pll"),
                     qPrintable(dialogs.warned[0]));
        } else {
            QCOMPARE(outcome, SaveOutcome::Saved);
            QCOMPARE(dialogs.informed, QStringList{"saved sucessfuly."});
            QVERIFY(dialogs.warned.isEmpty());
            const QList<QByteArray> lines = readFile(written).split('\n');
            QCOMPARE(lines.size(), 59);  // 58 lines, each ending in CR LF
            QVERIFY2(lines[0].startsWith("recorded on 3/14/07 9:05:31 PM") && lines[0].endsWith('\r'), lines[0]);
            QCOMPARE(lines[1], QByteArray("0:843,620,\r"));
            QCOMPARE(lines[2], QByteArray("1:\r"));
            QCOMPARE(lines[3], QByteArray("2:705,\r"));
            QCOMPARE(lines[57], QByteArray("56:\r"));
        }
    }

    // The real boxes: the prompt, no title of its own, no preset text; then the success message with OK
    // alone and no icon. Cancel writes nothing.
    void realBoxesLookAsTheyShould() {
        QCOMPARE(savePrompt(), QStringLiteral("Enter name of the file. All is stored in morvane's dir\nexample: dec13"));
        QtDialogs dialogs;
        QString seenLabel, seenTitle, seenPreset, seenText;
        QMessageBox::StandardButtons seenButtons;
        QMessageBox::Icon seenIcon = QMessageBox::Critical;
        QTimer::singleShot(0, [&] {
            auto* box = qobject_cast<QInputDialog*>(QApplication::activeModalWidget());
            QVERIFY(box);
            seenLabel = box->labelText();
            seenTitle = box->windowTitle();
            seenPreset = box->textValue();
            box->setTextValue("typed");
            QTimer::singleShot(0, [&] {
                auto* msg = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
                QVERIFY(msg);
                seenText = msg->text();
                seenIcon = msg->icon();
                seenButtons = msg->standardButtons();
                msg->accept();
            });
            box->accept();
        });
        TimeStore store;
        QCOMPARE(saveSessionDialog(nullptr, store, dialogs, kWhen), SaveOutcome::Saved);
        QCOMPARE(seenLabel, savePrompt());
        QVERIFY(seenTitle.isEmpty() && seenPreset.isEmpty());
        QCOMPARE(seenText, QStringLiteral("saved sucessfuly."));
        QCOMPARE(seenIcon, QMessageBox::NoIcon);
        QCOMPARE(seenButtons, QMessageBox::StandardButtons(QMessageBox::Ok));
        QVERIFY(QFile::exists("typed.pll"));
        QTimer::singleShot(0, [] {
            auto* box = qobject_cast<QInputDialog*>(QApplication::activeModalWidget());
            QVERIFY(box);
            box->setTextValue("cancelled");
            box->reject();
        });
        QCOMPARE(saveSessionDialog(nullptr, store, dialogs, kWhen), SaveOutcome::NothingWritten);
        QVERIFY(!QFile::exists("cancelled.pll"));
    }

    void saveAndLoadThroughTheMenus() {
        Window w;
        w.keep(0, 843);
        w.keep(56, 705);
        w.state().caseEnabled[56] = false;  // disabled cases are saved too
        w.dialogs.answer = "saved";
        w.form.mnuSave->trigger();
        QCOMPARE(w.dialogs.informed, QStringList{"saved sucessfuly."});
        const QList<QByteArray> lines = readFile("saved.pll").split('\n');
        QCOMPARE(lines.size(), 59);
        QCOMPARE(lines[1], QByteArray("0:843,\r"));
        QCOMPARE(lines[57], QByteArray("56:705,\r"));

        // The list: "*.pll" names without folder; read again each time the dialog is shown.
        w.state().caseEnabled[7] = false;
        w.form.Label5->setText("before");
        for (const char* name : {"Alpha.pll", " .pll", ".quiet.pll", "dec13.pll.pll", "notes.txt", "old.pll.bak", "pll"})
            writeFile(name, "recorded on x\r\n");
        QVERIFY(QDir().mkpath("folder.pll") && QDir().mkpath("sub"));
        writeFile("sub/inner.pll", "recorded on x\r\n");
        Form2* dialog = pick(w, "saved.pll");
        QVERIFY(dialog->isVisible());
        QCOMPARE(listed(dialog), QStringList({" .pll", ".quiet.pll", "Alpha.pll", "dec13.pll.pll", "saved.pll"}));
        QCOMPARE(Form2::sessionFileNames(QDir("sub")), QStringList{"inner.pll"});
        dialog->Command2_Click();  // Cancel
        QVERIFY(!dialog->isVisible());
        writeFile("good.pll", "recorded on whenever\r\n0:800,700,\r\n\r\n9:1500,1200,\r\n0:650,\r\n7:400,\r\n");
        QVERIFY(QFile::remove("Alpha.pll"));
        dialog = pick(w, QString());
        QCOMPARE(dialog->selectedName(), QStringLiteral("saved.pll"));  // kept over the new reading
        QCOMPARE(listed(dialog), QStringList({" .pll", ".quiet.pll", "dec13.pll.pll", "good.pll", "saved.pll"}));
        QCOMPARE(w.timesOf(0), std::vector<std::int32_t>{843});

        // Double-click, Enter and Escape load nothing and close nothing; "load" does.
        QListWidgetItem* good = dialog->File1->findItems("good.pll", Qt::MatchExactly).front();
        QTest::mouseDClick(dialog->File1->viewport(), Qt::LeftButton, {}, dialog->File1->visualItemRect(good).center());
        QCOMPARE(dialog->selectedName(), QStringLiteral("good.pll"));
        QTest::keyClick(dialog->File1, Qt::Key_Return);
        QTest::keyClick(dialog->File1, Qt::Key_Escape);
        QVERIFY(dialog->isVisible());
        QCOMPARE(w.timesOf(0), std::vector<std::int32_t>{843});
        QTest::mouseClick(dialog->Command1, Qt::LeftButton);
        QVERIFY(w.dialogs.warned.isEmpty());
        QVERIFY(!dialog->isVisible());
        QCOMPARE(w.timesOf(0), std::vector<std::int32_t>({800, 700, 650}));
        QCOMPARE(w.timesOf(9), std::vector<std::int32_t>({1500, 1200}));
        QCOMPARE(w.timesOf(7), std::vector<std::int32_t>{400});
        QCOMPARE(w.timesOf(56), std::vector<std::int32_t>{});  // the earlier times are gone
        QCOMPARE(w.state().store.bestTime(0), 650);
        QVERIFY(!w.state().caseEnabled[7]);  // enable flags are not part of a session
        QCOMPARE(w.form.numlabel[0]->text(), QStringLiteral("Num: 3"));  // the panel is redrawn
        QCOMPARE(w.form.numlabel[56]->text(), QStringLiteral("Num: 0"));
        QCOMPARE(w.form.avglabel[9]->text(), QStringLiteral("Avg: 1.35"));
        // The feedback line: the load's last record comparison (case 0's 650 against 700).
        const LoadResult expected = readSession("good.pll", numberFormatOf(QLocale()));
        QVERIFY(expected.session && expected.session->lastFeedback);
        QCOMPARE(w.form.Label5->text(), QString::fromStdString(expected.session->lastFeedback->text));
    }

    void badFilesChangeNothingAndSayWhere_data() {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("line");  // named in the message
        QByteArray many("recorded on x\r\n3:");
        for (int i = 0; i < 32768; ++i) many += "1,";
        QTest::newRow("empty file") << QByteArray() << "";
        QTest::newRow("line without colon") << QByteArray("recorded on x\r\n0:1,2,\r\nhello\r\n") << "3";
        QTest::newRow("case not a number") << QByteArray("recorded on x\r\nabc:1,2,\r\n") << "2";
        QTest::newRow("case out of range") << QByteArray("recorded on x\r\n57:1,2,\r\n") << "2";
        QTest::newRow("negative case") << QByteArray("recorded on x\r\n-1:1,2,\r\n") << "2";
        QTest::newRow("time not a number") << QByteArray("recorded on x\r\n0:1,2,\r\n4:12,x3,\r\n") << "3";
        QTest::newRow("time too large") << QByteArray("recorded on x\r\n4:2147483648,\r\n") << "2";
        QTest::newRow("too many times") << many + "\r\n" << "2";
        QTest::newRow("gone before load") << QByteArray("gone") << "";
    }
    void badFilesChangeNothingAndSayWhere() {
        QFETCH(QByteArray, content);
        QFETCH(QString, line);
        Window w;
        w.keep(2, 1234);
        w.keep(2, 1000);
        w.form.trainer().drawTime(2);
        w.state().caseEnabled[4] = false;
        w.form.Label5->setText("kept feedback");
        writeFile("bad.pll", content);
        Form2* dialog = pick(w, "bad.pll");
        if (content == "gone") QVERIFY(QFile::remove("bad.pll"));
        QTest::mouseClick(dialog->Command1, Qt::LeftButton);

        QCOMPARE(w.dialogs.warned.size(), 1);
        QVERIFY2(w.dialogs.warned[0].contains("bad.pll") && w.dialogs.warned[0].contains(line),
                 qPrintable(w.dialogs.warned[0]));
        QVERIFY(w.dialogs.informed.isEmpty());
        QVERIFY(dialog->isVisible());  // another file can be picked
        QCOMPARE(w.timesOf(2), std::vector<std::int32_t>({1234, 1000}));
        QCOMPARE(w.state().store.timesCapacity(), 1);
        QCOMPARE(w.state().store.bestTime(2), 1000);
        QCOMPARE(w.state().store.bestTime(4), kNoRecord);
        QCOMPARE(w.form.numlabel[2]->text(), QStringLiteral("Num: 2"));
        QCOMPARE(w.form.Label5->text(), QStringLiteral("kept feedback"));
        QVERIFY(!w.state().caseEnabled[4]);
    }

    void oneLoadDialogThatHidesAndLoadsNothingWithoutSelection() {
        Window w;
        w.keep(1, 700);
        writeFile("a.pll", "recorded on x\r\n");
        QVERIFY(!w.form.secondary().form2() && !w.form.secondary().form3() && !w.form.secondary().form4());
        QVERIFY(w.form.findChildren<SecondaryWindow*>().isEmpty());  // nothing made before first use
        QPointer<Form2> first = pick(w, QString());
        writeFile("b.pll", "recorded on x\r\n");
        QCOMPARE(pick(w, QString()), first.data());
        QCOMPARE(listed(first), QStringList({"a.pll", "b.pll"}));  // shown again while open: read again
        QCOMPARE(w.form.findChildren<Form2*>().size(), 1);
        QTest::mouseClick(first->Command1, Qt::LeftButton);  // no selection: nothing happens
        QVERIFY(w.dialogs.warned.isEmpty() && first->isVisible());
        QCOMPARE(w.timesOf(1), std::vector<std::int32_t>{700});
        first->File1->setCurrentRow(0);
        QVERIFY(first->close());  // the title bar's close: hidden, not destroyed
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCOMPARE(pick(w, QString()), first.data());
        QVERIFY(first->isVisible());
        QCOMPARE(first->selectedName(), QStringLiteral("a.pll"));  // back as it was
    }

    void aboutLoadAndReportOpenTogetherAndGoWithTheMainWindow() {
        Window w;
        w.form.mnuAbout->trigger();
        w.form.mnuLoad->trigger();
        QTest::mouseClick(w.form.Command5, Qt::LeftButton);  // the main window still answers
        QPointer<Form2> load = w.form.secondary().form2();
        QPointer<Form3> about = w.form.secondary().form3();
        QPointer<Form4> report = w.form.secondary().form4();
        QVERIFY(load->isVisible() && about->isVisible() && report->isVisible());
        QVERIFY(!QApplication::activeModalWidget());
        QTest::mouseClick(about->Command1, Qt::LeftButton);
        QVERIFY(!about->isVisible() && load->isVisible());
        QVERIFY(report->close());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!report.isNull() && !report->isVisible());
        w.form.mnuAbout->trigger();
        QCOMPARE(w.form.findChildren<Form3*>().size(), 1);
        QVERIFY(about->isVisible());
        QTest::mouseClick(w.form.Command4, Qt::LeftButton);  // Exit: hidden windows go too
        QVERIFY(load.isNull() && about.isNull() && report.isNull());
        QVERIFY(!w.form.isVisible());
        QVERIFY(w.form.trainer().unloaded());
    }

    void reportOfAnEmptyStoreThenTheWorkedExampleReplacingIt() {
        Window w;
        QTest::mouseClick(w.form.Command5, Qt::LeftButton);
        Form4* report = w.form.secondary().form4();
        QVERIFY(report->isVisible());
        QCOMPARE(report->Text1->toPlainText(), QString("avg: 0.00, std: 0.00, num: 0\n").repeated(kCaseCount));

        w.keep(0, 600);
        w.keep(0, 700);
        QTest::mouseClick(report->Command1, Qt::LeftButton);  // "Close" hides; the next press shows it again
        QVERIFY(!report->isVisible());
        QTest::mouseClick(w.form.Command5, Qt::LeftButton);
        QVERIFY(report->isVisible());
        QCOMPARE(report->Text1->toPlainText(), "avg: 0.65, std: 0.05, num: 2\n" +
                                                   QString("avg: 0.00, std: 0.00, num: 0\n").repeated(56) +
                                                   "Total Average: 0.65");
        w.keep(1, 1000);
        QTest::mouseClick(w.form.Command5, Qt::LeftButton);  // pressed again while open: replaced in place
        QCOMPARE(w.form.secondary().form4(), report);
        const QStringList lines = report->Text1->toPlainText().split('\n');
        QCOMPARE(lines.size(), 58);
        QCOMPARE(lines[1], QStringLiteral("avg: 1.00, std: 0.00, num: 1"));
        QCOMPARE(lines.back(), QStringLiteral("Total Average: 0.83"));
    }
};

QTEST_MAIN(SecondaryWindows)
#include "test_secondary_windows.moc"
