#pragma once
// How a run that came back to a configuration it had been in ends: as an
// error, with the alert, the error dialog with its help topic and the
// message panel's text, but paused rather than broken, with the machine put
// back on the first step that repeats the loop (M + K) and the ticks that
// led there recorded, so that "Шаг назад" walks back through the loop.
// OutcomeReporter hands it the outcome LoopFinder returned; it changes the
// run state only through the run controller's own commands.

#include "core/machine/MachineHost.h"
#include "core/machine/StepOutcome.h"

class Machine;
class RunController;

class LoopReporter {
public:
    LoopReporter(RunController& run, MachineHost& host) : run_(run), host_(host) {}

    // `outcome` is the loop `machine`'s run was found in.
    void Report(Machine& machine, const StepOutcome& outcome);

private:
    // Puts the machine on step `target` of its run: the ticks past it taken
    // back when the step history holds them all, else the run made again
    // from where its loop finder began watching, as the ticks on screen made
    // it.
    void ReplayTo(Machine& machine, qint64 target);

    RunController& run_;
    MachineHost& host_;
};
