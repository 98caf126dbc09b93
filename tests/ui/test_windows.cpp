// SPDX-License-Identifier: GPL-3.0-or-later
// The windows on Qt as the user sees and drives them; the rules behind them are tested in tests/app and core.
#include <QMenu>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QtTest>
#include <fstream>

#include "app/SoundOrBell.h"
#include "cases/CasePicture.h"
#include "cases/OllCases.h"
#include "session/SessionFile.h"
#include "ui/ButtonPressWatch.h"
#include "ui/CanberraSound.h"
#include "ui/Form1.h"
#include "ui/SaveSession.h"

using namespace kestive;
using namespace kestive::ui;

namespace {
const QColor kRed(255, 0, 0), kGreen(0, 255, 0), kGrey(50, 50, 50), kWhite(Qt::white);
QColor pictureColour(int i) {
    return QColor(4 * i, 255 - 4 * i, 0x64);
}

// A fresh current folder with the pictures of the first `count` cases, each 1 x 1 pixel of its colour.
struct PictureFolder {
    QTemporaryDir dir;
    explicit PictureFolder(int count = kCaseCount) {
        for (int i = 0; i < count; ++i) {
            QImage picture(1, 1, QImage::Format_RGB32);
            picture.fill(pictureColour(i));
            picture.save(dir.filePath(QString::fromStdString(casePictureFileName(i))), "PNG");
        }
        QDir::setCurrent(dir.path());
    }
};

// Answers the input box with a fixed text and records the messages.
struct ScriptedDialogs final : DialogPort {
    QString answer;
    QStringList informed, warned;
    QString askText(QWidget*, const QString&) override { return answer; }
    void inform(QWidget*, const QString& text) override { informed << text; }
    void warn(QWidget*, const QString& text) override { warned << text; }
    QuitChoice askBeforeQuit(QWidget*, std::size_t) override { return QuitChoice::StayOpen; }
};

// The main window after start-up, active, its boxes answered by `dialogs`; by default all its files in
// the current folder.
struct Window {
    ClockSeededRandom random;
    ScriptedDialogs dialogs;
    KeyRepeatFilter keyRepeat;  // as main.cpp installs it
    Form1 form;
    explicit Window(WorkPlace place = workPlaceIn(std::filesystem::current_path()))
        : form{random, std::move(place), nullptr, nullptr, 1.0} {  // the design size, whatever the screen
        QApplication::instance()->installEventFilter(&keyRepeat);
        form.secondary().setDialogs(dialogs);
        form.load();
        QApplication::setActiveWindow(&form);
        if (!QTest::qWaitForWindowActive(&form)) qWarning("window not active");
    }
    const TrainerState& state() { return form.trainer().state(); }
    const TimeStore& store() { return form.trainer().store(); }
    // One more time for case c, loaded from a session file elsewhere.
    QTemporaryDir elsewhere;
    void keep(int c, std::int32_t ms) {
        TimeStore more = store();
        more.addTime(c, ms);
        const std::filesystem::path file = elsewhere.filePath("kept.pll").toStdString();
        QVERIFY(saveSession(file, more, "x") && form.trainer().loadfile(file));
    }
    std::vector<std::int32_t> timesOf(int c) {
        return {store().timesOf(c).begin(), store().timesOf(c).end()};
    }
    Form2* pick(const QString& name) {
        form.mnuLoad->trigger();
        Form2* d = form.secondary().form2();
        for (QListWidgetItem* item : d->File1->findItems(name, Qt::MatchExactly))
            d->File1->setCurrentItem(item);
        return d;
    }
};

QColor at(const QtPictureBox* box, int x, int y) {
    return box->image().pixelColor(x, y);
}
// Columns of the box's drawing at mid-height that show the colour.
QList<int> columnsOf(const QtPictureBox* box, const QColor& colour) {
    QList<int> xs;
    for (int x = 0; x < box->image().width(); ++x)
        if (at(box, x, box->image().height() / 2) == colour) xs << x;
    return xs;
}
void writeFile(const QString& name, const QByteArray& content) {
    std::ofstream(name.toStdString(), std::ios::binary) << content.toStdString();
}
QStringList listed(const Form2* dialog) {
    QStringList names;
    for (int i = 0; i < dialog->File1->count(); ++i) names << dialog->File1->item(i)->text();
    return names;
}
}  // namespace

