// Runs that come back to a configuration they have been in end as a loop,
// found with the step it begins on and its length, headless and on screen;
// runs that only look endless (counters that grow) never do.

#include <QtTest>

#include "core/checking/CaseRun.h"
#include "core/port/HelpTopics.h"
#include "core/port/ScriptedUi.h"
#include "core/run/RunController.h"
#include "core/workbench/Workbench.h"

namespace {

// A program, its tape and where the carriage starts. Post: rows
// "code:jump" separated by "|", `tape` the marked cells. Turing: commands
// "row:state=command" (row a symbol, "_" the blank), `tape` "cell=symbol".
struct Setup {
    MachineKind kind = MachineKind::Post;
    QString alphabet;
    QString program;
    QString tape;
    int carriage = 0;
};

void Load(Workbench& bench, const Setup& s) {
    bench.SetKind(s.kind);
    if (s.kind == MachineKind::Post) {
        PostTable& table = bench.Post().table;
        const QStringList rows = s.program.split(u'|');
        for (int i = 0; i < rows.size(); ++i) {
            table.SetCode(i + 1, rows[i].section(u':', 0, 0));
            table.SetCell(PostTable::ColJump, i + 1, rows[i].section(u':', 1));
        }
        for (const QString& cell : s.tape.split(u' ', Qt::SkipEmptyParts)) {
            bench.Post().tape.SetPostCell(cell.toInt(), true);
        }
    } else {
        TuringMachine& turing = bench.Turing();
        turing.EditAlphabetText(s.alphabet);
        turing.RebuildAlphabet();
        for (const QString& c : s.program.split(u' ', Qt::SkipEmptyParts)) {
            const QChar symbol = c.front() == u'_' ? QChar(u' ') : c.front();
            const int state = c.section(u':', 1).section(u'=', 0, 0).toInt();
            turing.table.SetCell(state + 1, *turing.RowOfSymbol(symbol), c.section(u'=', 1));
        }
        for (const QString& cell : s.tape.split(u' ', Qt::SkipEmptyParts)) {
            turing.tape.SetTuringCell(cell.section(u'=', 0, 0).toInt(), cell.section(u'=', 1)[0]);
        }
    }
    bench.Current().tape.SetCarriagePos(s.carriage);
}

QString LoopMessage(qint64 start, qint64 length) {
    return QStringLiteral(
               "Программа зациклилась: с шага %1 машина повторяет одни и те же %2 шагов.")
        .arg(start)
        .arg(length);
}

// Back and forth between the marks at -10 and 500, after walking from 0 to
// the one at 500: from step 1001 the same 2040 steps.
const Setup kPostSweep{MachineKind::Post,
                       {},
                       QStringLiteral("2:2|5:1,3|1:4|5:3,5|2:6|5:5,3"),
                       QStringLiteral("-10 500"),
                       0};
// Marks cells 0..299, then steps between 299 and the mark at 300.
const Setup kPostMarksThenSways{
    MachineKind::Post, {}, QStringLiteral("3:2|2:3|5:1,4|1:5|2:4"), QStringLiteral("300"), 0};

}  // namespace

Q_DECLARE_METATYPE(Setup)

class TestLoopFinder : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void loopsFoundWhereTheyBegin_data();
    void loopsFoundWhereTheyBegin();
    void growingCountersAreNoLoops_data();
    void growingCountersAreNoLoops();
    void windowRunPausesOnTheLoop();
};

void TestLoopFinder::loopsFoundWhereTheyBegin_data() {
    QTest::addColumn<Setup>("setup");
    QTest::addColumn<qint64>("start");
    QTest::addColumn<qint64>("length");
    QTest::newRow("post row jumping to itself")
        << Setup{MachineKind::Post, {}, QStringLiteral("5:1,1"), {}, 0} << qint64(1) << qint64(1);
    QTest::newRow("post sweep between two marks") << kPostSweep << qint64(1001) << qint64(2040);
    QTest::newRow("post marks, then sways") << kPostMarksThenSways << qint64(901) << qint64(2);
    // Walks right from 2 to the 1 at 500, then between it and the 1 at 1.
    QTest::newRow("turing between two symbols")
        << Setup{MachineKind::Turing, QStringLiteral("1"),
                 QStringLiteral("_:0=_>0 1:0=1<1 _:1=_<1 1:1=1>2 _:2=_>2 1:2=1<1"),
                 QStringLiteral("1=1 500=1"), 2}
        << qint64(500) << qint64(998);
    // Writes b over a, steps off and back, writes a over b: the tape comes
    // back only with the second write.
    QTest::newRow("turing toggling a cell")
        << Setup{MachineKind::Turing, QStringLiteral("ab"),
                 QStringLiteral("a:0=b>1 b:0=a>1 _:1=_<0"), QStringLiteral("1=a"), 1}
        << qint64(1) << qint64(4);
}

