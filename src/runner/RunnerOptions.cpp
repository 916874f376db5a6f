#include "runner/RunnerOptions.h"

#include <sys/stat.h>
#include <QCommandLineParser>
#include <QThread>
#include <algorithm>
#include <limits>
#include <vector>

#include "core/documents/DocumentFile.h"
#include "core/run/TapeHistory.h"
#include "core/text/IntegerSyntax.h"

void Print(FILE* stream, const QString& text) {
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, std::size_t(bytes.size()), stream);
    std::fputc('\n', stream);
}

bool RunnerOptions::WantsPdf(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        const QByteArray word(argv[i]);
        if (word == "--") {
            return false;
        }
        if (word == "--pdf" || word.startsWith("--pdf=")) {
            return true;
        }
    }
    return false;
}

int Usage(const QString& message) {
    Print(stderr, QStringLiteral("zebrin42-run: ") + message);
    Print(stderr, QStringLiteral("Try 'zebrin42-run --help'."));
    return 2;
}

namespace {

struct OptionTable {
    QCommandLineOption maxSteps{QStringLiteral("max-steps"),
                                QStringLiteral("Break a run off after N executed commands "
                                               "(up to 9223372036854775807)."),
                                QStringLiteral("N"), QStringLiteral("1000000")};
    QCommandLineOption timeout{
        QStringLiteral("timeout"),
        QStringLiteral("End a run that takes longer than SECONDS (a decimal) of wall-clock time."),
        QStringLiteral("SECONDS")};
    QCommandLineOption tape{QStringLiteral("tape"),
                            QStringLiteral("Clear the tape, then write TEXT from the start cell."),
                            QStringLiteral("TEXT")};
    QCommandLineOption start{QStringLiteral("start"),
                             QStringLiteral("Cell of TEXT's first character (0 Post, 1 Turing)."),
                             QStringLiteral("CELL")};
    QCommandLineOption carriage{QStringLiteral("carriage"),
                                QStringLiteral("Carriage cell before the run."),
                                QStringLiteral("CELL")};
    QCommandLineOption cases{QStringLiteral("cases"),
                             QStringLiteral("Run every document on every case of FILE."),
                             QStringLiteral("FILE")};
    QCommandLineOption onlyCase{
        QStringLiteral("case"),
        QStringLiteral("Run only the case on LINE of the cases file (repeatable)."),
        QStringLiteral("LINE")};
    QCommandLineOption jobs{QStringLiteral("jobs"),
                            QStringLiteral("Run documents in parallel on N threads."),
                            QStringLiteral("N")};
    QCommandLineOption json{QStringLiteral("json"),
                            QStringLiteral("Print every result as one JSON object per line.")};
    QCommandLineOption trace{QStringLiteral("trace"),
                             QStringLiteral("Print each tick's step and message panels.")};
    QCommandLineOption save{QStringLiteral("save"),
                            QStringLiteral("After the run, write the machine to FILE."),
                            QStringLiteral("FILE")};
    QCommandLineOption report{
        QStringLiteral("report"),
        QStringLiteral("Also write a table of the results to FILE: CSV, or a workbook when FILE "
                       "ends in .xlsx; one row per document, with --cases one column per case."),
        QStringLiteral("FILE")};
    QCommandLineOption similar{
        QStringLiteral("similar"),
        QStringLiteral("Report the documents whose programs are the same up to renaming, and "
                       "those that differ in at most a tenth of their commands.")};
    QCommandLineOption growth{
        QStringLiteral("growth"),
        QStringLiteral("With --cases, fit how each document's steps grow with the length of the "
                       "input over the cases passed: n, n log n, n^2, n^3 or 2^n, named once four "
                       "lengths were measured.")};
    QCommandLineOption diagram{
        QStringLiteral("diagram"),
        QStringLiteral("Write the picture of the document's program to FILE as SVG, laid out by "
                       "Graphviz; nothing is run."),
        QStringLiteral("FILE")};
    QCommandLineOption lang{
        QStringLiteral("lang"),
        QStringLiteral("The language of the machines' own texts in the output (the status and "
                       "error texts, the verdicts, the PDF): ru or en; by default the system "
                       "locale's, English for an English locale, else Russian."),
        QStringLiteral("LANG")};
    QCommandLineOption pdf{
        QStringLiteral("pdf"),
        QStringLiteral("Write every document's pages (the task, the tape, the program, the "
                       "diagram) into one PDF FILE, each document from a new page; with --cases "
                       "each followed by its cases' results. Needs no display."),
        QStringLiteral("FILE")};
    QCommandLineOption history{
        QStringLiteral("history"),
        QStringLiteral("Run the document and write the tape at every tick to FILE as PNG: one "
                       "pixel row per tick and one for the start, one column per cell the run "
                       "used, the carriage in red."),
        QStringLiteral("FILE")};

