#pragma once
// The Post machine's own data: its two-sided tape and flags, with its program
// table and texts to come beside them.

#include "app/Machine.h"

class PostMachine : public Machine {
public:
    explicit PostMachine(Workbench& bench) : Machine(bench, MachineKind::Pst) {}
};
