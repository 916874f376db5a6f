// Program shapes: which programs count as the same up to renaming rows and
// states, and which documents of a class FindSimilar groups or pairs.

#include <QtTest>

#include "core/checking/ProgramShape.h"
#include "core/port/ScriptedUi.h"
#include "core/workbench/Workbench.h"

namespace {

// Rows as "code:jump|code:jump|...". A `decorated` program also has
// comments, a task statement and marks on its tape, none of which counts.
ProgramShape PostOf(const QString& program, bool decorated = false) {
    ScriptedUi ui;
    Workbench bench(ui);
    PostTable& table = bench.Post().table;
    const QStringList rows = program.split(u'|');
    table.SetProgramRows(std::max(int(rows.size()), PostTable::InitialRows));
    for (int i = 0; i < rows.size(); ++i) {
        table.SetCode(i + 1, rows[i].section(u':', 0, 0));
        table.SetCell(PostTable::ColJump, i + 1, rows[i].section(u':', 1));
        if (decorated) {
            table.SetCell(PostTable::ColComment, i + 1, QStringLiteral("copied"));
        }
    }
    if (decorated) {
        bench.Post().SetStatement(QStringLiteral("another task"));
        bench.Post().tape.SetPostCell(3, true);
    }
    return PostShape(table);
}

// "alphabet=column|column|...", each column's cells comma-separated in the
// order of the rows: the alphabet as typed, then the blank.
ProgramShape TuringOf(const QString& program, bool decorated = false) {
    ScriptedUi ui;
    Workbench bench(ui);
    bench.SetKind(MachineKind::Turing);
    TuringMachine& turing = bench.Turing();
    turing.EditAlphabetText(program.section(u'=', 0, 0));
    turing.RebuildAlphabet();
    const QStringList columns = program.section(u'=', 1).split(u'|');
    while (turing.table.StateCount() < columns.size()) {
        turing.table.AppendStateColumn();
    }
    for (int col = 0; col < columns.size(); ++col) {
        const QStringList cells = columns[col].split(u',');
        for (int row = 0; row < cells.size(); ++row) {
            turing.table.SetCell(col + 1, row + 1, cells[row]);
        }
    }
    if (decorated) {
        turing.SetComments(QStringLiteral("copied"));
        turing.SetStatement(QStringLiteral("another task"));
        turing.tape.SetTuringCell(2, turing.Alphabet().isEmpty() ? u' ' : turing.Alphabet()[0]);
    }
    return TuringShape(turing);
}

// n commands in a row: moves right from row to row, the rows in `left`
// moving left instead, and a stop at the end.
QString Chain(int n, const QList<int>& left = {}) {
    QStringList rows;
    for (int row = 1; row < n; ++row) {
        rows.append(QStringLiteral("%1:%2").arg(left.contains(row) ? 1 : 2).arg(row + 1));
    }
    rows.append(QStringLiteral("6:"));
    return rows.join(u'|');
}

const QString kIncrement = QStringLiteral("2:2|5:3,1|3:4|6:");

}  // namespace

class TestProgramShape : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void equalUpToRenaming_data();
    void equalUpToRenaming();
    void findSimilar_data();
    void findSimilar();
};

