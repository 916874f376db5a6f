#pragma once
// The results of checking a document against its cases, on paper: the
// document's and the cases file's names, the summary ("Пройдено 7 из 8")
// and the case check's table, a row a case, its header repeated on every
// page. The case check dialog prints it; the runner's class PDF puts it
// after each document when it checks cases.

#include <QString>

#include "core/checking/CaseResults.h"
#include "paper/PageWriter.h"

struct CasesSheet {
    QString document;  // the document's name, as its pages title it
    QString casesName;
    MachineKind kind = MachineKind::Post;
    CaseResults results;  // the cases, and the outcomes come so far
    QString summary;
    // "Пройдено P из N" for the results.
    static QString Summary(const CaseResults& results);
};

namespace CasesPages {

// Writes the sheet from the writer's place on.
void Paint(PageWriter& out, const CasesSheet& sheet);

}  // namespace CasesPages
