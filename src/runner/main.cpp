// zebrin42-run: runs Post and Turing machine documents without a window, on
// their own tapes or on the cases of a cases file, and reports how each run
// ended, in lines a teacher reads or as JSON; or draws one document's
// program as an SVG picture (--diagram).

#include <sys/resource.h>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryFile>
#include <QTextStream>
#include <QThread>
#include <QThreadPool>
#include <csignal>

#include <algorithm>
#include <cerrno>
#include <condition_variable>
#include <cstdio>
#include <cstring>
#include <memory>
#include <mutex>
#include <vector>

#include "core/checking/CaseRun.h"
#include "core/documents/DocumentFile.h"
#include "core/text/IntegerSyntax.h"
#include "runner/BatchRun.h"
#include "runner/ClassReport.h"
#include "runner/DiagramExport.h"

namespace {

struct Unit {
    RunSpec spec;
    std::optional<RunCase> runCase;
    RunOutcome outcome;
};

void Print(FILE* stream, const QString& text) {
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, std::size_t(bytes.size()), stream);
    std::fputc('\n', stream);
}

int Usage(const QString& message) {
    Print(stderr, QStringLiteral("zebrin42-run: ") + message);
    Print(stderr, QStringLiteral("Try 'zebrin42-run --help'."));
    return 2;
}

bool CasePassed(const Unit& unit) {
    return unit.runCase &&
           CasePassed(*unit.runCase, unit.outcome.Kind(),
                      unit.outcome.result == RunOutcome::Result::Stopped, unit.outcome.tape);
}

QJsonObject ToJson(const Unit& unit) {
    const RunOutcome& o = unit.outcome;
    QJsonObject json;
    json[QStringLiteral("file")] = DocumentFile::PrintableName(unit.spec.file);
    json[QStringLiteral("case")] = unit.runCase ? QJsonValue(unit.runCase->line) : QJsonValue();
    json[QStringLiteral("machine")] = o.machine.isEmpty() ? QJsonValue() : QJsonValue(o.machine);
    json[QStringLiteral("result")] = RunOutcome::ResultName(o.result);
    json[QStringLiteral("steps")] = o.steps;
    json[QStringLiteral("message")] = o.message;
    json[QStringLiteral("status")] = o.status;
    if (o.result == RunOutcome::Result::Unreadable) {
        json[QStringLiteral("carriage")] = QJsonValue();
        json[QStringLiteral("used_min")] = QJsonValue();
        json[QStringLiteral("used_max")] = QJsonValue();
        json[QStringLiteral("tape")] = QJsonValue();
    } else {
        json[QStringLiteral("carriage")] = o.carriage;
        json[QStringLiteral("used_min")] = o.usedMin;
        json[QStringLiteral("used_max")] = o.usedMax;
        json[QStringLiteral("tape")] = o.tape;
    }
    if (unit.runCase) {
        json[QStringLiteral("expected")] = unit.runCase->expected;
        json[QStringLiteral("passed")] = CasePassed(unit);
    }
    return json;
}

QString ToText(const Unit& unit) {
    const RunOutcome& o = unit.outcome;
    QString line = DocumentFile::PrintableName(unit.spec.file);
    if (unit.runCase) {
        line += QStringLiteral(" case line %1 (%2 => %3): %4,")
                    .arg(unit.runCase->line)
                    .arg(unit.runCase->input, unit.runCase->expected,
                         CasePassed(unit) ? QStringLiteral("passed") : QStringLiteral("FAILED"));
    } else {
        line += u':';
    }
    if (o.result == RunOutcome::Result::Unreadable) {
        return line + QStringLiteral(" unreadable: ") + o.message;
    }
    line += u' ' + RunOutcome::ResultName(o.result);
    line += QStringLiteral(" after %1 steps").arg(o.steps);
    if (!o.message.isEmpty()) {
        line += QStringLiteral(" (\"%1\")").arg(o.message);
    }
    if (o.emptyTape) {
        line += QStringLiteral("; tape empty");
    } else {
        line += QStringLiteral("; tape %1..%2 \"%3\"")
                    .arg(o.usedMin)
                    .arg(o.usedMax)
                    .arg(UsedPartNotation(o));
    }
    line += QStringLiteral("; carriage %1").arg(o.carriage);
    return line;
}

