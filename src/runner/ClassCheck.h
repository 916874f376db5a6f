#pragma once
// A whole check: every document given, each read once and run on its own
// tape or on every case, its lines printed in the order given as soon as
// its turn comes, then the per-document totals, the copied programs and the
// closing summary; what the report needs is kept on the way. Several
// workers run documents in parallel; each document's lines are spooled
// (in memory, past a megabyte in a temporary file) until its turn, and only
// as many documents are under way as the open-file limit has room for, so
// the output is byte for byte that of one worker at any limit.

#include <QStringList>
#include <QVector>

#include "core/checking/CasesFile.h"
#include "runner/BatchRun.h"
#include "runner/ClassReport.h"

struct ClassPlan {
    QStringList files;
    RunSpec base;
    bool withCases = false;
    CaseList cases;  // the cases to run, --start and --carriage filled in
    TaskRequirements task;
    bool json = false;
    bool similar = false;
    bool growth = false;  // fit each document's steps over the cases it passed
    bool report = false;  // keep every case's cell for the report
};

// What the check came to: the exit status its runs ask for (0 all passed, 1
// a run or case failed or a document could not be read, 2 a run could not
// be made or saved), and the report's rows.
struct ClassResult {
    int exitCode = 0;
    ClassReport report;
};

// The workers the open-file limit allows for `wanted` (at least one), and
// how many documents may be under way at once; 0 workers when not even one
// run has the files it needs.
struct WorkerBudget {
    int workers = 0;
    int underWay = 0;
};
WorkerBudget BudgetWithinLimits(int wanted, qsizetype documents);

ClassResult CheckClass(const ClassPlan& plan, const WorkerBudget& budget);
