// .tur documents: the exact lines of a fresh machine, a full round trip,
// every way a read or a write can fail with its dialog, help and status
// text, and the limits that keep a damaged file from harming the machine.

#include <sys/resource.h>
#include <QtTest>

#include <csignal>

#include "core/documents/DocumentFile.h"
#include "core/documents/TuringFile.h"
#include "core/port/ScriptedUi.h"
#include "core/run/RunController.h"
#include "core/turing/TuringMachine.h"
#include "core/workbench/Workbench.h"

namespace {

struct Bench {
    ScriptedUi ui;
    Workbench bench{ui};
    TuringMachine& machine = bench.Turing();
    Bench() { bench.SetKind(MachineKind::Turing); }
};

QStringList StartLines() {
    QStringList lines{"1", "Условие задачи:", "14", "999", "0", "", "", "2", "6", "Пробел"};
    for (int i = 0; i < 6 + 7; ++i) {
        lines.append(QString());
    }
    lines << "1"
          << "Комментарий:";
    return lines;
}

// The start document with line `at` replaced, or only its first lines.
QStringList Changed(int at, const QString& value) {
    QStringList lines = StartLines();
    lines[at] = value;
    return lines;
}

QStringList Cut(int count) {
    return StartLines().mid(0, count);
}

void WriteBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

}  // namespace

class TestTuringFile : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void startMachineWritesTheDocumentedLines();
    void roundTrip();
    void readTakesRowsAsTheFileHasThem();
    void lineBreaksInsideValuesCannotShiftLines();
    void readFailures_data();
    void readFailures();
    void writeFailureKeepsThePreviousFile();
};

void TestTuringFile::startMachineWritesTheDocumentedLines() {
    Bench b;
    QCOMPARE(TuringFileLines(b.machine), StartLines());
    QCOMPARE(StartLines().size(), 25);
}

void TestTuringFile::roundTrip() {
    QTemporaryDir dir;
    const QString path = dir.filePath("машина.tur");
    Bench a;
    TuringMachine& m = a.machine;
    m.SetStatement("Удвоить слово\nиз букв a и б\n");
    m.EditAlphabetText("a  б a");
    m.RebuildAlphabet();
    m.table.AppendStateColumn();
    m.table.SetCell(1, 1, "a>0");
    m.table.SetCell(6, 2, "б<$5");
    m.table.SetCell(2, 3, "_!007");
    m.tape.SetTuringCell(5, u'a');
    m.tape.SetTuringCell(9, u'б');
    m.tape.SetCarriagePos(998);
    m.SetComments("Q0 ищет конец;\n\nQ1 пишет.");
    QSignalSpy writing(&m, &TuringMachine::DocumentWriting);
    QVERIFY(WriteTuringFile(a.bench, path));
    QCOMPARE(writing.size(), 1);
    QCOMPARE(writing[0][0].toString(), path);
    QVERIFY(!m.Modified());

    Bench b;
    b.bench.RunControl().Run();
    b.bench.RunControl().Pause();
    b.bench.RunControl().SetEditedSinceStart(b.machine, true);
    b.ui.Clear();
    b.bench.SetModified(true);
    QSignalSpy loaded(&b.machine, &TuringMachine::DocumentLoaded);
    QVERIFY(ReadTuringFile(b.bench, path));
    TuringMachine& r = b.machine;
    QCOMPARE(loaded.size(), 1);
    QCOMPARE(r.Statement(), m.Statement());
    QCOMPARE(r.Comments(), m.Comments());
    QCOMPARE(r.Alphabet(), QStringLiteral("aб"));
    QCOMPARE(r.AlphabetText(), QStringLiteral("aб"));
    QCOMPARE(r.tape.TuringString(), m.tape.TuringString());
    QCOMPARE(r.tape.CarriagePos(), 998);
    QCOMPARE(r.tape.UsedMin(), 5);
    QCOMPARE(r.tape.UsedMax(), 9);
    QCOMPARE(r.table.ColCount(), 7);
    QCOMPARE(r.table.RowCount(), 4);
    for (int row = 0; row < 4; ++row) {
        for (int col = 0; col < 7; ++col) {
            QCOMPARE(r.table.Cell(col, row), m.table.Cell(col, row));
        }
    }
    QVERIFY(!r.Modified());
    QVERIFY(!b.bench.RunControl().EditedSinceStart(r));
    QCOMPARE(b.bench.StatusText(Workbench::PanelModified), QString());
    QCOMPARE(b.bench.StatusText(Workbench::PanelMin), QStringLiteral("min: 5"));
    QCOMPARE(b.bench.StatusText(Workbench::PanelMax), QStringLiteral("max: 9"));
    QCOMPARE(b.ui.events, QStringList());

    // Writing what was read gives the same bytes.
    QFile first(path);
    QVERIFY(first.open(QIODevice::ReadOnly));
    const QString again = dir.filePath("again.tur");
    QVERIFY(WriteTuringFile(b.bench, again));
    QFile second(again);
    QVERIFY(second.open(QIODevice::ReadOnly));
    QCOMPARE(second.readAll(), first.readAll());
}

