#pragma once
// The user's commands that move the current machine's carriage: one cell at
// a time (the scroll buttons), refused with the error "Каретка вышла за
// пределы ленты" at the tape's ends (a run is broken before the dialog
// opens), or to a typed cell through the go-to box.

#include <QString>

class Workbench;

// Return true when the carriage moved.
bool MoveCarriageRight(Workbench& bench);
bool MoveCarriageLeft(Workbench& bench);

// The go-to box's text changed to `text`: the carriage goes to that cell,
// with the box's corrections (a fourth digit after three is dropped; on the
// Turing tape 0 and below become 1), each correction beeping; a text that
// is no number (empty, a sign alone) leaves the carriage. Returns the
// carriage's new cell, which the box shows when it corrected the number.
int GoToCell(Workbench& bench, const QString& text);
