// The whole window as a student uses it: a Post program run to its stop
// notice, an error read with its help topic, a run paused, edited and
// restarted, and a Turing program run after the switch, with the Post
// machine's paused run kept across the switch.

#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QStackedWidget>
#include <QtTest>

#include "../support/CountingProgram.h"
#include "ModalAnswer.h"
#include "core/run/RunController.h"
#include "window/dialogs/HelpWindow.h"
#include "window/main/CommandBars.h"
#include "window/main/MainMenu.h"
#include "window/main/MainToolBar.h"
#include "window/main/MainWindow.h"
#include "window/main/StatusBarPanel.h"
#include "window/main/ToolButton.h"
#include "window/post/PostCommandBox.h"
#include "window/post/PostTableView.h"
#include "window/resources/FailureFrame.h"
#include "window/tape/TapePanel.h"
#include "window/turing/TuringAlphabetPanel.h"
#include "window/turing/TuringTablePanel.h"
#include "window/turing/TuringTableView.h"

namespace {

void Program(PostTable& table, const QString& rows) {
    const QStringList list = rows.split(u'|');
    for (int i = 0; i < list.size(); ++i) {
        table.SetCode(i + 1, list[i].section(u':', 0, 0));
        table.SetCell(PostTable::ColJump, i + 1, list[i].section(u':', 1));
    }
}

QString Panel(MainWindow& form, int n) {
    return form.StatusPanel(n)->Text();
}

// Delivers the ticks the Post run timer would.
void Ticks(MainWindow& form, int count) {
    for (int i = 0; i < count; ++i) {
        form.Bench().RunControl().PostRunTick();
    }
}

}  // namespace

class TestMainWindow : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void postProgramRunsToItsStop();
    void errorOffersItsHelpTopic();
    void pausedRunEditedAsksToRestart();
    void turingRunAndTheSwitchKeepsThePostRun();
    void statusPanelsHoldTheirLongestTexts_data();
    void statusPanelsHoldTheirLongestTexts();
    void failingPlaceIsFramedAndNamed_data();
    void failingPlaceIsFramedAndNamed();
    void documentBegunShowsNoStep_data();
    void documentBegunShowsNoStep();
    void fullSpeedAnswersBreakAtOnce();
    void breakpointFollowsInsertedRows();
    void stateHeaderMarksTheWholeState();
    void endsAtFullSpeedStepBack_data();
    void endsAtFullSpeedStepBack();
};

void TestMainWindow::statusPanelsHoldTheirLongestTexts_data() {
    QTest::addColumn<int>("panel");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("pointSize");  // 0: the window's own font
    for (int size : {0, 18}) {
        const QByteArray at = size ? " at 18 pt" : "";
        QTest::newRow("Post step" + at) << int(Workbench::PanelStep) << "Шаг:  1000000000" << size;
        QTest::newRow("Turing step" + at)
            << int(Workbench::PanelStep) << "Шаг:   1000000000" << size;
        QTest::newRow("min" + at) << int(Workbench::PanelMin) << "min: -999" << size;
        QTest::newRow("max" + at) << int(Workbench::PanelMax) << "max: -999" << size;
        QTest::newRow("modified" + at) << int(Workbench::PanelModified) << "Изменен" << size;
    }
}

void TestMainWindow::statusPanelsHoldTheirLongestTexts() {
    QFETCH(int, panel);
    QFETCH(QString, text);
    QFETCH(int, pointSize);
    MainWindow form;
    if (pointSize) {
        QFont font = form.font();
        font.setPointSize(pointSize);
        form.setFont(font);
    }
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    StatusBarPanel* shown = form.StatusPanel(panel);
    QVERIFY2(shown->WidthFor(text) <= shown->width(),
             qPrintable(QStringLiteral("%1 > %2").arg(shown->WidthFor(text)).arg(shown->width())));
}

// A run that fails leaves its row (Post) or cell (Turing) framed and named
// in the status line until the next edit.
void TestMainWindow::failingPlaceIsFramedAndNamed_data() {
    QTest::addColumn<bool>("post");
    QTest::addColumn<QString>("place");
    QTest::newRow("Post, no command on row 3") << true << "строка 3";
    QTest::newRow("Turing, no command for 1 in Q1") << false << "Q1, символ 1";
}

