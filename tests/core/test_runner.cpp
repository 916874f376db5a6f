// zebrin42-run as a teacher uses it: a process run on documents the test
// writes, checked through its text and JSON output and its exit status.

#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include "core/documents/PostFile.h"
#include "core/documents/TuringFile.h"
#include "core/port/ScriptedUi.h"
#include "core/workbench/Workbench.h"

namespace {

struct Finished {
    int exitCode = -1;
    QStringList out;
    QString err;
};

Finished RunProgram(const QString& program, const QStringList& arguments,
                    const QProcessEnvironment& environment) {
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(program, arguments);
    Finished f;
    if (!process.waitForFinished(60000)) {
        process.kill();
        return f;
    }
    f.exitCode = process.exitCode();
    f.out = QString::fromUtf8(process.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts);
    f.err = QString::fromUtf8(process.readAllStandardError());
    return f;
}

Finished RunRunner(const QStringList& arguments) {
    return RunProgram(QStringLiteral(ZEBRIN_RUN_EXE), arguments,
                      QProcessEnvironment::systemEnvironment());
}

// Rows "code:jump" separated by "|".
void WritePost(const QString& path, const QString& program, const QString& marks = QString()) {
    ScriptedUi ui;
    Workbench bench(ui);
    PostTable& table = bench.Post().table;
    const QStringList rows = program.split(u'|');
    for (int i = 0; i < rows.size(); ++i) {
        table.SetCode(i + 1, rows[i].section(u':', 0, 0));
        table.SetCell(PostTable::ColJump, i + 1, rows[i].section(u':', 1));
    }
    for (const QString& m : marks.split(u' ', Qt::SkipEmptyParts)) {
        bench.Post().tape.SetPostCell(m.toInt(), true);
    }
    QVERIFY(WritePostFile(bench, path));
}

// Binary increment: the carriage starts on the lowest digit.
void WriteBinaryIncrement(const QString& path) {
    ScriptedUi ui;
    Workbench bench(ui);
    bench.SetKind(MachineKind::Turing);
    TuringMachine& turing = bench.Turing();
    turing.EditAlphabetText(QStringLiteral("01"));
    turing.RebuildAlphabet();
    turing.table.SetCell(1, 1, QStringLiteral("1!0"));  // 0: write 1, stop
    turing.table.SetCell(1, 2, QStringLiteral("0<0"));  // 1: write 0, carry left
    turing.table.SetCell(1, 3, QStringLiteral("1!0"));  // blank: write 1, stop
    QVERIFY(WriteTuringFile(bench, path));
}

QJsonObject Json(const QString& line) {
    return QJsonDocument::fromJson(line.toUtf8()).object();
}

}  // namespace

class TestRunner : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void casesOfATextbookProgram();
    void outcomesAsJson_data();
    void outcomesAsJson();
    void saveRoundTrip();
    void jobsGiveTheSameResults();
    void usageErrors_data();
    void usageErrors();
    void helpAndVersionNeedNoDisplay_data();
    void helpAndVersionNeedNoDisplay();

private:
    QTemporaryDir dir_;
    QString Path(const QString& name) const { return dir_.filePath(name); }
};

void TestRunner::initTestCase() {
    QVERIFY(dir_.isValid());
    // Add one to a unary number, the carriage on its first mark.
    WritePost(Path(QStringLiteral("inc.pst")), QStringLiteral("2:2|5:3,1|3:4|6:"));
    WritePost(Path(QStringLiteral("empty-row.pst")), QStringLiteral("2:2|0:1"));
    WritePost(Path(QStringLiteral("loop.pst")), QStringLiteral("2:2|1:1"));
    WriteBinaryIncrement(Path(QStringLiteral("binary.dat")));  // the name says nothing
    QFile junk(Path(QStringLiteral("junk.pst")));
    QVERIFY(junk.open(QIODevice::WriteOnly));
    junk.write("not a document at all");
    junk.close();
    QFile cases(Path(QStringLiteral("inc.cases")));
    QVERIFY(cases.open(QIODevice::WriteOnly));
    cases.write("# unary increment\n1 => 11\n111 => 1111\n  1111111=>11111111  \n11 => 11\n");
    cases.close();
    QFile binary(Path(QStringLiteral("binary.cases")));
    QVERIFY(binary.open(QIODevice::WriteOnly));
    binary.write("--start 2 --carriage 5\n1011 => 1100\n0000 => 0001\n--carriage 4\n111 => 1000\n");
    binary.close();
}

