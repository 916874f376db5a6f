// zebrin42-run as a teacher uses it: a process run on documents the test
// writes, checked through its text and JSON output and its exit status.

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <QtTest>
#include <functional>

#include "core/documents/DocumentFile.h"
#include "core/documents/PostFile.h"
#include "core/documents/TuringFile.h"
#include "core/port/ScriptedUi.h"
#include "core/workbench/Workbench.h"

#include "RunnerFixture.h"

class TestRunner : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    // First, so that the peak memory of this test process's children is
    // the traced run's own.
    void tracesStreamAndNeverInterleave();
    void casesOfATextbookProgram();
    void manyCasesRunInLittleMemory();
    void outcomesAsJson_data();
    void outcomesAsJson();
    void saveRoundTrip();
    void jobsGiveTheSameResults();
    void usageErrors_data();
    void usageErrors();
    void unreadableDocumentsSayWhy_data();
    void unreadableDocumentsSayWhy();
    void saveTargetsThatCannotBeWritten_data();
    void saveTargetsThatCannotBeWritten();
    void namesKeepTheirBytes_data();
    void namesKeepTheirBytes();
    void documentNamedInWindows1251();
    void helpAndVersionNeedNoDisplay_data();
    void helpAndVersionNeedNoDisplay();
    void reportTableForASpreadsheet();
    void diagramOfADocument_data();
    void diagramOfADocument();
    void lostOutputAndTightLimits_data();
    void lostOutputAndTightLimits();

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
    WritePost(Path(QStringLiteral("right.pst")), QStringLiteral("2:1"));
    // A binary counter growing to the left from cell 900: it never stops and
    // never comes back to where it was.
    WriteTuring(Path(QStringLiteral("counter.tur")), QStringLiteral("01"),
                QStringLiteral("1,2=0<0|1,1=1>1|1,3=1>1|2,1=0>1|2,2=1>1|2,3=_<0"));
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
    // Files no document or cases file may be: a named pipe (which blocked in
    // open until somebody wrote to it), a folder, files past the limits.
    for (const char* pipe : {"pipe.pst", "pipe.cases"}) {
        QCOMPARE(mkfifo(QFile::encodeName(Path(QString::fromLatin1(pipe))).constData(), 0600), 0);
    }
    QVERIFY(QDir(dir_.path()).mkdir(QStringLiteral("folder.pst")));
    WriteBytes(Path(QStringLiteral("damaged.pst")), "Zebrin42[pst]garbage");
    WriteBytes(Path(QStringLiteral("damaged.tur")), "Zebrin42[tur]garbage");
    WriteBytes(Path(QStringLiteral("locked.pst")), Contents(Path(QStringLiteral("inc.pst"))));
    QVERIFY(QFile::setPermissions(Path(QStringLiteral("locked.pst")), QFileDevice::WriteOwner));
    for (const char* huge : {"huge.pst", "huge.cases"}) {
        QFile file(Path(QString::fromLatin1(huge)));
        QVERIFY(file.open(QIODevice::WriteOnly));
        QVERIFY(file.resize(DocumentFile::kMaxDocumentSize + 1));
    }
    WriteBytes(Path(QStringLiteral("lines.cases")),
               QByteArray(DocumentFile::kMaxDocumentLines + 1, '\n'));
    WriteBytes(Path(QStringLiteral("two-arrows.cases")), "1 => 11\n1 => 1 => 1\n");
    WriteBytes(Path(QStringLiteral("no-cases.cases")), "# only a comment\n--start 2\n\n");
}

