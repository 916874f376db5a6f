#include "runner/HistoryExport.h"

#include "core/documents/DocumentFile.h"
#include "core/run/RunController.h"
#include "core/workbench/Workbench.h"
#include "layout/HistoryPicture.h"
#include "runner/RunPrinter.h"

HistoryExport ExportHistory(const RunSpec& spec, const QString& target) {
    HistoryExport result;
    const QString name = DocumentFile::PrintableName(spec.file);
    DocumentCheck check(spec.file, TaskRequirements{});
    if (!check.CanRun()) {
        result.error = QStringLiteral("zebrin42-run: %1 cannot be read: %2")
                           .arg(name, check.Refusal().message);
        return result;
    }
    RunController& run = check.Bench().RunControl();
    run.RecordTapeHistory(true);
    const RunOutcome outcome = check.Run(spec, nullptr);
    if (!outcome.usageError.isEmpty()) {
        result.error = QStringLiteral("zebrin42-run: %1: %2").arg(name, outcome.usageError);
        return result;
    }
    const TapeHistory& history = run.TapeHistoryOf(check.Bench().Current());
    QString why;
    const QByteArray png = HistoryPicture::Png(history, why);
    if (png.isEmpty()) {
        result.error = QStringLiteral("zebrin42-run: cannot draw the run of %1: %2").arg(name, why);
        return result;
    }
    const QString targetName = DocumentFile::PrintableName(target);
    const QString error = DocumentFile::WriteBytes(target, png);
    if (!error.isEmpty()) {
        result.error =
            QStringLiteral("zebrin42-run: could not write %1: %2").arg(targetName, error);
        return result;
    }
    result.exitStatus = 0;
    const int cells = history.HighestCell() - history.LowestCell() + 1;
    result.report =
        QStringLiteral("%1: %2, history of %3 and %4 written to %5")
            .arg(name, RunOutcome::ResultName(outcome.result),
                 Counted(history.Ticks(), QStringLiteral("tick"), QStringLiteral("ticks")),
                 Counted(cells, QStringLiteral("cell"), QStringLiteral("cells")), targetName);
    return result;
}
