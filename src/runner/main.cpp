// zebrin42-run: runs Post and Turing machine documents without a window, on
// their own tapes or on the cases of a cases file, and reports how each run
// ended, in lines a teacher reads or as JSON lines, with a CSV or XLSX table
// of the class; or draws one document's program as an SVG picture
// (--diagram), or one run's tape at every tick as a PNG picture (--history),
// or a class's documents with their cases' results as one PDF (--pdf).

#include <QCoreApplication>
#include <QFileInfo>
#include <QGuiApplication>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <memory>

#include "core/checking/CaseRun.h"
#include "core/documents/DocumentCommands.h"
#include "core/documents/DocumentFile.h"
#include "core/text/Language.h"
#include "runner/BatchRun.h"
#include "runner/ClassCheck.h"
#include "runner/ClassReport.h"
#include "runner/DiagramExport.h"
#include "runner/HistoryExport.h"
#include "runner/OutputGuard.h"
#include "runner/PdfExport.h"
#include "runner/RunnerOptions.h"

namespace {

// Every case of the cases file is checked before any run, against the
// machine the task is for: the file's --machine, or else the machine most of
// the documents given are for (both when as many are for each). A case that
// machine could never hold is the file's fault, not a submission's; a
// document of the other machine handed in by mistake then fails its cases
// one by one instead of stopping the whole class's check.
QString CheckCasesFor(const CasesFile& file, const QStringList& documents) {
    QVector<MachineKind> kinds;
    if (file.requirements.machine) {
        kinds.append(*file.requirements.machine);
    } else {
        qsizetype post = 0;
        for (const QString& document : documents) {
            post += DocumentCommands::KindToRead(document) == MachineKind::Post ? 1 : 0;
        }
        const qsizetype turing = documents.size() - post;
        if (post >= turing) {
            kinds.append(MachineKind::Post);
        }
        if (turing >= post) {
            kinds.append(MachineKind::Turing);
        }
    }
    for (const RunCase& c : file.cases) {
        for (MachineKind kind : kinds) {
            std::optional<TapeSetupError> error =
                CheckTape(kind, nullptr, c.input, c.start, c.carriage);
            if (!error) {
                error = CheckTape(kind, nullptr, c.expected, 0, std::nullopt);
                if (error && error->kind == TapeSetupError::Kind::PastEnd) {
                    error.reset();  // an expected text is not placed anywhere
                }
            }
            if (error) {
                return QStringLiteral("line %1: %2").arg(c.line).arg(error->English());
            }
        }
    }
    return QString();
}

// Reads the cases file and picks the cases to run into `plan`. Returns an
// exit status when the file cannot be used.
std::optional<int> ReadCases(const RunnerOptions& options, ClassPlan& plan) {
    const QString name = DocumentFile::PrintableName(*options.casesFile);
    DocumentFile::ReadStatus status = DocumentFile::ReadStatus::Ok;
    const CasesFile parsed = ReadCasesFile(*options.casesFile, status);
    if (status != DocumentFile::ReadStatus::Ok) {
        return Usage(QStringLiteral("cannot use the cases file %1: %2")
                         .arg(name, ReadFailureText(status, QString())));
    }
    QString error = parsed.error;
    if (error.isEmpty()) {
        error = CheckCasesFor(parsed, options.files);
    }
    if (!error.isEmpty()) {
        return Usage(name + QStringLiteral(", ") + error);
    }
    for (int line : options.caseLines) {
        if (!parsed.cases.HasLine(line)) {
            return Usage(
                QStringLiteral("--case %1: line %1 of %2 holds no case").arg(line).arg(name));
        }
    }
    plan.withCases = true;
    plan.task = parsed.requirements;
    plan.cases =
        options.caseLines.isEmpty() ? parsed.cases : parsed.cases.OnLines(options.caseLines);
    plan.cases.FillIn(options.base.start, options.base.carriage);
    return std::nullopt;
}

// Refuses, before anything runs, every output that would be written over an
// input or over a document.
std::optional<int> GuardOutputs(const RunnerOptions& options) {
    QStringList inputs = options.files;
    if (options.casesFile) {
        inputs.append(*options.casesFile);
    }
    const std::pair<QString, QString> targets[] = {
        {QStringLiteral("the report"), options.reportFile},
        {QStringLiteral("the picture"), options.diagramFile},
        {QStringLiteral("the picture"), options.historyFile},
        {QStringLiteral("the PDF"), options.pdfFile},
        {QStringLiteral("the machine"), options.base.saveTo}};
    for (const auto& [what, target] : targets) {
        if (target.isEmpty()) {
            continue;
        }
        const QString why = RefusedTarget(target, inputs);
        if (!why.isEmpty()) {
            Print(stderr, QStringLiteral("zebrin42-run: will not write %1 over %2: %3")
                              .arg(what, DocumentFile::PrintableName(target), why));
            return 2;
        }
    }
    return std::nullopt;
}

int WriteReport(const QString& path, const ClassReport& report) {
    const bool workbook = path.endsWith(QStringLiteral(".xlsx"), Qt::CaseInsensitive);
    const QString error = workbook ? WriteClassWorkbook(path, report)
                                   : DocumentFile::WriteBytes(path, ClassReportCsv(report));
    if (error.isEmpty()) {
        return 0;
    }
    Print(stderr, QStringLiteral("zebrin42-run: could not write the report %1: %2")
                      .arg(DocumentFile::PrintableName(path), error));
    return 2;
}

int WritePdf(const RunnerOptions& options) {
    PdfPlan plan;
    plan.documents = options.files;
    plan.target = options.pdfFile;
    plan.limits = RunLimits{options.base.maxSteps, options.base.seconds, nullptr};
    if (options.casesFile) {
        ClassPlan cases;
        cases.files = options.files;
        cases.base = options.base;
        if (const std::optional<int> usage = ReadCases(options, cases)) {
            return *usage;
        }
        plan.casesName = DocumentFile::PrintableName(QFileInfo(*options.casesFile).fileName());
        plan.cases = cases.cases;
    }
    const PdfExport exported = ExportClassPdf(plan);
    for (const QString& line : exported.lines) {
        Print(stdout, line);
    }
    if (!exported.error.isEmpty()) {
        Print(stderr, exported.error);
    }
    return exported.exitStatus;
}

int Check(const RunnerOptions& options) {
    ClassPlan plan;
    plan.files = options.files;
    plan.base = options.base;
    plan.json = options.json;
    plan.similar = options.similar;
    plan.growth = options.growth;
    plan.report = !options.reportFile.isEmpty();
    const WorkerBudget budget = BudgetWithinLimits(options.threads, options.files.size());
    if (budget.workers == 0) {
        return Usage(QStringLiteral("too few files may be open (ulimit -n) to run at all"));
    }
    if (options.casesFile) {
        if (const std::optional<int> usage = ReadCases(options, plan)) {
            return *usage;
        }
    }
    const ClassResult result = CheckClass(plan, budget);
    int status = result.exitCode;
    if (!options.reportFile.isEmpty()) {
        status = std::max(status, WriteReport(options.reportFile, result.report));
    }
    return status;
}

}  // namespace

