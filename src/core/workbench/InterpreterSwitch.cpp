#include "core/workbench/InterpreterSwitch.h"

#include "core/run/RunController.h"
#include "core/workbench/Workbench.h"

void SwitchInterpreter(Workbench& bench, MachineKind kind) {
    bench.run().LeaveMachine();
    bench.SetKind(kind);
    bench.run().ShowRunStateOfCurrent();
    bench.ConfigureSaveDialog();
    Machine& machine = bench.Current();

    ControlStates controls = bench.run().Controls();
    controls.toolButton[5] = machine.tape.Memorised().present;
    const bool post = kind == MachineKind::Pst;
    controls.toolButton[10] = post;
    controls.toolButton[11] = !post;
    controls.toolButton[12] = !post;
    bench.run().SetControls(controls);

    TapeStore& tape = machine.tape;
    bench.Status().SetBounds(
        tape.IsEmpty() ? StatusLine::Bounds::Empty : StatusLine::Bounds::Numbers, tape.UsedMin(),
        tape.UsedMax());
    bench.SetStatusText(Workbench::PanelMessage, QString());
    bench.SetStatusText(Workbench::PanelStep, QStringLiteral("Шаг:"));
    bench.run().RefreshBoundButtons();
    // Shows the entered machine's own flag in panel 4 without changing it.
    bench.SetModified(machine.Modified());
}
