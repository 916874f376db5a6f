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
    bench.Current().NameEdit(EditKind::InsertRow);
    bench.NoteEdit();
    PostTable& table = bench.Post().table;
    const int row = CurrentProgramRow(table);
    table.InsertRow(row);
    RenumberFrom(table, row);
    table.SetRow(row);
}

void DeleteRow(Workbench& bench) {
    bench.Current().NameEdit(EditKind::DeleteRow);
    bench.NoteEdit();
    PostTable& table = bench.Post().table;
    if (table.ProgramRows() == 1) {
        bench.UiPort().Beep();
        return;
    }
    const int row = CurrentProgramRow(table);
    table.RemoveRow(row);
    RenumberFrom(table, std::min(row, table.ProgramRows()));
}

void AppendRow(Workbench& bench) {
    bench.Current().NameEdit(EditKind::AppendRow);
    bench.NoteEdit();
    PostTable& table = bench.Post().table;
    table.SetProgramRows(table.ProgramRows() + 1);
}

void ClearTable(Workbench& bench) {
    bench.Current().NameEdit(EditKind::ClearTable);
    bench.SetModified(true);
    if (bench.RunControl().Active(bench.Current())) {
        bench.RunControl().Break();
    }
    bench.Current().ClearProgram();
}

void ClearRow(Workbench& bench) {
    bench.Current().NameEdit(EditKind::ClearRow);
    bench.Current().ClearProgramRow();
}

void ClearColumn(Workbench& bench) {
    bench.Current().NameEdit(EditKind::ClearColumn);
    bench.Current().ClearProgramColumn();
}

void ClearCells(Machine& machine, int firstCol, int firstRow, int lastCol, int lastRow) {
    const bool one = firstCol == lastCol && firstRow == lastRow;
    machine.NameEdit(one ? EditKind::ClearCell : EditKind::ClearCells);
    machine.ClearProgramCells(firstCol, firstRow, lastCol, lastRow);
}

}  // namespace TableCommands
