#pragma once
// The places of a program where a run pauses: whole rows (a Post command),
// whole columns (a Turing state) and single cells (a Turing state reading
// one symbol). Each place is kept by
// the ids of its row and column in the program table (TextTable::RowId), so
// it follows its command when rows or columns are inserted, removed or
// reordered, and an edit taken back puts it back. They belong to the open
// document for the session: nothing of them is written to its file.

#include <QSet>

class TextTable;

class Breakpoints {
public:
    enum class Place : quint8 { Row, Column, Cell };

    bool Empty() const { return rows_.isEmpty() && cols_.isEmpty() && cells_.isEmpty(); }
    void Clear();

    // Sets the mark when it is not set, removes it when it is; the place is
    // given in the table's current coordinates.
    void Toggle(const TextTable& table, Place place, int col, int row);
    bool Marked(const TextTable& table, Place place, int col, int row) const;
    // A run announcing the command at (col, row) pauses here: its row, its
    // column or the cell itself is marked.
    bool Stops(const TextTable& table, int col, int row) const;
    // Column `col` or one of its cells is marked: the diagram rings the
    // state drawn for it.
    bool AnyInColumn(const TextTable& table, int col) const;

private:
    static quint64 CellKey(quint32 colId, quint32 rowId) { return quint64(colId) << 32 | rowId; }

    QSet<quint32> rows_;
    QSet<quint32> cols_;
    QSet<quint64> cells_;
};
