#include "core/turing/TuringMachine.h"

#include <algorithm>

#include "core/machine/MachineHost.h"
#include "core/port/Ui.h"
#include "core/text/Language.h"
#include "core/turing/TuringCommand.h"

// The flags go to this machine whichever is current, as the tape's do; in
// practice these operations run only while the Turing machine is shown.
TuringMachine::TuringMachine(MachineHost& host) : Machine(host, MachineKind::Turing) {}

void TuringMachine::SetAlphabet(const QString& alphabet) {
    alphabet_ = alphabet;
    symbols_.Rebuild(alphabet_);
}

void TuringMachine::SetAlphabetText(const QString& text) {
    if (text == alphabetText_) {
        return;
    }
    alphabetText_ = text;
    Q_EMIT AlphabetTextChanged(alphabetText_);
}

void TuringMachine::EditAlphabetText(const QString& text) {
    if (text == alphabetText_) {
        return;
    }
    NoteEdit();
    SetAlphabetText(text);
}

void TuringMachine::RebuildAlphabet() {
    NameEdit(EditKind::ChangeAlphabet);
    QString cleaned;
    for (QChar c : alphabetText_) {
        if (c != kTuringBlankMark && (c == u' ' || !cleaned.contains(c))) {
            cleaned.append(c);
        }
    }
    // Dropping repeats or "_" changes the editor's text like typing would.
    EditAlphabetText(cleaned);
    table.ApplyAlphabet(cleaned);
    cleaned.remove(u' ');
    SetAlphabet(cleaned);
}

void TuringMachine::ClearAlphabet() {
    NameEdit(EditKind::ClearAlphabet);
    NoteEdit();
    SetAlphabet(QString());
    SetAlphabetText(QString());
    RebuildAlphabet();
}

bool TuringMachine::AddSymbol(QChar symbol) {
    if (symbol == u' ' || symbol == kTuringBlankMark || alphabet_.contains(symbol)) {
        return false;
    }
    SetAlphabet(alphabet_ + symbol);
    EditAlphabetText(alphabetText_ + u' ' + symbol);
    table.InsertSymbolRow(symbol);
    return true;
}

void TuringMachine::LoadAlphabet(const QString& alphabet) {
    SetAlphabet(alphabet);
    SetAlphabetText(alphabet);
}

void TuringMachine::CheckCell() {
    const int col = table.Col();
    const int row = table.Row();
    if (col < 1 || row < 1 || table.Cell(col, row).isEmpty()) {
        return;
    }
    const std::optional<QString> command = NormaliseTuringCommand(table.Cell(col, row), alphabet_);
    if (!command) {
        table.SetCell(col, row, QString());
        return;
    }
    table.SetCell(col, row, *command);
    SetModified(true);
}

void TuringMachine::NoteCellEditStart() {
    host_.MachineEdited(*this);
}

void TuringMachine::InsertColumn() {
    NameEdit(EditKind::InsertColumn);
    NoteEdit();
    table.InsertStateColumn(table.Col());
}

void TuringMachine::DeleteColumn() {
    NameEdit(EditKind::DeleteColumn);
    NoteEdit();
    if (!table.DeleteStateColumn(table.Col())) {
        host_.UiPort().Beep();
    }
}

void TuringMachine::AppendColumn() {
    NameEdit(EditKind::AppendColumn);
    NoteEdit();
    table.AppendStateColumn();
}

void TuringMachine::ClearTable() {
    SetModified(true);
    table.ClearStates();
    SetSplitterPos(kStartSplitterPos);
}

void TuringMachine::ClearRow() {
    NoteEdit();
    table.ClearCommandRow(table.Row());
}

void TuringMachine::ClearColumn() {
    NoteEdit();
    table.ClearStateColumn(table.Col());
}

void TuringMachine::ClearProgramCells(int firstCol, int firstRow, int lastCol, int lastRow) {
    NoteEdit();
    for (int row = std::max(firstRow, 1); row <= std::min(lastRow, table.RowCount() - 1); ++row) {
        for (int col = std::max(firstCol, 1); col <= std::min(lastCol, table.ColCount() - 1);
             ++col) {
            table.SetCell(col, row, QString());
        }
    }
}

void TuringMachine::SetComments(const QString& text) {
    if (text == comments_) {
        return;
    }
    SetModified(true);
    comments_ = text;
    Q_EMIT CommentsChanged(comments_);
}

void TuringMachine::SetSplitterPos(int pos) {
    if (pos == splitterPos_) {
        return;
    }
    splitterPos_ = pos;
    Q_EMIT SplitterPosChanged(splitterPos_);
}

int TuringMachine::ClampSplitterPos(int pos, int panelWidth) {
    return std::max(kSplitterMargin, std::min(pos, panelWidth - kSplitterMargin));
}

MachineContents TuringMachine::Saved() {
    MachineContents contents = Machine::Saved();
    contents.alphabet = alphabet_;
    contents.alphabetText = alphabetText_;
    contents.comments = comments_;
    return contents;
}

void TuringMachine::PutBack(const MachineContents& contents) {
    Machine::PutBack(contents);
    if (contents.alphabet != alphabet_) {
        SetAlphabet(contents.alphabet);
    }
    SetAlphabetText(contents.alphabetText);
    SetComments(contents.comments);
}

FailurePlace TuringMachine::PlaceOfFailure(const StepOutcome& outcome) {
    const int col = table.Col();
    if (col < 1 || col >= table.ColCount()) {
        return {};
    }
    const QString state = TuringTable::Header(col);
    if (outcome.error == StepError::TuringNoSymbol) {
        // The symbol has no row: the state is where the run stood.
        return {-1, -1, state + Tr("TuringMachine", ", символ ") + outcome.symbol, {}};
    }
    const int row = table.Row();
    if (row < 1 || row >= table.RowCount()) {
        return {};
    }
    const QString& label = table.Cell(0, row);
    const QString symbol = label == TuringTable::BlankLabel()
                               ? Tr("TuringMachine", "пробел")
                               : Tr("TuringMachine", "символ ") + label;
    return {col, row, state + QStringLiteral(", ") + symbol, {}};
}