// What the command line asks for: the documents, the settings every run
// shares, and how to run and report them.
struct Options {
    QStringList files;
    RunSpec base;
    std::optional<QString> casesFile;
    int threads = QThread::idealThreadCount();
    bool json = false;
    QString reportFile;   // --report: the CSV table, when not empty
    QString diagramFile;  // --diagram: the picture, when not empty; nothing is run
};

// Each worker holds a few files open at once (a document, a save's
// temporary file, Qt's own); more workers than the open-file limit allows
// would fail to open them, so the pool never grows past it.
int WorkersWithinLimits(int wanted) {
    rlimit files{};
    if (getrlimit(RLIMIT_NOFILE, &files) != 0 || files.rlim_cur == RLIM_INFINITY) {
        return wanted;
    }
    const qint64 spare = qint64(files.rlim_cur) - 32;  // stdio, Qt, the cases file
    return int(std::clamp<qint64>(spare / 4, 1, wanted));
}

// The CSV table of --report: one row per document, in the order given.
QByteArray ReportTable(const Options& options, const QVector<Unit>& units) {
    QStringList heads;
    QVector<ClassReportRow> rows;
    for (const Unit& unit : units) {
        if (rows.isEmpty() || rows.back().file != DocumentFile::PrintableName(unit.spec.file)) {
            ClassReportRow row;
            row.file = DocumentFile::PrintableName(unit.spec.file);
            row.machine = unit.outcome.machine;
            rows.append(row);
        }
        ClassReportRow& row = rows.back();
        const RunOutcome& o = unit.outcome;
        QString result = RunOutcome::ResultName(o.result);
        if (unit.runCase) {
            if (rows.size() == 1) {
                heads.append(QStringLiteral("line %1: %2 => %3")
                                 .arg(unit.runCase->line)
                                 .arg(unit.runCase->input, unit.runCase->expected));
            }
            const bool passed = CasePassed(unit);
            if (o.result == RunOutcome::Result::Stopped) {
                result = passed ? QStringLiteral("passed") : QStringLiteral("failed");
            }
            row.cases.append(result);
            ++(passed ? row.passed : row.failed);
            row.result = o.result == RunOutcome::Result::Unreadable ? result
                         : row.failed > 0                           ? QStringLiteral("failed")
                                                                    : QStringLiteral("passed");
        } else {
            row.result = result;
        }
    }
    if (!options.casesFile) {
        heads.clear();
    }
    return ClassReportCsv(heads, rows);
}

