#include "core/turing/TuringTable.h"

#include "core/turing/TuringCommand.h"

#include <QSignalBlocker>
#include <algorithm>

TuringTable::TuringTable(QObject* parent) : TextTable(kStartColCount, 2, parent) {
    Reshaped();
    WriteHeaders();
    SetCell(0, 1, BlankLabel());
    SetCursor(1, 1);
}

void TuringTable::WriteHeaders() {
    SetCell(0, 0, QString());
    for (int col = 1; col < ColCount(); ++col) {
        SetCell(col, 0, Header(col));
    }
}

void TuringTable::InsertStateColumn(int col) {
    col = std::clamp(col, 1, ColCount());
    InsertCol(col);
    WriteHeaders();
}

bool TuringTable::DeleteStateColumn(int col) {
    if (StateCount() <= 1) {
        return false;
    }
    RemoveCol(std::clamp(col, 1, ColCount() - 1));
    WriteHeaders();
    return true;
}

void TuringTable::AppendStateColumn() {
    SetColCount(ColCount() + 1);
    WriteHeaders();
}

void TuringTable::ClearStates() {
    for (int row = 0; row < RowCount(); ++row) {
        for (int col = 1; col < ColCount(); ++col) {
            SetCell(col, row, QString());
        }
    }
    SetColCount(kStartColCount);
    WriteHeaders();
}

void TuringTable::ClearCommandRow(int row) {
    if (row < 1) {
        return;
    }
    for (int col = 1; col < ColCount(); ++col) {
        SetCell(col, row, QString());
    }
}

void TuringTable::ClearStateColumn(int col) {
    if (col < 1) {
        return;
    }
    for (int row = 0; row < RowCount(); ++row) {
        SetCell(col, row, QString());
    }
    WriteHeaders();
}

int TuringTable::FindRow(QStringView label, int from) const {
    for (int row = std::max(from, 1); row < RowCount(); ++row) {
        if (Cell(0, row) == label) {
            return row;
        }
    }
    return -1;
}

void TuringTable::ApplyAlphabet(QStringView text) {
    // One layout change for the views at the end instead of one per step.
    {
        const QSignalBlocker blocker(this);

        // The blank row's commands, whatever the number of state columns.
        QVector<QString> blankCommands(ColCount() - 1);
        quint32 blankId = 0;
        for (int row = RowCount() - 1; row >= 1; --row) {
            if (Cell(0, row) == BlankLabel()) {
                blankId = RowId(row);
                for (int col = 1; col < ColCount(); ++col) {
                    blankCommands[col - 1] = Cell(col, row);
                }
                break;
            }
        }

        // The symbols in order, each once; spaces only separate them.
        QString symbols;
        for (QChar c : text) {
            if (c != u' ' && !symbols.contains(c)) {
                symbols.append(c);
            }
        }

        // Stale rows go, the blank row among them. A label repeated below
        // its first row (possible only in a damaged document) goes too, so
        // that every symbol ends up with exactly one row.
        QString seen;
        for (int row = 1; row < RowCount();) {
            const QString& label = Cell(0, row);
            if (label.size() == 1 && symbols.contains(label[0]) && !seen.contains(label[0])) {
                seen.append(label[0]);
                ++row;
            } else {
                RemoveRow(row);
            }
        }

        for (QChar c : symbols) {
            if (!seen.contains(c)) {
                InsertRow(RowCount());
                SetCell(0, RowCount() - 1, QString(c));
            }
        }

        // Commands travel with their symbol: whole rows are swapped.
        for (int place = 1; place <= symbols.size(); ++place) {
            const QString label(symbols[place - 1]);
            if (Cell(0, place) != label) {
                SwapRows(place, FindRow(label, place));
            }
        }

        InsertRow(RowCount());
        const int blankRow = RowCount() - 1;
        SetCell(0, blankRow, BlankLabel());
        KeepRowId(blankRow, blankId);
        for (int col = 1; col < ColCount(); ++col) {
            SetCell(col, blankRow, blankCommands[col - 1]);
        }
    }
    // The cursor stays on a command cell: removing rows can leave it on the
    // header.
    SetCursor(std::max(Col(), 1), std::max(Row(), 1));
    Q_EMIT LayoutChanged();
    Q_EMIT CursorChanged(Col(), Row());
}

void TuringTable::InsertSymbolRow(QChar symbol) {
    const int row = std::max(RowCount() - 1, 1);
    InsertRow(row);
    SetCell(0, row, QString(symbol));
}

void TuringTable::Load(int colCount, int rowCount, const QVector<QString>& cells) {
    const int cols = std::max(colCount, 2);
    Load(colCount, rowCount, [&cells, cols](int col, int row) {
        const qsizetype at = qsizetype(row - 1) * cols + col;
        return at < cells.size() ? cells[at] : QString();
    });
}

void TuringTable::Load(int colCount, int rowCount,
                       const std::function<QString(int col, int row)>& cell) {
    colCount = std::max(colCount, 2);
    rowCount = std::max(rowCount, 2);
    {
        const QSignalBlocker blocker(this);
        SetRowCount(rowCount);
        SetColCount(colCount);
        for (int row = 1; row < rowCount; ++row) {
            for (int col = 0; col < colCount; ++col) {
                SetCell(col, row, cell(col, row));
            }
        }
        WriteHeaders();
    }
    // The cursor stays on a command cell: removing rows can leave it on the
    // header.
    SetCursor(std::max(Col(), 1), std::max(Row(), 1));
    Q_EMIT LayoutChanged();
    Q_EMIT CursorChanged(Col(), Row());
}

const DecodedTuringCell TuringTable::kOutside = [] {
    DecodedTuringCell cell;
    cell.decoded = true;
    return cell;
}();

void TuringTable::CellWritten(int col, int row) {
    const std::size_t at = std::size_t(row) * std::size_t(ColCount()) + std::size_t(col);
    if (at < decoded_.size()) {
        decoded_[at].decoded = false;
    }
}

void TuringTable::Decode(int col, int row) {
    DecodedTuringCell& cell =
        decoded_[std::size_t(row) * std::size_t(ColCount()) + std::size_t(col)];
    const QString& text = Cell(col, row);
    cell = DecodedTuringCell();
    cell.decoded = true;
    if (text.isEmpty()) {
        return;
    }
    const std::optional<TuringCommand> command = ParseTuringCommand(text);
    if (!command) {
        cell.form = DecodedTuringCell::Form::Unreadable;
        return;
    }
    cell.form = DecodedTuringCell::Form::Command;
    cell.write = command->write;
    cell.move = command->move;
    cell.next = command->nextState;
}
