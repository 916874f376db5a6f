#include "core/editing/TapeEditing.h"

#include <algorithm>

#include "core/editing/CarriageMoves.h"
#include "core/run/RunController.h"
#include "core/tape/TapeWindow.h"
#include "core/text/Language.h"
#include "core/workbench/Workbench.h"

namespace TapeEditing {

namespace {

// The on-tape cells of the columns first..last, left to right.
template <typename Visit>
void ForSelectedCells(const TapeStore& tape, int first, int last, Visit visit) {
    const int from = std::max(std::min(first, last), 0);
    const int to = std::min(std::max(first, last), TapeWindow::LastCol);
    for (int col = from; col <= to; ++col) {
        const int cell = TapeWindow::CellAt(tape.CarriagePos(), col);
        if (tape.OnTape(cell)) {
            visit(cell);
        }
    }
}

}  // namespace

void ToggleMarks(Workbench& bench, int first, int last) {
    if (bench.Kind() != MachineKind::Post) {
        return;
    }
    bench.Post().NameEdit(EditKind::ChangeMarks);
    bench.NoteEdit();
    TapeStore& tape = bench.Post().tape;
    bool allMarked = true;
    ForSelectedCells(tape, first, last, [&](int cell) { allMarked &= tape.GetPostCell(cell); });
    ForSelectedCells(tape, first, last, [&](int cell) { tape.SetPostCell(cell, !allMarked); });
}

void ToggleMarkAt(Workbench& bench, int col) {
    if (bench.Kind() != MachineKind::Post) {
        return;
    }
    TapeStore& tape = bench.Post().tape;
    if (!TapeWindow::ColumnOnTape(tape, col)) {
        return;
    }
    const int cell = TapeWindow::CellAt(tape.CarriagePos(), col);
    bench.Post().NameEdit(EditKind::ChangeMarks);
    tape.SetPostCell(cell, !tape.GetPostCell(cell));
    bench.RunControl().NoteEdit(bench.Post());
}

QChar SymbolOf(const QString& currentTapeSymbol) {
    if (currentTapeSymbol.size() != 1) {
        return u' ';  // "нет", the blank
    }
    return currentTapeSymbol.at(0);
}

WriteResult WriteSymbolToSelection(Workbench& bench, QChar ch, int first, int last) {
    if (bench.Kind() != MachineKind::Turing) {
        return WriteResult::Ignored;
    }
    // Enter, Esc and the other control characters are keys, not symbols.
    if (ch != u' ' && !ch.isPrint()) {
        return WriteResult::Ignored;
    }
    TuringMachine& turing = bench.Turing();
    turing.NameEdit(EditKind::WriteTape);
    if (ch == u'_') {
        // "_" stands for the blank in commands and can never join the
        // alphabet, so asking to add it would promise what cannot be done.
        bench.UiPort().Beep();
        return WriteResult::Refused;
    }
    if (ch != u' ' && !turing.Alphabet().contains(ch)) {
        bench.UiPort().Beep();
        const DialogAnswer answer = bench.UiPort().ShowMessageDialog(
            {MessageKind::QuestionWithHelp, Tr("TapeEditing", "Интерпретатор машины Тьюринга"),
             Tr("TapeEditing", "Вводимый символ < ") + ch +
                 Tr("TapeEditing", " > отсутствует во внешнем алфавите. Добавить его в алфавит?")});
        // "Помощь" declines too: the question opens no help topic.
        if (answer != DialogAnswer::Yes || !turing.AddSymbol(ch)) {
            return WriteResult::Declined;
        }
    }
    TapeStore& tape = turing.tape;
    ForSelectedCells(tape, first, last, [&](int cell) { tape.SetTuringCell(cell, ch); });
    bench.NoteEdit();
    return WriteResult::Written;
}

void ClearTape(Workbench& bench) {
    bench.Current().NameEdit(EditKind::ClearTape);
    bench.NoteEdit();
    bench.Current().tape.Clear();
    bench.RunControl().RefreshBoundButtons();
}

bool MemoriseTape(Workbench& bench) {
    if (!bench.Current().tape.Memorise()) {
        return false;
    }
    bench.RunControl().SetRestoreEnabled(true);
    return true;
}

void RestoreTape(Workbench& bench) {
    TapeStore& tape = bench.Current().tape;
    if (!tape.HasMemorised()) {
        return;
    }
    bench.Current().NameEdit(EditKind::RestoreTape);
    bench.NoteEdit();
    tape.Restore();
    bench.RunControl().RefreshBoundButtons();
}

void CarriageLeft(Workbench& bench) {
    bench.Current().NameEdit(EditKind::MoveCarriage);
    bench.NoteEdit();
    MoveCarriageLeft(bench);
}

void CarriageRight(Workbench& bench) {
    bench.Current().NameEdit(EditKind::MoveCarriage);
    bench.NoteEdit();
    MoveCarriageRight(bench);
}

}  // namespace TapeEditing
