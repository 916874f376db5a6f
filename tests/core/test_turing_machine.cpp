// The Turing machine's model: the alphabet rebuild, the cell check, the
// command syntax the interpreter reads and the column commands, each with
// the flags they must leave.

#include <QtTest>

#include "core/port/ScriptedUi.h"
#include "core/run/RunController.h"
#include "core/turing/TuringCommand.h"
#include "core/turing/TuringMachine.h"
#include "core/workbench/Workbench.h"

namespace {

// A row as "label|Q0|Q1|...", trailing empty commands left out.
QString DescribeRow(const TuringTable& table, int row) {
    QStringList parts{table.Cell(0, row)};
    for (int col = 1; col < table.ColCount(); ++col) {
        parts.append(table.Cell(col, row));
    }
    while (parts.size() > 1 && parts.last().isEmpty()) {
        parts.removeLast();
    }
    return parts.join(u'|');
}

QStringList DescribeRows(const TuringTable& table) {
    QStringList rows;
    for (int row = 1; row < table.RowCount(); ++row) {
        rows.append(DescribeRow(table, row));
    }
    return rows;
}

QStringList Headers(const TuringTable& table) {
    QStringList headers;
    for (int col = 0; col < table.ColCount(); ++col) {
        headers.append(table.Cell(col, 0));
    }
    return headers;
}

// Puts rows written as DescribeRow writes them into the table as they are.
void FillRows(TuringTable& table, const QStringList& rows) {
    table.SetRowCount(int(rows.size()) + 1);
    for (int row = 1; row <= rows.size(); ++row) {
        const QStringList parts = rows[row - 1].split(u'|');
        for (int col = 0; col < table.ColCount(); ++col) {
            table.SetCell(col, row, col < parts.size() ? parts[col] : QString());
        }
    }
}

struct Bench {
    ScriptedUi ui;
    Workbench bench{ui};
    TuringMachine& machine = bench.Turing();
    Bench() { bench.SetKind(MachineKind::Turing); }
};

}  // namespace

class TestTuringMachine : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void decodedCellsFollowTheTable_data();
    void decodedCellsFollowTheTable();
    void startState();
    void alphabetRebuild_data();
    void alphabetRebuild();
    void rebuildKeepsEveryBlankCommandOfAWideTable();
    void addSymbolAndClearAlphabet();
    void editorChangeFlagsOnlyTheTuringMachine();
    void cellCheck_data();
    void cellCheck();
    void interpreterParse_data();
    void interpreterParse();
    void rowOfSymbol();
    void columnCommands_data();
    void columnCommands();
};

void TestTuringMachine::startState() {
    Bench b;
    const TuringTable& table = b.machine.table;
    QCOMPARE(table.ColCount(), 6);
    QCOMPARE(table.RowCount(), 2);
    QCOMPARE(Headers(table), (QStringList{"", "Q0", "Q1", "Q2", "Q3", "Q4"}));
    QCOMPARE(DescribeRows(table), QStringList{"Пробел"});
    QCOMPARE(b.machine.Alphabet(), QString());
    QCOMPARE(b.machine.Comments(), QStringLiteral("Комментарий:"));
    QCOMPARE(b.machine.Statement(), QStringLiteral("Условие задачи:"));
    QCOMPARE(b.machine.currentTapeSymbol, QStringLiteral("нет"));
    QCOMPARE(b.machine.SplitterPos(), 435);
    QVERIFY(!b.machine.Modified());
}

