#include "core/run/Breakpoints.h"

#include "core/text/TextTable.h"

void Breakpoints::Clear() {
    rows_.clear();
    cols_.clear();
    cells_.clear();
}

void Breakpoints::Toggle(const TextTable& table, Place place, int col, int row) {
    const quint32 colId = table.ColId(col);
    const quint32 rowId = table.RowId(row);
    auto flip = [](auto& set, auto key) {
        if (!set.remove(key)) {
            set.insert(key);
        }
    };
    switch (place) {
        case Place::Row:
            if (rowId != 0) {
                flip(rows_, rowId);
            }
            break;
        case Place::Column:
            if (colId != 0) {
                flip(cols_, colId);
            }
            break;
        case Place::Cell:
            if (colId != 0 && rowId != 0) {
                flip(cells_, CellKey(colId, rowId));
            }
            break;
    }
}

bool Breakpoints::Marked(const TextTable& table, Place place, int col, int row) const {
    switch (place) {
        case Place::Row:
            return rows_.contains(table.RowId(row));
        case Place::Column:
            return cols_.contains(table.ColId(col));
        case Place::Cell:
            return cells_.contains(CellKey(table.ColId(col), table.RowId(row)));
    }
    return false;
}

bool Breakpoints::Stops(const TextTable& table, int col, int row) const {
    const quint32 colId = table.ColId(col);
    const quint32 rowId = table.RowId(row);
    return rows_.contains(rowId) || cols_.contains(colId) || cells_.contains(CellKey(colId, rowId));
}

bool Breakpoints::AnyInColumn(const TextTable& table, int col) const {
    const quint32 colId = table.ColId(col);
    if (colId == 0) {
        return false;
    }
    if (cols_.contains(colId)) {
        return true;
    }
    for (quint64 key : cells_) {
        if (quint32(key >> 32) == colId) {
            return true;
        }
    }
    return false;
}
