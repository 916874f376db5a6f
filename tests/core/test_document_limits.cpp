// Files far larger than any document: a 100 MB line, counts claiming
// billions of rows, a million short lines, tables of empty cells filling the
// line limit, files at and just past both limits and a device that never
// ends. Each goes through the real readers and must finish within a few
// seconds with the machine loaded or the read-error message, without
// holding more than a few hundred MB. A document past a limit is not
// written either. The scans that count, split and blank lines eight bytes at
// a time must agree with the plain split wherever a break falls in a word.
// A save goes through a temporary file named after the file it replaces and
// leaves nothing else in the folder.

#include <fcntl.h>
#include <sys/file.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>
#include <QDir>
#include <QElapsedTimer>
#include <QtTest>
#include <functional>

#include "core/documents/DocumentFile.h"
#include "core/documents/PostFile.h"
#include "core/documents/TuringFile.h"
#include "core/port/ScriptedUi.h"
#include "core/text/Cp1251.h"
#include "core/workbench/Workbench.h"

namespace {

#if defined(__SANITIZE_ADDRESS__)
constexpr bool kSanitized = true;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
constexpr bool kSanitized = true;
#else
constexpr bool kSanitized = false;
#endif
#else
constexpr bool kSanitized = false;
#endif

// A sanitized build runs several times slower; the bound on time grows and
// the one on memory (which the sanitizer's own bookkeeping inflates) is left
// to the plain build.
constexpr qint64 kTimeLimitMs = kSanitized ? 20000 : 5000;
constexpr long kMemoryLimitKb = 300 * 1024;

// Writes a document line by line without holding it in memory: the magic,
// then each line masked and ended with CR LF.
class StreamedDocument {
public:
    StreamedDocument(const QString& path, const QByteArray& magic) : file_(path) {
        ok_ = file_.open(QIODevice::WriteOnly) && file_.write(magic) == magic.size();
    }
    ~StreamedDocument() { Flush(); }

    StreamedDocument& Line(const QString& text) { return Raw(Cp1251::Encode(text) + "\r\n"); }
    StreamedDocument& Lines(qint64 count, const QString& text) {
        const QByteArray line = Cp1251::Encode(text) + "\r\n";
        for (qint64 i = 0; i < count; ++i) {
            Raw(line);
        }
        return *this;
    }
    // One line of `size` bytes of "a".
    StreamedDocument& LongLine(qint64 size) {
        const QByteArray chunk(1 << 20, 'a');
        for (qint64 left = size; left > 0; left -= chunk.size()) {
            Raw(chunk.left(std::min<qint64>(left, chunk.size())));
        }
        return Raw("\r\n");
    }
    StreamedDocument& Raw(const QByteArray& bytes) {
        buffer_.append(bytes);
        if (buffer_.size() >= (1 << 20)) {
            Flush();
        }
        return *this;
    }
    bool Finish() {
        Flush();
        file_.close();
        return ok_;
    }

private:
    void Flush() {
        for (char& b : buffer_) {
            b = char(b ^ DocumentFile::kMask);
        }
        ok_ = ok_ && file_.write(buffer_) == buffer_.size();
        buffer_.clear();
    }

    QFile file_;
    QByteArray buffer_;
    bool ok_ = false;
};

const QByteArray kPostMagic = QByteArrayLiteral("Zebrin42[pst]");

// The Post document's lines after the statement: an empty tape, the row
// count as given and `groups` groups of four lines, each with the code "6".
void PostRest(StreamedDocument& doc, const QString& rows, qint64 groups) {
    doc.Line("0").Line("999").Line("-999").Line("").Line("0").Line("").Line(rows);
    for (qint64 i = 0; i < groups; ++i) {
        doc.Line("").Line("").Line("").Line("6");
    }
}

void TuringTape(StreamedDocument& doc) {
    doc.Line("1").Line("999").Line("0").Line("").Line("");
}

// Rows and columns as counted, then `groups` groups of columns + 1 lines.
void TuringGroups(StreamedDocument& doc, const QString& rows, const QString& cols, qint64 groups,
                  int groupLines) {
    doc.Line(rows).Line(cols);
    for (qint64 i = 0; i < groups; ++i) {
        doc.Line(i + 1 == groups ? QString() : QStringLiteral("Пробел"));
        doc.Lines(groupLines - 1, QString());
    }
}

using Builder = std::function<void(StreamedDocument&)>;
using Outcome = std::function<QString(Workbench&)>;

QString Expect(bool condition, const QString& failure) {
    return condition ? QString() : failure;
}

long PeakMemoryKb() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

}  // namespace

