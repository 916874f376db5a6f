// zebrin42-run grading a class as a teacher does: submissions never written
// over, every run counted once, exact output under tight limits, clean
// JSON lines, scores, time limits, chosen cases, a task's requirements and
// copied programs found.

#include <sys/resource.h>
#include <QDirIterator>
#include <QJsonArray>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QtTest>

#include "RunnerFixture.h"

class TestClassGrading : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void outputsNeverOverwriteInputs_data();
    void outputsNeverOverwriteInputs();
    void casesFiles_data();
    void casesFiles();
    void everyRunCountedOnce();
    void cleanJsonLines();
    void gradingOptions_data();
    void gradingOptions();
    void failedSavesSayWhy_data();
    void failedSavesSayWhy();
    void tracesExactUnderTightFileLimits();
    void copiedProgramsFound();
    void namesAShellHandsOver();
    void oneInTheSingular();

private:
    QTemporaryDir dir_;
    QString Path(const QString& name) const { return dir_.filePath(name); }
    // The arguments with every file name made a path into the test's folder.
    QStringList Paths(const QStringList& arguments) const {
        static const QStringList kinds = {QStringLiteral(".pst"), QStringLiteral(".tur"),
                                          QStringLiteral(".cases"), QStringLiteral(".csv"),
                                          QStringLiteral(".xlsx")};
        QStringList paths;
        for (const QString& a : arguments) {
            const bool file = std::any_of(kinds.begin(), kinds.end(),
                                          [&a](const QString& kind) { return a.endsWith(kind); });
            paths.append(file && !a.startsWith(u'-') ? Path(a) : a);
        }
        return paths;
    }
};

void TestClassGrading::initTestCase() {
    QVERIFY(dir_.isValid());
    // Add one to a unary number, the carriage on its first mark; the same
    // program with its rows in another order; one with a changed jump.
    WritePost(Path(QStringLiteral("anna.pst")), QStringLiteral("2:2|5:3,1|3:4|6:"));
    WritePost(Path(QStringLiteral("boris.pst")), QStringLiteral("2:3|6:|5:4,1|3:2"));
    WritePost(Path(QStringLiteral("loop.pst")), QStringLiteral("2:2|1:1"));
    // A binary counter growing to the left: it never stops and never comes
    // back to where it was.
    WriteTuring(Path(QStringLiteral("counter.tur")), QStringLiteral("01"),
                QStringLiteral("1,2=0<0|1,1=1>1|1,3=1>1|2,1=0>1|2,2=1>1|2,3=_<0"));
    WriteBytes(Path(QStringLiteral("junk.pst")), "not a document");
    WriteTuring(Path(QStringLiteral("no0.tur")), QStringLiteral("1"),
                QStringLiteral("1,1=1>0|1,2=1!0"));
    WriteTuring(Path(QStringLiteral("two-states.tur")), QStringLiteral("1"),
                QStringLiteral("1,1=1>1|2,2=1!0"));
    WriteBytes(Path(QStringLiteral("inc.cases")), "1 => 11\n111 => 1111 # three\n");
    WriteBytes(Path(QStringLiteral("tur.cases")), "1 => 11\n0 => 1\n");
}

void TestClassGrading::outputsNeverOverwriteInputs_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("says");
    const QStringList cases = {QStringLiteral("--cases"), QStringLiteral("inc.cases")};
    QTest::newRow("report over a document, as a glob makes it")
        << cases + QStringList{"--report", "anna.pst", "boris.pst"}
        << "anna.pst: it is a Post machine document";
    QTest::newRow("report over the cases file")
        << cases + QStringList{"--report", "inc.cases", "anna.pst"} << "inc.cases";
    QTest::newRow("report over a document by another path")
        << cases + QStringList{"--report", "sub/../anna.pst", "anna.pst"} << "it is the input";
    QTest::newRow("report through a link to a document")
        << cases + QStringList{"--report", "link.csv", "anna.pst"} << "it is the input";
    QTest::newRow("report over a document not given")
        << cases + QStringList{"--report", "boris.pst", "anna.pst"}
        << "it is a Post machine document";
    QTest::newRow("diagram over a document")
        << QStringList{"--diagram", "anna.pst", "anna.pst"} << "it is the input";
    QTest::newRow("save over a Turing document")
        << QStringList{"--save", "no0.tur", "anna.pst"} << "it is a Turing machine document";
}

