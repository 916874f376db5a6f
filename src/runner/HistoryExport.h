#pragma once
// zebrin42-run --history FILE.png DOCUMENT: runs the document headless as
// any run of the runner (its tape options and limits apply), records the
// tape at every tick and writes the picture of the run as PNG
// (HistoryPicture): one row per tick and one for the start, one column per
// cell between the lowest and the highest the run used, the carriage in
// red. Written through the documents' checked write.

#include <QString>

#include "runner/BatchRun.h"

struct HistoryExport {
    int exitStatus = 2;  // 0 written; 2 unreadable, a bad tape, too large or not written
    QString report;      // for standard output, when written
    QString error;       // for standard error, when not
};

HistoryExport ExportHistory(const RunSpec& spec, const QString& target);
