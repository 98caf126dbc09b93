// The About window: layout, texts, fonts and colours, and that "Close" and the title bar only hide it.
#include <QFontMetrics>
#include <QPointer>
#include <QtTest>

#include "ui/Form3.h"

using kestive::ui::Form3;

class TestForm3 : public QObject {
    Q_OBJECT

  private slots:
    void layoutAndTexts() {
        Form3 about(nullptr);
        QCOMPARE(about.windowTitle(), QStringLiteral("About"));
        QCOMPARE(about.size(), QSize(310, 275));  // 4650 x 4125 twips
        struct Expect {
            QLabel* label;
            QRect place;
            QString text;
        };
        const QList<Expect> labels{
            {about.Label2, QRect(64, 8, 185, 33), QStringLiteral("Kestive")},
            {about.Label1, QRect(48, 40, 225, 25), QString()},
            {about.Label6, QRect(144, 64, 153, 17), QStringLiteral("...but really, i'm not that bad :)")},
            {about.Label3, QRect(112, 96, 81, 17), QStringLiteral("Version 1.21")},
            {about.Label7, QRect(8, 120, 297, 57),
             QStringLiteral("NOTE: If you don't like the angle at which the OLL's are shown, you can rotate "
                            "them using Windows image viewer. They are all located in the folder of this "
                            "program. The program merely loads in those images from the folder.")},
            {about.Label4, QRect(8, 184, 289, 17), QString()},
            {about.Label5, QRect(8, 200, 289, 17), QString()},
        };
        for (const Expect& e : labels) {
            QCOMPARE(e.label->geometry(), e.place);
            if (!e.text.isEmpty()) QCOMPARE(e.label->text(), e.text);
            QVERIFY(e.label->alignment() & Qt::AlignLeft);
            QVERIFY(e.label->alignment() & Qt::AlignTop);
            QCOMPARE(e.label->focusPolicy(), Qt::NoFocus);
        }
        QCOMPARE(about.Command1->geometry(), QRect(104, 232, 105, 33));
        QCOMPARE(about.Command1->text(), QStringLiteral("Close"));
        QVERIFY(!about.Command1->autoDefault());
        QVERIFY(!about.Command1->isDefault());

        QCOMPARE(about.Label2->font().pixelSize(), 32);  // 24 pt
        QVERIFY(about.Label2->font().bold());
        QCOMPARE(about.Label2->palette().color(QPalette::WindowText), QColor(0, 0, 192));
        QCOMPARE(about.Label1->font().pixelSize(), 18);  // 13.5 pt
        QVERIFY(about.Label1->font().bold());
        QCOMPARE(about.Label1->palette().color(QPalette::WindowText), QColor(192, 0, 0));
        QCOMPARE(about.Label7->palette().color(QPalette::WindowText), QColor(192, 0, 192));
        QCOMPARE(about.Label6->font().pixelSize(), 11);  // 8.25 pt
        QVERIFY(!about.Label6->font().bold());

        // The rule: one pixel of window-text colour across the whole window, 1680 twips down.
        QCOMPARE(about.Line1->geometry(), QRect(0, 112, 312, 1));
        QCOMPARE(about.Line1->palette().color(QPalette::Window), about.palette().color(QPalette::WindowText));
        QVERIFY(about.Line1->autoFillBackground());
    }

    void ownTextsSayWhatTheyShouldAndFitOnOneLine() {
        Form3 about(nullptr);
        // The credit and the contact lines are ours: present, free of personal data, and one line each.
        QVERIFY(!about.Label1->text().isEmpty());
        QVERIFY(about.Label4->text().contains(QStringLiteral("Home"), Qt::CaseInsensitive));
        QVERIFY(about.Label5->text().contains(QStringLiteral("issue"), Qt::CaseInsensitive));
        for (QLabel* l :
             {about.Label1, about.Label2, about.Label3, about.Label4, about.Label5, about.Label6}) {
            const QFontMetrics fm(l->font());
            QVERIFY2(fm.horizontalAdvance(l->text()) <= l->width(), qPrintable(l->text()));
            // The ink of the text, from the label's top edge, ends inside the label.
            QVERIFY2(fm.ascent() + fm.tightBoundingRect(l->text()).bottom() <= l->height(),
                     qPrintable(l->text()));
            QVERIFY(!l->text().contains(QLatin1Char('@')));
        }
        // The note wraps within its label without being cut off.
        const QFontMetrics fm(about.Label7->font());
        const QRect needed = fm.boundingRect(QRect(0, 0, about.Label7->width(), 10000), Qt::TextWordWrap,
                                             about.Label7->text());
        QVERIFY2(needed.height() <= about.Label7->height(), qPrintable(QString::number(needed.height())));
    }

    void onlyCloseTakesTheFocus() {
        Form3 about(nullptr);
        int focusable = 0;
        for (QWidget* w : about.findChildren<QWidget*>())
            if (w->focusPolicy() & Qt::TabFocus) ++focusable;
        QCOMPARE(focusable, 1);
        QVERIFY(about.Command1->focusPolicy() & Qt::TabFocus);
    }

    void closeAndTitleBarHideButKeepTheWindow() {
        auto* owner = new QWidget;
        QPointer<Form3> about = new Form3(owner);
        QVERIFY(about->isWindow());
        about->present();
        QVERIFY(about->isVisible());
        QTest::mouseClick(about->Command1, Qt::LeftButton);
        QVERIFY(!about->isVisible());
        about->present();
        QVERIFY(about->close());
        QVERIFY(!about->isVisible());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!about.isNull());
        delete owner;
        QVERIFY(about.isNull());
    }
};

QTEST_MAIN(TestForm3)
#include "test_form3.moc"
