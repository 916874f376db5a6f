#pragma once
// The Turing machine's program table: a TextTable whose row 0 holds the state
// headers "Q0", "Q1", ... (kept by position: column c reads "Q" and c - 1)
// and whose column 0 holds the row labels, one alphabet symbol per row and
// the blank row "Пробел" last. Each inner cell holds one command for the
// state of its column and the symbol of its row.
//
// The table promises that after every operation here the headers follow
// their positions, that at least one state column and one row besides the
// header remain, and that commands inside cells are never renumbered. It
// knows nothing of the document's flags: TuringMachine wraps the user's
// commands with the edit prologue.

#include <QString>
#include <QVector>
#include <functional>
#include <vector>

#include "core/text/Language.h"
#include "core/text/TextTable.h"

// A command cell as the interpreter reads it: empty, not a command in the
// loose syntax, or symbol, move and next state (the move unchecked).
struct DecodedTuringCell {
    enum class Form : quint8 { Empty, Unreadable, Command };
    Form form = Form::Empty;
    bool decoded = false;
    QChar write;
    QChar move;
    qint32 next = 0;
};

class TuringTable : public TextTable {
    Q_OBJECT
public:
    static constexpr int kStartColCount = 6;  // label column and Q0 to Q4
    static constexpr int kColumnWidth = 70;
    static constexpr int kRowHeight = 25;
    static QString BlankLabel() { return QStringLiteral("Пробел"); }
    // A row label as the views show it: the blank row's in the current
    // language (the table keeps BlankLabel in both).
    static QString ShownLabel(const QString& label) {
        return label == BlankLabel() ? Tr("TuringTable", "Пробел") : label;
    }
    static QString Header(int col) { return QStringLiteral("Q") + QString::number(col - 1); }

    // The start table: C = 6 (Q0 to Q4), R = 2, row 1 the blank row, every
    // command empty.
    explicit TuringTable(QObject* parent = nullptr);

    int StateCount() const { return ColCount() - 1; }
    // The command for a state (0-based) and a row; empty outside the table.
    const QString& Command(int state, int row) const { return Cell(state + 1, row); }

    // Column commands; `col` is a state column (values below 1 act on
    // column 1). Inserting puts an empty column before `col`; deleting
    // refuses (returns false) when only one state column is left.
    void InsertStateColumn(int col);
    bool DeleteStateColumn(int col);
    void AppendStateColumn();
    // Empties every command and the state headers, then leaves Q0 to Q4.
    void ClearStates();
    // Empties the commands of a row below the header; its label stays.
    void ClearCommandRow(int row);
    // Empties a state column, header included, and writes all headers again.
    void ClearStateColumn(int col);

    // Puts the rows in the order of an alphabet editor text (spaces are
    // skipped) after the blank row: rows of symbols that stay keep their
    // commands, rows of symbols not in `text` and rows with other labels
    // go, missing symbols get empty rows, and the blank row is placed last
    // with the commands it had, every state column of them.
    void ApplyAlphabet(QStringView text);
    // Appends an empty row labelled `symbol` directly above the last row.
    void InsertSymbolRow(QChar symbol);

    // Replaces the whole table as a document brings it: `cells` holds rows
    // 1 to rowCount - 1, each with columns 0 to colCount - 1. Counts below 2
    // are raised to 2. The headers are written from their positions.
    void Load(int colCount, int rowCount, const QVector<QString>& cells);
    // The same with each cell's text asked of `cell`, once per cell, row by
    // row from row 1 and within a row from column 0, so a document's reader
    // can hand its lines over in order without keeping them.
    void Load(int colCount, int rowCount, const std::function<QString(int col, int row)>& cell);

    void WriteHeaders();

    // The command for a state (0-based) and a row, decoded the first time a
    // run reads it after the cell was written; empty outside the table.
    const DecodedTuringCell& Decoded(int state, int row) {
        const int col = state + 1;
        // One unsigned comparison per coordinate: state columns 1.., rows 1..
        if (unsigned(state) >= unsigned(ColCount() - 1) ||
            unsigned(row - 1) >= unsigned(RowCount() - 1)) {
            return kOutside;
        }
        const std::size_t at = std::size_t(row) * std::size_t(ColCount()) + std::size_t(col);
        if (!decoded_[at].decoded) {
            Decode(col, row);
        }
        return decoded_[at];
    }

protected:
    void CellWritten(int col, int row) override;
    // Every cell has its decoded entry, so a read needs no size check.
    void Reshaped() override {
        decoded_.assign(std::size_t(RowCount()) * std::size_t(ColCount()), DecodedTuringCell());
    }

private:
    int FindRow(QStringView label, int from) const;
    void Decode(int col, int row);

    static const DecodedTuringCell kOutside;
    std::vector<DecodedTuringCell> decoded_;  // by row, then column
};
