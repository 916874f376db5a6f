#include "core/checking/CaseRun.h"

#include <algorithm>

#include "core/port/ScriptedUi.h"
#include "core/run/RunController.h"
#include "core/text/Cp1251.h"
#include "core/workbench/Workbench.h"

QString TapeSetupError::English() const {
    switch (kind) {
        case Kind::Unrepresentable:
            return QStringLiteral("the tape text holds \"%1\", which Windows-1251 cannot hold")
                .arg(value);
        case Kind::PastEnd:
            return QStringLiteral("the tape text runs past the tape's end at cell %1").arg(value);
        case Kind::NotPostCell:
            return QStringLiteral(
                       "\"%1\" is not a Post tape cell: use 1 for a mark, 0 or . for an empty cell")
                .arg(value);
        case Kind::NotInAlphabet:
            return QStringLiteral("the symbol \"%1\" is not in the document's alphabet \"%2\"")
                .arg(value, alphabet);
        case Kind::CarriageOffTape:
            return QStringLiteral("the carriage cell %1 is not on the tape").arg(value);
    }
    return {};
}

QString TapeSetupError::Russian() const {
    switch (kind) {
        case Kind::Unrepresentable:
            return QStringLiteral("символ \"%1\" не может стоять на ленте").arg(value);
        case Kind::PastEnd:
            return QStringLiteral("лента кончается раньше, на клетке %1").arg(value);
        case Kind::NotPostCell:
            return QStringLiteral(
                       "\"%1\" — не клетка ленты машины Поста (1 — метка, 0 или . — "
                       "пустая клетка)")
                .arg(value);
        case Kind::NotInAlphabet:
            return QStringLiteral("символа \"%1\" нет во внешнем алфавите \"%2\"")
                .arg(value, alphabet);
        case Kind::CarriageOffTape:
            return QStringLiteral("клетки %1 для каретки нет на ленте").arg(value);
    }
    return {};
}

namespace {

std::optional<TapeSetupError> WriteTapeText(Workbench& bench, const QString& text, int start) {
    using Kind = TapeSetupError::Kind;
    TapeStore& tape = bench.Current().tape;
    const bool post = tape.Kind() == TapeKind::Post;
    for (QChar c : text) {
        if (!Cp1251::Representable(c)) {
            return TapeSetupError{Kind::Unrepresentable, QString(c), {}};
        }
    }
    tape.Clear();
    for (int i = 0; i < text.size(); ++i) {
        const int cell = start + i;
        if (!tape.OnTape(cell)) {
            return TapeSetupError{Kind::PastEnd, QString::number(cell), {}};
        }
        const QChar c = text[i];
        if (post) {
            if (c != u'1' && c != u'0' && c != u'.') {
                return TapeSetupError{Kind::NotPostCell, QString(c), {}};
            }
            tape.SetPostCell(cell, c == u'1');
        } else if (c == u'_') {
            tape.SetTuringCell(cell, u' ');
        } else if (bench.Turing().Alphabet().contains(c)) {
            tape.SetTuringCell(cell, c);
        } else {
            return TapeSetupError{Kind::NotInAlphabet, QString(c), bench.Turing().Alphabet()};
        }
    }
    return std::nullopt;
}

}  // namespace

std::optional<TapeSetupError> PlaceTape(Workbench& bench, const std::optional<QString>& text,
                                        std::optional<int> start, std::optional<int> carriage) {
    TapeStore& tape = bench.Current().tape;
    if (text) {
        const int first = start.value_or(tape.FirstCell() > 0 ? 1 : 0);
        if (std::optional<TapeSetupError> error = WriteTapeText(bench, *text, first)) {
            return error;
        }
        tape.SetCarriagePos(first);
    }
    if (carriage) {
        if (!tape.OnTape(*carriage)) {
            return TapeSetupError{
                TapeSetupError::Kind::CarriageOffTape, QString::number(*carriage), {}};
        }
        tape.SetCarriagePos(*carriage);
    }
    return std::nullopt;
}

