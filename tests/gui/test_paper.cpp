// A document on paper: the PDF the window writes holds the document's own
// texts as text (read back with poppler's pdftotext), and a Turing table
// wider and taller than a page is split into parts that repeat the row
// labels and the header on every page.

#include <QFileInfo>
#include <QPrintPreviewWidget>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <QPushButton>

#include "ModalAnswer.h"
#include "core/checking/CasesFile.h"
#include "core/turing/TuringMachine.h"
#include "window/dialogs/CaseCheckDialog.h"
#include "window/main/MainWindow.h"

namespace {

// The text of a PDF, or of one of its pages, as pdftotext reads it.
QString TextOf(const QString& pdf, int page = 0) {
    QStringList arguments{QStringLiteral("-layout")};
    if (page > 0) {
        arguments << QStringLiteral("-f") << QString::number(page) << QStringLiteral("-l")
                  << QString::number(page);
    }
    arguments << pdf << QStringLiteral("-");
    QProcess reader;
    reader.start(QStringLiteral("pdftotext"), arguments);
    reader.waitForFinished(20000);
    return QString::fromUtf8(reader.readAllStandardOutput());
}

// The table's corner cell, "A \ Q", as the reader spaces it.
const QRegularExpression kCorner(QStringLiteral(R"(A\s*\\\s*Q)"));

int PagesOf(const QString& pdf) {
    QProcess info;
    info.start(QStringLiteral("pdfinfo"), {pdf});
    info.waitForFinished(20000);
    const QString out = QString::fromUtf8(info.readAllStandardOutput());
    const qsizetype at = out.indexOf(QStringLiteral("Pages:"));
    return at < 0 ? 0 : out.mid(at + 6).section(u'\n', 0, 0).trimmed().toInt();
}

}  // namespace

class TestPaper : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() {
        QVERIFY2(!QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty(),
                 "pdftotext (poppler-utils) is installed by scripts/setup");
    }
    void documentTextsAreText_data();
    void documentTextsAreText();
    void wideTuringTableSplitsAcrossPages();
    void previewShowsThePages();
    void caseResultsOnPaper();
    void classInOnePdf_data();
    void classInOnePdf();
};

void TestPaper::documentTextsAreText_data() {
    QTest::addColumn<QString>("document");
    QTest::addColumn<QStringList>("texts");
    QTest::addColumn<QStringList>("diagram");  // labels on the diagram's page, as text
    QTest::newRow("post")
        << "post-double.pst"
        << QStringList{"post-double.pst",           "Машина Поста", "Удвоить число.",     "Вправо",
                       "Стираем левую метку числа", "4,2",          "Диаграмма программы"}
        << QStringList{"Диаграмма программы", "есть метка", "нет метки"};
    QTest::newRow("turing") << "turing-binary-increment.tur"
                            << QStringList{"turing-binary-increment.tur", "Машина Тьюринга", "Q0",
                                           "Пробел", "Диаграмма программы"}
                            << QStringList{"Диаграмма программы", "Q0", "Q1"};
}

void TestPaper::documentTextsAreText() {
    QFETCH(QString, document);
    QFETCH(QStringList, texts);
    QFETCH(QStringList, diagram);
    MainWindow form;
    form.OpenDocument(QStringLiteral(ZEBRIN_EXAMPLES "/") + document);
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("page.pdf"));
    QCOMPARE(form.WritePdf(pdf), QString());
    const QString text = TextOf(pdf);
    for (const QString& expected : texts) {
        QVERIFY2(text.contains(expected), qPrintable(expected + QStringLiteral(" in ") + text));
    }
    const QString last = TextOf(pdf, PagesOf(pdf));
    for (const QString& expected : diagram) {
        QVERIFY2(last.contains(expected), qPrintable(expected + QStringLiteral(" in ") + last));
    }
    // A file that cannot be written is said so, and nothing is left.
    QVERIFY(!form.WritePdf(dir.filePath(QStringLiteral("no/such/folder/page.pdf"))).isEmpty());
}

void TestPaper::wideTuringTableSplitsAcrossPages() {
    MainWindow form;
    form.ChooseTuringMachine();
    TuringMachine& turing = form.Bench().Turing();
    // 40 symbols and 30 states, each cell naming its state and symbol.
    QString alphabet;
    for (int i = 0; i < 40; ++i) {
        alphabet += QChar(u'A' + i);
    }
    turing.EditAlphabetText(alphabet);
    turing.RebuildAlphabet();
    while (turing.table.StateCount() < 30) {
        turing.AppendColumn();
    }
    for (int col = 1; col <= 30; ++col) {
        turing.table.SetCell(col, 1, QStringLiteral("A>%1").arg(col % 30));
    }
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("wide.pdf"));
    QCOMPARE(form.WritePdf(pdf), QString());
    const QString text = TextOf(pdf);
    QVERIFY(text.contains(QStringLiteral("Q29")));
    QVERIFY(text.contains(QStringLiteral("A>29")));
    // Four parts of eight states at most, each taller than a page: every
    // page of the table begins with the header of its part.
    const int pages = PagesOf(pdf);
    QVERIFY2(pages >= 5, qPrintable(QString::number(pages)));
    QVERIFY2(text.count(kCorner) >= 5, qPrintable(text));
    for (int page = 2; page < pages; ++page) {
        const QString shown = TextOf(pdf, page);
        if (shown.contains(QStringLiteral("Диаграмма программы"))) {
            continue;
        }
        QVERIFY2(shown.contains(kCorner), qPrintable(shown));
    }
    // The row labels repeat in every part.
    QVERIFY2(text.count(QStringLiteral("Пробел")) >= 4, qPrintable(text));
}

