#pragma once
// The Turing machine's own data: its one-sided tape and flags, with its
// alphabet, state table and texts, and the interpreter's position.

#include "app/Machine.h"
#include "app/TextTable.h"

class TuringMachine : public Machine {
public:
    explicit TuringMachine(Workbench& bench) : Machine(bench, MachineKind::Tur) {}

    TextTable table{6, 2};

    int state = 0;      // TuringState
    int stepCount = 0;  // TuringStepCount

    void ClearTable() {}
    void ClearRow() {}
    void ClearColumn() {}
};