void TestLoopFinder::loopsFoundWhereTheyBegin() {
    QFETCH(Setup, setup);
    QFETCH(qint64, start);
    QFETCH(qint64, length);
    ScriptedUi ui(ScriptedUi::Unplanned::FirstButton);
    Workbench bench(ui);
    Load(bench, setup);
    const RunResult run = RunToEnd(bench, ui, RunLimits{});
    QCOMPARE(int(run.end), int(RunResult::End::Loop));
    QCOMPARE(run.loopStart, start);
    QCOMPARE(run.loopLength, length);
    QCOMPARE(run.steps, start + length);
    QCOMPARE(run.message, LoopMessage(start, length));
    QCOMPARE(run.status, QStringLiteral("  -  ошибка:  программа зациклилась"));
    QCOMPARE(bench.StepShown(), start + length);
    // Idle again, so that the next case starts afresh instead of resuming.
    QVERIFY(!bench.RunControl().Active(bench.Current()));
}

void TestLoopFinder::growingCountersAreNoLoops_data() {
    QTest::addColumn<Setup>("setup");
    QTest::addColumn<qint64>("maxSteps");
    QTest::addColumn<int>("end");
    QTest::newRow("post marking new cells")
        << Setup{MachineKind::Post, {}, QStringLiteral("3:2|2:1"), {}, 0} << qint64(1000000)
        << int(RunResult::End::Error);
    QTest::newRow("turing writing further right")
        << Setup{MachineKind::Turing, QStringLiteral("1"), QStringLiteral("_:0=1>0"), {}, 1}
        << qint64(1000000) << int(RunResult::End::Error);
    // A binary counter: the carriage and the states go round the same way
    // again and again, only the number on the tape grows.
    QTest::newRow("turing binary counter")
        << Setup{MachineKind::Turing, QStringLiteral("01"),
                 QStringLiteral("1:0=0<0 0:0=1>1 _:0=1>1 0:1=0>1 1:1=1>1 _:1=_<0"),
                 QStringLiteral("900=0"), 900}
        << qint64(300000) << int(RunResult::End::Limit);
}

void TestLoopFinder::growingCountersAreNoLoops() {
    QFETCH(Setup, setup);
    QFETCH(qint64, maxSteps);
    ScriptedUi ui(ScriptedUi::Unplanned::FirstButton);
    Workbench bench(ui);
    Load(bench, setup);
    const RunResult run = RunToEnd(bench, ui, RunLimits{maxSteps, std::nullopt, nullptr});
    QTEST(int(run.end), "end");
}

// On screen the loop is an error told as the others are, but the run is
// paused on step M + K with the ticks before it kept, so that stepping back
// walks through the loop.
void TestLoopFinder::windowRunPausesOnTheLoop() {
    ScriptedUi ui;
    Workbench bench(ui);
    RunController& run = bench.RunControl();
    run.KeepHistory(true);
    Load(bench, kPostMarksThenSways);
    run.SetSpeed(5);
    run.Run();
    ui.ExpectDialog(DialogAnswer::Help);
    for (int i = 0; i < 5000 && run.State() == RunController::RunState::Running; ++i) {
        run.PostRunTick();
    }
    QCOMPARE(int(run.State()), int(RunController::RunState::Paused));
    QVERIFY(!run.PostRunTimer().isActive());
    QCOMPARE(ui.events, QStringList({QStringLiteral("beep"), QStringLiteral("dialog"),
                                     QStringLiteral("help %1").arg(HelpTopic::Loop)}));
    QCOMPARE(int(ui.dialogs[0].kind), int(MessageKind::ErrorWithHelp));
    QCOMPARE(ui.dialogs[0].caption, QStringLiteral("Ошибка"));
    QCOMPARE(ui.dialogs[0].message, LoopMessage(901, 2));
    QCOMPARE(bench.StatusText(Workbench::PanelMessage),
             QStringLiteral("  -  ошибка:  программа зациклилась"));
    QCOMPARE(bench.StatusText(Workbench::PanelStep), QStringLiteral("Шаг:  903"));
    TapeStore& tape = bench.Post().tape;
    QCOMPARE(tape.CarriagePos(), 300);
    QCOMPARE(tape.UsedMin(), 0);
    QCOMPARE(tape.UsedMax(), 300);
    QCOMPARE(run.Position(bench.Post()).at, 4);
    QVERIFY(run.Controls().runStepBack);

    // Two steps back: step 901, where the loop begins, the same place.
    run.StepBack();
    QCOMPARE(tape.CarriagePos(), 299);
    run.StepBack();
    QCOMPARE(bench.StatusText(Workbench::PanelStep), QStringLiteral("Шаг:  901"));
    QCOMPARE(tape.CarriagePos(), 300);
    QCOMPARE(run.Position(bench.Post()).at, 4);
    QVERIFY(run.CanStepBack());
}

QTEST_GUILESS_MAIN(TestLoopFinder)
#include "test_loop_finder.moc"