void TestMainWindow::failingPlaceIsFramedAndNamed() {
    QFETCH(bool, post);
    QFETCH(QString, place);
    MainWindow form;
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    Workbench& bench = form.Bench();
    std::function<QImage()> grab;
    QRect cell;
    if (post) {
        Program(bench.Post().table, QStringLiteral("2:2|2:3"));
        cell = form.PostTable()->CellRect(PostTable::ColJump, 3);
        grab = [&form] { return form.PostTable()->viewport()->grab().toImage(); };
    } else {
        form.ChooseTuringMachine();
        TuringMachine& turing = bench.Turing();
        QLineEdit* alphabet = form.Alphabet()->Editor();
        QTest::keyClicks(alphabet, QStringLiteral("1"));
        QTest::keyClick(alphabet, Qt::Key_Return);
        // Q0 on "1" moves right into Q1, which has no command for "1".
        turing.table.SetCell(1, 1, QStringLiteral("1>1"));
        turing.tape.SetTuringCell(turing.tape.CarriagePos(), u'1');
        turing.tape.SetTuringCell(turing.tape.CarriagePos() + 1, u'1');
        cell = form.TuringPanel()->Table()->CellRect(2, 1);
        grab = [&form] { return form.TuringPanel()->Table()->viewport()->grab().toImage(); };
    }
    WhenModal([](QWidget*) {}, Press(Qt::Key_Return));  // the error
    bench.RunControl().Run();
    bench.RunControl().RunTicks(bench.Current(), 10);
    QTRY_VERIFY(!QApplication::activeModalWidget());
    QVERIFY2(Panel(form, 0).startsWith(place + QStringLiteral("  -  ошибка:  ")),
             qPrintable(Panel(form, 0)));
    const QColor frame = FailureFrameColour();
    const QPoint edge(cell.center().x(), cell.top() + 1);
    QCOMPARE(grab().pixelColor(edge * grab().devicePixelRatio()), frame);
    bench.NoteEdit();
    QVERIFY(grab().pixelColor(edge * grab().devicePixelRatio()) != frame);
}

// After a run of several steps, a new or opened document shows the step
// panel's start text, not the old run's count.
void TestMainWindow::documentBegunShowsNoStep_data() {
    QTest::addColumn<bool>("open");
    QTest::newRow("new") << false;
    QTest::newRow("open") << true;
}

void TestMainWindow::documentBegunShowsNoStep() {
    QFETCH(bool, open);
    MainWindow form;
    form.show();
    Program(form.Bench().Post().table, QStringLiteral("2:2|2:3|6:"));
    form.Bars().Menu().runAction->trigger();
    WhenModal([](QWidget*) {}, Press(Qt::Key_Return));  // "Программа завершена!"
    Ticks(form, 4);
    QTRY_VERIFY(!QApplication::activeModalWidget());
    QVERIFY(Panel(form, Workbench::PanelStep).endsWith(u'3'));
    // "Сохранить изменения?": "Нет".
    WhenModal([](QWidget* modal) { QTest::keyClick(modal, Qt::Key_Right); }, Press(Qt::Key_Return));
    if (open) {
        form.OpenDocument(QStringLiteral(ZEBRIN_EXAMPLES "/post-add.pst"));
    } else {
        form.Bars().Menu().newAction->trigger();
    }
    QCOMPARE(Panel(form, Workbench::PanelStep), Workbench::StatusStartText(Workbench::PanelStep));
}