void TestRunner::casesOfATextbookProgram() {
    const Finished inc = RunRunner({QStringLiteral("--cases"), Path(QStringLiteral("inc.cases")),
                                    Path(QStringLiteral("inc.pst"))});
    QCOMPARE(inc.exitCode, 1);
    QCOMPARE(inc.out.size(), 6);
    QCOMPARE(inc.out[4],
             Path(QStringLiteral("inc.pst")) + QStringLiteral(": 3 of 4 cases passed, score 75%"));
    QCOMPARE(inc.out.last(), QStringLiteral("3 passed, 1 failed"));
    QVERIFY(inc.out[0].contains(QStringLiteral("passed")));
    QVERIFY(inc.out[3].contains(QStringLiteral("FAILED")));

    const Finished bin =
        RunRunner({QStringLiteral("--json"), QStringLiteral("--cases"),
                   Path(QStringLiteral("binary.cases")), Path(QStringLiteral("binary.dat"))});
    QCOMPARE(bin.exitCode, 0);
    QCOMPARE(Json(bin.out.last())[QStringLiteral("summary")].toObject()[QStringLiteral("passed")],
             3);
    const QJsonObject first = Json(bin.out[0]);
    QCOMPARE(first[QStringLiteral("machine")].toString(), QStringLiteral("turing"));
    QCOMPARE(first[QStringLiteral("case")].toInt(), 2);
    QCOMPARE(first[QStringLiteral("tape")].toString(), QStringLiteral("1100"));
    QCOMPARE(first[QStringLiteral("steps")].toInt(), 3);
    const QJsonObject third = Json(bin.out[2]);
    QCOMPARE(third[QStringLiteral("used_min")].toInt(), 1);
    QCOMPARE(third[QStringLiteral("tape")].toString(), QStringLiteral("1000"));
}

// Each case is printed and counted as it comes: 400,000 cases (a quarter
// of what the limits allow) need no more memory than a few dozen bytes each.
void TestRunner::manyCasesRunInLittleMemory() {
#if defined(__SANITIZE_ADDRESS__)
    QSKIP("the sanitizer's shadow and quarantine are what a sanitized run's memory measures");
#endif
    constexpr int kCases = 400000;
    WriteBytes(Path(QStringLiteral("many.cases")), QByteArray("1 => 11\n").repeated(kCases));
    QProcess runner;
    runner.setStandardOutputFile(QProcess::nullDevice());
    runner.start(QStringLiteral(ZEBRIN_RUN_EXE),
                 {QStringLiteral("--cases"), Path(QStringLiteral("many.cases")),
                  Path(QStringLiteral("inc.pst"))});
    QVERIFY(runner.waitForFinished(120000));
    QCOMPARE(runner.exitCode(), 0);
    rusage children{};
    QCOMPARE(getrusage(RUSAGE_CHILDREN, &children), 0);
    const long limitKb = 120 * 1024;
    QVERIFY2(children.ru_maxrss < limitKb, qPrintable(QString::number(children.ru_maxrss)));
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
    QTest::newRow("limit") << QStringList{QStringLiteral("--max-steps"), QStringLiteral("500"),
                                          QStringLiteral("right.pst")}
                           << 1 << "limit" << 500 << ""
                           << "  -  перевод каретки вправо"
                           << "";
    // Right, then left: from step 1 the same two steps, found long before
    // the step limit and shown where they begin again.
    QTest::newRow("loop") << QStringList{QStringLiteral("loop.pst")} << 1 << "loop" << 3
                          << "Программа зациклилась: с шага 1 машина повторяет одни и те же 2 "
                             "шагов."
                          << "  -  ошибка:  программа зациклилась"
                          << "";
    QTest::newRow("unreadable") << QStringList{QStringLiteral("junk.pst")} << 1 << "unreadable" << 0
                                << "not a Post or Turing machine document"
                                << " Ошибка: файл не является файлом машины Поста или поврежден!"
                                << "";
}

