#include "runner/BatchRun.h"

#include "core/checking/CaseRun.h"
#include "core/documents/DocumentCommands.h"
#include "core/documents/DocumentFile.h"
#include "core/documents/PostFile.h"
#include "core/documents/TuringFile.h"
#include "core/port/ScriptedUi.h"
#include "core/run/RunController.h"
#include "core/workbench/Workbench.h"

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

bool LoadDocument(Workbench& bench, const QString& file, RunOutcome& out) {
    const std::optional<MachineKind> kind = DocumentCommands::KindByMagic(file);
    const MachineKind readAs = DocumentCommands::KindToRead(file);
    bench.SetKind(readAs);
    if (kind) {
        out.machine =
            *kind == MachineKind::Post ? QStringLiteral("post") : QStringLiteral("turing");
    }
    DocumentFile::ReadStatus why = DocumentFile::ReadStatus::Ok;
    const bool read = readAs == MachineKind::Post ? ReadPostFile(bench, file, why)
                                                  : ReadTuringFile(bench, file, why);
    if (!read) {
        out.result = RunOutcome::Result::Unreadable;
        out.message = ReadFailureText(
            why, readAs == MachineKind::Post ? QStringLiteral("post") : QStringLiteral("turing"));
        out.status = bench.StatusText(Workbench::PanelMessage);
    }
    return read;
}

RunOutcome RunDocument(const RunSpec& spec) {
    RunOutcome out;
    ScriptedUi ui(ScriptedUi::Unplanned::FirstButton);
    Workbench bench(ui);
    if (!LoadDocument(bench, spec.file, out)) {
        return out;
    }
    const MachineKind readAs = bench.Kind();
    if (const std::optional<TapeSetupError> error =
            PlaceTape(bench, spec.tape, spec.start, spec.carriage)) {
        out.usageError = error->English();
        return out;
    }
    std::function<void(const QString&)> trace;
    if (spec.trace) {
        trace = spec.traceLine ? spec.traceLine
                               : [&out](const QString& line) { out.trace.append(line); };
    }
    static_cast<RunResult&>(out) = RunToEnd(bench, ui, spec.maxSteps, trace);
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
    }
    const bool post = readAs == MachineKind::Post;
    if (!spec.saveTo.isEmpty()) {
        out.saveFailed =
            post ? !WritePostFile(bench, spec.saveTo) : !WriteTuringFile(bench, spec.saveTo);
    }
    return out;
}

MachineKind RunOutcome::Kind() const {
    return machine == u"turing" ? MachineKind::Turing : MachineKind::Post;
}

QString UsedPartNotation(const RunOutcome& outcome) {
    return UsedPartNotation(outcome.Kind(), outcome.tape);
}