void TestTuringMachine::alphabetRebuild_data() {
    QTest::addColumn<QStringList>("rows");   // the table before, as it stands
    QTest::addColumn<QStringList>("edits");  // editor texts, each followed by a rebuild
    QTest::addColumn<QString>("text");       // the editor text afterwards
    QTest::addColumn<QString>("alphabet");
    QTest::addColumn<QStringList>("after");
    using L = QStringList;
    // clang-format off
    QTest::newRow("empty text keeps the blank row's commands") << L{"Пробел|_>1|_<0"} << L{""} << "" << "" << L{"Пробел|_>1|_<0"};
    QTest::newRow("repeat dropped, spaces kept") << L{"Пробел"} << L{"1 0 1"} << "1 0 " << "10" << L{"1", "0", "Пробел"};
    QTest::newRow("underscores dropped") << L{"Пробел"} << L{"_a_b"} << "ab" << "ab" << L{"a", "b", "Пробел"};
    QTest::newRow("commands travel with their symbols") << L{"1|1>1", "0|0>0", "Пробел|_!0"} << L{"0 1 a"} << "0 1 a" << "01a" << L{"0|0>0", "1|1>1", "a", "Пробел|_!0"};
    QTest::newRow("removed and added back starts empty") << L{"1|1>1", "0|0>0", "Пробел|_!0"} << L{"0", "01"} << "01" << "01" << L{"0|0>0", "1", "Пробел|_!0"};
    QTest::newRow("cyrillic letters are symbols") << L{"Пробел"} << L{"абв"} << "абв" << "абв" << L{"а", "б", "в", "Пробел"};
    QTest::newRow("no blank row: an empty one is added") << L{"a|x>0"} << L{"a"} << "a" << "a" << L{"a|x>0", "Пробел"};
    QTest::newRow("the last blank row's commands are kept") << L{"Пробел|_>0", "a|a>1", "Пробел||_<2"} << L{"a"} << "a" << "a" << L{"a|a>1", "Пробел||_<2"};
    QTest::newRow("a repeated label keeps its first row") << L{"a|a>1", "a|a>2", "Пробел"} << L{"a"} << "a" << "a" << L{"a|a>1", "Пробел"};
    QTest::newRow("empty and long labels go") << L{"ab|x", "|y", "b|b>0", "Пробел|z"} << L{"b"} << "b" << "b" << L{"b|b>0", "Пробел|z"};
    // clang-format on
}

void TestTuringMachine::alphabetRebuild() {
    QFETCH(QStringList, rows);
    QFETCH(QStringList, edits);
    Bench b;
    FillRows(b.machine.table, rows);
    for (const QString& text : edits) {
        b.machine.EditAlphabetText(text);
        b.machine.RebuildAlphabet();
    }
    QTEST(b.machine.AlphabetText(), "text");
    QTEST(b.machine.Alphabet(), "alphabet");
    QTEST(DescribeRows(b.machine.table), "after");
    QCOMPARE(Headers(b.machine.table).mid(1), (QStringList{"Q0", "Q1", "Q2", "Q3", "Q4"}));
}

void TestTuringMachine::rebuildKeepsEveryBlankCommandOfAWideTable() {
    Bench b;
    TuringTable& table = b.machine.table;
    table.SetColCount(1201);
    table.SetCell(1, 1, "_>1");
    table.SetCell(1150, 1, "_<1149");
    table.SetCell(1200, 1, "_!0");
    b.machine.EditAlphabetText("ab");
    b.machine.RebuildAlphabet();
    QCOMPARE(table.RowCount(), 4);
    QCOMPARE(table.Cell(0, 3), QStringLiteral("Пробел"));
    QCOMPARE(table.Cell(1, 3), QStringLiteral("_>1"));
    QCOMPARE(table.Cell(1150, 3), QStringLiteral("_<1149"));
    QCOMPARE(table.Cell(1200, 3), QStringLiteral("_!0"));
}

