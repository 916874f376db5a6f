#pragma once
// The row and column commands on the current machine's program table. They
// act on the table's cursor, never ask, and refuse only deleting the last
// program row or state column, with a beep. Every command first marks the
// document modified (also when it is then refused) and, except clearing the
// whole table, records an edit made during an active run.

class Machine;
class Workbench;

namespace TableCommands {

// Post machine rows.
void InsertRow(Workbench& bench);
void DeleteRow(Workbench& bench);
void AppendRow(Workbench& bench);

// The current machine's table. Clearing the whole table breaks an active run.
void ClearTable(Workbench& bench);
void ClearRow(Workbench& bench);
void ClearColumn(Workbench& bench);
// Delete and Backspace on a table: the command cells of the block
// firstCol..lastCol by firstRow..lastRow of `machine`'s table are emptied,
// as one edit ("очистка ячейки", "очистка ячеек").
void ClearCells(Machine& machine, int firstCol, int firstRow, int lastCol, int lastRow);

}  // namespace TableCommands
