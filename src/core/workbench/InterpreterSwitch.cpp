#include "core/workbench/InterpreterSwitch.h"

#include "core/run/RunController.h"
#include "core/text/Language.h"
#include "core/workbench/Workbench.h"

void SwitchInterpreter(Workbench& bench, MachineKind kind) {
    bench.RunControl().LeaveMachine();
    bench.SetKind(kind);
    bench.RunControl().ShowRunStateOfCurrent();
    bench.ConfigureSaveDialog();
    Machine& machine = bench.Current();

    ControlStates controls = bench.RunControl().Controls();
    controls.restoreTape = machine.tape.HasMemorised();
    const bool post = kind == MachineKind::Post;
    controls.mark = post;
    controls.writeSymbol = !post;
    controls.changeSymbol = !post;
    bench.RunControl().SetControls(controls);

    TapeStore& tape = machine.tape;
    bench.Status().SetBounds(
        tape.IsEmpty() ? StatusLine::Bounds::Empty : StatusLine::Bounds::Numbers, tape.UsedMin(),
        tape.UsedMax());
    bench.SetStatusText(Workbench::PanelMessage, QString());
    bench.SetStatusText(Workbench::PanelStep, Tr("InterpreterSwitch", "Шаг:"));
    bench.RunControl().RefreshBoundButtons();
    // Shows the entered machine's own flag in the modified-flag panel
    // without changing it.
    bench.SetModified(machine.Modified());
}