class Windows : public QObject {
    Q_OBJECT
    std::unique_ptr<PictureFolder> folder;

private slots:
    void init() { folder = std::make_unique<PictureFolder>(); }
    void cleanup() { folder.reset(); }

    void startUpThenBarsToScaleAndGreenWhenDisabled() {
        folder = std::make_unique<PictureFolder>(55);  // oll56print.gif and oll57print.gif missing
        Window w;
        QCOMPARE(w.form.focusWidget(), w.form.Command1);
        const auto boxes = w.form.findChildren<QMessageBox*>();  // one message names the missing pictures
        QVERIFY(boxes.size() == 1 && !boxes[0]->isModal());
        QVERIFY2(boxes[0]->text().contains("oll56print.gif, oll57print.gif"), qPrintable(boxes[0]->text()));
        QCOMPARE(columnsOf(w.form.avg[1], kRed), QList<int>());  // empty store: no bar
        w.keep(0, 900);
        w.keep(1, 450);
        const QList<int> grid = columnsOf(w.form.avg[1], kGrey);
        // Full scale: red in every column the grid leaves of the 79. Half scale: red up to half the outer
        // width (40.5 px); the bar and the grid over it in the full height.
        QCOMPARE(columnsOf(w.form.avg[0], kRed).size(), 79 - grid.size());
        const QList<int> half = columnsOf(w.form.avg[1], kRed);
        QVERIFY(half.first() == 1 && half.last() == 41);
        QVERIFY(grid.size() > 3 && at(w.form.avg[1], grid[3], 0) == kGrey &&
                at(w.form.avg[1], 21, 30) == kRed);
        // Clicking the picture disables the case: the whole box green; focus stays on START.
        QTest::mouseClick(w.form.pll[1], Qt::LeftButton);
        QCOMPARE(columnsOf(w.form.avg[1], kGreen).size(), 79);
        QTest::mouseClick(w.form.pll[1], Qt::LeftButton);
        QCOMPARE(columnsOf(w.form.avg[1], kGrey), grid);
        QCOMPARE(w.form.focusWidget(), w.form.Command1);
    }

    void aCommaLocaleWritesEveryNumberWithAComma() {
        const QByteArray all = qgetenv("LC_ALL"), numeric = qgetenv("LC_NUMERIC");
        const auto restore = qScopeGuard([&] {
            qputenv("LC_ALL", all);
            qputenv("LC_NUMERIC", numeric);
            QLocale::setDefault(QLocale::c());
        });
        // As a program started in that locale sees it: in the environment and as Qt's default.
        qunsetenv("LC_ALL");
        qputenv("LC_NUMERIC", "de_DE.UTF-8");
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        Window w;
        QCOMPARE(w.form.Label1->text(), QStringLiteral("0,00"));
        writeFile("de.pll", "recorded on x\r\n9:1500,1200,\r\n9:1234,\r\n");
        QVERIFY(w.form.trainer().loadfile("de.pll"));
        QCOMPARE(w.form.avglabel[9]->text(), QStringLiteral("Avg: 1,31"));
        QCOMPARE(w.form.stdlabel[9]->text(), QStringLiteral("Std: 0,13"));
        QCOMPARE(w.form.Label5->text(), QStringLiteral("That was 34 ms worse than your record, 1,20"));
        w.form.WaitTime->setText("0,0");  // read the user's way too
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
        QCOMPARE(w.form.Command1->text(), QStringLiteral("STOP!"));
        QTest::mouseClick(w.form.Command3, Qt::LeftButton);
        QCOMPARE(w.form.Label1->text(), QStringLiteral("0,00"));
    }

