// Undo and redo in the window: each kind of edit taken back gives the
// document as it was opened, line for line and unmodified, and done again
// gives the edited one; typing and a run are one change each; nothing is
// undone while a program runs.

#include <QAction>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QUndoStack>
#include <QtTest>
#include <functional>

#include "ModalAnswer.h"
#include "core/documents/PostFile.h"
#include "core/documents/TuringFile.h"
#include "core/editing/TapeEditing.h"
#include "core/run/RunController.h"
#include "window/main/CommandBars.h"
#include "window/main/EditHistory.h"
#include "window/main/MainMenu.h"
#include "window/main/MainWindow.h"
#include "window/post/PostTableView.h"
#include "window/tape/TapeGridWidget.h"
#include "window/tape/TapePanel.h"
#include "window/turing/TuringAlphabetPanel.h"
#include "window/turing/TuringTablePanel.h"
#include "window/turing/TuringTableView.h"

namespace {

using Edit = std::function<void(MainWindow&)>;

QStringList Lines(MainWindow& form) {
    Workbench& bench = form.Bench();
    return bench.Kind() == MachineKind::Post ? PostFileLines(bench)
                                             : TuringFileLines(bench.Turing());
}

Edit Trigger(QAction* MainMenu::*item) {
    return [item](MainWindow& form) { (form.Bars().Menu().*item)->trigger(); };
}

Edit Type(QPlainTextEdit* (*memo)(MainWindow&), const QString& text) {
    return [memo, text](MainWindow& form) {
        QPlainTextEdit* editor = memo(form);
        editor->setFocus();
        editor->moveCursor(QTextCursor::End);
        QTest::keyClicks(editor, text);
    };
}

QPlainTextEdit* StatementOf(MainWindow& form) {
    return form.Statement(form.Bench().Kind());
}

QPlainTextEdit* CommentsOf(MainWindow& form) {
    return form.TuringPanel()->Comments();
}

using EditorOf = QWidget* (*)(MainWindow&);

QWidget* StatementEditor(MainWindow& form) {
    return StatementOf(form);
}
QWidget* CommentsEditor(MainWindow& form) {
    return CommentsOf(form);
}
QWidget* AlphabetEditor(MainWindow& form) {
    return form.Alphabet()->Editor();
}

}  // namespace

class TestEditHistory : public QObject {
    Q_OBJECT

