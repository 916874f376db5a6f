// Row commands on the Post table: positions keep their numbers, jump fields
// are never renumbered, the last row cannot go, and clearing the whole table
// breaks a run.

#include <QtTest>

#include "core/editing/TableCommands.h"
#include "core/port/ScriptedUi.h"
#include "core/run/RunController.h"
#include "core/workbench/Workbench.h"

namespace {

// Columns 2 of rows 1..N joined by "|", and whether every number cell holds
// its row's number.
QString Jumps(const PostTable& table) {
    QStringList jumps;
    for (int row = 1; row <= table.ProgramRows(); ++row) {
        jumps.append(table.Jump(row));
    }
    return jumps.join(u'|');
}

bool NumbersStand(const PostTable& table) {
    for (int row = 1; row <= table.ProgramRows(); ++row) {
        if (table.Cell(PostTable::ColNumber, row) != QString::number(row)) {
            return false;
        }
    }
    return true;
}

}  // namespace

class TestTableCommands : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void postRows_data();
    void postRows();
    void deletingTheOnlyRowBeepsButMarksModified();
    void clearingTheTableBreaksAPausedRun();
};

void TestTableCommands::postRows_data() {
    QTest::addColumn<int>("rows");
    QTest::addColumn<int>("cursorRow");
    QTest::addColumn<int>("cursorCol");
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("jumps");
    QTest::addColumn<int>("cursorAfter");
    QTest::newRow("insert at 1") << 3 << 1 << 2 << "insert"
                                 << "|j1|j2|j3" << 1;
    QTest::newRow("insert at 3") << 3 << 3 << 2 << "insert"
                                 << "j1|j2||j3" << 3;
    QTest::newRow("delete middle") << 3 << 2 << 2 << "delete"
                                   << "j1|j3" << 2;
    QTest::newRow("delete last") << 3 << 3 << 2 << "delete"
                                 << "j1|j2" << 2;
    QTest::newRow("append") << 3 << 2 << 2 << "append"
                            << "j1|j2|j3|" << 2;
    QTest::newRow("clear row") << 3 << 2 << 2 << "clearRow"
                               << "j1||j3" << 2;
    QTest::newRow("clear jump column") << 3 << 2 << 2 << "clearCol"
                                       << "||" << 2;
}

void TestTableCommands::postRows() {
    QFETCH(int, rows);
    QFETCH(int, cursorRow);
    QFETCH(int, cursorCol);
    QFETCH(QString, command);
    ScriptedUi ui;
    Workbench bench(ui);
    PostTable& table = bench.Post().table;
    table.SetProgramRows(rows);
    for (int row = 1; row <= rows; ++row) {
        table.SetCell(PostTable::ColJump, row, QStringLiteral("j%1").arg(row));
        table.SetCode(row, QStringLiteral("2"));
    }
    table.SetCursor(cursorCol, cursorRow);
    if (command == u"insert") {
        TableCommands::InsertRow(bench);
    } else if (command == u"delete") {
        TableCommands::DeleteRow(bench);
    } else if (command == u"append") {
        TableCommands::AppendRow(bench);
    } else if (command == u"clearRow") {
        TableCommands::ClearRow(bench);
        QCOMPARE(table.Code(cursorRow), QStringLiteral("0"));  // no command
    } else {
        TableCommands::ClearColumn(bench);
    }
    QTEST(Jumps(table), "jumps");
    QVERIFY(NumbersStand(table));
    QTEST(table.Row(), "cursorAfter");
    QVERIFY(bench.Post().Modified());
    QCOMPARE(ui.beeps, 0);
}

void TestTableCommands::deletingTheOnlyRowBeepsButMarksModified() {
    ScriptedUi ui;
    Workbench bench(ui);
    PostTable& table = bench.Post().table;
    table.SetProgramRows(1);
    table.SetCursor(1, 1);
    TableCommands::DeleteRow(bench);
    QCOMPARE(ui.beeps, 1);
    QCOMPARE(table.ProgramRows(), 1);
    QCOMPARE(bench.StatusText(Workbench::PanelModified), QStringLiteral("Изменен"));

    // Clearing the command column takes every command away.
    table.SetProgramRows(3);
    table.SetCode(2, QStringLiteral("6"));
    table.SetCursor(PostTable::ColCommand, 1);
    TableCommands::ClearColumn(bench);
    QCOMPARE(table.Code(2), QStringLiteral("0"));
}

void TestTableCommands::clearingTheTableBreaksAPausedRun() {
    ScriptedUi ui;
    Workbench bench(ui);
    PostMachine& post = bench.Post();
    post.table.SetProgramRows(14);
    post.table.SetCode(1, QStringLiteral("2"));
    post.table.SetCell(PostTable::ColJump, 1, QStringLiteral("1"));
    bench.RunControl().Run();
    bench.RunControl().PostRunTick();
    bench.RunControl().Pause();
    const QString step = bench.StatusText(Workbench::PanelStep);
    TableCommands::ClearTable(bench);
    QCOMPARE(bench.RunControl().State(), RunController::RunState::Idle);
    QCOMPARE(bench.StatusText(Workbench::PanelStep), step);
    QCOMPARE(post.table.ProgramRows(), 10);
    QCOMPARE(post.table.Code(1), QStringLiteral("0"));
    QVERIFY(NumbersStand(post.table));
    QVERIFY(!bench.RunControl().EditedSinceStart(post));
}

QTEST_GUILESS_MAIN(TestTableCommands)
#include "test_table_commands.moc"
