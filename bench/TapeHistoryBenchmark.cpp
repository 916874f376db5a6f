// Measures the tape's history of a run: 10^6 ticks of a Turing machine
// counting in binary, recorded as the window records
// them, then the picture of all of them rendered into an image and encoded
// as PNG. Prints the time of each and the size of the picture. The exit
// status is 1 when rendering takes a second or more, or the picture is not
// ticks + 1 rows high.
// build/zebrin42-tape-history-bench [ticks]

#include <QCoreApplication>
#include <QElapsedTimer>
#include <cstdio>

#include "core/port/ScriptedUi.h"
#include "core/run/RunController.h"
#include "core/workbench/Workbench.h"
#include "layout/HistoryPicture.h"

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const qint64 ticks = argc > 1 ? QByteArray(argv[1]).toLongLong() : 1000000;
    ScriptedUi ui(ScriptedUi::Unplanned::FirstButton);
    Workbench bench(ui);
    // A binary counter, counting for ever: the picture the busy-beaver
    // pages show of one, its digits growing to the left.
    bench.SetKind(MachineKind::Turing);
    TuringMachine& machine = bench.Turing();
    machine.EditAlphabetText(QStringLiteral("01"));
    machine.RebuildAlphabet();
    for (const char* c : {"1:0=0<0", "_:0=1>1", "0:0=1>1", "0:1=0>1", "1:1=1>1", "_:1=_<0"}) {
        const QString command = QString::fromLatin1(c);
        const QChar symbol = command.front() == u'_' ? QChar(u' ') : command.front();
        const int state = command.section(u':', 1).section(u'=', 0, 0).toInt();
        machine.table.SetCell(state + 1, *machine.RowOfSymbol(symbol), command.section(u'=', 1));
    }
    machine.tape.SetCarriagePos(900);
    RunController& run = bench.RunControl();
    run.RecordTapeHistory(true);
    run.Run();
    run.TuringRunTimer().stop();  // the ticks run here, in one go
    QElapsedTimer timer;
    timer.start();
    const qint64 ran = run.RunTicks(machine, ticks);
    const double recordMs = double(timer.nsecsElapsed()) / 1e6;
    const TapeHistory& history = run.TapeHistoryOf(machine);

    timer.restart();
    const QImage image = HistoryPicture::Rows(history, 0, history.LineCount());
    const double renderMs = double(timer.nsecsElapsed()) / 1e6;
    timer.restart();
    QString why;
    const QByteArray png = HistoryPicture::Png(history, why);
    const double pngMs = double(timer.nsecsElapsed()) / 1e6;

    std::printf("%lld ticks recorded in %.1f ms\n", static_cast<long long>(ran), recordMs);
    std::printf("picture %d x %d rendered in %.1f ms\n", image.width(), image.height(), renderMs);
    std::printf("PNG of %lld bytes in %.1f ms%s%s\n", static_cast<long long>(png.size()), pngMs,
                why.isEmpty() ? "" : ": ", qPrintable(why));
    return renderMs < 1000.0 && image.height() == history.Ticks() + 1 ? 0 : 1;
}