// Reads the command line into `options`. Returns an exit status when the
// program is to end at once (help printed, or a usage error reported).
std::optional<int> ReadOptions(int argc, char** argv, Options& options) {
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Runs Zebrin42 Post machine (.pst) and Turing machine (.tur) documents without a window."));
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption maxSteps(QStringLiteral("max-steps"),
                                      QStringLiteral("Break a run off after N executed commands."),
                                      QStringLiteral("N"), QStringLiteral("1000000"));
    const QCommandLineOption tape(
        QStringLiteral("tape"),
        QStringLiteral("Clear the tape, then write TEXT from the start cell."),
        QStringLiteral("TEXT"));
    const QCommandLineOption start(
        QStringLiteral("start"),
        QStringLiteral("Cell of TEXT's first character (0 Post, 1 Turing)."),
        QStringLiteral("CELL"));
    const QCommandLineOption carriage(QStringLiteral("carriage"),
                                      QStringLiteral("Carriage cell before the run."),
                                      QStringLiteral("CELL"));
    const QCommandLineOption cases(QStringLiteral("cases"),
                                   QStringLiteral("Run every document on every case of FILE."),
                                   QStringLiteral("FILE"));
    const QCommandLineOption jobs(QStringLiteral("jobs"),
                                  QStringLiteral("Run documents in parallel on N threads."),
                                  QStringLiteral("N"));
    const QCommandLineOption json(QStringLiteral("json"),
                                  QStringLiteral("One JSON object per run, one per line."));
    const QCommandLineOption trace(QStringLiteral("trace"),
                                   QStringLiteral("Print each tick's step and message panels."));
    const QCommandLineOption save(QStringLiteral("save"),
                                  QStringLiteral("After the run, write the machine to FILE."),
                                  QStringLiteral("FILE"));
    const QCommandLineOption report(
        QStringLiteral("report"),
        QStringLiteral("Also write a CSV table of the results to FILE: one row per document, "
                       "with --cases one column per case."),
        QStringLiteral("FILE"));
    const QCommandLineOption diagram(
        QStringLiteral("diagram"),
        QStringLiteral("Write the picture of the document's program to FILE as SVG, laid out by "
                       "Graphviz; nothing is run."),
        QStringLiteral("FILE"));
    parser.addOptions(
        {maxSteps, tape, start, carriage, cases, jobs, json, trace, save, report, diagram});
    const std::vector<const QCommandLineOption*> runOptions = {
        &maxSteps, &tape, &start, &carriage, &cases, &jobs, &json, &trace, &save, &report};
    parser.addPositionalArgument(QStringLiteral("FILE"), QStringLiteral("Documents to run."),
                                 QStringLiteral("FILE..."));

    // File names are kept byte for byte, whatever their encoding (a class's
    // files may come from Windows in Windows-1251).
    QStringList arguments;
    for (int i = 0; i < argc; ++i) {
        arguments.append(DocumentFile::NameFromNative(QByteArray(argv[i])));
    }
    if (!parser.parse(arguments)) {
        return Usage(parser.errorText());
    }
    // The runner has no Qt options of its own, so --help-all is --help.
    if (parser.isSet(QStringLiteral("help")) || parser.isSet(QStringLiteral("help-all"))) {
        Print(stdout, parser.helpText());
        return 0;
    }
    if (parser.isSet(QStringLiteral("version"))) {
        Print(stdout, QStringLiteral("zebrin42-run " ZEBRIN_VERSION));
        return 0;
    }
    options.files = parser.positionalArguments();
    if (options.files.isEmpty()) {
        return Usage(QStringLiteral("no document given"));
    }

    auto number = [&parser](const QCommandLineOption& option, qint64 low) -> std::optional<qint64> {
        const std::optional<qint32> value = ParseInteger(parser.value(option));
        if (!value || *value < low) {
            return std::nullopt;
        }
        return *value;
    };
    RunSpec& base = options.base;
    const std::optional<qint64> limit = number(maxSteps, 0);
    if (!limit) {
        return Usage(QStringLiteral("--max-steps wants a whole number of 0 or more"));
    }
    base.maxSteps = *limit;
    if (parser.isSet(tape)) {
        base.tape = parser.value(tape);
    }
    if (parser.isSet(start)) {
        const std::optional<qint64> cell = number(start, -999);
        if (!cell) {
            return Usage(QStringLiteral("--start wants a cell number"));
        }
        base.start = int(*cell);
    }
    if (parser.isSet(carriage)) {
        const std::optional<qint64> cell = number(carriage, -999);
        if (!cell) {
            return Usage(QStringLiteral("--carriage wants a cell number"));
        }
        base.carriage = int(*cell);
    }
    if (parser.isSet(jobs)) {
        const std::optional<qint64> n = number(jobs, 1);
        if (!n || *n > 256) {
            return Usage(QStringLiteral("--jobs wants a number from 1 to 256"));
        }
        options.threads = int(*n);
    }
    base.trace = parser.isSet(trace);
    if (parser.isSet(save)) {
        if (options.files.size() != 1 || parser.isSet(cases)) {
            return Usage(QStringLiteral("--save takes one document and no cases file"));
        }
        base.saveTo = parser.value(save);
    }
    if (parser.isSet(cases)) {
        options.casesFile = parser.value(cases);
    }
    options.json = parser.isSet(json);
    if (parser.isSet(report)) {
        options.reportFile = parser.value(report);
        if (options.reportFile.isEmpty()) {
            return Usage(QStringLiteral("--report wants a file name"));
        }
    }
    if (parser.isSet(diagram)) {
        options.diagramFile = parser.value(diagram);
        if (options.diagramFile.isEmpty()) {
            return Usage(QStringLiteral("--diagram wants a file name"));
        }
        // A picture is drawn of one program; an option that would run it
        // has nothing to act on.
        const bool runOption = std::any_of(
            runOptions.begin(), runOptions.end(),
            [&parser](const QCommandLineOption* option) { return parser.isSet(*option); });
        if (options.files.size() != 1 || runOption) {
            return Usage(QStringLiteral("--diagram takes one document and no run options"));
        }
    }
    return std::nullopt;
}

