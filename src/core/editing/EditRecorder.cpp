#include "core/editing/EditRecorder.h"

namespace {

QString CaptionOfParts(unsigned parts) {
    if (parts & MachineChange::Tape) {
        return QStringLiteral("изменение ленты");
    }
    if (parts & MachineChange::Alphabet) {
        return QStringLiteral("изменение алфавита");
    }
    if (parts & MachineChange::Table) {
        return QStringLiteral("изменение таблицы");
    }
    if (parts & MachineChange::Comments) {
        return QStringLiteral("изменение комментариев");
    }
    return QStringLiteral("изменение условия задачи");
}

}  // namespace

EditRecorder::EditRecorder(Machine& machine) : machine_(machine) {
    Restart();
}

void EditRecorder::Restart() {
    machine_.TakeEditName();
    baseline_ = machine_.Saved();
    start_ = baseline_;
    earlier_ = baseline_;
}

MachineChange EditRecorder::Difference(const MachineContents& from, const MachineContents& to,
                                       const QString& caption) {
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
        change.caption = caption.isEmpty() ? CaptionOfParts(change.parts) : caption;
    }
    return change;
}

MachineChange EditRecorder::Take(const QString& caption) {
    const QString name = caption.isEmpty() ? machine_.TakeEditName() : caption;
    MachineContents now = machine_.Saved();
    MachineChange change = Difference(baseline_, now, name);
    if (!change.Empty()) {
        earlier_ = start_;
        start_ = baseline_;
        baseline_ = now;
    }
    return change;
}

MachineChange EditRecorder::Extend(const QString& caption) {
    start_ = earlier_;
    return Difference(start_, baseline_, caption);
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