// Refused with exit 2 and the file named; nothing runs, nothing changes.
void TestClassGrading::outputsNeverOverwriteInputs() {
    QFETCH(QStringList, arguments);
    QVERIFY(QDir(dir_.path()).mkpath(QStringLiteral("sub")));
    QFile::link(Path(QStringLiteral("anna.pst")), Path(QStringLiteral("link.csv")));
    const QByteArray anna = Contents(Path(QStringLiteral("anna.pst")));
    const QByteArray boris = Contents(Path(QStringLiteral("boris.pst")));
    const QByteArray cases = Contents(Path(QStringLiteral("inc.cases")));
    const Finished f = RunRunner(Paths(arguments));
    QCOMPARE(f.exitCode, 2);
    QFETCH(QString, says);
    QVERIFY2(f.err.contains(says), qPrintable(f.err));
    QVERIFY(f.out.isEmpty());
    QCOMPARE(Contents(Path(QStringLiteral("anna.pst"))), anna);
    QCOMPARE(Contents(Path(QStringLiteral("boris.pst"))), boris);
    QCOMPARE(Contents(Path(QStringLiteral("inc.cases"))), cases);
}

void TestClassGrading::casesFiles_data() {
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("document");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("says");  // on stderr for status 2, else the summary
    QTest::newRow("a cell no Post tape holds, found before any run")
        << QByteArray("1 => 11\n1x1 => 11\n") << "anna.pst" << 2 << "line 2: \"x\" is not a Post";
    QTest::newRow("a cell Turing takes")
        << QByteArray("1x1 => 11\n") << "no0.tur" << 1 << "0 passed, 1 failed";
    QTest::newRow("trailing comment and a tab")
        << QByteArray("--start\t1  # first cell\n1 => 11 # one\n1#1 => 1#1\n") << "no0.tur" << 1
        << "1 passed, 1 failed";
    QTest::newRow("a Turing submission in a Post class fails alone")
        << QByteArray("--start -3\n111 => 1111\n") << "anna.pst anna.pst no0.tur" << 1
        << "2 passed, 1 failed";
    QTest::newRow("past the tape's end") << QByteArray("--start 999\n11 => 111\n") << "anna.pst"
                                         << 2 << "line 2: the tape text runs past";
    QTest::newRow("Windows-1251 file, its text in the message")
        << QByteArray("# \xEF\xF0\xEE\xE1\xE0\n1\xFF => 1\n") << "anna.pst" << 2
        << "\"\xD1\x8F\" is not a Post";
    QTest::newRow("unknown option") << QByteArray("--speed 2\n1 => 11\n") << "anna.pst" << 2
                                    << "line 1: unknown option --speed";
    QTest::newRow("a requirement twice") << QByteArray("--machine post\n--machine turing\n1 => 1\n")
                                         << "anna.pst" << 2 << "line 2: --machine is given twice";
    QTest::newRow("bad weight") << QByteArray("--weight -1\n1 => 1\n") << "anna.pst" << 2
                                << "--weight wants";
}

void TestClassGrading::casesFiles() {
    QFETCH(QByteArray, file);
    QFETCH(QString, document);
    WriteBytes(Path(QStringLiteral("check.cases")), file);
    const Finished f =
        RunRunner(QStringList{QStringLiteral("--cases"), Path(QStringLiteral("check.cases"))} +
                  Paths(document.split(u' ')));
    QTEST(f.exitCode, "exitCode");
    QFETCH(QString, says);
    if (f.exitCode == 2) {
        QVERIFY2(f.err.contains(says), qPrintable(f.err));
        QVERIFY(!f.err.contains(QChar(0xFFFD)));
        QVERIFY(f.out.isEmpty());
    } else {
        QCOMPARE(f.out.value(f.out.size() - 1), says);
    }
}

