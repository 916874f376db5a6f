// The tape's rules that need no window: which column the focus goes to, the
// editing commands with their edit prologue and the add-symbol question,
// memorising and restoring, and the scroll timers ticked by hand.

#include <QtTest>

#include "core/editing/TapeEditing.h"
#include "core/editing/TapeScroller.h"
#include "core/port/ScriptedUi.h"
#include "core/run/RunController.h"
#include "core/tape/TapeWindow.h"
#include "core/workbench/Workbench.h"

namespace {

using Side = TapeScroller::Side;
using Mode = TapeScroller::BoundMode;

void Mark(Workbench& bench, std::initializer_list<int> cells) {
    for (int cell : cells) {
        bench.Post().tape.SetPostCell(cell, true);
    }
}

QString PostCells(Workbench& bench, int from, int to) {
    QString s;
    for (int cell = from; cell <= to; ++cell) {
        s += bench.Post().tape.GetPostCell(cell) ? u'1' : u'0';
    }
    return s;
}

}  // namespace

class TestTapeRules : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void focusColumns_data();
    void focusColumns();
    void arrowSteps_data();
    void arrowSteps();
    void toggleMarksOnMixedSelection();
    void editPrologue_data();
    void editPrologue();
    void typedSymbols_data();
    void typedSymbols();
    void memorisedPicture_data();
    void memorisedPicture();
    void clearAndRestore();
    void repeatIntervals_data();
    void repeatIntervals();
    void heldButtonStopsAtTheTapesEnd();
    void boundScrollSteps_data();
    void boundScrollSteps();
    void boundScrollPressedAgainStops();
};

void TestTapeRules::focusColumns_data() {
    QTest::addColumn<bool>("post");
    QTest::addColumn<int>("carriage");
    QTest::addColumn<int>("col");
    QTest::addColumn<int>("nearest");
    QTest::addColumn<int>("home");
    QTest::addColumn<int>("end");
    QTest::newRow("post middle") << true << 0 << 25 << 25 << 0 << 26;
    QTest::newRow("post near 999") << true << 990 << 25 << 22 << 0 << 22;
    QTest::newRow("post near -999") << true << -990 << 1 << 4 << 4 << 26;
    QTest::newRow("turing carriage 5") << false << 5 << 3 << 9 << 9 << 26;
    QTest::newRow("turing carriage 1") << false << 1 << 0 << 13 << 13 << 26;
    QTest::newRow("turing at start") << false << 14 << 0 << 0 << 0 << 26;
}

void TestTapeRules::focusColumns() {
    QFETCH(bool, post);
    QFETCH(int, carriage);
    QFETCH(int, col);
    TapeStore tape(post ? TapeKind::Post : TapeKind::Turing);
    tape.SetCarriagePos(carriage);
    QTEST(TapeWindow::NearestOnTapeColumn(tape, col), "nearest");
    QTEST(TapeWindow::HomeColumn(tape), "home");
    QTEST(TapeWindow::EndColumn(tape), "end");
}

void TestTapeRules::arrowSteps_data() {
    QTest::addColumn<bool>("post");
    QTest::addColumn<int>("carriage");
    QTest::addColumn<int>("col");
    QTest::addColumn<int>("delta");
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("to");
    const int move = TapeWindow::ArrowStep::Move;
    const int scroll = TapeWindow::ArrowStep::Scroll;
    const int refuse = TapeWindow::ArrowStep::Refuse;
    QTest::newRow("left inside") << true << 0 << 5 << -1 << move << 4;
    QTest::newRow("left at column 0 scrolls") << true << 0 << 0 << -1 << scroll << 0;
    QTest::newRow("right at column 26 scrolls") << true << 0 << 26 << 1 << scroll << 26;
    QTest::newRow("left onto -999") << true << -990 << 5 << -1 << move << 4;
    QTest::newRow("left past -999") << true << -990 << 4 << -1 << refuse << 4;
    QTest::newRow("left past -999 at column 0") << true << -986 << 0 << -1 << refuse << 0;
    QTest::newRow("right past 999") << true << 990 << 22 << 1 << refuse << 22;
    QTest::newRow("turing left past 1") << false << 5 << 9 << -1 << refuse << 9;
    QTest::newRow("turing off-tape focus walks right") << false << 1 << 3 << 1 << move << 4;
}

void TestTapeRules::arrowSteps() {
    QFETCH(bool, post);
    QFETCH(int, carriage);
    QFETCH(int, col);
    QFETCH(int, delta);
    TapeStore tape(post ? TapeKind::Post : TapeKind::Turing);
    tape.SetCarriagePos(carriage);
    const TapeWindow::ArrowStep step = TapeWindow::StepFocus(tape, col, delta);
    QTEST(int(step.kind), "kind");
    QTEST(step.col, "to");
}

