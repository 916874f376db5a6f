#include "core/turing/TuringInterpreter.h"

#include "core/run/RunController.h"
#include "core/tape/CarriageMoves.h"
#include "core/turing/TuringCommand.h"
#include "core/workbench/Workbench.h"

namespace {

class TuringTick {
public:
    explicit TuringTick(Workbench& bench) : bench_(bench), turing_(bench.Turing()) {}
    void Run();

private:
    // Panel 0 with "Символ: s -> w.   Состояние: qq -> qn." and the move,
    // composed only when read. False (and the syntax error) for a move that
    // is none of "<", ">" and "!".
    bool Describe(QChar s, const TuringCommand& command);
    void Fail(const QString& dialog, int help, const QString& status);
    void FailSyntax() {
        Fail(QStringLiteral("Неверная запись команды"), 173,
             QStringLiteral("  -  ошибка:  неверная запись команды"));
    }
    void FailState(qint64 state);
    // Ending the run on a tick that raised the counter for the command it
    // executed: the step panel goes back to that command's number.
    void ShowExecutedStep(int executed) {
        bench_.SetStatusNumber(Workbench::PanelStep, QStringLiteral("Шаг:   "), executed);
    }
    void PauseAfterStep();

    Workbench& bench_;
    TuringMachine& turing_;
};

bool TuringTick::Describe(QChar s, const TuringCommand& command) {
    if (!IsTuringMove(command.move)) {
        FailSyntax();
        return false;
    }
    const qint32 q = turing_.state;
    const qint32 n = command.nextState;
    const QChar w = command.write;
    const QChar m = command.move;
    bench_.SetStatusComposed(Workbench::PanelMessage, [s, w, m, q, n] {
        QString text = QStringLiteral("Символ: ") + s + QStringLiteral(" -> ") + w +
                       QStringLiteral(".   Состояние: q") + QString::number(q) +
                       QStringLiteral(" -> q") + QString::number(n) + u'.';
        if (m == u'>') {
            text += QStringLiteral("   Перевод каретки вправо.");
        } else if (m == u'<') {
            text += QStringLiteral("   Перевод каретки влево.");
        } else {
            text += QStringLiteral("   Остановка машины.");
        }
        return text;
    });
    return true;
}

void TuringTick::Fail(const QString& dialog, int help, const QString& status) {
    bench_.run().Break();
    bench_.ReportFailure(QStringLiteral("Ошибка"), dialog, help, status);
}

void TuringTick::FailState(qint64 state) {
    const QString number = QString::number(state);
    Fail(QStringLiteral("Состояние  Q") + number + QStringLiteral("  отсутствует"), 174,
         QStringLiteral("  -  ошибка:  cостояние  Q") + number + QStringLiteral("  отсутствует"));
}

void TuringTick::PauseAfterStep() {
    bench_.stepMode = false;
    bench_.run().SetBusy(false);
    bench_.run().Pause();
}

void TuringTick::Run() {
    RunController& run = bench_.run();
    TuringTable& table = turing_.table;
    TapeStore& tape = turing_.tape;
    run.SetBusy(true);

    // State columns deleted during a pause can leave the state without a
    // column; the table is never asked for a column it does not have.
    if (turing_.state < 0 || turing_.state >= table.StateCount()) {
        FailState(turing_.state);
        return;
    }
    table.SetCol(turing_.state + 1);

    const QChar s = tape.GetTuringCell(tape.CarriagePos());
    const std::optional<int> row = turing_.RowOfSymbol(s);
    if (!row) {
        Fail(QStringLiteral("Cимвола <") + s + QStringLiteral("> нет в алфавите"), 171,
             QStringLiteral("  -  ошибка:  данного символа нет в алфавите"));
        return;
    }
    table.SetRow(*row);
    const QString& cell = table.Command(turing_.state, *row);
    if (cell.isEmpty()) {
        Fail(QStringLiteral("Не указана команда"), 172,
             QStringLiteral("  -  ошибка:  не указана команда"));
        return;
    }

    ++turing_.stepCount;
    bench_.SetStatusNumber(Workbench::PanelStep, QStringLiteral("Шаг:   "), turing_.stepCount);
    const bool firstTick = turing_.stepCount == 1;
    const std::optional<TuringCommand> command = ParseTuringCommand(cell);
    const int executed = turing_.stepCount - 1;
    if (!command) {
        if (!firstTick) {
            ShowExecutedStep(executed);
        }
        FailSyntax();
        return;
    }

    if (firstTick) {
        if (Describe(s, *command) && bench_.stepMode) {
            PauseAfterStep();
        }
        return;
    }

    if (command->nextState < 0 || command->nextState > table.StateCount() - 1) {
        ShowExecutedStep(executed);
        FailState(command->nextState);
        return;
    }
    turing_.state = command->nextState;
    tape.SetTuringCell(tape.CarriagePos(),
                       command->write == kTuringBlankMark ? QChar(u' ') : command->write);

    if (command->move == u'>' || command->move == u'<') {
        if (command->move == u'>') {
            MoveCarriageRight(bench_);
        } else {
            MoveCarriageLeft(bench_);
        }
        if (!turing_.runActive) {
            ShowExecutedStep(executed);  // the carriage left the tape; the run is broken
            return;
        }
    } else if (command->move == u'!') {
        ShowExecutedStep(executed);
        run.Break();
        bench_.ui().Beep();
        bench_.ui().ShowMessageDialog(QStringLiteral("Машина Тьюринга"),
                                      QStringLiteral("Программа завершена!"), QStringLiteral("Ок"),
                                      200, 100);
        bench_.SetStatusText(Workbench::PanelMessage, QStringLiteral("  -  программа завершена"));
        return;
    }

    if (bench_.stepMode) {
        PauseAfterStep();
    }
    bench_.SetStatusText(Workbench::PanelMessage, QString());

    // Show the command the next tick will execute.
    const QChar t = tape.GetTuringCell(tape.CarriagePos());
    const std::optional<int> nextRow = turing_.RowOfSymbol(t);
    if (!nextRow) {
        return;
    }
    table.SetCursor(turing_.state + 1, *nextRow);
    const QString& next = table.Command(turing_.state, *nextRow);
    if (next.isEmpty()) {
        return;
    }
    const std::optional<TuringCommand> preview = ParseTuringCommand(next);
    if (!preview) {
        FailSyntax();
        return;
    }
    Describe(t, *preview);
}

}  // namespace

void TuringStep(Workbench& bench) {
    TuringTick(bench).Run();
}
