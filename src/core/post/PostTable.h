#pragma once
// The Post machine's program: rows 0..N of five text columns. Row 0 is the
// header; row k (1..N) holds its number k in column 0, nothing in column 1
// (the view draws the command's picture there), the jump field in column 2,
// a comment in column 3 and the command code "0".."6" in the hidden column 4.
// Numbers belong to positions: a program row's number cell is composed from
// its position when it is read, so no number is stored and moving rows
// never leaves a stale one.
//
// The table also keeps each row decoded for the interpreter (DecodedPostRow): a row
// is decoded the first time a run reads it after its code or jump cell was
// written, never on every tick.

#include <array>
#include <vector>

#include "core/machine/StepOutcome.h"
#include "core/text/TextTable.h"

// The rows a command goes on to: one, or for a conditional jump the target
// without a mark and the one with a mark; none for a stop or an empty row.
struct PostTargets {
    int count = 0;
    std::array<qint32, 2> rows{};
};

// A program row as the interpreter reads it, from its trimmed cells.
struct DecodedPostRow {
    PostOp op = PostOp::None;
    bool jumpEmpty = true;       // the jump field holds nothing
    bool jumpValid = false;      // read as execution reads it: "a" or "a,b"
    bool announceValid = false;  // read as a jump's announcement reads it: "a,b"
    bool untrimmed = false;      // a code or jump cell has blanks at an end
    bool decoded = false;
    qint32 first = 0;
    qint32 second = 0;
    qint32 announceFirst = 0;
    qint32 announceSecond = 0;

    // Where a run goes from this row, as the interpreter reads the jump
    // field: a conditional jump needs the announcement's "a,b", any other
    // command but the stop its first number. None when the field is empty
    // or a run refuses it.
    PostTargets Targets() const {
        if (op == PostOp::None || op == PostOp::Stop) {
            return {};
        }
        if (op == PostOp::Jump) {
            return announceValid ? PostTargets{2, {first, second}} : PostTargets{};
        }
        return jumpValid ? PostTargets{1, {first, 0}} : PostTargets{};
    }
};

class PostTable : public TextTable {
    Q_OBJECT
public:
    enum Column { ColNumber = 0, ColCommand = 1, ColJump = 2, ColComment = 3, ColCode = 4 };
    static constexpr int ColumnCount = 5;
    static constexpr int InitialRows = 10;

    explicit PostTable(QObject* parent = nullptr);

    static QString HeaderCaption(int col);
    // The command of a code cell (0 none, 1 left ... 6 stop) as the table
    // names it: "Влево", "Вправо", "Метка", "Удал.", "Перех.", "Стоп"; an
    // empty text for none and for a code out of range.
    static QString CommandName(int code);
    // The code a code cell's text holds, or -1 for a text that holds none
    // (only a damaged document has one).
    static int CodeOfText(const QString& text);

    // N, the number of program rows.
    int ProgramRows() const { return RowCount() - 1; }
    bool IsProgramRow(int row) const { return row >= 1 && row <= ProgramRows(); }

    // A cell's text as the views show it: the number cell of a program row
    // reads its number, every other cell what was written into it. (A call
    // through TextTable reads what is stored, which the number cells are not.)
    QString Cell(int col, int row) const {
        return col == ColNumber && IsProgramRow(row) ? QString::number(row)
                                                     : TextTable::Cell(col, row);
    }
    const QString& Code(int row) const { return TextTable::Cell(ColCode, row); }
    const QString& Jump(int row) const { return TextTable::Cell(ColJump, row); }
    void SetCode(int row, const QString& code) { SetCell(ColCode, row, code); }

    // Sets N; new rows are empty.
    void SetProgramRows(int n);
    // Tells the views that the number of row `row` may have changed (rows
    // were moved); the number itself follows the position by itself.
    void Renumber(int row);
    // The content at start and after the whole table is cleared: ten
    // numbered, empty rows.
    void Reset();

    // Row `row` decoded; a row outside the program reads as an empty one.
    const DecodedPostRow& Decoded(int row) {
        if (row < 1 || row > ProgramRows()) {
            return kOutside;
        }
        if (!decoded_[std::size_t(row)].decoded) {
            Decode(row);
        }
        return decoded_[std::size_t(row)];
    }
    // Writes the trimmed code and jump texts back into a row, as the
    // interpreter does with every row it reaches.
    void TrimRow(int row);

protected:
    void CellWritten(int col, int row) override;
    // Every row has its decoded entry, so a read needs no size check.
    // Every program row carries a command code, "0" for none, from the
    // moment it exists: the document stores it so, and an edit never finds
    // a code that was not there when the row was made. A document read
    // keeps the codes it stored.
    void Reshaped() override {
        FillEmptyCells(ColCode, 1, QStringLiteral("0"));
        decoded_.assign(std::size_t(RowCount()), DecodedPostRow());
    }

private:
    void Decode(int row);

    static const DecodedPostRow kOutside;
    std::vector<DecodedPostRow> decoded_;
};
