// The Post machine's ticks from a fresh start: announcements, execution,
// stops and every error, with the status texts the student reads.

#include <QtTest>

#include "core/port/ScriptedUi.h"
#include "core/post/PostInterpreter.h"
#include "core/run/RunController.h"
#include "core/workbench/Workbench.h"

namespace {

// Program rows separated by "|", each "code:jump", e.g. "3:2|2:3|6:".
void LoadProgram(PostTable& table, const QString& program) {
    const QStringList rows = program.split(u'|');
    table.SetProgramRows(std::max(int(rows.size()), 10));
    for (int i = 0; i < rows.size(); ++i) {
        table.SetCode(i + 1, rows[i].section(u':', 0, 0));
        table.SetCell(PostTable::ColJump, i + 1, rows[i].section(u':', 1));
    }
}

// Marks given as cell numbers separated by blanks.
void Mark(TapeStore& tape, const QString& cells) {
    for (const QString& c : cells.split(u' ', Qt::SkipEmptyParts)) {
        tape.SetPostCell(c.toInt(), true);
    }
}

QString Marks(TapeStore& tape) {
    QStringList marked;
    for (int cell = -20; cell <= 20; ++cell) {
        if (tape.GetPostCell(cell)) {
            marked.append(QString::number(cell));
        }
    }
    return marked.join(u' ');
}

}  // namespace

class TestPostInterpreter : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void threeRowProgramAnnouncesThenExecutes();
    void runsToTheEnd_data();
    void runsToTheEnd();
    void jumpFields_data();
    void jumpFields();
    void stepModeAnnouncesThenExecutesOneCommandEach();
    void rowsDeletedDuringPauseFailAsMissingCommand();
};

void TestPostInterpreter::threeRowProgramAnnouncesThenExecutes() {
    ScriptedUi ui;
    Workbench bench(ui);
    PostMachine& post = bench.Post();
    LoadProgram(post.table, QStringLiteral("3:2|2:3|6:"));
    bench.RunControl().Run();
    QVERIFY(bench.RunControl().Active(post));

    struct Expect {
        const char16_t* step;
        const char16_t* message;
        int row;
    };
    const Expect ticks[] = {
        {u"Шаг:  1", u"  -  ставим метку", 1},
        {u"Шаг:  2", u"  -  перевод каретки вправо", 2},
        {u"Шаг:  3", u"  -  завершение программы", 3},
    };
    for (const Expect& e : ticks) {
        bench.RunControl().PostRunTick();
        QCOMPARE(bench.StatusText(Workbench::PanelStep), QString::fromUtf16(e.step));
        QCOMPARE(bench.StatusText(Workbench::PanelMessage), QString::fromUtf16(e.message));
        QCOMPARE(bench.RunControl().Position(post).at, e.row);
        QCOMPARE(post.table.Row(), e.row);
    }
    QVERIFY(post.tape.GetPostCell(0));
    QCOMPARE(post.tape.CarriagePos(), 1);

    ui.ExpectDialog();  // "Программа завершена!"
    bench.RunControl().PostRunTick();
    QCOMPARE(bench.StatusText(Workbench::PanelStep), QStringLiteral("Шаг:  3"));
    QCOMPARE(bench.StatusText(Workbench::PanelMessage), QStringLiteral("  -  программа завершена"));
    QCOMPARE(ui.dialogs.size(), 1);
    QCOMPARE(ui.dialogs[0].caption, QStringLiteral("Машина Поста"));
    QCOMPARE(ui.dialogs[0].message, QStringLiteral("Программа завершена!"));
    QCOMPARE(ui.dialogs[0].kind, MessageKind::Notice);
    QVERIFY(!bench.RunControl().Active(post));
    QVERIFY(!bench.RunControl().PostRunTimer().isActive());
    // The alert sounds once, before the dialog opens.
    QStringList told;
    for (const QString& event : ui.events) {
        if (event == u"beep" || event == u"dialog") {
            told.append(event);
        }
    }
    QCOMPARE(told, (QStringList{QStringLiteral("beep"), QStringLiteral("dialog")}));
}

