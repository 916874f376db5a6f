// zebrin42-run --growth: each document's fit over the cases it passed, in
// the text, the JSON lines, the CSV and the workbook, a document that could
// not be read or passed too few cases said so; --growth alone is a usage
// error.

#include <QTemporaryDir>
#include <QtTest>

#include "RunnerFixture.h"

class TestGrowthReport : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() {
        QVERIFY(dir_.isValid());
        QVERIFY(
            QFile::copy(QStringLiteral(ZEBRIN_EXAMPLES "/post-double.pst"), Path("double.pst")));
        // Stops at once: it passes no case that doubles a number.
        WritePost(Path("stop.pst"), QStringLiteral("6:"));
        WriteBytes(Path("junk.pst"), "not a document");
    }

    void growthInEveryOutput_data() {
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<QString>("output");  // "" for standard output
        QTest::addColumn<QStringList>("says");
        QTest::newRow("text") << QStringList{} << ""
                              << QStringList{
                                     "double.pst: 8 of 8 cases passed, score 100%; "
                                     "growth n^2, c = 7.884 (7 input lengths)",
                                     "stop.pst: 0 of 8 cases passed, score 0%; growth not "
                                     "named: 0 input lengths of 2 cells or more, 4 needed"};
        QTest::newRow("json") << QStringList{"--json"} << ""
                              << QStringList{"\"growth\":{\"constant\":7.88",
                                             "\"growth\":{\"constant\":null,\"lengths\":0,"
                                             "\"name\":null}"};
        QTest::newRow("csv") << QStringList{"--report", Path("class.csv")} << Path("class.csv")
                             << QStringList{
                                    "file,machine,result,passed,failed,score,growth,"
                                    "growth_constant,",
                                    "double.pst,post,passed,8,0,100.0,n^2,7.884,",
                                    "junk.pst,,unreadable,0,8,0.0,,,unreadable"};
    }
    void growthInEveryOutput() {
        QFETCH(QStringList, options);
        QFETCH(QString, output);
        QFETCH(QStringList, says);
        const Finished f = RunRunner(
            options + QStringList{"--growth", "--cases",
                                  QStringLiteral(ZEBRIN_EXAMPLES "/post-double.cases"),
                                  Path("double.pst"), Path("stop.pst"), Path("junk.pst")});
        QCOMPARE(f.exitCode, 1);
        const QString text =
            output.isEmpty()
                ? f.out.join(u'\n').replace(dir_.path() + u'/', QString())
                : QString::fromUtf8(Contents(output)).replace(dir_.path() + u'/', QString());
        for (const QString& line : says) {
            QVERIFY2(text.contains(line), qPrintable(line + QStringLiteral("\n---\n") + text));
        }
    }

    // The workbook gets the same fit; its cells are checked by the
    // workbook's own test.
    void growthInTheWorkbook() {
        const Finished f =
            RunRunner({"--growth", "--report", Path("class.xlsx"), "--cases",
                       QStringLiteral(ZEBRIN_EXAMPLES "/post-double.cases"), Path("double.pst")});
        QCOMPARE(f.exitCode, 0);
        QVERIFY(Contents(Path("class.xlsx")).startsWith("PK"));
    }

    void growthNeedsCases() {
        const Finished f = RunRunner({"--growth", Path("double.pst")});
        QCOMPARE(f.exitCode, 2);
        QVERIFY2(f.err.contains("--growth needs --cases"), qPrintable(f.err));
        QVERIFY(f.out.isEmpty());
    }

private:
    QTemporaryDir dir_;
    QString Path(const char* name) const { return dir_.filePath(QString::fromUtf8(name)); }
};

QTEST_GUILESS_MAIN(TestGrowthReport)
#include "test_growth_report.moc"
