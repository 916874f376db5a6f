// Measures how many commands per second a headless run of the project
// executes, against a plain table-driven loop that keeps the same rules
// (PlainLoop.h), on a binary counter for each machine broken off at a limit
// (10^8 commands unless given as the only argument). Both are timed in the
// process's CPU time: the project's run as RunDocument does it, reading the
// document included; the plain loop without bringing the document into its
// arrays. Run it on an otherwise idle machine, e.g. `taskset -c 0`.
//
// Both runs must end alike: the same result, step count, carriage and used
// part of the tape. Before the timed runs, short programs that end in every
// way a run can end are checked the same way. Any difference is printed and
// the exit status is 1; a bad argument gives 2.

#include <QCoreApplication>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <ctime>
#include <optional>

#include "BenchPrograms.h"
#include "PlainFromDocument.h"
#include "PlainLoop.h"
#include "core/machine/MachineKind.h"
#include "runner/BatchRun.h"

namespace {

constexpr qint64 kDefaultLimit = 100000000;
constexpr qint64 kLargestLimit = 1000000000000;

double CpuSeconds() {
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return double(now.tv_sec) + double(now.tv_nsec) / 1e9;
}

// How a run ended, as both runs can tell it.
struct Ending {
    QString result;  // "stopped", "error" or "limit"
    QString detail;  // what failed, in the run's own words; not compared
    qint64 steps = 0;
    int carriage = 0;
    bool emptyTape = true;
    int usedMin = 0;
    int usedMax = 0;
    QString tape;  // the used cells, as RunOutcome::tape holds them
};

Ending ProjectEnding(const RunOutcome& outcome) {
    Ending e;
    e.result = RunOutcome::ResultName(outcome.result);
    e.detail = outcome.message;
    e.steps = outcome.steps;
    e.carriage = outcome.carriage;
    e.emptyTape = outcome.emptyTape;
    e.usedMin = outcome.usedMin;
    e.usedMax = outcome.usedMax;
    e.tape = outcome.tape;
    return e;
}

Ending PlainEnding(const plain::Outcome& outcome, int carriage) {
    Ending e;
    e.result = outcome.end == plain::End::Stopped ? QStringLiteral("stopped")
               : outcome.end == plain::End::Error ? QStringLiteral("error")
                                                  : QStringLiteral("limit");
    e.detail = QString::fromLatin1(plain::ErrorName(outcome.error));
    e.steps = outcome.steps;
    e.carriage = carriage;
    return e;
}

// The used part is read off the plain loop's cells. An empty tape has the
// bounds the project gives it: UsedMin 999, UsedMax -999 (Post) or 0
// (Turing).
Ending PlainEnding(const plain::Outcome& outcome, const plain::PostMachine& machine) {
    Ending e = PlainEnding(outcome, machine.carriage);
    auto marked = [&machine](int cell) { return machine.tape[cell - plain::kPostFirstCell] != 0; };
    e.usedMin = plain::kPostLastCell;
    e.usedMax = plain::kPostFirstCell;
    for (int cell = plain::kPostFirstCell; cell <= plain::kPostLastCell; ++cell) {
        if (marked(cell)) {
            e.usedMin = std::min(e.usedMin, cell);
            e.usedMax = cell;
            e.emptyTape = false;
        }
    }
    for (int cell = e.usedMin; cell <= e.usedMax; ++cell) {
        e.tape += marked(cell) ? u'1' : u'0';
    }
    return e;
}

Ending PlainEnding(const plain::Outcome& outcome, const plain::TuringMachine& machine) {
    Ending e = PlainEnding(outcome, machine.carriage);
    e.usedMin = plain::kTuringLastCell;
    e.usedMax = plain::kTuringFirstCell - 1;
    for (int cell = plain::kTuringFirstCell; cell <= plain::kTuringLastCell; ++cell) {
        if (machine.tape[cell] != plain::kBlank) {
            e.usedMin = std::min(e.usedMin, cell);
            e.usedMax = cell;
            e.emptyTape = false;
        }
    }
    for (int cell = e.usedMin; cell <= e.usedMax; ++cell) {
        e.tape += QChar(machine.tape[cell]);
    }
    return e;
}

QStringList Differences(const Ending& project, const Ending& plainLoop) {
    QStringList out;
    auto differ = [&out](const char* what, const QString& a, const QString& b) {
        if (a != b) {
            out << QStringLiteral("%1: project %2, plain loop %3").arg(QLatin1String(what), a, b);
        }
    };
    auto quoted = [](const QString& text) { return u'"' + text + u'"'; };
    if (project.result != plainLoop.result) {
        out << QStringLiteral("result: project %1 (%2), plain loop %3 (%4)")
                   .arg(project.result, project.detail, plainLoop.result, plainLoop.detail);
    }
    differ("steps", QString::number(project.steps), QString::number(plainLoop.steps));
    differ("carriage", QString::number(project.carriage), QString::number(plainLoop.carriage));
    differ("empty tape", QString::number(project.emptyTape), QString::number(plainLoop.emptyTape));
    differ("used bounds", QStringLiteral("%1..%2").arg(project.usedMin).arg(project.usedMax),
           QStringLiteral("%1..%2").arg(plainLoop.usedMin).arg(plainLoop.usedMax));
    differ("used cells", quoted(project.tape), quoted(plainLoop.tape));
    return out;
}

// One document run by both, each timed in CPU seconds.
struct Comparison {
    QStringList differences;  // empty when both ended alike
    QString result;           // the project's
    qint64 steps = 0;
    double projectSeconds = 0;
    double plainSeconds = 0;
};

Comparison RunBoth(MachineKind kind, const QString& path, qint64 limit) {
    Comparison c;
    RunSpec spec;
    spec.file = path;
    spec.maxSteps = limit;
    double start = CpuSeconds();
    const RunOutcome outcome = RunDocument(spec);
    c.projectSeconds = CpuSeconds() - start;
    c.result = RunOutcome::ResultName(outcome.result);
    c.steps = outcome.steps;
    if (outcome.result == RunOutcome::Result::Unreadable ||
        outcome.result == RunOutcome::Result::Usage) {
        c.differences << QStringLiteral("the project's run refused the document: %1%2")
                             .arg(outcome.message, outcome.usageError);
        return c;
    }

    Ending plainEnding;
    if (kind == MachineKind::Post) {
        plain::PostMachine machine;
        if (!LoadPlainPost(path, machine)) {
            c.differences << QStringLiteral("the document could not be read back");
            return c;
        }
        start = CpuSeconds();
        const plain::Outcome ended = plain::RunPost(machine, limit);
        c.plainSeconds = CpuSeconds() - start;
        plainEnding = PlainEnding(ended, machine);
    } else {
        plain::TuringMachine machine;
        if (!LoadPlainTuring(path, machine)) {
            c.differences << QStringLiteral("the document could not be read back");
            return c;
        }
        start = CpuSeconds();
        const plain::Outcome ended = plain::RunTuring(machine, limit);
        c.plainSeconds = CpuSeconds() - start;
        plainEnding = PlainEnding(ended, machine);
    }
    c.differences = Differences(ProjectEnding(outcome), plainEnding);
    return c;
}

void Report(const char* machine, const QString& what, const QStringList& problems) {
    std::fprintf(stderr, "%s %s:\n", machine, qPrintable(what));
    for (const QString& problem : problems) {
        std::fprintf(stderr, "  %s\n", qPrintable(problem));
    }
}

// Writes each short program and runs it both ways; returns the number that
// did not end alike.
template <typename Check, typename Write>
int CheckAll(const char* machine, MachineKind kind, const std::vector<Check>& checks, Write write,
             const QTemporaryDir& dir, const QString& suffix) {
    int failed = 0;
    for (std::size_t i = 0; i < checks.size(); ++i) {
        const Check& check = checks[i];
        const QString name = QString::fromUtf8(check.check.name);
        const QString path = dir.filePath(QStringLiteral("check%1%2").arg(i).arg(suffix));
        QStringList problems;
        if (const QString error = write(check.source, path); !error.isEmpty()) {
            problems << error;
        } else {
            problems = RunBoth(kind, path, check.check.limit).differences;
        }
        if (!problems.isEmpty()) {
            Report(machine, QStringLiteral("check \"%1\"").arg(name), problems);
            ++failed;
        }
    }
    return failed;
}

// Runs a counter both ways and prints its figures; false when the runs
// differ or the counter did not run to the limit.
template <typename Source, typename Write>
bool Measure(const char* machine, MachineKind kind, const Source& counter, Write write,
             const QString& path, qint64 limit) {
    if (const QString error = write(counter, path); !error.isEmpty()) {
        Report(machine, QStringLiteral("counter"), {error});
        return false;
    }
    Comparison c = RunBoth(kind, path, limit);
    if (c.differences.isEmpty() && c.result != QStringLiteral("limit")) {
        c.differences << QStringLiteral("the counter ended before the limit: %1 after %2 steps")
                             .arg(c.result)
                             .arg(c.steps);
    }
    if (!c.differences.isEmpty()) {
        Report(machine, QStringLiteral("counter"), c.differences);
        return false;
    }
    // A tiny limit can take no measurable time.
    const double project = double(limit) / std::max(c.projectSeconds, 1e-9) / 1e6;
    const double plainLoop = double(limit) / std::max(c.plainSeconds, 1e-9) / 1e6;
    std::printf("%-8s %lld commands: project %.2f M/s, plain loop %.1f M/s, ratio %.1fx\n", machine,
                static_cast<long long>(limit), project, plainLoop, plainLoop / project);
    std::fflush(stdout);
    return true;
}

std::optional<qint64> ParseLimit(const char* text) {
    bool ok = false;
    const QByteArray digits(text);
    for (char c : digits) {
        if (c < '0' || c > '9') {
            return std::nullopt;
        }
    }
    const qint64 limit = digits.toLongLong(&ok);
    if (!ok || limit < 1 || limit > kLargestLimit) {
        return std::nullopt;
    }
    return limit;
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    std::optional<qint64> limit = kDefaultLimit;
    if (argc > 2 || (argc == 2 && !(limit = ParseLimit(argv[1])))) {
        std::fprintf(stderr,
                     "usage: zebrin42-bench [COMMANDS]\n"
                     "  COMMANDS: how many commands each counter runs, 1 to %lld "
                     "(default %lld)\n",
                     static_cast<long long>(kLargestLimit), static_cast<long long>(kDefaultLimit));
        return 2;
    }
    QTemporaryDir dir;
    if (!dir.isValid()) {
        std::fprintf(stderr, "cannot make a temporary folder: %s\n", qPrintable(dir.errorString()));
        return 1;
    }

    int failed = CheckAll("post", MachineKind::Post, PostChecks(), WritePostSource, dir,
                          QStringLiteral(".pst")) +
                 CheckAll("turing", MachineKind::Turing, TuringChecks(), WriteTuringSource, dir,
                          QStringLiteral(".tur"));
    if (!Measure("post", MachineKind::Post, PostCounter(), WritePostSource,
                 dir.filePath(QStringLiteral("counter.pst")), *limit)) {
        ++failed;
    }
    if (!Measure("turing", MachineKind::Turing, TuringCounter(), WriteTuringSource,
                 dir.filePath(QStringLiteral("counter.tur")), *limit)) {
        ++failed;
    }
    return failed == 0 ? 0 : 1;
}
