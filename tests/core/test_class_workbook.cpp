// The class report's workbook as a spreadsheet program would read it: the
// .xlsx is unzipped here (zlib inflates its parts) and its sheets, shared
// strings and styles are looked at cell by cell.
#include <zlib.h>

#include <QtTest>

#include "runner/ClassReport.h"

namespace {

// The little-endian number of `size` bytes at `at`, as zip stores them.
quint32 Le(const QByteArray& b, qsizetype at, int size) {
    quint32 value = 0;
    for (int i = size - 1; i >= 0 && at + i < b.size(); --i) {
        value = value << 8 | quint8(b.at(at + i));
    }
    return value;
}

// A part stored with deflate, as raw deflate data (no zlib header).
QByteArray Inflate(const QByteArray& packed, quint32 size) {
    QByteArray out(qsizetype(size), '\0');
    z_stream s = {};
    inflateInit2(&s, -15);
    s.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(packed.constData()));
    s.avail_in = uInt(packed.size());
    s.next_out = reinterpret_cast<Bytef*>(out.data());
    s.avail_out = uInt(out.size());
    const int done = inflate(&s, Z_FINISH);
    inflateEnd(&s);
    return done == Z_STREAM_END ? out : QByteArray();
}

// Every part of the zip by name, walked from its central directory.
QHash<QString, QByteArray> Unzip(const QByteArray& zip) {
    QHash<QString, QByteArray> parts;
    const qsizetype end = zip.lastIndexOf(QByteArrayLiteral("PK\x05\x06"));
    qsizetype at = end < 0 ? zip.size() : Le(zip, end + 16, 4);
    for (quint32 n = end < 0 ? 0 : Le(zip, end + 10, 2); n > 0 && at + 46 <= zip.size(); --n) {
        const quint32 nameSize = Le(zip, at + 28, 2);
        const qsizetype local = Le(zip, at + 42, 4);
        const qsizetype data = local + 30 + Le(zip, local + 26, 2) + Le(zip, local + 28, 2);
        const QByteArray packed = zip.mid(data, Le(zip, at + 20, 4));
        parts[QString::fromUtf8(zip.mid(at + 46, nameSize))] =
            Le(zip, at + 10, 2) == 8 ? Inflate(packed, Le(zip, at + 24, 4)) : packed;
        at += 46 + nameSize + Le(zip, at + 30, 2) + Le(zip, at + 32, 2);
    }
    return parts;
}

struct Cell {
    QString text;
    int style = 0;
    bool shared = false;  // a string, not a number
};

// The cells of a sheet by reference ("B2"); a formula anywhere sets `formula`.
QHash<QString, Cell> Cells(const QByteArray& sheet, const QStringList& strings, bool& formula) {
    QHash<QString, Cell> cells;
    QXmlStreamReader xml(sheet);
    QString ref;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement) {
            continue;
        }
        formula = formula || xml.name() == u"f";
        if (xml.name() == u"c") {
            ref = xml.attributes().value(QLatin1String("r")).toString();
            cells[ref].style = xml.attributes().value(QLatin1String("s")).toInt();
            cells[ref].shared = xml.attributes().value(QLatin1String("t")) == u"s";
        } else if (xml.name() == u"v") {
            const QString v = xml.readElementText();
            cells[ref].text = cells[ref].shared ? strings.value(v.toInt()) : v;
        }
    }
    return cells;
}

// A stored text as a spreadsheet shows it: "_x0041_" is the character it
// codes, read left to right.
QString Decoded(const QString& stored) {
    static const QRegularExpression code(QStringLiteral("_x([0-9A-Fa-f]{4})_"));
    QString text;
    qsizetype from = 0;
    for (const QRegularExpressionMatch& m : code.globalMatch(stored)) {
        text +=
            stored.mid(from, m.capturedStart() - from) + QChar(m.captured(1).toUShort(nullptr, 16));
        from = m.capturedEnd();
    }
    return text + stored.mid(from);
}

// The shown texts of the shared strings, in order.
QStringList SharedStrings(const QByteArray& part) {
    QStringList texts;
    QXmlStreamReader xml(part);
    while (!xml.atEnd()) {
        if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == u"si") {
            texts << Decoded(xml.readElementText(QXmlStreamReader::IncludeChildElements));
        }
    }
    return texts;
}

// The fill colour and boldness of each cell style of styles.xml.
struct Look {
    QString fill;
    bool bold = false;
};
QVector<Look> Looks(const QByteArray& styles) {
    QStringList fills;
    QVector<bool> bold;
    QVector<Look> looks;
    QXmlStreamReader xml(styles);
    bool inCellXfs = false;
    while (!xml.atEnd()) {
        xml.readNext();
        const auto a = xml.attributes();
        inCellXfs = xml.name() == u"cellXfs" ? xml.isStartElement() : inCellXfs;
        if (!xml.isStartElement()) {
            continue;
        } else if (xml.name() == u"font") {
            bold << false;
        } else if (xml.name() == u"b") {
            bold.last() = true;
        } else if (xml.name() == u"fill") {
            fills << QString();
        } else if (xml.name() == u"fgColor") {
            fills.last() = a.value(QLatin1String("rgb")).toString();
        } else if (xml.name() == u"xf" && inCellXfs) {
            looks << Look{fills.value(a.value(QLatin1String("fillId")).toInt()),
                          bold.value(a.value(QLatin1String("fontId")).toInt())};
        }
    }
    return looks;
}

