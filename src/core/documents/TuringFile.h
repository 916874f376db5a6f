#pragma once
// The Turing machine's document, a ".tur" file: the magic "Zebrin42[tur]"
// and a masked text of lines (see DocumentFile) holding, in order, the task
// statement (a count and its lines), the carriage, the used bounds, the tape,
// the alphabet, the row and column counts, one group of C + 1 lines per row
// 1 to R (label, commands of Q0 to Q(C-2), and an empty line for the
// position past the last column; group R stands for the position past the
// last row) and the comments (a count and its lines).
//
// Both operations act on the Workbench's Turing machine and report their
// failures themselves: alert, message dialog with help, the status line's
// message panel.

#include <QByteArray>
#include <QString>
#include <QStringList>

#include "core/documents/DocumentFile.h"

class TuringMachine;
class Workbench;

// Loads a document into the Turing machine. Everything is checked before
// anything is taken over, so on failure (false) the machine is unchanged.
// Besides the lines being present and the numbers well formed, the reader
// demands: statement and comment counts of 0 or more, row and column counts
// of 2 or more, every count no larger than the lines that follow, the
// carriage on the tape (1 to 999), a tape line of at most 999 cells and used
// bounds inside the tape (UsedMin 1 to 999, UsedMax 0 to 999). On success
// the machine is unmodified and not edited since start, and
// TuringMachine::DocumentLoaded is emitted.
bool ReadTuringFile(Workbench& bench, const QString& path);
// The same, telling in `why` the reason of a refusal (Ok after a read).
bool ReadTuringFile(Workbench& bench, const QString& path, DocumentFile::ReadStatus& why);

// Stores the Turing machine in `path`, replacing the file only once the new
// one is complete. Emits TuringMachine::DocumentWriting(path) first (the
// window title follows it). Returns true and clears the modified flag on
// success; on failure reports it, leaves any previous file intact, sets the
// modified flag and returns false.
bool WriteTuringFile(Workbench& bench, const QString& path);

// The lines WriteTuringFile stores, before masking.
QStringList TuringFileLines(const TuringMachine& machine);