void TestTuringMachine::addSymbolAndClearAlphabet() {
    Bench b;
    TuringMachine& m = b.machine;
    FillRows(m.table, {"Пробел|_>0"});
    QVERIFY(m.AddSymbol(u'a'));
    QVERIFY(m.AddSymbol(u'б'));
    QVERIFY(!m.AddSymbol(u'a'));
    QVERIFY(!m.AddSymbol(u' '));
    QVERIFY(!m.AddSymbol(u'_'));
    QCOMPARE(m.AlphabetText(), QStringLiteral(" a б"));
    QCOMPARE(m.Alphabet(), QStringLiteral("aб"));
    QCOMPARE(DescribeRows(m.table), (QStringList{"a", "б", "Пробел|_>0"}));
    QVERIFY(m.Modified());

    m.table.SetCell(1, 1, "a>1");
    b.bench.SetModified(false);
    b.bench.RunControl().Run();
    b.bench.RunControl().Pause();
    m.ClearAlphabet();
    QCOMPARE(m.AlphabetText(), QString());
    QCOMPARE(m.Alphabet(), QString());
    QCOMPARE(DescribeRows(m.table), QStringList{"Пробел|_>0"});
    QVERIFY(m.Modified());
    QVERIFY(b.bench.RunControl().EditedSinceStart(m));
}

void TestTuringMachine::editorChangeFlagsOnlyTheTuringMachine() {
    Bench b;
    TuringMachine& m = b.machine;
    m.EditAlphabetText("a");
    QVERIFY(m.Modified());
    QVERIFY(!b.bench.RunControl().EditedSinceStart(m));
    QCOMPARE(b.bench.StatusText(Workbench::PanelModified), QStringLiteral("Изменен"));
    QVERIFY(!b.bench.Post().Modified());
    // The table follows at the rebuild, not before.
    QCOMPARE(m.table.RowCount(), 2);

    b.bench.RunControl().Run();
    b.bench.RunControl().Pause();
    m.EditAlphabetText("ab");
    QVERIFY(b.bench.RunControl().EditedSinceStart(m));
    QVERIFY(!b.bench.RunControl().EditedSinceStart(b.bench.Post()));

    // A rebuild that changes nothing is no edit.
    m.RebuildAlphabet();
    b.bench.SetModified(false);
    m.RebuildAlphabet();
    QVERIFY(!m.Modified());
}

void TestTuringMachine::cellCheck_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("stored");
    QTest::addColumn<bool>("modified");
    const struct {
        const char* name;
        const char* typed;
        const char* stored;  // empty: rejected, which flags nothing
    } cases[] = {
        // clang-format off
        {"spaces removed", "1 > 2", "1>2"},
        {"left-out blank supplied", ">3", "_>3"},
        {"blank always accepted", "_<0", "_<0"},
        {"stop command", "1!0", "1!0"},
        {"unchanged valid command still flags", "a<1", "a<1"},
        {"controls trimmed, zeros kept", "\t 1 < 0 0 7\r", "1<007"},
        {"hex state", "1>$1F", "1>$1F"},
        {"negative state", ">-1", "_>-1"},
        {"state past the table", "1>99", "1>99"},
        {"symbol only", "1", ""},
        {"symbol and move", "1>", ""},
        {"move only", ">", ""},
        {"no move", "1x2", ""},
        {"symbol outside the alphabet", "x>1", ""},
        {"state not a number", "1>2x", ""},
        {"state beyond 32 bits", "1>4294967296", ""},
        {"blanks only", "   ", ""},
        {"empty stays empty", "", ""},
        // clang-format on
    };
    for (const auto& c : cases) {
        QTest::newRow(c.name) << QString(c.typed) << QString(c.stored) << (*c.stored != 0);
    }
}

void TestTuringMachine::cellCheck() {
    QFETCH(QString, typed);
    Bench b;
    b.machine.EditAlphabetText("1 0 a");
    b.machine.RebuildAlphabet();
    b.bench.SetModified(false);
    b.machine.table.SetCursor(2, 3);
    b.machine.table.SetCell(2, 3, typed);
    b.machine.CheckCell();
    QTEST(b.machine.table.Cell(2, 3), "stored");
    QTEST(b.machine.Modified(), "modified");
}

void TestTuringMachine::interpreterParse_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("parsed");  // write, move, state; empty: rejected
    QTest::newRow("plain") << "1>2"
                           << "1 > 2";
    QTest::newRow("move unchecked") << "1?5"
                                    << "1 ? 5";
    QTest::newRow("hex") << "_!$A"
                         << "_ ! 10";
    QTest::newRow("one character") << "1"
                                   << "";
    QTest::newRow("no state") << "1>"
                              << "";
    QTest::newRow("blank before state") << "1> 2"
                                        << "";
}