// One run per document, or per document and case. Returns an exit status
// when the cases file cannot be used.
std::optional<int> BuildRuns(const Options& options, QVector<Unit>& units) {
    if (!options.casesFile) {
        for (const QString& document : options.files) {
            Unit unit;
            unit.spec = options.base;
            unit.spec.file = document;
            units.append(unit);
        }
        return std::nullopt;
    }
    const QString name = DocumentFile::PrintableName(*options.casesFile);
    DocumentFile::ReadStatus status = DocumentFile::ReadStatus::Ok;
    const CasesFile parsed = ReadCasesFile(*options.casesFile, status);
    if (status != DocumentFile::ReadStatus::Ok) {
        return Usage(QStringLiteral("cannot use the cases file %1: %2")
                         .arg(name, ReadFailureText(status, QString())));
    }
    if (!parsed.error.isEmpty()) {
        return Usage(name + QStringLiteral(", ") + parsed.error);
    }
    for (const QString& document : options.files) {
        for (const RunCase& c : parsed.cases) {
            Unit unit;
            unit.spec = options.base;
            unit.spec.file = document;
            unit.spec.tape = c.input;
            if (c.start) {
                unit.spec.start = c.start;
            }
            if (c.carriage) {
                unit.spec.carriage = c.carriage;
            }
            unit.runCase = c;
            units.append(unit);
        }
    }
    return std::nullopt;
}

// What the runs came to, kept while their results are printed one by one.
struct Tally {
    int exitCode = 0;
    int passed = 0;
    int failed = 0;
};

// Prints one run's result (its trace has gone out before it) and counts it:
// exit status 2 when the run could not be made or saved, 1 when it did not
// stop or its case failed.
void ReportUnit(const Options& options, const Unit& unit, Tally& tally) {
    const RunOutcome& o = unit.outcome;
    if (o.result == RunOutcome::Result::Usage) {
        Print(stderr, QStringLiteral("zebrin42-run: %1: %2")
                          .arg(DocumentFile::PrintableName(unit.spec.file), o.usageError));
        tally.exitCode = 2;
        return;
    }
    Print(stdout, options.json ? QString::fromUtf8(
                                     QJsonDocument(ToJson(unit)).toJson(QJsonDocument::Compact))
                               : ToText(unit));
    if (o.result == RunOutcome::Result::Unreadable) {
        Print(stderr, QStringLiteral("zebrin42-run: %1 cannot be read: %2")
                          .arg(DocumentFile::PrintableName(unit.spec.file), o.message));
        tally.exitCode = 2;
    } else if (o.saveFailed) {
        const QString why = DocumentFile::IsSpecialFile(unit.spec.saveTo)
                                ? QStringLiteral(": not a regular file")
                                : QString();
        Print(stderr, QStringLiteral("zebrin42-run: could not write %1%2")
                          .arg(DocumentFile::PrintableName(unit.spec.saveTo), why));
        tally.exitCode = 2;
    } else if (unit.runCase) {
        if (CasePassed(unit)) {
            ++tally.passed;
        } else {
            ++tally.failed;
            tally.exitCode = std::max(tally.exitCode, 1);
        }
    } else if (o.result != RunOutcome::Result::Stopped) {
        tally.exitCode = std::max(tally.exitCode, 1);
    }
}

