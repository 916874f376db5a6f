#pragma once
// One tick of the Turing machine (TuringStep). Each tick executes the command
// the tick before showed, then shows the next one: its cell is made current
// and its description goes to the message panel. The first tick of a run only
// shows the first command. Stops and errors break the run before their dialog
// opens; the step panel then shows the number of the command that ran or
// failed, as the Post machine's does.

class Workbench;

void TuringStep(Workbench& bench);
