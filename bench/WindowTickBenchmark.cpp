// Measures one tick of a running program with its repaint in the real
// window: a Post program that grows a block of marks and a Turing binary
// counter at the fastest timed speed (neither repeats, so no loop ends them),
// ticks delivered as the run timer would deliver them, each followed by the
// repaint it caused, first without and then with the diagram panel shown
// (which recolours its picture every tick). Prints the mean time per tick.
// Run it offscreen:
// QT_QPA_PLATFORM=offscreen build/zebrin42-window-bench [ticks]

#include <QApplication>
#include <QElapsedTimer>
#include <cstdio>

#include "../tests/support/CountingProgram.h"
#include "core/run/RunController.h"
#include "window/main/CommandBars.h"
#include "window/main/MainMenu.h"
#include "window/main/MainWindow.h"

namespace {

double MeanTickMicroseconds(MainWindow& form, bool post, int ticks) {
    RunController& run = form.Bench().RunControl();
    if (!post) {
        // The counter goes on from its lowest digit, wherever a run broken
        // off left the carriage.
        form.Bench().Turing().tape.SetCarriagePos(2);
    }
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

    // A block of marks that grows by one each time the carriage has walked
    // over it and back.
    PostTable& table = form.Bench().Post().table;
    const char* rows[][2] = {{"2", "2"}, {"5", "3,1"}, {"3", "4"},
                             {"1", "5"}, {"5", "6,4"}, {"2", "1"}};
    for (int row = 1; row <= 6; ++row) {
        table.SetCode(row, QString::fromLatin1(rows[row - 1][0]));
        table.SetCell(PostTable::ColJump, row, QString::fromLatin1(rows[row - 1][1]));
    }
    form.Bench().Post().tape.SetCarriagePos(form.Bench().Post().tape.FirstCell() + 1);
    std::printf("post    %.1f microseconds per tick with its repaint (%d ticks)\n",
                MeanTickMicroseconds(form, true, ticks), ticks);

    form.Bars().Menu().turingMachineAction->trigger();
    CountingProgram(form.Bench().Turing());
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
