// The picture of a program as a graph: which nodes and arrows each machine's
// program makes, how arrows merge, where the stop and error nodes come from,
// which cells are left out and listed, and the shape key a view lays out by;
// the sizes counted without building match the pictures built.

#include <QtTest>

#include "core/diagram/ProgramDiagram.h"
#include "core/port/ScriptedUi.h"
#include "core/workbench/Workbench.h"

namespace {

// Post rows "code:jump" separated by "|", from row 1.
void PostProgram(Workbench& bench, const QString& rows) {
    PostTable& table = bench.Post().table;
    const QStringList list = rows.split(u'|', Qt::SkipEmptyParts);
    for (int i = 0; i < list.size(); ++i) {
        table.SetCode(i + 1, list[i].section(u':', 0, 0));
        table.SetCell(PostTable::ColJump, i + 1, list[i].section(u':', 1));
    }
}

// The Turing alphabet, then commands "row:state=command" separated by
// blanks, where row is a symbol or "_" for the blank row. An alphabet
// "rows|alphabet" builds the rows of the first and then takes the second
// as a damaged document may, the rows left as they are.
void TuringProgram(Workbench& bench, const QString& alphabet, const QString& commands) {
    TuringMachine& turing = bench.Turing();
    turing.EditAlphabetText(alphabet.section(u'|', 0, 0));
    turing.RebuildAlphabet();
    for (const QString& c : commands.split(u' ', Qt::SkipEmptyParts)) {
        const QChar symbol = c.front();
        const int state = c.section(u':', 1).section(u'=', 0, 0).toInt();
        const int row = *turing.RowOfSymbol(symbol == u'_' ? QChar(u' ') : symbol);
        turing.table.SetCell(state + 1, row, c.section(u'=', 1));
    }
    if (alphabet.contains(u'|')) {
        turing.LoadAlphabet(alphabet.section(u'|', 1));
    }
}

// Nodes as "kind id@position label" (S state, R row, T stop, E error),
// arrows as "from>to lines", problems as their texts; "; " between items.
QStringList Describe(const ProgramDiagram& diagram) {
    QStringList nodes;
    for (const DiagramNode& node : diagram.nodes) {
        const int position = diagram.machine == MachineKind::Post ? node.tableRow : node.tableCol;
        nodes.append(QString(QStringLiteral("SRTE")[int(node.kind)]) + node.id + u'@' +
                     QString::number(position) + u' ' + node.lines.join(u'/'));
    }
    QStringList edges;
    for (const DiagramEdge& edge : diagram.edges) {
        QString text = diagram.nodes[std::size_t(edge.from)].id + u'>' +
                       diagram.nodes[std::size_t(edge.to)].id;
        if (!edge.lines.isEmpty()) {
            text += u' ' + edge.lines.join(u'/');
        }
        edges.append(text);
    }
    QStringList problems;
    for (const DiagramProblem& problem : diagram.problems) {
        problems.append(problem.text);
    }
    return {nodes.join(QStringLiteral("; ")), edges.join(QStringLiteral("; ")),
            problems.join(QStringLiteral("; "))};
}

}  // namespace

class TestProgramDiagram : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void postPrograms_data();
    void postPrograms();
    void turingPrograms_data();
    void turingPrograms();
    void lookupsAndShapeKey();
};

