// Compares a run at "Мгновенно" in the real window with the same document
// run headless as zebrin42-run runs it (the cases' and the runner's
// RunTicks, no window, no history): commands per second of CPU time. The
// window's run records every tick for "Шаг назад" and repaints between its
// slices. The program is a binary counter that never repeats and never ends;
// the window's run is broken before its question after 10^6 steps.
// Run it offscreen:
// QT_QPA_PLATFORM=offscreen build/zebrin42-instant-bench [milliseconds per run] [runs]
// ZEBRIN_HEADLESS_HISTORY=1 (2, 3) makes the headless run keep the step
// history (the tape's history, both) too, to see what each costs a tick.

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>
#include <cstdio>
#include <ctime>

#include "../tests/support/CountingProgram.h"
#include "core/port/ScriptedUi.h"
#include "core/run/RunController.h"
#include "core/workbench/Workbench.h"
#include "window/main/CommandBars.h"
#include "window/main/MainMenu.h"
#include "window/main/MainWindow.h"

namespace {

double CpuSeconds() {
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return double(now.tv_sec) + double(now.tv_nsec) / 1e9;
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const int milliseconds = argc > 1 ? std::max(100, QByteArray(argv[1]).toInt()) : 1500;
    const int rounds = argc > 2 ? std::max(1, QByteArray(argv[2]).toInt()) : 6;

    MainWindow form;
    form.show();
    QApplication::processEvents();
    MainMenu& menu = form.Bars().Menu();
    menu.turingMachineAction->trigger();
    CountingProgram(form.Bench().Turing());
    menu.speedInstantAction->trigger();
    RunController& run = form.Bench().RunControl();
    // ZEBRIN_NO_HISTORY=1 leaves the step history out, to see its share.
    if (qEnvironmentVariableIntValue("ZEBRIN_NO_HISTORY") == 1) {
        run.KeepHistory(false);
    }
    // Several runs, each broken before the question comes: the counter goes
    // on from the number the last one left.
    qint64 windowSteps = 0;
    double windowCpu = 0;
    for (int round = 0; round < rounds; ++round) {
        // A run broken off leaves the carriage anywhere; the count goes on
        // from its lowest digit.
        form.Bench().Turing().tape.SetCarriagePos(2);
        QEventLoop running;
        QTimer watch;
        QElapsedTimer wall;
        watch.setInterval(5);
        QObject::connect(&watch, &QTimer::timeout, [&] {
            const qint64 steps = run.Position(form.Bench().Turing()).steps;
            if (wall.elapsed() >= milliseconds || steps >= RunController::AskEverySteps / 2) {
                windowSteps += steps;
                watch.stop();
                menu.breakAction->trigger();
                running.quit();
            }
        });
        const double windowStart = CpuSeconds();
        wall.start();
        watch.start();
        menu.runAction->trigger();
        running.exec();
        windowCpu += CpuSeconds() - windowStart;
    }

    ScriptedUi ui;
    Workbench bench(ui);
    bench.SetKind(MachineKind::Turing);
    CountingProgram(bench.Turing());
    RunController& headless = bench.RunControl();
    if (qEnvironmentVariableIntValue("ZEBRIN_HEADLESS_HISTORY") & 1) {
        headless.KeepHistory(true);
    }
    if (qEnvironmentVariableIntValue("ZEBRIN_HEADLESS_HISTORY") & 2) {
        headless.RecordTapeHistory(true);
    }
    headless.Run();
    const double headlessStart = CpuSeconds();
    qint64 done = 0;
    while (done < windowSteps && headless.Active(bench.Turing())) {
        done += headless.RunTicks(bench.Turing(), std::min<qint64>(windowSteps - done, 65536));
    }
    const double headlessCpu = CpuSeconds() - headlessStart;

    const double windowRate = double(windowSteps) / windowCpu;
    const double headlessRate = double(done) / headlessCpu;
    std::printf("window at Мгновенно  %lld commands in %.3f s CPU: %.2f M/s\n",
                static_cast<long long>(windowSteps), windowCpu, windowRate / 1e6);
    std::printf("headless, as the runner  %lld commands in %.3f s CPU: %.2f M/s\n",
                static_cast<long long>(done), headlessCpu, headlessRate / 1e6);
    std::printf("window / headless  %.2f\n", windowRate / headlessRate);
    return 0;
}
