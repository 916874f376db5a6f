#pragma once
// What a machine needs from the object that holds both machines (the
// Workbench), seen from below: which machine is shown, the status line that
// shows it, the Ui port, and where an edit of a machine is told so that a
// paused run knows its program or tape changed. The run controller reaches
// the machines through the same face.

#include "core/machine/MachineKind.h"

class Machine;
class StatusLine;
class Ui;

class MachineHost {
public:
    virtual ~MachineHost() = default;

    virtual Ui& UiPort() const = 0;
    virtual StatusLine& Status() = 0;
    virtual Machine& MachineOf(MachineKind kind) = 0;
    virtual Machine& Current() = 0;
    // An edit of `machine`'s program or tape: its run, when active, has been
    // edited since it started.
    virtual void MachineEdited(Machine& machine) = 0;
    // A cell, the carriage or the bounds of `machine`'s tape changed.
    virtual void MachineTapeChanged(Machine& machine) = 0;
    // While held, the tape's and the status line's changes are kept from
    // the views and told once when released: a run at full speed makes
    // thousands of them between two pictures.
    virtual void HoldViewUpdates(bool on) = 0;
};
