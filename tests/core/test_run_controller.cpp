// The run controller: its state machine, the restart question, the speeds
// and the enabling pattern each command leaves behind.

#include <QRandomGenerator>
#include <QtTest>

#include "../support/CountingProgram.h"
#include "core/documents/DocumentCommands.h"
#include "core/editing/TableCommands.h"
#include "core/port/ScriptedUi.h"
#include "core/run/RunController.h"
#include "core/workbench/Workbench.h"

namespace {

void SimpleProgram(PostTable& table) {
    // Move right forever, one cell per command.
    table.SetCode(1, QStringLiteral("2"));
    table.SetCell(PostTable::ColJump, 1, QStringLiteral("1"));
}

// The controls as one compact line, for comparing whole patterns: the
// toolbar's commands in its order (new, open, save, memorise, restore, run,
// pause, step, break, mark, write symbol, change symbol), then menus
// File/Inter/Comm/Help, Run/Pause/Step/Break, the scroll buttons, the
// scroll-to-bound buttons, the go-to box, Post table/tape.
QString Pattern(const ControlStates& c) {
    QString s;
    auto add = [&s](std::initializer_list<bool> bits) {
        if (!s.isEmpty()) {
            s += u' ';
        }
        for (bool b : bits) {
            s += b ? u'1' : u'0';
        }
    };
    add({c.newDocument, c.openDocument, c.saveDocument, c.memoriseTape, c.restoreTape, c.runRun,
         c.runPause, c.runStep, c.runBreak, c.mark, c.writeSymbol, c.changeSymbol});
    add({c.menuFile, c.menuInterpreter, c.menuCommands, c.menuHelp});
    add({c.runRun, c.runPause, c.runStep, c.runBreak});
    add({c.scrollLeft, c.scrollRight, c.leftBound, c.rightBound});
    add({c.goToBox});
    add({c.postTable, c.postTape});
    return s;
}

}  // namespace

class TestRunController : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void patterns_data();
    void patterns();
    void restartQuestion_data();
    void restartQuestion();
    void runAfterARefusedStepIsContinuous();
    void speedsAndDefault();
    void pauseNeverDisablesBoundButtonsAndKeepsGoToBoxOff();
    void controlsReachTheWindowByRole();
    void statesDifferingInOneFieldDiffer_data();
    void statesDifferingInOneFieldDiffer();
    void decodedProgramFollowsEditsDuringAPause_data();
    void decodedProgramFollowsEditsDuringAPause();
    void ticksInOneGoEndAsTicksOneByOne_data();
    void ticksInOneGoEndAsTicksOneByOne();
    void stepsBackUndoStepsForward_data();
    void stepsBackUndoStepsForward();
    void stepsBackFromTheEnd_data();
    void stepsBackFromTheEnd();
    void historyAtItsLimitTakesBackExactly();
    void fullSpeedAsksEveryMillionSteps_data();
    void fullSpeedAsksEveryMillionSteps();
    void breakpointsHoldARun_data();
    void breakpointsHoldARun();
    void breakpointsFollowTheirPlaces_data();
    void breakpointsFollowTheirPlaces();
};

void TestRunController::patterns_data() {
    QTest::addColumn<QString>("commands");  // r run, s step, p pause, b break, t tick
    QTest::addColumn<bool>("memorised");
    QTest::addColumn<QString>("pattern");
    QTest::newRow("at start") << "" << false << "111101010100 1111 1010 1100 1 11";
    QTest::newRow("running") << "r" << false << "000000101000 0000 0101 0000 0 00";
    QTest::newRow("stepping from idle") << "s" << false << "111100101000 1111 0101 1100 1 00";
    QTest::newRow("a step done") << "st" << false << "111101011100 1111 1011 1100 1 11";
    QTest::newRow("paused") << "rp" << false << "111101011100 1111 1011 1100 0 11";
    QTest::newRow("paused, memorised") << "rp" << true << "111111011100 1111 1011 1100 0 11";
    QTest::newRow("broken") << "rb" << false << "111101010100 1111 1010 1100 1 11";
    QTest::newRow("broken, memorised") << "rb" << true << "111111010100 1111 1010 1100 1 11";
}

void TestRunController::patterns() {
    QFETCH(QString, commands);
    QFETCH(bool, memorised);
    ScriptedUi ui;
    Workbench bench(ui);
    SimpleProgram(bench.Post().table);
    if (memorised) {
        bench.Post().tape.SetPostCell(0, true);
        bench.Post().tape.Memorise();
    }
    RunController& run = bench.RunControl();
    for (QChar c : commands) {
        switch (c.unicode()) {
            case u'r':
                run.Run();
                break;
            case u's':
                run.Step();
                break;
            case u'p':
                run.Pause();
                break;
            case u'b':
                run.Break();
                break;
            case u't':
                run.PostRunTick();
                break;
        }
    }
    QTEST(Pattern(run.Controls()), "pattern");
}