void TestMainWindow::postProgramRunsToItsStop() {
    MainWindow form;
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    MainMenu& menu = form.Bars().Menu();
    Program(form.Bench().Post().table, QStringLiteral("3:2|2:3|6:"));

    menu.runAction->trigger();
    QVERIFY(!menu.runAction->isEnabled());
    QVERIFY(menu.pauseAction->isEnabled());
    QVERIFY(!menu.fileMenu->menuAction()->isEnabled());
    QVERIFY(!form.Bars().ToolBar().Button(6)->isEnabled());
    QVERIFY(!form.Tape()->GoToBox()->isEnabled());
    QVERIFY(!form.PostTable()->isEnabled());

    Ticks(form, 3);
    QCOMPARE(Panel(form, 1), QStringLiteral("Шаг:  3"));
    QCOMPARE(Panel(form, 0), QStringLiteral("  -  завершение программы"));
    QCOMPARE(form.Bench().Post().table.Row(), 3);
    QCOMPARE(form.Tape()->GoToBox()->text(), QStringLiteral("1"));

    QString notice;
    WhenModal([&notice](QWidget* modal) { notice = modal->windowTitle(); }, Press(Qt::Key_Return));
    Ticks(form, 1);
    QCOMPARE(notice, QStringLiteral("Машина Поста"));
    QCOMPARE(Panel(form, 0), QStringLiteral("  -  программа завершена"));
    QCOMPARE(Panel(form, 2), QStringLiteral("min: 0"));
    QVERIFY(menu.runAction->isEnabled());
    QVERIFY(menu.fileMenu->menuAction()->isEnabled());
    QVERIFY(form.Tape()->GoToBox()->isEnabled());
    QVERIFY(form.PostTable()->isEnabled());
    QCOMPARE(Panel(form, 4), QStringLiteral("Изменен"));
}

void TestMainWindow::errorOffersItsHelpTopic() {
    MainWindow form;
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    Program(form.Bench().Post().table, QStringLiteral("3:11"));
    form.Bars().Menu().runAction->trigger();
    Ticks(form, 1);
    // "Помощь" is the second button: one step right, then Enter.
    WhenModal([](QWidget* modal) { QTest::keyClick(modal, Qt::Key_Right); }, Press(Qt::Key_Return));
    Ticks(form, 1);
    QCOMPARE(Panel(form, 0),
             QStringLiteral("строка 1  -  ошибка:  команды с таким номером не существует"));
    QTRY_VERIFY(form.Help()->isVisible());
    QCOMPARE(form.Help()->CurrentTopic(), 134);
    QVERIFY(!form.Bench().Post().tape.GetPostCell(0));
}

void TestMainWindow::pausedRunEditedAsksToRestart() {
    MainWindow form;
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    MainMenu& menu = form.Bars().Menu();
    PostMachine& post = form.Bench().Post();
    Program(post.table, QStringLiteral("2:2|2:3|2:1"));
    menu.runAction->trigger();
    Ticks(form, 3);
    menu.pauseAction->trigger();
    QVERIFY(form.PostTable()->isEnabled());
    QVERIFY(!form.Tape()->GoToBox()->isEnabled());
    QCOMPARE(form.Bench().RunControl().Position(post).at, 3);

    menu.insertRowAction->trigger();  // an edit while paused
    QVERIFY(form.Bench().RunControl().EditedSinceStart(post));
    QString question;
    WhenModal([&question](QWidget* modal) { question = modal->windowTitle(); },
              Press(Qt::Key_Return));  // "Заново"
    menu.runAction->trigger();
    QCOMPARE(question, QStringLiteral("Предупреждение!"));
    QCOMPARE(form.Bench().RunControl().Position(post).at, 1);
    QCOMPARE(form.Bench().RunControl().Position(post).steps, 0);
    QCOMPARE(form.Bench().RunControl().State(), RunController::RunState::Running);
    menu.breakAction->trigger();
    QCOMPARE(form.Bench().RunControl().State(), RunController::RunState::Idle);
    QVERIFY(form.Tape()->GoToBox()->isEnabled());
}

