// The load-session dialog: its layout, the list of session files, and what "load" and "Cancel" do.
#include <QDir>
#include <QFile>
#include <QPointer>
#include <QTemporaryDir>
#include <QtTest>

#include "ui/Form2.h"

using kestive::ui::Form2;

namespace {

void touch(const QString& path) {
    QFile f(path);
    QVERIFY2(f.open(QIODevice::WriteOnly), qPrintable(path));
    f.write("recorded on x\r\n");
}

// The next control that Tab reaches from w.
QWidget* nextTabStop(QWidget* w) {
    for (QWidget* n = w->nextInFocusChain(); n != w; n = n->nextInFocusChain())
        if ((n->focusPolicy() & Qt::TabFocus) && n->isVisibleTo(w->window())) return n;
    return w;
}

QStringList listed(const Form2& dialog) {
    QStringList names;
    for (int i = 0; i < dialog.File1->count(); ++i) names << dialog.File1->item(i)->text();
    return names;
}

}  // namespace

class TestForm2 : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;
    QString previous_;

  private slots:
    void init() {
        QVERIFY(dir_.isValid());
        previous_ = QDir::currentPath();
        QDir d(dir_.path());
        d.removeRecursively();
        QVERIFY(QDir().mkpath(dir_.path()));
        QVERIFY(QDir::setCurrent(dir_.path()));
    }
    void cleanup() { QDir::setCurrent(previous_); }

    void layoutFollowsTheDesign() {
        Form2 dialog(nullptr);
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Load..."));
        QCOMPARE(dialog.size(), QSize(197, 254));  // 2955 x 3810 twips
        QCOMPARE(dialog.File1->geometry(), QRect(8, 8, 177, 145));
        QCOMPARE(dialog.Command1->geometry(), QRect(8, 160, 177, 41));
        QCOMPARE(dialog.Command2->geometry(), QRect(8, 208, 177, 41));
        QCOMPARE(dialog.Command1->text(), QStringLiteral("load"));
        QCOMPARE(dialog.Command2->text(), QStringLiteral("Cancel"));
        for (QPushButton* b : {dialog.Command1, dialog.Command2}) {
            QVERIFY(!b->isDefault());
            QVERIFY(!b->autoDefault());
        }
        QVERIFY(dialog.autoFillBackground());
        QCOMPARE(dialog.font().pixelSize(), 11);  // 8.25 pt at 96 dots per inch
        QCOMPARE(QFontInfo(dialog.font()).family(), QStringLiteral("Liberation Sans"));
        QVERIFY(dialog.windowFlags() & Qt::WindowMinMaxButtonsHint);
        // Tab order: list, "load", "Cancel".
        QCOMPARE(nextTabStop(dialog.File1), static_cast<QWidget*>(dialog.Command1));
        QCOMPARE(nextTabStop(dialog.Command1), static_cast<QWidget*>(dialog.Command2));
        QCOMPARE(nextTabStop(dialog.Command2), static_cast<QWidget*>(dialog.File1));
        QVERIFY(!dialog.isVisible());  // shown only when asked
    }

    // The background is the system's button face and the text its button text, not the window colours.
    void coloursAreThoseOfButtons() {
        const QPalette standard = QApplication::palette();
        QPalette odd = standard;
        odd.setColor(QPalette::Window, Qt::white);
        odd.setColor(QPalette::WindowText, Qt::black);
        odd.setColor(QPalette::Button, QColor(200, 180, 160));
        odd.setColor(QPalette::ButtonText, QColor(20, 40, 60));
        QApplication::setPalette(odd);
        Form2 dialog(nullptr);
        QApplication::setPalette(standard);
        QCOMPARE(dialog.palette().color(QPalette::Window), QColor(200, 180, 160));
        QCOMPARE(dialog.palette().color(QPalette::WindowText), QColor(20, 40, 60));
    }

    void listShowsOnlySessionFilesWithoutFolder() {
        touch(QStringLiteral("dec13.pll"));
        touch(QStringLiteral("Alpha.pll"));
        touch(QStringLiteral("dec13.pll.pll"));
        touch(QStringLiteral(" .pll"));       // an answer of one blank
        touch(QStringLiteral(".quiet.pll"));  // an answer starting with a dot
        touch(QStringLiteral("notes.txt"));
        touch(QStringLiteral("old.pll.bak"));
        touch(QStringLiteral("pll"));
        QVERIFY(QDir().mkdir(QStringLiteral("folder.pll")));  // a folder is no session file
        QVERIFY(QDir().mkdir(QStringLiteral("sub")));
        touch(QStringLiteral("sub/inner.pll"));

        Form2 dialog(nullptr);
        const QStringList names = listed(dialog);
        QCOMPARE(names, (QStringList{QStringLiteral(" .pll"), QStringLiteral(".quiet.pll"),
                                     QStringLiteral("Alpha.pll"), QStringLiteral("dec13.pll"),
                                     QStringLiteral("dec13.pll.pll")}));
        QCOMPARE(Form2::sessionFileNames(QDir(QStringLiteral("sub"))),
                 QStringList{QStringLiteral("inner.pll")});
    }

    void emptyFolderGivesEmptyListAndUsableButtons() {
        int calls = 0;
        Form2 withHandler(nullptr, [&](const QString&) {
            ++calls;
            return true;
        });
        withHandler.present();
        QCOMPARE(withHandler.File1->count(), 0);
        QVERIFY(withHandler.Command1->isEnabled());
        QVERIFY(withHandler.Command2->isEnabled());
        QTest::mouseClick(withHandler.Command1, Qt::LeftButton);
        QCOMPARE(calls, 0);
        QVERIFY(withHandler.isVisible());  // nothing to load: the dialog stays
        QTest::mouseClick(withHandler.Command2, Qt::LeftButton);
        QVERIFY(!withHandler.isVisible());
    }

    void listIsReadAgainEachTimeItIsShown() {
        touch(QStringLiteral("a.pll"));
        Form2 dialog(nullptr);
        dialog.present();
        dialog.File1->setCurrentRow(0);
        QCOMPARE(dialog.selectedName(), QStringLiteral("a.pll"));
        dialog.Command2_Click();
        touch(QStringLiteral("b.pll"));  // saved while the dialog was hidden
        dialog.present();
        QCOMPARE(listed(dialog), (QStringList{QStringLiteral("a.pll"), QStringLiteral("b.pll")}));
        QCOMPARE(dialog.selectedName(), QStringLiteral("a.pll"));  // the pick survives the re-read
        QVERIFY(QFile::remove(QStringLiteral("a.pll")));
        dialog.present();  // shown again while already open: read again
        QCOMPARE(listed(dialog), QStringList{QStringLiteral("b.pll")});
        QCOMPARE(dialog.selectedName(), QString());
    }

    void loadPassesTheBareNameAndHidesOnlyOnSuccess() {
        touch(QStringLiteral("good.pll"));
        touch(QStringLiteral("bad.pll"));
        QStringList asked;
        Form2 dialog(nullptr, [&](const QString& name) {
            asked << name;
            return name == QStringLiteral("good.pll");
        });
        dialog.present();

        // No entry selected: nothing happens.
        QTest::mouseClick(dialog.Command1, Qt::LeftButton);
        QVERIFY(asked.isEmpty());
        QVERIFY(dialog.isVisible());

        // Selecting, even by double-click, does not load.
        QListWidgetItem* bad = dialog.File1->findItems(QStringLiteral("bad.pll"), Qt::MatchExactly).front();
        const QRect badRect = dialog.File1->visualItemRect(bad);
        QTest::mouseDClick(dialog.File1->viewport(), Qt::LeftButton, {}, badRect.center());
        QCOMPARE(dialog.selectedName(), QStringLiteral("bad.pll"));
        QVERIFY(asked.isEmpty());
        // Enter in the list presses no button either, and Escape closes nothing.
        dialog.File1->setFocus();
        QTest::keyClick(dialog.File1, Qt::Key_Return);
        QTest::keyClick(dialog.File1, Qt::Key_Escape);
        QVERIFY(asked.isEmpty());
        QVERIFY(dialog.isVisible());

        // A failed load leaves the dialog open for another pick.
        QTest::mouseClick(dialog.Command1, Qt::LeftButton);
        QCOMPARE(asked, QStringList{QStringLiteral("bad.pll")});
        QVERIFY(dialog.isVisible());

        dialog.File1->setCurrentItem(
            dialog.File1->findItems(QStringLiteral("good.pll"), Qt::MatchExactly).front());
        QTest::mouseClick(dialog.Command1, Qt::LeftButton);
        QCOMPARE(asked, (QStringList{QStringLiteral("bad.pll"), QStringLiteral("good.pll")}));
        QVERIFY(!dialog.isVisible());
    }

    void cancelHidesWithoutLoading() {
        touch(QStringLiteral("a.pll"));
        int calls = 0;
        Form2 dialog(nullptr, [&](const QString&) {
            ++calls;
            return true;
        });
        dialog.present();
        dialog.File1->setCurrentRow(0);
        QTest::mouseClick(dialog.Command2, Qt::LeftButton);
        QCOMPARE(calls, 0);
        QVERIFY(!dialog.isVisible());
    }

    void titleBarCloseHidesAndTheOwnerDestroys() {
        touch(QStringLiteral("a.pll"));
        auto* owner = new QWidget;
        QPointer<Form2> dialog = new Form2(owner);
        QVERIFY(dialog->isWindow());
        dialog->present();
        dialog->File1->setCurrentRow(0);
        QVERIFY(dialog->close());
        QVERIFY(!dialog->isVisible());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!dialog.isNull());  // hidden, not destroyed
        dialog->present();
        QCOMPARE(dialog->selectedName(), QStringLiteral("a.pll"));  // comes back as it was
        delete owner;
        QVERIFY(dialog.isNull());
    }
};

QTEST_MAIN(TestForm2)
#include "test_form2.moc"