    // STOP counts from the moment START/STOP goes down, at the input event's stamp: holding adds nothing, the
    // key's auto-repeat presses nothing, and a held key repeated as release-press pairs does not click
    // Accept. Space on the focused Accept keeps the time and clears the answer.
    void stopCountsFromThePress() {
        Window w;
        w.form.WaitTime->setText("0");
        QPushButton* b = w.form.Command1;
        auto stamp = [&](int ms) { return static_cast<std::uint32_t>(w.state().startTick + ms); };
        auto key = [&](QEvent::Type type, int ms, bool autoRepeat = false) {
            QKeyEvent e(type, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "), autoRepeat);
            e.setTimestamp(stamp(ms));
            QApplication::sendEvent(QApplication::focusWidget(), &e);
        };
        auto start = [&] {
            QTest::mouseClick(b, Qt::LeftButton);  // after a STOP this drops the waiting attempt
            QCOMPARE(w.state().drillState, kTiming);
            b->setFocus();
        };
        start();
        QTRY_VERIFY(w.form.Label1->text() != QStringLiteral("0.00"));  // Timer1 runs the display
        key(QEvent::KeyPress, 100);
        key(QEvent::KeyPress, 200, true);
        key(QEvent::KeyRelease, 400);
        QCOMPARE(w.state().lastTime, 100);
        QCOMPARE(QApplication::focusWidget(), w.form.Command2);
        const int c = w.state().currentCase;
        QCOMPARE(w.form.alg->toolTip(), w.form.pll[c]->toolTip());    // now it may be named
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);  // Accept
        QCOMPARE(w.timesOf(c), std::vector<std::int32_t>{100});
        QVERIFY(at(w.form.alg, 80, 80) == kWhite && w.form.alg->toolTip().isEmpty());

        start();  // the held key's repeats come as pairs stamped alike
        key(QEvent::KeyPress, 100);
        for (int ms : {660, 700, 740}) {
            key(QEvent::KeyRelease, ms);
            key(QEvent::KeyPress, ms);
            QVERIFY(!w.form.Command2->isDown());
        }
        key(QEvent::KeyRelease, 780);
        QCOMPARE(w.state().lastTime, 100);
        QCOMPARE(w.store().timeCount(w.state().currentCase), w.state().currentCase == c ? 1 : 0);
    }