    void Open(MainWindow& form, bool post) {
        if (post) {
            QVERIFY(ReadPostFile(form.Bench(), QStringLiteral(ZEBRIN_EXAMPLES "/post-add.pst")));
        } else {
            form.ChooseTuringMachine();
            QVERIFY(ReadTuringFile(form.Bench(),
                                   QStringLiteral(ZEBRIN_EXAMPLES "/turing-unary-add.tur")));
        }
    }

private Q_SLOTS:
    void undoAndRedoEachEdit_data() {
        QTest::addColumn<bool>("post");
        QTest::addColumn<Edit>("prepare");
        QTest::addColumn<Edit>("edit");
        QTest::addColumn<QString>("caption");
        using M = MainMenu;
        const Edit none = [](MainWindow&) {};
        auto post = [](MainWindow& form) -> PostMachine& { return form.Bench().Post(); };
        auto turing = [](MainWindow& form) -> TuringMachine& { return form.Bench().Turing(); };
        QTest::newRow("Post command") << true << none << Edit([post](MainWindow& form) {
            form.Bench().NoteEdit();
            post(form).table.SetCode(2, QStringLiteral("4"));
        }) << "изменение таблицы";
        QTest::newRow("Post jump and comment") << true << none << Edit([post](MainWindow& form) {
            post(form).table.SetCell(PostTable::ColJump, 1, QStringLiteral("5"));
            post(form).table.SetCell(PostTable::ColComment, 1, QStringLiteral("x"));
        }) << "изменение таблицы";
        QTest::newRow("insert row")
            << true << none << Trigger(&M::insertRowAction) << "вставка строки";
        QTest::newRow("delete row")
            << true << none << Trigger(&M::deleteRowAction) << "удаление строки";
        QTest::newRow("append row")
            << true << none << Trigger(&M::appendRowAction) << "добавление строки";
        QTest::newRow("clear table")
            << true << none << Trigger(&M::clearTableAction) << "очистка таблицы";
        QTest::newRow("clear row")
            << true << none << Trigger(&M::clearRowAction) << "очистка строки";
        QTest::newRow("clear column")
            << true
            << Edit([post](MainWindow& form) { post(form).table.SetCursor(PostTable::ColJump, 2); })
            << Trigger(&M::clearColumnAction) << "очистка столбца";
        QTest::newRow("Delete on Post cells") << true << none << Edit([](MainWindow& form) {
            PostTableView* view = form.PostTable();
            QAbstractItemModel* model = view->model();
            view->selectionModel()->select(QItemSelection(model->index(0, PostTable::ColCommand),
                                                          model->index(2, PostTable::ColComment)),
                                           QItemSelectionModel::ClearAndSelect);
            QTest::keyClick(view, Qt::Key_Delete);
        }) << "очистка ячеек";
        QTest::newRow("marks") << true << none << Edit([](MainWindow& form) {
            TapeEditing::ToggleMarks(form.Bench(), 2, 9);
        }) << "изменение меток";
        QTest::newRow("clear tape")
            << true << none << Trigger(&M::clearTapeAction) << "очистка ленты";
        QTest::newRow("restore tape") << true << Edit([](MainWindow& form) {
            TapeEditing::MemoriseTape(form.Bench());
            TapeEditing::ToggleMarks(form.Bench(), 0, 3);
        }) << Trigger(&M::restoreTapeAction)
                                      << "восстановление ленты";
        QTest::newRow("carriage") << true << none << Edit([](MainWindow& form) {
            form.Bars().Menu().carriageLeftAction->trigger();
            form.Bars().Menu().carriageLeftAction->trigger();
        }) << "сдвиг каретки";
        QTest::newRow("statement typed")
            << true << none << Type(StatementOf, "abc") << "изменение условия задачи";
        QTest::newRow("clear statement")
            << true << none << Trigger(&M::clearStatementAction) << "очистка условия задачи";
        QTest::newRow("Post clear all")
            << true << none << Trigger(&M::clearAllAction) << "очистка всего";

        QTest::newRow("Turing cell") << false << none << Edit([turing](MainWindow& form) {
            TuringMachine& machine = turing(form);
            machine.table.SetCursor(2, 3);
            machine.table.SetCell(2, 3, QStringLiteral("1>0"));
            machine.CheckCell();
        }) << "изменение таблицы";
        QTest::newRow("Backspace on a Turing cell")
            << false << none << Edit([turing](MainWindow& form) {
                   // The first command the example's table holds.
                   TuringTable& table = turing(form).table;
                   for (int at = table.RowCount() * table.ColCount() - 1; at >= 0; --at) {
                       const int col = at % table.ColCount();
                       const int row = at / table.ColCount();
                       if (col >= 1 && row >= 1 && !table.Cell(col, row).isEmpty()) {
                           table.SetCursor(col, row);
                       }
                   }
                   QTest::keyClick(form.TuringPanel()->Table(), Qt::Key_Backspace);
               })
            << "очистка ячейки";
        QTest::newRow("symbol typed on the tape")
            << false << none << Edit([turing](MainWindow& form) {
                   // A symbol other than the carriage cell's, which the tape selects.
                   TapeStore& tape = turing(form).tape;
                   const bool one = tape.GetTuringCell(tape.CarriagePos()) == u'1';
                   QTest::keyClick(form.Tape()->CurrentGrid(), one ? Qt::Key_Space : Qt::Key_1);
               })
            << "запись на ленту";
        QTest::newRow("insert column")
            << false << none << Trigger(&M::insertColumnAction) << "вставка столбца";
        QTest::newRow("delete column")
            << false << none << Trigger(&M::deleteColumnAction) << "удаление столбца";
        QTest::newRow("append column")
            << false << none << Trigger(&M::appendColumnAction) << "добавление столбца";
        QTest::newRow("Turing clear table")
            << false << none << Trigger(&M::clearTableAction) << "очистка таблицы";
        QTest::newRow("alphabet rebuilt") << false << none << Edit([turing](MainWindow& form) {
            turing(form).EditAlphabetText(QStringLiteral("a 1"));
            turing(form).RebuildAlphabet();
        }) << "изменение алфавита";
        QTest::newRow("clear alphabet")
            << false << none << Trigger(&M::clearAlphabetAction) << "очистка алфавита";
        QTest::newRow("comments typed")
            << false << none << Type(CommentsOf, "xyz") << "изменение комментариев";
        QTest::newRow("clear comments")
            << false << none << Trigger(&M::clearCommentsAction) << "очистка комментариев";
        QTest::newRow("symbols written") << false << none << Edit([](MainWindow& form) {
            TapeEditing::WriteSymbolToSelection(form.Bench(), u'1', 20, 24);
        }) << "запись на ленту";
        QTest::newRow("Turing clear all")
            << false << none << Trigger(&M::clearAllAction) << "очистка всего";
    }