    std::vector<const QCommandLineOption*> All() const {
        return {&maxSteps, &timeout, &tape,    &start,   &carriage, &cases,
                &onlyCase, &jobs,    &json,    &trace,   &save,     &report,
                &similar,  &growth,  &diagram, &history, &pdf,      &lang};
    }
    // The options of a class's check, which the picture of one run has no
    // use for.
    std::vector<const QCommandLineOption*> CheckOptions() const {
        return {&cases,  &onlyCase, &jobs,   &json,    &trace, &save,
                &report, &similar,  &growth, &diagram, &pdf};
    }
    // The options a class's PDF has no use for: it prints the documents
    // and, with --cases, their cases' results.
    std::vector<const QCommandLineOption*> NotForPdf() const {
        return {&tape, &json, &trace, &save, &report, &similar, &growth, &diagram, &history};
    }
    // The options that make or report a run, which a picture has no use for.
    std::vector<const QCommandLineOption*> RunOptions() const {
        return {&maxSteps, &timeout, &tape, &start,  &carriage, &cases,  &onlyCase, &jobs,
                &json,     &trace,   &save, &report, &similar,  &growth, &pdf};
    }
};

bool Exists(const QString& name) {
    struct stat node {};
    return lstat(DocumentFile::NativeName(name).constData(), &node) == 0;
}

// The arguments with every document after a "--": an argument that starts
// with "-" but is no option of ours and names an existing file ("-v.pst"
// from a shell's glob) is a document, as are all after a "--" of the user.
QStringList SortDocumentsOut(const QStringList& arguments, const OptionTable& table) {
    QStringList options = {arguments.value(0)};
    QStringList documents;
    auto known = [&table](const QString& word, bool& takesValue) {
        QString name = word.mid(word.startsWith(QStringLiteral("--")) ? 2 : 1);
        const bool inlineValue = name.contains(u'=');
        name = name.section(u'=', 0, 0);
        if (name == u"help" || name == u"help-all" || name == u"version" || name == u"h" ||
            name == u"v" || name == u"?") {
            takesValue = false;
            return true;
        }
        for (const QCommandLineOption* option : table.All()) {
            if (option->names().contains(name)) {
                takesValue = !option->valueName().isEmpty() && !inlineValue;
                return true;
            }
        }
        return false;
    };
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString& word = arguments[i];
        if (word == u"--") {
            documents += arguments.mid(i + 1);
            break;
        }
        bool takesValue = false;
        // A document: a plain word, "-", or a file whose name looks like an
        // option the runner does not know.
        if (!word.startsWith(u'-') || word == u"-" || (!known(word, takesValue) && Exists(word))) {
            documents.append(word);
        } else {
            options.append(word);
            if (takesValue && i + 1 < arguments.size()) {
                options.append(arguments[++i]);
            }
        }
    }
    return options + QStringList{QStringLiteral("--")} + documents;
}

std::optional<qint64> WholeNumber(const QString& text, qint64 low) {
    bool ok = false;
    const qint64 value = text.trimmed().toLongLong(&ok);
    if (!ok || value < low) {
        return std::nullopt;
    }
    return value;
}

std::optional<int> ReadRunSettings(const QCommandLineParser& parser, const OptionTable& o,
                                   RunnerOptions& options) {
    RunSpec& base = options.base;
    const std::optional<qint64> limit = WholeNumber(parser.value(o.maxSteps), 0);
    if (!limit) {
        return Usage(QStringLiteral("--max-steps wants a whole number from 0 to %1")
                         .arg(std::numeric_limits<qint64>::max()));
    }
    base.maxSteps = *limit;
    if (parser.isSet(o.timeout)) {
        bool ok = false;
        const double seconds = parser.value(o.timeout).toDouble(&ok);
        if (!ok || !(seconds > 0) || seconds > 1e9) {
            return Usage(QStringLiteral("--timeout wants a number of seconds above 0"));
        }
        base.seconds = seconds;
    }
    if (parser.isSet(o.tape)) {
        base.tape = parser.value(o.tape);
    }
    auto cell = [&parser](const QCommandLineOption& option) -> std::optional<int> {
        const std::optional<qint32> value = ParseInteger(parser.value(option));
        return value && *value >= -999 ? std::optional<int>(*value) : std::nullopt;
    };
    if (parser.isSet(o.start)) {
        base.start = cell(o.start);
        if (!base.start) {
            return Usage(QStringLiteral("--start wants a cell number"));
        }
    }
    if (parser.isSet(o.carriage)) {
        base.carriage = cell(o.carriage);
        if (!base.carriage) {
            return Usage(QStringLiteral("--carriage wants a cell number"));
        }
    }
    options.threads = QThread::idealThreadCount();
    if (parser.isSet(o.jobs)) {
        const std::optional<qint64> n = WholeNumber(parser.value(o.jobs), 1);
        if (!n || *n > 256) {
            return Usage(QStringLiteral("--jobs wants a number from 1 to 256"));
        }
        options.threads = int(*n);
    }
    base.trace = parser.isSet(o.trace);
    if (parser.isSet(o.save)) {
        if (options.files.size() != 1 || parser.isSet(o.cases)) {
            return Usage(QStringLiteral("--save takes one document and no cases file"));
        }
        base.saveTo = parser.value(o.save);
    }
    if (parser.isSet(o.cases)) {
        options.casesFile = parser.value(o.cases);
    }
    for (const QString& line : parser.values(o.onlyCase)) {
        const std::optional<qint64> n = WholeNumber(line, 1);
        if (!n || *n > std::numeric_limits<int>::max()) {
            return Usage(QStringLiteral("--case wants a line number of the cases file"));
        }
        options.caseLines.append(int(*n));
    }
    if (!options.caseLines.isEmpty() && !options.casesFile) {
        return Usage(QStringLiteral("--case needs --cases"));
    }
    options.json = parser.isSet(o.json);
    options.similar = parser.isSet(o.similar);
    options.growth = parser.isSet(o.growth);
    if (options.growth && !options.casesFile) {
        return Usage(QStringLiteral("--growth needs --cases"));
    }
    if (parser.isSet(o.report)) {
        options.reportFile = parser.value(o.report);
        if (options.reportFile.isEmpty()) {
            return Usage(QStringLiteral("--report wants a file name"));
        }
    }
    return std::nullopt;
}

}  // namespace