RunResult RunToEnd(Workbench& bench, const ScriptedUi& ui, qint64 maxSteps,
                   const std::function<void(const QString&)>& traceLine) {
    Machine& machine = bench.Current();
    RunController& run = bench.RunControl();
    run.Run();
    // The first tick announces; every later tick executes one command. The
    // limit breaks the run off as "Прервать" would, before the next command.
    qint64 ticks = 0;
    bool limit = false;
    while (run.Active(machine)) {
        if (ticks > maxSteps) {
            run.Break();
            limit = true;
            break;
        }
        if (traceLine) {
            run.Tick(machine);
            ++ticks;
            traceLine(bench.StatusText(Workbench::PanelStep) + QStringLiteral(" | ") +
                      bench.StatusText(Workbench::PanelMessage));
        } else {
            // Untraced, the ticks up to the limit run in one go.
            ticks += run.RunTicks(machine, maxSteps + 1 - ticks);
        }
    }

    RunResult out;
    const StepOutcome& outcome = run.LastOutcome();
    out.message = ui.dialogs.isEmpty() ? QString() : ui.dialogs.back().message;
    out.status = bench.StatusText(Workbench::PanelMessage);
    if (limit) {
        out.end = RunResult::End::Limit;
        out.steps = maxSteps;
        out.message.clear();
    } else {
        out.end = outcome.result == StepOutcome::Result::Stopped ? RunResult::End::Stopped
                                                                 : RunResult::End::Error;
        out.steps = outcome.step;
    }
    const TapeStore& tape = machine.tape;
    const bool post = tape.Kind() == TapeKind::Post;
    out.carriage = tape.CarriagePos();
    out.usedMin = tape.UsedMin();
    out.usedMax = tape.UsedMax();
    out.emptyTape = tape.IsEmpty();
    if (!out.emptyTape) {
        TapeStore& cells = machine.tape;
        for (int cell = std::max(tape.UsedMin(), tape.FirstCell());
             cell <= std::min(tape.UsedMax(), tape.LastCell()); ++cell) {
            out.tape +=
                post ? QChar(cells.GetPostCell(cell) ? u'1' : u'0') : cells.GetTuringCell(cell);
        }
    }
    return out;
}

QString UsedPartNotation(MachineKind kind, const QString& cells) {
    QString text = cells;
    if (kind == MachineKind::Turing) {
        text.replace(u' ', u'_');
    }
    return text;
}

bool CasePassed(const RunCase& runCase, MachineKind kind, bool stopped, const QString& cells) {
    if (!stopped) {
        return false;
    }
    QString expected = runCase.expected;
    if (kind == MachineKind::Post) {
        expected.replace(u'.', u'0');
    }
    return UsedPartNotation(kind, cells) == expected;
}

QString CaseOutcome::Text() const {
    switch (verdict) {
        case Verdict::Passed:
            return QStringLiteral("пройден");
        case Verdict::Failed:
            return QStringLiteral("не пройден");
        case Verdict::Limit:
            return QStringLiteral("превышен предел шагов");
        case Verdict::Error:
        case Verdict::BadCase:
            return QStringLiteral("ошибка: ") + message;
    }
    return {};
}

CaseOutcome RunAndCheckCase(MachineKind kind, const MachineContents& program,
                            const RunCase& runCase, qint64 maxSteps) {
    ScriptedUi ui(ScriptedUi::Unplanned::FirstButton);
    Workbench bench(ui);
    bench.SetKind(kind);
    bench.Current().PutBack(program);
    CaseOutcome out;
    if (const std::optional<TapeSetupError> error =
            PlaceTape(bench, runCase.input, runCase.start, runCase.carriage)) {
        out.verdict = CaseOutcome::Verdict::BadCase;
        out.message = error->Russian();
        return out;
    }
    const RunResult run = RunToEnd(bench, ui, maxSteps);
    out.tape = UsedPartNotation(kind, run.tape);
    out.steps = run.steps;
    switch (run.end) {
        case RunResult::End::Stopped:
            out.verdict = CasePassed(runCase, kind, true, run.tape) ? CaseOutcome::Verdict::Passed
                                                                    : CaseOutcome::Verdict::Failed;
            break;
        case RunResult::End::Error:
            out.verdict = CaseOutcome::Verdict::Error;
            out.message = run.message.trimmed();
            break;
        case RunResult::End::Limit:
            out.verdict = CaseOutcome::Verdict::Limit;
            break;
    }
    return out;
}
