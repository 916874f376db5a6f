// .pst documents: the layout, the round trip, every refused file and a
// failed write that must leave the previous file intact, and save targets
// that are not regular files.

#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>
#include <QTemporaryDir>
#include <QtTest>

#include "core/documents/DocumentFile.h"
#include "core/documents/PostFile.h"
#include "core/port/ScriptedUi.h"
#include "core/workbench/Workbench.h"

namespace {

const QByteArray kMagic = QByteArrayLiteral("Zebrin42[pst]");

// A valid document's lines: statement "Задача", carriage 2, marks on -1 and
// 3, a two-row table whose row 1 holds "Метка" to row 2.
QStringList ValidLines() {
    return {QStringLiteral("1"), QStringLiteral("Задача"), QStringLiteral("2"),
            QStringLiteral("-1"), QStringLiteral("3"), QStringLiteral("1"), QStringLiteral("0"),
            QStringLiteral("001"), QStringLiteral("3"),
            // row 1
            QString(), QStringLiteral("2"), QStringLiteral("поставить"), QStringLiteral("3"),
            // row 2
            QString(), QString(), QString(), QStringLiteral("6"),
            // the position after the last row
            QString(), QString(), QString(), QString()};
}

void WriteImage(const QString& path, const QByteArray& image) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(image);
}

}  // namespace

class TestPostFile : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void readsTheLayout();
    void roundTripIsByteExact();
    void refusedFiles_data();
    void refusedFiles();
    void failedWriteKeepsThePreviousFile();
    void saveTargetsThatAreNotFiles_data();
    void saveTargetsThatAreNotFiles();
    void blankTapeLeavesThePanels();
    void readCellsAreTextsOfTheirOwn();
};

void TestPostFile::readsTheLayout() {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("a.pst"));
    WriteImage(path, DocumentFile::Compose(kMagic, ValidLines()));
    ScriptedUi ui;
    Workbench bench(ui);
    bench.SetModified(true);
    QVERIFY(ReadPostFile(bench, path));
    PostMachine& post = bench.Post();
    QCOMPARE(post.Statement(), QStringLiteral("Задача"));
    QCOMPARE(post.tape.CarriagePos(), 2);
    QVERIFY(post.tape.GetPostCell(-1) && post.tape.GetPostCell(3) && !post.tape.GetPostCell(0));
    QCOMPARE(post.table.ProgramRows(), 2);
    QCOMPARE(post.table.Cell(PostTable::ColNumber, 2), QStringLiteral("2"));
    QCOMPARE(post.table.Code(1), QStringLiteral("3"));
    QCOMPARE(post.table.Cell(PostTable::ColComment, 1), QStringLiteral("поставить"));
    QVERIFY(!post.Modified());
    QCOMPARE(bench.StatusText(Workbench::PanelMin), QStringLiteral("min: -1"));
    QVERIFY(ui.dialogs.isEmpty());
}

void TestPostFile::roundTripIsByteExact() {
    QTemporaryDir dir;
    ScriptedUi ui;
    Workbench bench(ui);
    PostMachine& post = bench.Post();
    post.SetStatement(QStringLiteral("Первая строка\n\nтретья ё№€"));
    post.tape.SetPostCell(-5, true);
    post.tape.SetPostCell(7, true);
    post.tape.SetCarriagePos(-3);
    post.table.SetProgramRows(12);
    post.table.SetCode(12, QStringLiteral("6"));
    post.table.SetCell(PostTable::ColJump, 3, QStringLiteral(" 4, 5"));
    const QString first = dir.filePath(QStringLiteral("first.pst"));
    QVERIFY(WritePostFile(bench, first));
    QVERIFY(!post.Modified());

    ScriptedUi ui2;
    Workbench other(ui2);
    QVERIFY(ReadPostFile(other, first));
    const QString second = dir.filePath(QStringLiteral("second.pst"));
    QVERIFY(WritePostFile(other, second));
    QFile a(first), b(second);
    QVERIFY(a.open(QIODevice::ReadOnly) && b.open(QIODevice::ReadOnly));
    QCOMPARE(b.readAll(), a.readAll());
    for (int cell = -20; cell <= 20; ++cell) {
        QCOMPARE(other.Post().tape.GetPostCell(cell), post.tape.GetPostCell(cell));
    }
    QCOMPARE(other.Post().tape.UsedMin(), -5);
    QCOMPARE(other.Post().tape.CarriagePos(), -3);
    QCOMPARE(other.Post().Statement(), post.Statement());
    QCOMPARE(other.Post().table.ProgramRows(), 12);
    QCOMPARE(other.Post().table.Jump(3), QStringLiteral(" 4, 5"));
    // An empty statement is stored as the count 0 alone.
    other.Post().SetStatement(QString());
    QCOMPARE(PostFileLines(other).mid(0, 2),
             QStringList({QStringLiteral("0"), QStringLiteral("-3")}));
}