void TestTapeRules::toggleMarksOnMixedSelection() {
    ScriptedUi ui;
    Workbench bench(ui);
    Mark(bench, {0, 2});
    // Columns 13..15 are the cells 0..2; two of the three are marked.
    TapeEditing::ToggleMarks(bench, 15, 13);
    QCOMPARE(PostCells(bench, -1, 3), QStringLiteral("01110"));
    TapeEditing::ToggleMarks(bench, 13, 15);
    QCOMPARE(PostCells(bench, -1, 3), QStringLiteral("00000"));
    // Off-tape cells of a selection are skipped; a selection wholly off the
    // tape changes nothing.
    TapeStore& tape = bench.Post().tape;
    tape.SetCarriagePos(995);
    TapeEditing::ToggleMarks(bench, 22, 26);
    QVERIFY(tape.IsEmpty());
    TapeEditing::ToggleMarks(bench, 17, 26);
    QCOMPARE(PostCells(bench, 997, 999), QStringLiteral("001"));
    QCOMPARE(tape.UsedMin(), 999);
    QCOMPARE(tape.UsedMax(), 999);
}

void TestTapeRules::editPrologue_data() {
    QTest::addColumn<QString>("command");
    QTest::addColumn<bool>("runActive");
    QTest::addColumn<bool>("modified");
    QTest::addColumn<bool>("edited");
    for (bool active : {false, true}) {
        const char* tag = active ? " while paused" : "";
        QTest::addRow("toggle%s", tag) << "toggle" << active << true << active;
        QTest::addRow("double click%s", tag) << "double" << active << true << active;
        QTest::addRow("clear%s", tag) << "clear" << active << true << active;
        QTest::addRow("restore%s", tag) << "restore" << active << true << active;
        QTest::addRow("carriage left%s", tag) << "left" << active << true << active;
        QTest::addRow("memorise%s", tag) << "memorise" << active << false << false;
        QTest::addRow("scroll button press%s", tag) << "press" << active << true << active;
        QTest::addRow("bound scroll%s", tag) << "bound" << active << true << active;
    }
}

void TestTapeRules::editPrologue() {
    QFETCH(QString, command);
    QFETCH(bool, runActive);
    ScriptedUi ui;
    Workbench bench(ui);
    Mark(bench, {-40, 0});
    bench.Post().tape.Memorise();
    bench.SetModified(false);
    if (runActive) {
        bench.RunControl().Run();
        bench.RunControl().Pause();
    }
    TapeScroller scroller(bench);
    if (command == "toggle") {
        TapeEditing::ToggleMarks(bench, 13, 13);
    } else if (command == "double") {
        TapeEditing::ToggleMarkAt(bench, 14);
    } else if (command == "clear") {
        TapeEditing::ClearTape(bench);
    } else if (command == "restore") {
        TapeEditing::RestoreTape(bench);
    } else if (command == "left") {
        TapeEditing::CarriageLeft(bench);
    } else if (command == "memorise") {
        QVERIFY(TapeEditing::MemoriseTape(bench));
    } else if (command == "press") {
        scroller.MouseDown(Side::Left);
    } else if (command == "bound") {
        scroller.ScrollToLeftBound();
    }
    QTEST(bench.Post().Modified(), "modified");
    QTEST(bench.RunControl().EditedSinceStart(bench.Post()), "edited");
}

void TestTapeRules::typedSymbols_data() {
    QTest::addColumn<QString>("alphabet");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QList<DialogAnswer>>("answers");
    QTest::addColumn<QString>("tape");  // cells 1..5 afterwards
    QTest::addColumn<QString>("alphabetAfter");
    QTest::addColumn<int>("dialogs");
    QTest::addColumn<int>("beeps");
    const QList<DialogAnswer> none;
    QTest::newRow("letter of the alphabet") << "ab"
                                            << "b" << none << "abbbb"
                                            << "ab" << 0 << 0;
    QTest::newRow("space erases") << "ab"
                                  << " " << none << "ab  b"
                                  << "ab" << 0 << 0;
    QTest::newRow("enter and esc do nothing") << "ab"
                                              << "\r\x1b" << none << "ab ab"
                                              << "ab" << 0 << 0;
    QTest::newRow("new symbol, no") << "ab"
                                    << "x" << QList<DialogAnswer>{DialogAnswer::No} << "ab ab"
                                    << "ab" << 1 << 1;
    QTest::newRow("new symbol, help") << "ab"
                                      << "x" << QList<DialogAnswer>{DialogAnswer::Help} << "ab ab"
                                      << "ab" << 1 << 1;
    QTest::newRow("new symbol, closed")
        << "ab"
        << "x" << QList<DialogAnswer>{DialogAnswer::Closed} << "ab ab"
        << "ab" << 1 << 1;
    QTest::newRow("new symbol, yes") << "ab"
                                     << "x" << QList<DialogAnswer>{DialogAnswer::Yes} << "abxxb"
                                     << "abx" << 1 << 1;
    QTest::newRow("cyrillic, yes") << ""
                                   << "Ж" << QList<DialogAnswer>{DialogAnswer::Yes} << "abЖЖb"
                                   << "Ж" << 1 << 1;
    QTest::newRow("underscore is refused") << "ab"
                                           << "_" << none << "ab ab"
                                           << "ab" << 0 << 1;
}