void TestProgramDiagram::postPrograms_data() {
    QTest::addColumn<QString>("rows");
    QTest::addColumn<QString>("nodes");
    QTest::addColumn<QString>("edges");
    QTest::addColumn<QString>("problems");
    QTest::newRow("empty program") << ""
                                   << ""
                                   << ""
                                   << "";
    QTest::newRow("add one") << "2:2|5:3,1|3:4|6:"
                             << "R1@1 1: →; R2@2 2: ? 3, 1; R3@3 3: ✓; T4@4 4: !"
                             << "1>2; 2>3 нет метки; 2>1 есть метка; 3>4"
                             << "";
    QTest::newRow("both ways to one row, read as a run reads them")
        << "1: $2 |5:2,2|4:1,3|6:"
        << "R1@1 1: ←; R2@2 2: ? 2, 2; R3@3 3: ↕; T4@4 4: !"
        << "1>2; 2>2 нет метки/есть метка; 3>1"
        << "";
    QTest::newRow("jumps to rows without a command or outside the program")
        << "1:7|5:0,12|6:"
        << "E0@-1 0: нет строки; R1@1 1: ←; R2@2 2: ? 0, 12; T3@3 3: !; E7@7 7: нет команды; "
           "E12@-1 12: нет строки"
        << "1>7; 2>0 нет метки; 2>12 есть метка"
        << "";
    QTest::newRow("jump fields a run refuses")
        << "1:|2:x|5:4|0:1|9:1"
        << "R1@1 1: ←; R2@2 2: →; R3@3 3: ?; E4@4 4: нет команды; R5@5 5: код «9»"
        << "5>1"
        << "Строка 1: не указан номер отсылки; Строка 2: «x» — неверно указан номер отсылки; "
           "Строка 3: «4» — неверно указан номер отсылки";
}

void TestProgramDiagram::postPrograms() {
    QFETCH(QString, rows);
    ScriptedUi ui;
    Workbench bench(ui);
    PostProgram(bench, rows);
    const ProgramDiagram diagram = BuildPostDiagram(bench.Post().table);
    const QStringList described = Describe(diagram);
    // Counted without building, the picture has as many nodes and arrows.
    const DiagramSize size = PostDiagramSize(bench.Post().table);
    QCOMPARE(size.nodes, qint64(diagram.nodes.size()));
    QCOMPARE(size.edges, qint64(diagram.edges.size()));
    QTEST(described[0], "nodes");
    QTEST(described[1], "edges");
    QTEST(described[2], "problems");
}

void TestProgramDiagram::turingPrograms_data() {
    QTest::addColumn<QString>("alphabet");
    QTest::addColumn<QString>("commands");
    QTest::addColumn<QString>("states");
    QTest::addColumn<QString>("edges");
    QTest::addColumn<QString>("problems");
    QTest::newRow("empty table: Q0 alone") << ""
                                           << ""
                                           << "Q0"
                                           << ""
                                           << "";
    QTest::newRow("binary increment: a stop node, cells merged per pair of states")
        << "01"
        << "0:0=0>0 1:0=1>0 _:0=_<1 0:1=1!1 1:1=0<1 _:1=1!1"
        << "Q0 Q1 stop"
        << "Q0>Q0 0 → 0, >/1 → 1, >; Q0>Q1 _ → _, <; Q1>stop 0 → 1, !/_ → 1, !; "
           "Q1>Q1 1 → 0, <"
        << "";
    QTest::newRow("a state reached without commands, one with commands, no loose states")
        << "ab"
        << "a:0=a>3 b:2=b<2"
        << "Q0 Q2 Q3"
        << "Q0>Q3 a → a, >; Q2>Q2 b → b, <"
        << "";
    QTest::newRow("cells a run or the cell check refuses are left out")
        << "ab"
        << "a:0=x>1 b:0=b>9 _:0=a?1 a:1=a!7 b:1=ab _:1=b<0 a:2=>2"
        << "Q0 Q1 Q2"
        << "Q1>Q0 _ → b, <"
        << "Q0, a: «x>1» — символа «x» нет в алфавите; "
           "Q0, b: «b>9» — состояние Q9 отсутствует; "
           "Q0, _: «a?1» — неверная запись команды; "
           "Q1, a: «a!7» — состояние Q7 отсутствует; "
           "Q1, b: «ab» — неверная запись команды; "
           "Q2, a: «>2» — неверная запись команды";
    QTest::newRow("a row of a damaged document that no symbol reads")
        << "ab|a"
        << "a:0=a>1 b:0=b>0 _:1=a!1"
        << "Q0 Q1 stop"
        << "Q0>Q1 a → a, >; Q1>stop _ → a, !"
        << "Q0, строка «b»: «b>0» — строка не относится к символу алфавита";
}

