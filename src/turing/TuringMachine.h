#pragma once
// The Turing machine's own data: its one-sided tape and flags, with its
// alphabet, state table and texts to come beside them.

#include "app/Machine.h"

class TuringMachine : public Machine {
public:
    explicit TuringMachine(Workbench& bench) : Machine(bench, MachineKind::Tur) {}
};
