// The shared state: each machine keeps its own flags, and the status line
// shows the current machine's.

#include <QtTest>

#include "core/port/ScriptedUi.h"
#include "core/run/RunController.h"
#include "core/workbench/InterpreterSwitch.h"
#include "core/workbench/Workbench.h"

class TestWorkbench : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void startState();
    void flagsBelongToTheirMachine();
    void switchingShowsTheEnteredMachine();
    void switchingDuringAPendingStepPausesTheRunLeft();
    void pausedRunLooksTheSameAfterASwitch_data();
    void pausedRunLooksTheSameAfterASwitch();
};

void TestWorkbench::startState() {
    ScriptedUi ui;
    Workbench bench(ui);
    QCOMPARE(bench.Kind(), MachineKind::Post);
    const QStringList texts = {QString(), QStringLiteral("шаг:"), QStringLiteral("мин:"),
                               QStringLiteral("макс:"), QString()};
    for (int i = 0; i < Workbench::StatusPanelCount; ++i) {
        QCOMPARE(bench.StatusText(i), texts[i]);
    }
    QCOMPARE(bench.Post().tape.CarriagePos(), 0);
    QCOMPARE(bench.Turing().tape.CarriagePos(), 14);
    QVERIFY(bench.Post().tape.IsEmpty() && bench.Turing().tape.IsEmpty());
    QVERIFY(!bench.RunControl().RunStarted() && !bench.RunControl().StepMode());
}

void TestWorkbench::flagsBelongToTheirMachine() {
    ScriptedUi ui;
    Workbench bench(ui);
    bench.SetKind(MachineKind::Turing);
    bench.SetModified(true);
    QCOMPARE(bench.StatusText(Workbench::PanelModified), QStringLiteral("Изменен"));
    QVERIFY(!bench.Post().Modified());

    // A tape write on the machine that is not shown flags that machine but
    // leaves the status line to the current one.
    bench.SetModified(false);
    bench.Post().tape.SetPostCell(3, true);
    QVERIFY(bench.Post().Modified());
    QCOMPARE(bench.StatusText(Workbench::PanelModified), QString());
    QCOMPARE(bench.StatusText(Workbench::PanelMin), QStringLiteral("мин:"));

    bench.SetKind(MachineKind::Post);
    bench.RunControl().SetEditedSinceStart(bench.Current(), true);
    QVERIFY(bench.RunControl().EditedSinceStart(bench.Post()));
    QVERIFY(!bench.RunControl().EditedSinceStart(bench.Turing()));

    // The edit prologue sets edited-since-start only while a run is active.
    bench.RunControl().SetEditedSinceStart(bench.Post(), false);
    bench.NoteEdit();
    QVERIFY(!bench.RunControl().EditedSinceStart(bench.Post()));
    bench.RunControl().Run();
    bench.RunControl().Pause();
    bench.NoteEdit();
    QVERIFY(bench.RunControl().EditedSinceStart(bench.Post()));
}

void TestWorkbench::switchingShowsTheEnteredMachine() {
    ScriptedUi ui;
    Workbench bench(ui);
    bench.Post().tape.SetPostCell(-3, true);  // the Post document is modified
    bench.Post().tape.Memorise();
    bench.SetStatusText(Workbench::PanelMessage, QStringLiteral("старое"));

    SwitchInterpreter(bench, MachineKind::Turing);
    QCOMPARE(bench.Kind(), MachineKind::Turing);
    QCOMPARE(bench.StatusText(Workbench::PanelModified), QString());
    QCOMPARE(bench.StatusText(Workbench::PanelMin), QStringLiteral("min: "));
    QCOMPARE(bench.StatusText(Workbench::PanelStep), QStringLiteral("Шаг:"));
    QCOMPARE(bench.StatusText(Workbench::PanelMessage), QString());
    QCOMPARE(bench.saveDialog.title, QStringLiteral("Сохранение Машины Тьюринга"));
    const ControlStates& c = bench.RunControl().Controls();
    QVERIFY(!c.restoreTape && !c.mark && c.writeSymbol && c.changeSymbol);

    SwitchInterpreter(bench, MachineKind::Post);
    QCOMPARE(bench.StatusText(Workbench::PanelModified), QStringLiteral("Изменен"));
    QCOMPARE(bench.StatusText(Workbench::PanelMin), QStringLiteral("min: -3"));
    QVERIFY(bench.RunControl().Controls().restoreTape);
    QVERIFY(bench.Post().Modified() && !bench.Turing().Modified());
    QCOMPARE(bench.saveDialog.filter, QStringLiteral("Машина Поста|*.pst"));
}

