#include "core/editing/CarriageMoves.h"

#include <QRegularExpression>

#include "core/run/RunController.h"
#include "core/workbench/Workbench.h"

namespace {

bool MoveCarriage(Workbench& bench, int delta) {
    const bool moved = bench.Current().tape.MoveCarriageBy(delta);
    if (!moved) {
        bench.RunControl().ReportOffTape();
    }
    if (!bench.RunControl().PauseAvailable()) {
        bench.RunControl().RefreshBoundButtons();
    }
    return moved;
}

}  // namespace

bool MoveCarriageRight(Workbench& bench) {
    return MoveCarriage(bench, +1);
}

bool MoveCarriageLeft(Workbench& bench) {
    return MoveCarriage(bench, -1);
}

int GoToCell(Workbench& bench, const QString& text) {
    TapeStore& tape = bench.Current().tape;
    bench.SetModified(true);
    // The box takes a decimal number with an optional sign; anything else
    // leaves the carriage where it is.
    static const QRegularExpression kDecimal(QStringLiteral("^[+-]?[0-9]{1,9}$"));
    int cell = kDecimal.match(text).hasMatch() ? text.toInt() : tape.CarriagePos();
    // Writing the corrected number back into the box runs this handling
    // again, so a long number loses digits until it fits.
    while (cell > TapeStore::TapeLimit) {
        bench.UiPort().Beep();
        cell /= 10;
    }
    if (tape.Kind() == TapeKind::Turing && cell <= 0) {
        bench.UiPort().Beep();
        cell = 1;
    }
    if (cell < tape.FirstCell()) {
        // Four characters cannot spell a cell below -999, but a pasted text
        // can; such a cell is put on the tape's end.
        bench.UiPort().Beep();
        cell = tape.FirstCell();
    }
    tape.SetCarriagePos(cell);
    if (!bench.RunControl().PauseAvailable()) {
        bench.RunControl().RefreshBoundButtons();
    }
    return cell;
}
