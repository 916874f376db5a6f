#pragma once
// The syntax of a Turing table command, as pure functions of its text: the
// symbol to write (a symbol of the alphabet, or "_" for the blank), the move
// ("<", ">" or "!") and the next state in the integer syntax, written
// without separators, for example "1>2", "_<0" or "a!$1F".
//
// Two readers share it. The cell check (NormaliseTuringCommand) is strict:
// it knows the alphabet, tidies blanks, supplies a left-out "_" and rejects
// anything else. The interpreter (ParseTuringCommand) is loose: it reads
// whatever a cell holds, typed or loaded from a file, as first character,
// second character and a number, and checks the move only when it describes
// the command (IsTuringMove).

#include <QString>
#include <optional>

// "_" in the symbol position stands for the blank (a space on the tape).
constexpr QChar kTuringBlankMark = u'_';

struct TuringCommand {
    QChar write;       // first character, "_" for the blank, unchecked
    QChar move;        // second character, unchecked
    qint32 nextState;  // the rest, in the integer syntax
};

inline bool IsTuringMove(QChar c) {
    return c == u'<' || c == u'>' || c == u'!';
}

// Reads a cell's text as the interpreter does: at least two characters, and
// a rest that is a whole number. Nothing else is checked.
std::optional<TuringCommand> ParseTuringCommand(QStringView text);

// The cell check on a confirmed cell. Returns the text the cell is to hold,
// or nothing when the command is rejected (the cell is then cleared).
// Leading and trailing characters up to code 32 and every inner space are
// removed; a leading move gets "_" put in front of it. Call it on non-empty
// texts only: an empty cell is left alone by the caller.
std::optional<QString> NormaliseTuringCommand(QStringView text, QStringView alphabet);