std::optional<int> ReadOptions(int argc, char** argv, RunnerOptions& options) {
    const OptionTable o;
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Runs Zebrin42 Post machine (.pst) and Turing machine (.tur) documents without a window."));
    parser.addHelpOption();
    parser.addVersionOption();
    for (const QCommandLineOption* option : o.All()) {
        parser.addOption(*option);
    }
    parser.addPositionalArgument(QStringLiteral("FILE"), QStringLiteral("Documents to run."),
                                 QStringLiteral("FILE..."));

    // File names are kept byte for byte, whatever their encoding (a class's
    // files may come from Windows in Windows-1251).
    QStringList arguments;
    for (int i = 0; i < argc; ++i) {
        arguments.append(DocumentFile::NameFromNative(QByteArray(argv[i])));
    }
    if (!parser.parse(SortDocumentsOut(arguments, o))) {
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
    if (const std::optional<int> status = ReadRunSettings(parser, o, options)) {
        return status;
    }
    if (parser.isSet(o.diagram)) {
        options.diagramFile = parser.value(o.diagram);
        if (options.diagramFile.isEmpty()) {
            return Usage(QStringLiteral("--diagram wants a file name"));
        }
        // A picture is drawn of one program; an option that would run it
        // has nothing to act on.
        const std::vector<const QCommandLineOption*> runOptions = o.RunOptions();
        const bool runOption = std::any_of(
            runOptions.begin(), runOptions.end(),
            [&parser](const QCommandLineOption* option) { return parser.isSet(*option); });
        if (options.files.size() != 1 || runOption) {
            return Usage(QStringLiteral("--diagram takes one document and no run options"));
        }
    }
    if (parser.isSet(o.pdf)) {
        options.pdfFile = parser.value(o.pdf);
        if (options.pdfFile.isEmpty()) {
            return Usage(QStringLiteral("--pdf wants a file name"));
        }
        const std::vector<const QCommandLineOption*> notForPdf = o.NotForPdf();
        if (std::any_of(
                notForPdf.begin(), notForPdf.end(),
                [&parser](const QCommandLineOption* option) { return parser.isSet(*option); })) {
            return Usage(QStringLiteral(
                "--pdf takes documents and only --cases, --case, --max-steps, --timeout, --start, "
                "--carriage and --jobs"));
        }
    }
    if (parser.isSet(o.history)) {
        options.historyFile = parser.value(o.history);
        if (options.historyFile.isEmpty()) {
            return Usage(QStringLiteral("--history wants a file name"));
        }
        const std::vector<const QCommandLineOption*> checkOptions = o.CheckOptions();
        const bool checkOption = std::any_of(
            checkOptions.begin(), checkOptions.end(),
            [&parser](const QCommandLineOption* option) { return parser.isSet(*option); });
        if (options.files.size() != 1 || checkOption) {
            return Usage(QStringLiteral(
                "--history takes one document and only --max-steps, --timeout, --tape, --start "
                "and --carriage"));
        }
        // The run makes up to max-steps + 1 ticks, each a row kept.
        if (options.base.maxSteps >= TapeHistory::kMaxTicks) {
            return Usage(QStringLiteral("--history records at most %1 ticks: --max-steps below %1")
                             .arg(TapeHistory::kMaxTicks));
        }
    }
    return std::nullopt;
}
