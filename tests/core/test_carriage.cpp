// Carriage moves and the go-to box: the carriage never leaves the tape, a
// refusal breaks the run before its dialog, and the box corrects what it
// cannot use.

#include <QtTest>

#include "core/editing/CarriageMoves.h"
#include "core/port/ScriptedUi.h"
#include "core/run/RunController.h"
#include "core/workbench/Workbench.h"

class TestCarriage : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void movesAtTheEnds_data();
    void movesAtTheEnds();
    void goToBox_data();
    void goToBox();
};

void TestCarriage::movesAtTheEnds_data() {
    QTest::addColumn<bool>("post");
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("delta");
    QTest::addColumn<int>("to");
    QTest::newRow("post right inside") << true << 998 << 1 << 999;
    QTest::newRow("post right at 999") << true << 999 << 1 << 999;
    QTest::newRow("post left at -999") << true << -999 << -1 << -999;
    QTest::newRow("turing left at 1") << false << 1 << -1 << 1;
    QTest::newRow("turing left inside") << false << 2 << -1 << 1;
}

void TestCarriage::movesAtTheEnds() {
    QFETCH(bool, post);
    QFETCH(int, from);
    QFETCH(int, delta);
    ScriptedUi ui;
    Workbench bench(ui);
    bench.SetKind(post ? MachineKind::Post : MachineKind::Turing);
    TapeStore& tape = bench.Current().tape;
    tape.SetCarriagePos(from);
    bench.RunControl().Run();
    bench.RunControl().Pause();
    ui.Clear();
    QFETCH(int, to);
    if (to == from)
        ui.ExpectDialog();  // the refusal
    const bool moved = delta > 0 ? MoveCarriageRight(bench) : MoveCarriageLeft(bench);
    QCOMPARE(tape.CarriagePos(), to);
    QCOMPARE(moved, to != from);
    QCOMPARE(bench.Current().Modified(), moved);
    if (!moved) {
        QCOMPARE(ui.events.mid(0, 1), QStringList{QStringLiteral("beep")});
        QCOMPARE(ui.dialogs.size(), 1);
        QCOMPARE(ui.dialogs[0].message, QStringLiteral("Каретка вышла за пределы ленты"));
        QCOMPARE(ui.dialogs[0].caption, QStringLiteral("Ошибка"));
        QCOMPARE(ui.dialogs[0].kind, MessageKind::Error);
        QVERIFY(!bench.RunControl().Active(bench.Current()) && !bench.RunControl().RunStarted());
    } else {
        QVERIFY(ui.dialogs.isEmpty());
    }
}

void TestCarriage::goToBox_data() {
    QTest::addColumn<bool>("post");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("carriage");
    QTest::addColumn<int>("beeps");
    QTest::newRow("plain") << true << "42" << 42 << 0;
    QTest::newRow("negative") << true << "-999" << -999 << 0;
    QTest::newRow("fourth digit dropped") << true << "1000" << 100 << 1;
    QTest::newRow("minus alone stays") << true << "-" << 7 << 0;
    QTest::newRow("empty stays") << true << "" << 7 << 0;
    QTest::newRow("letters stay") << true << "1a" << 7 << 0;
    QTest::newRow("turing zero") << false << "0" << 1 << 1;
    QTest::newRow("turing negative") << false << "-5" << 1 << 1;
    QTest::newRow("turing too far") << false << "5000" << 500 << 1;
}

void TestCarriage::goToBox() {
    QFETCH(bool, post);
    QFETCH(QString, text);
    ScriptedUi ui;
    Workbench bench(ui);
    bench.SetKind(post ? MachineKind::Post : MachineKind::Turing);
    bench.Current().tape.SetCarriagePos(7);
    const int cell = GoToCell(bench, text);
    QTEST(cell, "carriage");
    QTEST(bench.Current().tape.CarriagePos(), "carriage");
    QTEST(ui.beeps, "beeps");
    QVERIFY(bench.Current().Modified());
}

QTEST_GUILESS_MAIN(TestCarriage)
#include "test_carriage.moc"
