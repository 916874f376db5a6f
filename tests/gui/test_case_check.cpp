// Examples and the check against cases in the window: an example opened
// from "Примеры" is untitled and unmodified, the check runs its cases with
// one failing case made on purpose, and a double click puts a case's tape
// on the machine as an edit that can be undone; a case the machine cannot
// hold is refused with a message and leaves it untouched, and a case's end
// can be put on the tape instead of its input. A cases file that cannot be
// read is refused with the reason.

#include <sys/stat.h>
#include <QDialogButtonBox>
#include <QElapsedTimer>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QStyle>
#include <QTableView>
#include <QTemporaryDir>
#include <QtTest>

#include "ModalAnswer.h"
#include "core/checking/CaseBench.h"
#include "core/checking/CasesFile.h"
#include "core/documents/DocumentFile.h"
#include "core/documents/PostFile.h"
#include "window/dialogs/CaseCheckDialog.h"
#include "window/dialogs/DialogButton.h"
#include "window/dialogs/MessageDialog.h"
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
                QAbstractItemModel* table = dialog->Table()->model();
                for (int row = 0; row < table->rowCount(); ++row) {
                    results << table->index(row, 4).data().toString();
                }
                obtained = table->index(2, 5).data().toString();
                emit dialog->Table()->doubleClicked(table->index(1, 0));
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

    // The binary increment beside cases of its own: one with a symbol out of
    // its alphabet, one whose result is shown.
    void caseChosenOnTuringMachine_data() {
        QTest::addColumn<int>("row");
        QTest::addColumn<bool>("result");
        QTest::addColumn<QString>("tape");  // the used part afterwards, "" when unchanged
        QTest::addColumn<int>("carriage");
        QTest::newRow("input") << 0 << false << "1011" << 5;
        QTest::newRow("result") << 0 << true << "1100" << 3;
        QTest::newRow("symbol out of the alphabet") << 1 << false << "" << 0;
    }
    void caseChosenOnTuringMachine() {
        QFETCH(int, row);
        QFETCH(bool, result);
        QFETCH(QString, tape);
        QFETCH(int, carriage);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("inc.tur"));
        QVERIFY(QFile::copy(QStringLiteral(ZEBRIN_EXAMPLES "/turing-binary-increment.tur"), path));
        QFile cases(dir.filePath(QStringLiteral("inc.cases")));
        QVERIFY(cases.open(QIODevice::WriteOnly));
        cases.write("--start 2 --carriage 5\n1011 => 1100\n1a1 => 10\n");
        cases.close();
        MainWindow form;
        form.show();
        form.OpenDocument(path);
        Workbench& bench = form.Bench();
        QCOMPARE(bench.Kind(), MachineKind::Turing);
        TapeStore& machineTape = bench.Turing().tape;
        const QString before = TapeText(machineTape);
        const int carriageBefore = machineTape.CarriagePos();
        MainMenu& menu = form.Bars().Menu();
        form.History().Flush();
        const bool couldUndo = menu.undoAction->isEnabled();

        QString message;
        QSize messageSize;
        bool canShowResult = false;
        WhenModal(
            [&](QWidget* modal) {
                auto* dialog = qobject_cast<CaseCheckDialog*>(modal);
                QVERIFY(dialog);
                QTRY_VERIFY(dialog->Finished());
                dialog->Table()->selectRow(row);
                canShowResult = dialog->ShowResultButton()->isEnabled();
                if (tape.isEmpty()) {
                    WhenModal(
                        [&](QWidget* box) {
                            if (auto* shown = qobject_cast<MessageDialog*>(box)) {
                                message = shown->MessageLabel()->text();
                                messageSize = shown->size();
                                QCOMPARE(shown->ButtonCount(), 1);
                                QCOMPARE(shown->Button(1)->Caption(), QStringLiteral("Ок"));
                            }
                        },
                        Press(Qt::Key_Return), dialog);
                }
                if (result) {
                    dialog->ShowResultButton()->click();
                } else {
                    emit dialog->Table()->doubleClicked(dialog->Table()->model()->index(row, 0));
                }
            },
            [](QWidget* modal) { modal->close(); });
        menu.checkCasesAction->trigger();
        QTRY_VERIFY(!QApplication::activeModalWidget());
        form.History().Flush();
        QCOMPARE(canShowResult, row == 0);
        if (tape.isEmpty()) {
            QVERIFY2(message.contains(QStringLiteral("строки 3")) &&
                         message.contains(QStringLiteral("\"a\"")),
                     qPrintable(message));
            // The window's own report, as wide as a question.
            QCOMPARE(messageSize, QSize(315, MessageDialog::ClientHeight));
            QCOMPARE(TapeText(machineTape), before);
            QCOMPARE(machineTape.CarriagePos(), carriageBefore);
            QVERIFY(!bench.Turing().Modified());
            QCOMPARE(menu.undoAction->isEnabled(), couldUndo);
            return;
        }
        QCOMPARE(TapeText(machineTape), tape);
        QCOMPARE(machineTape.UsedMin(), 2);
        QCOMPARE(machineTape.CarriagePos(), carriage);
        QVERIFY(bench.Turing().Modified());
        QCOMPARE(menu.undoAction->text(), result ? QStringLiteral("Отменить: результат теста")
                                                 : QStringLiteral("Отменить: загрузка теста"));
    }

    // Without a cases file beside it, the cases dialog opens in the
    // document's folder.
    void casesDialogOpensInTheDocumentsFolder() {
        QTemporaryDir dir;
        const QString document = dir.filePath(QStringLiteral("solution.pst"));
        MainWindow form;
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QVERIFY(WritePostFile(form.Bench(), document));
        form.OpenDocument(document);
        QString folder;
        WhenModal(
            [&folder](QWidget* modal) {
                if (auto* dialog = qobject_cast<QFileDialog*>(modal)) {
                    folder = dialog->directory().absolutePath();
                }
            },
            [](QWidget* modal) { modal->close(); });
        form.Bars().Menu().checkCasesAction->trigger();
        QCOMPARE(folder, QDir(dir.path()).absolutePath());
    }

    // A long input is elided in its column, whole in the tooltip, the
    // verdict stays in view, and no count of steps is cut.
    void longInputKeepsTheResultInView() {
        const QString input(200, u'1');
        RunCase longCase;
        longCase.line = 1;
        longCase.input = input;
        longCase.expected = input;
        longCase.start = 3;
        CaseBench program(MachineKind::Post, {});
        CaseCheckDialog dialog(MachineKind::Post, program.Bench().Post().Saved(), {longCase},
                               QStringLiteral("long.cases"));
        // The steps column holds the largest count the step limit allows
        // before the last column's stretch widens it.
        const QTableView* sized = dialog.Table();
        const int margin = sized->style()->pixelMetric(QStyle::PM_FocusFrameHMargin) + 1;
        QVERIFY(
            sized->columnWidth(6) - 2 * margin >=
            sized->fontMetrics().horizontalAdvance(QString::number(CaseCheckDialog::kMaxSteps)));
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QTableView* table = dialog.Table();
        QCOMPARE(table->model()->index(0, 1).data(Qt::ToolTipRole).toString(), input);
        QCOMPARE(table->model()->index(0, 2).data().toString(), QStringLiteral("3"));
        const int resultRight = table->columnViewportPosition(4) + table->columnWidth(4);
        QVERIFY2(resultRight <= table->viewport()->width(),
                 qPrintable(QString::number(resultRight)));
    }

    // A check of a million cases: the dialog opens at once, the window
    // answers its input throughout (the event loop's longest wait between
    // two beats of a 5 ms timer), and «Отмена» stops the worker within half
    // a second.
    void largeCheckKeepsTheWindowAnswering() {
#if defined(__SANITIZE_ADDRESS__)
        const qint64 within = 400;  // a sanitized build paints slowly
#else
        const qint64 within = 100;
#endif
        const CasesFile file = ParseCases(QStringLiteral("1 => 1\n").repeated(1000000));
        CaseBench program(MachineKind::Post, {});
        QElapsedTimer clock;
        clock.start();
        CaseCheckDialog dialog(MachineKind::Post, program.Bench().Post().Saved(), file.cases,
                               QStringLiteral("many.cases"));
        dialog.show();
        dialog.Start();
        const qint64 opened = clock.elapsed();
        QVERIFY2(opened < 5 * within, qPrintable(QString::number(opened)));
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));

        qint64 longest = 0;
        QElapsedTimer sinceBeat;
        QTimer beat;
        beat.setInterval(5);
        connect(&beat, &QTimer::timeout, &dialog,
                [&] { longest = std::max(longest, sinceBeat.restart()); });
        sinceBeat.start();
        beat.start();
        QTRY_VERIFY_WITH_TIMEOUT(dialog.Results().Done() >= 100000, 30000);
        beat.stop();
        QVERIFY2(longest < within, qPrintable(QString::number(longest)));
        QVERIFY(!dialog.Finished());

        QPushButton* cancel = nullptr;
        for (QPushButton* button : dialog.findChildren<QPushButton*>()) {
            if (button->text() == QStringLiteral("Отмена")) {
                cancel = button;
            }
        }
        QVERIFY(cancel);
        clock.restart();
        cancel->click();
        QTRY_VERIFY_WITH_TIMEOUT(dialog.WorkerStopped(), 5000);
        QVERIFY2(clock.elapsed() < 500, qPrintable(QString::number(clock.elapsed())));
        QVERIFY(dialog.Finished());
        QCOMPARE(cancel->text(), QStringLiteral("Закрыть"));
    }

    // A cases file named in the dialog that cannot be read (a named pipe, a
    // file past the size limit) is refused with a message naming it and the
    // reason on its second line.
    void unreadableCasesFileSaysWhy_data() {
        QTest::addColumn<bool>("pipe");
        QTest::addColumn<QString>("reason");
        QTest::newRow("a named pipe") << true << "это не обычный файл";
        QTest::newRow("past the size limit") << false << "файл слишком велик";
    }
    void unreadableCasesFileSaysWhy() {
        QFETCH(bool, pipe);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("class.cases"));
        if (pipe) {
            QCOMPARE(mkfifo(QFile::encodeName(path).constData(), 0600), 0);
        } else {
            QFile large(path);
            QVERIFY(large.open(QIODevice::WriteOnly) &&
                    large.resize(DocumentFile::kMaxDocumentSize + 1));
        }
        MainWindow form;
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QString message;
        WhenModal(
            [&](QWidget* modal) {
                auto* dialog = qobject_cast<QFileDialog*>(modal);
                QVERIFY(dialog);
                auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
                auto* buttons = dialog->findChild<QDialogButtonBox*>(QStringLiteral("buttonBox"));
                QVERIFY(name && buttons && buttons->button(QDialogButtonBox::Open));
                name->setText(path);
                WhenModal(
                    [&message](QWidget* box) {
                        if (auto* shown = qobject_cast<MessageDialog*>(box)) {
                            message = shown->MessageLabel()->text();
                        }
                    },
                    Press(Qt::Key_Return), dialog);
                buttons->button(QDialogButtonBox::Open)->click();
            },
            [](QWidget* modal) { modal->close(); });
        form.Bars().Menu().checkCasesAction->trigger();
        QTRY_VERIFY(!QApplication::activeModalWidget());
        QFETCH(QString, reason);
        QCOMPARE(
            message.split(u'\n'),
            (QStringList{QStringLiteral("Файл тестов не удалось прочитать: ") + path, reason}));
    }

private:
    static QString TapeText(TapeStore& tape) {
        QString text;
        for (int cell = tape.UsedMin(); !tape.IsEmpty() && cell <= tape.UsedMax(); ++cell) {
            text += tape.GetTuringCell(cell);
        }
        return text;
    }
};

QTEST_MAIN(TestCaseCheck)
#include "test_case_check.moc"
