// Measures how long zebrin42-run takes to check one short program against
// a large cases file: the document is read once and every case runs on the
// same machine, so the time grows with the cases' work, not with reading.
// Writes a Post program that adds one to a unary number and a cases file of
// CASES cases (200,000 unless given as the only argument), runs
// `zebrin42-run --cases FILE DOCUMENT` as a child with its output thrown
// away, checks its exit status and prints the wall-clock time, the CPU time
// split into user and system, and the child's peak memory.

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <QByteArray>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <cstdio>

#include "core/documents/PostFile.h"
#include "core/port/ScriptedUi.h"
#include "core/workbench/Workbench.h"

namespace {

bool WriteProgram(const QString& path) {
    ScriptedUi ui;
    Workbench bench(ui);
    PostTable& table = bench.Post().table;
    // 1: right to 2; 2: a mark? back to 1, else to 3; 3: mark, to 4; 4: stop.
    const char* rows[][2] = {{"2", "2"}, {"5", "3,1"}, {"3", "4"}, {"6", ""}};
    for (int i = 0; i < 4; ++i) {
        table.SetCode(i + 1, QString::fromLatin1(rows[i][0]));
        table.SetCell(PostTable::ColJump, i + 1, QString::fromLatin1(rows[i][1]));
    }
    return WritePostFile(bench, path);
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const long cases = argc > 1 ? std::atol(argv[1]) : 200000;
    QTemporaryDir dir;
    const QString document = dir.filePath(QStringLiteral("add-one.pst"));
    const QString casesFile = dir.filePath(QStringLiteral("add-one.cases"));
    QFile file(casesFile);
    if (!WriteProgram(document) || !file.open(QIODevice::WriteOnly)) {
        std::fprintf(stderr, "could not write the inputs\n");
        return 2;
    }
    QByteArray text;
    for (long i = 0; i < cases; ++i) {
        const int n = int(i % 20) + 1;
        text += QByteArray(n, '1') + " => " + QByteArray(n + 1, '1') + '\n';
    }
    file.write(text);
    file.close();

    QElapsedTimer wall;
    wall.start();
    const pid_t child = fork();
    if (child == 0) {
        const QByteArray run = ZEBRIN_RUN_EXE;
        const QByteArray c = QFile::encodeName(casesFile);
        const QByteArray d = QFile::encodeName(document);
        if (!std::freopen("/dev/null", "w", stdout)) {
            _exit(126);
        }
        execl(run.constData(), run.constData(), "--cases", c.constData(), d.constData(),
              static_cast<char*>(nullptr));
        _exit(127);
    }
    int status = 0;
    rusage usage{};
    wait4(child, &status, 0, &usage);
    const double seconds = double(wall.nsecsElapsed()) / 1e9;
    std::printf(
        "%ld cases of a short Post program: %.2f s wall, %.2f s user, %.2f s system, "
        "peak %ld MiB\n",
        cases, seconds, double(usage.ru_utime.tv_sec) + usage.ru_utime.tv_usec / 1e6,
        double(usage.ru_stime.tv_sec) + usage.ru_stime.tv_usec / 1e6, usage.ru_maxrss / 1024);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        std::fprintf(stderr, "the runner exited with status %d\n", WEXITSTATUS(status));
        return 1;
    }
    return 0;
}