void TestRunController::restartQuestion_data() {
    QTest::addColumn<DialogAnswer>("answer");
    QTest::addColumn<RunController::RunState>("state");
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("stepCount");
    QTest::addColumn<bool>("edited");
    QTest::newRow("again") << DialogAnswer::Restart << RunController::RunState::Running << 1 << 0
                           << false;
    QTest::newRow("continue as it is")
        << DialogAnswer::Continue << RunController::RunState::Running << 3 << 3 << false;
    QTest::newRow("cancel") << DialogAnswer::Cancel << RunController::RunState::Paused << 3 << 3
                            << true;
    QTest::newRow("closed") << DialogAnswer::Closed << RunController::RunState::Paused << 3 << 3
                            << true;
}

void TestRunController::restartQuestion() {
    QFETCH(DialogAnswer, answer);
    ScriptedUi ui;
    Workbench bench(ui);
    PostMachine& post = bench.Post();
    for (int row = 1; row <= 3; ++row) {
        post.table.SetCode(row, QStringLiteral("2"));
        post.table.SetCell(PostTable::ColJump, row, QString::number(row % 3 + 1));
    }
    RunController& run = bench.RunControl();
    run.Run();
    run.PostRunTick();
    run.PostRunTick();
    run.PostRunTick();
    run.Pause();
    QCOMPARE(bench.RunControl().Position(post).at, 3);

    bench.NoteEdit();  // an edit while paused
    QVERIFY(bench.RunControl().EditedSinceStart(post));
    ui.answers = {answer};
    run.Run();
    QCOMPARE(ui.dialogs.size(), 1);
    QCOMPARE(ui.dialogs[0].caption, QStringLiteral("Предупреждение!"));
    QCOMPARE(ui.dialogs[0].message,
             QStringLiteral("Программа и/или лента были изменены.  Выполнить: "));
    QCOMPARE(ui.dialogs[0].kind, MessageKind::RestartQuestion);
    QTEST(run.State(), "state");
    QTEST(bench.RunControl().Position(post).at, "row");
    QTEST(int(bench.RunControl().Position(post).steps), "stepCount");
    QTEST(bench.RunControl().EditedSinceStart(post), "edited");
    QCOMPARE(run.PostRunTimer().interval(), 440);
}

// F8 answered "Отмена" at the restart question, then F9 answered
// "Продолжить так": the run goes on tick after tick, not one step.
void TestRunController::runAfterARefusedStepIsContinuous() {
    ScriptedUi ui;
    Workbench bench(ui);
    PostMachine& post = bench.Post();
    post.table.SetCode(1, QStringLiteral("2"));
    post.table.SetCell(PostTable::ColJump, 1, QStringLiteral("1"));
    RunController& run = bench.RunControl();
    run.Run();
    run.PostRunTick();
    run.Pause();
    bench.NoteEdit();
    ui.ExpectDialog(DialogAnswer::Cancel);
    run.Step();
    QCOMPARE(run.State(), RunController::RunState::Paused);
    ui.ExpectDialog(DialogAnswer::Continue);
    run.Run();
    QCOMPARE(run.State(), RunController::RunState::Running);
    run.PostRunTick();
    run.PostRunTick();
    QCOMPARE(run.State(), RunController::RunState::Running);
    QVERIFY(!run.Controls().runStep && !run.Controls().goToBox);
}

void TestRunController::speedsAndDefault() {
    ScriptedUi ui;
    Workbench bench(ui);
    RunController& run = bench.RunControl();
    QCOMPARE(run.Speed(), 3);
    QCOMPARE(RunController::SpeedCaption(run.Speed()), QStringLiteral("Средне"));
    const int intervals[] = {0, 930, 660, 440, 220, 55};
    SimpleProgram(bench.Post().table);
    run.Run();
    for (int level = 1; level <= 5; ++level) {
        run.SetSpeed(level);
        QCOMPARE(run.PostRunTimer().interval(), intervals[level]);
        QCOMPARE(run.TuringRunTimer().interval(), intervals[level]);
        QVERIFY(run.PostRunTimer().isActive());
    }
}

void TestRunController::pauseNeverDisablesBoundButtonsAndKeepsGoToBoxOff() {
    ScriptedUi ui;
    Workbench bench(ui);
    PostMachine& post = bench.Post();
    SimpleProgram(post.table);
    post.tape.SetPostCell(-40, true);
    post.tape.SetPostCell(40, true);
    bench.RunControl().RefreshBoundButtons();
    QVERIFY(bench.RunControl().Controls().leftBound && bench.RunControl().Controls().rightBound);
    post.tape.SetCarriagePos(27);
    bench.RunControl().RefreshBoundButtons();
    QVERIFY(bench.RunControl().Controls().leftBound && !bench.RunControl().Controls().rightBound);

    RunController& run = bench.RunControl();
    run.Run();
    QVERIFY(!run.Controls().leftBound);
    post.tape.SetCarriagePos(0);  // both bounds far again
    run.Pause();
    QVERIFY(run.Controls().leftBound && run.Controls().rightBound);
    QVERIFY(!run.Controls().goToBox);
    post.tape.SetCarriagePos(30);  // left far, right near: Pause keeps right on
    run.Run();
    run.Pause();
    QVERIFY(run.Controls().leftBound && !run.Controls().rightBound);
    run.Break();
    QVERIFY(run.Controls().goToBox);
}