void TestMainWindow::turingRunAndTheSwitchKeepsThePostRun() {
    MainWindow form;
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    MainMenu& menu = form.Bars().Menu();
    Program(form.Bench().Post().table, QStringLiteral("2:1"));
    menu.stepAction->trigger();
    Ticks(form, 1);
    QCOMPARE(form.Bench().RunControl().State(), RunController::RunState::Paused);

    menu.turingMachineAction->trigger();
    QVERIFY(form.Alphabet()->isVisible());
    QVERIFY(form.TuringPanel()->isVisible());
    QVERIFY(!form.PostTable()->isVisible());
    QVERIFY(form.Alphabet()->Editor()->hasFocus());
    QCOMPARE(form.windowTitle(), QStringLiteral("Zebrin42 [машина Тьюринга] - Без имени"));
    QCOMPARE(Panel(form, 4), QString());
    QVERIFY(!menu.insertRowAction->isVisible());
    QVERIFY(menu.insertColumnAction->isVisible());

    // Alphabet "1"; the unary successor: run right over the ones, then
    // write one more and stop.
    QLineEdit* alphabet = form.Alphabet()->Editor();
    QTest::keyClicks(alphabet, QStringLiteral("1"));
    QTest::keyClick(alphabet, Qt::Key_Return);
    TuringMachine& turing = form.Bench().Turing();
    QCOMPARE(turing.table.RowCount(), 3);
    turing.table.SetCell(1, 1, QStringLiteral("1>0"));
    turing.table.SetCell(1, 2, QStringLiteral("1!0"));
    turing.tape.SetTuringCell(14, u'1');
    turing.tape.SetTuringCell(15, u'1');

    menu.runAction->trigger();
    QVERIFY(!alphabet->isEnabled());
    for (int i = 0; i < 3; ++i) {
        form.Bench().RunControl().TuringRunTick();
    }
    QCOMPARE(Panel(form, 0),
             QStringLiteral("Символ:   -> 1.   Состояние: q0 -> q0.   Остановка машины."));
    WhenModal([](QWidget*) {}, Press(Qt::Key_Return));
    form.Bench().RunControl().TuringRunTick();
    QCOMPARE(Panel(form, 0), QStringLiteral("  -  программа завершена"));
    QCOMPARE(Panel(form, 1), QStringLiteral("Шаг:   3"));
    QCOMPARE(Panel(form, 3), QStringLiteral("max: 16"));
    QVERIFY(alphabet->isEnabled());

    // Back to the Post machine: its paused run is still there.
    menu.postMachineAction->trigger();
    QVERIFY(!form.Alphabet()->isVisible());
    QVERIFY(form.PostTable()->isVisible());
    QVERIFY(form.Bench().RunControl().Active(form.Bench().Post()));
    QCOMPARE(form.Bench().RunControl().Position(form.Bench().Post()).steps, 1);
    QCOMPARE(Panel(form, 4), QString());
    QCOMPARE(form.Statement(MachineKind::Post)->isVisible(), true);
}

// At "Мгновенно" a long run goes on in slices: the window shows its progress,
// and Break, posted while it runs, is taken within a slice or two.
void TestMainWindow::fullSpeedAnswersBreakAtOnce() {
    MainWindow form;
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    MainMenu& menu = form.Bars().Menu();
    form.ChooseTuringMachine();
    TuringMachine& turing = form.Bench().Turing();
    CountingProgram(turing);
    menu.speedInstantAction->trigger();
    menu.runAction->trigger();
    RunController& run = form.Bench().RunControl();
    // The step panel follows the run between slices (waited for in short
    // turns: a fast machine reaches the question after 10^6 steps soon).
    QDeadlineTimer patience(5000);
    while (Panel(form, Workbench::PanelStep).section(u' ', -1).toLongLong() <= 2000 &&
           !patience.hasExpired()) {
        QTest::qWait(2);
    }
    QVERIFY2(Panel(form, Workbench::PanelStep).section(u' ', -1).toLongLong() > 2000,
             qPrintable(Panel(form, Workbench::PanelStep)));
    QVERIFY(run.Active(turing));

    QElapsedTimer clock;
    qint64 answered = -1;
    QTimer::singleShot(0, &form, [&] {
        answered = clock.elapsed();
        menu.breakAction->trigger();
    });
    clock.start();
    QTRY_VERIFY(!run.Active(turing));
#if defined(__SANITIZE_ADDRESS__)
    const qint64 within = 400;  // a sanitized build paints slowly
#else
    const qint64 within = 100;
#endif
    QVERIFY2(answered >= 0 && answered < within, qPrintable(QString::number(answered)));
}

