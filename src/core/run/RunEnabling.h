#pragma once
// The enabling pattern of the run commands as a pure function: which
// controls Run, Step, Pause and Break switch on and off, given the states
// before and the facts of the current machine and tape the rules read. It
// touches nothing; the run controller applies and announces the result.

#include "core/machine/MachineKind.h"
#include "core/run/ControlStates.h"

enum class RunCommand { RunContinuous, RunStep, Pause, Break };

// What the pattern reads of the current machine and its tape.
struct EnablingFacts {
    MachineKind current = MachineKind::Post;
    bool memorised = false;     // the tape has a memorised copy
    bool leftBoundFar = false;  // the lowest used cell lies left of the tape window
    bool rightBoundFar = false;
    bool canStepBack = false;  // a paused run with a tick to take back
};

ControlStates EnablingAfter(RunCommand command, const ControlStates& before,
                            const EnablingFacts& facts);
