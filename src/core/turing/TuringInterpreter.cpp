#include "core/turing/TuringInterpreter.h"

#include "core/tape/TapeStore.h"
#include "core/turing/TuringCommand.h"
#include "core/turing/TuringSymbols.h"
#include "core/turing/TuringTable.h"

namespace {

// A failure before the tick counts a command: the step panel keeps its
// number.
StepOutcome FailedBeforeCounting(StepError error, qint64 steps) {
    StepOutcome outcome = StepOutcome::Failure(error, steps);
    outcome.stepShown = false;
    return outcome;
}

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
    announcement.kind = Announcement::Kind::Turing;
    announcement.read = read;
    announcement.write = cell.write;
    announcement.move = cell.move;
    announcement.state = state;
    announcement.next = cell.next;
    return true;
}

}  // namespace

StepOutcome TuringStep(TuringTable& table, const TuringSymbols& symbols, RunPosition& position,
                       TapeStore& tape) {
    // State columns deleted during a pause can leave the state without a
    // column; the table is never asked for a column it does not have.
    const int state = position.at;
    if (state < 0 || state >= table.StateCount()) {
        StepOutcome outcome = FailedBeforeCounting(StepError::TuringNoState, position.steps);
        outcome.number = state;
        return outcome;
    }

    const QChar read = tape.GetTuringCell(tape.CarriagePos());
    const int row = RowOf(table, symbols, read);
    if (row == 0) {
        StepOutcome outcome = FailedBeforeCounting(StepError::TuringNoSymbol, position.steps);
        outcome.symbol = read;
        outcome.cursorCol = state + 1;
        return outcome;
    }
    const DecodedTuringCell& cell = table.Decoded(state, row);
    if (cell.form == DecodedTuringCell::Form::Empty) {
        StepOutcome outcome = FailedBeforeCounting(StepError::TuringNoCommand, position.steps);
        outcome.cursorCol = state + 1;
        outcome.cursorRow = row;
        return outcome;
    }

    const qint64 steps = ++position.steps;
    const bool firstTick = steps == 1;
    // Ending the run on a tick past the first: the step panel goes back to
    // the number of the command executed.
    const qint64 executed = firstTick ? steps : steps - 1;
    StepOutcome outcome;
    outcome.cursorCol = state + 1;
    outcome.cursorRow = row;
    if (cell.form == DecodedTuringCell::Form::Unreadable) {
        outcome.result = StepOutcome::Result::Failed;
        outcome.error = StepError::TuringBadCommand;
        outcome.step = executed;
        return outcome;
    }
    if (firstTick) {
        outcome.step = steps;
        if (!Describe(outcome.announcement, read, cell, state)) {
            outcome.result = StepOutcome::Result::Failed;
            outcome.error = StepError::TuringBadCommand;
        }
        return outcome;
    }

    if (cell.next < 0 || cell.next > table.StateCount() - 1) {
        outcome.result = StepOutcome::Result::Failed;
        outcome.error = StepError::TuringNoState;
        outcome.number = cell.next;
        outcome.step = executed;
        return outcome;
    }
    const QChar move = cell.move;
    const qint32 next = cell.next;
    position.at = next;
    tape.SetTuringCell(tape.CarriagePos(),
                       cell.write == kTuringBlankMark ? QChar(u' ') : cell.write);
    if (move == u'>' || move == u'<') {
        if (!tape.MoveCarriageBy(move == u'>' ? +1 : -1)) {
            outcome.result = StepOutcome::Result::Failed;
            outcome.error = StepError::OffTape;
            outcome.step = executed;
            return outcome;
        }
    } else if (move == u'!') {
        outcome.result = StepOutcome::Result::Stopped;
        outcome.step = executed;
        return outcome;
    }

    // Show the command the next tick will execute.
    outcome.step = steps;
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
        outcome.result = StepOutcome::Result::Failed;
        outcome.error = StepError::TuringBadCommand;
    }
    return outcome;
}