    // A press that comes without an input event (a click from a screen reader) reads the counter, also
    // after a stamped event that came while another was handled, as during a countdown.
    void aPressWithoutAnInputEventReadsTheCounter() {
        struct Fixed final : TickCounter {
            std::int32_t now() override { return 5000; }
        } ticks;
        QPushButton b;
        std::vector<std::int32_t> presses;
        new ButtonPressWatch(
            b, ticks, [&](std::int32_t tick) { presses.push_back(tick); }, [] {});
        bool nested = false;
        QObject::connect(&b, &QPushButton::clicked, [&] {
            if (std::exchange(nested, true)) return;
            QKeyEvent key(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier);
            key.setTimestamp(4950);
            QApplication::sendEvent(&b, &key);
        });
        for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
            QMouseEvent e(type, QPointF(5, 5), b.mapToGlobal(QPointF(5, 5)), Qt::LeftButton,
                          type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton, Qt::NoModifier);
            e.setTimestamp(4900);
            QApplication::sendEvent(&b, &e);
        }
        b.click();
        QCOMPARE(presses, (std::vector<std::int32_t>{4900, 5000}));
    }

    // The case picture is stretched into alg without smoothing: only the picture's own colours appear. A
    // load that fails leaves the box without a picture, not with the one before; painting that paints
    // nothing.
    void algShowsThePictureWithHardEdgesOrNothing() {
        Window w;
        auto show = [&](int c) {
            w.form.alg->paintPicture(w.form.pll[c]->picture(), 0, 0, w.form.alg->innerWidth(),
                                     w.form.alg->innerHeight());
            return w.form.alg->image();
        };
        QImage two(2, 1, QImage::Format_RGB32);
        two.setPixelColor(0, 0, kRed);
        two.setPixelColor(1, 0, Qt::blue);
        QVERIFY(two.save("two.png") && w.form.pll[3]->loadPicture("two.png"));
        const QImage shown = show(3);
        QSet<QRgb> colours;
        for (int x = 0; x < shown.width(); ++x) colours << shown.pixel(x, shown.height() / 2);
        QCOMPARE(colours, (QSet<QRgb>{kRed.rgb(), QColor(Qt::blue).rgb()}));
        QVERIFY(!w.form.pll[3]->loadPicture("no such picture.gif") && w.form.pll[3]->picture().empty());
        const QImage other = show(5);
        QCOMPARE(show(3), other);
    }

    void numbersReadInTheUserLocaleOrAsInC() {
        const LocaleNumberReader de{QLocale(QLocale::German)};
        QVERIFY(de.numberFromText("2,5") == 2.5 && de.numberFromText(" 2.5 ") == 2.5 &&
                !de.numberFromText("x"));
        QVERIFY(!LocaleNumberReader{QLocale(QLocale::English)}.numberFromText("2,500"));  // not 2500
    }

    void saveSession_data() {
        QTest::addColumn<QString>("answer");
        QTest::addColumn<bool>("saved");     // "saved sucessfuly."; else the reason, or nothing for no answer
        QTest::addColumn<QString>("files");  // the session files afterwards: nothing else, no temporaries
        QTest::newRow("answer") << "dec13" << true << "box.pll dec13.pll";  // replaces the older file
        QTest::newRow("empty answer or Cancel") << "" << false << "box.pll dec13.pll";
        QTest::newRow("blanks alone") << "  " << true << "  .pll box.pll dec13.pll";
        QTest::newRow("ends in .pll") << "dec13.pll" << true << "box.pll dec13.pll dec13.pll.pll";
        QTest::newRow("missing folder") << "no such folder/dec13" << false << "box.pll dec13.pll";
        QTest::newRow("folder in the way") << "box" << false << "box.pll dec13.pll";
    }
    void saveSession() {
        QFETCH(QString, answer);
        QFETCH(bool, saved);
        QFETCH(QString, files);
        writeFile("dec13.pll", "recorded on long ago\r\n5:1,2,3,\r\n");
        QVERIFY(QDir().mkpath("box.pll/inside"));
        Window w;
        for (auto [c, ms] : {std::pair{0, 843}, {0, 620}, {2, 705}}) w.keep(c, ms);
        w.form.trainer().pll_Click(2);  // disabled cases are saved too
        w.dialogs.answer = answer;
        w.form.mnuSave->trigger();
        const auto all = QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot;
        QCOMPARE(QDir().entryList({"*.pll*"}, all, QDir::Name).join(' '), files);
        const QString name = answer.section('/', -1) + ".pll";
        QCOMPARE(w.dialogs.informed, saved ? QStringList{"saved sucessfuly."} : QStringList());
        QCOMPARE(w.dialogs.warned.size(), saved || answer.isEmpty() ? 0 : 1);
        for (const QString& m : w.dialogs.warned)  // the reason, naming the file
            QVERIFY2(m.startsWith("The session was not saved.") && m.contains(name), qPrintable(m));
        if (!saved) return;
        QFile file(name);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QList<QByteArray> lines = file.readAll().split('\n');
        // The header: the user's regional short date, then the long time.
        const QString date = QLocale().toString(QDate::currentDate(), QLocale::ShortFormat);
        QVERIFY2(lines[0].startsWith("recorded on " + date.toUtf8() + " ") && lines[0].endsWith('\r'),
                 lines[0].constData());
        QCOMPARE(lines.mid(1, 3), QList<QByteArray>({"0:843,620,\r", "1:\r", "2:705,\r"}));
    }

    void loadThroughTheDialog() {
        Window w;
        w.keep(56, 705);
        QVERIFY(w.form.findChildren<SecondaryWindow*>().isEmpty());  // nothing made before first use
        // The list: "*.pll" names without folder, read again each time the dialog is shown.
        QVERIFY(QDir().mkpath("folder.pll") && QDir().mkpath("sub"));
        for (const char* name : {"saved.pll", "Alpha.pll", " .pll", ".quiet.pll", "a.pll.pll", "a.txt",
                                 "a.pll.bak", "sub/b.pll"})
            writeFile(name, "recorded on x\r\n");
        Form2* dialog = w.pick(QString());
        QCOMPARE(listed(dialog), QStringList({" .pll", ".quiet.pll", "a.pll.pll", "Alpha.pll", "saved.pll"}));
        // With the focus in the list and nothing selected, no row looks chosen.
        QApplication::setActiveWindow(dialog);
        dialog->File1->setFocus();
        QVERIFY(QTest::qWaitForWindowActive(dialog) && dialog->File1->hasFocus());
        const QImage unmarked = dialog->File1->grab().toImage();
        dialog->File1->selectionModel()->setCurrentIndex(dialog->File1->model()->index(2, 0),
                                                         QItemSelectionModel::NoUpdate);
        QVERIFY(dialog->selectedName().isEmpty());
        QCOMPARE(dialog->File1->grab().toImage(), unmarked);
        QTest::mouseClick(dialog->Command1, Qt::LeftButton);  // no selection: nothing happens
        QVERIFY(w.dialogs.warned.isEmpty() && dialog->isVisible() &&
                w.timesOf(56) == std::vector<std::int32_t>{705});
        dialog->File1->setCurrentRow(4);
        QVERIFY(dialog->close());  // the title bar's close hides it and keeps it as it was
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        // A name that is not valid UTF-8 (Latin-1 from an old system, say) is listed readably and loads.
        std::ofstream("caf\xe9.pll", std::ios::binary)
            << "recorded on whenever\r\n0:800,700,\r\n\r\n9:1500,1200,\r\n0:650,\r\n7:400,\r\n";
        const QString cafe = QStringLiteral("caf\uFFFD.pll");
        QVERIFY(QFile::remove("Alpha.pll"));
        QCOMPARE(w.pick(QString()), dialog);
        QCOMPARE(listed(dialog), QStringList({" .pll", ".quiet.pll", "a.pll.pll", cafe, "saved.pll"}));
        QCOMPARE(dialog->selectedName(), QStringLiteral("saved.pll"));  // kept over the new reading
        writeFile("later.pll", "recorded on x\r\n");
        QCOMPARE(w.pick(cafe), dialog);
        QCOMPARE(dialog->File1->count(), 6);  // shown again while open: read again

        w.form.trainer().pll_Click(7);
        QTest::mouseClick(dialog->Command1, Qt::LeftButton);
        QVERIFY2(w.dialogs.warned.isEmpty() && !dialog->isVisible(), qPrintable(w.dialogs.warned.join('\n')));
        QCOMPARE(w.timesOf(0), std::vector<std::int32_t>({800, 700, 650}));
        QVERIFY(!w.state().caseEnabled[7]);  // enable flags are not part of a session
    }

    // A working folder that is not the current one: the Load list, the load and Save Session use it; a
    // picture there that does not load gives way to the next picture folder's.
    void everySessionFileInTheWorkingFolderNotTheCurrentOne() {
        QTemporaryDir work;
        writeFile(work.filePath("there.pll"), "recorded on x\r\n3:500,\r\n");
        writeFile("here.pll", "recorded on x\r\n");
        writeFile(work.filePath(QString::fromStdString(casePictureFileName(0))), "not a picture");
        const std::filesystem::path here = std::filesystem::current_path();
        Window w(workPlaceIn(work.path().toStdString(), {here}));
        Form2* dialog = w.pick("there.pll");
        QTest::mouseClick(dialog->Command1, Qt::LeftButton);
        QCOMPARE(listed(dialog), QStringList{"there.pll"});
        QCOMPARE(w.timesOf(3), std::vector<std::int32_t>{500});
        w.dialogs.answer = "dec13";
        w.form.mnuSave->trigger();
        QVERIFY(QFile::exists(work.filePath("dec13.pll")) && !QFile::exists("dec13.pll"));
        QCOMPARE(w.form.pll[0]->loadedImage().pixelColor(0, 0), pictureColour(0));
    }

    void badFilesChangeNothingAndSayWhere_data() {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("line");  // named in the message
        QTest::newRow("line without colon") << QByteArray("recorded on x\r\n0:1,2,\r\nhello\r\n") << "3";
        QTest::newRow("gone before load") << QByteArray("gone") << "";
    }
    void badFilesChangeNothingAndSayWhere() {
        QFETCH(QByteArray, content);
        QFETCH(QString, line);
        Window w;
        for (int ms : {1234, 1000}) w.keep(2, ms);
        w.form.Label5->setText("kept feedback");
        writeFile("bad.pll", content);
        Form2* dialog = w.pick("bad.pll");
        if (content == "gone") QVERIFY(QFile::remove("bad.pll"));
        QTest::mouseClick(dialog->Command1, Qt::LeftButton);
        QVERIFY(w.dialogs.informed.isEmpty() && w.dialogs.warned.size() == 1);
        QVERIFY2(w.dialogs.warned[0].contains("bad.pll") && w.dialogs.warned[0].contains(line),
                 qPrintable(w.dialogs.warned[0]));  // the dialog stays for another pick:
        QVERIFY(dialog->isVisible() && w.form.Label5->text() == "kept feedback");
        QCOMPARE(w.timesOf(2), std::vector<std::int32_t>({1234, 1000}));
    }

    // Load, About and the report open side by side, modeless, one of each; the report's lines as the user
    // copies them, shown again after Close and replaced in place; Exit takes every window along.
    void secondaryWindowsOpenTogetherModelessAndGoWithTheMainWindow() {
        Window w;
        for (int ms : {600, 700}) w.keep(0, ms);
        w.form.mnuAbout->trigger();
        w.form.mnuLoad->trigger();
        QTest::mouseClick(w.form.Command5, Qt::LeftButton);  // the main window still answers
        QPointer<Form2> load = w.form.secondary().form2();
        QPointer<Form3> about = w.form.secondary().form3();
        QPointer<Form4> report = w.form.secondary().form4();
        QVERIFY(load->isVisible() && about->isVisible() && report->isVisible() &&
                !QApplication::activeModalWidget());
        for (QPushButton* b : {load->Command2, about->Command1, report->Command1})
            QTest::mouseClick(b, Qt::LeftButton);
        QVERIFY(!load->isVisible() && !about->isVisible() && !report->isVisible());  // Cancel, Close, Close
        w.form.mnuAbout->trigger();
        QTest::mouseClick(w.form.Command5, Qt::LeftButton);
        w.keep(1, 1000);
        QTest::mouseClick(w.form.Command5, Qt::LeftButton);  // pressed again while open: replaced in place
        QVERIFY(about->isVisible() && report->isVisible() &&
                w.form.findChildren<SecondaryWindow*>().size() == 3);  // one of each
        QVERIFY(report->Text1->toPlainText().startsWith(
            "avg: 0.65, std: 0.05, num: 2\navg: 1.00, std: 0.00, num: 1\navg: 0.00"));
        QTest::mouseClick(w.form.Command4, Qt::LeftButton);  // Exit: hidden windows go too
        QVERIFY(load.isNull() && about.isNull() && report.isNull() && w.form.trainer().unloaded());
    }

    void theBellRingsWhenTheStartSoundCannotPlay() {
        // No sound card is needed: an output libcanberra lacks fails like a missing sound server, and the
        // signal must then say so, for the bell to ring instead.
        CanberraSound missing("bell", "no-such-output");
        struct Bell final : Beeper {
            int rings = 0;
            void beep() override { ++rings; }
        } bell;
        SoundOrBell signal(missing, bell);
        signal.beep();
        signal.beep();  // each signal tries the sound again
        QCOMPARE(bell.rings, 2);
    }
};

QTEST_MAIN(Windows)
#include "test_windows.moc"
