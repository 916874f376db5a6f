#pragma once
// A teacher's cases file: one case per line, "INPUT => EXPECTED", where both
// sides are tape texts. "#" at a line's start, or after a blank, starts a
// comment. A line of options alone sets them for the cases after it:
// "--start CELL", "--carriage CELL", "--weight N" (a case's share of the
// score, default 1). The task's requirements, for the whole file, are
// option lines too: "--machine post|turing", "--max-rows N" (Post: filled
// rows), "--max-states N" (Turing: states used) and "--alphabet TEXT"
// (Turing: exactly these symbols). The file is UTF-8, or Windows-1251 when
// it is not valid UTF-8.

#include <QString>
#include <QVector>
#include <optional>

#include "core/checking/CaseList.h"
#include "core/documents/DocumentFile.h"
#include "core/machine/MachineKind.h"

// What a task asks of every document besides its cases.
struct TaskRequirements {
    std::optional<MachineKind> machine;
    std::optional<int> maxRows;
    std::optional<int> maxStates;
    std::optional<QString> alphabet;

    bool Any() const { return machine || maxRows || maxStates || alphabet; }
};

// What is wrong with a cases file, as values: the runner words it in its
// own English, the window in its language.
struct CasesProblem {
    enum class Kind {
        None,
        WantsValue,     // an option without its value
        WantsCell,      // --start or --carriage without a cell number
        WantsWeight,    // --weight without a whole number of 0 or more
        GivenTwice,     // a requirement given a second time
        WantsMachine,   // --machine neither post nor turing
        WantsCount,     // --max-rows or --max-states below 1
        UnknownOption,  // an option of no such name
        NotACase,       // a line without exactly one "=>"
        NoCases,        // no case at all
    };
    Kind kind = Kind::None;
    int line = 0;    // the line it is on (none for NoCases)
    QString option;  // the option named, where one is

    QString English() const;
    QString Russian() const;
};

struct CasesFile {
    CaseList cases;
    TaskRequirements requirements;
    CasesProblem problem;
    QString error;  // problem.English(); empty when the file is good
};

CasesFile ParseCases(const QString& text);

// The text of a cases file's bytes: UTF-8 (a byte-order mark dropped) when
// they are valid UTF-8, else Windows-1251, which any byte sequence is.
QString DecodeCasesText(const QByteArray& bytes);

// Reads and parses the cases file at `path`, held to a document's limits: a
// device, a pipe or a huge file is refused before it can block or fill the
// memory. `status` says why a file could not be read; the cases are then
// empty and `error` is empty too.
CasesFile ReadCasesFile(const QString& path, DocumentFile::ReadStatus& status);