void TestRunner::casesOfATextbookProgram() {
    const Finished inc = RunRunner({QStringLiteral("--cases"), Path(QStringLiteral("inc.cases")),
                                    Path(QStringLiteral("inc.pst"))});
    QCOMPARE(inc.exitCode, 1);
    QCOMPARE(inc.out.size(), 5);
    QCOMPARE(inc.out.last(), QStringLiteral("3 passed, 1 failed"));
    QVERIFY(inc.out[0].contains(QStringLiteral("passed")));
    QVERIFY(inc.out[3].contains(QStringLiteral("FAILED")));

    const Finished bin =
        RunRunner({QStringLiteral("--json"), QStringLiteral("--cases"),
                   Path(QStringLiteral("binary.cases")), Path(QStringLiteral("binary.dat"))});
    QCOMPARE(bin.exitCode, 0);
    QCOMPARE(bin.out.last(), QStringLiteral("3 passed, 0 failed"));
    const QJsonObject first = Json(bin.out[0]);
    QCOMPARE(first[QStringLiteral("machine")].toString(), QStringLiteral("turing"));
    QCOMPARE(first[QStringLiteral("case")].toInt(), 2);
    QCOMPARE(first[QStringLiteral("tape")].toString(), QStringLiteral("1100"));
    QCOMPARE(first[QStringLiteral("steps")].toInt(), 3);
    const QJsonObject third = Json(bin.out[2]);
    QCOMPARE(third[QStringLiteral("used_min")].toInt(), 1);
    QCOMPARE(third[QStringLiteral("tape")].toString(), QStringLiteral("1000"));
}

void TestRunner::outcomesAsJson_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("result");
    QTest::addColumn<int>("steps");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("status");
    QTest::addColumn<QString>("tape");
    QTest::newRow("stopped") << QStringList{QStringLiteral("--tape"), QStringLiteral("11"),
                                            QStringLiteral("inc.pst")}
                             << 0 << "stopped" << 6 << "Программа завершена!"
                             << "  -  программа завершена"
                             << "111";
    QTest::newRow("error") << QStringList{QStringLiteral("empty-row.pst")} << 1 << "error" << 2
                           << "Не указана команда!"
                           << "  -  ошибка:  не указана команда!"
                           << "";
    QTest::newRow("limit") << QStringList{QStringLiteral("--max-steps"), QStringLiteral("1000"),
                                          QStringLiteral("loop.pst")}
                           << 1 << "limit" << 1000 << ""
                           << "  -  перевод каретки вправо"
                           << "";
    QTest::newRow("unreadable") << QStringList{QStringLiteral("junk.pst")} << 2 << "unreadable" << 0
                                << "Файл не является файлом машины Поста или поврежден!"
                                << " Ошибка: файл не является файлом машины Поста или поврежден!"
                                << "";
}

void TestRunner::outcomesAsJson() {
    QFETCH(QStringList, arguments);
    arguments.last() = Path(arguments.last());
    arguments.prepend(QStringLiteral("--json"));
    const Finished f = RunRunner(arguments);
    QTEST(f.exitCode, "exitCode");
    QCOMPARE(f.out.size(), 1);
    const QJsonObject o = Json(f.out[0]);
    QTEST(o[QStringLiteral("result")].toString(), "result");
    QTEST(o[QStringLiteral("steps")].toInt(), "steps");
    QTEST(o[QStringLiteral("message")].toString(), "message");
    QTEST(o[QStringLiteral("status")].toString(), "status");
    QTEST(o[QStringLiteral("tape")].toString(), "tape");
    QVERIFY(o[QStringLiteral("case")].isNull());
}

void TestRunner::saveRoundTrip() {
    const QString saved = Path(QStringLiteral("after.pst"));
    const Finished first = RunRunner(
        {QStringLiteral("--tape"), QStringLiteral("1.1"), QStringLiteral("--carriage"),
         QStringLiteral("2"), QStringLiteral("--save"), saved, Path(QStringLiteral("inc.pst"))});
    QCOMPARE(first.exitCode, 0);
    // The saved machine runs on from its own tape: one more mark.
    const Finished second = RunRunner(
        {QStringLiteral("--json"), QStringLiteral("--carriage"), QStringLiteral("0"), saved});
    QCOMPARE(second.exitCode, 0);
    QCOMPARE(Json(second.out[0])[QStringLiteral("tape")].toString(), QStringLiteral("1111"));
}