Q_DECLARE_METATYPE(Builder)
Q_DECLARE_METATYPE(Outcome)

class TestDocumentLimits : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void savesLeaveOnlyTheirFile_data();
    void savesLeaveOnlyTheirFile();
    void hugeFiles_data();
    void hugeFiles();
    void limitIsExact_data();
    void limitIsExact();
    void lineLimitIsExact_data();
    void lineLimitIsExact();
    void endlessDeviceIsRefused();
    void documentTooLargeToReadIsNotStored_data();
    void documentTooLargeToReadIsNotStored();
    void breaksAtEveryPlaceOfAWord_data();
    void breaksAtEveryPlaceOfAWord();
    void memoryStayedBounded();
};

void TestDocumentLimits::savesLeaveOnlyTheirFile_data() {
    QTest::addColumn<QString>("document");
    QTest::addColumn<QString>("another");  // a name the document's would match as a pattern
    QTest::addColumn<bool>("throughLink");
    QTest::addColumn<int>("mode");  // the previous file's, -1 for a new file
    QTest::newRow("a file replaced") << "a.pst"
                                     << "aXpst" << false << 0640;
    QTest::newRow("a new file") << "a.pst"
                                << "aXpst" << false << -1;
    QTest::newRow("glob characters") << "a*.p?t"
                                     << "ab.pst" << false << 0604;
    QTest::newRow("through a link") << "a.pst"
                                    << "aXpst" << true << 0600;
}

// A save of `in/document` removes only the temporary file a killed save of
// it left before this program started, keeps the permissions and leaves the
// folder as it found it otherwise; a link is written through and stays. It
// runs first, before any other save of the program, so a start taken at the
// first save rather than the program's would remove the fresh leftover.
void TestDocumentLimits::savesLeaveOnlyTheirFile() {
    QFETCH(QString, document);
    QFETCH(QString, another);
    QFETCH(bool, throughLink);
    QFETCH(int, mode);
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkpath("in") && QDir(dir.path()).mkpath("links"));
    const QString in = dir.filePath("in/");
    const QString own = '.' + document + ".zebrin42-save-";
    // A regular file or a link, its time `age` seconds ago.
    const auto plant = [&in](const QString& name, qint64 age, const QString& linkTo = {}) {
        const QByteArray path = QFile::encodeName(in + name);
        QFile file(in + name);
        if (linkTo.isEmpty() ? !file.open(QIODevice::WriteOnly)
                             : symlink(QFile::encodeName(linkTo).constData(), path) != 0) {
            return false;
        }
        timespec at{};
        clock_gettime(CLOCK_REALTIME, &at);
        at.tv_sec -= age;
        const timespec times[2] = {at, at};
        return utimensat(AT_FDCWD, path.constData(), times, AT_SYMLINK_NOFOLLOW) == 0;
    };
    const QString other = '.' + another + ".zebrin42-save-ABCDEF";
    QVERIFY(plant(own + "ABCDEF", 3600) && plant(own + "Fresh1", 0) &&
            plant(own + "ABCDEFG", 3600) && plant(other, 3600) &&
            plant(own + "LINKED", 3600, other) && plant(own + "Locked", 3600));
    // An old one still locked by the save writing it.
    QFile locked(in + own + "Locked");
    QVERIFY(locked.open(QIODevice::ReadOnly) && flock(locked.handle(), LOCK_EX) == 0);
    if (mode >= 0) {
        QVERIFY(plant(document, 0));
        QCOMPARE(chmod(QFile::encodeName(in + document).constData(), mode_t(mode)), 0);
    }
    const QString link = dir.filePath("links/" + document);
    if (throughLink) {
        QVERIFY(QFile::link("../in/" + document, link));
    }
    // The fresh leftover is newer than the program's start but older than
    // the save.
    QTest::qSleep(20);
    const mode_t mask = umask(007);
    const QString error = DocumentFile::WriteBytes(throughLink ? link : in + document, "new");
    umask(mask);
    QCOMPARE(error, QString());

    QFile saved(in + document);
    QVERIFY(saved.open(QIODevice::ReadOnly));
    QCOMPARE(saved.readAll(), QByteArray("new"));
    struct stat info {};
    QCOMPARE(stat(QFile::encodeName(saved.fileName()).constData(), &info), 0);
    QCOMPARE(int(info.st_mode & 0777), mode >= 0 ? mode : 0660);
    const auto entries = [](const QString& folder) {
        QStringList names = QDir(folder).entryList(
            QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::NoSort);
        names.sort();
        return names;
    };
    QStringList kept = {document,       own + "Fresh1", own + "ABCDEFG",
                        own + "Locked", other,          own + "LINKED"};
    kept.sort();
    QCOMPARE(entries(in), kept);
    QCOMPARE(entries(dir.filePath("links")), throughLink ? QStringList{document} : QStringList());
    QVERIFY(!throughLink || QFileInfo(link).isSymLink());
}

