#include "runner/PdfExport.h"

#include <QFileInfo>

#include "core/checking/CaseBench.h"
#include "core/documents/DocumentFile.h"
#include "core/port/ScriptedUi.h"
#include "core/workbench/Workbench.h"
#include "paper/CasesPages.h"
#include "paper/DocumentPages.h"
#include "runner/BatchRun.h"
#include "runner/RunPrinter.h"

namespace {

// The cases' results of the document the bench holds.
CasesSheet CheckCases(Workbench& bench, const QString& title, const PdfPlan& plan) {
    CasesSheet sheet;
    sheet.document = title;
    sheet.casesName = *plan.casesName;
    sheet.kind = bench.Kind();
    sheet.results = CaseResults(plan.cases);
    CaseBench cases(bench.Kind(), bench.Current().Saved());
    for (qsizetype i = 0; i < plan.cases.size(); ++i) {
        sheet.results.Set(i, cases.Check(plan.cases[i], plan.limits));
    }
    sheet.summary = CasesSheet::Summary(sheet.results);
    return sheet;
}

}  // namespace

PdfExport ExportClassPdf(const PdfPlan& plan) {
    PdfExport result;
    bool unreadable = false;
    const QByteArray pdf =
        Paper::Pdf(QStringLiteral("Zebrin42"), QPageSize(QPageSize::A4), [&](PageWriter& out) {
            for (qsizetype i = 0; i < plan.documents.size(); ++i) {
                if (i > 0) {
                    out.NewPage();
                }
                const QString& document = plan.documents[i];
                const QString name = DocumentFile::PrintableName(document);
                ScriptedUi ui(ScriptedUi::Unplanned::FirstButton);
                Workbench bench(ui);
                RunOutcome read;
                if (!LoadDocument(bench, document, read)) {
                    unreadable = true;
                    DocumentPages::PaintUnreadable(out, name,
                                                   DocumentFile::ReadStatusText(read.readStatus));
                    result.lines << QStringLiteral("%1: cannot be read: %2, a page says so")
                                        .arg(name, read.message);
                    continue;
                }
                const QString title = DocumentFile::PrintableName(QFileInfo(document).fileName());
                DocumentPages::Paint(out, bench.Current(), title);
                QString line = QStringLiteral("%1: pages written").arg(name);
                if (plan.casesName) {
                    const CasesSheet sheet = CheckCases(bench, title, plan);
                    out.NewPage();
                    CasesPages::Paint(out, sheet);
                    line += QStringLiteral(", %1 of %2 cases passed")
                                .arg(sheet.results.Passed())
                                .arg(sheet.results.size());
                }
                result.lines << line;
            }
        });
    const QString targetName = DocumentFile::PrintableName(plan.target);
    const QString error = DocumentFile::WriteBytes(plan.target, pdf);
    if (!error.isEmpty()) {
        result.error =
            QStringLiteral("zebrin42-run: could not write %1: %2").arg(targetName, error);
        return result;
    }
    result.lines << QStringLiteral("%1 written to %2")
                        .arg(Counted(plan.documents.size(), QStringLiteral("document"),
                                     QStringLiteral("documents")),
                             targetName);
    result.exitStatus = unreadable ? 1 : 0;
    return result;
}