void TestRunner::jobsGiveTheSameResults() {
    QStringList documents;
    for (int i = 0; i < 6; ++i) {
        documents << Path(QStringLiteral("inc.pst")) << Path(QStringLiteral("loop.pst"))
                  << Path(QStringLiteral("binary.dat"));
    }
    const QStringList common = {QStringLiteral("--json"), QStringLiteral("--max-steps"),
                                QStringLiteral("20000")};
    const Finished one =
        RunRunner(common + QStringList{QStringLiteral("--jobs"), QStringLiteral("1")} + documents);
    const Finished four =
        RunRunner(common + QStringList{QStringLiteral("--jobs"), QStringLiteral("4")} + documents);
    QCOMPARE(one.out.size(), documents.size());
    QCOMPARE(four.out, one.out);
    QCOMPARE(four.exitCode, one.exitCode);
}

void TestRunner::usageErrors_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("says");
    QTest::newRow("no document") << QStringList{} << "no document";
    QTest::newRow("bad limit") << QStringList{QStringLiteral("--max-steps"), QStringLiteral("many"),
                                              QStringLiteral("inc.pst")}
                               << "--max-steps";
    QTest::newRow("symbol outside the alphabet")
        << QStringList{QStringLiteral("--tape"), QStringLiteral("102"),
                       QStringLiteral("binary.dat")}
        << "\"2\"";
    QTest::newRow("not a Post cell")
        << QStringList{QStringLiteral("--tape"), QStringLiteral("1x"), QStringLiteral("inc.pst")}
        << "\"x\"";
    QTest::newRow("outside the code page")
        << QStringList{QStringLiteral("--tape"), QStringLiteral("1中"),
                       QStringLiteral("binary.dat")}
        << "Windows-1251";
    QTest::newRow("save with two documents")
        << QStringList{QStringLiteral("--save"), QStringLiteral("x.pst"), QStringLiteral("inc.pst"),
                       QStringLiteral("inc.pst")}
        << "--save";
    QTest::newRow("unknown option")
        << QStringList{QStringLiteral("--fast"), QStringLiteral("inc.pst")} << "fast";
}

void TestRunner::usageErrors() {
    QFETCH(QStringList, arguments);
    QFETCH(QString, says);
    for (QString& a : arguments) {
        if (a.endsWith(QStringLiteral(".pst")) || a.endsWith(QStringLiteral(".dat"))) {
            a = Path(a);
        }
    }
    const Finished f = RunRunner(arguments);
    QCOMPARE(f.exitCode, 2);
    QVERIFY2(f.err.contains(says), qPrintable(f.err));
}

void TestRunner::helpAndVersionNeedNoDisplay_data() {
    QTest::addColumn<QString>("program");
    QTest::addColumn<QString>("option");
    QTest::addColumn<QString>("says");
    const QString window = QStringLiteral(ZEBRIN_WINDOW_EXE);
    const QString runner = QStringLiteral(ZEBRIN_RUN_EXE);
    const QString version = QStringLiteral(ZEBRIN_VERSION);
    QTest::newRow("window --help") << window << "--help"
                                   << "Usage: zebrin42 [FILE]";
    QTest::newRow("window --version") << window << "--version"
                                      << "zebrin42 " + version;
    QTest::newRow("runner --help") << runner << "--help"
                                   << "--max-steps";
    QTest::newRow("runner --help-all") << runner << "--help-all"
                                       << "--max-steps";
    QTest::newRow("runner --version") << runner << "--version"
                                      << "zebrin42-run " + version;
}

// Without any display, as in a terminal over ssh: the answer, status 0.
void TestRunner::helpAndVersionNeedNoDisplay() {
    QFETCH(QString, program);
    QFETCH(QString, option);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
        environment.remove(QString::fromLatin1(name));
    }
    const Finished f = RunProgram(program, {option}, environment);
    QCOMPARE(f.exitCode, 0);
    QFETCH(QString, says);
    QVERIFY2(f.out.join(u'\n').contains(says), qPrintable(f.out.join(u'\n') + f.err));
}

QTEST_GUILESS_MAIN(TestRunner)
#include "test_runner.moc"
