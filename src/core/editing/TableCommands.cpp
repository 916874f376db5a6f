#include "core/editing/TableCommands.h"

#include <algorithm>

#include "core/run/RunController.h"
#include "core/workbench/Workbench.h"

namespace TableCommands {

namespace {

// The row the cursor names, kept off the header.
int CurrentProgramRow(const PostTable& table) {
    return std::max(table.Row(), 1);
}

void RenumberFrom(PostTable& table, int row) {
    for (int r = row; r <= table.ProgramRows(); ++r) {
        table.Renumber(r);
    }
}

}  // namespace

void InsertRow(Workbench& bench) {
    bench.NoteEdit();
    PostTable& table = bench.Post().table;
    const int row = CurrentProgramRow(table);
    table.InsertRow(row);
    RenumberFrom(table, row);
    table.SetRow(row);
}

void DeleteRow(Workbench& bench) {
    bench.NoteEdit();
    PostTable& table = bench.Post().table;
    if (table.ProgramRows() == 1) {
        bench.ui().Beep();
        return;
    }
    const int row = CurrentProgramRow(table);
    table.RemoveRow(row);
    RenumberFrom(table, std::min(row, table.ProgramRows()));
}

void AppendRow(Workbench& bench) {
    bench.NoteEdit();
    PostTable& table = bench.Post().table;
    table.SetProgramRows(table.ProgramRows() + 1);
}

void ClearTable(Workbench& bench) {
    bench.SetModified(true);
    if (bench.Current().runActive) {
        bench.run().Break();
    }
    if (bench.Kind() == MachineKind::Pst) {
        bench.Post().table.Reset();
    } else {
        bench.Turing().ClearTable();
    }
}

void ClearRow(Workbench& bench) {
    if (bench.Kind() == MachineKind::Tur) {
        bench.Turing().ClearRow();
        return;
    }
    bench.NoteEdit();
    {
        PostTable& table = bench.Post().table;
        const int row = CurrentProgramRow(table);
        for (int col = 0; col < PostTable::ColumnCount; ++col) {
            table.SetCell(col, row, QString());
        }
        table.Renumber(row);
    }
}

void ClearColumn(Workbench& bench) {
    if (bench.Kind() == MachineKind::Tur) {
        bench.Turing().ClearColumn();
        return;
    }
    bench.NoteEdit();
    {
        PostTable& table = bench.Post().table;
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
}

}  // namespace TableCommands
