#include "runner/DiagramExport.h"

#include "core/diagram/ProgramDiagram.h"
#include "core/documents/DocumentFile.h"
#include "core/port/ScriptedUi.h"
#include "core/workbench/Workbench.h"
#include "layout/DiagramLayout.h"
#include "runner/BatchRun.h"
#include "runner/RunPrinter.h"

DiagramExport ExportDiagram(const QString& document, const QString& target) {
    DiagramExport result;
    const QString name = DocumentFile::PrintableName(document);
    ScriptedUi ui(ScriptedUi::Unplanned::FirstButton);
    Workbench bench(ui);
    RunOutcome read;
    if (!LoadDocument(bench, document, read)) {
        result.error =
            QStringLiteral("zebrin42-run: %1 cannot be read: %2").arg(name, read.message);
        return result;
    }
    // A program too large to draw is refused from its counts, before its
    // picture is built.
    const DiagramLayout::Failure tooLarge = DiagramLayout::SizeCheck(
        bench.Kind() == MachineKind::Post ? PostDiagramSize(bench.Post().table)
                                          : TuringDiagramSize(bench.Turing()));
    if (tooLarge.kind != DiagramLayout::Failure::Kind::None) {
        result.error =
            QStringLiteral("zebrin42-run: cannot draw %1: %2").arg(name, tooLarge.English());
        return result;
    }
    const ProgramDiagram diagram = bench.Kind() == MachineKind::Post
                                       ? BuildPostDiagram(bench.Post().table)
                                       : BuildTuringDiagram(bench.Turing());
    const DiagramLayout::Svg svg = DiagramLayout::RenderSvg(diagram);
    if (!svg.error.isEmpty()) {
        result.error = QStringLiteral("zebrin42-run: cannot draw %1: %2").arg(name, svg.error);
        return result;
    }
    const QString targetName = DocumentFile::PrintableName(target);
    const QString error = DocumentFile::WriteBytes(target, svg.bytes);
    if (!error.isEmpty()) {
        result.error =
            QStringLiteral("zebrin42-run: could not write %1: %2").arg(targetName, error);
        return result;
    }
    result.exitStatus = 0;
    result.report = QStringLiteral("%1: picture of %2 and %3 written to %4")
                        .arg(name,
                             Counted(qint64(diagram.nodes.size()), QStringLiteral("node"),
                                     QStringLiteral("nodes")),
                             Counted(qint64(diagram.edges.size()), QStringLiteral("arrow"),
                                     QStringLiteral("arrows")),
                             targetName);
    if (!diagram.problems.empty()) {
        result.report +=
            QStringLiteral("; %1 left out, listed under it").arg(diagram.problems.size());
    }
    return result;
}
