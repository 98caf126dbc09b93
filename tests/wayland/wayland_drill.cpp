// SPDX-License-Identifier: GPL-3.0-or-later
// The trainer's main window on a Wayland compositor: the compositor maps it, and a whole drill runs in
// it. Wayland lets no client press another's buttons, so the presses are handed to the window through
// Qt's own event delivery, the way its widgets receive them from the compositor's input events.
#include <QtTest>

#include "app/CasePick.h"
#include "ui/Form1.h"

using namespace kestive;
using namespace kestive::ui;

class WaylandDrill : public QObject {
    Q_OBJECT
private slots:
    void windowAppearsAndADrillIsKept() {
        QCOMPARE(QGuiApplication::platformName(), QStringLiteral("wayland"));
        ClockSeededRandom random;
        Form1 form(random, workPlaceIn(std::filesystem::current_path()));
        form.load();
        QVERIFY(QTest::qWaitForWindowExposed(&form));  // the compositor configured and showed it
        const TrainerState& state = form.trainer().state();

        form.WaitTime->setText(QStringLiteral("0"));
        QTest::mouseClick(form.Command1, Qt::LeftButton);  // START: returns once the case is shown
        QCOMPARE(state.drillState, 1);
        QTest::qWait(400);  // the running time shows in the big label meanwhile
        QVERIFY2(form.Label1->text() != QStringLiteral("0.00"), qPrintable(form.Label1->text()));
        QTest::mouseClick(form.Command1, Qt::LeftButton);  // STOP
        QVERIFY2(state.lastTime >= 400, qPrintable(QString::number(state.lastTime)));
        QTest::mouseClick(form.Command2, Qt::LeftButton);  // Accept
        QCOMPARE(state.store.timeCount(state.currentCase), 1);
    }
};

QTEST_MAIN(WaylandDrill)
#include "wayland_drill.moc"