// Every run printed is counted: an unreadable submission fails each case, a
// case the document cannot hold is a failed case, a document named twice
// is two rows; the report, the per-document lines and the summary agree.
void TestClassGrading::everyRunCountedOnce() {
    const QString report = Path(QStringLiteral("class.csv"));
    const Finished f = RunRunner(
        Paths({"--cases", "tur.cases", "--report", "class.csv", "no0.tur", "junk.pst", "no0.tur"}));
    QCOMPARE(f.exitCode, 1);
    QCOMPARE(f.out.size(), 6 + 3 + 1);
    QCOMPARE(f.out.last(), QStringLiteral("2 passed, 4 failed"));
    QVERIFY2(f.out[1].contains(QStringLiteral(
                 "FAILED, error: the symbol \"0\" is not in the document's alphabet \"1\"")),
             qPrintable(f.out[1]));
    QVERIFY2(f.out[2].endsWith(QStringLiteral("FAILED, unreadable: not a Post or Turing machine "
                                              "document")),
             qPrintable(f.out[2]));
    QCOMPARE(f.out[6],
             Path(QStringLiteral("no0.tur")) + QStringLiteral(": 1 of 2 cases passed, score 50%"));
    const QStringList rows = QString::fromUtf8(Contents(report).mid(3))
                                 .split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
    QCOMPARE(rows.size(), 4);
    QCOMPARE(rows[1], Path(QStringLiteral("no0.tur")) +
                          QStringLiteral(",turing,failed,1,1,50.0,passed,error"));
    QCOMPARE(rows[3], rows[1]);
    // The same as a workbook, chosen by the extension.
    const Finished book =
        RunRunner(Paths({"--cases", "tur.cases", "--report", "class.xlsx", "no0.tur", "junk.pst"}));
    QCOMPARE(book.exitCode, 1);
    QVERIFY(Contents(Path(QStringLiteral("class.xlsx"))).startsWith("PK\x03\x04"));
}

// With --json every line is one JSON object: ticks, runs, totals, summary.
void TestClassGrading::cleanJsonLines() {
    WriteBytes(Path(QStringLiteral("empty.cases")), "1 => 11\n0 => 0\n");
    const Finished f = RunRunner(Paths(
        {"--json", "--trace", "--jobs", "2", "--cases", "empty.cases", "anna.pst", "anna.pst"}));
    QCOMPARE(f.exitCode, 1);
    QStringList kinds;
    for (const QString& line : f.out) {
        QJsonParseError error{};
        const QJsonObject o = QJsonDocument::fromJson(line.toUtf8(), &error).object();
        QVERIFY2(error.error == QJsonParseError::NoError && !o.isEmpty(), qPrintable(line));
        kinds.append(o.contains(QStringLiteral("summary"))  ? QStringLiteral("summary")
                     : o.contains(QStringLiteral("totals")) ? QStringLiteral("totals")
                     : o.contains(QStringLiteral("result")) ? QStringLiteral("run")
                                                            : QStringLiteral("tick"));
        if (kinds.last() == u"tick") {
            QVERIFY(o[QStringLiteral("step")].isDouble() || o[QStringLiteral("step")].isNull());
            QCOMPARE(o[QStringLiteral("file")].toString(), Path(QStringLiteral("anna.pst")));
        }
        if (kinds.last() == u"run" && o[QStringLiteral("case")].toInt() == 2) {
            QCOMPARE(o[QStringLiteral("input")].toString(), QStringLiteral("0"));
            QCOMPARE(o[QStringLiteral("expected")].toString(), QStringLiteral("0"));
        }
    }
    QCOMPARE(kinds.count(QStringLiteral("run")), 4);
    QCOMPARE(kinds.count(QStringLiteral("totals")), 2);
    QCOMPARE(kinds.last(), QStringLiteral("summary"));
    QVERIFY(kinds.count(QStringLiteral("tick")) > 4);
    // An empty tape has no bounds, not the placeholders 999 and -999.
    const Finished blank =
        RunRunner(Paths({"--json", "--max-steps", "0", "--tape", "0", "anna.pst"}));
    QCOMPARE(Json(blank.out.value(0))[QStringLiteral("tape")].toString(), QString());
    QVERIFY(Json(blank.out.value(0))[QStringLiteral("used_min")].isNull());
    QVERIFY(Json(blank.out.value(0))[QStringLiteral("used_max")].isNull());
}