void TestProgramDiagram::turingPrograms() {
    QFETCH(QString, alphabet);
    QFETCH(QString, commands);
    ScriptedUi ui;
    Workbench bench(ui);
    TuringProgram(bench, alphabet, commands);
    const ProgramDiagram diagram = BuildTuringDiagram(bench.Turing());
    const QStringList described = Describe(diagram);
    const DiagramSize size = TuringDiagramSize(bench.Turing());
    QCOMPARE(size.nodes, qint64(diagram.nodes.size()));
    QCOMPARE(size.edges, qint64(diagram.edges.size()));
    // A state is drawn when it is Q0, holds a command or a drawn command
    // goes to it, each at its own column; the stop node when a command
    // stops.
    QFETCH(QString, states);
    QStringList nodes;
    for (const QString& id : states.split(u' ')) {
        nodes.append(id == u"stop"
                         ? QStringLiteral("Tstop@-1 стоп")
                         : QStringLiteral("S%1@%2 %1").arg(id).arg(id.mid(1).toInt() + 1));
    }
    QCOMPARE(described[0], nodes.join(QStringLiteral("; ")));
    for (std::size_t i = 0; i < diagram.nodes.size(); ++i) {
        const int state = diagram.nodes[i].tableCol - 1;
        QCOMPARE(diagram.NodeOfState(state), state >= 0 ? int(i) : -1);
    }
    QTEST(described[1], "edges");
    QTEST(described[2], "problems");
}

// A view finds the node of the running state or row and the arrow of the
// cell or branch that ran, and lays out again only when the shape changed.
void TestProgramDiagram::lookupsAndShapeKey() {
    ScriptedUi ui;
    Workbench bench(ui);
    PostTable& table = bench.Post().table;
    PostProgram(bench, QStringLiteral("2:2|5:3,1|3:4|6:"));
    const ProgramDiagram post = BuildPostDiagram(table);
    QCOMPARE(post.NodeOfRow(3), 2);
    QCOMPARE(post.NodeOfRow(5), -1);
    QCOMPARE(post.EdgeOfCell(PostTable::ColJump, 2, DiagramBranch::Mark), 2);
    QCOMPARE(post.EdgeOfCell(PostTable::ColJump, 2, DiagramBranch::NoMark), 1);
    QCOMPARE(post.EdgeOfCell(PostTable::ColJump, 2), -1);

    // Another command with the same jump keeps the shape; another target
    // changes it.
    table.SetCode(3, QStringLiteral("4"));
    QCOMPARE(BuildPostDiagram(table).ShapeKey(), post.ShapeKey());
    table.SetCell(PostTable::ColJump, 3, QStringLiteral("1"));
    QVERIFY(BuildPostDiagram(table).ShapeKey() != post.ShapeKey());

    TuringProgram(bench, QStringLiteral("01"), QStringLiteral("0:0=0>1"));
    TuringMachine& turing = bench.Turing();
    const ProgramDiagram one = BuildTuringDiagram(turing);
    QCOMPARE(one.NodeOfState(1), 1);
    QCOMPARE(one.NodeOfState(5), -1);
    QCOMPARE(one.EdgeOfCell(1, 1), 0);
    turing.table.SetCell(1, 1, QStringLiteral("1<1"));
    QCOMPARE(BuildTuringDiagram(turing).ShapeKey(), one.ShapeKey());
    // A second command on the same arrow adds a label line to lay out.
    turing.table.SetCell(1, 2, QStringLiteral("1<1"));
    const ProgramDiagram two = BuildTuringDiagram(turing);
    QCOMPARE(two.edges.size(), std::size_t(1));
    QVERIFY(two.ShapeKey() != one.ShapeKey());
    QCOMPARE(two.EdgeOfCell(1, 2), 0);
}

QTEST_GUILESS_MAIN(TestProgramDiagram)
#include "test_program_diagram.moc"
