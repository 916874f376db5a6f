#pragma once
// The Turing machine's own data beside its tape and flags: the external
// alphabet (TuringAlphabet) with the text of its editor, the program table,
// the task statement and the comments, the symbol that tape editing writes
// (CurrentTapeSymbol) and the splitter position between table and comments.
//
// Every operation here that changes what the document stores marks this
// machine modified, and the editing ones also mark its run edited while the
// run is active, before they change anything. Views follow the model through
// the table's signals and the signals below; a signal is also emitted for a
// change the view itself asked for, so a view compares before it copies.

#include <QString>
#include <optional>

#include "core/machine/Machine.h"
#include "core/text/Language.h"
#include "core/turing/TuringSymbols.h"
#include "core/turing/TuringTable.h"

class TuringMachine : public Machine {
    Q_OBJECT
public:
    static constexpr int kStartSplitterPos = 435;  // also the table's width
    static constexpr int kSplitterMargin = 15;
    static QString NoSymbolText() { return Tr("TuringMachine", "нет"); }
    static QString StartComments() { return QStringLiteral("Комментарий:"); }

    explicit TuringMachine(MachineHost& host);

    TuringTable table;
    // The symbol the tape's write command writes: NoSymbolText() for the
    // blank, or one character.
    QString currentTapeSymbol = NoSymbolText();

    // --- External alphabet ---
    // The alphabet: the symbols in the order typed, each once, no space.
    const QString& Alphabet() const { return alphabet_; }
    // The alphabet editor's text, spaces between symbols included.
    const QString& AlphabetText() const { return alphabetText_; }
    // A change of the alphabet editor's text; the table follows at the next
    // rebuild.
    void EditAlphabetText(const QString& text);
    // The rebuild, when the editor is left: cleans the editor text and brings the
    // alphabet and the table rows in line with it.
    void RebuildAlphabet();
    // The clear-alphabet command: leaves only the blank row, with its
    // commands.
    void ClearAlphabet();
    // Adds a symbol typed on the tape: a row above the blank row, no
    // rebuild. Refuses (false) a space, "_" and a symbol already present.
    bool AddSymbol(QChar symbol);
    // A document's alphabet: alphabet and editor text both become `alphabet`;
    // the rows are left as they are and no flag changes.
    void LoadAlphabet(const QString& alphabet);
    // The table row the interpreter uses for a tape symbol: the last row for
    // the blank, the 1-based alphabet position for a symbol, none for a
    // symbol outside the alphabet. When a document's rows disagree with its
    // alphabet the row may lie past the table, where every cell reads empty.
    std::optional<int> RowOfSymbol(QChar symbol) const {
        if (symbol == u' ') {
            return table.RowCount() - 1;
        }
        const int position = symbols_.PositionOf(symbol);
        if (position == 0) {
            return std::nullopt;
        }
        return position;
    }

    // --- Table ---
    // The check of the current cell on Enter, Up, Down or leaving the table.
    void CheckCell();
    // An in-place editor of a table cell opens.
    void NoteCellEditStart();
    // Column commands at the table's cursor. ClearTable does not break a
    // running program: the command layer breaks it first.
    void InsertColumn();
    void DeleteColumn();  // beeps when only one state column is left
    void AppendColumn();
    void ClearTable();
    void ClearRow();
    void ClearColumn();

    // --- What a run does with this machine ---
    // position.at is the state whose column holds the command shown next,
    // position.steps the number of that command.
    StepOutcome Step(RunPosition& position) override;
    RunPosition StartPosition() const override { return {0, 0}; }
    void ShowRunEnd(const RunPosition&) override { table.SetCol(1); }
    TextTable& ProgramTable() override { return table; }
    QString Caption() const override { return Tr("TuringMachine", "Машина Тьюринга"); }
    FailurePlace PlaceOfFailure(const StepOutcome& outcome) override;
    void ClearProgram() override { ClearTable(); }
    void ClearProgramRow() override { ClearRow(); }
    void ClearProgramColumn() override { ClearColumn(); }
    void ClearProgramCells(int firstCol, int firstRow, int lastCol, int lastRow) override;

    MachineContents Saved() override;
    void PutBack(const MachineContents& contents) override;

    // --- Texts and layout ---
    // Memo texts keep their lines separated by "\n"; setting a different
    // text marks the document modified.
    const QString& Comments() const { return comments_; }
    void SetComments(const QString& text);

    int SplitterPos() const { return splitterPos_; }
    void SetSplitterPos(int pos);
    // Where a splitter drag may go within a panel of the given width.
    static int ClampSplitterPos(int pos, int panelWidth);

Q_SIGNALS:
    void AlphabetTextChanged(const QString& text);
    void CommentsChanged(const QString& text);
    void SplitterPosChanged(int pos);

private:
    void SetAlphabetText(const QString& text);
    void SetAlphabet(const QString& alphabet);

    QString alphabet_;
    TuringSymbols symbols_;
    QString alphabetText_;
    QString comments_ = StartComments();
    int splitterPos_ = kStartSplitterPos;
};
