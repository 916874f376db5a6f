#include "core/checking/CaseRun.h"

#include <algorithm>
#include <chrono>

#include "core/checking/GrowthFit.h"
#include "core/port/ScriptedUi.h"
#include "core/run/RunController.h"
#include "core/text/Cp1251.h"
#include "core/text/Language.h"
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
            return Tr("CaseRun", "символ \"%1\" не может стоять на ленте").arg(value);
        case Kind::PastEnd:
            return Tr("CaseRun", "лента кончается раньше, на клетке %1").arg(value);
        case Kind::NotPostCell:
            return Tr("CaseRun",
                      "\"%1\" — не клетка ленты машины Поста (1 — метка, 0 или . — "
                      "пустая клетка)")
                .arg(value);
        case Kind::NotInAlphabet:
            return Tr("CaseRun", "символа \"%1\" нет во внешнем алфавите \"%2\"")
                .arg(value, alphabet);
        case Kind::CarriageOffTape:
            return Tr("CaseRun", "клетки %1 для каретки нет на ленте").arg(value);
    }
    return {};
}

std::optional<TapeSetupError> CheckTape(MachineKind kind, const QString* alphabet,
                                        const std::optional<QString>& text,
                                        std::optional<int> start, std::optional<int> carriage) {
    using Kind = TapeSetupError::Kind;
    const int firstCell = FirstTapeCell(kind);
    auto onTape = [firstCell](qint64 cell) {
        return cell >= firstCell && cell <= TapeStore::TapeLimit;
    };
    if (text) {
        for (QChar c : *text) {
            if (!Cp1251::Representable(c)) {
                return TapeSetupError{Kind::Unrepresentable, QString(c), {}};
            }
        }
        const int first = start.value_or(DefaultTapeStart(kind));
        for (qsizetype i = 0; i < text->size(); ++i) {
            const qint64 cell = qint64(first) + i;
            if (!onTape(cell)) {
                return TapeSetupError{Kind::PastEnd, QString::number(cell), {}};
            }
            const QChar c = (*text)[i];
            if (kind == MachineKind::Post) {
                if (c != u'1' && c != u'0' && c != u'.') {
                    return TapeSetupError{Kind::NotPostCell, QString(c), {}};
                }
            } else if (c != u'_' && alphabet && !alphabet->contains(c)) {
                return TapeSetupError{Kind::NotInAlphabet, QString(c), *alphabet};
            }
        }
    }
    if (carriage && !onTape(*carriage)) {
        return TapeSetupError{Kind::CarriageOffTape, QString::number(*carriage), {}};
    }
    return std::nullopt;
}

std::optional<TapeSetupError> PlaceTape(Workbench& bench, const std::optional<QString>& text,
                                        std::optional<int> start, std::optional<int> carriage) {
    const MachineKind kind = bench.Kind();
    const QString alphabet = kind == MachineKind::Turing ? bench.Turing().Alphabet() : QString();
    if (std::optional<TapeSetupError> error = CheckTape(kind, &alphabet, text, start, carriage)) {
        return error;
    }
    TapeStore& tape = bench.Current().tape;
    if (text) {
        const int first = start.value_or(tape.FirstCell() > 0 ? 1 : 0);
        tape.Clear();
        for (qsizetype i = 0; i < text->size(); ++i) {
            const int cell = first + int(i);
            const QChar c = (*text)[i];
            if (kind == MachineKind::Post) {
                tape.SetPostCell(cell, c == u'1');
            } else {
                tape.SetTuringCell(cell, c == u'_' ? QChar(u' ') : c);
            }
        }
        tape.SetCarriagePos(first);
    }
    if (carriage) {
        tape.SetCarriagePos(*carriage);
    }
    return std::nullopt;
}

QString TraceTick::Line() const {
    return stepText + QStringLiteral(" | ") + message;
}

namespace {

// The clock is read between slices of ticks: about a millisecond of work
// each at full speed, or every kTracedSlice ticks of a traced run.
constexpr qint64 kSlice = 1 << 16;
constexpr qint64 kTracedSlice = 1 << 10;

}  // namespace