void TestTuringFile::readTakesRowsAsTheFileHasThem() {
    QTemporaryDir dir;
    const QString path = dir.filePath("rows.tur");
    // The alphabet says "xy" while the rows say "a"; lines after the
    // comments are ignored; a blank tape leaves the bound panels alone.
    QStringList lines = StartLines();
    lines[6] = "xy";
    lines[7] = "3";
    const QStringList group{"a", "a>1", "", "", "", "", ""};
    for (int i = 0; i < group.size(); ++i) {
        lines.insert(9 + i, group[i]);
    }
    lines << "trailing"
          << "lines";
    QVERIFY(DocumentFile::Write(path, DocumentFile::kTuringMagic, lines));
    Bench b;
    QVERIFY(ReadTuringFile(b.bench, path));
    QCOMPARE(b.machine.Alphabet(), QStringLiteral("xy"));
    QCOMPARE(b.machine.table.RowCount(), 3);
    QCOMPARE(b.machine.table.Cell(0, 1), QStringLiteral("a"));
    QCOMPARE(b.machine.table.Cell(1, 1), QStringLiteral("a>1"));
    QCOMPARE(b.machine.table.Cell(0, 2), QStringLiteral("Пробел"));
    QCOMPARE(b.machine.Comments(), QStringLiteral("Комментарий:"));
    QCOMPARE(b.bench.StatusText(Workbench::PanelMin), QStringLiteral("мин:"));
    QCOMPARE(b.bench.StatusText(Workbench::PanelMax), QStringLiteral("макс:"));
}

void TestTuringFile::lineBreaksInsideValuesCannotShiftLines() {
    QTemporaryDir dir;
    const QString path = dir.filePath("breaks.tur");
    Bench a;
    a.machine.table.SetCell(1, 1, "_>1\n2");
    a.machine.SetComments(QStringLiteral("one\rtwo\r\nthree"));
    QVERIFY(WriteTuringFile(a.bench, path));
    Bench b;
    QVERIFY(ReadTuringFile(b.bench, path));
    QCOMPARE(b.machine.table.Cell(1, 1), QStringLiteral("_>1 2"));
    QCOMPARE(b.machine.Comments(), QStringLiteral("one\ntwo\nthree"));
}

void TestTuringFile::readFailures_data() {
    QTest::addColumn<QByteArray>("image");  // null: no file, a folder instead
    QTest::addColumn<bool>("wrongFile");
    const QByteArray magic = DocumentFile::kTuringMagic;
    QTest::newRow("cannot open") << QByteArray() << false;
    QTest::newRow("empty file") << QByteArray("") << true;
    QTest::newRow("short file") << magic.left(12) << true;
    QTest::newRow("post document") << DocumentFile::Compose("Zebrin42[pst]", StartLines()) << true;
    QTest::newRow("one byte off") << DocumentFile::Compose("Zebrin42[tuR]", StartLines()) << true;
    QTest::newRow("magic only") << magic << false;
    QTest::newRow("group line missing") << DocumentFile::Compose(magic, Cut(20)) << false;
    QTest::newRow("comment count missing") << DocumentFile::Compose(magic, Cut(23)) << false;

    // One line of the start document replaced.
    const struct {
        const char* name;
        int line;
        QString value;
    } damaged[] = {
        // clang-format off
        {"statement count not a number", 0, "x"},
        {"statement count negative", 0, "-1"},
        {"statement count huge", 0, "2147483647"},
        {"statement count past the end", 0, "25"},
        {"carriage not a number", 2, ""},
        {"carriage 0", 2, "0"},
        {"carriage 1000", 2, "1000"},
        {"used min 0", 3, "0"},
        {"used min far", 3, "100000"},
        {"used max negative", 4, "-1"},
        {"used max 1000", 4, "1000"},
        {"half of the empty pair", 4, "5"},
        {"tape of 1000 cells", 5, QString(1000, u'a')},
        {"row count 1", 7, "1"},
        {"row count 0", 7, "0"},
        {"column count 1", 8, "1"},
        {"column count negative", 8, "-5"},
        {"row count huge", 7, "2147483647"},
        {"column count huge", 8, "$7FFFFFFF"},
        {"table of 2^32 cells", 7, "65536"},
        {"comment count negative", 23, "-1"},
        {"comment count past the end", 23, "2"},
        // clang-format on
    };
    for (const auto& d : damaged) {
        QTest::newRow(d.name) << DocumentFile::Compose(magic, Changed(d.line, d.value)) << false;
    }
}