void TestRunController::controlsReachTheWindowByRole() {
    ScriptedUi ui;
    Workbench bench(ui);
    SimpleProgram(bench.Post().table);
    RunController& run = bench.RunControl();
    QSignalSpy changed(&run, &RunController::ControlsChanged);
    run.Run();
    QCOMPARE(changed.size(), 1);
    const ControlStates& c = run.Controls();
    QVERIFY(!c.newDocument && !c.openDocument && !c.saveDocument && c.runBreak);
    QVERIFY(!c.writeSymbol);    // the Turing machine's, left as it was
    run.RefreshBoundButtons();  // nothing changes, nothing is announced
    QCOMPARE(changed.size(), 1);
    QVERIFY(ui.events.isEmpty());
}

namespace {
using C = ControlStates;
struct Field {
    const char* name;
    bool C::*member;
};
constexpr Field kFields[] = {
    {"newDocument", &C::newDocument},
    {"openDocument", &C::openDocument},
    {"saveDocument", &C::saveDocument},
    {"memoriseTape", &C::memoriseTape},
    {"restoreTape", &C::restoreTape},
    {"runRun", &C::runRun},
    {"runPause", &C::runPause},
    {"runStep", &C::runStep},
    {"runBreak", &C::runBreak},
    {"mark", &C::mark},
    {"writeSymbol", &C::writeSymbol},
    {"changeSymbol", &C::changeSymbol},
    {"runStepBack", &C::runStepBack},
    {"menuFile", &C::menuFile},
    {"menuInterpreter", &C::menuInterpreter},
    {"menuCommands", &C::menuCommands},
    {"menuHelp", &C::menuHelp},
    {"scrollLeft", &C::scrollLeft},
    {"scrollRight", &C::scrollRight},
    {"leftBound", &C::leftBound},
    {"rightBound", &C::rightBound},
    {"goToBox", &C::goToBox},
    {"postTable", &C::postTable},
    {"postTape", &C::postTape},
    {"turingTable", &C::turingTable},
    {"turingTape", &C::turingTape},
    {"alphabet", &C::alphabet},
    {"busy", &C::busy},
    {"boundScroll", &C::boundScroll},
};
// Every field is a bool, so the size counts them: a field added to the
// struct and not to this list fails here.
static_assert(sizeof(ControlStates) == std::size(kFields) * sizeof(bool));
}  // namespace

void TestRunController::statesDifferingInOneFieldDiffer_data() {
    QTest::addColumn<int>("field");
    for (int i = 0; i < int(std::size(kFields)); ++i) {
        QTest::newRow(kFields[i].name) << i;
    }
}

void TestRunController::statesDifferingInOneFieldDiffer() {
    QFETCH(int, field);
    const ControlStates a;
    ControlStates b = a;
    b.*kFields[field].member = !(a.*kFields[field].member);
    QVERIFY(a != b);
    QVERIFY(!(a == b));
    b.*kFields[field].member = a.*kFields[field].member;
    QVERIFY(a == b);
}

QTEST_GUILESS_MAIN(TestRunController)
// The steps read each row or cell decoded once; an edit made while the run
// is paused must reach the next tick, or the run goes on with the old
// program.
void TestRunController::decodedProgramFollowsEditsDuringAPause_data() {
    QTest::addColumn<QString>("edit");
    QTest::addColumn<QString>("message");
    QTest::newRow("post jump rewritten") << "post jump"
                                         << "  -  ставим метку";
    QTest::newRow("post code rewritten") << "post code"
                                         << "  -  удаляем метку";
    QTest::newRow("post rows inserted") << "post rows" << QString();
    QTest::newRow("turing cell rewritten") << "turing cell"
                                           << "Символ: 1 -> 1.   Состояние: q1 -> q0.   "
                                              "Остановка машины.";
    QTest::newRow("turing alphabet rebuilt") << "turing alphabet" << QString();
}