void TestDocumentLimits::hugeFiles_data() {
    QTest::addColumn<bool>("turing");
    QTest::addColumn<Builder>("build");
    QTest::addColumn<Outcome>("loaded");  // null: the read must be refused

    const Outcome refused;
    QTest::newRow("post: 100 MB statement line") << false << Builder([](StreamedDocument& d) {
        d.Line("1").LongLine(100'000'000);
        PostRest(d, "2", 2);
    }) << refused;
    QTest::newRow("turing: 100 MB comment line") << true << Builder([](StreamedDocument& d) {
        d.Line("0");
        TuringTape(d);
        TuringGroups(d, "2", "2", 2, 3);
        d.Line("1").LongLine(100'000'000);
    }) << refused;
    QTest::newRow("post: two billion rows claimed") << false << Builder([](StreamedDocument& d) {
        d.Line("0");
        PostRest(d, "2000000000", 100);
    }) << refused;
    QTest::newRow("post: statement of two billion lines claimed")
        << false << Builder([](StreamedDocument& d) { d.Line("$7FFFFFFF").Lines(1000, "a"); })
        << refused;
    QTest::newRow("turing: two billion rows and columns claimed")
        << true << Builder([](StreamedDocument& d) {
               d.Line("0");
               TuringTape(d);
               TuringGroups(d, "2000000000", "2000000000", 100, 3);
               d.Line("0");
           })
        << refused;
    QTest::newRow("turing: rows times columns past 32 bits")
        << true << Builder([](StreamedDocument& d) {
               d.Line("0");
               TuringTape(d);
               TuringGroups(d, "65536", "65537", 10, 3);
               d.Line("0");
           })
        << refused;
    QTest::newRow("post: a million statement lines") << false << Builder([](StreamedDocument& d) {
        d.Line("1000000").Lines(1'000'000, "a");
        PostRest(d, "2", 2);
    }) << Outcome([](Workbench& bench) {
        return Expect(bench.Post().Statement().count(u'\n') == 999'999, "the statement lost lines");
    });
    QTest::newRow("post: a quarter million rows in a million lines")
        << false << Builder([](StreamedDocument& d) {
               d.Line("0");
               PostRest(d, "250000", 250'000);
           })
        << Outcome([](Workbench& bench) {
               const PostTable& table = bench.Post().table;
               return Expect(table.ProgramRows() == 249'999 && table.Code(249'999) == "6" &&
                                 table.Cell(PostTable::ColNumber, 249'999) == "249999",
                             "the table is not as stored");
           });
    QTest::newRow("turing: a thousand rows of a thousand states")
        << true << Builder([](StreamedDocument& d) {
               d.Line("0");
               TuringTape(d);
               TuringGroups(d, "1000", "1000", 1000, 1001);
               d.Line("0");
           })
        << Outcome([](Workbench& bench) {
               const TuringTable& table = bench.Turing().table;
               return Expect(table.RowCount() == 1000 && table.ColCount() == 1000 &&
                                 table.Cell(999, 0) == "Q998",
                             "the table is not as stored");
           });
    QTest::newRow("turing: a million comment lines") << true << Builder([](StreamedDocument& d) {
        d.Line("0");
        TuringTape(d);
        TuringGroups(d, "2", "2", 2, 3);
        d.Line("1000000").Lines(1'000'000, "b");
    }) << Outcome([](Workbench& bench) {
        return Expect(bench.Turing().Comments().size() == 1'999'999, "the comments lost lines");
    });
    // The costliest shapes: every line a table cell, all of them empty. At
    // the line limit they load; twice as many lines are refused before the
    // file is split.
    constexpr qint64 kLines = DocumentFile::kMaxDocumentLines;
    constexpr qint64 kPostRows = (kLines - 8) / 4;  // 8 lines besides the groups
    QTest::newRow("post: table rows filling the line limit")
        << false << Builder([](StreamedDocument& d) {
               d.Line("0");
               PostRest(d, QString::number(kPostRows), 0);
               d.Lines(kPostRows * 4, "");
           })
        << Outcome([](Workbench& bench) {
               return Expect(bench.Post().table.ProgramRows() == kPostRows - 1,
                             "the table is not as stored");
           });
    QTest::newRow("post: table rows of twice the line limit")
        << false << Builder([](StreamedDocument& d) {
               d.Line("0");
               PostRest(d, QString::number(kPostRows * 2), 0);
               d.Lines(kPostRows * 8, "");
           })
        << refused;
    constexpr qint64 kTuringCols = (kLines - 11) / 2;  // 11 lines besides two groups
    QTest::newRow("turing: state columns filling the line limit")
        << true << Builder([](StreamedDocument& d) {
               d.Line("0");
               TuringTape(d);
               d.Line("2").Line(QString::number(kTuringCols));
               d.Lines((kTuringCols + 1) * 2, "").Line("0");
           })
        << Outcome([](Workbench& bench) {
               return Expect(bench.Turing().table.ColCount() == kTuringCols,
                             "the table is not as stored");
           });
    QTest::newRow("turing: state columns of twice the line limit")
        << true << Builder([](StreamedDocument& d) {
               d.Line("0");
               TuringTape(d);
               d.Line("2").Line(QString::number(kTuringCols * 2));
               d.Lines((kTuringCols * 2 + 1) * 2, "").Line("0");
           })
        << refused;
    QTest::newRow("post: a million lines of nothing")
        << false << Builder([](StreamedDocument& d) { d.Lines(1'000'000, ""); }) << refused;
}

void TestDocumentLimits::hugeFiles() {
    QFETCH(bool, turing);
    QFETCH(Builder, build);
    QFETCH(Outcome, loaded);
    QTemporaryDir dir;
    const QString path = dir.filePath(turing ? "huge.tur" : "huge.pst");
    {
        StreamedDocument doc(path, turing ? DocumentFile::kTuringMagic : DocumentFile::kPostMagic);
        build(doc);
        QVERIFY(doc.Finish());
    }

    ScriptedUi ui;
    Workbench bench(ui);
    bench.SetKind(turing ? MachineKind::Turing : MachineKind::Post);
    if (!loaded)
        ui.ExpectDialog();
    const QStringList fresh = turing ? TuringFileLines(bench.Turing()) : PostFileLines(bench);
    QElapsedTimer timer;
    timer.start();
    const bool read = turing ? ReadTuringFile(bench, path) : ReadPostFile(bench, path);
    const qint64 elapsed = timer.elapsed();
    QVERIFY2(elapsed < kTimeLimitMs, qPrintable(QStringLiteral("%1 ms").arg(elapsed)));

    if (loaded) {
        QVERIFY(read);
        QVERIFY(ui.dialogs.isEmpty());
        const QString failure = loaded(bench);
        QVERIFY2(failure.isEmpty(), qPrintable(failure));
    } else {
        QVERIFY(!read);
        QCOMPARE(ui.dialogs.size(), 1);
        QCOMPARE(ui.dialogs[0].message.section(u'\n', 0, 0),
                 QStringLiteral("Ошибка чтения файла! "));
        QCOMPARE(turing ? TuringFileLines(bench.Turing()) : PostFileLines(bench), fresh);
    }
}

void TestDocumentLimits::limitIsExact_data() {
    QTest::addColumn<qint64>("size");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("at the limit") << DocumentFile::kMaxDocumentSize << true;
    QTest::newRow("one byte past it") << DocumentFile::kMaxDocumentSize + 1 << false;
}

// A valid document whose statement line pads it to exactly `size` bytes.
void TestDocumentLimits::limitIsExact() {
    QFETCH(qint64, size);
    QFETCH(bool, accepted);
    QTemporaryDir dir;
    const QString path = dir.filePath("limit.pst");
    const QByteArray rest = DocumentFile::Compose(
        kPostMagic,
        {"1", "", "0", "999", "-999", "", "0", "", "2", "", "", "", "6", "", "", "", "6"});
    {
        StreamedDocument doc(path, kPostMagic);
        doc.Line("1").LongLine(size - rest.size());
        PostRest(doc, "2", 2);
        QVERIFY(doc.Finish());
    }
    QCOMPARE(QFileInfo(path).size(), size);
    ScriptedUi ui;
    if (!accepted)
        ui.ExpectDialog();
    Workbench bench(ui);
    DocumentFile::ReadStatus why = DocumentFile::ReadStatus::Ok;
    QCOMPARE(ReadPostFile(bench, path, why), accepted);
    QCOMPARE(why, accepted ? DocumentFile::ReadStatus::Ok : DocumentFile::ReadStatus::TooLarge);
    QCOMPARE(bench.Post().Statement().size(), accepted ? size - rest.size() : 15);
}

void TestDocumentLimits::lineLimitIsExact_data() {
    QTest::addColumn<qint64>("lines");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("at the limit") << qint64(DocumentFile::kMaxDocumentLines) << true;
    QTest::newRow("one line past it") << qint64(DocumentFile::kMaxDocumentLines) + 1 << false;
}

// A valid document whose statement brings it to exactly `lines` lines; the
// last one ends without a line break, which still makes a line.
void TestDocumentLimits::lineLimitIsExact() {
    QFETCH(qint64, lines);
    QFETCH(bool, accepted);
    QTemporaryDir dir;
    const QString path = dir.filePath("lines.pst");
    const qint64 statement = lines - 16;  // besides the statement: 1 + 7 + 2 groups of 4
    {
        StreamedDocument doc(path, kPostMagic);
        doc.Line(QString::number(statement)).Lines(statement, "a");
        PostRest(doc, "2", 1);
        doc.Line("").Line("").Line("").Raw("6");
        QVERIFY(doc.Finish());
    }
    ScriptedUi ui;
    if (!accepted)
        ui.ExpectDialog();
    Workbench bench(ui);
    DocumentFile::ReadStatus why = DocumentFile::ReadStatus::Ok;
    QCOMPARE(ReadPostFile(bench, path, why), accepted);
    QCOMPARE(why, accepted ? DocumentFile::ReadStatus::Ok : DocumentFile::ReadStatus::TooLarge);
    if (accepted) {
        QCOMPARE(bench.Post().Statement().count(u'a'), statement);
        QCOMPARE(bench.Post().table.Code(1), QStringLiteral("6"));
    }
}

// A device reports no size and never ends; reading it whole hung and ate
// all memory.
void TestDocumentLimits::endlessDeviceIsRefused() {
    if (!QFile::exists("/dev/zero")) {
        QSKIP("no /dev/zero here");
    }
    for (const bool turing : {false, true}) {
        ScriptedUi ui;
        ui.ExpectDialog();
        Workbench bench(ui);
        QElapsedTimer timer;
        timer.start();
        QVERIFY(!(turing ? ReadTuringFile(bench, "/dev/zero") : ReadPostFile(bench, "/dev/zero")));
        QVERIFY(timer.elapsed() < kTimeLimitMs);
        QCOMPARE(ui.dialogs.size(), 1);
        QCOMPARE(ui.dialogs[0].message,
                 QStringLiteral("Ошибка чтения файла! \nэто не обычный файл"));
    }
}

void TestDocumentLimits::documentTooLargeToReadIsNotStored_data() {
    QTest::addColumn<bool>("turing");
    QTest::addColumn<QString>("statement");
    const QString bytes(int(DocumentFile::kMaxDocumentSize), u'a');
    const QString lines(int(DocumentFile::kMaxDocumentLines), u'\n');
    QTest::newRow("post: too many bytes") << false << bytes;
    QTest::newRow("post: too many lines") << false << lines;
    QTest::newRow("turing: too many bytes") << true << bytes;
    QTest::newRow("turing: too many lines") << true << lines;
}

// A statement past a limit would make a file no reader takes: the write
// fails as a write does, and the previous file stays.
void TestDocumentLimits::documentTooLargeToReadIsNotStored() {
    QFETCH(bool, turing);
    QFETCH(QString, statement);
    QTemporaryDir dir;
    const QString path = dir.filePath(turing ? "kept.tur" : "kept.pst");
    ScriptedUi ui;
    Workbench bench(ui);
    bench.SetKind(turing ? MachineKind::Turing : MachineKind::Post);
    const auto write = [&] {
        return turing ? WriteTuringFile(bench, path) : WritePostFile(bench, path);
    };
    QVERIFY(write());
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray previous = file.readAll();
    file.close();

    bench.Current().SetStatement(statement);
    ui.ExpectDialog();
    QVERIFY(!write());
    QCOMPARE(ui.dialogs.size(), 1);
    QCOMPARE(ui.dialogs[0].message, QStringLiteral("Ошибка записи файла!"));
    QVERIFY(bench.Current().Modified());
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), previous);
}

