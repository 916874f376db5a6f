#pragma once
// What switching the interpreter does to the shared state: the machine
// becomes current, the save dialog takes its settings, the restore controls
// and the machine's own toolbar buttons follow it, and the status line shows
// its used bounds and modified flag. No flag of either machine changes, and
// the machine left behind keeps everything, a paused run included. The
// window adds its part (views, menus, title, focus) around this.

#include "core/machine/MachineKind.h"

class Workbench;

void SwitchInterpreter(Workbench& bench, MachineKind kind);