void TestPostFile::refusedFiles_data() {
    QTest::addColumn<QByteArray>("image");
    QTest::addColumn<QString>("dialog");
    QTest::addColumn<QString>("status");
    const QString wrong = QStringLiteral("Файл не является файлом машины Поста или поврежден!");
    const QString wrongStatus =
        QStringLiteral(" Ошибка: файл не является файлом машины Поста или поврежден!");
    // A damaged document: the message names the cause on its second line.
    const QString bad = QStringLiteral("Ошибка чтения файла! \nдокумент повреждён");
    const QString badStatus = QStringLiteral("  Ошибка чтения файла!");
    auto with = [](int line, const QString& text) {
        QStringList lines = ValidLines();
        lines[line] = text;
        return DocumentFile::Compose(kMagic, lines);
    };
    QTest::newRow("other magic") << DocumentFile::Compose("Zebrin42[tur]", ValidLines()) << wrong
                                 << wrongStatus;
    QTest::newRow("short file") << QByteArray("Zebrin42[ps") << wrong << wrongStatus;
    QTest::newRow("empty file") << QByteArray() << wrong << wrongStatus;
    QTest::newRow("magic alone") << kMagic << bad << badStatus;
    QTest::newRow("statement count not a number")
        << with(0, QStringLiteral("x")) << bad << badStatus;
    QTest::newRow("statement count beyond the file")
        << with(0, QStringLiteral("2000000000")) << bad << badStatus;
    QTest::newRow("negative statement count") << with(0, QStringLiteral("-1")) << bad << badStatus;
    QTest::newRow("carriage off the tape") << with(2, QStringLiteral("1000")) << bad << badStatus;
    QTest::newRow("bound off the tape") << with(4, QStringLiteral("-5000")) << bad << badStatus;
    QTest::newRow("bounds out of order") << with(3, QStringLiteral("7")) << bad << badStatus;
    QTest::newRow("half of the empty pair") << with(3, QStringLiteral("999")) << bad << badStatus;
    QTest::newRow("empty zero cell") << with(6, QString()) << bad << badStatus;
    QTest::newRow("tape part past the end") << with(7, QString(1000, u'0')) << bad << badStatus;
    QTest::newRow("one row") << with(8, QStringLiteral("1")) << bad << badStatus;
    QTest::newRow("row count beyond the file")
        << with(8, QStringLiteral("2147483647")) << bad << badStatus;
    QStringList missing = ValidLines();
    missing.removeLast();
    QTest::newRow("last group cut short")
        << DocumentFile::Compose(kMagic, missing) << bad << badStatus;
}

void TestPostFile::refusedFiles() {
    QFETCH(QByteArray, image);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("bad.pst"));
    WriteImage(path, image);
    ScriptedUi ui;
    ui.ExpectDialog(DialogAnswer::Help);
    Workbench bench(ui);
    bench.Post().tape.SetPostCell(4, true);
    bench.Post().SetStatement(QStringLiteral("kept"));
    DocumentFile::ReadStatus why = DocumentFile::ReadStatus::Ok;
    QVERIFY(!ReadPostFile(bench, path, why));
    // The dialog does not tell a file of no machine from a damaged one; the
    // reason does.
    QFETCH(QString, dialog);
    QCOMPARE(why, dialog.startsWith(u"Файл не") ? DocumentFile::ReadStatus::WrongMagic
                                                : DocumentFile::ReadStatus::Damaged);
    QCOMPARE(ui.beeps, 1);
    QCOMPARE(ui.dialogs.size(), 1);
    QCOMPARE(ui.dialogs[0].caption, QStringLiteral("Интерпретатор машины Поста"));
    QTEST(ui.dialogs[0].message, "dialog");
    QCOMPARE(ui.helpTopics, QList<int>{137});
    QTEST(bench.StatusText(Workbench::PanelMessage), "status");
    // Nothing of the machine was touched.
    QCOMPARE(bench.Post().Statement(), QStringLiteral("kept"));
    QVERIFY(bench.Post().tape.GetPostCell(4));
    QCOMPARE(bench.Post().table.ProgramRows(), 10);
}

void TestPostFile::failedWriteKeepsThePreviousFile() {
    QTemporaryDir dir;
    ScriptedUi ui;
    Workbench bench(ui);
    const QString path = dir.filePath(QStringLiteral("keep.pst"));
    QVERIFY(WritePostFile(bench, path));
    QFile before(path);
    QVERIFY(before.open(QIODevice::ReadOnly));
    const QByteArray old = before.readAll();
    before.close();

    bench.Post().tape.SetPostCell(1, true);
    ui.ExpectDialog();
    QVERIFY(!WritePostFile(bench, dir.filePath(QStringLiteral("missing/dir/x.pst"))));
    QVERIFY(bench.Post().Modified());
    QCOMPARE(ui.dialogs.back().message, QStringLiteral("Ошибка записи файла!"));
    QCOMPARE(bench.StatusText(Workbench::PanelMessage), QStringLiteral("  Ошибка записи файла!"));

    // A directory standing where the file should go.
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("taken.pst")));
    ui.ExpectDialog();
    QVERIFY(!WritePostFile(bench, dir.filePath(QStringLiteral("taken.pst"))));
    QFile after(path);
    QVERIFY(after.open(QIODevice::ReadOnly));
    QCOMPARE(after.readAll(), old);
}

