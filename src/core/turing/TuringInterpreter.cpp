// One tick of the Turing machine, TuringMachine::Step. Each tick executes
// the command the tick before showed, then shows the next one: its cell
// becomes the table's current cell and its description the message. The
// first tick of a run only shows the first command (position.at is the
// state whose column holds the command shown next, position.steps its
// number). A tick changes only the tape and the position and returns what
// happened; when it ends the run, the step panel shows the number of the
// command that ran or failed, as the Post machine's does.

#include "core/turing/TuringMachine.h"

#include "core/tape/TapeStore.h"
#include "core/turing/TuringCommand.h"
#include "core/turing/TuringSymbols.h"
#include "core/turing/TuringTable.h"

namespace {

// The row of a tape symbol: the last row for the blank, the alphabet
// position for a symbol, 0 for a symbol outside the alphabet.
int RowOf(const TuringTable& table, const TuringSymbols& symbols, QChar symbol) {
    return symbol == u' ' ? table.RowCount() - 1 : symbols.PositionOf(symbol);
}

// The message describing `cell` read under `read` in `state`; false for a
// move that is none of "<", ">" and "!".
bool Describe(Announcement& announcement, QChar read, const DecodedTuringCell& cell, qint32 state) {
    if (!IsTuringMove(cell.move)) {
        return false;
    }
    announcement.value = TuringAnnouncement{read, cell.write, cell.move, state, cell.next};
    return true;
}

// The tick itself, apart from the machine so that it names everything it
// reads and changes; the machine's Step is its only caller, so it is
// compiled into it.
StepOutcome TuringStep(TuringTable& table, const TuringSymbols& symbols, RunPosition& position,
                       TapeStore& tape) {
    // One outcome for every path, built in place in the caller's.
    StepOutcome outcome;
    // State columns deleted during a pause can leave the state without a
    // column; the table is never asked for a column it does not have. Until
    // the tick counts a command, a failure leaves the step panel as it is.
    const int state = position.at;
    if (state < 0 || state >= table.StateCount()) {
        outcome.Fail(StepError::TuringNoState, position.steps);
        outcome.stepShown = false;
        outcome.number = state;
        return outcome;
    }
    outcome.cursorCol = state + 1;
    const QChar read = tape.GetTuringCell(tape.CarriagePos());
    const int row = RowOf(table, symbols, read);
    if (row == 0) {
        outcome.Fail(StepError::TuringNoSymbol, position.steps);
        outcome.stepShown = false;
        outcome.symbol = read;
        return outcome;
    }
    outcome.cursorRow = row;
    const DecodedTuringCell& cell = table.Decoded(state, row);
    if (cell.form == DecodedTuringCell::Form::Empty) {
        outcome.Fail(StepError::TuringNoCommand, position.steps);
        outcome.stepShown = false;
        return outcome;
    }

    const qint64 steps = ++position.steps;
    const bool firstTick = steps == 1;
    // Ending the run on a tick past the first: the step panel goes back to
    // the number of the command executed.
    const qint64 executed = firstTick ? steps : steps - 1;
    if (cell.form == DecodedTuringCell::Form::Unreadable) {
        outcome.Fail(StepError::TuringBadCommand, executed);
        return outcome;
    }
    outcome.step = steps;
    if (firstTick) {
        if (!Describe(outcome.announcement, read, cell, state)) {
            outcome.Fail(StepError::TuringBadCommand, steps);
        }
        return outcome;
    }

    const qint32 next = cell.next;
    if (next < 0 || next > table.StateCount() - 1) {
        outcome.Fail(StepError::TuringNoState, executed);
        outcome.number = next;
        return outcome;
    }
    const QChar move = cell.move;
    position.at = next;
    tape.SetTuringCell(tape.CarriagePos(),
                       cell.write == kTuringBlankMark ? QChar(u' ') : cell.write);
    if (move == u'>' || move == u'<') {
        if (!tape.MoveCarriageBy(move == u'>' ? +1 : -1)) {
            outcome.Fail(StepError::OffTape, executed);
            return outcome;
        }
    } else if (move == u'!') {
        outcome.result = StepOutcome::Result::Stopped;
        outcome.step = executed;
        return outcome;
    }

    // Show the command the next tick will execute.
    outcome.executed = true;
    const QChar nextRead = tape.GetTuringCell(tape.CarriagePos());
    const int nextRow = RowOf(table, symbols, nextRead);
    if (nextRow == 0) {
        return outcome;
    }
    outcome.cursorCol = next + 1;
    outcome.cursorRow = nextRow;
    const DecodedTuringCell& preview = table.Decoded(next, nextRow);
    if (preview.form == DecodedTuringCell::Form::Empty) {
        return outcome;
    }
    if (preview.form == DecodedTuringCell::Form::Unreadable ||
        !Describe(outcome.announcement, nextRead, preview, next)) {
        outcome.Fail(StepError::TuringBadCommand, steps);
    }
    return outcome;
}

}  // namespace

StepOutcome TuringMachine::Step(RunPosition& position) {
    return TuringStep(table, symbols_, position, tape);
}
