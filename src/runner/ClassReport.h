#pragma once
// The teacher's table of a whole check, written as CSV for a spreadsheet:
// one row per document (file name, machine, result, cases passed and
// failed) and, when the documents ran on cases, one column per case headed
// by its line number and text, holding "passed", "failed", "error", "limit"
// or "unreadable". UTF-8 with a byte-order mark, so spreadsheet programs
// take the Cyrillic right; fields are quoted where CSV needs it.

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QVector>

struct ClassReportRow {
    QString file;
    QString machine;  // "post", "turing", or empty when unknown
    QString result;   // the run's result, or with cases "passed"/"failed"/"unreadable"
    int passed = 0;
    int failed = 0;
    QStringList cases;  // one entry per case column, in column order
};

// `caseHeads` are the case columns' headings ("line 3: 1 => 11"); empty for
// a check without cases, which leaves out the passed and failed counts too.
QByteArray ClassReportCsv(const QStringList& caseHeads, const QVector<ClassReportRow>& rows);
