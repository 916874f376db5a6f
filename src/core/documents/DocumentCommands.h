#pragma once
// The file commands of the current machine (New, Open, Save, Save As), the
// questions asked before unsaved work is discarded or the program closes,
// and the clearing commands. Dialogs go through the Ui port; the readers and
// writers report their own failures.
//
// Unsaved work is never dropped behind the user's back: when the user asks
// to save first and the save does not happen (the save dialog cancelled, or
// the write failed), New and Open change nothing and closing is refused.
// A document whose reading failed is replaced by an empty untitled one
// without asking, so the damaged file is never overwritten.

#include <QString>
#include <optional>

#include "core/machine/MachineKind.h"

class Workbench;

namespace DocumentCommands {

void New(Workbench& bench);
void Open(Workbench& bench);
bool Save(Workbench& bench);  // true when the machine was written
void SaveAs(Workbench& bench);
// The closing questions: asks about the Post machine, then the Turing
// machine; true when the window may close. "Отмена" stops the questions; a
// save that is cancelled or fails refuses closing, and the other machine
// is still asked about.
bool CloseQuery(Workbench& bench);

// The machine whose document `path` is by its first bytes, or nothing when
// they name neither (or it is not a regular file that can be read; it is
// opened without blocking).
std::optional<MachineKind> KindByMagic(const QString& path);
// The machine to read `path` with: the one its first bytes name; else the
// Turing machine for a name ending in ".tur" and the Post machine for any
// other, whose reader then reports what is wrong.
MachineKind KindToRead(const QString& path);
// Open of a path already chosen: breaks a run of the current machine, asks
// the save question for unsaved work, then reads the document into the
// current machine; a document that cannot be read leaves it empty and
// untitled, with the reader's message shown.
// Returns whether the document was read.
bool OpenPath(Workbench& bench, const QString& path);
// An example opened as Open would, then made untitled, so that Save asks
// for a name instead of writing into the folder it was installed in.
bool OpenExample(Workbench& bench, const QString& path);

// The clearing commands ("Очистить" in the commands menu): the current
// machine's statement back to its heading; the Turing machine's comments
// back to theirs; and all of the current machine (statement, tape, table,
// and for the Turing machine its alphabet and comments).
void ClearStatement(Workbench& bench);
void ClearComments(Workbench& bench);
void ClearAll(Workbench& bench);

}  // namespace DocumentCommands
