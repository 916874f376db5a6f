// Examples and the check against cases in the window: an example opened
// from "Примеры" is untitled and unmodified, the check runs its cases with
// one failing case made on purpose, and a double click puts a case's tape
// on the machine as an edit that can be undone.

#include <QFile>
#include <QMenu>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>

#include "ModalAnswer.h"
#include "core/documents/PostFile.h"
#include "window/dialogs/CaseCheckDialog.h"
#include "window/main/CommandBars.h"
#include "window/main/EditHistory.h"
#include "window/main/MainMenu.h"
#include "window/main/MainWindow.h"

class TestCaseCheck : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void exampleCheckedAgainstItsCases() {
        MainWindow form;
        form.show();
        Workbench& bench = form.Bench();
        MainMenu& menu = form.Bars().Menu();
        // Both groups are listed once the menu opens; the Turing examples
        // open in their machine.
        Q_EMIT menu.examplesMenu->aboutToShow();
        QAction* example = nullptr;
        int items = 0;
        for (QAction* item : menu.examplesMenu->actions()) {
            if (!item->isSeparator()) {
                ++items;
            }
            if (item->text() == QStringLiteral("Сложить два числа.")) {
                example = item;
            }
        }
        QVERIFY(items >= 24);
        QVERIFY(example);
        form.ChooseTuringMachine();
        example->trigger();
        QCOMPARE(bench.Kind(), MachineKind::Post);
        QCOMPARE(bench.Post().document.DisplayedName(), QStringLiteral("Без имени"));
        QVERIFY(!bench.Post().Modified());

        // Saved beside a cases file of its own with one wrong expectation.
        QTemporaryDir dir;
        QVERIFY(WritePostFile(bench, dir.filePath(QStringLiteral("sum.pst"))));
        bench.Post().SetDocument(dir.filePath(QStringLiteral("sum.pst")), true);
        QFile cases(dir.filePath(QStringLiteral("sum.cases")));
        QVERIFY(cases.open(QIODevice::WriteOnly));
        cases.write("111011 => 11111\n101 => 11\n# made to fail\n11011 => 111\n1 => 1\n");
        cases.close();

        QStringList results;
        QString obtained;
        WhenModal(
            [&](QWidget* modal) {
                auto* dialog = qobject_cast<CaseCheckDialog*>(modal);
                QVERIFY(dialog);
                QTRY_VERIFY(dialog->Finished());
                QTableWidget* table = dialog->Table();
                for (int row = 0; row < table->rowCount(); ++row) {
                    results << table->item(row, 3)->text();
                }
                obtained = table->item(2, 4)->text();
                emit table->cellDoubleClicked(1, 0);
            },
            [](QWidget* modal) { modal->close(); });
        menu.checkCasesAction->trigger();
        QCOMPARE(results, (QStringList{"пройден", "пройден", "не пройден", "пройден"}));
        QCOMPARE(obtained, QStringLiteral("1111"));

        // The chosen case's tape "101" from cell 0, the carriage on it.
        TapeStore& tape = bench.Post().tape;
        QCOMPARE(tape.CarriagePos(), 0);
        QCOMPARE(tape.UsedMin(), 0);
        QCOMPARE(tape.UsedMax(), 2);
        QVERIFY(bench.Post().Modified());
        form.History().Flush();
        QCOMPARE(menu.undoAction->text(), QStringLiteral("Отменить: загрузка теста"));
        menu.undoAction->trigger();
        QCOMPARE(tape.UsedMax(), 5);
    }
};

QTEST_MAIN(TestCaseCheck)
#include "test_case_check.moc"
