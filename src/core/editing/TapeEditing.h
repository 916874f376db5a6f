#pragma once
// The user's commands that change the current machine's tape: marks on the
// Post tape, symbols on the Turing tape (with the offer to add a symbol from
// outside the alphabet), clearing, memorising and restoring, and the two
// carriage commands of the menu. Selections are window columns `first` to
// `last` (TapeWindow); cells off the tape are skipped. Each command begins
// with the edit prologue (modified, then edited-since-start while that
// machine's run is active); the tape's own hooks tell the views to redraw.

#include <QString>

#include "core/tape/TapeStore.h"

class Workbench;

namespace TapeEditing {

// Space on the Post tape: when every selected on-tape cell is marked the
// marks are removed, otherwise every selected cell is marked.
void ToggleMarks(Workbench& bench, int first, int last);
// Double click on the Post tape: the one cell in `col` flips.
void ToggleMarkAt(Workbench& bench, int col);

enum class WriteResult {
    Written,   // the symbol is on the selected cells
    Ignored,   // Enter, Esc, a control character, or not the Turing machine
    Declined,  // outside the alphabet and the user did not add it
    Refused    // the blank's command sign "_", which no alphabet can hold
};
// A character typed on the Turing tape, or the current tape symbol: written
// into every selected cell when it is the blank or in the alphabet; any
// other character is offered for the alphabet first.
WriteResult WriteSymbolToSelection(Workbench& bench, QChar ch, int first, int last);
// The character that the current tape symbol ("нет" or one character)
// writes.
QChar SymbolOf(const QString& currentTapeSymbol);

// Empties the current tape and puts the carriage home; the memorised copy
// stays.
void ClearTape(Workbench& bench);
// Copies a non-empty tape and enables the restore controls; returns whether
// a copy was taken. Not a modification of the document.
bool MemoriseTape(Workbench& bench);
// Brings the current machine's copy back, when it has one.
void RestoreTape(Workbench& bench);

// carriageLeftAction / carriageRightAction.
void CarriageLeft(Workbench& bench);
void CarriageRight(Workbench& bench);

}  // namespace TapeEditing