// Файл > Предварительный просмотр draws the same pages (the document and
// its diagram) in Qt's preview.
void TestPaper::previewShowsThePages() {
    MainWindow form;
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    form.OpenDocument(QStringLiteral(ZEBRIN_EXAMPLES "/post-double.pst"));
    int pages = 0;
    WhenModal(
        [&pages](QWidget* modal) {
            if (auto* preview = modal->findChild<QPrintPreviewWidget*>()) {
                preview->updatePreview();
                pages = preview->pageCount();
            }
        },
        [](QWidget* modal) { modal->close(); });
    form.PreviewDocument();
    QCOMPARE(pages, 2);
}

// The case check's table on paper: its buttons, and the PDF of the results
// as far as the check has come, header and verdicts as text.
void TestPaper::caseResultsOnPaper() {
    MainWindow form;
    form.OpenDocument(QStringLiteral(ZEBRIN_EXAMPLES "/post-double.pst"));
    const CasesFile cases = ParseCases(QStringLiteral("111 => 111111\n1 => 1\n"));
    CaseCheckDialog dialog(MachineKind::Post, form.Bench().Post().Saved(), cases.cases,
                           QStringLiteral("post-double.cases"));
    dialog.SetDocumentName(QStringLiteral("post-double.pst"));
    QCOMPARE(dialog.PrintButton()->text(), QStringLiteral("Печать..."));
    QCOMPARE(dialog.PdfButton()->text(), QStringLiteral("Экспорт в PDF..."));
    dialog.Start();
    QTRY_VERIFY(dialog.Finished());
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("cases.pdf"));
    QCOMPARE(dialog.WritePdf(pdf), QString());
    const QString text = TextOf(pdf);
    for (const char* expected :
         {"Проверка по тестам: post-double.pst", "post-double.cases", "Пройдено 1 из 2",
          "Ожидается", "111111", "не пройден", "пройден"}) {
        QVERIFY2(text.contains(QString::fromUtf8(expected)), qPrintable(text));
    }
    QVERIFY(!dialog.WritePdf(dir.filePath(QStringLiteral("no/such/folder/c.pdf"))).isEmpty());
}

// zebrin42-run --pdf: the documents one after another, each from a new
// page, with --cases their results; an unreadable one gets a page saying
// why; an input is never written over. No display is needed: the runner
// paints on the offscreen platform whatever the environment says.
void TestPaper::classInOnePdf_data() {
    QTest::addColumn<QStringList>("arguments");  // "@" is the folder of the run
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QStringList>("pages");  // texts each on a page of its own, in order
    QTest::addColumn<QString>("err");
    const QString ex = QStringLiteral(ZEBRIN_EXAMPLES "/");
    QTest::newRow("class with cases")
        << QStringList{"--pdf",
                       "@/class.pdf",
                       "--cases",
                       ex + "post-double.cases",
                       ex + "post-double.pst",
                       "@/broken.pst",
                       ex + "post-add-one.pst"}
        << 1
        << QStringList{"post-double.pst", "Проверка по тестам: post-double.pst",
                       "Документ не удалось прочитать: это не документ", "post-add-one.pst",
                       "Проверка по тестам: post-add-one.pst"}
        << QString();
    QTest::newRow("documents alone")
        << QStringList{"--pdf", "@/class.pdf", ex + "turing-binary-increment.tur",
                       ex + "post-double.pst"}
        << 0 << QStringList{"turing-binary-increment.tur", "post-double.pst"} << QString();
    QTest::newRow("over an input")
        << QStringList{"--pdf", "@/broken.pst", ex + "post-double.pst", "@/broken.pst"} << 2
        << QStringList{} << "will not write the PDF over";
    QTest::newRow("folder missing")
        << QStringList{"--pdf", "@/no/such/class.pdf", ex + "post-double.pst"} << 2 << QStringList{}
        << "could not write";
    QTest::newRow("not with --json")
        << QStringList{"--pdf", "@/class.pdf", "--json", ex + "post-double.pst"} << 2
        << QStringList{} << "--pdf takes documents";
}

void TestPaper::classInOnePdf() {
    QFETCH(QStringList, arguments);
    QFETCH(int, exitCode);
    QFETCH(QStringList, pages);
    QFETCH(QString, err);
    QTemporaryDir dir;
    const QString broken = dir.filePath(QStringLiteral("broken.pst"));
    {
        QFile file(broken);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("not a document\n");
    }
    for (QString& argument : arguments) {
        argument.replace(u'@', dir.path());
    }
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("DISPLAY"));
    environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    QProcess runner;
    runner.setProcessEnvironment(environment);
    runner.start(QStringLiteral(ZEBRIN_RUN_EXE), arguments);
    QVERIFY(runner.waitForFinished(60000));
    const QString stderrText = QString::fromUtf8(runner.readAllStandardError());
    QCOMPARE(runner.exitCode(), exitCode);
    QVERIFY2(stderrText.contains(err), qPrintable(stderrText));
    QCOMPARE(QFileInfo(broken).size(), qint64(15));  // never written over
    const QString pdf = dir.filePath(QStringLiteral("class.pdf"));
    QCOMPARE(QFileInfo::exists(pdf), !pages.isEmpty());
    // Each text on a page after the one before, and no two on one page.
    int page = 0;
    for (const QString& expected : pages) {
        int found = page + 1;
        while (found <= PagesOf(pdf) && !TextOf(pdf, found).contains(expected)) {
            ++found;
        }
        QVERIFY2(found <= PagesOf(pdf), qPrintable(expected + QStringLiteral(" after page ") +
                                                   QString::number(page) + TextOf(pdf)));
        page = found;
    }
}

QTEST_MAIN(TestPaper)
#include "test_paper.moc"
