#pragma once
// A teacher's cases file: one case per line, "INPUT => EXPECTED", where both
// sides are tape texts; "#" starts a comment line; a line holding only
// "--start CELL" and/or "--carriage CELL" sets them for the cases after it.

#include <QString>
#include <QVector>
#include <optional>

#include "core/documents/DocumentFile.h"

struct RunCase {
    int line = 0;  // 1-based line number in the file
    QString input;
    QString expected;
    std::optional<int> start;
    std::optional<int> carriage;
};

struct CasesFile {
    QVector<RunCase> cases;
    QString error;  // plain words, with the line number; empty when the file is good
};

CasesFile ParseCases(const QString& text);

// Reads and parses the cases file at `path`, held to a document's limits: a
// device, a pipe or a huge file is refused before it can block or fill the
// memory. `status` says why a file could not be read; the cases are then
// empty and `error` is empty too.
CasesFile ReadCasesFile(const QString& path, DocumentFile::ReadStatus& status);
