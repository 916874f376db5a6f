#pragma once
// The Post machine's program: rows 0..N of five text columns. Row 0 is the
// header; row k (1..N) holds its number k in column 0, nothing in column 1
// (the view draws the command's picture there), the jump field in column 2,
// a comment in column 3 and the command code "0".."6" in the hidden column 4.
// Numbers belong to positions: every operation that moves rows rewrites them.

#include "core/text/TextTable.h"

class PostTable : public TextTable {
    Q_OBJECT
public:
    enum Column { ColNumber = 0, ColCommand = 1, ColJump = 2, ColComment = 3, ColCode = 4 };
    static constexpr int ColumnCount = 5;
    static constexpr int InitialRows = 10;

    explicit PostTable(QObject* parent = nullptr);

    static QString HeaderCaption(int col);

    // N, the number of program rows.
    int ProgramRows() const { return RowCount() - 1; }
    bool IsProgramRow(int row) const { return row >= 1 && row <= ProgramRows(); }

    const QString& Code(int row) const { return Cell(ColCode, row); }
    const QString& Jump(int row) const { return Cell(ColJump, row); }
    void SetCode(int row, const QString& code) { SetCell(ColCode, row, code); }

    // Sets N, numbering any new rows.
    void SetProgramRows(int n);
    // Writes k into the number cell of row k.
    void Renumber(int row);
    // The content at start and after the whole table is cleared: ten
    // numbered, empty rows.
    void Reset();
};
