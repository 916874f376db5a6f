#include "core/run/LoopReporter.h"

#include "core/machine/Machine.h"
#include "core/machine/StatusLine.h"
#include "core/port/Ui.h"
#include "core/run/RunController.h"
#include "core/text/Language.h"

void LoopReporter::Report(Machine& machine, const StepOutcome& outcome) {
    // The timer stops before the dialog opens, so no tick comes in under it.
    run_.PauseAfterStep(machine);
    const ErrorTexts texts = TextsOf(outcome);
    Ui& ui = host_.UiPort();
    ui.Beep();
    if (ui.ShowMessageDialog({MessageKind::ErrorWithHelp, Tr("LoopReporter", "Ошибка"),
                              texts.dialog}) == DialogAnswer::Help) {
        ui.ShowHelpTopic(texts.helpTopic);
    }
    ReplayTo(machine, outcome.loopStart + outcome.loopLength);
    host_.Status().SetText(StatusLine::Message, texts.status);
}

void LoopReporter::ReplayTo(Machine& machine, qint64 target) {
    MachineRun& run = run_.runs_[machine.Kind()];
    LoopFinder& loops = run.loops;
    // The interpreter's own writes, as a step back's: not an edit of the
    // program.
    machine.NameEdit(EditKind::Run);
    const qint64 back = run.position.steps - target;
    if (back >= 0 && qint64(run.history.Size()) >= back) {
        // The ticks past the target are in the history: taken back, the
        // ones before stay for stepping further back.
        host_.HoldViewUpdates(true);
        run.history.TakeBack(machine, run.position, run_.status_, back);
        host_.HoldViewUpdates(false);
        for (qint64 i = 0; i < back; ++i) {
            run.tapeHistory.TakeBack();
        }
        loops.Reset();
        run_.NotifyRunView();
        run_.SetBusy(false);
        run_.RefreshStepBack();
        return;
    }
    TapeStore& tape = machine.tape;
    // A tape the run never wrote is left alone, so that a loop which
    // writes nothing does not mark the document modified.
    if (!tape.SameCells(tape.Saved(), loops.StartTape())) {
        tape.PutBack(loops.StartTape());
    }
    run.position = loops.StartPosition();
    run_.ClearHistory(run);
    if (run_.recordTape_) {
        // The tape's history starts again with the replay, as with a run.
        run.tapeHistory.Begin(machine.tape, run.position);
    }
    loops.SetEnabled(false);
    // Each tick is recorded as it runs, the last HistoryLimit of them kept.
    const qint64 ticks = target - run.position.steps;
    if (ticks > 0) {
        // The replay passes over breakpoints: the run it makes again did.
        run_.stopsHeld_ = true;
        run_.RunTicks(machine, ticks);
        run_.stopsHeld_ = false;
    }
    loops.SetEnabled(true);
    run_.SetBusy(false);
    run_.RefreshStepBack();
}
