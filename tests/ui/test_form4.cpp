// The report window: layout, the text box's look, replacing the text, and hiding.
#include <QPointer>
#include <QScrollBar>
#include <QTextBlock>
#include <QtTest>

#include "stats/Report.h"
#include "ui/Form4.h"

using kestive::ui::Form4;

class TestForm4 : public QObject {
    Q_OBJECT

  private slots:
    void layoutFollowsTheDesign() {
        Form4 report(nullptr);
        QCOMPARE(report.windowTitle(), QStringLiteral("Report"));
        QCOMPARE(report.size(), QSize(606, 469));  // 9090 x 7035 twips
        QCOMPARE(report.Text1->geometry(), QRect(8, 8, 593, 401));
        QCOMPARE(report.Label1->geometry(), QRect(8, 416, 441, 17));
        QCOMPARE(report.Command1->geometry(), QRect(8, 432, 593, 33));
        QCOMPARE(report.Label1->text(), QStringLiteral("Copy Paste the above"));
        QCOMPARE(report.Command1->text(), QStringLiteral("Close"));
        QVERIFY(!report.Command1->autoDefault());
        QVERIFY(!report.Command1->isDefault());
        QVERIFY(report.Text1->toPlainText().isEmpty());

        // Arial 8.25 pt, or its metric twin.
        QCOMPARE(report.Text1->font().pixelSize(), 11);
        QCOMPARE(QFontInfo(report.Text1->font()).family(), QStringLiteral("Liberation Sans"));
        QCOMPARE(report.Text1->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
        QCOMPARE(report.Text1->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
        QCOMPARE(report.Text1->lineWrapMode(), QPlainTextEdit::WidgetWidth);
        QVERIFY(!report.Text1->isReadOnly());
        QCOMPARE(report.Text1->frameShadow(), QFrame::Sunken);
    }

    void textReplacesAndKeepsLineBreaks() {
        Form4 report(nullptr);
        report.setReportText(
            QStringLiteral("avg: 0.65, std: 0.05, num: 2\r\navg: 0.00, std: 0.00, num: 0\r\n"
                           "Total Average: 0.65"));
        QCOMPARE(report.Text1->toPlainText(),
                 QStringLiteral(
                     "avg: 0.65, std: 0.05, num: 2\navg: 0.00, std: 0.00, num: 0\nTotal Average: 0.65"));
        QCOMPARE(report.Text1->document()->blockCount(), 3);
        report.setReportText(QStringLiteral("second\r\n"));
        QCOMPARE(report.Text1->toPlainText(), QStringLiteral("second\n"));
        QVERIFY(!report.Text1->toPlainText().contains(QLatin1Char('\r')));
    }

    // The core's report as the window shows it: one line per case, the total line last when any counts.
    void coreReportShowsLineByLine() {
        Form4 report(nullptr);
        kestive::TimeStore store;
        report.setReportText(QString::fromStdString(kestive::reportText(store, kestive::NumberFormat{})));
        QStringList lines = report.Text1->toPlainText().split(QLatin1Char('\n'));
        QCOMPARE(lines.size(), 58);  // 57 lines, each with its line end
        QVERIFY(lines.back().isEmpty());
        for (int i = 0; i < 57; ++i) QCOMPARE(lines[i], QStringLiteral("avg: 0.00, std: 0.00, num: 0"));

        store.addTime(0, 600, kestive::NumberFormat{});
        store.addTime(0, 700, kestive::NumberFormat{});
        report.setReportText(QString::fromStdString(kestive::reportText(store, kestive::NumberFormat{})));
        lines = report.Text1->toPlainText().split(QLatin1Char('\n'));
        QCOMPARE(lines.size(), 58);
        QCOMPARE(lines.front(), QStringLiteral("avg: 0.65, std: 0.05, num: 2"));
        QCOMPARE(lines[56], QStringLiteral("avg: 0.00, std: 0.00, num: 0"));
        QCOMPARE(lines.back(), QStringLiteral("Total Average: 0.65"));
    }

    void longLinesWrapAtTheBoxWidth() {
        Form4 report(nullptr);
        report.present();
        QString line;
        for (int i = 0; i < 60; ++i) line += QStringLiteral("avg: 0.65 ");
        report.setReportText(line);
        QTRY_VERIFY(report.Text1->document()->firstBlock().layout()->lineCount() > 1);
        QVERIFY(!report.Text1->horizontalScrollBar()->isVisible());
        QVERIFY(!report.Text1->verticalScrollBar()->isVisible());
    }

    void closeHidesAndTheTextStays() {
        auto* owner = new QWidget;
        QPointer<Form4> report = new Form4(owner);
        report->present();
        report->setReportText(QStringLiteral("kept"));
        QTest::mouseClick(report->Command1, Qt::LeftButton);
        QVERIFY(!report->isVisible());
        report->present();
        QVERIFY(report->close());  // the title bar's close
        QVERIFY(!report->isVisible());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!report.isNull());
        QCOMPARE(report->Text1->toPlainText(), QStringLiteral("kept"));
        delete owner;
        QVERIFY(report.isNull());
    }
};

QTEST_MAIN(TestForm4)
#include "test_form4.moc"
