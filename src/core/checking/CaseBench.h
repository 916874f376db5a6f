#pragma once
// A machine that holds one program and runs case after case on it: each
// case's tape is placed on the machine (checked first, so a case that does
// not fit leaves it as it was) and run from a fresh start, on the same step
// code as a run on screen, with a scripted Ui answering every dialog. The
// program is read or put back once, however many cases run, and nothing of
// one run is left for the next but the program itself. The bench is used by
// one thread at a time; each worker of a check makes its own.

#include <functional>

#include "core/checking/CaseRun.h"
#include "core/port/ScriptedUi.h"
#include "core/workbench/Workbench.h"

class CaseBench {
public:
    // An empty Post machine current, to be read into (Bench()).
    CaseBench();
    // A copy of `program` on a `kind` machine.
    CaseBench(MachineKind kind, const MachineContents& program);

    Workbench& Bench() { return bench_; }
    MachineKind Kind() const { return bench_.Kind(); }

    // Puts the case's tape on the machine; returns why it could not instead.
    std::optional<TapeSetupError> Place(const RunCase& runCase);
    // Runs the machine from a fresh start on the tape it holds.
    RunResult Run(const RunLimits& limits, const std::function<void(const TraceTick&)>& trace = {});

    // Places and runs one case and judges it, in the window's words.
    CaseOutcome Check(const RunCase& runCase, const RunLimits& limits);

private:
    ScriptedUi ui_{ScriptedUi::Unplanned::FirstButton};
    Workbench bench_{ui_};
};
