#pragma once
// The Post machine's own data: its two-sided tape and flags (from Machine),
// its program table and the interpreter's position:
// the row announced next and the ticks since the fresh start.

#include "core/machine/Machine.h"
#include "core/post/PostTable.h"

class PostMachine : public Machine {
    Q_OBJECT
public:
    explicit PostMachine(Workbench& bench) : Machine(bench, MachineKind::Pst) {}

    PostTable table;

    int currentRow = 1;  // PostCurrentRow
    int stepCount = 0;   // PostStepCount
};