void TestRunController::decodedProgramFollowsEditsDuringAPause() {
    QFETCH(QString, edit);
    ScriptedUi ui;
    Workbench bench(ui);
    RunController& run = bench.RunControl();
    if (edit.startsWith(u"post")) {
        // 1: right, go to 2; 2: mark, go to 3; 3: erase, go to 4; 4: stop.
        PostTable& table = bench.Post().table;
        const char* rows[][2] = {{"2", "2"}, {"3", "3"}, {"4", "4"}, {"6", ""}};
        for (int row = 1; row <= 4; ++row) {
            table.SetCode(row, QString::fromLatin1(rows[row - 1][0]));
            table.SetCell(PostTable::ColJump, row, QString::fromLatin1(rows[row - 1][1]));
        }
        run.Run();
        run.PostRunTick();  // announces row 1
        run.Pause();
        if (edit == u"post jump") {
            table.SetCell(PostTable::ColJump, 1, QStringLiteral("3"));  // skip the mark
            bench.Post().tape.SetPostCell(1, true);
        } else if (edit == u"post code") {
            table.SetCode(2, QStringLiteral("4"));
            bench.Post().tape.SetPostCell(1, true);
        } else {
            table.InsertRow(1);  // the old rows move down, the stop to row 5
            table.SetCode(1, QStringLiteral("2"));
            table.SetCell(PostTable::ColJump, 1, QStringLiteral("5"));
        }
        run.Run();
        run.PostRunTick();
        QFETCH(QString, message);
        if (edit == u"post rows") {
            QCOMPARE(run.Position(bench.Post()).at, 5);
            QCOMPARE(bench.StatusText(Workbench::PanelMessage),
                     QStringLiteral("  -  завершение программы"));
        } else if (edit == u"post jump") {
            QCOMPARE(run.Position(bench.Post()).at, 3);
            QCOMPARE(bench.StatusText(Workbench::PanelMessage),
                     QStringLiteral("  -  удаляем метку"));
        } else {
            QCOMPARE(bench.StatusText(Workbench::PanelMessage), message);
        }
        return;
    }
    bench.SetKind(MachineKind::Turing);
    TuringMachine& turing = bench.Turing();
    turing.EditAlphabetText(QStringLiteral("1"));
    turing.RebuildAlphabet();
    turing.tape.SetTuringCell(14, u'1');
    turing.tape.SetTuringCell(15, u'1');
    turing.table.SetCell(1, 1, QStringLiteral("1>0"));  // Q0 on 1: right, stay in Q0
    run.Run();
    run.TuringRunTick();  // shows Q0 on 1
    run.Pause();
    if (edit == u"turing cell") {
        turing.table.SetCell(1, 1, QStringLiteral("1>1"));
        turing.table.SetCell(2, 1, QStringLiteral("1!0"));
        run.Run();
        run.TuringRunTick();
        QFETCH(QString, message);
        QCOMPARE(bench.StatusText(Workbench::PanelMessage), message);
        return;
    }
    // The symbol 1 leaves the alphabet: the next tick finds it missing.
    turing.EditAlphabetText(QStringLiteral("2"));
    turing.RebuildAlphabet();
    ui.answers = {DialogAnswer::Restart, DialogAnswer::Ok};
    run.Run();
    run.TuringRunTick();
    QVERIFY(!run.Active(turing));
    QCOMPARE(ui.dialogs.back().message, QStringLiteral("Cимвола <1> нет в алфавите"));
}

// A headless run steps many ticks in one go and shows only the last; it must
// leave exactly what the same ticks one by one leave: panels, cursor,
// dialogs, tape and position.
void TestRunController::ticksInOneGoEndAsTicksOneByOne_data() {
    QTest::addColumn<bool>("post");
    QTest::addColumn<QStringList>("program");  // Post "code:jump", Turing cells of Q0, Q1, ...
    QTest::addColumn<int>("ticks");
    QTest::addColumn<bool>("dialog");  // the run ends in a dialog
    QTest::newRow("post stops") << true << QStringList{"3:2", "2:3", "6:"} << 100 << true;
    QTest::newRow("post leaves the tape") << true << QStringList{"1:1"} << 2000 << true;
    QTest::newRow("post limit") << true << QStringList{"2:1"} << 7 << false;
    QTest::newRow("post loop") << true << QStringList{"2:2", "1:1"} << 20 << true;
    QTest::newRow("post bad announcement") << true << QStringList{"2:2", "5:3"} << 10 << true;
    QTest::newRow("turing stops") << false << QStringList{"1>1", "_!0"} << 50 << true;
    QTest::newRow("turing leaves the tape") << false << QStringList{"1>0"} << 2000 << true;
    QTest::newRow("turing next command unreadable")
        << false << QStringList{"1>1", "x"} << 10 << true;
    // Left, right, left: drifting left over the 1s, never where it was.
    QTest::newRow("turing limit") << false << QStringList{"1<1", "1>2", "1<0"} << 6 << false;
    QTest::newRow("turing loop") << false << QStringList{"1<1", "1>0"} << 20 << true;
}