void TestPostInterpreter::runsToTheEnd_data() {
    QTest::addColumn<QString>("program");
    QTest::addColumn<QString>("marks");
    QTest::addColumn<int>("carriage");
    QTest::addColumn<DialogAnswer>("answer");
    QTest::addColumn<QString>("step");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("dialog");
    QTest::addColumn<int>("help");  // 0: no help opened
    QTest::addColumn<QString>("marksAfter");
    QTest::addColumn<int>("carriageAfter");
    QTest::addColumn<int>("cursorRow");

    QTest::newRow("stop at once") << "6:"
                                  << "" << 0 << DialogAnswer::Ok << "Шаг:  1"
                                  << "  -  программа завершена"
                                  << "Программа завершена!" << 0 << "" << 0 << 1;
    QTest::newRow("empty row 1") << ":"
                                 << "" << 0 << DialogAnswer::Help << "Шаг:  1"
                                 << "  -  ошибка:  не указана команда!"
                                 << "Не указана команда!" << 131 << "" << 0 << 1;
    QTest::newRow("no jump number") << "3:|6:"
                                    << "" << 0 << DialogAnswer::Ok << "Шаг:  1"
                                    << "  -  ошибка:  не указан номер отсылки!"
                                    << "Не указан номер отсылки!" << 0 << "" << 0 << 1;
    QTest::newRow("jump to 0 leaves the tape")
        << "3:0"
        << "" << 0 << DialogAnswer::Help << "Шаг:  1"
        << "  -  ошибка:  команды с таким номером не существует"
        << "Команды с таким номером не существует!" << 134 << "" << 0 << 1;
    QTest::newRow("jump past the last row")
        << "2:11"
        << "" << 0 << DialogAnswer::Ok << "Шаг:  1"
        << "  -  ошибка:  команды с таким номером не существует"
        << "Команды с таким номером не существует!" << 0 << "" << 0 << 1;
    QTest::newRow("mark on a mark")
        << "3:2|3:3"
        << "" << 0 << DialogAnswer::Help << "Шаг:  2"
        << "  -  ошибка:  нельзя ставить метку, где она уже есть"
        << "Нельзя ставить метку, где она уже есть!" << 135 << "0" << 0 << 2;
    QTest::newRow("erase where none") << "4:1"
                                      << "" << 0 << DialogAnswer::Ok << "Шаг:  1"
                                      << "  -  ошибка:  нельзя стереть метку, где ее нет"
                                      << "Нельзя стереть метку, где ее нет!" << 0 << "" << 0 << 1;
    QTest::newRow("one-number conditional on first tick")
        << "5:4"
        << "" << 0 << DialogAnswer::Help << "Шаг:  1"
        << "  -  ошибка: неверно указан номер отсылки"
        << "Неверно указан номер отсылки!" << 133 << "" << 0 << 1;
    QTest::newRow("one-number conditional later")
        << "2:2|5:4"
        << "" << 0 << DialogAnswer::Ok << "Шаг:  1"
        << "  -  ошибка:  неверно указан номер отсылки"
        << "Неверно указан номер отсылки!" << 0 << "" << 1 << 2;
    QTest::newRow("conditional 2,99 without a mark") << "5:2,99|6:"
                                                     << "" << 0 << DialogAnswer::Ok << "Шаг:  2"
                                                     << "  -  программа завершена"
                                                     << "Программа завершена!" << 0 << "" << 0 << 2;
    QTest::newRow("conditional 2,99 on a mark")
        << "5:2,99|6:"
        << "0" << 0 << DialogAnswer::Ok << "Шаг:  1"
        << "  -  ошибка:  команды с таким номером не существует"
        << "Команды с таким номером не существует!" << 0 << "0" << 0 << 1;
    QTest::newRow("second number ignored by a move") << "2:3,7|6:|6:"
                                                     << "" << 0 << DialogAnswer::Ok << "Шаг:  2"
                                                     << "  -  программа завершена"
                                                     << "Программа завершена!" << 0 << "" << 1 << 3;
    QTest::newRow("second number must still be a number")
        << "2:3,x|6:|6:"
        << "" << 0 << DialogAnswer::Ok << "Шаг:  1"
        << "  -  ошибка:  неверно указан номер отсылки"
        << "Неверно указан номер отсылки!" << 0 << "" << 0 << 1;
    QTest::newRow("right off the tape") << "2:1"
                                        << "" << 999 << DialogAnswer::Ok << "Шаг:  1"
                                        << "  -  перевод каретки вправо"
                                        << "Каретка вышла за пределы ленты" << 0 << "" << 999 << 1;
    QTest::newRow("erase a block") << "4:2|2:3|5:4,1|6:"
                                   << "0 1 2" << 0 << DialogAnswer::Ok << "Шаг:  10"
                                   << "  -  программа завершена"
                                   << "Программа завершена!" << 0 << "" << 3 << 4;
}

void TestPostInterpreter::runsToTheEnd() {
    QFETCH(QString, program);
    QFETCH(QString, marks);
    QFETCH(int, carriage);
    QFETCH(DialogAnswer, answer);
    ScriptedUi ui;
    ui.answers = {answer};
    Workbench bench(ui);
    PostMachine& post = bench.Post();
    LoadProgram(post.table, program);
    Mark(post.tape, marks);
    post.tape.SetCarriagePos(carriage);
    bench.RunControl().Run();
    for (int tick = 0; tick < 100 && bench.RunControl().Active(post); ++tick) {
        bench.RunControl().PostRunTick();
    }
    QVERIFY(!bench.RunControl().Active(post));
    QTEST(bench.StatusText(Workbench::PanelStep), "step");
    QTEST(bench.StatusText(Workbench::PanelMessage), "message");
    QCOMPARE(ui.dialogs.size(), 1);
    QTEST(ui.dialogs[0].message, "dialog");
    QFETCH(int, help);
    QCOMPARE(ui.helpTopics, help ? QList<int>{help} : QList<int>{});
    QTEST(Marks(post.tape), "marksAfter");
    QTEST(post.tape.CarriagePos(), "carriageAfter");
    QTEST(post.table.Row(), "cursorRow");
    QCOMPARE(bench.RunControl().Position(post).at, 1);
    QCOMPARE(bench.RunControl().Position(post).steps, 0);
    QVERIFY(!bench.RunControl().RunStarted());
}