void TestRunner::outcomesAsJson() {
    QFETCH(QStringList, arguments);
    arguments.last() = Path(arguments.last());
    arguments.prepend(QStringLiteral("--json"));
    const Finished f = RunRunner(arguments);
    QTEST(f.exitCode, "exitCode");
    QCOMPARE(f.out.size(), 2);
    QVERIFY(Json(f.out[1]).contains(QStringLiteral("summary")));
    const QJsonObject o = Json(f.out[0]);
    QTEST(o[QStringLiteral("result")].toString(), "result");
    QTEST(o[QStringLiteral("steps")].toInt(), "steps");
    QTEST(o[QStringLiteral("message")].toString(), "message");
    QTEST(o[QStringLiteral("status")].toString(), "status");
    QTEST(o[QStringLiteral("tape")].toString(), "tape");
    QVERIFY(o[QStringLiteral("case")].isNull());
    QFETCH(QString, result);
    QCOMPARE(o.contains(QStringLiteral("loop_start")), result == u"loop");
    if (result == u"loop") {
        QCOMPARE(o[QStringLiteral("loop_start")].toInt(), 1);
        QCOMPARE(o[QStringLiteral("loop_length")].toInt(), 2);
        arguments.removeFirst();
        QCOMPARE(RunRunner(arguments).out.value(0),
                 arguments.last() +
                     QStringLiteral(": loop after 3 steps (\"Программа зациклилась: с шага 1 "
                                    "машина повторяет одни и те же 2 шагов.\"); loop from "
                                    "step 1, 2 steps; tape empty; carriage 0"));
    }
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
    QCOMPARE(one.out.size(), documents.size() + 1);  // and the summary
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
    QTest::newRow("diagram of a run")
        << QStringList{QStringLiteral("--diagram"), QStringLiteral("x.svg"),
                       QStringLiteral("--tape"), QStringLiteral("1"), QStringLiteral("inc.pst")}
        << "--diagram takes one document";
    QTest::newRow("diagram of two documents")
        << QStringList{QStringLiteral("--diagram"), QStringLiteral("x.svg"),
                       QStringLiteral("inc.pst"), QStringLiteral("inc.pst")}
        << "--diagram takes one document";
    // Cases files are held to the documents' limits.
    const QString tooLarge = QStringLiteral("too large: over 8388608 bytes or 2097152 lines");
    QTest::newRow("cases file is a device")
        << QStringList{QStringLiteral("--cases"), QStringLiteral("/dev/zero"),
                       QStringLiteral("inc.pst")}
        << "cannot use the cases file /dev/zero: not a regular file";
    QTest::newRow("cases file is a named pipe")
        << QStringList{QStringLiteral("--cases"), QStringLiteral("pipe.cases"),
                       QStringLiteral("inc.pst")}
        << "not a regular file";
    QTest::newRow("cases file is missing")
        << QStringList{QStringLiteral("--cases"), QStringLiteral("missing.cases"),
                       QStringLiteral("inc.pst")}
        << "no such file";
    QTest::newRow("cases file of too many bytes")
        << QStringList{QStringLiteral("--cases"), QStringLiteral("huge.cases"),
                       QStringLiteral("inc.pst")}
        << tooLarge;
    QTest::newRow("cases file of too many lines")
        << QStringList{QStringLiteral("--cases"), QStringLiteral("lines.cases"),
                       QStringLiteral("inc.pst")}
        << tooLarge;
    // A case of two arrows, and a file that checks nothing.
    QTest::newRow("case with two arrows")
        << QStringList{QStringLiteral("--cases"), QStringLiteral("two-arrows.cases"),
                       QStringLiteral("inc.pst")}
        << "line 2: expected INPUT => EXPECTED";
    QTest::newRow("cases file without cases")
        << QStringList{QStringLiteral("--cases"), QStringLiteral("no-cases.cases"),
                       QStringLiteral("inc.pst")}
        << "no cases";
}

void TestRunner::usageErrors() {
    QFETCH(QStringList, arguments);
    QFETCH(QString, says);
    for (QString& a : arguments) {
        if (a.endsWith(QStringLiteral(".pst")) || a.endsWith(QStringLiteral(".dat")) ||
            a.endsWith(QStringLiteral(".cases"))) {
            a = Path(a);
        }
    }
    const Finished f = RunRunner(arguments);
    QCOMPARE(f.exitCode, 2);
    QVERIFY2(f.err.contains(says), qPrintable(f.err));
}

