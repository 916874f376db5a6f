// Measures what the history of "Шаг назад" costs: 10^6 ticks of a Post
// program and of a Turing counter that never repeat, each recorded before it runs as the window
// records it, in a history with room for all of them: once each tick in full, as at the slow
// speeds, and once as the ticks of one batch, as at full speed. Prints the heap the records take
// (glibc's count of bytes in use, before and after), the views they share, and the time of a tick
// with and without its record. Then takes every tick back and checks that the run is at its start
// again. The exit status is 1 when the history takes more than 32 MB or a tick taken back does not
// return the run to where it was. build/zebrin42-history-bench [ticks]

#include <malloc.h>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <cstdio>

#include "../tests/support/CountingProgram.h"
#include "core/port/ScriptedUi.h"
#include "core/run/RunController.h"
#include "core/run/StepHistory.h"
#include "core/workbench/Workbench.h"

namespace {

constexpr double kMegabyte = 1024.0 * 1024.0;
constexpr double kMostMegabytes = 32.0;

double HeapBytes() {
    const struct mallinfo2 info = mallinfo2();
    return double(info.uordblks + info.hblkhd);
}

// Runs `ticks` ticks of the current machine, recording each first when
// `history` is given (`batch`: as the ticks of one batch); the mean time
// of a tick in nanoseconds.
double RunTicks(Workbench& bench, int ticks, StepHistory* history, bool batch) {
    RunController& run = bench.RunControl();
    Machine& machine = bench.Current();
    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < ticks; ++i) {
        if (history) {
            history->Record(machine, run.Position(machine), bench.Status(),
                            machine.ProgramTable().Col(), machine.ProgramTable().Row(),
                            batch && i > 0);
        }
        run.RunTicks(machine, 1);
    }
    return double(timer.nsecsElapsed()) / ticks;
}

bool Measure(const char* name, Workbench& bench, ScriptedUi& ui, int ticks, bool batch) {
    RunController& run = bench.RunControl();
    Machine& machine = bench.Current();
    if (machine.Kind() == MachineKind::Turing) {
        // The counter goes on from its lowest digit, where a run broken off
        // may have left the carriage anywhere.
        machine.tape.SetCarriagePos(2);
    }
    run.Run();
    const double bare = RunTicks(bench, ticks, nullptr, false);
    const RunPosition start = run.Position(machine);
    const double before = HeapBytes();
    StepHistory history(ticks);
    const double recorded = RunTicks(bench, ticks, &history, batch);
    const double megabytes = (HeapBytes() - before) / kMegabyte;
    std::printf(
        "%-7s %-6s %d ticks: history %.1f MB (%.1f bytes a tick, %zu views); "
        "tick %.0f ns, with its record %.0f ns\n",
        name, batch ? "batch" : "full", ticks, megabytes, megabytes * kMegabyte / ticks,
        history.ViewCount(), bare, recorded);
    RunPosition position = run.Position(machine);
    const qint64 last = position.steps;
    while (!history.Empty()) {
        history.TakeBack(machine, position, bench.Status());
    }
    const bool back =
        position.steps == start.steps && position.at == start.at && last == start.steps + ticks;
    if (!run.Active(machine)) {
        std::printf("%-7s the run ended before its ticks: %s\n", name,
                    ui.dialogs.isEmpty() ? "" : qPrintable(ui.dialogs.back().message));
    }
    if (!back) {
        std::printf("%-7s taken back to step %lld at %d, not %lld at %d\n", name,
                    static_cast<long long>(position.steps), position.at,
                    static_cast<long long>(start.steps), start.at);
    }
    run.Break();
    return back && megabytes <= kMostMegabytes;
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const int ticks = argc > 1 ? std::max(1, QByteArray(argv[1]).toInt()) : 1000000;
    ScriptedUi ui;
    Workbench bench(ui);

    // A block of marks that grows by one each time the carriage has walked
    // over it and back: it never repeats (a loop would end the run) and
    // stays on the tape for two million ticks from its left end.
    PostTable& table = bench.Post().table;
    const char* rows[][2] = {{"2", "2"}, {"5", "3,1"}, {"3", "4"},
                             {"1", "5"}, {"5", "6,4"}, {"2", "1"}};
    for (int row = 1; row <= 6; ++row) {
        table.SetCode(row, QString::fromLatin1(rows[row - 1][0]));
        table.SetCell(PostTable::ColJump, row, QString::fromLatin1(rows[row - 1][1]));
    }
    bench.Post().tape.SetCarriagePos(bench.Post().tape.FirstCell() + 1);
    bool ok = Measure("post", bench, ui, ticks, false);
    ok = Measure("post", bench, ui, ticks, true) && ok;

    bench.SetKind(MachineKind::Turing);
    CountingProgram(bench.Turing());
    ok = Measure("turing", bench, ui, ticks, false) && ok;
    ok = Measure("turing", bench, ui, ticks, true) && ok;
    return ok ? 0 : 1;
}
