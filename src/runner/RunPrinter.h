#pragma once
// The lines zebrin42-run prints, in the words a teacher reads or, with
// --json, as one JSON object per line: a run, a traced tick, a document's
// totals, the groups of copied programs and the closing summary. Every
// line printed is built here, so the text and JSON outputs say the same.

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>

#include "core/checking/CasesFile.h"
#include "runner/BatchRun.h"
#include "runner/ClassReport.h"

// Two documents whose programs differ in few commands.
struct ClosePair {
    QString first;
    QString second;
    int differing = 0;
    int commands = 0;
};

class RunPrinter {
public:
    explicit RunPrinter(bool json) : json_(json) {}

    // Whether a run passed its case (or without a case, stopped).
    static bool Passed(const RunOutcome& outcome, const RunCase* runCase);

    QByteArray Run(const QString& file, const RunOutcome& outcome, const RunCase* runCase) const;
    QByteArray Tick(const QString& file, const RunCase* runCase, const TraceTick& tick) const;
    // A document's line among the totals: its cases passed, score and why
    // it was not run.
    QByteArray Totals(const ClassReportRow& row) const;
    // Groups of documents (printable names) with the same program, and the
    // pairs that are close.
    QByteArray Similar(const QVector<QStringList>& same, const QVector<ClosePair>& close) const;
    QByteArray Summary(qint64 passed, qint64 failed) const;

private:
    bool json_;
};

// "1 step", "2 steps".
QString Counted(qint64 count, const QString& one, const QString& many);