void TestTapeRules::typedSymbols() {
    QFETCH(QString, alphabet);
    QFETCH(QString, typed);
    QFETCH(QList<DialogAnswer>, answers);
    ScriptedUi ui;
    ui.answers = answers;
    Workbench bench(ui);
    bench.SetKind(MachineKind::Turing);
    TuringMachine& turing = bench.Turing();
    turing.LoadAlphabet(alphabet);
    turing.tape.SetTuringString(QStringLiteral("ab ab"));
    turing.tape.SetCarriagePos(3);
    const int rows = turing.table.RowCount();
    // Columns 13 and 14 are the cells 3 and 4.
    for (QChar ch : typed) {
        TapeEditing::WriteSymbolToSelection(bench, ch, 13, 14);
    }
    QTEST(turing.tape.TuringString().left(5), "tape");
    QTEST(turing.Alphabet(), "alphabetAfter");
    QTEST(int(ui.dialogs.size()), "dialogs");
    QTEST(ui.beeps, "beeps");
    QFETCH(QString, alphabetAfter);
    QCOMPARE(turing.table.RowCount(), rows + int(alphabetAfter.size() - alphabet.size()));
    if (!ui.dialogs.isEmpty()) {
        const ScriptedUi::Dialog& d = ui.dialogs.first();
        QCOMPARE(d.caption, QStringLiteral("Интерпретатор машины Тьюринга"));
        QCOMPARE(d.message, QStringLiteral("Вводимый символ < ") + typed +
                                QStringLiteral(" > отсутствует во внешнем алфавите. "
                                               "Добавить его в алфавит?"));
        QCOMPARE(d.kind, MessageKind::QuestionWithHelp);
        QCOMPARE(ui.events.first(), QStringLiteral("beep"));
    }
}

void TestTapeRules::memorisedPicture_data() {
    QTest::addColumn<bool>("post");
    QTest::addColumn<QList<int>>("cells");
    QTest::addColumn<int>("carriage");
    QTest::addColumn<bool>("taken");
    QTest::addColumn<QString>("picture");
    QTest::newRow("marks around the carriage")
        << true << QList<int>{-1, 0, 2} << 0 << true << "vVov";
    QTest::newRow("carriage outside the bounds") << true << QList<int>{3, 5} << 0 << true << "vov";
    QTest::newRow("only cell 999") << true << QList<int>{999} << 990 << true << "v";
    QTest::newRow("only cell -999") << true << QList<int>{-999} << -999 << true << "V";
    QTest::newRow("empty post tape") << true << QList<int>{} << 0 << false << "";
    QTest::newRow("turing string as stored") << false << QList<int>{2, 4} << 14 << true << " a a";
    QTest::newRow("turing only cell 999")
        << false << QList<int>{999} << 14 << true << QString(998, u' ') + u'a';
    QTest::newRow("empty turing tape") << false << QList<int>{} << 14 << false << "";
}

void TestTapeRules::memorisedPicture() {
    QFETCH(bool, post);
    QFETCH(QList<int>, cells);
    QFETCH(int, carriage);
    ScriptedUi ui;
    Workbench bench(ui);
    bench.SetKind(post ? MachineKind::Post : MachineKind::Turing);
    TapeStore& tape = bench.Current().tape;
    for (int cell : cells) {
        post ? tape.SetPostCell(cell, true) : tape.SetTuringCell(cell, u'a');
    }
    tape.SetCarriagePos(carriage);
    bench.SetModified(false);
    QTEST(TapeEditing::MemoriseTape(bench), "taken");
    QFETCH(bool, taken);
    QCOMPARE(bench.RunControl().Controls().restoreTape, taken);
    QCOMPARE(tape.HasMemorised(), taken);
    QTEST(tape.MemorisedPicture(), "picture");
    QVERIFY(!bench.Current().Modified());
}

