// Measures how fast the project reads and writes a large document, against
// a plain reader and writer of the same layout (PlainDocumentIo.h), and how
// much memory the batch runner takes to read one. The documents are made by
// the project's own writers, just under 8 MB each: a Post program of many
// commented rows, and a wide Turing table with long comments.
//
// ReadPostFile and WritePostFile (ReadTuringFile, WriteTuringFile) are timed
// in the process's CPU time, best of several repetitions (5 unless given as
// the only argument), each read into a fresh Workbench; so is the plain
// loop. Each side runs in a child process of its own, so neither is timed on
// the heap the other left behind. Every write must give back the document
// byte for byte, else the exit status is 1. Then `zebrin42-run --max-steps 0
// FILE` (and the same with `--save`) runs as a child, and its peak resident
// memory is reported beside that of a child that only reads the document the
// plain way. Run it on an otherwise idle machine, e.g. `taskset -c 0`.

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <functional>
#include <limits>
#include <optional>

#include "PlainDocumentIo.h"
#include "core/documents/PostFile.h"
#include "core/documents/TuringFile.h"
#include "core/port/ScriptedUi.h"
#include "core/turing/TuringCommand.h"
#include "core/turing/TuringMachine.h"
#include "core/workbench/Workbench.h"

namespace {

constexpr int kDefaultRepetitions = 5;
// Just under the 8 MiB the reader accepts.
constexpr qint64 kDocumentBytes = 8'000'000;

double CpuSeconds() {
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return double(now.tv_sec) + double(now.tv_nsec) / 1e9;
}

// The least CPU time `work` takes in `repetitions` runs; `prepare` runs
// before each, untimed.
double BestOf(int repetitions, const std::function<void()>& prepare,
              const std::function<void()>& work) {
    double best = std::numeric_limits<double>::max();
    for (int i = 0; i < repetitions; ++i) {
        prepare();
        const double start = CpuSeconds();
        work();
        best = std::min(best, CpuSeconds() - start);
    }
    return best;
}

// A number that looks random but is the same at every run.
class Sequence {
public:
    int Next(int below) {
        state_ = state_ * 6364136223846793005ULL + 1442695040888963407ULL;
        return int((state_ >> 33) % unsigned(below));
    }

private:
    quint64 state_ = 42;
};

const QStringList& Phrases() {
    static const QStringList phrases = {
        QStringLiteral("сдвиг вправо к следующей метке"),
        QStringLiteral("стираем метку и идём назад"),
        QStringLiteral("есть ли метка в этой ячейке?"),
        QStringLiteral("перенос единицы в старший разряд"),
        QStringLiteral("возврат к началу блока"),
        QStringLiteral("ставим метку на пустое место"),
        QStringLiteral("конец работы, ответ на ленте"),
        QStringLiteral("к следующему числу через пробел"),
    };
    return phrases;
}

// A Post program of commented rows with a short statement and a tape,
// `bytes` long in its document give or take a row.
void BuildPost(Workbench& bench, qint64 bytes) {
    PostMachine& post = bench.Post();
    QStringList statement;
    for (int i = 1; i <= 40; ++i) {
        statement << QStringLiteral(
                         "%1. Составьте программу, которая удваивает число меток "
                         "на ленте; строка условия номер %1.")
                         .arg(i);
    }
    post.SetStatement(statement.join(u'\n'));
    for (int cell = -20; cell <= 20; cell += 3) {
        post.tape.SetPostCell(cell, true);
    }

    struct Row {
        QString code, jump, comment;
    };
    std::vector<Row> rows;
    Sequence random;
    qint64 total = 4000;  // the statement and the tape
    while (total < bytes) {
        const int number = int(rows.size()) + 1;
        const int code = 1 + random.Next(6);
        Row row{QString::number(code), QString(), QString()};
        if (code == 5) {
            row.jump = QStringLiteral("%1,%2").arg(number + 1).arg(random.Next(number) + 1);
        } else if (code != 6) {
            row.jump = QString::number(random.Next(4) == 0 ? random.Next(number) + 1 : number + 1);
        }
        if (random.Next(5) != 0) {
            row.comment = Phrases()[random.Next(int(Phrases().size()))];
            if (random.Next(2) == 0) {
                row.comment += QStringLiteral(" (строка %1)").arg(number);
            }
        }
        total += 8 + row.code.size() + row.jump.size() + row.comment.size();
        rows.push_back(row);
    }
    PostTable& table = post.table;
    table.SetProgramRows(int(rows.size()));
    for (int i = 0; i < int(rows.size()); ++i) {
        table.SetCode(i + 1, rows[i].code);
        table.SetCell(PostTable::ColJump, i + 1, rows[i].jump);
        table.SetCell(PostTable::ColComment, i + 1, rows[i].comment);
    }
}

// A Turing table of 126 symbols and as many states as fill most of `bytes`,
// nine cells in ten holding a command, and comments for the rest.
void BuildTuring(Workbench& bench, qint64 bytes) {
    TuringMachine& turing = bench.Turing();
    QString alphabet = QStringLiteral("0123456789");
    for (char16_t c = u'a'; c <= u'z'; ++c) {
        alphabet += QChar(c);
        alphabet += QChar(c - u'a' + u'A');
    }
    for (char16_t c = u'А'; c <= u'я'; ++c) {
        alphabet += QChar(c);
    }
    const int rows = int(alphabet.size()) + 2;  // header and blank row
    const int states = int(bytes * 85 / 100 / (qint64(rows) * 7));
    const int cols = states + 1;
    Sequence random;
    QVector<QString> cells;
    cells.reserve(qsizetype(rows - 1) * cols);
    for (int row = 1; row < rows; ++row) {
        cells.append(row < rows - 1 ? QString(alphabet[row - 1]) : TuringTable::BlankLabel());
        for (int state = 0; state < states; ++state) {
            if (random.Next(10) == 0) {
                cells.append(QString());
                continue;
            }
            const QChar write = random.Next(8) == 0 ? kTuringBlankMark
                                                    : alphabet[random.Next(int(alphabet.size()))];
            const char16_t move = u"<>!"[random.Next(3)];
            cells.append(QString(write) + QChar(move) + QString::number(random.Next(states)));
        }
    }
    turing.table.Load(cols, rows, cells);
    turing.LoadAlphabet(alphabet);
    turing.SetStatement(QStringLiteral("Перевести слово в обратный порядок, не трогая пробелов."));
    turing.tape.SetTuringString(QStringLiteral("абв где 012"));

    QStringList comments;
    qint64 total = 0;
    const qint64 commentBytes = bytes * 13 / 100;
    while (total < commentBytes) {
        const int state = random.Next(states);
        comments << QStringLiteral("Q%1: %2, затем состояние Q%3.")
                        .arg(state)
                        .arg(Phrases()[random.Next(int(Phrases().size()))])
                        .arg(random.Next(states));
        total += comments.back().size() + 2;
    }
    turing.SetComments(comments.join(u'\n'));
}

// The peak resident memory in KiB of a child running `program` with
// `arguments` (its output thrown away), or -1 when it cannot run or exits
// with 2 or more. The kernel counts what the child had before its exec, a
// copy of this process, so this process must be small when it calls this.
long ChildPeakKb(const QByteArray& program, const QList<QByteArray>& arguments) {
    std::vector<char*> argv;
    QByteArray name = program;
    argv.push_back(name.data());
    QList<QByteArray> copies = arguments;
    for (QByteArray& argument : copies) {
        argv.push_back(argument.data());
    }
    argv.push_back(nullptr);
    std::fflush(stdout);
    std::fflush(stderr);
    const pid_t child = fork();
    if (child < 0) {
        return -1;
    }
    if (child == 0) {
        const int null = open("/dev/null", O_WRONLY);
        if (null < 0 || dup2(null, 1) < 0 || dup2(null, 2) < 0) {
            _exit(127);
        }
        execv(argv[0], argv.data());
        _exit(127);
    }
    int status = 0;
    rusage usage{};
    if (wait4(child, &status, 0, &usage) != child || !WIFEXITED(status) ||
        WEXITSTATUS(status) >= 2) {
        return -1;
    }
    return usage.ru_maxrss;
}

// This process's own peak resident memory in KiB.
long OwnPeakKb() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

QByteArray Contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

struct Figures {
    double projectRead = 0;
    double projectWrite = 0;
    double plainRead = 0;
    double plainWrite = 0;
};

void PrintFigures(const char* machine, const QString& path, const Figures& f) {
    const auto ms = [](double seconds) { return seconds * 1e3; };
    std::printf("%s: %.2f MB\n", machine, double(QFileInfo(path).size()) / 1e6);
    const auto line = [&ms](const char* what, double project, double plainLoop) {
        std::printf("  %-14s project %7.1f ms   plain %7.1f ms   ratio %.2fx\n", what, ms(project),
                    ms(plainLoop), project / std::max(plainLoop, 1e-9));
    };
    line("read", f.projectRead, f.plainRead);
    line("write", f.projectWrite, f.plainWrite);
    line("read + write", f.projectRead + f.projectWrite, f.plainRead + f.plainWrite);
}

// The peak resident memory of the runner reading the document (and saving
// it), and of a child that only reads it the plain way, as a line to print.
QByteArray MemoryLine(const QString& path, const QString& saved) {
    const QByteArray runner = QByteArrayLiteral(ZEBRIN_RUN_EXE);
    const QByteArray file = QFile::encodeName(path);
    const auto mib = [](long kb) { return kb < 0 ? -1.0 : double(kb) / 1024.0; };
    const long read = ChildPeakKb(runner, {"--max-steps", "0", file});
    const long save =
        ChildPeakKb(runner, {"--max-steps", "0", "--save", QFile::encodeName(saved), file});
    const long plainRead = ChildPeakKb(QFile::encodeName(QCoreApplication::applicationFilePath()),
                                       {"--plain-read", file});
    return QStringLiteral(
               "  peak RSS       runner read %1 MiB, read and save %2 MiB; plain read "
               "%3 MiB")
        .arg(mib(read), 0, 'f', 1)
        .arg(mib(save), 0, 'f', 1)
        .arg(mib(plainRead), 0, 'f', 1)
        .toUtf8();
}

// The best read and write times one side of a measurement found.
struct Timing {
    double read = 0;
    double write = 0;
};

// Runs `measure` in a child process of its own and returns what it found;
// nothing when it found a fault or the child did not finish. Each side is
// timed in a fresh process because the heap one side leaves behind changes
// the other's times: memory freed by the first spares the second the page
// faults of allocating its own.
std::optional<Timing> TimedInChild(const std::function<std::optional<Timing>()>& measure) {
    int channel[2];
    if (pipe(channel) != 0) {
        return std::nullopt;
    }
    std::fflush(stdout);
    std::fflush(stderr);
    const pid_t child = fork();
    if (child == 0) {
        close(channel[0]);
        const std::optional<Timing> timing = measure();
        const bool sent =
            timing && write(channel[1], &*timing, sizeof(Timing)) == ssize_t(sizeof(Timing));
        _exit(sent ? 0 : 1);
    }
    close(channel[1]);
    Timing timing;
    const ssize_t got = child > 0 ? read(channel[0], &timing, sizeof timing) : -1;
    close(channel[0]);
    int status = 0;
    const bool finished = child > 0 && waitpid(child, &status, 0) == child && WIFEXITED(status) &&
                          WEXITSTATUS(status) == 0;
    return finished && got == ssize_t(sizeof timing) ? std::optional<Timing>(timing) : std::nullopt;
}

// Times the reading and writing of one document both ways; false when a
// write does not give back the document's bytes.
template <typename PlainDocument>
bool Measure(const char* machine, MachineKind kind, const QString& path, const QString& out,
             const QByteArray& memory, int repetitions,
             const std::function<bool(Workbench&, const QString&)>& projectRead,
             const std::function<bool(Workbench&, const QString&)>& projectWrite,
             const std::function<bool(const std::string&, PlainDocument&)>& plainRead,
             const std::function<bool(const std::string&, const PlainDocument&)>& plainWrite) {
    const QByteArray original = Contents(path);
    const std::string plainPath = QFile::encodeName(path).toStdString();
    const std::string plainOut = QFile::encodeName(out).toStdString();

    const std::optional<Timing> project = TimedInChild([&]() -> std::optional<Timing> {
        bool ok = true;
        std::optional<ScriptedUi> ui;
        std::optional<Workbench> bench;
        const auto fresh = [&] {
            bench.reset();
            ui.emplace(ScriptedUi::Unplanned::FirstButton);
            bench.emplace(*ui);
            bench->SetKind(kind);
        };
        Timing t;
        t.read = BestOf(repetitions, fresh, [&] { ok = projectRead(*bench, path) && ok; });
        t.write = BestOf(
            repetitions, [] {}, [&] { ok = projectWrite(*bench, out) && ok; });
        return ok && Contents(out) == original ? std::optional<Timing>(t) : std::nullopt;
    });
    const std::optional<Timing> plainLoop = TimedInChild([&]() -> std::optional<Timing> {
        bool ok = true;
        std::optional<PlainDocument> doc;
        Timing t;
        t.read = BestOf(
            repetitions, [&] { doc.emplace(); }, [&] { ok = plainRead(plainPath, *doc) && ok; });
        t.write = BestOf(
            repetitions, [] {}, [&] { ok = plainWrite(plainOut, *doc) && ok; });
        return ok && Contents(out) == original ? std::optional<Timing>(t) : std::nullopt;
    });
    if (!project || !plainLoop) {
        std::fprintf(stderr, "%s: a read failed or a write did not give back the document\n",
                     machine);
        return false;
    }
    Figures f;
    f.projectRead = project->read;
    f.projectWrite = project->write;
    f.plainRead = plainLoop->read;
    f.plainWrite = plainLoop->write;
    PrintFigures(machine, path, f);
    std::printf("%s\n", memory.constData());
    std::fflush(stdout);
    return true;
}

// The child measured for the plain reader's memory.
int PlainRead(const char* path) {
    const std::string name(path);
    if (name.size() > 4 && name.compare(name.size() - 4, 4, ".tur") == 0) {
        plain::TuringDocument doc;
        return plain::ReadTuring(name, doc) ? 0 : 2;
    }
    plain::PostDocument doc;
    return plain::ReadPost(name, doc) ? 0 : 2;
}

// Writes large.pst and large.tur into `folder`; 0 on success.
int MakeDocuments(const QString& folder) {
    ScriptedUi ui(ScriptedUi::Unplanned::FirstButton);
    Workbench bench(ui);
    BuildPost(bench, kDocumentBytes);
    BuildTuring(bench, kDocumentBytes);
    const QDir dir(folder);
    return WritePostFile(bench, dir.filePath(QStringLiteral("large.pst"))) &&
                   WriteTuringFile(bench, dir.filePath(QStringLiteral("large.tur")))
               ? 0
               : 1;
}

std::optional<int> ParseRepetitions(const char* text) {
    bool ok = false;
    const int count = QByteArray(text).toInt(&ok);
    return ok && count >= 1 && count <= 1000 ? std::optional<int>(count) : std::nullopt;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 3 && std::strcmp(argv[1], "--plain-read") == 0) {
        return PlainRead(argv[2]);
    }
    QCoreApplication app(argc, argv);
    if (argc == 3 && std::strcmp(argv[1], "--documents") == 0) {
        return MakeDocuments(QFile::decodeName(argv[2]));
    }
    std::optional<int> repetitions = kDefaultRepetitions;
    if (argc > 2 || (argc == 2 && !(repetitions = ParseRepetitions(argv[1])))) {
        std::fprintf(stderr,
                     "usage: zebrin42-io-bench [REPETITIONS]\n"
                     "       zebrin42-io-bench --documents FOLDER\n"
                     "  REPETITIONS: how often each read and write is timed, 1 to 1000 "
                     "(default %d)\n"
                     "  --documents: only write large.pst and large.tur into FOLDER, for a "
                     "profiler\n",
                     kDefaultRepetitions);
        return 2;
    }
    QTemporaryDir dir;
    if (!dir.isValid()) {
        std::fprintf(stderr, "cannot make a temporary folder: %s\n", qPrintable(dir.errorString()));
        return 1;
    }
    const QString post = dir.filePath(QStringLiteral("large.pst"));
    const QString turing = dir.filePath(QStringLiteral("large.tur"));
    // The documents are made in a child, so this process stays small for
    // the children whose memory is measured.
    std::fflush(stdout);
    const pid_t maker = fork();
    if (maker == 0) {
        _exit(MakeDocuments(dir.path()));
    }
    int made = 0;
    if (maker < 0 || waitpid(maker, &made, 0) != maker || !WIFEXITED(made) ||
        WEXITSTATUS(made) != 0) {
        std::fprintf(stderr, "cannot write the documents in %s\n", qPrintable(dir.path()));
        return 1;
    }
    const QString postSaved = dir.filePath(QStringLiteral("saved.pst"));
    const QString turingSaved = dir.filePath(QStringLiteral("saved.tur"));
    const long ownKb = OwnPeakKb();
    const QByteArray postMemory = MemoryLine(post, postSaved);
    const QByteArray turingMemory = MemoryLine(turing, turingSaved);
    std::printf("(peak RSS of a child counts this process's %.1f MiB at its start)\n",
                double(ownKb) / 1024.0);
    const auto readPost = [](Workbench& b, const QString& p) { return ReadPostFile(b, p); };
    const auto writePost = [](Workbench& b, const QString& p) { return WritePostFile(b, p); };
    const auto readTuring = [](Workbench& b, const QString& p) { return ReadTuringFile(b, p); };
    const auto writeTuring = [](Workbench& b, const QString& p) { return WriteTuringFile(b, p); };
    bool ok = Measure<plain::PostDocument>("post", MachineKind::Post, post, postSaved, postMemory,
                                           *repetitions, readPost, writePost, plain::ReadPost,
                                           plain::WritePost);
    ok = Measure<plain::TuringDocument>("turing", MachineKind::Turing, turing, turingSaved,
                                        turingMemory, *repetitions, readTuring, writeTuring,
                                        plain::ReadTuring, plain::WriteTuring) &&
         ok;
    return ok ? 0 : 1;
}