void TestRunController::ticksInOneGoEndAsTicksOneByOne() {
    QFETCH(bool, post);
    QFETCH(QStringList, program);
    QFETCH(int, ticks);
    QFETCH(bool, dialog);
    struct Run {
        ScriptedUi ui;
        Workbench bench{ui};
        QStringList Seen() {
            Machine& machine = bench.Current();
            const RunPosition& position = bench.RunControl().Position(machine);
            QStringList seen;
            for (int panel = 0; panel < Workbench::StatusPanelCount; ++panel) {
                seen << bench.StatusText(panel);
            }
            seen << QString::number(machine.ProgramTable().Col())
                 << QString::number(machine.ProgramTable().Row()) << QString::number(position.at)
                 << QString::number(position.steps) << QString::number(machine.tape.CarriagePos())
                 << QString::number(machine.tape.UsedMin())
                 << QString::number(machine.tape.UsedMax()) << ui.events;
            return seen;
        }
    };
    auto prepare = [&](Run& run) {
        if (dialog)
            run.ui.ExpectDialog();
        if (post) {
            PostTable& table = run.bench.Post().table;
            for (int row = 1; row <= program.size(); ++row) {
                const QStringList cells = program[row - 1].split(u':');
                table.SetCode(row, cells[0]);
                table.SetCell(PostTable::ColJump, row, cells[1]);
            }
            return;
        }
        run.bench.SetKind(MachineKind::Turing);
        TuringMachine& turing = run.bench.Turing();
        turing.EditAlphabetText(QStringLiteral("1"));
        turing.RebuildAlphabet();
        for (int cell = 995; cell <= 999; ++cell) {
            turing.tape.SetTuringCell(cell, u'1');
        }
        turing.tape.SetCarriagePos(997);
        for (int state = 0; state < program.size(); ++state) {
            turing.table.SetCell(state + 1, 1, program[state]);
        }
    };
    Run oneByOne;
    prepare(oneByOne);
    oneByOne.bench.RunControl().Run();
    // As the timer ticks: until the run ends or pauses on a loop.
    for (int i = 0;
         i < ticks && oneByOne.bench.RunControl().State() == RunController::RunState::Running;
         ++i) {
        oneByOne.bench.RunControl().Tick(oneByOne.bench.Current());
    }
    Run inOneGo;
    prepare(inOneGo);
    inOneGo.bench.RunControl().Run();
    const qint64 done = inOneGo.bench.RunControl().RunTicks(inOneGo.bench.Current(), ticks);
    QVERIFY(done >= 1 && done <= ticks);
    QCOMPARE(inOneGo.Seen(), oneByOne.Seen());
}

void TestRunController::stepsBackUndoStepsForward_data() {
    QTest::addColumn<bool>("post");
    QTest::addColumn<bool>("inOneGo");  // the k ticks as one slice of a run at full speed
    QTest::newRow("post") << true << false;
    QTest::newRow("turing") << false << false;
    QTest::newRow("post, one slice") << true << true;
    QTest::newRow("turing, one slice") << false << true;
}

// Random programs: k single steps forward and then j back leave the machine
// exactly as k - j steps forward do: tape, carriage, bounds, position, step
// count, cursor and every status text; and a step forward after stepping
// back goes the same way again.
void TestRunController::stepsBackUndoStepsForward() {
    QFETCH(bool, post);
    QFETCH(bool, inOneGo);
    QRandomGenerator random(post ? 1234 : 5678);
    struct Bench {
        ScriptedUi ui{ScriptedUi::Unplanned::FirstButton};
        Workbench bench{ui};
        QStringList Seen() {
            Machine& machine = bench.Current();
            TapeStore& tape = machine.tape;
            QStringList seen;
            for (int panel = 0; panel < Workbench::StatusPanelCount; ++panel) {
                seen << bench.StatusText(panel);
            }
            const RunPosition& position = bench.RunControl().Position(machine);
            seen << QString::number(position.at) << QString::number(position.steps)
                 << QString::number(machine.ProgramTable().Col())
                 << QString::number(machine.ProgramTable().Row())
                 << QString::number(tape.CarriagePos()) << QString::number(tape.UsedMin())
                 << QString::number(tape.UsedMax());
            for (int cell = tape.FirstCell(); cell <= tape.LastCell(); ++cell) {
                if (tape.Kind() == TapeKind::Post ? tape.GetPostCell(cell)
                                                  : tape.GetTuringCell(cell) != u' ') {
                    seen << QStringLiteral("%1=%2").arg(cell).arg(
                        tape.Kind() == TapeKind::Post ? QChar(u'1') : tape.GetTuringCell(cell));
                }
            }
            return seen;
        }
    };
    int compared = 0;
    // Trials whose run ends or loops before k steps are skipped.
    for (int trial = 0; trial < 100; ++trial) {
        QStringList program;
        for (int row = 0; row < 6; ++row) {
            if (post) {
                const int code = int(random.bounded(1, 6));  // no stop: runs go on
                const int jump = int(random.bounded(1, 7));
                program << QStringLiteral("%1:%2").arg(code).arg(
                    code == 5 ? QStringLiteral("%1,%2").arg(jump).arg(random.bounded(1, 7))
                              : QString::number(jump));
            } else {
                // One state: a random walk that writes as it goes.
                program << QStringLiteral("%1%2%3")
                               .arg(QChar(u"01"[random.bounded(2)]))
                               .arg(QChar(u"<>"[random.bounded(2)]))
                               .arg(0);
            }
        }
        // In one slice most ticks are recorded light: past a few full
        // records' spans.
        const int k = int(random.bounded(2, inOneGo ? 4 * StepHistory::kFullEvery : 40));
        const int j = int(random.bounded(1, k));
        auto prepare = [&](Bench& b) {
            b.bench.RunControl().KeepHistory(true);
            if (post) {
                for (int row = 1; row <= program.size(); ++row) {
                    b.bench.Post().table.SetCode(row, program[row - 1].section(u':', 0, 0));
                    b.bench.Post().table.SetCell(PostTable::ColJump, row,
                                                 program[row - 1].section(u':', 1));
                }
                b.bench.Post().tape.SetPostCell(2, true);
                return;
            }
            b.bench.SetKind(MachineKind::Turing);
            TuringMachine& turing = b.bench.Turing();
            turing.EditAlphabetText(QStringLiteral("01"));
            turing.RebuildAlphabet();
            turing.tape.SetTuringCell(15, u'1');
            // State Q0 on each of its three rows (the blank, 0 and 1).
            for (int i = 0; i < 3; ++i) {
                turing.table.SetCell(1, i + 1, program[i]);
            }
        };
        // False when the run ended, or went back to where a loop it found
        // begins again, before `count` steps.
        auto steps = [](Bench& b, int count) {
            RunController& run = b.bench.RunControl();
            for (int i = 0; i < count && (i == 0 || run.Active(b.bench.Current())); ++i) {
                run.Step();
                run.Tick(b.bench.Current());
            }
            return run.Active(b.bench.Current()) && b.ui.dialogs.isEmpty();
        };
        Bench back;
        prepare(back);
        if (inOneGo) {
            RunController& run = back.bench.RunControl();
            run.Run();
            if (run.RunTicks(back.bench.Current(), k) != k || !run.Active(back.bench.Current())) {
                continue;
            }
            run.Pause();
        } else if (!steps(back, k)) {
            continue;  // the run ended before k steps
        }
        for (int i = 0; i < j; ++i) {
            QVERIFY(back.bench.RunControl().Controls().runStepBack);
            back.bench.RunControl().StepBack();
        }
        Bench forward;
        prepare(forward);
        QVERIFY(steps(forward, k - j));
        QCOMPARE(back.Seen(), forward.Seen());
        steps(back, 1);
        steps(forward, 1);
        QCOMPARE(back.Seen(), forward.Seen());
        ++compared;
    }
    QVERIFY2(compared >= 20, qPrintable(QString::number(compared)));
}

