#include "core/editing/EditRecorder.h"

namespace {

EditKind KindOfParts(unsigned parts) {
    if (parts & MachineChange::Tape) {
        return EditKind::ChangeTape;
    }
    if (parts & MachineChange::Alphabet) {
        return EditKind::ChangeAlphabet;
    }
    if (parts & MachineChange::Table) {
        return EditKind::ChangeTable;
    }
    if (parts & MachineChange::Comments) {
        return EditKind::ChangeComments;
    }
    return EditKind::ChangeStatement;
}

}  // namespace

EditRecorder::EditRecorder(Machine& machine) : machine_(machine) {
    Restart();
}

void EditRecorder::Restart() {
    machine_.TakeEditKind();
    baseline_ = machine_.Saved();
    start_ = baseline_;
    earlier_ = baseline_;
}

MachineChange EditRecorder::Difference(const MachineContents& from, const MachineContents& to,
                                       EditKind kind) {
    MachineChange change;
    change.before = from;
    change.after = to;
    if (from.statement != to.statement) {
        change.parts |= MachineChange::Statement;
    }
    if (!machine_.tape.SameCells(from.tape, to.tape)) {
        change.parts |= MachineChange::Tape;
    }
    if (from.alphabet != to.alphabet || from.alphabetText != to.alphabetText) {
        change.parts |= MachineChange::Alphabet;
    }
    if (from.comments != to.comments) {
        change.parts |= MachineChange::Comments;
    }
    if (from.table != to.table) {
        change.parts |= MachineChange::Table;
        change.wholeTable = from.table.colCount != to.table.colCount ||
                            from.table.rows.size() != to.table.rows.size();
        if (!change.wholeTable) {
            for (int row = 0; row < from.table.rows.size(); ++row) {
                if (from.table.rows[row] != to.table.rows[row]) {
                    change.rows.append(row);
                    change.rowsBefore.append(from.table.rows[row]);
                    change.rowsAfter.append(to.table.rows[row]);
                }
            }
        }
    }
    if (!change.wholeTable) {
        change.before.table = {};
        change.after.table = {};
    }
    if (!change.Empty()) {
        change.kind = kind == EditKind::None ? KindOfParts(change.parts) : kind;
    }
    return change;
}

MachineChange EditRecorder::Take(EditKind kind) {
    const EditKind named = kind == EditKind::None ? machine_.TakeEditKind() : kind;
    MachineContents now = machine_.Saved();
    MachineChange change = Difference(baseline_, now, named);
    if (!change.Empty()) {
        earlier_ = start_;
        start_ = baseline_;
        baseline_ = now;
    }
    return change;
}

MachineChange EditRecorder::Extend(EditKind kind) {
    start_ = earlier_;
    return Difference(start_, baseline_, kind);
}

void EditRecorder::Apply(const MachineChange& change, bool undo) {
    const MachineContents& side = undo ? change.before : change.after;
    MachineContents target = machine_.Saved();
    if (change.parts & MachineChange::Statement) {
        target.statement = side.statement;
    }
    if (change.parts & MachineChange::Tape) {
        target.tape = side.tape;
    }
    if (change.parts & MachineChange::Alphabet) {
        target.alphabet = side.alphabet;
        target.alphabetText = side.alphabetText;
    }
    if (change.parts & MachineChange::Comments) {
        target.comments = side.comments;
    }
    if (change.parts & MachineChange::Table) {
        if (change.wholeTable) {
            target.table = side.table;
        } else {
            const QVector<QVector<QString>>& rows = undo ? change.rowsBefore : change.rowsAfter;
            for (int i = 0; i < change.rows.size(); ++i) {
                if (change.rows[i] < target.table.rows.size()) {
                    target.table.rows[change.rows[i]] = rows[i];
                }
            }
        }
    }
    machine_.PutBack(target);
    if ((change.parts & MachineChange::Table) && !change.rows.isEmpty()) {
        machine_.ProgramTable().SetRow(change.rows.first());
    }
    Restart();
}