RunResult RunToEnd(Workbench& bench, ScriptedUi& ui, const RunLimits& limits,
                   const std::function<void(const TraceTick&)>& trace) {
    Machine& machine = bench.Current();
    RunController& run = bench.RunControl();
    ui.Clear();
    using Clock = std::chrono::steady_clock;
    std::optional<Clock::time_point> deadline;
    if (limits.seconds) {
        deadline = Clock::now() + std::chrono::duration_cast<Clock::duration>(
                                      std::chrono::duration<double>(*limits.seconds));
    }
    const int inputLength = InputLength(machine.tape);
    run.Run();
    // The first tick announces; every later tick executes one command. The
    // limit breaks the run off as "Прервать" would, before the next command.
    const qint64 maxSteps = limits.maxSteps;
    qint64 ticks = 0;
    std::optional<RunResult::End> brokenOff;
    // A continuous run pauses by itself only on a loop found.
    auto going = [&run, &machine] {
        return run.Active(machine) && run.State() != RunController::RunState::Paused;
    };
    while (going()) {
        if (ticks > maxSteps) {
            brokenOff = RunResult::End::Limit;
        } else if ((deadline && Clock::now() >= *deadline) || (limits.cancel && *limits.cancel)) {
            brokenOff = RunResult::End::Timeout;
        }
        if (brokenOff) {
            run.Break();
            break;
        }
        // Up to maxSteps + 1 ticks in all, counted without overflow at the
        // largest limit.
        const qint64 room = maxSteps - ticks;
        if (trace) {
            for (qint64 n = std::min(room, kTracedSlice - 1) + 1; n > 0 && going(); --n) {
                run.Tick(machine);
                ++ticks;
                TraceTick tick;
                tick.stepText = bench.StatusText(Workbench::PanelStep);
                tick.step = bench.StepShown();
                tick.message = bench.StatusText(Workbench::PanelMessage);
                tick.carriage = machine.tape.CarriagePos();
                trace(tick);
            }
        } else {
            ticks += run.RunTicks(machine, std::min(room, kSlice - 1) + 1);
        }
    }

    RunResult out;
    out.inputLength = inputLength;
    const StepOutcome& outcome = run.LastOutcome();
    out.message = ui.dialogs.isEmpty() ? QString() : ui.dialogs.back().message;
    out.status = bench.StatusText(Workbench::PanelMessage);
    const bool looped = !brokenOff && run.Active(machine);
    if (looped) {
        // The machine stays where the loop was shown; the next run starts
        // afresh.
        run.Break();
    }
    ui.Clear();
    if (looped) {
        out.end = RunResult::End::Loop;
        out.loopStart = outcome.loopStart;
        out.loopLength = outcome.loopLength;
        out.steps = outcome.loopStart + outcome.loopLength;
    } else if (brokenOff) {
        out.end = *brokenOff;
        out.steps = std::max<qint64>(ticks - 1, 0);
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

QStringList CaseColumnTitles() {
    return {Tr("CaseRun", "Строка"),    Tr("CaseRun", "Вход"),      Tr("CaseRun", "С ячейки"),
            Tr("CaseRun", "Ожидается"), Tr("CaseRun", "Результат"), Tr("CaseRun", "Получено"),
            Tr("CaseRun", "Шагов")};
}

QStringList CaseRowTexts(MachineKind kind, const RunCase& runCase,
                         const std::optional<CaseOutcome>& outcome) {
    QString start = QString::number(runCase.start.value_or(DefaultTapeStart(kind)));
    if (runCase.carriage) {
        start += Tr("CaseRun", ", каретка %1").arg(*runCase.carriage);
    }
    QStringList row{QString::number(runCase.line), runCase.input, start, runCase.expected};
    if (!outcome) {
        return row << QStringLiteral("…") << QString() << QString();
    }
    row << outcome->Text();
    if (outcome->HasTape()) {
        return row << outcome->tape << QString::number(outcome->steps);
    }
    return row << QString() << QString();
}

QString CaseOutcome::Text() const {
    switch (verdict) {
        case Verdict::Passed:
            return Tr("CaseRun", "пройден");
        case Verdict::Failed:
            return Tr("CaseRun", "не пройден");
        case Verdict::Limit:
            return Tr("CaseRun", "превышен предел шагов");
        case Verdict::Error:
        case Verdict::BadCase:
            return Tr("CaseRun", "ошибка: ") + message;
    }
    return {};
}