QTEST_MAIN(TestMainWindow)
namespace {

// Whether the red of a breakpoint shows inside `rect` of `widget`.
bool ShowsRed(QWidget* widget, const QRect& rect) {
    const QImage image = widget->grab(rect).toImage();
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (c.red() > 180 && c.green() < 90 && c.blue() < 90) {
                return true;
            }
        }
    }
    return false;
}

}  // namespace

// F5 on a row marks it; rows inserted above carry the mark down with its
// command, and a run at full speed pauses as it announces that command.
void TestMainWindow::breakpointFollowsInsertedRows() {
    MainWindow form;
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    MainMenu& menu = form.Bars().Menu();
    PostTable& table = form.Bench().Post().table;
    PostTableView* view = form.PostTable();
    // Right, then mark (the breakpoint), then stop.
    Program(table, QStringLiteral("2:2|3:3|6:"));
    RunController& run = form.Bench().RunControl();
    // In the command chooser F4 drops its list down; it runs nothing.
    view->OpenCommandChooser(1, false);
    form.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    QTRY_VERIFY(view->CommandChooser()->hasFocus());
    QTest::keyClick(view->CommandChooser(), Qt::Key_F4);
    QCOMPARE(run.State(), RunController::RunState::Idle);
    view->CloseCommandChooser();
    view->setFocus();
    table.SetCursor(PostTable::ColCommand, 2);
    QTest::keyClick(view, Qt::Key_F5);
    QVERIFY(ShowsRed(view->viewport(), view->CellRect(PostTable::ColNumber, 2)));

    table.SetCursor(PostTable::ColCommand, 1);
    menu.insertRowAction->trigger();
    menu.insertRowAction->trigger();
    // Two rows that move right go first; the old rows jump two further on.
    Program(table, QStringLiteral("2:2|2:3|2:4|3:5|6:"));
    QVERIFY(!ShowsRed(view->viewport(), view->CellRect(PostTable::ColNumber, 2)));
    QVERIFY(ShowsRed(view->viewport(), view->CellRect(PostTable::ColNumber, 4)));

    menu.speedInstantAction->trigger();
    menu.runAction->trigger();
    QTRY_COMPARE(run.State(), RunController::RunState::Paused);
    QCOMPARE(run.Position(form.Bench().Post()).steps, 4);
    QCOMPARE(table.Row(), 4);
    QCOMPARE(Panel(form, 0), QStringLiteral("  -  точка останова"));

    // Run goes on from there to the stop; F4 on the stop row gets there too.
    WhenModal([](QWidget*) {}, Press(Qt::Key_Return));
    menu.runAction->trigger();
    QTRY_VERIFY(!run.Active(form.Bench().Post()));
    QCOMPARE(Panel(form, 0), QStringLiteral("  -  программа завершена"));
    menu.clearBreakpointsAction->trigger();
    QVERIFY(!ShowsRed(view->viewport(), view->CellRect(PostTable::ColNumber, 4)));
}

// The table's pop-up opened on a state's header marks the whole state; F5
// on a cell marks that cell alone.
void TestMainWindow::stateHeaderMarksTheWholeState() {
    MainWindow form;
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    form.ChooseTuringMachine();
    TuringMachine& turing = form.Bench().Turing();
    CountingProgram(turing);
    TuringTableView* view = form.TuringPanel()->Table();
    MainMenu& menu = form.Bars().Menu();
    const QPoint header = view->CellRect(2, 0).center();
    QTest::mousePress(view->viewport(), Qt::RightButton, {}, header);
    QTest::mouseRelease(view->viewport(), Qt::RightButton, {}, header);
    QContextMenuEvent request(QContextMenuEvent::Mouse, header,
                              view->viewport()->mapToGlobal(header));
    QApplication::sendEvent(view->viewport(), &request);
    QTRY_VERIFY(menu.tableMenu->isVisible());
    menu.breakpointAction->trigger();
    menu.tableMenu->hide();
    const Breakpoints& marks = form.Bench().RunControl().BreakpointsOf(turing);
    QVERIFY(marks.Marked(turing.table, Breakpoints::Place::Column, 2, 0));
    QVERIFY(ShowsRed(view->viewport(), view->CellRect(2, 0)));
    // Once the menu is gone F5 acts on the cursor's cell again.
    QTRY_COMPARE(view->MenuHeaderCol(), -1);
    turing.table.SetCursor(1, 1);
    menu.breakpointAction->trigger();
    QVERIFY(marks.Marked(turing.table, Breakpoints::Place::Cell, 1, 1));
    QVERIFY(!marks.Marked(turing.table, Breakpoints::Place::Column, 1, 0));
}

