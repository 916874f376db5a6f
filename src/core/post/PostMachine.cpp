#include "core/post/PostMachine.h"
#include "core/text/Language.h"

#include <algorithm>

FailurePlace PostMachine::PlaceOfFailure(const StepOutcome&) {
    const int row = table.Row();
    if (!table.IsProgramRow(row)) {
        return {};
    }
    return {PostTable::ColCommand, row, Tr("PostMachine", "строка %1").arg(row), {}};
}

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

void PostMachine::ClearProgramCells(int firstCol, int firstRow, int lastCol, int lastRow) {
    NoteEdit();
    // A cleared command cell holds no command, as a cleared column does.
    for (int row = std::max(firstRow, 1); row <= std::min(lastRow, table.ProgramRows()); ++row) {
        for (int col = std::max(firstCol, int(PostTable::ColCommand));
             col <= std::min(lastCol, int(PostTable::ColComment)); ++col) {
            if (col == PostTable::ColCommand) {
                table.SetCode(row, QStringLiteral("0"));
            } else {
                table.SetCell(col, row, QString());
            }
        }
    }
}
