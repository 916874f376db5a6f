// Measures how many commands per second a headless run executes: a two-row
// endless loop on each machine, broken off at a limit (10 million commands
// unless given as the first argument). Run it on an otherwise idle machine;
// it prints one line per machine.

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <cstdio>

#include "core/documents/PostFile.h"
#include "core/documents/TuringFile.h"
#include "core/port/ScriptedUi.h"
#include "core/workbench/Workbench.h"
#include "runner/BatchRun.h"

namespace {

void WriteLoops(const QString& post, const QString& turing) {
    ScriptedUi ui;
    Workbench bench(ui);
    PostTable& table = bench.Post().table;
    table.SetCode(1, QStringLiteral("2"));
    table.SetCell(PostTable::ColJump, 1, QStringLiteral("2"));
    table.SetCode(2, QStringLiteral("1"));
    table.SetCell(PostTable::ColJump, 2, QStringLiteral("1"));
    WritePostFile(bench, post);

    bench.SetKind(MachineKind::Tur);
    TuringMachine& machine = bench.Turing();
    machine.table.SetCell(1, 1, QStringLiteral("_>1"));
    machine.table.SetCell(2, 1, QStringLiteral("_<0"));
    WriteTuringFile(bench, turing);
}

void Measure(const char* name, const QString& file, qint64 limit) {
    RunSpec spec;
    spec.file = file;
    spec.maxSteps = limit;
    QElapsedTimer timer;
    timer.start();
    const RunOutcome outcome = RunDocument(spec);
    const double seconds = double(timer.nsecsElapsed()) / 1e9;
    std::printf("%-7s %lld commands in %.3f s: %.2f million commands per second (%s)\n", name,
                static_cast<long long>(outcome.steps), seconds,
                double(outcome.steps) / seconds / 1e6,
                qPrintable(RunOutcome::ResultName(outcome.result)));
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const qint64 limit = argc > 1 ? QByteArray(argv[1]).toLongLong() : 10000000;
    QTemporaryDir dir;
    const QString post = dir.filePath(QStringLiteral("loop.pst"));
    const QString turing = dir.filePath(QStringLiteral("loop.tur"));
    WriteLoops(post, turing);
    Measure("post", post, limit);
    Measure("turing", turing, limit);
    return 0;
}