    void undoAndRedoEachEdit() {
        QFETCH(bool, post);
        QFETCH(Edit, prepare);
        QFETCH(Edit, edit);
        QFETCH(QString, caption);
        MainWindow form;
        form.show();
        Open(form, post);
        Machine& machine = form.Bench().Current();
        EditHistory& history = form.History();
        QAction* undo = form.Bars().Menu().undoAction;
        QAction* redo = form.Bars().Menu().redoAction;
        prepare(form);
        history.Flush();
        const int before = history.StackOf(machine.Kind()).count();
        const bool modifiedBefore = machine.Modified();
        const QStringList original = Lines(form);

        edit(form);
        history.Flush();
        const QStringList edited = Lines(form);
        QVERIFY(edited != original);
        QCOMPARE(history.StackOf(machine.Kind()).count(), before + 1);
        QVERIFY(undo->isEnabled());
        QCOMPARE(undo->text(), QStringLiteral("Отменить: ") + caption);

        undo->trigger();
        QCOMPARE(Lines(form), original);
        QCOMPARE(machine.Modified(), modifiedBefore);
        QCOMPARE(redo->text(), QStringLiteral("Повторить: ") + caption);
        redo->trigger();
        QCOMPARE(Lines(form), edited);
        QVERIFY(machine.Modified());
        undo->trigger();
        QCOMPARE(Lines(form), original);
    }