void TestPostFile::saveTargetsThatAreNotFiles_data() {
    QTest::addColumn<QString>("target");
    QTest::addColumn<bool>("written");
    QTest::newRow("named pipe") << "pipe" << false;
    QTest::newRow("link to a named pipe") << "link to pipe" << false;
    QTest::newRow("device node") << "device" << false;
    QTest::newRow("link to a document") << "link to document" << true;
}

// A save onto a node that is not a regular file is a write error and
// leaves the node as it was; a link to a regular file is written through.
void TestPostFile::saveTargetsThatAreNotFiles() {
    QFETCH(QString, target);
    QTemporaryDir dir;
    const QByteArray pipe = QFile::encodeName(dir.filePath(QStringLiteral("pipe")));
    const QString document = dir.filePath(QStringLiteral("document.pst"));
    const QString path = dir.filePath(QStringLiteral("target.pst"));
    const QByteArray node = QFile::encodeName(path);
    QCOMPARE(mkfifo(pipe.constData(), 0600), 0);
    WriteImage(document, "old");
    if (target == u"pipe") {
        QCOMPARE(mkfifo(node.constData(), 0600), 0);
    } else if (target == u"device" && mknod(node.constData(), S_IFCHR | 0600, makedev(1, 3)) != 0) {
        QSKIP("device nodes cannot be made here");
    } else if (target.startsWith(u"link")) {
        QVERIFY(QFile::link(target.endsWith(u"pipe") ? QFile::decodeName(pipe) : document, path));
    }
    struct stat before {};
    QCOMPARE(lstat(node.constData(), &before), 0);

    ScriptedUi ui;
    Workbench bench(ui);
    QFETCH(bool, written);
    if (!written) {
        ui.ExpectDialog();
    }
    QCOMPARE(WritePostFile(bench, path), written);
    struct stat after {};
    QCOMPARE(lstat(node.constData(), &after), 0);
    QCOMPARE(after.st_mode, before.st_mode);
    QCOMPARE(after.st_rdev, before.st_rdev);
    if (written) {
        ScriptedUi reader;
        Workbench back(reader);
        QVERIFY(ReadPostFile(back, document));
    } else {
        QCOMPARE(ui.dialogs.back().message, QStringLiteral("Ошибка записи файла!"));
    }
}

void TestPostFile::blankTapeLeavesThePanels() {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("blank.pst"));
    QStringList lines = ValidLines();
    lines[3] = QStringLiteral("999");
    lines[4] = QStringLiteral("-999");
    lines[5] = lines[7] = QString();
    lines[6] = QStringLiteral(" ");
    WriteImage(path, DocumentFile::Compose(kMagic, lines));
    ScriptedUi ui;
    Workbench bench(ui);
    QVERIFY(ReadPostFile(bench, path));
    QVERIFY(bench.Post().tape.IsEmpty());
    QCOMPARE(bench.StatusText(Workbench::PanelMin), QStringLiteral("мин:"));
}

// The cells of a read share one block of text (SharedTextBlock). Each must
// still act as a text of its own: a write to one changes no other, a copy
// outlives the table, and a text past the block's room is decoded apart.
void TestPostFile::readCellsAreTextsOfTheirOwn() {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("a.pst"));
    QStringList lines = ValidLines();
    lines[14] = QStringLiteral("1,2");
    lines[15] = QStringLiteral("вторая строка");
    WriteImage(path, DocumentFile::Compose(kMagic, lines));
    ScriptedUi ui;
    Workbench bench(ui);
    QVERIFY(ReadPostFile(bench, path));
    PostTable& table = bench.Post().table;
    QString comment = table.Cell(PostTable::ColComment, 1);
    QString jump = table.Jump(2);
    table.SetCell(PostTable::ColComment, 2, QStringLiteral("иная"));
    comment.append(u'!');
    QCOMPARE(table.Cell(PostTable::ColComment, 1), QStringLiteral("поставить"));
    QCOMPARE(comment, QStringLiteral("поставить!"));
    table.Reset();
    // The last text left in the block may grow where the others stood.
    jump.append(QString(40, u'9'));
    QCOMPARE(jump, QStringLiteral("1,2") + QString(40, u'9'));

    QString first, fallback, last;
    {
        DocumentFile::SharedTextBlock block(7);
        first = block.Decode("abc");
        fallback = block.Decode("defg");
        last = block.Decode("f\xE6");
    }
    first.append(u'x');
    last.append(QStringLiteral("yz"));
    QCOMPARE(first, QStringLiteral("abcx"));
    QCOMPARE(fallback, QStringLiteral("defg"));
    QCOMPARE(last, QStringLiteral("fжyz"));
}

QTEST_GUILESS_MAIN(TestPostFile)
#include "test_post_file.moc"
