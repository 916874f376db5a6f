#include "core/text/TextTable.h"

#include <algorithm>
#include <utility>

TextTable::TextTable(int colCount, int rowCount, QObject* parent)
    : QObject(parent),
      colCount_(std::max(colCount, 1)),
      rows_(std::max(rowCount, 1), QVector<QString>(colCount_)) {
    FitIds(rowIds_, RowCount());
    FitIds(colIds_, colCount_);
}

void TextTable::FitIds(QVector<quint32>& ids, int count) {
    if (ids.size() > count) {
        ids.resize(count);
    }
    ids.reserve(count);
    while (ids.size() < count) {
        ids.append(NewId());
    }
}

const QString& TextTable::Cell(int col, int row) const {
    static const QString kEmpty;
    return Contains(col, row) ? rows_[row][col] : kEmpty;
}

void TextTable::SetCell(int col, int row, const QString& text) {
    if (Contains(col, row) && rows_[row][col] != text) {
        SetCell(col, row, QString(text));
    }
}

void TextTable::SetCell(int col, int row, QString&& text) {
    if (!Contains(col, row) || rows_[row][col] == text) {
        return;
    }
    rows_[row][col] = std::move(text);
    CellWritten(col, row);
    if (observed_) {
        Q_EMIT CellChanged(col, row);
    }
}

void TextTable::SetRowCount(int count) {
    count = std::max(count, 1);
    if (count == RowCount()) {
        return;
    }
    // Growing reserves exactly the rows asked for: a document's table of
    // many rows would otherwise get up to twice the room it needs.
    if (count > rows_.capacity()) {
        rows_.reserve(count);
    }
    rows_.resize(count, QVector<QString>(colCount_));
    FitIds(rowIds_, count);
    ClampCursor();
    Reshaped();
    Q_EMIT LayoutChanged();
}

void TextTable::SetColCount(int count) {
    count = std::max(count, 1);
    if (count == colCount_) {
        return;
    }
    colCount_ = count;
    for (QVector<QString>& row : rows_) {
        row.resize(colCount_);
    }
    FitIds(colIds_, colCount_);
    ClampCursor();
    Reshaped();
    Q_EMIT LayoutChanged();
}

void TextTable::InsertRow(int row) {
    row = std::clamp(row, 0, RowCount());
    rows_.insert(row, QVector<QString>(colCount_));
    rowIds_.insert(row, NewId());
    Reshaped();
    Q_EMIT LayoutChanged();
}

void TextTable::RemoveRow(int row) {
    if (RowCount() <= 1 || row < 0 || row >= RowCount()) {
        return;
    }
    rows_.remove(row);
    rowIds_.remove(row);
    ClampCursor();
    Reshaped();
    Q_EMIT LayoutChanged();
}

void TextTable::InsertCol(int col) {
    col = std::clamp(col, 0, colCount_);
    ++colCount_;
    for (QVector<QString>& row : rows_) {
        row.insert(col, QString());
    }
    colIds_.insert(col, NewId());
    Reshaped();
    Q_EMIT LayoutChanged();
}

void TextTable::RemoveCol(int col) {
    if (colCount_ <= 1 || col < 0 || col >= colCount_) {
        return;
    }
    --colCount_;
    for (QVector<QString>& row : rows_) {
        row.remove(col);
    }
    colIds_.remove(col);
    ClampCursor();
    Reshaped();
    Q_EMIT LayoutChanged();
}

void TextTable::SwapRows(int a, int b) {
    if (a == b || a < 0 || b < 0 || a >= RowCount() || b >= RowCount()) {
        return;
    }
    std::swap(rows_[a], rows_[b]);
    std::swap(rowIds_[a], rowIds_[b]);
    Reshaped();
    Q_EMIT LayoutChanged();
}

void TextTable::ClearAll() {
    for (QVector<QString>& row : rows_) {
        std::fill(row.begin(), row.end(), QString());
    }
    Reshaped();
    Q_EMIT LayoutChanged();
}

void TextTable::PutBack(const Contents& contents) {
    if (contents.rows.isEmpty() || contents.colCount < 1) {
        return;
    }
    colCount_ = contents.colCount;
    rows_ = contents.rows;
    // Contents from before ids were kept, or of another shape, get new ones.
    const bool idsFit =
        contents.rowIds.size() == rows_.size() && contents.colIds.size() == colCount_;
    rowIds_ = idsFit ? contents.rowIds : QVector<quint32>();
    colIds_ = idsFit ? contents.colIds : QVector<quint32>();
    // Ids taken from another table must not come back as new ones here.
    for (const QVector<quint32>* ids : {&rowIds_, &colIds_}) {
        for (quint32 id : *ids) {
            lastId_ = std::max(lastId_, id);
        }
    }
    FitIds(rowIds_, RowCount());
    FitIds(colIds_, colCount_);
    ClampCursor();
    Reshaped();
    Q_EMIT LayoutChanged();
}

void TextTable::FillEmptyCells(int col, int firstRow, const QString& text) {
    if (col < 0 || col >= colCount_) {
        return;
    }
    for (int row = std::max(firstRow, 0); row < RowCount(); ++row) {
        if (rows_[row][col].isEmpty()) {
            rows_[row][col] = text;
        }
    }
}

void TextTable::MoveCursor(int col, int row) {
    const int c = std::clamp(col, 0, colCount_ - 1);
    const int r = std::clamp(row, 0, RowCount() - 1);
    if (c == col_ && r == row_) {
        return;
    }
    col_ = c;
    row_ = r;
    if (observed_) {
        Q_EMIT CursorChanged(col_, row_);
    }
}

void TextTable::ClampCursor() {
    MoveCursor(col_, row_);
}