void TestRunner::unreadableDocumentsSayWhy_data() {
    QTest::addColumn<QString>("document");
    QTest::addColumn<QString>("why");
    QTest::newRow("missing") << "missing.pst"
                             << "no such file";
    QTest::newRow("named pipe") << "pipe.pst"
                                << "not a regular file";
    QTest::newRow("folder") << "folder.pst"
                            << "not a regular file";
    QTest::newRow("device") << "/dev/zero"
                            << "not a regular file";
    QTest::newRow("too large") << "huge.pst"
                               << "too large: over 8388608 bytes or 2097152 lines";
    QTest::newRow("no machine's document") << "junk.pst"
                                           << "not a Post or Turing machine document";
    QTest::newRow("damaged Post document") << "damaged.pst"
                                           << "a damaged Post machine document";
    QTest::newRow("damaged Turing document") << "damaged.tur"
                                             << "a damaged Turing machine document";
    // Permissions do not hold back root.
    if (geteuid() != 0) {
        QTest::newRow("not readable") << "locked.pst"
                                      << "not readable: permission denied";
    }
}

// The runner says why, in the JSON message, the text line and on stderr;
// the submission fails: exit 1.
void TestRunner::unreadableDocumentsSayWhy() {
    QFETCH(QString, document);
    QFETCH(QString, why);
    const QString path = document.startsWith(u'/') ? document : Path(document);
    const Finished json = RunRunner({QStringLiteral("--json"), path});
    QCOMPARE(json.exitCode, 1);
    QCOMPARE(json.out.size(), 2);
    QCOMPARE(Json(json.out[0])[QStringLiteral("result")].toString(), QStringLiteral("unreadable"));
    QCOMPARE(Json(json.out[0])[QStringLiteral("message")].toString(), why);
    QVERIFY2(json.err.contains(QStringLiteral("cannot be read: ") + why), qPrintable(json.err));
    const Finished text = RunRunner({path});
    QCOMPARE(text.exitCode, 1);
    QCOMPARE(text.out, (QStringList{path + QStringLiteral(": unreadable: ") + why,
                                    QStringLiteral("0 passed, 1 failed")}));
}

void TestRunner::saveTargetsThatCannotBeWritten_data() {
    QTest::addColumn<QString>("target");
    QTest::addColumn<int>("exitCode");
    QTest::newRow("named pipe") << "pipe" << 2;
    QTest::newRow("link to a named pipe") << "link to pipe" << 2;
    QTest::newRow("device node") << "device" << 2;
    QTest::newRow("document under ulimit -f 0") << "limited" << 2;
    QTest::newRow("link to a document") << "link to document" << 0;
}

// A save target that is not a regular file, or a write past the file-size
// limit (which killed the runner with SIGXFSZ), is a write error: exit 2,
// the node or the previous file as it was. A link to a document is written
// through.
void TestRunner::saveTargetsThatCannotBeWritten() {
    QFETCH(QString, target);
    QTemporaryDir dir;
    const QString pipe = dir.filePath(QStringLiteral("pipe"));
    const QString document = dir.filePath(QStringLiteral("document.pst"));
    const QString path = dir.filePath(QStringLiteral("target.pst"));
    const QByteArray node = QFile::encodeName(path);
    QCOMPARE(mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    WriteBytes(document, "old");
    std::function<void()> inChild;
    if (target == u"pipe") {
        QCOMPARE(mkfifo(node.constData(), 0600), 0);
    } else if (target == u"device" && mknod(node.constData(), S_IFCHR | 0600, makedev(1, 3)) != 0) {
        QSKIP("device nodes cannot be made here");
    } else if (target.startsWith(u"link")) {
        QVERIFY(QFile::link(target.endsWith(u"pipe") ? pipe : document, path));
    } else if (target == u"limited") {
        WriteBytes(path, "old");
        inChild = [] {
            const rlimit none{0, 0};
            setrlimit(RLIMIT_FSIZE, &none);
        };
    }
    struct stat before {};
    QCOMPARE(lstat(node.constData(), &before), 0);
    const Finished f =
        RunRunner({QStringLiteral("--save"), path, Path(QStringLiteral("inc.pst"))}, inChild);
    QTEST(f.exitCode, "exitCode");
    struct stat after {};
    QCOMPARE(lstat(node.constData(), &after), 0);
    QCOMPARE(after.st_mode, before.st_mode);
    QCOMPARE(after.st_rdev, before.st_rdev);
    if (f.exitCode == 0) {
        QVERIFY(Contents(document).startsWith(DocumentFile::kPostMagic));
    } else {
        QVERIFY2(f.err.contains(QStringLiteral("could not write")), qPrintable(f.err));
        QCOMPARE(Contents(document), QByteArray("old"));
        if (target == u"limited") {
            QCOMPARE(Contents(path), QByteArray("old"));
        }
    }
}

void TestRunner::namesKeepTheirBytes_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("shown");
    QTest::newRow("plain") << QByteArray("plain.pst") << "plain.pst";
    QTest::newRow("UTF-8") << QByteArray("задача 1.pst") << "задача 1.pst";
    QTest::newRow("beyond the BMP") << QByteArray("\xF0\x9F\x98\x80.pst") << "😀.pst";
    QTest::newRow("Windows-1251") << QByteArray("\xCF\xF0\xE8\xEC\xE5\xF0.pst")
                                  << "\\xCF\\xF0\\xE8\\xEC\\xE5\\xF0.pst";
    QTest::newRow("cut-off sequence") << QByteArray("a\xD0") << "a\\xD0";
    QTest::newRow("overlong slash") << QByteArray("\xC0\xAF") << "\\xC0\\xAF";
    QTest::newRow("encoded surrogate") << QByteArray("\xED\xB2\x80") << "\\xED\\xB2\\x80";
    QTest::newRow("control characters")
        << QByteArray("a\tb\x7F\xC2\x85") << "a\\x09b\\x7F\\xC2\\x85";
    QTest::newRow("backslash") << QByteArray("a\\b") << "a\\\\b";
}