void TestProgramShape::equalUpToRenaming_data() {
    QTest::addColumn<bool>("turing");
    QTest::addColumn<QString>("program");
    QTest::addColumn<QString>("other");
    QTest::addColumn<int>("differing");  // 0: the same

    const QString walk = QStringLiteral("1=1>0,1<1|1<1,_>2|1!2,");
    QTest::newRow("turing: columns permuted")
        << true << walk << QStringLiteral("1=1>0,1<2|1!1,|1<2,_>1") << 0;
    QTest::newRow("turing: alphabet typed in another order")
        << true << QStringLiteral("ab=b>0,a>0,_!0") << QStringLiteral("ba=a>0,b>0,_!0") << 0;
    QTest::newRow("turing: a state nothing reaches")
        << true << walk << walk + QStringLiteral("|1>3,1<0") << 0;
    QTest::newRow("turing: a stop names any state")
        << true << QStringLiteral("1=1!0,1>0") << QStringLiteral("1=1!4,1>0") << 0;
    QTest::newRow("turing: an empty state is a missing one")
        << true << QStringLiteral("1=1>1,1!0") << QStringLiteral("1=1>9,1!0") << 0;
    QTest::newRow("turing: a changed move")
        << true << walk << QStringLiteral("1=1>0,1<1|1<1,_<2|1!2,") << 1;
    QTest::newRow("turing: symbols are not renamed")
        << true << QStringLiteral("ab=b>0,a>0,_!0") << QStringLiteral("xy=y>0,x>0,_!0") << 4;
    QTest::newRow("turing: unreadable cells keep their text")
        << true << QStringLiteral("1=zz,1!0") << QStringLiteral("1=zq,1!0") << 1;

    QTest::newRow("post: rows permuted")
        << false << kIncrement << QStringLiteral("2:4|6:|3:2|5:3,1") << 0;
    QTest::newRow("post: rows nothing reaches")
        << false << kIncrement << kIncrement + QStringLiteral("|1:1|:|3:5") << 0;
    QTest::newRow("post: an empty row is outside")
        << false << QStringLiteral("2:5|6:") << QStringLiteral("2:99|6:") << 0;
    QTest::newRow("post: a move reads one target")
        << false << QStringLiteral("2:2,3|6:|1:1") << QStringLiteral("2:2|6:") << 0;
    QTest::newRow("post: jump targets swapped")
        << false << kIncrement << QStringLiteral("2:2|5:1,3|3:4|6:") << 1;
    QTest::newRow("post: a changed operation")
        << false << kIncrement << QStringLiteral("2:2|5:3,1|4:4|6:") << 1;
    QTest::newRow("post: a command more")
        << false << kIncrement << QStringLiteral("2:2|5:3,1|3:5|6:|2:4") << 2;
    QTest::newRow("post: no jump is not a bad jump")
        << false << QStringLiteral("2:") << QStringLiteral("2:x") << 1;
}

void TestProgramShape::equalUpToRenaming() {
    QFETCH(bool, turing);
    QFETCH(QString, program);
    QFETCH(QString, other);
    QFETCH(int, differing);
    const ProgramShape a = turing ? TuringOf(program) : PostOf(program);
    const ProgramShape b = turing ? TuringOf(other, true) : PostOf(other, true);
    QVERIFY(a.Count() > 0);
    if (differing == 0) {
        QCOMPARE(b.Text(), a.Text());
        QCOMPARE(b.Hash(), a.Hash());
    }
    QCOMPARE(a == b, differing == 0);
    QCOMPARE(CommandsDiffering(a, b), differing);
    QCOMPARE(CommandsDiffering(b, a), differing);
}

void TestProgramShape::findSimilar_data() {
    QTest::addColumn<QStringList>("programs");  // Post programs, "-" for an unreadable document
    QTest::addColumn<QString>("same");
    QTest::addColumn<QString>("close");

    QTest::newRow("copies grouped, unreadable skipped")
        << QStringList{kIncrement, "-", "2:4|6:|3:2|5:3,1", "2:2|1:1", kIncrement} << "0,2,4"
        << "";
    QTest::newRow("empty programs never match") << QStringList{"", "", ":5|6:", "-", "-"} << ""
                                                << "";
    QTest::newRow("one of ten is close") << QStringList{Chain(10), Chain(10, {5})} << ""
                                         << "0-1:1/10";
    QTest::newRow("two of ten are not") << QStringList{Chain(10), Chain(10, {5, 7})} << ""
                                        << "";
    QTest::newRow("a group stands as its first")
        << QStringList{Chain(10, {5}), Chain(10), Chain(10)} << "1,2"
        << "0-1:1/10";
    QTest::newRow("commands only one has") << QStringList{Chain(21), Chain(20)} << ""
                                           << "0-1:2/21";
}

void TestProgramShape::findSimilar() {
    QFETCH(QStringList, programs);
    std::vector<std::optional<ProgramShape>> shapes;
    for (const QString& program : programs) {
        shapes.push_back(program == u"-" ? std::nullopt : std::optional(PostOf(program)));
    }
    const SimilarPrograms similar = FindSimilar(shapes);
    QStringList groups;
    for (const std::vector<int>& group : similar.same) {
        QStringList indices;
        for (int i : group) {
            indices.append(QString::number(i));
        }
        groups.append(indices.join(u','));
    }
    QStringList pairs;
    for (const SimilarPrograms::Close& pair : similar.close) {
        pairs.append(QStringLiteral("%1-%2:%3/%4")
                         .arg(pair.first)
                         .arg(pair.second)
                         .arg(pair.differing)
                         .arg(pair.commands));
    }
    QTEST(groups.join(u' '), "same");
    QTEST(pairs.join(u' '), "close");
}

QTEST_GUILESS_MAIN(TestProgramShape)
#include "test_program_shape.moc"