void TestTapeRules::clearAndRestore() {
    ScriptedUi ui;
    Workbench bench(ui);
    TapeStore& tape = bench.Post().tape;
    Mark(bench, {-40, 7, 40});
    tape.SetCarriagePos(5);
    bench.RunControl().RefreshBoundButtons();
    QVERIFY(bench.RunControl().Controls().leftBound && bench.RunControl().Controls().rightBound);
    QVERIFY(TapeEditing::MemoriseTape(bench));

    TapeEditing::ClearTape(bench);
    QCOMPARE(tape.CarriagePos(), 0);
    QCOMPARE(PostCells(bench, -13, 13), QString(27, u'0'));
    QCOMPARE(bench.StatusText(Workbench::PanelMin), QStringLiteral("min:"));
    QCOMPARE(bench.StatusText(Workbench::PanelMax), QStringLiteral("max:"));
    QVERIFY(!bench.RunControl().Controls().leftBound && !bench.RunControl().Controls().rightBound);
    QVERIFY(tape.HasMemorised());

    TapeEditing::RestoreTape(bench);
    QCOMPARE(tape.CarriagePos(), 5);
    QCOMPARE(PostCells(bench, 6, 8), QStringLiteral("010"));
    QCOMPARE(tape.UsedMin(), -40);
    QCOMPARE(tape.UsedMax(), 40);
    QCOMPARE(bench.StatusText(Workbench::PanelMin), QStringLiteral("min: -40"));
    QCOMPARE(bench.StatusText(Workbench::PanelMax), QStringLiteral("max: 40"));
    QVERIFY(bench.RunControl().Controls().leftBound && bench.RunControl().Controls().rightBound);

    // The Turing machine has no copy of its own: restoring there is nothing.
    bench.SetKind(MachineKind::Turing);
    bench.SetModified(false);
    TapeEditing::RestoreTape(bench);
    QVERIFY(!bench.Turing().Modified());
    QCOMPARE(bench.Turing().tape.CarriagePos(), 14);
}

void TestTapeRules::repeatIntervals_data() {
    QTest::addColumn<bool>("left");
    QTest::addColumn<QList<int>>("intervals");
    QTest::newRow("left, 30 ms a tick")
        << true << QList<int>{300, 270, 240, 210, 180, 150, 120, 90, 60, 30, 5, 5};
    QTest::newRow("right, 40 ms a tick")
        << false << QList<int>{300, 260, 220, 180, 140, 100, 60, 20, 5, 5};
}

void TestTapeRules::repeatIntervals() {
    QFETCH(bool, left);
    QFETCH(QList<int>, intervals);
    ScriptedUi ui;
    Workbench bench(ui);
    TapeScroller scroller(bench);
    const Side side = left ? Side::Left : Side::Right;
    QTimer& timer = left ? scroller.LeftRepeatTimer() : scroller.RightRepeatTimer();
    scroller.MouseDown(side);
    for (int i = 0; i < intervals.size(); ++i) {
        QCOMPARE(timer.interval(), intervals[i]);
        QVERIFY(timer.isActive());
        left ? scroller.LeftRepeatTick() : scroller.RightRepeatTick();
    }
    const int moved = int(intervals.size());
    QCOMPARE(bench.Post().tape.CarriagePos(), left ? -moved : moved);
    scroller.MouseUp(side);
    QVERIFY(!timer.isActive());
    QCOMPARE(timer.interval(), 300);
    scroller.Click(side);
    QCOMPARE(bench.Post().tape.CarriagePos(), left ? -moved - 1 : moved + 1);
}

void TestTapeRules::heldButtonStopsAtTheTapesEnd() {
    ScriptedUi ui;
    Workbench bench(ui);
    TapeScroller scroller(bench);
    QSignalSpy refused(&scroller, &TapeScroller::RepeatRefused);
    bench.Post().tape.SetCarriagePos(-995);
    scroller.MouseDown(Side::Left);
    for (int i = 0; i < 4; ++i) {
        scroller.LeftRepeatTick();
    }
    QCOMPARE(bench.Post().tape.CarriagePos(), -999);
    QVERIFY(ui.dialogs.isEmpty());
    ui.ExpectDialog();
    scroller.LeftRepeatTick();
    QCOMPARE(bench.Post().tape.CarriagePos(), -999);
    QCOMPARE(ui.dialogs.size(), 1);
    QCOMPARE(ui.dialogs[0].message, QStringLiteral("Каретка вышла за пределы ленты"));
    // The repeat is over at the refusal; the release and the click of the
    // same press open no second dialog.
    QVERIFY(!scroller.LeftRepeatTimer().isActive());
    QCOMPARE(refused.size(), 1);
    scroller.MouseUp(Side::Left);
    scroller.Click(Side::Left);
    QCOMPARE(ui.dialogs.size(), 1);
    // A new press is a new attempt.
    ui.ExpectDialog();
    scroller.MouseDown(Side::Left);
    scroller.MouseUp(Side::Left);
    scroller.Click(Side::Left);
    QCOMPARE(ui.dialogs.size(), 2);
}