void TestClassGrading::gradingOptions_data() {
    QTest::addColumn<QByteArray>("cases");
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QStringList>("says");  // lines of stdout, each found in its order
    QTest::newRow("weights make the score")
        << QByteArray("1 => 11\n--weight 3\n11 => 11\n") << QStringList{"anna.pst"} << 1
        << QStringList{"anna.pst: 1 of 2 cases passed, score 25%"};
    QTest::newRow("score in the JSON totals")
        << QByteArray("--weight 2\n1 => 11\n--weight 1\n11 => 11\n")
        << QStringList{"--json", "anna.pst"} << 1 << QStringList{"\"score\":66.7"};
    QTest::newRow("chosen cases only") << QByteArray("1 => 11\n11 => 11\n111 => 1111\n")
                                       << QStringList{"--case", "3", "--case", "1", "anna.pst"} << 0
                                       << QStringList{"case line 1", "case line 3", "2 passed"};
    QTest::newRow("an endless run meets its time limit")
        << QByteArray("--start 900\n1 => 11\n")
        << QStringList{"--timeout", "0.3", "--max-steps", "9223372036854775807", "counter.tur"} << 1
        << QStringList{"FAILED, timeout after", "0 passed, 1 failed"};
    QTest::newRow("an endless loop is found before any limit")
        << QByteArray("1 => 11\n")
        << QStringList{"--timeout", "30", "--max-steps", "9223372036854775807", "loop.pst"} << 1
        << QStringList{"FAILED, loop after 3 steps", "0 passed, 1 failed"};
    QTest::newRow("the largest step limit")
        << QByteArray("1 => 11\n") << QStringList{"--max-steps", "9223372036854775807", "anna.pst"}
        << 0 << QStringList{"passed, stopped after 4 steps"};
    QTest::newRow("the wrong machine fails every case")
        << QByteArray("--machine post\n1 => 11\n0 => 1\n") << QStringList{"no0.tur"} << 1
        << QStringList{"FAILED, rejected: не та машина", "FAILED, rejected: не та машина",
                       "score 0% (rejected: не та машина)"};
    QTest::newRow("too many rows")
        << QByteArray("--max-rows 3\n1 => 11\n") << QStringList{"anna.pst"} << 1
        << QStringList{"rejected: заполненных строк 4"};
    QTest::newRow("rows within the limit")
        << QByteArray("--max-rows 4\n1 => 11\n") << QStringList{"anna.pst"} << 0
        << QStringList{"1 passed, 0 failed"};
    QTest::newRow("a state limit below one")
        << QByteArray("--max-states 0\n1 => 11\n") << QStringList{"no0.tur"} << 2 << QStringList{};
    QTest::newRow("states within the limit")
        << QByteArray("--max-states 1\n1 => 11\n") << QStringList{"no0.tur"} << 0
        << QStringList{"1 passed, 0 failed"};
    QTest::newRow("too many states")
        << QByteArray("--max-states 1\n1 => 11\n") << QStringList{"two-states.tur"} << 1
        << QStringList{"rejected: состояний 2, а можно не больше 1"};
    QTest::newRow("another alphabet")
        << QByteArray("--alphabet 01\n1 => 11\n") << QStringList{"no0.tur"} << 1
        << QStringList{"rejected: алфавит \"1\", а нужен \"01\""};
    QTest::newRow("a case line that is none")
        << QByteArray("1 => 11\n") << QStringList{"--case", "2", "anna.pst"} << 2 << QStringList{};
}

void TestClassGrading::gradingOptions() {
    QFETCH(QByteArray, cases);
    QFETCH(QStringList, arguments);
    QFETCH(QStringList, says);
    WriteBytes(Path(QStringLiteral("options.cases")), cases);
    const Finished f =
        RunRunner(QStringList{QStringLiteral("--cases"), Path(QStringLiteral("options.cases"))} +
                  Paths(arguments));
    QTEST(f.exitCode, "exitCode");
    const QString out = f.out.join(u'\n');
    qsizetype at = 0;
    for (const QString& text : says) {
        at = out.indexOf(text, at);
        QVERIFY2(at >= 0, qPrintable(text + QStringLiteral(" not in:\n") + out + f.err));
        at += text.size();
    }
}