void TestTuringMachine::interpreterParse() {
    QFETCH(QString, text);
    const std::optional<TuringCommand> c = ParseTuringCommand(text);
    QTEST(c ? QStringLiteral("%1 %2 %3").arg(c->write).arg(c->move).arg(c->nextState) : QString(),
          "parsed");
}

void TestTuringMachine::rowOfSymbol() {
    Bench b;
    b.machine.EditAlphabetText("a b");
    b.machine.RebuildAlphabet();
    QCOMPARE(b.machine.RowOfSymbol(u' '), std::optional<int>(3));
    QCOMPARE(b.machine.RowOfSymbol(u'a'), std::optional<int>(1));
    QCOMPARE(b.machine.RowOfSymbol(u'b'), std::optional<int>(2));
    QCOMPARE(b.machine.RowOfSymbol(u'c'), std::nullopt);
    QCOMPARE(b.machine.RowOfSymbol(u'_'), std::nullopt);
}

void TestTuringMachine::columnCommands_data() {
    QTest::addColumn<QString>("command");
    QTest::addColumn<int>("states");  // state columns before
    QTest::addColumn<int>("col");     // the cursor's column
    QTest::addColumn<QString>("row1");
    QTest::addColumn<int>("cursorAfter");
    QTest::addColumn<bool>("edited");
    QTest::addColumn<int>("beeps");
    // Row 1 starts as "a|a>0|a>1|..." so each command's moves can be seen.
    // clang-format off
    QTest::newRow("insert at Q1") << "insert" << 5 << 2 << "a|a>0||a>1|a>2|a>3|a>4" << 2 << true << 0;
    QTest::newRow("insert at Q0") << "insert" << 5 << 1 << "a||a>0|a>1|a>2|a>3|a>4" << 1 << true << 0;
    QTest::newRow("delete Q1") << "delete" << 5 << 2 << "a|a>0|a>2|a>3|a>4" << 2 << true << 0;
    QTest::newRow("delete the last column") << "delete" << 5 << 5 << "a|a>0|a>1|a>2|a>3" << 4 << true << 0;
    QTest::newRow("delete the only column beeps") << "delete" << 1 << 1 << "a|a>0" << 1 << true << 1;
    QTest::newRow("append") << "append" << 5 << 3 << "a|a>0|a>1|a>2|a>3|a>4" << 3 << true << 0;
    QTest::newRow("clear row") << "clearRow" << 5 << 3 << "a" << 3 << true << 0;
    QTest::newRow("clear column") << "clearCol" << 5 << 3 << "a|a>0|a>1||a>3|a>4" << 3 << true << 0;
    QTest::newRow("clear table of eight states") << "clearTable" << 8 << 7 << "a" << 5 << false << 0;
    // clang-format on
}