// A name keeps its bytes on the way to the file system and is shown with
// what is not printable UTF-8 escaped.
void TestRunner::namesKeepTheirBytes() {
    QFETCH(QByteArray, bytes);
    const QString name = DocumentFile::NameFromNative(bytes);
    QCOMPARE(DocumentFile::NativeName(name), bytes);
    QTEST(DocumentFile::PrintableName(name), "shown");
}

// A submission named in Windows-1251 bytes, passed on by a shell's glob as
// a teacher would, is read and run.
void TestRunner::documentNamedInWindows1251() {
    const QString folder = Path(QStringLiteral("cp1251"));
    QVERIFY(QDir().mkpath(folder));
    const QByteArray name = QFile::encodeName(folder) + "/\xCF\xF0\xE8\xEC\xE5\xF0.pst";
    const QByteArray document = Contents(Path(QStringLiteral("inc.pst")));
    const int fd = ::open(name.constData(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    QVERIFY(fd >= 0);
    // QDir cannot remove a name that is not UTF-8, so the test does.
    const auto remove = qScopeGuard([&name] { ::unlink(name.constData()); });
    QCOMPARE(::write(fd, document.constData(), std::size_t(document.size())),
             ssize_t(document.size()));
    ::close(fd);
    const QString shown = QStringLiteral("\\xCF\\xF0\\xE8\\xEC\\xE5\\xF0.pst");
    for (const QString& format : {QStringLiteral("--json"), QStringLiteral("--trace")}) {
        const Finished f = RunProgram(
            QStringLiteral("/bin/sh"),
            {QStringLiteral("-c"), QStringLiteral("cd \"$0\" && exec \"$1\" $2 --tape 11 *.pst"),
             folder, QStringLiteral(ZEBRIN_RUN_EXE), format},
            QProcessEnvironment::systemEnvironment());
        QVERIFY2(f.exitCode == 0, qPrintable(f.err));
        const QString run = f.out.value(f.out.size() - 2);
        if (format == u"--json") {
            QCOMPARE(Json(run)[QStringLiteral("file")].toString(), shown);
            QCOMPARE(Json(run)[QStringLiteral("result")].toString(), QStringLiteral("stopped"));
        } else {
            QVERIFY2(run.startsWith(shown + QStringLiteral(": stopped")), qPrintable(run));
        }
    }
}

void TestRunner::helpAndVersionNeedNoDisplay_data() {
    QTest::addColumn<QString>("program");
    QTest::addColumn<QString>("option");
    QTest::addColumn<QString>("says");
    const QString window = QStringLiteral(ZEBRIN_WINDOW_EXE);
    const QString runner = QStringLiteral(ZEBRIN_RUN_EXE);
    const QString version = QStringLiteral(ZEBRIN_VERSION);
    QTest::newRow("window --help") << window << "--help"
                                   << "Usage: zebrin42 [--lang ru|en] [FILE]";
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

// One row per document, one column per case, UTF-8 with a byte-order mark;
// a report that cannot be written fails the run.
void TestRunner::reportTableForASpreadsheet() {
    const QString table = Path(QStringLiteral("класс.csv"));
    const Finished f =
        RunRunner({QStringLiteral("--cases"), Path(QStringLiteral("inc.cases")),
                   QStringLiteral("--report"), table, Path(QStringLiteral("inc.pst")),
                   Path(QStringLiteral("loop.pst")), Path(QStringLiteral("junk.pst"))});
    QCOMPARE(f.exitCode, 1);  // junk.pst is unreadable: a failed submission
    const QByteArray bytes = Contents(table);
    QVERIFY(bytes.startsWith("\xEF\xBB\xBF"));
    const QStringList lines = QString::fromUtf8(bytes.mid(3)).split(QStringLiteral("\r\n"));
    QCOMPARE(lines.value(0),
             QStringLiteral("file,machine,result,passed,failed,score,line 2: 1 => 11,"
                            "line 3: 111 => 1111,line 4: 1111111 => 11111111,"
                            "line 5: 11 => 11"));
    QCOMPARE(lines.value(1),
             Path(QStringLiteral("inc.pst")) +
                 QStringLiteral(",post,failed,3,1,75.0,passed,passed,passed,failed"));
    QCOMPARE(lines.value(2), Path(QStringLiteral("loop.pst")) +
                                 QStringLiteral(",post,failed,0,4,0.0,loop,loop,loop,loop"));
    QVERIFY(lines.value(3).endsWith(
        QStringLiteral(",,unreadable,0,4,0.0,unreadable,unreadable,unreadable,unreadable")));
    // The totals agree with the summary: every run printed is counted.
    QCOMPARE(f.out.last(), QStringLiteral("3 passed, 9 failed"));

    const Finished lost = RunRunner({QStringLiteral("--report"), Path(QStringLiteral("no/dir.csv")),
                                     Path(QStringLiteral("inc.pst"))});
    QCOMPARE(lost.exitCode, 2);
    QVERIFY2(lost.err.contains(QStringLiteral("could not write the report")), qPrintable(lost.err));
}

void TestRunner::diagramOfADocument_data() {
    QTest::addColumn<QString>("document");
    QTest::addColumn<QString>("target");  // what stands at the target's name
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("says");  // the titles in the SVG, in any order, or the error
    QTest::newRow("Post") << "inc.pst"
                          << "old file" << 0 << "program 1 2 3 4";
    QTest::newRow("Turing, by its first bytes") << "binary.dat"
                                                << "nothing" << 0 << "program Q0 stop";
    QTest::newRow("unreadable document") << "junk.pst"
                                         << "old file" << 2 << "junk.pst cannot be read";
    QTest::newRow("target a named pipe") << "inc.pst"
                                         << "pipe" << 2 << "not a regular file";
    QTest::newRow("target past ulimit -f 0") << "inc.pst"
                                             << "limited" << 2 << "could not write";
}

// The picture is written whole through a temporary file, as SVG whose node
// titles are the states or row numbers; a document that cannot be read or
// a target that cannot be written is status 2, the previous file kept.
void TestRunner::diagramOfADocument() {
    QFETCH(QString, document);
    QFETCH(QString, target);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("picture.svg"));
    std::function<void()> inChild;
    if (target == u"pipe") {
        QCOMPARE(mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    } else if (target != u"nothing") {
        WriteBytes(path, "old");
    }
    if (target == u"limited") {
        inChild = [] {
            const rlimit none{0, 0};
            setrlimit(RLIMIT_FSIZE, &none);
        };
    }
    const Finished f = RunRunner({QStringLiteral("--diagram"), path, Path(document)}, inChild);
    QTEST(f.exitCode, "exitCode");
    QFETCH(QString, says);
    if (f.exitCode != 0) {
        QVERIFY2(f.err.contains(says), qPrintable(f.err));
        QVERIFY(target == u"pipe" || Contents(path) == "old");
        return;
    }
    QVERIFY2(f.out.value(0).contains(QStringLiteral("written to ") + path),
             qPrintable(f.out.value(0)));
    QXmlStreamReader svg(Contents(path));
    QStringList titles;
    while (!svg.atEnd()) {
        if (svg.readNext() == QXmlStreamReader::StartElement && svg.name() == u"title") {
            const QString title = svg.readElementText();
            if (!title.contains(u'>')) {
                titles.append(title);
            }
        }
    }
    QVERIFY2(!svg.hasError(), qPrintable(svg.errorString()));
    QStringList expected = says.split(u' ');
    expected.sort();
    titles.sort();
    QCOMPARE(titles, expected);
}

void TestRunner::lostOutputAndTightLimits_data() {
    QTest::addColumn<QString>("shell");  // run by sh with $RUN and $DOC set
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("says");
    QTest::newRow("standard output on a full device")
        << "exec \"$RUN\" \"$DOC\" >/dev/full" << 2 << "could not write the results";
    QTest::newRow("json on a full device")
        << "exec \"$RUN\" --json \"$DOC\" >/dev/full" << 2 << "could not write the results";
    QTest::newRow("more jobs than open files allow")
        << "ulimit -n 48 && set -- && for i in $(seq 200); do set -- \"$@\" \"$DOC\"; done && "
           "exec \"$RUN\" --jobs 256 \"$@\" >/dev/null"
        << 0 << "";
}

void TestRunner::lostOutputAndTightLimits() {
    QFETCH(QString, shell);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("RUN"), QStringLiteral(ZEBRIN_RUN_EXE));
    environment.insert(QStringLiteral("DOC"), Path(QStringLiteral("inc.pst")));
    const Finished f =
        RunProgram(QStringLiteral("/bin/sh"), {QStringLiteral("-c"), shell}, environment);
    QTEST(f.exitCode, "exitCode");
    QFETCH(QString, says);
    QVERIFY2(f.err.contains(says), qPrintable(f.err));
}

// A traced run of a million ticks is written as it goes, not kept: the
// runner's peak memory stays far below the 170 MB the kept lines took. With
// several workers each document's trace still comes whole, in order.
void TestRunner::tracesStreamAndNeverInterleave() {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("RUN"), QStringLiteral(ZEBRIN_RUN_EXE));
    environment.insert(QStringLiteral("DOC"), Path(QStringLiteral("counter.tur")));
    const Finished million = RunProgram(
        QStringLiteral("/bin/sh"),
        {QStringLiteral("-c"), QStringLiteral("exec \"$RUN\" --trace --max-steps 1000000 --tape 0 "
                                              "--start 900 \"$DOC\" | tail -2")},
        environment);
    QVERIFY2(million.out.value(0).contains(QStringLiteral("limit after 1000000 steps")),
             qPrintable(million.out.join(u'\n') + million.err));
    // The sanitizers' own memory says nothing about the runner's.
#ifndef __SANITIZE_ADDRESS__
    rusage children{};
    QCOMPARE(getrusage(RUSAGE_CHILDREN, &children), 0);
    QVERIFY2(children.ru_maxrss < 100 * 1024, qPrintable(QString::number(children.ru_maxrss)));
#endif

    const QStringList documents = {
        Path(QStringLiteral("inc.pst")), Path(QStringLiteral("right.pst")),
        Path(QStringLiteral("binary.dat")), Path(QStringLiteral("inc.pst"))};
    const QStringList common = {QStringLiteral("--trace"), QStringLiteral("--max-steps"),
                                QStringLiteral("300"), QStringLiteral("--tape"),
                                QStringLiteral("11")};
    const Finished one =
        RunRunner(common + QStringList{QStringLiteral("--jobs"), QStringLiteral("1")} + documents);
    const Finished four =
        RunRunner(common + QStringList{QStringLiteral("--jobs"), QStringLiteral("4")} + documents);
    QVERIFY(one.out.size() > 300);
    QCOMPARE(four.out, one.out);
}

QTEST_GUILESS_MAIN(TestRunner)
#include "test_runner.moc"
