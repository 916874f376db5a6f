#pragma once
// How the end of a run, and every failure, is told to the user. It turns the
// outcome of the tick that ended a run (stopped, failed, carriage off the
// tape) into the alert, Break or Pause, the message dialog and the message
// panel's text, tells the failures of other commands (reading and writing
// documents) the same way, and asks the restart question of a run edited
// since its start. The RunController owns one and keeps the run state; this
// class changes that state only through the controller's own commands. A
// loop found (StepError::Loop) it hands to LoopReporter.

#include <QString>

#include "core/machine/MachineHost.h"
#include "core/machine/StepOutcome.h"
#include "core/port/MessageRequest.h"

class Machine;
class RunController;

class OutcomeReporter {
public:
    OutcomeReporter(RunController& run, MachineHost& host) : run_(run), host_(host) {}

    // The tick that ended `machine`'s run returned `outcome`.
    void Finish(Machine& machine, const StepOutcome& outcome);
    // The refusal of a carriage move off the tape: the alert, the run
    // broken, then the error dialog.
    void ReportOffTape();
    // The alert, the message dialog with "Ок" and "Помощь" (which opens
    // `helpTopic`), then the message panel's `status`.
    void ReportFailure(const QString& caption, const QString& message, int helpTopic,
                       const QString& status);
    // The question before an edited run goes on: Restart, Continue, or any
    // other answer for none.
    DialogAnswer AskRestart();
    // A run at full speed has made another AskEverySteps steps, `steps` in
    // all: true to go on.
    bool AskGoOn(const Machine& machine, qint64 steps);

private:
    void Stopped(Machine& machine);
    void Failed(Machine& machine, const StepOutcome& outcome);

    RunController& run_;
    MachineHost& host_;
};