ClassReportRow Document(const QString& file, const QString& machine, const QString& result) {
    ClassReportRow row;
    row.file = file;
    row.machine = machine;
    row.result = result;
    return row;
}

// A report of two documents on two cases.
ClassReport Sample(bool withCases, bool withSimilar) {
    ClassReport report{
        withCases, withSimilar, {{3, "1", "11", 2}, {5, "_x0041_x0042_", "0", 1}}, {}, false};
    ClassReportRow first{"Иванов.pst", "post", "failed", "", 1, 1, 66.67, 4, {}, {}, {}};
    first.similarTo = QStringList{"Петров.tur", "Сидоров.pst"};
    first.cells = {{"passed", true, 1}, {"failed", false, 3}};
    ClassReportRow second = Document("=1+2", "turing", "unreadable");
    second.reason = QString(40000, u'я');
    report.rows << first << second;
    return report;
}

struct Book {
    QHash<QString, QByteArray> parts;
    QVector<Look> looks;
    QHash<QString, Cell> summary, cases;
    bool formula = false;
};

Book Write(const ClassReport& report) {
    QTemporaryDir dir;
    const QString path = dir.filePath("отчёт.xlsx");
    Book book;
    const QString error = WriteClassWorkbook(path, report);
    QFile file(path);
    if (!error.isEmpty() || !file.open(QIODevice::ReadOnly)) {
        qWarning() << "workbook not written:" << error;
        return book;
    }
    book.parts = Unzip(file.readAll());
    book.looks = Looks(book.parts.value("xl/styles.xml"));
    const QStringList strings = SharedStrings(book.parts.value("xl/sharedStrings.xml"));
    book.summary = Cells(book.parts.value("xl/worksheets/sheet1.xml"), strings, book.formula);
    book.cases = Cells(book.parts.value("xl/worksheets/sheet2.xml"), strings, book.formula);
    return book;
}

QStringList Row(const QHash<QString, Cell>& cells, int row, int count) {
    QStringList texts;
    for (int col = 0; col < count; ++col) {
        texts << cells.value(QChar(u'A' + col) + QString::number(row)).text;
    }
    return texts;
}

}  // namespace

class TestClassWorkbook : public QObject {
    Q_OBJECT

private slots:
    void columns_data() {
        QTest::addColumn<bool>("withCases");
        QTest::addColumn<bool>("withSimilar");
        QTest::addColumn<QStringList>("heads");
        QTest::addColumn<QStringList>("firstRow");
        const QStringList lead = {"Файл", "Машина", "Результат"};
        const QStringList counts = {"Пройдено", "Не пройдено", "Оценка, %"};
        const QStringList cases = {"строка 3: 1 => 11", "строка 5: _x0041_x0042_ => 0"};
        const QStringList similar = {"Петров.tur, Сидоров.pst"};
        const QStringList row = {"Иванов.pst", "Пост", "не пройден"};
        const QStringList cells = {"пройден, 1 шаг", "не пройден, 3 шага", ""};
        QTest::newRow("runs alone")
            << false << false << lead + QStringList{"Шагов всего", "Примечание"}
            << row + QStringList{"4", ""};
        QTest::newRow("similar") << false << true
                                 << lead + QStringList{"Шагов всего", "Совпадает с", "Примечание"}
                                 << row + QStringList{"4"} + similar + QStringList{""};
        QTest::newRow("cases") << true << false
                               << lead + counts + QStringList{"Шагов всего"} + cases +
                                      QStringList{"Примечание"}
                               << row + QStringList{"1", "1", "66.67", "4"} + cells;
        QTest::newRow("cases, similar")
            << true << true
            << lead + counts + QStringList{"Шагов всего", "Совпадает с"} + cases +
                   QStringList{"Примечание"}
            << row + QStringList{"1", "1", "66.67", "4"} + similar + cells;
    }
    void columns() {
        QFETCH(bool, withCases);
        QFETCH(bool, withSimilar);
        QFETCH(QStringList, heads);
        QFETCH(QStringList, firstRow);
        const Book book = Write(Sample(withCases, withSimilar));
        const QByteArray workbook = book.parts.value("xl/workbook.xml");
        QVERIFY(workbook.contains("name=\"Итоги\""));
        QCOMPARE(workbook.contains("name=\"Тесты\""), withCases);
        QCOMPARE(Row(book.summary, 1, heads.size() + 1), heads + QStringList{""});
        QCOMPARE(Row(book.summary, 2, firstRow.size()), firstRow);
        QVERIFY(book.looks.value(book.summary.value("A1").style).bold);
        QCOMPARE(book.parts.value("xl/styles.xml").contains("formatCode=\"0.0\""), withCases);
        QVERIFY(book.parts.value("xl/worksheets/sheet1.xml").contains("state=\"frozen\""));
        QCOMPARE(book.parts.value("xl/worksheets/sheet2.xml").contains("state=\"frozen\""),
                 withCases);
        // The second document: a name like a formula stays text, and a
        // reason longer than a cell holds is cut rather than failing.
        const QStringList second = Row(book.summary, 3, heads.size());
        QCOMPARE(second.mid(0, 3), (QStringList{"=1+2", "Тьюринг", "не читается"}));
        QVERIFY(book.summary.value("A3").shared);
        QVERIFY(!book.formula);
        QCOMPARE(second.last(), QString(32767, u'я'));
    }