void TestWorkbench::switchingDuringAPendingStepPausesTheRunLeft() {
    ScriptedUi ui;
    Workbench bench(ui);
    bench.Post().table.SetCode(1, QStringLiteral("2"));
    bench.Post().table.SetCell(PostTable::ColJump, 1, QStringLiteral("1"));
    RunController& run = bench.RunControl();
    run.Step();  // the step is pending: the interpreter menu is still on
    QVERIFY(run.Controls().menuInterpreter);
    SwitchInterpreter(bench, MachineKind::Turing);
    // The Post timer no longer ticks behind the Turing machine's back.
    QVERIFY(!run.PostRunTimer().isActive());
    QVERIFY(bench.RunControl().Active(bench.Post()) && !bench.RunControl().StepMode());
    // The idle Turing machine shows Run on, Pause and Break off, its views on.
    QVERIFY(run.Controls().runRun && !run.Controls().runPause && !run.Controls().runBreak);
    QVERIFY(run.Controls().goToBox && run.Controls().turingTable);
    // Back on the Post machine its paused run can be broken.
    SwitchInterpreter(bench, MachineKind::Post);
    QCOMPARE(run.State(), RunController::RunState::Paused);
    QVERIFY(run.Controls().runBreak && run.Controls().runRun);
}

void TestWorkbench::pausedRunLooksTheSameAfterASwitch_data() {
    QTest::addColumn<bool>("post");
    QTest::addColumn<bool>("stepped");  // single steps, else a continuous run paused
    QTest::newRow("post run paused") << true << false;
    QTest::newRow("post single step") << true << true;
    QTest::newRow("turing run paused") << false << false;
    QTest::newRow("turing single step") << false << true;
}

// The enabling pattern keeps some controls from the commands before (a
// paused continuous run keeps the go-to box off, single steps keep it on,
// and both keep button 9 "Прервать" on); leaving the machine and coming
// back must show the same.
void TestWorkbench::pausedRunLooksTheSameAfterASwitch() {
    QFETCH(bool, post);
    QFETCH(bool, stepped);
    ScriptedUi ui;
    Workbench bench(ui);
    const MachineKind kind = post ? MachineKind::Post : MachineKind::Turing;
    const MachineKind other = post ? MachineKind::Turing : MachineKind::Post;
    SwitchInterpreter(bench, kind);
    if (post) {
        bench.Post().table.SetCode(1, QStringLiteral("2"));  // right, forever
        bench.Post().table.SetCell(PostTable::ColJump, 1, QStringLiteral("1"));
    } else {
        bench.Turing().table.SetCell(1, 1, QStringLiteral("_>0"));
    }
    RunController& run = bench.RunControl();
    for (int i = 0; i < 3; ++i) {
        stepped ? run.Step() : run.Run();
        run.Tick(bench.Current());
    }
    if (!stepped)
        run.Pause();
    QCOMPARE(run.State(), RunController::RunState::Paused);
    const ControlStates before = run.Controls();
    QVERIFY(before.runBreak);
    QCOMPARE(before.goToBox, stepped);

    SwitchInterpreter(bench, other);
    SwitchInterpreter(bench, kind);
    QVERIFY(run.Controls() == before);
}

QTEST_GUILESS_MAIN(TestWorkbench)
#include "test_workbench.moc"
