#pragma once
// A grid of text cells addressed as (column, row), with the cursor (the
// current cell) that table commands and interpreters act on. Both program
// tables are built on it: the cell texts are their whole model, and views
// read them at every paint. Out-of-range reads yield an empty text and
// out-of-range writes are ignored, so a damaged document can never address
// a cell that does not exist.

#include <QObject>
#include <QString>
#include <QVector>

class TextTable : public QObject {
    Q_OBJECT
public:
    TextTable(int colCount, int rowCount, QObject* parent = nullptr);

    int ColCount() const { return colCount_; }
    int RowCount() const { return int(rows_.size()); }
    bool Contains(int col, int row) const {
        return col >= 0 && col < colCount_ && row >= 0 && row < RowCount();
    }

    const QString& Cell(int col, int row) const;
    void SetCell(int col, int row, const QString& text);
    // The same, taking the text over instead of sharing it (a document's
    // reader hands each cell's text over once).
    void SetCell(int col, int row, QString&& text);

    // Growing adds empty cells; shrinking drops the last rows or columns.
    void SetRowCount(int count);
    void SetColCount(int count);
    void InsertRow(int row);  // an empty row before `row`
    void RemoveRow(int row);
    void InsertCol(int col);  // an empty column before `col`
    void RemoveCol(int col);
    void SwapRows(int a, int b);
    void ClearAll();

    // Every row and column carries a number of its own that stays with it
    // as others are inserted, removed or swapped, and that no other row or
    // column of the table gets again: what marks a place in the program
    // (a breakpoint) follows the place through edits by it. 0 is no id.
    quint32 RowId(int row) const { return row >= 0 && row < RowCount() ? rowIds_[row] : 0; }
    quint32 ColId(int col) const { return col >= 0 && col < colCount_ ? colIds_[col] : 0; }

    // Every cell at one moment, kept for an edit to be taken back. Taking
    // one copies nothing: the rows are shared until the table is written.
    struct Contents {
        int colCount = 0;
        QVector<QVector<QString>> rows;
        // The rows' and columns' ids, so that an edit taken back puts the
        // places back where they were; not part of what is compared.
        QVector<quint32> rowIds;
        QVector<quint32> colIds;
        bool operator==(const Contents& other) const {
            return colCount == other.colCount && rows == other.rows;
        }
        bool operator!=(const Contents& other) const { return !(*this == other); }
    };
    Contents Saved() const { return {colCount_, rows_, rowIds_, colIds_}; }
    // Puts the cells back as they were saved; the cursor stays inside.
    void PutBack(const Contents& contents);

    // The cursor, kept inside the table.
    int Col() const { return col_; }
    int Row() const { return row_; }
    void SetCursor(int col, int row) {
        if (col == col_ && row == row_) {
            return;
        }
        if (!Contains(col, row)) {
            MoveCursor(col, row);  // kept inside the table
            return;
        }
        col_ = col;
        row_ = row;
        if (observed_) {
            Q_EMIT CursorChanged(col_, row_);
        }
    }
    void SetCol(int col) { SetCursor(col, row_); }
    void SetRow(int row) { SetCursor(col_, row); }

Q_SIGNALS:
    void CellChanged(int col, int row);
    // Rows or columns were added, removed or reordered, or many cells changed.
    void LayoutChanged();
    void CursorChanged(int col, int row);

protected:
    // What a derived table keeps from the cells (a decoded program) follows
    // them through these: one cell was written, or the shape or many cells
    // changed.
    virtual void CellWritten(int /*col*/, int /*row*/) {}
    virtual void Reshaped() {}
    // Writes `text` into every empty cell of `col` from `firstRow` on,
    // without a signal: for a derived table's Reshaped, which the layout
    // signal follows.
    void FillEmptyCells(int col, int firstRow, const QString& text);
    // Gives `row` the id another row had before it was removed: a derived
    // table that rebuilds a row keeps its place.
    void KeepRowId(int row, quint32 id) {
        if (row >= 0 && row < RowCount() && id != 0) {
            rowIds_[row] = id;
        }
    }

    // Signals are sent only once somebody listens: a headless run moves the
    // cursor millions of times with nobody to tell.
    void connectNotify(const QMetaMethod&) override { observed_ = true; }
    bool observed_ = false;

private:
    void MoveCursor(int col, int row);
    void ClampCursor();
    quint32 NewId() { return ++lastId_; }
    // Ids for `count` rows or columns, new ones past those kept.
    void FitIds(QVector<quint32>& ids, int count);

    int colCount_;
    QVector<QVector<QString>> rows_;
    QVector<quint32> rowIds_;
    QVector<quint32> colIds_;
    quint32 lastId_ = 0;
    int col_ = 0;
    int row_ = 0;
};