void TestClassGrading::failedSavesSayWhy_data() {
    QTest::addColumn<QString>("target");
    QTest::addColumn<QString>("why");
    QTest::newRow("no such folder") << "missing/after.pst"
                                    << "no such folder";
    QTest::newRow("a folder") << "sub"
                              << "not a regular file";
    QTest::newRow("a name too long")
        << QString(300, u'n') + QStringLiteral(".pst") << "a name the file system cannot take";
    QTest::newRow("past the file-size limit") << "limited.pst"
                                              << "no room: a file-size limit is reached";
    QTest::newRow("an immutable file") << "immutable.pst"
                                       << "the file is immutable";
    QTest::newRow("in an immutable folder") << "frozen/after.pst"
                                            << "the folder is immutable";
}

void TestClassGrading::failedSavesSayWhy() {
    QFETCH(QString, target);
    QVERIFY(QDir(dir_.path()).mkpath(QStringLiteral("sub")));
    // chattr +i on the file or the folder, taken off again at the end.
    const QString frozen = target == u"immutable.pst"      ? Path(target)
                           : target.startsWith(u"frozen/") ? Path(QStringLiteral("frozen"))
                                                           : QString();
    if (!frozen.isEmpty()) {
        QVERIFY(QDir(dir_.path()).mkpath(QStringLiteral("frozen")));
        WriteBytes(Path(QStringLiteral("immutable.pst")), "old");
        if (QProcess::execute(QStringLiteral("chattr"), {QStringLiteral("+i"), frozen}) != 0) {
            QSKIP("chattr +i is not possible here");
        }
    }
    const auto thaw = qScopeGuard([&frozen] {
        if (!frozen.isEmpty()) {
            QProcess::execute(QStringLiteral("chattr"), {QStringLiteral("-i"), frozen});
        }
    });
    std::function<void()> inChild;
    const bool replaced = target == u"limited.pst" || target == u"immutable.pst";
    if (target == u"limited.pst") {
        WriteBytes(Path(target), "old");
        inChild = [] {
            const rlimit none{0, 0};
            setrlimit(RLIMIT_FSIZE, &none);
        };
    }
    const Finished f =
        RunRunner({QStringLiteral("--tape"), QStringLiteral("1"), QStringLiteral("--save"),
                   Path(target), Path(QStringLiteral("anna.pst"))},
                  inChild);
    QCOMPARE(f.exitCode, 2);
    QFETCH(QString, why);
    QVERIFY2(f.err.contains(QStringLiteral("could not write")) && f.err.contains(why),
             qPrintable(f.err));
    // The previous file is whole, and no temporary file stays behind.
    if (replaced) {
        QCOMPARE(Contents(Path(target)), QByteArray("old"));
    }
    QDirIterator files(dir_.path(), QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (files.hasNext()) {
        const QString file = files.next();
        QVERIFY2(!file.contains(QStringLiteral(".zebrin42-save-")), qPrintable(file));
    }
}

// 33 documents of 6 cases, traced on 4 jobs, give the bytes of one job at
// an open-file limit of 64; far below it the runner says so and exits 2.
void TestClassGrading::tracesExactUnderTightFileLimits() {
    WriteBytes(Path(QStringLiteral("six.cases")),
               "1 => 11\n11 => 111\n111 => 1111\n1 => 1\n1111 => 11111\n11 => 11\n");
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("RUN"), QStringLiteral(ZEBRIN_RUN_EXE));
    environment.insert(QStringLiteral("DIR"), dir_.path());
    auto run = [&environment](const QString& limit, const QString& jobs) {
        return RunProgram(
            QStringLiteral("/bin/sh"),
            {QStringLiteral("-c"),
             QStringLiteral("cd \"$DIR\" && set -- && for i in $(seq 33); do set -- \"$@\" "
                            "anna.pst loop.pst; done && ulimit -n %1 && exec \"$RUN\" --trace "
                            "--max-steps 200 --jobs %2 --cases six.cases \"$@\"")
                 .arg(limit, jobs)},
            environment);
    };
    const Finished one = run(QStringLiteral("1024"), QStringLiteral("1"));
    QCOMPARE(one.exitCode, 1);
    QVERIFY(one.out.size() > 66 * 6);
    QCOMPARE(one.out.last(), QStringLiteral("132 passed, 264 failed"));
    for (const QString& limit :
         {QStringLiteral("64"), QStringLiteral("24"), QStringLiteral("1024")}) {
        const Finished four = run(limit, QStringLiteral("4"));
        QVERIFY2(four.exitCode == 1, qPrintable(limit + four.err));
        QVERIFY2(four.out == one.out, qPrintable(limit));
    }
    // The sanitizers' runtime needs files of its own at exit, which a limit
    // this tight does not leave.
#ifndef __SANITIZE_ADDRESS__
    const Finished none = run(QStringLiteral("5"), QStringLiteral("4"));
    QCOMPARE(none.exitCode, 2);
    QVERIFY2(none.err.contains(QStringLiteral("ulimit -n")), qPrintable(none.err));
#endif
}