void TestPostInterpreter::jumpFields_data() {
    QTest::addColumn<QString>("field");
    QTest::addColumn<int>("execHelp");  // 0: parses
    QTest::addColumn<int>("first");
    QTest::addColumn<int>("second");
    QTest::addColumn<bool>("announceOk");
    QTest::newRow("two numbers") << "4,7" << 0 << 4 << 7 << true;
    QTest::newRow("one number") << "4" << 0 << 4 << 0 << false;
    QTest::newRow("blanks around") << "  4 ,\t7 " << 0 << 4 << 7 << true;
    QTest::newRow("hex") << "$A,$b" << 0 << 10 << 11 << true;
    QTest::newRow("empty") << "" << 132 << 0 << 0 << false;
    QTest::newRow("blanks only") << "   " << 132 << 0 << 0 << false;
    QTest::newRow("nothing after the comma") << "3," << 133 << 0 << 0 << false;
    QTest::newRow("nothing before the comma") << ",3" << 133 << 0 << 0 << false;
    QTest::newRow("three numbers") << "1,2,3" << 133 << 0 << 0 << false;
    QTest::newRow("letter") << "4,x" << 133 << 0 << 0 << false;
}

void TestPostInterpreter::jumpFields() {
    QFETCH(QString, field);
    QFETCH(int, execHelp);
    const PostJump exec = ParsePostJumpForExecution(field);
    QCOMPARE(exec.ok, execHelp == 0);
    if (exec.ok) {
        QTEST(int(exec.first), "first");
        QTEST(int(exec.second), "second");
    } else {
        QCOMPARE(exec.helpTopic, execHelp);
    }
    QTEST(ParsePostJumpForAnnouncement(field).ok, "announceOk");
}

void TestPostInterpreter::stepModeAnnouncesThenExecutesOneCommandEach() {
    ScriptedUi ui;
    Workbench bench(ui);
    PostMachine& post = bench.Post();
    LoadProgram(post.table, QStringLiteral(" 5 : 2 , 3 |3:3|6:"));
    RunController& run = bench.RunControl();

    run.Step();
    QCOMPARE(run.State(), RunController::RunState::Stepping);
    run.PostRunTick();
    QCOMPARE(run.State(), RunController::RunState::Paused);
    QCOMPARE(bench.StatusText(Workbench::PanelMessage),
             QStringLiteral("  -  метки нет,  переход на строку 2"));
    // The row's cells lost their blanks when it was reached.
    QCOMPARE(post.table.Code(1), QStringLiteral("5"));
    QCOMPARE(post.table.Jump(1), QStringLiteral("2 , 3"));

    run.Step();
    run.PostRunTick();
    QCOMPARE(run.State(), RunController::RunState::Paused);
    QCOMPARE(bench.StatusText(Workbench::PanelStep), QStringLiteral("Шаг:  2"));
    QCOMPARE(bench.StatusText(Workbench::PanelMessage), QStringLiteral("  -  ставим метку"));

    run.Run();  // resume continuously: no new announcement first
    run.PostRunTick();
    QVERIFY(post.tape.GetPostCell(0));
    QCOMPARE(bench.StatusText(Workbench::PanelStep), QStringLiteral("Шаг:  3"));

    // A later no-mark announcement has one blank after the comma.
    ScriptedUi ui2;
    Workbench bench2(ui2);
    LoadProgram(bench2.Post().table, QStringLiteral("2:2|5:3,3|6:"));
    bench2.RunControl().Run();
    bench2.RunControl().PostRunTick();
    bench2.RunControl().PostRunTick();
    QCOMPARE(bench2.StatusText(Workbench::PanelMessage),
             QStringLiteral("  -  метки нет, переход на строку 3"));
}

void TestPostInterpreter::rowsDeletedDuringPauseFailAsMissingCommand() {
    ScriptedUi ui;
    Workbench bench(ui);
    PostMachine& post = bench.Post();
    LoadProgram(post.table, QStringLiteral("2:2|2:3|2:4|2:5|6:"));
    RunController& run = bench.RunControl();
    run.Run();
    for (int i = 0; i < 4; ++i) {
        run.PostRunTick();
    }
    run.Pause();
    QCOMPARE(bench.RunControl().Position(post).at, 4);
    post.table.SetProgramRows(2);
    ui.answers = {DialogAnswer::Continue, DialogAnswer::Ok};
    bench.RunControl().SetEditedSinceStart(post, true);
    run.Run();
    run.PostRunTick();
    QCOMPARE(ui.dialogs.back().message, QStringLiteral("Не указана команда!"));
    QVERIFY(!bench.RunControl().Active(post));
    QCOMPARE(post.table.Row(), 2);  // the cursor stays inside the table
}

QTEST_GUILESS_MAIN(TestPostInterpreter)
#include "test_post_interpreter.moc"
