#pragma once
// zebrin42-run --pdf: a class's documents in one PDF, each starting on a
// new page with the pages the window prints (DocumentPages), followed with
// --cases by the results of its cases (CasesPages, the case check's own
// table); a document that cannot be read gets a page saying why. Written
// through the documents' checked write. Painting needs a QGuiApplication:
// the runner makes one on the offscreen platform for --pdf alone.

#include <QString>
#include <QStringList>
#include <QVector>
#include <optional>

#include "core/checking/CaseRun.h"

struct PdfPlan {
    QStringList documents;
    QString target;
    // With --cases: the cases file's name as shown and the cases to run.
    std::optional<QString> casesName;
    CaseList cases;
    RunLimits limits;
};

struct PdfExport {
    int exitStatus = 2;  // 0 written; 1 written, some document unreadable; 2 not written
    QStringList lines;   // one a document, then where the file went
    QString error;       // why nothing was written
};

PdfExport ExportClassPdf(const PdfPlan& plan);
