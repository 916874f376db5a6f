// The case check's «Рост» tab: reached from the menu, it charts the passed
// cases and names their growth; «Больше входов» adds longer inputs' points
// in the background, "Отмена" stops those runs, and with too few lengths
// or no passed case the tab says why no curve is named.

#include <QChart>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QScatterSeries>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QtTest>

#include "ModalAnswer.h"
#include "core/checking/CaseBench.h"
#include "core/documents/DocumentCommands.h"
#include "window/dialogs/CaseCheckDialog.h"
#include "window/dialogs/GrowthPanel.h"
#include "window/main/CommandBars.h"
#include "window/main/MainMenu.h"
#include "window/main/MainWindow.h"

namespace {

// The points a series of the chart shows.
qsizetype SeriesPoints(QChart* chart, const QString& name) {
    for (QAbstractSeries* series : chart->series()) {
        if (series->name() == name) {
            return static_cast<QXYSeries*>(series)->count();
        }
    }
    return -1;
}

// A program of ours read from the examples, as the window would hand it over.
MachineContents Example(const QString& name) {
    const QString path = QStringLiteral(ZEBRIN_EXAMPLES "/") + name;
    CaseBench bench;
    bench.Bench().SetKind(DocumentCommands::KindToRead(path));
    DocumentCommands::OpenPath(bench.Bench(), path);
    return bench.Bench().Current().Saved();
}

RunCase Case(const QString& input, const QString& expected, std::optional<int> start = {}) {
    RunCase c;
    c.line = 1;
    c.input = input;
    c.expected = expected;
    c.start = start;
    return c;
}

}  // namespace

class TestGrowthTab : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void growthChartedFromTheMenu() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("double.pst"));
        QVERIFY(QFile::copy(QStringLiteral(ZEBRIN_EXAMPLES "/post-double.pst"), path));
        QVERIFY(QFile::copy(QStringLiteral(ZEBRIN_EXAMPLES "/post-double.cases"),
                            dir.filePath(QStringLiteral("double.cases"))));
        MainWindow form;
        form.show();
        form.OpenDocument(path);
        bool checked = false;
        WhenModal(
            [&](QWidget* modal) {
                auto* dialog = qobject_cast<CaseCheckDialog*>(modal);
                QVERIFY(dialog);
                QTRY_VERIFY(dialog->Finished());
                QTabWidget* tabs = dialog->Tabs();
                QCOMPARE(tabs->tabText(1), QStringLiteral("Рост"));
                tabs->setCurrentIndex(1);
                GrowthPanel* growth = dialog->Growth();
                QCOMPARE(growth->Fit().Key(), QStringLiteral("n^2"));
                QVERIFY2(growth->Note()->text().contains(QStringLiteral("примерно n²")),
                         qPrintable(growth->Note()->text()));
                QCOMPARE(SeriesPoints(growth->Chart(), QStringLiteral("Тесты")), 8);
                QVERIFY(SeriesPoints(growth->Chart(), QStringLiteral("примерно n²")) > 1);

                QVERIFY(growth->MoreButton()->isEnabled());
                growth->MoreButton()->click();
                QVERIFY(growth->Busy());
                QTRY_VERIFY_WITH_TIMEOUT(!growth->Busy(), 25000);
                const QVector<GrowthPoint> more = growth->MorePoints();
                QVERIFY(more.size() > 10);
                const auto longest = std::max_element(
                    more.begin(), more.end(),
                    [](const GrowthPoint& a, const GrowthPoint& b) { return a.length < b.length; });
                QVERIFY2(longest->length > 100, qPrintable(QString::number(longest->length)));
                QCOMPARE(SeriesPoints(growth->Chart(), QStringLiteral("Больше входов")),
                         more.size());
                QCOMPARE(growth->Fit().Key(), QStringLiteral("n^2"));
                // Run to the limits, there is nothing more to add.
                QVERIFY(!growth->MoreButton()->isEnabled());
                checked = true;
            },
            [](QWidget* modal) { modal->close(); });
        form.Bars().Menu().checkCasesAction->trigger();
        QVERIFY(checked);
    }

    // "Отмена" stops the longer runs; the button may then run them again.
    void cancelStopsTheLongerRuns() {
        CaseCheckDialog dialog(MachineKind::Turing, Example("turing-count-to-power.tur"),
                               {Case("00", "100", 2), Case("000", "1000", 2)},
                               QStringLiteral("count.cases"));
        dialog.Start();
        dialog.show();
        QTRY_VERIFY(dialog.Finished());
        GrowthPanel* growth = dialog.Growth();
        growth->MoreButton()->click();
        QVERIFY(growth->Busy());
        QPushButton* cancel = nullptr;
        for (QPushButton* button : dialog.findChildren<QPushButton*>()) {
            if (button->text() == QStringLiteral("Отмена")) {
                cancel = button;
            }
        }
        QVERIFY(cancel);
        cancel->click();
        QTRY_VERIFY(!growth->Busy());
        QVERIFY(dialog.isVisible());
        QVERIFY2(growth->Note()->text().contains(QStringLiteral("прервано")),
                 qPrintable(growth->Note()->text()));
        QCOMPARE(cancel->text(), QStringLiteral("Закрыть"));
        QVERIFY(growth->MoreButton()->isEnabled());
        // Closed while the runs go on, the dialog waits for none of them to
        // finish on its own.
        growth->MoreButton()->click();
        QVERIFY(growth->Busy());
    }

    void noCurveSaysWhy_data() {
        QTest::addColumn<QVector<RunCase>>("cases");
        QTest::addColumn<int>("points");
        QTest::addColumn<QString>("says");
        QTest::addColumn<bool>("canGrow");
        QTest::newRow("two lengths")
            << QVector<RunCase>{Case("11", "1111"), Case("111", "111111"), Case("1", "11")} << 3
            << "нужно не меньше 4" << true;
        QTest::newRow("no case passed")
            << QVector<RunCase>{Case("11", "1")} << 0 << "нет пройденных тестов" << false;
    }
    void noCurveSaysWhy() {
        QFETCH(QVector<RunCase>, cases);
        QFETCH(int, points);
        QFETCH(QString, says);
        QFETCH(bool, canGrow);
        CaseCheckDialog dialog(MachineKind::Post, Example("post-double.pst"), cases,
                               QStringLiteral("few.cases"));
        dialog.Start();
        dialog.show();
        QTRY_VERIFY(dialog.Finished());
        GrowthPanel* growth = dialog.Growth();
        QVERIFY(!growth->Fit().model);
        QCOMPARE(SeriesPoints(growth->Chart(), QStringLiteral("Тесты")), points);
        QVERIFY2(growth->Note()->text().contains(says), qPrintable(growth->Note()->text()));
        QCOMPARE(growth->MoreButton()->isEnabled(), canGrow);
    }
};

QTEST_MAIN(TestGrowthTab)
#include "test_growth_tab.moc"
