#pragma once
// The teacher's table of a whole check: one row per document argument, in
// the order given (a document named twice gets two rows), with its machine,
// result, cases passed and failed, weighted score and steps, and, when the
// documents ran on cases, one cell per case. It is written as CSV
// (ClassReportCsv) or as a workbook (WriteClassWorkbook, by the file's
// extension). The CSV is UTF-8 with a byte-order mark, quoted where CSV
// needs it, and a field that a spreadsheet would take for a formula gets a
// leading "'".

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QVector>
#include <optional>

#include "core/checking/GrowthFit.h"

// One case of the cases file, as the report's heads and the workbook's
// "Тесты" sheet show it.
struct ClassReportCase {
    int line = 0;
    QString input;
    QString expected;
    int weight = 1;
};

// What one case came to for one document.
struct ClassReportCell {
    // "passed", "failed", "error", "limit", "timeout", "loop", "unreadable" or
    // "rejected" (a requirement of the task broken).
    QString result;
    bool passed = false;
    qint64 steps = 0;
};

struct ClassReportRow {
    QString file;     // printable name
    QString machine;  // "post", "turing", or empty when unknown
    // Without cases the run's result; with cases "passed", "failed",
    // "unreadable" or "rejected".
    QString result;
    QString reason;  // why unreadable or rejected, in plain words; else empty
    int passed = 0;
    int failed = 0;
    double score = 0;                 // the weighted share of cases passed, 0 to 100
    qint64 steps = 0;                 // steps of every run in total
    QStringList similarTo;            // with --similar: the other documents of its group
    QVector<ClassReportCell> cells;   // one per case, in the cases' order
    std::optional<GrowthFit> growth;  // with --growth: the fit over the cases passed
};

struct ClassReport {
    bool withCases = false;
    bool withSimilar = false;
    QVector<ClassReportCase> cases;
    QVector<ClassReportRow> rows;
    bool withGrowth = false;
};

// A case column's heading: "line 3: 1 => 11".
QString CaseHeading(const ClassReportCase& c);

// A fit's constant as the outputs write it: four significant digits.
QString GrowthConstantText(const GrowthFit& fit);

// Columns: file, machine, result; with cases passed, failed, score; with
// --growth growth and growth_constant; with --similar similar_to; then one
// column per case.
QByteArray ClassReportCsv(const ClassReport& report);

// The workbook (Office Open XML) of the report: a sheet "Итоги" with a row
// per document and a coloured cell per case, and a sheet "Тесты" listing
// the cases. Written through a temporary file, so a failed write keeps the
// previous file. Returns why it failed, in plain English, or an empty text.
QString WriteClassWorkbook(const QString& path, const ClassReport& report);