// At full speed in the window a run that repeats itself after 1,000 steps
// ends as a loop and one that fails as an error; either way Shift+F8 goes
// back through the ticks that led there. A counter is never a loop.
void TestMainWindow::endsAtFullSpeedStepBack_data() {
    QTest::addColumn<QString>("program");
    QTest::addColumn<int>("mark");  // a marked cell, -1 for none
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("status");
    QTest::addColumn<QString>("stepAtEnd");
    QTest::addColumn<QString>("stepBack");  // the step panel after one step back
    // Marks cells 0..332, then sways between 332 and the mark at 333.
    QTest::newRow("loop after 1000 steps")
        << "3:2|2:3|5:1,4|1:5|2:4" << 333
        << "Программа зациклилась: с шага 1000 машина повторяет одни и те же 2 шагов."
        << "  -  ошибка:  программа зациклилась"
        << "Шаг:  1002"
        << "Шаг:  1001";
    QTest::newRow("error") << "3:2|3:1" << -1 << "Нельзя ставить метку, где она уже есть!"
                           << "  -  ошибка:  нельзя ставить метку, где она уже есть"
                           << "Шаг:  2"
                           << "Шаг:  2";
    QTest::newRow("counter") << "" << -1 << ""
                             << ""
                             << ""
                             << "";
}

void TestMainWindow::endsAtFullSpeedStepBack() {
    QFETCH(QString, program);
    QFETCH(int, mark);
    QFETCH(QString, message);
    QFETCH(QString, status);
    QFETCH(QString, stepAtEnd);
    QFETCH(QString, stepBack);
    MainWindow form;
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    MainMenu& menu = form.Bars().Menu();
    RunController& run = form.Bench().RunControl();
    if (program.isEmpty()) {
        form.ChooseTuringMachine();
        CountingProgram(form.Bench().Turing());
    } else {
        Program(form.Bench().Post().table, program);
        if (mark >= 0) {
            form.Bench().Post().tape.SetPostCell(mark, true);
        }
    }
    Machine& machine = form.Bench().Current();
    menu.speedInstantAction->trigger();
    QString said;
    if (!message.isEmpty()) {
        WhenModal([&said](QWidget* modal) { said = modal->findChild<QLabel*>()->text(); },
                  Press(Qt::Key_Return));
    }
    menu.runAction->trigger();
    if (message.isEmpty()) {
        // 200,000 steps of counting call for no dialog at all.
        QTRY_VERIFY_WITH_TIMEOUT(run.Position(machine).steps > 200000, 10000);
        QVERIFY(run.Active(machine) && !QApplication::activeModalWidget());
        menu.breakAction->trigger();
        return;
    }
    QTRY_COMPARE_WITH_TIMEOUT(said, message, 10000);
    QTRY_VERIFY(!menu.pauseAction->isEnabled());
    QCOMPARE(Panel(form, 0).right(status.size()), status);
    QCOMPARE(Panel(form, 1), stepAtEnd);
    QVERIFY(menu.stepBackAction->isEnabled());
    menu.stepBackAction->trigger();
    QCOMPARE(Panel(form, 1), stepBack);
    QCOMPARE(run.State(), RunController::RunState::Paused);
    QVERIFY(menu.stepBackAction->isEnabled());
}

#include "test_main_window.moc"