    // Keys typed into one editor, each taken as the window's timer would,
    // grow one change while the editor keeps the focus; the focus gone and
    // back starts another, nothing grows into the saved state, and typing
    // that comes back to where its change began leaves the stack.
    void typingGrowsOneChange_data() {
        QTest::addColumn<bool>("post");
        QTest::addColumn<EditorOf>("editor");
        QTest::addColumn<QString>("caption");
        QTest::newRow("Post statement") << true << &StatementEditor << "изменение условия задачи";
        QTest::newRow("Turing statement")
            << false << &StatementEditor << "изменение условия задачи";
        QTest::newRow("comments") << false << &CommentsEditor << "изменение комментариев";
        QTest::newRow("alphabet") << false << &AlphabetEditor << "изменение алфавита";
    }
    void typingGrowsOneChange() {
        QFETCH(bool, post);
        QFETCH(EditorOf, editor);
        QFETCH(QString, caption);
        MainWindow form;
        form.show();
        form.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        Open(form, post);
        EditHistory& history = form.History();
        Machine& machine = form.Bench().Current();
        QUndoStack& stack = history.StackOf(machine.Kind());
        QAction* undo = form.Bars().Menu().undoAction;
        QWidget* typed = editor(form);
        // The window's own zero-time timer takes each edit.
        auto key = [&](Qt::Key k) {
            QTest::keyClick(typed, k);
            QCoreApplication::processEvents();
        };
        auto refocus = [&] {
            form.CurrentTable()->setFocus();
            QCoreApplication::processEvents();
            typed->setFocus();
            QTRY_VERIFY(typed->hasFocus());
        };
        history.Flush();
        const int before = stack.count();
        const QStringList original = Lines(form);
        typed->setFocus();
        QTRY_VERIFY(typed->hasFocus());
        QCoreApplication::processEvents();
        key(Qt::Key_X);
        key(Qt::Key_Y);
        QCOMPARE(stack.count(), before + 1);
        QCOMPARE(undo->text(), QStringLiteral("Отменить: ") + caption);
        refocus();
        key(Qt::Key_Z);
        QCOMPARE(stack.count(), before + 2);
        key(Qt::Key_Backspace);
        QCOMPARE(stack.count(), before + 1);
        QVERIFY(machine.Modified());
        machine.SetModified(false);  // what a save does
        key(Qt::Key_Z);
        QCOMPARE(stack.count(), before + 2);
        key(Qt::Key_Backspace);
        QCOMPARE(stack.count(), before + 1);
        QVERIFY(!machine.Modified());
        undo->trigger();
        QCOMPARE(Lines(form), original);
    }

    // Carriage moves and a run paused and resumed grow one
    // change however often each is taken.
    void movesAndRunsGrow_data() {
        QTest::addColumn<Edit>("once");
        QTest::addColumn<QString>("caption");
        QTest::newRow("carriage") << Trigger(&MainMenu::carriageLeftAction) << "сдвиг каретки";
        QTest::newRow("run paused and resumed") << Edit([](MainWindow& form) {
            RunController& run = form.Bench().RunControl();
            run.Run();
            run.RunTicks(form.Bench().Post(), 1);
            run.Pause();
        }) << "выполнение программы";
    }
    void movesAndRunsGrow() {
        QFETCH(Edit, once);
        QFETCH(QString, caption);
        MainWindow form;
        Open(form, true);
        EditHistory& history = form.History();
        history.Flush();
        const QStringList original = Lines(form);
        for (int i = 0; i < 3; ++i) {
            once(form);
            history.Flush();
        }
        QCOMPARE(history.StackOf(MachineKind::Post).count(), 1);
        QCOMPARE(form.Bars().Menu().undoAction->text(), QStringLiteral("Отменить: ") + caption);
        form.Bench().RunControl().Break();
        form.Bars().Menu().undoAction->trigger();
        QCOMPARE(Lines(form), original);
    }

    // A run is one change, taken back to the tape it started from, and
    // nothing is undone while it runs.
    void runIsOneChange() {
        MainWindow form;
        Open(form, true);
        Workbench& bench = form.Bench();
        QAction* undo = form.Bars().Menu().undoAction;
        const QStringList original = Lines(form);
        bench.RunControl().Run();
        QVERIFY(bench.RunControl().PauseAvailable());
        QVERIFY(!undo->isEnabled());
        WhenModal([](QWidget*) {}, Press(Qt::Key_Return));  // "Программа завершена!"
        bench.RunControl().RunTicks(bench.Post(), 1000);
        QVERIFY(!bench.RunControl().Active(bench.Post()));
        QCOMPARE(form.History().StackOf(MachineKind::Post).count(), 1);
        QCOMPARE(undo->text(), QStringLiteral("Отменить: выполнение программы"));
        undo->trigger();
        QCOMPARE(Lines(form), original);
        QVERIFY(!bench.Post().Modified());
    }

