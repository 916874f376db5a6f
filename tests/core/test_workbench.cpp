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
};

void TestWorkbench::startState() {
    ScriptedUi ui;
    Workbench bench(ui);
    QCOMPARE(MachineKindText(bench.Kind()), QStringLiteral("Pst"));
    const QStringList texts = {QString(), QStringLiteral("шаг:"), QStringLiteral("мин:"),
                               QStringLiteral("макс:"), QString()};
    for (int i = 0; i < Workbench::StatusPanelCount; ++i) {
        QCOMPARE(bench.StatusText(i), texts[i]);
    }
    QCOMPARE(bench.Post().tape.CarriagePos(), 0);
    QCOMPARE(bench.Turing().tape.CarriagePos(), 14);
    QVERIFY(bench.Post().tape.IsEmpty() && bench.Turing().tape.IsEmpty());
    QVERIFY(!bench.run().RunStarted() && !bench.run().StepMode());
}

void TestWorkbench::flagsBelongToTheirMachine() {
    ScriptedUi ui;
    Workbench bench(ui);
    bench.SetKind(MachineKind::Tur);
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

    bench.SetKind(MachineKind::Pst);
    bench.run().SetEditedSinceStart(bench.Current(), true);
    QVERIFY(bench.run().EditedSinceStart(bench.Post()));
    QVERIFY(!bench.run().EditedSinceStart(bench.Turing()));

    // The edit prologue sets edited-since-start only while a run is active.
    bench.run().SetEditedSinceStart(bench.Post(), false);
    bench.NoteEdit();
    QVERIFY(!bench.run().EditedSinceStart(bench.Post()));
    bench.run().Run();
    bench.run().Pause();
    bench.NoteEdit();
    QVERIFY(bench.run().EditedSinceStart(bench.Post()));
}

void TestWorkbench::switchingShowsTheEnteredMachine() {
    ScriptedUi ui;
    Workbench bench(ui);
    bench.Post().tape.SetPostCell(-3, true);  // the Post document is modified
    bench.Post().tape.Memorise();
    bench.SetStatusText(Workbench::PanelMessage, QStringLiteral("старое"));

    SwitchInterpreter(bench, MachineKind::Tur);
    QCOMPARE(bench.Kind(), MachineKind::Tur);
    QCOMPARE(bench.StatusText(Workbench::PanelModified), QString());
    QCOMPARE(bench.StatusText(Workbench::PanelMin), QStringLiteral("min: "));
    QCOMPARE(bench.StatusText(Workbench::PanelStep), QStringLiteral("Шаг:"));
    QCOMPARE(bench.StatusText(Workbench::PanelMessage), QString());
    QCOMPARE(bench.saveDialog.title, QStringLiteral("Сохранение Машины Тьюринга"));
    const ControlStates& c = bench.run().Controls();
    QVERIFY(!c.toolButton[5] && !c.toolButton[10] && c.toolButton[11] && c.toolButton[12]);

    SwitchInterpreter(bench, MachineKind::Pst);
    QCOMPARE(bench.StatusText(Workbench::PanelModified), QStringLiteral("Изменен"));
    QCOMPARE(bench.StatusText(Workbench::PanelMin), QStringLiteral("min: -3"));
    QVERIFY(bench.run().Controls().toolButton[5]);
    QVERIFY(bench.Post().Modified() && !bench.Turing().Modified());
    QCOMPARE(bench.saveDialog.filter, QStringLiteral("Машина Поста|*.pst"));
}

void TestWorkbench::switchingDuringAPendingStepPausesTheRunLeft() {
    ScriptedUi ui;
    Workbench bench(ui);
    bench.Post().table.SetCode(1, QStringLiteral("2"));
    bench.Post().table.SetCell(PostTable::ColJump, 1, QStringLiteral("1"));
    RunController& run = bench.run();
    run.Step();  // the step is pending: the interpreter menu is still on
    QVERIFY(run.Controls().menuInter);
    SwitchInterpreter(bench, MachineKind::Tur);
    // The Post timer no longer ticks behind the Turing machine's back.
    QVERIFY(!run.PostRunTimer().isActive());
    QVERIFY(bench.run().Active(bench.Post()) && !bench.run().StepMode());
    // The idle Turing machine shows Run on, Pause and Break off, its views on.
    QVERIFY(run.Controls().runRun && !run.Controls().runPause && !run.Controls().runBreak);
    QVERIFY(run.Controls().edNum && run.Controls().turingTable);
    // Back on the Post machine its paused run can be broken.
    SwitchInterpreter(bench, MachineKind::Pst);
    QCOMPARE(run.State(), RunController::RunState::Paused);
    QVERIFY(run.Controls().runBreak && run.Controls().runRun);
}

QTEST_GUILESS_MAIN(TestWorkbench)
#include "test_workbench.moc"