void TestTapeRules::boundScrollSteps_data() {
    QTest::addColumn<QList<int>>("marks");
    QTest::addColumn<int>("carriage");
    QTest::addColumn<bool>("toMin");
    QTest::addColumn<int>("ticks");  // ticks until the scroll ends
    QTest::addColumn<int>("end");
    QTest::newRow("down to -100") << QList<int>{-100, 5} << 50 << true << 138 << -87;
    QTest::newRow("up to 300") << QList<int>{-100, 300} << 50 << false << 238 << 287;
    QTest::newRow("bound already in the window") << QList<int>{40} << 30 << true << 1 << 30;
    QTest::newRow("empty tape, to min") << QList<int>{} << 0 << true << 1 << 0;
    QTest::newRow("empty tape, to max") << QList<int>{} << 0 << false << 1 << 0;
}

void TestTapeRules::boundScrollSteps() {
    QFETCH(QList<int>, marks);
    QFETCH(int, carriage);
    QFETCH(bool, toMin);
    QFETCH(int, ticks);
    ScriptedUi ui;
    Workbench bench(ui);
    for (int cell : marks) {
        bench.Post().tape.SetPostCell(cell, true);
    }
    bench.Post().tape.SetCarriagePos(carriage);
    TapeScroller scroller(bench);
    QTimer& timer = toMin ? scroller.LeftBoundTimer() : scroller.RightBoundTimer();
    toMin ? scroller.ScrollToLeftBound() : scroller.ScrollToRightBound();
    QCOMPARE(scroller.Mode(), toMin ? Mode::ToMin : Mode::ToMax);
    QVERIFY(bench.RunControl().Controls().boundScroll);
    QVERIFY(timer.isActive());
    QCOMPARE(timer.interval(), 10);
    int count = 0;
    while (scroller.Mode() != Mode::None && count < 5000) {
        toMin ? scroller.LeftBoundTick() : scroller.RightBoundTick();
        ++count;
    }
    QCOMPARE(count, ticks);
    QTEST(bench.Post().tape.CarriagePos(), "end");
    QVERIFY(!timer.isActive());
    QVERIFY(!bench.RunControl().Controls().boundScroll);
    QVERIFY(!(toMin ? bench.RunControl().Controls().leftBound
                    : bench.RunControl().Controls().rightBound));
    QVERIFY(ui.dialogs.isEmpty());
}

void TestTapeRules::boundScrollPressedAgainStops() {
    ScriptedUi ui;
    Workbench bench(ui);
    Mark(bench, {-100, 200});
    bench.Post().tape.SetCarriagePos(50);
    TapeScroller scroller(bench);
    scroller.ScrollToLeftBound();
    for (int i = 0; i < 10; ++i) {
        scroller.LeftBoundTick();
    }
    QCOMPARE(bench.Post().tape.CarriagePos(), 40);
    // The other button of the pair turns the scroll round.
    scroller.ScrollToRightBound();
    QCOMPARE(scroller.Mode(), Mode::ToMax);
    QVERIFY(!scroller.LeftBoundTimer().isActive() && scroller.RightBoundTimer().isActive());
    QVERIFY(bench.RunControl().Controls().boundScroll);
    scroller.LeftBoundTick();  // a tick queued before the turn is void
    QCOMPARE(bench.Post().tape.CarriagePos(), 40);
    scroller.RightBoundTick();
    QCOMPARE(bench.Post().tape.CarriagePos(), 41);
    // Pressing the button that is down stops the carriage where it is.
    scroller.ScrollToRightBound();
    QCOMPARE(scroller.Mode(), Mode::None);
    QVERIFY(!scroller.RightBoundTimer().isActive());
    QVERIFY(!bench.RunControl().Controls().boundScroll);
    QCOMPARE(bench.Post().tape.CarriagePos(), 41);
}

QTEST_GUILESS_MAIN(TestTapeRules)
#include "test_tape_rules.moc"
