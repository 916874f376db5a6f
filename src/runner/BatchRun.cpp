#include "runner/BatchRun.h"

#include <algorithm>

#include "core/checking/CaseRun.h"
#include "core/documents/DocumentCommands.h"
#include "core/documents/DocumentFile.h"
#include "core/documents/DocumentFormat.h"
#include "core/port/ScriptedUi.h"
#include "core/post/PostTable.h"
#include "core/run/RunController.h"
#include "core/text/Language.h"
#include "core/turing/TuringMachine.h"
#include "core/workbench/Workbench.h"

QString RunOutcome::ResultName(Result result) {
    switch (result) {
        case Result::Stopped:
            return QStringLiteral("stopped");
        case Result::Error:
            return QStringLiteral("error");
        case Result::Limit:
            return QStringLiteral("limit");
        case Result::Timeout:
            return QStringLiteral("timeout");
        case Result::Loop:
            return QStringLiteral("loop");
        case Result::Unreadable:
            return QStringLiteral("unreadable");
        case Result::Rejected:
            return QStringLiteral("rejected");
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

namespace {

// The machine as a report names it.
QString MachineName(MachineKind kind) {
    return PerMachine<QString>{QStringLiteral("post"), QStringLiteral("turing")}[kind];
}

}  // namespace

bool LoadDocument(Workbench& bench, const QString& file, RunOutcome& out) {
    const std::optional<MachineKind> kind = DocumentCommands::KindByMagic(file);
    const MachineKind readAs = DocumentCommands::KindToRead(file);
    bench.SetKind(readAs);
    if (kind) {
        out.machine = MachineName(*kind);
    }
    DocumentFile::ReadStatus why = DocumentFile::ReadStatus::Ok;
    const bool read = DocumentFormat::Of(readAs).read(bench, file, why);
    if (!read) {
        out.result = RunOutcome::Result::Unreadable;
        out.readStatus = why;
        out.message = ReadFailureText(why, MachineName(readAs));
        out.status = bench.StatusText(Workbench::PanelMessage);
    }
    return read;
}

QString BrokenRequirement(Workbench& bench, const TaskRequirements& task) {
    const MachineKind kind = bench.Kind();
    if (task.machine && *task.machine != kind) {
        return Tr("BatchRun", "не та машина");
    }
    if (kind == MachineKind::Post && task.maxRows) {
        PostTable& table = bench.Post().table;
        int filled = 0;
        for (int row = 1; row <= table.ProgramRows(); ++row) {
            filled += table.Decoded(row).op != PostOp::None ? 1 : 0;
        }
        if (filled > *task.maxRows) {
            return Tr("BatchRun", "заполненных строк %1, а можно не больше %2")
                .arg(filled)
                .arg(*task.maxRows);
        }
    }
    if (kind == MachineKind::Turing) {
        const TuringMachine& turing = bench.Turing();
        if (task.maxStates) {
            int used = 0;
            for (int state = 0; state < turing.table.StateCount(); ++state) {
                for (int row = 1; row < turing.table.RowCount(); ++row) {
                    if (!turing.table.Command(state, row).trimmed().isEmpty()) {
                        ++used;
                        break;
                    }
                }
            }
            if (used > *task.maxStates) {
                return Tr("BatchRun", "состояний %1, а можно не больше %2")
                    .arg(used)
                    .arg(*task.maxStates);
            }
        }
        if (task.alphabet) {
            auto symbols = [](const QString& text) {
                QString set = text;
                set.remove(u' ');
                std::sort(set.begin(), set.end());
                set.erase(std::unique(set.begin(), set.end()), set.end());
                return set;
            };
            if (symbols(turing.Alphabet()) != symbols(*task.alphabet)) {
                return Tr("BatchRun", "алфавит \"%1\", а нужен \"%2\"")
                    .arg(turing.Alphabet(), *task.alphabet);
            }
        }
    }
    return QString();
}

DocumentCheck::DocumentCheck(const QString& file, const TaskRequirements& task) {
    if (!LoadDocument(Bench(), file, refusal_)) {
        return;
    }
    const QString broken = BrokenRequirement(Bench(), task);
    if (!broken.isEmpty()) {
        refusal_.result = RunOutcome::Result::Rejected;
        refusal_.message = broken;
        return;
    }
    refusal_.result = RunOutcome::Result::Stopped;
}

RunOutcome DocumentCheck::Run(const RunSpec& spec, const RunCase* runCase) {
    RunOutcome out;
    out.machine = refusal_.machine;
    if (!CanRun()) {
        out.result = refusal_.result;
        out.message = refusal_.message;
        out.status = refusal_.status;
        return out;
    }
    Workbench& bench = Bench();
    if (runCase) {
        if (const std::optional<TapeSetupError> error = bench_.Place(*runCase)) {
            out.result = RunOutcome::Result::Error;
            out.message = error->English();
            return out;
        }
    } else if (const std::optional<TapeSetupError> error =
                   PlaceTape(bench, spec.tape, spec.start, spec.carriage)) {
        out.usageError = error->English();
        return out;
    }
    static_cast<RunResult&>(out) =
        bench_.Run(RunLimits{spec.maxSteps, spec.seconds, nullptr}, spec.traceTick);
    out.ran = true;
    switch (out.end) {
        case RunResult::End::Stopped:
            out.result = RunOutcome::Result::Stopped;
            break;
        case RunResult::End::Error:
            out.result = RunOutcome::Result::Error;
            break;
        case RunResult::End::Limit:
            out.result = RunOutcome::Result::Limit;
            break;
        case RunResult::End::Timeout:
            out.result = RunOutcome::Result::Timeout;
            break;
        case RunResult::End::Loop:
            out.result = RunOutcome::Result::Loop;
            break;
    }
    if (!spec.saveTo.isEmpty()) {
        if (!DocumentFormat::Of(bench.Kind()).write(bench, spec.saveTo)) {
            out.saveError = DocumentFile::WriteFailureText(spec.saveTo);
        }
    }
    return out;
}

RunOutcome RunDocument(const RunSpec& spec) {
    DocumentCheck check(spec.file, TaskRequirements{});
    return check.Run(spec, nullptr);
}

MachineKind RunOutcome::Kind() const {
    return machine == u"turing" ? MachineKind::Turing : MachineKind::Post;
}

QString UsedPartNotation(const RunOutcome& outcome) {
    return UsedPartNotation(outcome.Kind(), outcome.tape);
}
