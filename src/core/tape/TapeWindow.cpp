#include "core/tape/TapeWindow.h"

#include <algorithm>

namespace TapeWindow {

int NearestOnTapeColumn(const TapeStore& tape, int col) {
    const int carriage = tape.CarriagePos();
    const int cell = std::clamp(CellAt(carriage, col), tape.FirstCell(), tape.LastCell());
    // The carriage is always on the tape, so the clamped cell is in the
    // window whenever the column was.
    return std::clamp(ColumnOf(carriage, cell), 0, LastCol);
}

int HomeColumn(const TapeStore& tape) {
    return NearestOnTapeColumn(tape, 0);
}

int EndColumn(const TapeStore& tape) {
    return NearestOnTapeColumn(tape, LastCol);
}

ArrowStep StepFocus(const TapeStore& tape, int col, int delta) {
    const int target = col + delta;
    const int cell = CellAt(tape.CarriagePos(), target);
    // Only the end the step goes towards can refuse it, so a focus left on
    // an off-tape column (the carriage moved under it) can always walk back
    // onto the tape.
    if ((delta < 0 && cell < tape.FirstCell()) || (delta > 0 && cell > tape.LastCell())) {
        return {ArrowStep::Refuse, col};
    }
    if (target < 0 || target > LastCol) {
        return {ArrowStep::Scroll, col};
    }
    return {ArrowStep::Move, target};
}

}  // namespace TapeWindow