void TestTuringFile::readFailures() {
    QFETCH(QByteArray, image);
    QFETCH(bool, wrongFile);
    QTemporaryDir dir;
    const QString path = dir.filePath("damaged.tur");
    if (image.isNull()) {
        QVERIFY(QDir(dir.path()).mkdir("damaged.tur"));
    } else {
        WriteBytes(path, image);
    }

    Bench b;
    b.machine.SetStatement("before");
    b.ui.ExpectDialog(DialogAnswer::Help);
    DocumentFile::ReadStatus why = DocumentFile::ReadStatus::Ok;
    QVERIFY(!ReadTuringFile(b.bench, path, why));
    using DocumentFile::ReadStatus;
    QCOMPARE(why, image.isNull() ? ReadStatus::NotRegular
                  : wrongFile    ? ReadStatus::WrongMagic
                                 : ReadStatus::Damaged);

    QCOMPARE(b.ui.events, (QStringList{"beep", "dialog", "help 175"}));
    const ScriptedUi::Dialog& dialog = b.ui.dialogs[0];
    QCOMPARE(dialog.caption, QStringLiteral("Интерпретатор машины Тьюринга"));
    QCOMPARE(dialog.kind, MessageKind::ErrorWithHelp);
    if (wrongFile) {
        QCOMPARE(dialog.message,
                 QStringLiteral("Файл не является файлом машины Тьюринга или поврежден!"));
        QCOMPARE(b.bench.StatusText(Workbench::PanelMessage),
                 QStringLiteral(" Ошибка: файл не является файлом машины Тьюринга или поврежден!"));
    } else {
        QCOMPARE(dialog.message.section(u'\n', 0, 0), QStringLiteral("Ошибка чтения файла! "));
        QCOMPARE(b.bench.StatusText(Workbench::PanelMessage),
                 QStringLiteral("  Ошибка чтения файла!"));
    }
    // Nothing was taken over: the machine is as it was, still usable.
    QCOMPARE(b.machine.Statement(), QStringLiteral("before"));
    QCOMPARE(b.machine.table.ColCount(), 6);
    QCOMPARE(b.machine.table.RowCount(), 2);
    QCOMPARE(b.machine.tape.CarriagePos(), 14);
    QVERIFY(b.machine.Modified());
}

void TestTuringFile::writeFailureKeepsThePreviousFile() {
    QTemporaryDir dir;
    Bench b;
    b.ui.ExpectDialog(DialogAnswer::Help);
    QSignalSpy writing(&b.machine, &TuringMachine::DocumentWriting);
    QVERIFY(!WriteTuringFile(b.bench, dir.filePath("missing/dir/x.tur")));
    QCOMPARE(writing.size(), 1);
    QCOMPARE(b.ui.events, (QStringList{"beep", "dialog", "help 176"}));
    QCOMPARE(b.ui.dialogs[0].caption, QStringLiteral("Интерпретатор машины Тьюринга"));
    QCOMPARE(b.ui.dialogs[0].message, QStringLiteral("Ошибка записи файла!"));
    QCOMPARE(b.ui.dialogs[0].kind, MessageKind::ErrorWithHelp);
    QCOMPARE(b.bench.StatusText(Workbench::PanelMessage), QStringLiteral("  Ошибка записи файла!"));
    QVERIFY(b.machine.Modified());

    // A write cut short by a file-size limit leaves the earlier file whole.
    const QString path = dir.filePath("kept.tur");
    QVERIFY(WriteTuringFile(b.bench, path));
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray before = file.readAll();
    file.close();
    b.machine.SetComments(QString(4000, u'x'));
    b.ui.Clear();
    b.ui.ExpectDialog();
    rlimit old{};
    QCOMPARE(getrlimit(RLIMIT_FSIZE, &old), 0);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = old;
    small.rlim_cur = 1024;
    QCOMPARE(setrlimit(RLIMIT_FSIZE, &small), 0);
    const bool written = WriteTuringFile(b.bench, path);
    setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, oldHandler);
    QVERIFY(!written);
    QCOMPARE(b.ui.dialogs.size(), 1);
    QVERIFY(b.machine.Modified());
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), before);
}

QTEST_GUILESS_MAIN(TestTuringFile)
#include "test_turing_file.moc"