// After a run ends (an error, the stop command, Break) "Шаг назад" takes
// the machine back to the tick before the end, paused, unless the program
// or tape changed since; the same tick then ends the run the same way.
void TestRunController::stepsBackFromTheEnd_data() {
    QTest::addColumn<QStringList>("program");  // "code:jump" rows
    QTest::addColumn<QString>("after");        // what happens after the end
    QTest::addColumn<bool>("back");
    const QStringList fails{"2:2", "2:7"};
    QTest::newRow("error") << fails << "" << true;
    QTest::newRow("stop") << QStringList{"2:2", "6:"} << "" << true;
    QTest::newRow("break") << QStringList{"2:1"} << "break" << true;
    QTest::newRow("tape changed since") << fails << "tape" << false;
    QTest::newRow("machine cleared") << fails << "clear" << false;
    QTest::newRow("a new run") << fails << "run" << false;
}

void TestRunController::stepsBackFromTheEnd() {
    QFETCH(QStringList, program);
    QFETCH(QString, after);
    QFETCH(bool, back);
    ScriptedUi ui{ScriptedUi::Unplanned::FirstButton};
    Workbench bench(ui);
    RunController& run = bench.RunControl();
    run.KeepHistory(true);
    PostMachine& post = bench.Post();
    for (int row = 1; row <= program.size(); ++row) {
        post.table.SetCode(row, program[row - 1].section(u':', 0, 0));
        post.table.SetCell(PostTable::ColJump, row, program[row - 1].section(u':', 1));
    }
    run.Run();
    for (int i = 0; i < 5 && run.Active(post); ++i) {
        run.Tick(post);
    }
    if (after == u"break") {
        run.Break();
    }
    QVERIFY(!run.Active(post));
    const QString ended = bench.StatusText(Workbench::PanelMessage);
    const qsizetype dialogs = ui.dialogs.size();
    if (after == u"tape") {
        post.tape.SetPostCell(20, true);
    } else if (after == u"clear") {
        DocumentCommands::ClearAll(bench);
    } else if (after == u"run") {
        run.Run();
        run.Break();
    }
    run.StepBack();
    QCOMPARE(run.Active(post), back);
    if (!back) {
        QVERIFY(!run.Controls().runStepBack);
        return;
    }
    QCOMPARE(run.State(), RunController::RunState::Paused);
    QVERIFY(!run.FailedAt(post));
    QVERIFY(run.Controls().runRun && run.Controls().runStep && !run.Controls().runPause);
    if (after == u"break") {
        return;
    }
    run.Step();
    run.Tick(post);
    QVERIFY(!run.Active(post));
    QCOMPARE(ui.dialogs.size(), dialogs + 1);
    QCOMPARE(bench.StatusText(Workbench::PanelMessage), ended);
}

