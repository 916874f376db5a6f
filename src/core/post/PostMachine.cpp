#include "core/post/PostMachine.h"

#include <algorithm>

void PostMachine::ClearProgramRow() {
    NoteEdit();
    const int row = std::max(table.Row(), 1);
    for (int col = 0; col < PostTable::ColumnCount; ++col) {
        table.SetCell(col, row, col == PostTable::ColCode ? QStringLiteral("0") : QString());
    }
    table.Renumber(row);
}

void PostMachine::ClearProgramColumn() {
    NoteEdit();
    const int col = table.Col();
    if (col == PostTable::ColNumber) {
        return;  // the numbers belong to the positions
    }
    for (int row = 1; row <= table.ProgramRows(); ++row) {
        table.SetCell(col, row, QString());
        if (col == PostTable::ColCommand) {
            table.SetCode(row, QStringLiteral("0"));
        }
    }
}