void TestTuringMachine::columnCommands() {
    QFETCH(QString, command);
    QFETCH(int, states);
    QFETCH(int, col);
    QFETCH(QString, row1);
    QFETCH(bool, edited);
    Bench b;
    TuringMachine& m = b.machine;
    TuringTable& table = m.table;
    m.EditAlphabetText("a");
    m.RebuildAlphabet();
    table.SetColCount(states + 1);
    table.WriteHeaders();
    for (int c = 1; c <= states; ++c) {
        table.SetCell(c, 1, QStringLiteral("a>%1").arg(c - 1));
    }
    table.SetCell(1, 2, "_!0");
    table.SetCursor(col, 1);
    m.SetSplitterPos(200);
    b.bench.SetModified(false);
    b.bench.RunControl().Run();
    b.bench.RunControl().Pause();

    if (command == "insert") {
        m.InsertColumn();
    } else if (command == "delete") {
        m.DeleteColumn();
    } else if (command == "append") {
        m.AppendColumn();
    } else if (command == "clearRow") {
        m.ClearRow();
    } else if (command == "clearCol") {
        m.ClearColumn();
    } else {
        m.ClearTable();
    }

    QCOMPARE(DescribeRow(table, 1), row1);
    QTEST(table.Col(), "cursorAfter");
    QStringList expectedHeaders{""};
    for (int c = 1; c < table.ColCount(); ++c) {
        expectedHeaders.append(QStringLiteral("Q%1").arg(c - 1));
    }
    QCOMPARE(Headers(table), expectedHeaders);
    QCOMPARE(table.Cell(0, 2), QStringLiteral("Пробел"));
    QVERIFY(m.Modified());
    QCOMPARE(b.bench.RunControl().EditedSinceStart(m), edited);
    QTEST(b.ui.beeps, "beeps");
    if (command == "clearTable") {
        QCOMPARE(table.ColCount(), 6);
        QCOMPARE(DescribeRow(table, 2), QStringLiteral("Пробел"));
        QCOMPARE(m.SplitterPos(), 435);
    }
}

QTEST_GUILESS_MAIN(TestTuringMachine)
// A step reads each cell decoded once and kept until the cell or the
// table's shape changes. After any mix of cell writes, column commands and
// alphabet rebuilds, every decoded cell must read as its text does.
void TestTuringMachine::decodedCellsFollowTheTable_data() {
    QTest::addColumn<int>("seed");
    for (int seed : {1, 2, 3, 4}) {
        QTest::addRow("seed %d", seed) << seed;
    }
}

void TestTuringMachine::decodedCellsFollowTheTable() {
    QFETCH(int, seed);
    Bench b;
    TuringMachine& m = b.machine;
    TuringTable& table = m.table;
    const QStringList texts = {"a>1", "_<0", "b!$2", "x", "", "1?", "a>-3"};
    const QStringList alphabets = {"a b", "b a c", "c", "a b c d", ""};
    QRandomGenerator random{quint32(seed)};
    for (int i = 0; i < 400; ++i) {
        switch (random.bounded(6)) {
            case 0:
            case 1:
                table.SetCell(1 + int(random.bounded(table.StateCount())),
                              1 + int(random.bounded(table.RowCount() - 1)),
                              texts[int(random.bounded(texts.size()))]);
                break;
            case 2:
                table.SetCursor(1 + int(random.bounded(table.StateCount())), 1);
                random.bounded(2) ? m.InsertColumn() : m.DeleteColumn();
                break;
            case 3:
                m.AppendColumn();
                break;
            case 4:
                m.EditAlphabetText(alphabets[int(random.bounded(alphabets.size()))]);
                m.RebuildAlphabet();
                break;
            default:
                m.AddSymbol(QChar(u"abcdef"[random.bounded(6)]));
                break;
        }
        // Read everything decoded after every change, so stale entries show.
        for (int state = 0; state < table.StateCount(); ++state) {
            for (int row = 1; row < table.RowCount(); ++row) {
                const DecodedTuringCell& cell = table.Decoded(state, row);
                const QString& text = table.Command(state, row);
                const std::optional<TuringCommand> command = ParseTuringCommand(text);
                const auto form = text.isEmpty() ? DecodedTuringCell::Form::Empty
                                  : command      ? DecodedTuringCell::Form::Command
                                                 : DecodedTuringCell::Form::Unreadable;
                QVERIFY2(cell.form == form,
                         qPrintable(QStringLiteral("change %1, Q%2 row %3 \"%4\"")
                                        .arg(i)
                                        .arg(state)
                                        .arg(row)
                                        .arg(text)));
                if (command) {
                    QCOMPARE(cell.write, command->write);
                    QCOMPARE(cell.move, command->move);
                    QCOMPARE(cell.next, command->nextState);
                }
            }
        }
        QCOMPARE(table.Decoded(table.StateCount(), 1).form, DecodedTuringCell::Form::Empty);
    }
}

#include "test_turing_machine.moc"