    // With --growth: the fit's name and constant after the score; a
    // document without a fit says so.
    void growthColumns() {
        ClassReport report = Sample(true, false);
        report.withGrowth = true;
        report.rows[0].growth = FitGrowth({{2, 8}, {3, 18}, {4, 32}, {5, 50}});  // 2·n², exactly
        const Book book = Write(report);
        QCOMPARE(Row(book.summary, 1, 9).mid(3),
                 (QStringList{"Пройдено", "Не пройдено", "Оценка, %", "Рост", "Постоянная роста",
                              "Шагов всего"}));
        QCOMPARE(Row(book.summary, 2, 8).mid(6), (QStringList{"примерно n²", "2"}));
        QCOMPARE(Row(book.summary, 3, 8).mid(6), (QStringList{"не определён", ""}));
    }

    void casesSheet() {
        const Book book = Write(Sample(true, false));
        QCOMPARE(Row(book.cases, 1, 4), (QStringList{"Строка", "Вход", "Ожидается", "Вес"}));
        QCOMPARE(Row(book.cases, 2, 4), (QStringList{"3", "1", "11", "2"}));
        QCOMPARE(Row(book.cases, 3, 4), (QStringList{"5", "_x0041_x0042_", "0", "1"}));
        QVERIFY(!book.cases.value("A2").shared);
        QVERIFY(book.cases.value("B2").shared);
    }

    void caseCell_data() {
        QTest::addColumn<QString>("result");
        QTest::addColumn<bool>("passed");
        QTest::addColumn<qint64>("steps");
        QTest::addColumn<QString>("text");
        const QString green = "FFC6EFCE", red = "FFFFC7CE";
        QTest::addColumn<QString>("fill");
        QTest::newRow("passed") << "passed" << true << 1LL << "пройден, 1 шаг" << green;
        QTest::newRow("failed") << "failed" << false << 3LL << "не пройден, 3 шага" << red;
        QTest::newRow("error") << "error" << false << 25LL << "ошибка, 25 шагов" << red;
        QTest::newRow("limit") << "limit" << false << 11LL << "предел шагов, 11 шагов" << red;
        QTest::newRow("timeout") << "timeout" << false << 121LL << "время вышло, 121 шаг" << red;
        QTest::newRow("loop") << "loop" << false << 12LL << "зациклилась, 12 шагов" << red;
        QTest::newRow("teens") << "passed" << true << 112LL << "пройден, 112 шагов" << green;
        QTest::newRow("unreadable") << "unreadable" << false << 0LL << "не читается" << red;
        QTest::newRow("rejected") << "rejected" << false << 7LL << "отклонён" << red;
    }
    void caseCell() {
        QFETCH(QString, result);
        QFETCH(bool, passed);
        QFETCH(qint64, steps);
        QFETCH(QString, text);
        QFETCH(QString, fill);
        ClassReport report{true, false, {{2, "0", "1", 1}}, {}, false};
        report.rows << Document("a.pst", "post", result);
        report.rows[0].cells = {{result, passed, steps}};
        const Book book = Write(report);
        QCOMPARE(book.summary.value("H2").text, text);
        QCOMPARE(book.looks.value(book.summary.value("H2").style).fill, fill);
    }

    void failedWriteKeepsPrevious_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("cases");
        QTest::newRow("missing folder") << "missing/report.xlsx" << 1;
        QTest::newRow("folder in its place") << "folder" << 1;
        QTest::newRow("more cases than columns") << "report.xlsx" << 16400;
    }
    void failedWriteKeepsPrevious() {
        QFETCH(QString, name);
        QFETCH(int, cases);
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkdir("folder"));
        const QString path = dir.filePath(name);
        QFile previous(dir.filePath("report.xlsx"));
        QVERIFY(previous.open(QIODevice::WriteOnly) && previous.write("previous") == 8);
        previous.close();
        ClassReport report{true, false, QVector<ClassReportCase>(cases), {}, false};
        report.rows << Document("a.pst", "post", "failed");
        QVERIFY(!WriteClassWorkbook(path, report).isEmpty());
        QVERIFY(previous.open(QIODevice::ReadOnly));
        QCOMPARE(previous.readAll(), QByteArray("previous"));
        QVERIFY(QFileInfo(dir.filePath("folder")).isDir());
        QVERIFY(!QFileInfo::exists(dir.filePath("missing")));
    }
};

QTEST_GUILESS_MAIN(TestClassWorkbook)
#include "test_class_workbook.moc"
