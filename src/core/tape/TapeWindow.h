#pragma once
// The 27 columns through which the user sees a tape. Column c shows the cell
// CarriagePos + c - 13, so the carriage cell is always the middle column and
// moving the carriage scrolls the whole window. Pure arithmetic over a tape's
// extent and carriage, shared by the tape grid, its ruler and the commands
// that act on the selected columns; it needs no window.

#include "core/tape/TapeStore.h"

namespace TapeWindow {

constexpr int Cols = 27;
constexpr int CarriageCol = 13;
constexpr int LastCol = Cols - 1;

inline int CellAt(int carriage, int col) {
    return carriage + col - CarriageCol;
}
inline int ColumnOf(int carriage, int cell) {
    return cell - carriage + CarriageCol;
}
inline bool ColumnOnTape(const TapeStore& tape, int col) {
    return col >= 0 && col <= LastCol && tape.OnTape(CellAt(tape.CarriagePos(), col));
}

// The column of the on-tape cell nearest to `col`: `col` itself when its
// cell is on the tape, else the column of the tape's end on that side.
int NearestOnTapeColumn(const TapeStore& tape, int col);

// Home and End: the leftmost and rightmost on-tape columns of the window.
int HomeColumn(const TapeStore& tape);
int EndColumn(const TapeStore& tape);

// One press of Left (delta -1) or Right (+1) with the focus on `col`.
struct ArrowStep {
    enum Kind {
        Move,    // the focus goes to `col`
        Scroll,  // the focus stays on the edge column; the carriage moves
        Refuse   // the step would leave the tape: beep, nothing moves
    } kind;
    int col;
};
ArrowStep StepFocus(const TapeStore& tape, int col, int delta);

}  // namespace TapeWindow