// A run past the history's limit in one slice keeps the last HistoryLimit
// ticks at least (whole spans of light records go at once), and taking all
// of them back leaves the machine exactly as a run of the ticks before.
void TestRunController::historyAtItsLimitTakesBackExactly() {
    struct Counter {
        ScriptedUi ui;
        Workbench bench{ui};
        Counter() {
            bench.SetKind(MachineKind::Turing);
            CountingProgram(bench.Turing());
            bench.RunControl().KeepHistory(true);
        }
        void Run(qint64 ticks) {
            RunController& run = bench.RunControl();
            run.Run();
            QCOMPARE(run.RunTicks(bench.Turing(), ticks), ticks);
            run.Pause();
        }
        QStringList Seen() {
            TuringMachine& turing = bench.Turing();
            QString cells;
            for (int cell = turing.tape.FirstCell(); cell <= turing.tape.LastCell(); ++cell) {
                cells += turing.tape.GetTuringCell(cell);
            }
            QStringList seen{cells, QString::number(bench.RunControl().Position(turing).at),
                             QString::number(bench.RunControl().Position(turing).steps),
                             QString::number(turing.tape.CarriagePos()),
                             QString::number(turing.table.Col())};
            for (int panel = 0; panel < Workbench::StatusPanelCount; ++panel) {
                seen << bench.StatusText(panel);
            }
            return seen;
        }
    };
    const qint64 ticks = RunController::HistoryLimit + 3 * StepHistory::kFullEvery / 2;
    Counter back;
    back.Run(ticks);
    RunController& run = back.bench.RunControl();
    QVERIFY(run.HistoryTrimmed(back.bench.Turing()));
    // Back in strides that end inside the spans of light records.
    while (run.CanStepBack()) {
        run.TakeBackTicks(StepHistory::kFullEvery / 3 * 1000 + 1);
    }
    const qint64 kept = run.Position(back.bench.Turing()).steps;
    QVERIFY2(kept > 0 && kept <= ticks - RunController::HistoryLimit,
             qPrintable(QString::number(kept)));
    Counter forward;
    forward.Run(kept);
    QCOMPARE(back.Seen(), forward.Seen());
}

void TestRunController::fullSpeedAsksEveryMillionSteps_data() {
    QTest::addColumn<DialogAnswer>("answer");
    QTest::addColumn<RunController::RunState>("then");
    QTest::newRow("yes goes on") << DialogAnswer::Yes << RunController::RunState::Running;
    QTest::newRow("no stays paused") << DialogAnswer::No << RunController::RunState::Paused;
}

void TestRunController::fullSpeedAsksEveryMillionSteps() {
    QFETCH(DialogAnswer, answer);
    QFETCH(RunController::RunState, then);
    ScriptedUi ui;
    Workbench bench(ui);
    bench.SetKind(MachineKind::Turing);
    CountingProgram(bench.Turing());
    RunController& run = bench.RunControl();
    run.SetSpeed(RunController::InstantSpeed);
    QCOMPARE(run.SpeedCaption(run.Speed()), QStringLiteral("Мгновенно"));
    QCOMPARE(run.TuringRunTimer().interval(), 0);
    ui.ExpectDialog(answer);
    run.Run();
    while (ui.dialogs.isEmpty() && run.Active(bench.Turing())) {
        run.Tick(bench.Turing());
    }
    QCOMPARE(ui.dialogs.size(), 1);
    QCOMPARE(ui.dialogs[0].kind, MessageKind::GoOnQuestion);
    const qint64 steps = run.Position(bench.Turing()).steps;
    QVERIFY2(steps >= RunController::AskEverySteps - 1 && steps <= RunController::AskEverySteps,
             qPrintable(QString::number(steps)));
    QCOMPARE(ui.dialogs[0].message,
             QStringLiteral("Программа выполнила %1 шагов. Продолжить?").arg(steps));
    QCOMPARE(run.State(), then);
}

// A Post program that marks and moves right for ever (1: mark, 2: right),
// or the Turing counter; a breakpoint (or the run to the cursor) at a place
// holds every continuous run, at every speed, on the tick announcing it.
void TestRunController::breakpointsHoldARun_data() {
    QTest::addColumn<bool>("post");
    QTest::addColumn<QPoint>("place");  // table cell; Turing row -1: the symbol 1's row
    QTest::addColumn<bool>("toCursor");
    QTest::addColumn<int>("speed");
    QTest::addColumn<QList<qint64>>("pauses");  // the steps the run pauses at
    const QList<qint64> everyOther{2, 4, 6};
    QTest::newRow("post row") << true << QPoint(0, 2) << false << 3 << everyOther;
    QTest::newRow("post row, instant") << true << QPoint(2, 2) << false << 6 << everyOther;
    QTest::newRow("post first row") << true << QPoint(0, 1) << false << 6 << QList<qint64>{1, 3};
    QTest::newRow("post to cursor") << true << QPoint(0, 2) << true << 6 << QList<qint64>{2};
    QTest::newRow("turing cell") << false << QPoint(1, -1) << false << 6 << QList<qint64>{3, 9};
    QTest::newRow("turing state") << false << QPoint(2, 0) << false << 3 << QList<qint64>{2, 5};
    QTest::newRow("turing to cell") << false << QPoint(1, -1) << true << 6 << QList<qint64>{3};
}

