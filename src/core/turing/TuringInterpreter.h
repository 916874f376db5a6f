#pragma once
// One tick of the Turing machine (TuringStep). Each tick executes the command
// the tick before showed, then shows the next one: its cell becomes the
// table's current cell and its description the message. The first tick of a
// run only shows the first command. A tick changes only the tape and the
// position and returns what happened; when it ends the run, the step panel
// shows the number of the command that ran or failed, as the Post machine's
// does.

#include "core/machine/RunPosition.h"
#include "core/machine/StepOutcome.h"

class TapeStore;
class TuringSymbols;
class TuringTable;

StepOutcome TuringStep(TuringTable& table, const TuringSymbols& symbols, RunPosition& position,
                       TapeStore& tape);
