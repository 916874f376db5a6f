#pragma once
// What makes the edits of one machine undoable. The recorder keeps what the
// machine's document held when the last change was taken; taking a change
// compares the machine with it and returns what differs, before and after,
// in the parts it touched. Every way of editing a machine is covered without
// each command saying what it changed: a command only names its kind
// (Machine::NameEdit). The window's undo stack holds the changes and puts
// either side back through the recorder.
//
// A table change whose shape stayed keeps only the rows that differ, so an
// edit of one cell in a long program costs one row, not the table.

#include <QString>
#include <QVector>

#include "core/machine/Machine.h"

struct MachineChange {
    enum Part : unsigned { Statement = 1, Tape = 2, Table = 4, Alphabet = 8, Comments = 16 };

    EditKind kind = EditKind::None;  // never None once the change is not empty
    unsigned parts = 0;
    // The touched parts before and after; the table is kept whole only when
    // its shape changed (wholeTable), else as the rows below.
    MachineContents before;
    MachineContents after;
    bool wholeTable = false;
    QVector<int> rows;
    QVector<QVector<QString>> rowsBefore;
    QVector<QVector<QString>> rowsAfter;

    bool Empty() const { return parts == 0; }
    QString Caption() const { return EditCaption(kind); }
};

class EditRecorder {
public:
    explicit EditRecorder(Machine& machine);

    // What the machine holds now is where changes start (a document was
    // opened or begun).
    void Restart();
    // What changed since the last change was taken, of `kind`, else of the
    // pending edit kind (taken), else of the part it touched; empty when
    // nothing did.
    MachineChange Take(EditKind kind = EditKind::None);
    // The change taken before the last one and the last one, as one
    // change: typing goes on growing the same change. Call right after a
    // Take that returned a change, instead of keeping it.
    MachineChange Extend(EditKind kind);
    // Puts the machine to the state before (undo) or after (redo) a change,
    // as an edit, and starts from there.
    void Apply(const MachineChange& change, bool undo);

private:
    MachineChange Difference(const MachineContents& from, const MachineContents& to, EditKind kind);

    Machine& machine_;
    MachineContents baseline_;  // where the last change taken ended
    MachineContents start_;     // where it began
    MachineContents earlier_;   // where the change before it began
};
