// Save Session: the input box and messages, what name is written, and that a failure says why.
#include <QDir>
#include <QFile>
#include <QInputDialog>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include "stats/TimeStore.h"
#include "ui/SaveSession.h"

using namespace kestive;
using namespace kestive::ui;

namespace {

// Answers the input box with a fixed text and records every box it was asked to show.
struct ScriptedDialogs final : DialogPort {
    QString answer;
    QStringList prompts, informed, warned;
    QString askText(QWidget*, const QString& prompt) override {
        prompts << prompt;
        return answer;
    }
    void inform(QWidget*, const QString& text) override { informed << text; }
    void warn(QWidget*, const QString& text) override { warned << text; }
};

QByteArray readAll(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return {};
    return f.readAll();
}

const QDateTime kWhen(QDate(2007, 3, 14), QTime(21, 5, 31));

}  // namespace

class TestSaveSession : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;
    QString previous_;
    TimeStore store_;

  private slots:
    void initTestCase() {
        const NumberFormat f;
        store_.addTime(0, 843, f);
        store_.addTime(0, 620, f);
        store_.addTime(2, 705, f);
    }
    void init() {
        previous_ = QDir::currentPath();
        QDir(dir_.path()).removeRecursively();
        QVERIFY(QDir().mkpath(dir_.path()));
        QVERIFY(QDir::setCurrent(dir_.path()));
    }
    void cleanup() { QDir::setCurrent(previous_); }

    void answerNamesTheFileAndSuccessIsSaid() {
        ScriptedDialogs dialogs;
        dialogs.answer = QStringLiteral("dec13");
        QCOMPARE(saveSessionDialog(nullptr, store_, dialogs, kWhen,
                                   QLocale(QLocale::English, QLocale::UnitedStates)),
                 SaveOutcome::Saved);
        QCOMPARE(dialogs.prompts,
                 QStringList{QStringLiteral(
                     "Enter name of the file. All is stored in morvane's dir\nexample: dec13")});
        QCOMPARE(dialogs.informed, QStringList{QStringLiteral("saved sucessfuly.")});
        QVERIFY(dialogs.warned.isEmpty());
        QCOMPARE(QDir().entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("dec13.pll")});

        const QByteArray text = readAll(QStringLiteral("dec13.pll"));
        const QList<QByteArray> lines = text.split('\n');
        QCOMPARE(lines.size(), 59);  // 58 lines, each ending in CR LF
        QVERIFY(lines.last().isEmpty());
        QVERIFY2(lines[0].startsWith("recorded on 3/14/07 9:05:31 PM"), lines[0].constData());
        QCOMPARE(lines[1], QByteArray("0:843,620,\r"));
        QCOMPARE(lines[2], QByteArray("1:\r"));
        QCOMPARE(lines[3], QByteArray("2:705,\r"));
        QCOMPARE(lines[57], QByteArray("56:\r"));
    }

    void emptyAnswerWritesAndShowsNothing() {
        ScriptedDialogs dialogs;  // Cancel yields the empty text as well
        QCOMPARE(saveSessionDialog(nullptr, store_, dialogs, kWhen), SaveOutcome::NothingWritten);
        QCOMPARE(dialogs.prompts.size(), 1);
        QVERIFY(dialogs.informed.isEmpty());
        QVERIFY(dialogs.warned.isEmpty());
        QVERIFY(QDir().entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot).isEmpty());
    }

    void answerIsUsedExactlyAsTyped() {
        ScriptedDialogs dialogs;
        for (const char* answer : {"dec13.pll", " ", " padded "}) {
            dialogs.answer = QString::fromLatin1(answer);
            QCOMPARE(saveSessionDialog(nullptr, store_, dialogs, kWhen), SaveOutcome::Saved);
        }
        QDir here;
        QCOMPARE(here.entryList(QDir::Files | QDir::Hidden, QDir::Name),
                 (QStringList{QStringLiteral(" .pll"), QStringLiteral(" padded .pll"),
                              QStringLiteral("dec13.pll.pll")}));
        QCOMPARE(dialogs.informed.size(), 3);
    }

    void existingFileIsReplaced() {
        {
            QFile old(QStringLiteral("dec13.pll"));
            QVERIFY(old.open(QIODevice::WriteOnly));
            old.write("recorded on long ago\r\n5:1,2,3,\r\n");
        }
        ScriptedDialogs dialogs;
        dialogs.answer = QStringLiteral("dec13");
        QCOMPARE(saveSessionDialog(nullptr, store_, dialogs, kWhen), SaveOutcome::Saved);
        const QByteArray text = readAll(QStringLiteral("dec13.pll"));
        QVERIFY(text.contains("\r\n0:843,620,\r\n"));
        QVERIFY(!text.contains("long ago"));
        QCOMPARE(QDir().entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("dec13.pll")});
    }

    void nameThatCannotBeCreatedSaysWhyAndNotSuccess() {
        ScriptedDialogs dialogs;
        dialogs.answer = QStringLiteral("no such folder/dec13");
        QCOMPARE(saveSessionDialog(nullptr, store_, dialogs, kWhen), SaveOutcome::Failed);
        QVERIFY(dialogs.informed.isEmpty());
        QCOMPARE(dialogs.warned.size(), 1);
        QVERIFY2(dialogs.warned.front().contains(QStringLiteral("dec13.pll")),
                 qPrintable(dialogs.warned.front()));
        QVERIFY(dialogs.warned.front().startsWith(QStringLiteral("The session was not saved.")));
        QVERIFY(QDir().entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot).isEmpty());
    }

    void folderInTheWayIsLeftAloneAndNoTemporaryStays() {
        QVERIFY(QDir().mkdir(QStringLiteral("dec13.pll")));
        QVERIFY(QDir().mkdir(QStringLiteral("dec13.pll/inside")));
        ScriptedDialogs dialogs;
        dialogs.answer = QStringLiteral("dec13");
        QCOMPARE(saveSessionDialog(nullptr, store_, dialogs, kWhen), SaveOutcome::Failed);
        QVERIFY(dialogs.informed.isEmpty());
        QCOMPARE(dialogs.warned.size(), 1);
        qInfo("failure message: %s", qPrintable(dialogs.warned.front()));
        QVERIFY(QFileInfo(QStringLiteral("dec13.pll/inside")).isDir());
        QCOMPARE(QDir().entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
                 QStringList{QStringLiteral("dec13.pll")});
    }

    void unwritableFolderKeepsTheOldFile() {
        QVERIFY(QDir().mkdir(QStringLiteral("locked")));
        {
            QFile old(QStringLiteral("locked/dec13.pll"));
            QVERIFY(old.open(QIODevice::WriteOnly));
            old.write("recorded on before\r\n");
        }
        QFile::setPermissions(QStringLiteral("locked"), QFile::ReadOwner | QFile::ExeOwner);
        QFile probe(QStringLiteral("locked/probe"));
        if (probe.open(QIODevice::WriteOnly)) {  // privileged users write anyway
            probe.remove();
            QFile::setPermissions(QStringLiteral("locked"),
                                  QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
            QSKIP("permissions are not enforced for this user");
        }
        ScriptedDialogs dialogs;
        dialogs.answer = QStringLiteral("locked/dec13");
        const SaveOutcome outcome = saveSessionDialog(nullptr, store_, dialogs, kWhen);
        QFile::setPermissions(QStringLiteral("locked"),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QCOMPARE(outcome, SaveOutcome::Failed);
        QVERIFY(dialogs.informed.isEmpty());
        QCOMPARE(dialogs.warned.size(), 1);
        QCOMPARE(readAll(QStringLiteral("locked/dec13.pll")), QByteArray("recorded on before\r\n"));
    }

    void dateTextFollowsTheRegionalSettings() {
        const QString us = sessionDateText(kWhen, QLocale(QLocale::English, QLocale::UnitedStates));
        QVERIFY2(us.startsWith(QStringLiteral("3/14/07 9:05:31 PM")), qPrintable(us));
        const QString de = sessionDateText(kWhen, QLocale(QLocale::German, QLocale::Germany));
        QVERIFY2(de.startsWith(QStringLiteral("14.03.07 21:05:31")), qPrintable(de));
    }

    // The real boxes: prompt, no title of its own, no preset text; the success message with OK alone
    // and no icon.
    void realBoxesLookAsTheyShould() {
        QtDialogs dialogs;
        QString seenLabel, seenTitle, seenPreset;
        QTimer::singleShot(0, [&] {
            auto* box = qobject_cast<QInputDialog*>(QApplication::activeModalWidget());
            QVERIFY(box);
            seenLabel = box->labelText();
            seenTitle = box->windowTitle();
            seenPreset = box->textValue();
            box->setTextValue(QStringLiteral("typed"));
            QTimer::singleShot(0, [] {
                auto* msg = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
                QVERIFY(msg);
                QCOMPARE(msg->text(), QStringLiteral("saved sucessfuly."));
                QCOMPARE(msg->icon(), QMessageBox::NoIcon);
                QCOMPARE(msg->standardButtons(), QMessageBox::StandardButtons(QMessageBox::Ok));
                QVERIFY(msg->windowTitle().isEmpty() ||
                        msg->windowTitle() == QApplication::applicationName());
                msg->accept();
            });
            box->accept();
        });
        QCOMPARE(saveSessionDialog(nullptr, store_, dialogs, kWhen), SaveOutcome::Saved);
        QCOMPARE(seenLabel, savePrompt());
        QVERIFY(seenTitle.isEmpty());
        QVERIFY(seenPreset.isEmpty());
        QVERIFY(QFile::exists(QStringLiteral("typed.pll")));

        // Cancel in the real box: nothing written, nothing shown.
        QTimer::singleShot(0, [] {
            auto* box = qobject_cast<QInputDialog*>(QApplication::activeModalWidget());
            QVERIFY(box);
            box->setTextValue(QStringLiteral("cancelled"));
            box->reject();
        });
        QCOMPARE(saveSessionDialog(nullptr, store_, dialogs, kWhen), SaveOutcome::NothingWritten);
        QVERIFY(!QFile::exists(QStringLiteral("cancelled.pll")));
    }
};

QTEST_MAIN(TestSaveSession)
#include "test_save_session.moc"