// Programs the same up to renumbering are one group, in the text, the JSON
// and the report.
void TestClassGrading::copiedProgramsFound() {
    const Finished text = RunRunner(Paths({"--similar", "anna.pst", "boris.pst", "loop.pst"}));
    QVERIFY2(text.out.contains(
                 QStringLiteral("similar: %1, %2")
                     .arg(Path(QStringLiteral("anna.pst")), Path(QStringLiteral("boris.pst")))),
             qPrintable(text.out.join(u'\n')));
    const Finished json = RunRunner(
        Paths({"--json", "--similar", "--report", "similar.csv", "anna.pst", "boris.pst"}));
    const QJsonObject similar = Json(json.out.value(json.out.size() - 3));
    QCOMPARE(similar[QStringLiteral("similar")].toArray().size(), 1);
    QCOMPARE(similar[QStringLiteral("similar")].toArray()[0].toArray().size(), 2);
    const QString csv = QString::fromUtf8(Contents(Path(QStringLiteral("similar.csv"))));
    QVERIFY2(csv.contains(QStringLiteral(",stopped,") + Path(QStringLiteral("boris.pst"))),
             qPrintable(csv));
}

// Names a glob hands over as they are: "-v.pst" is a document, not the
// version option, and "=1+2.pst" stays text in a spreadsheet.
void TestClassGrading::namesAShellHandsOver() {
    const QString folder = Path(QStringLiteral("glob"));
    QVERIFY(QDir().mkpath(folder));
    for (const QString& name : {QStringLiteral("-v.pst"), QStringLiteral("=1+2.pst")}) {
        QVERIFY(QFile::copy(Path(QStringLiteral("anna.pst")), folder + u'/' + name));
    }
    WriteBytes(folder + QStringLiteral("/c.cases"), "1 => 11\n");
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("RUN"), QStringLiteral(ZEBRIN_RUN_EXE));
    const Finished f = RunProgram(
        QStringLiteral("/bin/sh"),
        {QStringLiteral("-c"),
         QStringLiteral("cd \"$0\" && exec \"$RUN\" --cases c.cases --report r.csv *.pst"), folder},
        environment);
    QCOMPARE(f.exitCode, 0);
    QVERIFY(f.out.value(0).startsWith(QStringLiteral("-v.pst case line 1")));
    const QString csv = QString::fromUtf8(Contents(folder + QStringLiteral("/r.csv")));
    QVERIFY2(csv.contains(QStringLiteral("\r\n'-v.pst,post,passed")), qPrintable(csv));
    QVERIFY2(csv.contains(QStringLiteral("\r\n'=1+2.pst,post,passed")), qPrintable(csv));
}

void TestClassGrading::oneInTheSingular() {
    WritePost(Path(QStringLiteral("stop.pst")), QStringLiteral("6:"));
    const Finished run = RunRunner({Path(QStringLiteral("stop.pst"))});
    QVERIFY2(run.out.value(0).contains(QStringLiteral("stopped after 1 step (")),
             qPrintable(run.out.value(0)));
    WritePost(Path(QStringLiteral("two.pst")), QStringLiteral("2:2|6:"));
    const Finished picture =
        RunRunner({QStringLiteral("--diagram"), Path(QStringLiteral("two.svg")),
                   Path(QStringLiteral("two.pst"))});
    QVERIFY2(
        picture.out.value(0).contains(QStringLiteral("picture of 2 nodes and 1 arrow written")),
        qPrintable(picture.out.value(0)));
}

QTEST_GUILESS_MAIN(TestClassGrading)
#include "test_class_grading.moc"