void TestRunController::breakpointsHoldARun() {
    QFETCH(bool, post);
    QFETCH(QPoint, place);
    QFETCH(bool, toCursor);
    QFETCH(int, speed);
    QFETCH(QList<qint64>, pauses);
    ScriptedUi ui;
    Workbench bench(ui);
    RunController& run = bench.RunControl();
    run.SetSpeed(speed);
    if (post) {
        bench.Post().table.SetCode(1, QStringLiteral("3"));
        bench.Post().table.SetCell(PostTable::ColJump, 1, QStringLiteral("2"));
        bench.Post().table.SetCode(2, QStringLiteral("2"));
        bench.Post().table.SetCell(PostTable::ColJump, 2, QStringLiteral("1"));
    } else {
        bench.SetKind(MachineKind::Turing);
        CountingProgram(bench.Turing());
        if (place.y() < 0) {
            place.setY(*bench.Turing().RowOfSymbol(u'1'));
        }
    }
    Machine& machine = bench.Current();
    if (toCursor) {
        machine.ProgramTable().SetCursor(place.x(), place.y());
        run.RunToCursor();
    } else {
        run.ToggleBreakpointAt(place.x(), place.y());
        run.Run();
    }
    for (qint64 at : pauses) {
        for (int i = 0; i < 50 && run.State() == RunController::RunState::Running; ++i) {
            run.Tick(machine);
        }
        QCOMPARE(run.State(), RunController::RunState::Paused);
        QCOMPARE(run.Position(machine).steps, at);
        QCOMPARE(bench.StatusText(Workbench::PanelMessage) == RunController::BreakpointStatus(),
                 !toCursor);
        run.Run();
    }
    // Past the last pause the run goes on (a tick at a time, so that the
    // Post program stays on the tape): a run to the cursor stops once.
    run.SetSpeed(RunController::DefaultSpeed);
    for (int i = 0; i < 20; ++i) {
        run.Tick(machine);
    }
    QCOMPARE(run.State(),
             toCursor ? RunController::RunState::Running : RunController::RunState::Paused);
    // Removed, they hold nothing.
    run.ClearBreakpoints();
    if (run.State() == RunController::RunState::Paused) {
        run.Run();
    }
    for (int i = 0; i < 20; ++i) {
        run.Tick(machine);
    }
    QCOMPARE(run.State(), RunController::RunState::Running);
}

// Breakpoints stay on their commands as rows and columns come and go, and
// an edit taken back puts them back.
void TestRunController::breakpointsFollowTheirPlaces_data() {
    QTest::addColumn<bool>("post");
    QTest::addColumn<QString>("edit");
    QTest::addColumn<QPoint>("markedAfter");  // (-1, -1): gone
    QTest::newRow("row inserted above") << true << "insert 1" << QPoint(0, 3);
    QTest::newRow("row inserted below") << true << "insert 3" << QPoint(0, 2);
    QTest::newRow("row deleted above") << true << "delete 1" << QPoint(0, 1);
    QTest::newRow("its row deleted") << true << "delete 2" << QPoint(-1, -1);
    QTest::newRow("insert taken back") << true << "insert 1, back" << QPoint(0, 2);
    QTest::newRow("new document") << true << "new" << QPoint(-1, -1);
    QTest::newRow("column inserted before") << false << "insert 1" << QPoint(3, 2);
    QTest::newRow("its column deleted") << false << "delete 2" << QPoint(-1, -1);
    QTest::newRow("alphabet reordered") << false << "alphabet 10" << QPoint(2, 1);
    QTest::newRow("blank row kept") << false << "blank, alphabet 012" << QPoint(2, 4);
}

void TestRunController::breakpointsFollowTheirPlaces() {
    QFETCH(bool, post);
    QFETCH(QString, edit);
    QFETCH(QPoint, markedAfter);
    ScriptedUi ui{ScriptedUi::Unplanned::FirstButton};
    Workbench bench(ui);
    RunController& run = bench.RunControl();
    if (post) {
        bench.Post().table.SetProgramRows(4);
    } else {
        bench.SetKind(MachineKind::Turing);
        CountingProgram(bench.Turing());  // rows: 0, 1, blank
        bench.Turing().AppendColumn();
    }
    Machine& machine = bench.Current();
    TextTable& table = machine.ProgramTable();
    // The mark on row 2 (Post) or on Q1 reading 1 (Turing), or on the
    // blank's row.
    const bool blank = edit.startsWith(u"blank");
    const QPoint marked(post ? 0 : 2, blank ? 3 : 2);
    run.ToggleBreakpointAt(marked.x(), marked.y());
    const MachineContents before = machine.Saved();
    const int at = edit.section(u' ', 1, 1).remove(u',').toInt();
    table.SetCursor(post ? 1 : at, at);
    if (edit.startsWith(u"insert")) {
        post ? TableCommands::InsertRow(bench) : bench.Turing().InsertColumn();
    } else if (edit.startsWith(u"delete")) {
        post ? TableCommands::DeleteRow(bench) : bench.Turing().DeleteColumn();
    } else if (edit.contains(u"alphabet")) {
        bench.Turing().EditAlphabetText(edit.section(u' ', -1));
        bench.Turing().RebuildAlphabet();
    } else if (edit == u"new") {
        DocumentCommands::New(bench);
    }
    if (edit.endsWith(u"back")) {
        machine.PutBack(before);
    }
    const Breakpoints& marks = run.BreakpointsOf(machine);
    for (int row = 0; row < table.RowCount(); ++row) {
        for (int col = 0; col < table.ColCount(); ++col) {
            QCOMPARE(marks.Stops(table, col, row), QPoint(post ? 0 : col, row) == markedAfter);
        }
    }
}

#include "test_run_controller.moc"