// Runs every unit and prints each one's trace and result in the order
// given, as soon as it is done. One worker runs the units here, its trace
// lines going out as they are made; several workers spool each document's
// trace to a temporary file, copied out when its turn comes, so traces of
// different documents never interleave and none is held in memory.
int RunAndReport(const Options& options, QVector<Unit>& units) {
    Tally tally;
    const int workers = WorkersWithinLimits(options.threads);
    if (workers <= 1 || units.size() <= 1) {
        for (Unit& unit : units) {
            if (unit.spec.trace) {
                unit.spec.traceLine = [](const QString& line) { Print(stdout, line); };
            }
            unit.outcome = RunDocument(unit.spec);
            ReportUnit(options, unit, tally);
        }
    } else {
        std::vector<std::unique_ptr<QTemporaryFile>> spools(std::size_t(units.size()));
        std::mutex mutex;
        std::condition_variable finished;
        std::vector<char> done(std::size_t(units.size()), 0);
        QThreadPool pool;
        pool.setMaxThreadCount(workers);
        for (qsizetype i = 0; i < units.size(); ++i) {
            Unit& unit = units[i];
            if (unit.spec.trace) {
                auto spool = std::make_unique<QTemporaryFile>();
                if (spool->open()) {
                    QTemporaryFile* file = spool.get();
                    unit.spec.traceLine = [file](const QString& line) {
                        file->write(line.toUtf8() + '\n');
                    };
                    spools[std::size_t(i)] = std::move(spool);
                }
            }
            pool.start([&unit, &mutex, &finished, &done, i] {
                unit.outcome = RunDocument(unit.spec);
                const std::lock_guard<std::mutex> lock(mutex);
                done[std::size_t(i)] = 1;
                finished.notify_all();
            });
        }
        for (qsizetype i = 0; i < units.size(); ++i) {
            {
                std::unique_lock<std::mutex> lock(mutex);
                finished.wait(lock, [&done, i] { return done[std::size_t(i)] != 0; });
            }
            if (QTemporaryFile* spool = spools[std::size_t(i)].get()) {
                spool->seek(0);
                std::fflush(stdout);
                char buffer[65536];
                for (qint64 n; (n = spool->read(buffer, sizeof buffer)) > 0;) {
                    std::fwrite(buffer, 1, std::size_t(n), stdout);
                }
                spools[std::size_t(i)].reset();
            }
            ReportUnit(options, units[i], tally);
        }
        pool.waitForDone();
    }
    if (options.casesFile) {
        Print(stdout, QStringLiteral("%1 passed, %2 failed").arg(tally.passed).arg(tally.failed));
    }
    return tally.exitCode;
}

}  // namespace

int main(int argc, char** argv) {
    // Past a file-size limit (ulimit -f) a write fails with EFBIG instead of
    // killing the runner, so a save reports a write error and keeps the
    // previous file.
    std::signal(SIGXFSZ, SIG_IGN);
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("zebrin42-run"));

    Options options;
    if (const std::optional<int> status = ReadOptions(argc, argv, options)) {
        return *status;
    }
    int status = 0;
    QVector<Unit> units;
    if (!options.diagramFile.isEmpty()) {
        const DiagramExport exported = ExportDiagram(options.files.front(), options.diagramFile);
        Print(exported.exitStatus == 0 ? stdout : stderr,
              exported.exitStatus == 0 ? exported.report : exported.error);
        status = exported.exitStatus;
    } else if (const std::optional<int> usage = BuildRuns(options, units)) {
        return *usage;
    } else {
        status = RunAndReport(options, units);
    }
    if (!options.reportFile.isEmpty()) {
        const QString error =
            DocumentFile::WriteBytes(options.reportFile, ReportTable(options, units));
        if (!error.isEmpty()) {
            Print(stderr, QStringLiteral("zebrin42-run: could not write the report %1: %2")
                              .arg(DocumentFile::PrintableName(options.reportFile), error));
            status = 2;
        }
    }
    // Results lost on the way out (a full disk, a closed pipe) are a failure,
    // not a success.
    if (std::fflush(stdout) != 0 || std::ferror(stdout)) {
        Print(stderr, QStringLiteral("zebrin42-run: could not write the results: %1")
                          .arg(QString::fromLocal8Bit(std::strerror(errno))));
        status = 2;
    }
    return status;
}
