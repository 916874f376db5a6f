// Measures one tick of a running program with its repaint in the real
// window: a Post loop (right, left) and a Turing loop at the fastest speed,
// ticks delivered as the run timer would deliver them, each followed by the
// repaint it caused, first without and then with the diagram panel shown
// (which recolours its picture every tick). Prints the mean time per tick.
// Run it offscreen:
// QT_QPA_PLATFORM=offscreen build/zebrin42-window-bench [ticks]

#include <QApplication>
#include <QElapsedTimer>
#include <cstdio>

#include "core/run/RunController.h"
#include "window/main/CommandBars.h"
#include "window/main/MainMenu.h"
#include "window/main/MainWindow.h"

namespace {

double MeanTickMicroseconds(MainWindow& form, bool post, int ticks) {
    RunController& run = form.Bench().RunControl();
    form.Bars().Menu().speedVeryFastAction->trigger();
    form.Bars().Menu().runAction->trigger();
    QApplication::processEvents();
    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < ticks; ++i) {
        if (post) {
            run.PostRunTick();
        } else {
            run.TuringRunTick();
        }
        // The repaint the tick asked for.
        QApplication::processEvents();
    }
    const double mean = double(timer.nsecsElapsed()) / 1000.0 / ticks;
    form.Bars().Menu().breakAction->trigger();
    return mean;
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const int ticks = argc > 1 ? std::max(1, QByteArray(argv[1]).toInt()) : 5000;
    MainWindow form;
    form.show();
    QApplication::processEvents();

    PostTable& table = form.Bench().Post().table;
    table.SetCode(1, QStringLiteral("2"));
    table.SetCell(PostTable::ColJump, 1, QStringLiteral("2"));
    table.SetCode(2, QStringLiteral("1"));
    table.SetCell(PostTable::ColJump, 2, QStringLiteral("1"));
    std::printf("post    %.1f microseconds per tick with its repaint (%d ticks)\n",
                MeanTickMicroseconds(form, true, ticks), ticks);

    form.Bars().Menu().turingMachineAction->trigger();
    TuringMachine& turing = form.Bench().Turing();
    turing.table.SetCell(1, 1, QStringLiteral("_>1"));
    turing.table.SetCell(2, 1, QStringLiteral("_<0"));
    QApplication::processEvents();
    std::printf("turing  %.1f microseconds per tick with its repaint (%d ticks)\n",
                MeanTickMicroseconds(form, false, ticks), ticks);

    form.Bars().Menu().viewDiagramAction->trigger();
    QApplication::processEvents();
    std::printf("turing  %.1f microseconds per tick, diagram shown\n",
                MeanTickMicroseconds(form, false, ticks));
    form.Bars().Menu().postMachineAction->trigger();
    QApplication::processEvents();
    std::printf("post    %.1f microseconds per tick, diagram shown\n",
                MeanTickMicroseconds(form, true, ticks));
    return 0;
}