void TestDocumentLimits::breaksAtEveryPlaceOfAWord_data() {
    QTest::addColumn<QByteArray>("lineBreak");
    QTest::newRow("CR LF") << QByteArray("\r\n");
    QTest::newRow("LF") << QByteArray("\n");
    QTest::newRow("CR") << QByteArray("\r");
    QTest::newRow("LF CR") << QByteArray("\n\r");
    QTest::newRow("CR CR LF") << QByteArray("\r\r\n");
    QTest::newRow("NUL, no break") << QByteArray(1, '\0');
}

// Two breaks with text of every length up to two words before the first;
// the text ends after the second break or one byte later. The line count,
// the lines read and a one-line value written must be what the plain split
// and OneLine make of the same text.
void TestDocumentLimits::breaksAtEveryPlaceOfAWord() {
    QFETCH(QByteArray, lineBreak);
    for (int before = 0; before <= 17; ++before) {
        for (const int after : {0, 1, 7, 8, 9}) {
            for (const char* end : {"", "c"}) {
                const QByteArray text =
                    QByteArray(before, 'a') + lineBreak + QByteArray(after, 'b') + lineBreak + end;
                const QString plain = QString::fromLatin1(text);
                const QStringList lines = DocumentFile::SplitLines(plain, false);
                const QByteArray name = text.toPercentEncoding();
                QVERIFY2(DocumentFile::CountLines(text) == lines.size(), name.constData());
                DocumentFile::ReadResult file;
                file.text = text;
                file.lineCount = lines.size();
                DocumentFile::LineReader in(file);
                for (const QString& line : lines) {
                    QVERIFY2(in.Next() == line, name.constData());
                }
                QVERIFY2(in.Ok() && in.Remaining() == 0, name.constData());
                DocumentFile::ImageComposer image(kPostMagic);
                image.AddOneLine(plain);
                QVERIFY2(image.TakeImage() ==
                             DocumentFile::Compose(kPostMagic, {DocumentFile::OneLine(plain)}),
                         name.constData());
            }
        }
    }
}

// The peak of the whole process, after every file above.
void TestDocumentLimits::memoryStayedBounded() {
    if (kSanitized) {
        QSKIP("the sanitizer's bookkeeping inflates the resident size");
    }
    QVERIFY2(PeakMemoryKb() < kMemoryLimitKb,
             qPrintable(QStringLiteral("peak %1 MB").arg(PeakMemoryKb() / 1024)));
}

QTEST_GUILESS_MAIN(TestDocumentLimits)
#include "test_document_limits.moc"