    // Ctrl+Z in a text editor undoes the typing there; the window's stack
    // is left with nothing to undo.
    void undoKeysStayInEditors() {
        MainWindow form;
        form.show();
        form.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        Open(form, true);
        QPlainTextEdit* memo = StatementOf(form);
        const QString text = memo->toPlainText();
        Type(StatementOf, QStringLiteral("abc"))(form);
        form.History().Flush();  // the typing is a change the window could undo
        QTest::keyClick(memo, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(memo->toPlainText(), text);
        form.History().Flush();
        QVERIFY(!form.Bars().Menu().undoAction->isEnabled());
        QVERIFY(!form.Bars().Menu().redoAction->isEnabled());
    }

    // Saving makes the state on disk the unmodified one; opening starts over.
    void saveAndOpenMoveTheCleanState() {
        MainWindow form;
        Open(form, true);
        Workbench& bench = form.Bench();
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("a.pst"));
        form.Bars().Menu().clearTapeAction->trigger();
        QVERIFY(WritePostFile(bench, path));
        form.Bars().Menu().clearTableAction->trigger();
        form.History().Flush();
        form.Bars().Menu().undoAction->trigger();
        QVERIFY(!bench.Post().Modified());
        form.Bars().Menu().undoAction->trigger();
        QVERIFY(bench.Post().Modified());
        QVERIFY(ReadPostFile(bench, path));
        QCOMPARE(form.History().StackOf(MachineKind::Post).count(), 0);
        QVERIFY(!form.Bars().Menu().undoAction->isEnabled());
    }

    // A document begun or opened leaves nothing to undo or redo, and an
    // undo that changes nothing never stands on the stack to hide a redo.
    void noPhantomChanges_data() {
        QTest::addColumn<Edit>("begin");
        QTest::addColumn<bool>("emptyProgram");
        QTest::newRow("fresh start") << Edit([](MainWindow&) {}) << true;
        QTest::newRow("new") << Trigger(&MainMenu::newAction) << true;
        QTest::newRow("open") << Edit([](MainWindow& form) {
            form.OpenDocument(QStringLiteral(ZEBRIN_EXAMPLES "/post-add.pst"));
        }) << false;
        QTest::newRow("Turing, new") << Edit([](MainWindow& form) {
            form.ChooseTuringMachine();
            form.Bars().Menu().newAction->trigger();
        }) << true;
    }
    void noPhantomChanges() {
        QFETCH(Edit, begin);
        QFETCH(bool, emptyProgram);
        MainWindow form;
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        begin(form);
        QCoreApplication::processEvents();
        EditHistory& history = form.History();
        history.Flush();
        MainMenu& menu = form.Bars().Menu();
        QVERIFY2(!menu.undoAction->isEnabled(), qPrintable(menu.undoAction->text()));
        QVERIFY(!menu.redoAction->isEnabled());
        QVERIFY(!form.Bench().Current().Modified());

        // An edit undone twice keeps its redo.
        Type(StatementOf, QStringLiteral("abc"))(form);
        form.CurrentTable()->setFocus();
        history.Flush();
        QVERIFY(menu.undoAction->isEnabled());
        menu.undoAction->trigger();
        QCoreApplication::processEvents();
        history.Flush();
        QVERIFY(menu.redoAction->isEnabled());
        menu.undoAction->trigger();
        QCoreApplication::processEvents();
        history.Flush();
        QVERIFY(menu.redoAction->isEnabled());
        QVERIFY(!menu.undoAction->isEnabled());

        if (!emptyProgram) {
            return;
        }
        // A run that fails before its first command changes nothing.
        Workbench& bench = form.Bench();
        WhenModal([](QWidget*) {}, Press(Qt::Key_Return));
        bench.RunControl().Run();
        bench.RunControl().RunTicks(bench.Current(), 10);
        QTRY_VERIFY(!QApplication::activeModalWidget());
        QVERIFY(!bench.RunControl().Active(bench.Current()));
        history.Flush();
        QVERIFY(menu.redoAction->isEnabled());
        QVERIFY(!menu.undoAction->isEnabled());
    }
};

QTEST_MAIN(TestEditHistory)
#include "test_edit_history.moc"
