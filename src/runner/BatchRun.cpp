#include "runner/BatchRun.h"

#include "core/documents/DocumentCommands.h"
#include "core/documents/DocumentFile.h"
#include "core/documents/PostFile.h"
#include "core/documents/TuringFile.h"
#include "core/port/ScriptedUi.h"
#include "core/run/RunController.h"
#include "core/text/Cp1251.h"
#include "core/workbench/Workbench.h"

namespace {

// Writes a tape text onto the current machine's cleared tape. Returns an
// error in plain words, or nothing.
std::optional<QString> WriteTapeText(Workbench& bench, const QString& utf8Text, int start) {
    TapeStore& tape = bench.Current().tape;
    const bool post = tape.Kind() == TapeKind::Post;
    for (QChar c : utf8Text) {
        if (!Cp1251::Representable(c)) {
            return QStringLiteral("the tape text holds \"%1\", which Windows-1251 cannot hold")
                .arg(c);
        }
    }
    tape.Clear();
    for (int i = 0; i < utf8Text.size(); ++i) {
        const int cell = start + i;
        if (!tape.OnTape(cell)) {
            return QStringLiteral("the tape text runs past the tape's end at cell %1").arg(cell);
        }
        const QChar c = utf8Text[i];
        if (post) {
            if (c == u'1') {
                tape.SetPostCell(cell, true);
            } else if (c == u'0' || c == u'.') {
                tape.SetPostCell(cell, false);
            } else {
                return QStringLiteral(
                           "\"%1\" is not a Post tape cell: use 1 for a mark, 0 or . "
                           "for an empty cell")
                    .arg(c);
            }
        } else if (c == u'_') {
            tape.SetTuringCell(cell, u' ');
        } else if (bench.Turing().Alphabet().contains(c)) {
            tape.SetTuringCell(cell, c);
        } else {
            return QStringLiteral("the symbol \"%1\" is not in the document's alphabet \"%2\"")
                .arg(c, bench.Turing().Alphabet());
        }
    }
    return std::nullopt;
}

}  // namespace

QString RunOutcome::ResultName(Result result) {
    switch (result) {
        case Result::Stopped:
            return QStringLiteral("stopped");
        case Result::Error:
            return QStringLiteral("error");
        case Result::Limit:
            return QStringLiteral("limit");
        case Result::Unreadable:
            return QStringLiteral("unreadable");
        case Result::Usage:
            break;
    }
    return QStringLiteral("usage");
}

QString ReadFailureText(DocumentFile::ReadStatus status, const QString& machine) {
    using DocumentFile::ReadStatus;
    switch (status) {
        case ReadStatus::Ok:
            return QString();
        case ReadStatus::Missing:
            return QStringLiteral("no such file");
        case ReadStatus::NotRegular:
            return QStringLiteral("not a regular file");
        case ReadStatus::NotReadable:
            return QStringLiteral("not readable: permission denied");
        case ReadStatus::TooLarge:
            return QStringLiteral("too large: over %1 bytes or %2 lines")
                .arg(DocumentFile::kMaxDocumentSize)
                .arg(DocumentFile::kMaxDocumentLines);
        case ReadStatus::WrongMagic:
            return QStringLiteral("not a Post or Turing machine document");
        case ReadStatus::Damaged:
            return machine == u"turing" ? QStringLiteral("a damaged Turing machine document")
                                        : QStringLiteral("a damaged Post machine document");
        case ReadStatus::CannotOpen:
            break;
    }
    return QStringLiteral("could not be read");
}

RunOutcome RunDocument(const RunSpec& spec) {
    RunOutcome out;
    ScriptedUi ui(ScriptedUi::Unplanned::FirstButton);
    Workbench bench(ui);
    const std::optional<MachineKind> kind = DocumentCommands::KindByMagic(spec.file);
    const MachineKind readAs = DocumentCommands::KindToRead(spec.file);
    bench.SetKind(readAs);
    if (kind) {
        out.machine =
            *kind == MachineKind::Post ? QStringLiteral("post") : QStringLiteral("turing");
    }
    DocumentFile::ReadStatus why = DocumentFile::ReadStatus::Ok;
    const bool read = readAs == MachineKind::Post ? ReadPostFile(bench, spec.file, why)
                                                  : ReadTuringFile(bench, spec.file, why);
    if (!read) {
        out.result = RunOutcome::Result::Unreadable;
        out.message = ReadFailureText(
            why, readAs == MachineKind::Post ? QStringLiteral("post") : QStringLiteral("turing"));
        out.status = bench.StatusText(Workbench::PanelMessage);
        return out;
    }

    Machine& machine = bench.Current();
    TapeStore& tape = machine.tape;
    if (spec.tape) {
        const int start = spec.start.value_or(tape.FirstCell() > 0 ? 1 : 0);
        if (const std::optional<QString> error = WriteTapeText(bench, *spec.tape, start)) {
            out.usageError = *error;
            return out;
        }
        tape.SetCarriagePos(start);
    }
    if (spec.carriage) {
        if (!tape.OnTape(*spec.carriage)) {
            out.usageError =
                QStringLiteral("the carriage cell %1 is not on the tape").arg(*spec.carriage);
            return out;
        }
        tape.SetCarriagePos(*spec.carriage);
    }

    RunController& run = bench.RunControl();
    const bool post = readAs == MachineKind::Post;
    run.Run();
    // The first tick announces; every later tick executes one command. The
    // limit breaks the run off as "Прервать" would, before the next command.
    qint64 ticks = 0;
    bool limit = false;
    while (run.Active(machine)) {
        if (ticks > spec.maxSteps) {
            run.Break();
            limit = true;
            break;
        }
        if (spec.trace) {
            run.Tick(machine);
            ++ticks;
            const QString line = bench.StatusText(Workbench::PanelStep) + QStringLiteral(" | ") +
                                 bench.StatusText(Workbench::PanelMessage);
            if (spec.traceLine) {
                spec.traceLine(line);
            } else {
                out.trace.append(line);
            }
        } else {
            // Untraced, the ticks up to the limit run in one go.
            ticks += run.RunTicks(machine, spec.maxSteps + 1 - ticks);
        }
    }

    const StepOutcome& outcome = run.LastOutcome();
    out.message = ui.dialogs.isEmpty() ? QString() : ui.dialogs.back().message;
    out.status = bench.StatusText(Workbench::PanelMessage);
    if (limit) {
        out.result = RunOutcome::Result::Limit;
        out.steps = spec.maxSteps;
        out.message.clear();
    } else {
        out.result = outcome.result == StepOutcome::Result::Stopped ? RunOutcome::Result::Stopped
                                                                    : RunOutcome::Result::Error;
        out.steps = outcome.step;
    }
    out.carriage = tape.CarriagePos();
    out.usedMin = tape.UsedMin();
    out.usedMax = tape.UsedMax();
    out.emptyTape = tape.IsEmpty();
    if (!out.emptyTape) {
        for (int cell = std::max(tape.UsedMin(), tape.FirstCell());
             cell <= std::min(tape.UsedMax(), tape.LastCell()); ++cell) {
            out.tape +=
                post ? QChar(tape.GetPostCell(cell) ? u'1' : u'0') : tape.GetTuringCell(cell);
        }
    }
    if (!spec.saveTo.isEmpty()) {
        out.saveFailed =
            post ? !WritePostFile(bench, spec.saveTo) : !WriteTuringFile(bench, spec.saveTo);
    }
    return out;
}

QString UsedPartNotation(const RunOutcome& outcome) {
    QString text = outcome.tape;
    if (outcome.machine == u"turing") {
        text.replace(u' ', u'_');
    }
    return text;
}