int main(int argc, char** argv) {
    // Past a file-size limit (ulimit -f) a write fails with EFBIG instead of
    // killing the runner, so a save reports a write error and keeps the
    // previous file.
    std::signal(SIGXFSZ, SIG_IGN);
    // The plain event dispatcher, not GLib's: GLib aborts the process when a
    // thread cannot get its wake-up file under a tight open-file limit, and
    // the runner has no use for a desktop's main loop.
    qputenv("QT_NO_GLIB", "1");
    // Pages are painted with Qt Gui, which needs a platform: the offscreen
    // one, so that --pdf runs without a display. Every other output needs
    // Qt Core alone.
    const bool pdf = RunnerOptions::WantsPdf(argc, argv);
    if (pdf) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    const std::unique_ptr<QCoreApplication> app(pdf ? new QGuiApplication(argc, argv)
                                                    : new QCoreApplication(argc, argv));
    QString languageError;
    QStringList arguments;
    for (int i = 1; i < argc; ++i) {
        arguments.append(QString::fromLocal8Bit(argv[i]));
    }
    const UiLanguage language = Language::Choose(arguments, languageError);
    if (!languageError.isEmpty()) {
        return Usage(languageError);
    }
    Language::Install(language);
    QCoreApplication::setApplicationName(QStringLiteral("zebrin42-run"));

    RunnerOptions options;
    if (const std::optional<int> status = ReadOptions(argc, argv, options)) {
        return *status;
    }
    if (const std::optional<int> refused = GuardOutputs(options)) {
        return *refused;
    }
    int status = 0;
    if (!options.diagramFile.isEmpty()) {
        const DiagramExport exported = ExportDiagram(options.files.front(), options.diagramFile);
        Print(exported.exitStatus == 0 ? stdout : stderr,
              exported.exitStatus == 0 ? exported.report : exported.error);
        status = exported.exitStatus;
    } else if (!options.pdfFile.isEmpty()) {
        status = WritePdf(options);
    } else if (!options.historyFile.isEmpty()) {
        RunSpec spec = options.base;
        spec.file = options.files.front();
        const HistoryExport exported = ExportHistory(spec, options.historyFile);
        Print(exported.exitStatus == 0 ? stdout : stderr,
              exported.exitStatus == 0 ? exported.report : exported.error);
        status = exported.exitStatus;
    } else {
        status = Check(options);
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
