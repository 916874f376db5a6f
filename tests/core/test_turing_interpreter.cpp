// The Turing machine's ticks: what each tick shows and executes, the stop,
// every error with its texts, single-stepping, and a busy beaver run to its
// published end.

#include <QtTest>

#include "core/port/ScriptedUi.h"
#include "core/run/RunController.h"
#include "core/workbench/Workbench.h"

namespace {

// Sets up the Turing machine: alphabet, then commands "row:state=command"
// separated by blanks, where row is a symbol or "_" for the blank row.
void Program(Workbench& bench, const QString& alphabet, const QString& commands) {
    bench.SetKind(MachineKind::Turing);
    TuringMachine& turing = bench.Turing();
    turing.EditAlphabetText(alphabet);
    turing.RebuildAlphabet();
    for (const QString& c : commands.split(u' ', Qt::SkipEmptyParts)) {
        const QChar symbol = c.front();
        const int state = c.section(u':', 1).section(u'=', 0, 0).toInt();
        const int row = *turing.RowOfSymbol(symbol == u'_' ? QChar(u' ') : symbol);
        turing.table.SetCell(state + 1, row, c.section(u'=', 1));
    }
}

void Tape(Workbench& bench, const QString& text, int from, int carriage) {
    TapeStore& tape = bench.Turing().tape;
    for (int i = 0; i < text.size(); ++i) {
        tape.SetTuringCell(from + i, text[i]);
    }
    tape.SetCarriagePos(carriage);
}

QString TapeText(TapeStore& tape) {
    QString text;
    for (int cell = tape.UsedMin(); cell <= tape.UsedMax(); ++cell) {
        text += tape.GetTuringCell(cell);
    }
    return text;
}

void RunToEnd(Workbench& bench, int limit = 10000) {
    bench.RunControl().Run();
    for (int i = 0; i < limit && bench.RunControl().Active(bench.Turing()); ++i) {
        bench.RunControl().TuringRunTick();
    }
}

}  // namespace

class TestTuringInterpreter : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void firstCommandStops();
    void runs_data();
    void runs();
    void singleStepping();
    void busyBeaverOfFourStates();
    void stateColumnDeletedDuringPause();
};

void TestTuringInterpreter::firstCommandStops() {
    ScriptedUi ui;
    Workbench bench(ui);
    Program(bench, QStringLiteral("1"), QStringLiteral("_:0=1!0"));
    bench.RunControl().Run();
    bench.RunControl().TuringRunTick();
    QCOMPARE(bench.StatusText(Workbench::PanelStep), QStringLiteral("Шаг:   1"));
    // The blank is described as the space itself.
    QCOMPARE(bench.StatusText(Workbench::PanelMessage),
             QStringLiteral("Символ:   -> 1.   Состояние: q0 -> q0.   Остановка машины."));
    QCOMPARE(bench.Turing().table.Col(), 1);
    QCOMPARE(bench.Turing().table.Row(), 2);
    ui.ExpectDialog();  // "Программа завершена!"
    bench.RunControl().TuringRunTick();
    QVERIFY(!bench.RunControl().Active(bench.Turing()));
    QCOMPARE(ui.dialogs.size(), 1);
    QCOMPARE(ui.dialogs[0].caption, QStringLiteral("Машина Тьюринга"));
    QCOMPARE(ui.dialogs[0].message, QStringLiteral("Программа завершена!"));
    QCOMPARE(bench.StatusText(Workbench::PanelStep), QStringLiteral("Шаг:   1"));
    QCOMPARE(bench.StatusText(Workbench::PanelMessage), QStringLiteral("  -  программа завершена"));
    QCOMPARE(bench.Turing().tape.GetTuringCell(14), QChar(u'1'));
}

void TestTuringInterpreter::runs_data() {
    QTest::addColumn<QString>("alphabet");
    QTest::addColumn<QString>("commands");
    QTest::addColumn<QString>("tape");  // written from cell 10, carriage on 10
    QTest::addColumn<QString>("step");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("dialog");
    QTest::addColumn<int>("help");
    QTest::addColumn<QString>("tapeAfter");

    // Unary increment: run right over the ones, write one more, stop.
    QTest::newRow("increment") << "1"
                               << "1:0=1>0 _:0=1!0"
                               << "111"
                               << "Шаг:   4"
                               << "  -  программа завершена"
                               << "Программа завершена!" << 0 << "1111";
    QTest::newRow("underscore writes a blank") << "a"
                                               << "a:0=_>0 _:0=_!0"
                                               << "aa"
                                               << "Шаг:   3"
                                               << "  -  программа завершена"
                                               << "Программа завершена!" << 0 << "";
    QTest::newRow("next state one past the last") << "1"
                                                  << "1:0=1>5"
                                                  << "1"
                                                  << "Шаг:   1"
                                                  << "  -  ошибка:  cостояние  Q5  отсутствует"
                                                  << "Состояние  Q5  отсутствует" << 174 << "1";
    QTest::newRow("negative next state") << "1"
                                         << "1:0=1>-1"
                                         << "1"
                                         << "Шаг:   1"
                                         << "  -  ошибка:  cостояние  Q-1  отсутствует"
                                         << "Состояние  Q-1  отсутствует" << 174 << "1";
    QTest::newRow("missing command") << "1"
                                     << "1:0=1>1"
                                     << "11"
                                     << "Шаг:   2"
                                     << "  -  ошибка:  не указана команда"
                                     << "Не указана команда" << 172 << "11";
    QTest::newRow("bad move on first tick") << "1"
                                            << "1:0=1x0"
                                            << "1"
                                            << "Шаг:   1"
                                            << "  -  ошибка:  неверная запись команды"
                                            << "Неверная запись команды" << 173 << "1";
    QTest::newRow("bad number") << "1"
                                << "1:0=1>a"
                                << "1"
                                << "Шаг:   1"
                                << "  -  ошибка:  неверная запись команды"
                                << "Неверная запись команды" << 173 << "1";
    QTest::newRow("bad preview keeps the raised number") << "1"
                                                         << "1:0=1>0 _:0=1?0"
                                                         << "1"
                                                         << "Шаг:   2"
                                                         << "  -  ошибка:  неверная запись команды"
                                                         << "Неверная запись команды" << 173 << "1";
    // The tick that finds no row for the symbol counts no command: the step
    // panel keeps the text it had, here the start text.
    QTest::newRow("symbol not in the alphabet") << "1"
                                                << "1:0=1>0"
                                                << "2"
                                                << "шаг:"
                                                << "  -  ошибка:  данного символа нет в алфавите"
                                                << "Cимвола <2> нет в алфавите" << 171 << "2";
    QTest::newRow("left off the tape") << "1"
                                       << "1:0=1<0"
                                       << "1"
                                       << "Шаг:   1"
                                       << ""
                                       << "Каретка вышла за пределы ленты" << 0 << "1";
}

void TestTuringInterpreter::runs() {
    QFETCH(QString, alphabet);
    QFETCH(QString, commands);
    QFETCH(QString, tape);
    QFETCH(QString, dialog);
    QFETCH(int, help);
    ScriptedUi ui;
    // "Помощь" wherever the dialog offers it.
    ui.ExpectDialog(help ? DialogAnswer::Help : DialogAnswer::Ok);
    Workbench bench(ui);
    Program(bench, alphabet, commands);
    // Starting on cell 1 makes a left move leave the tape.
    const int from = dialog.startsWith(u"Каретка") ? 1 : 10;
    Tape(bench, tape, from, from);
    RunToEnd(bench);
    QVERIFY(!bench.RunControl().Active(bench.Turing()));
    QTEST(bench.StatusText(Workbench::PanelStep), "step");
    if (!dialog.startsWith(u"Каретка")) {
        QTEST(bench.StatusText(Workbench::PanelMessage), "message");
    }
    QCOMPARE(ui.dialogs.size(), 1);
    QCOMPARE(ui.dialogs[0].message, dialog);
    QCOMPARE(ui.helpTopics, help ? QList<int>{help} : QList<int>{});
    QTEST(TapeText(bench.Turing().tape), "tapeAfter");
    QCOMPARE(bench.RunControl().Position(bench.Turing()).at, 0);
    QCOMPARE(bench.RunControl().Position(bench.Turing()).steps, 0);
}

void TestTuringInterpreter::singleStepping() {
    ScriptedUi ui;
    Workbench bench(ui);
    Program(bench, QStringLiteral("ab"), QStringLiteral("a:0=b>1 b:1=a!0 _:1=a<1"));
    Tape(bench, QStringLiteral("a"), 14, 14);
    RunController& run = bench.RunControl();
    run.Step();
    run.TuringRunTick();
    QCOMPARE(run.State(), RunController::RunState::Paused);
    QCOMPARE(bench.StatusText(Workbench::PanelMessage),
             QStringLiteral("Символ: a -> b.   Состояние: q0 -> q1.   Перевод каретки вправо."));
    run.Step();
    run.TuringRunTick();
    QCOMPARE(run.State(), RunController::RunState::Paused);
    QCOMPARE(bench.Turing().tape.GetTuringCell(14), QChar(u'b'));
    QCOMPARE(bench.Turing().tape.CarriagePos(), 15);
    QCOMPARE(bench.StatusText(Workbench::PanelStep), QStringLiteral("Шаг:   2"));
    QCOMPARE(bench.StatusText(Workbench::PanelMessage),
             QStringLiteral("Символ:   -> a.   Состояние: q1 -> q1.   Перевод каретки влево."));
    // The shown command's cell is the table's current cell.
    QCOMPARE(bench.Turing().table.Col(), 2);
    QCOMPARE(bench.Turing().table.Row(), 3);

    // A symbol taken out of the alphabet after it was written.
    bench.Turing().EditAlphabetText(QStringLiteral("a"));
    bench.Turing().RebuildAlphabet();
    ui.answers = {DialogAnswer::Continue, DialogAnswer::Ok};
    run.Step();
    QCOMPARE(ui.dialogs.size(), 1);
    QCOMPARE(ui.dialogs[0].caption, QStringLiteral("Предупреждение!"));
    run.TuringRunTick();
    run.TuringRunTick();
    QVERIFY(!bench.RunControl().Active(bench.Turing()));
    QCOMPARE(ui.dialogs.back().message, QStringLiteral("Cимвола <b> нет в алфавите"));
    QCOMPARE(bench.StatusText(Workbench::PanelMessage),
             QStringLiteral("  -  ошибка:  данного символа нет в алфавите"));
}

void TestTuringInterpreter::busyBeaverOfFourStates() {
    // The four-state, two-symbol busy beaver champion (A. H. Brady, 1983):
    // it stops after 107 steps, the halting step included, leaving 13 ones.
    // States A..D are Q0..Q3; the blank is the machine's 0; the halting
    // transition C0 -> 1RH is the stop command "1!0".
    ScriptedUi ui;
    Workbench bench(ui);
    Program(bench, QStringLiteral("1"),
            QStringLiteral("_:0=1>1 1:0=1<1 _:1=1<0 1:1=_<2 "
                           "_:2=1!0 1:2=1<3 _:3=1>3 1:3=_>0"));
    bench.Turing().tape.SetCarriagePos(500);
    ui.ExpectDialog();
    RunToEnd(bench);
    QCOMPARE(ui.dialogs.size(), 1);
    QCOMPARE(ui.dialogs[0].message, QStringLiteral("Программа завершена!"));
    QCOMPARE(bench.StatusText(Workbench::PanelStep), QStringLiteral("Шаг:   107"));
    QCOMPARE(TapeText(bench.Turing().tape).count(u'1'), 13);
}

void TestTuringInterpreter::stateColumnDeletedDuringPause() {
    ScriptedUi ui;
    ui.answers = {DialogAnswer::Continue, DialogAnswer::Ok};
    Workbench bench(ui);
    Program(bench, QStringLiteral("1"), QStringLiteral("_:0=1>4 _:4=1>4"));
    RunController& run = bench.RunControl();
    run.Run();
    run.TuringRunTick();
    run.TuringRunTick();
    run.Pause();
    QCOMPARE(bench.RunControl().Position(bench.Turing()).at, 4);
    bench.Turing().table.SetCursor(5, 1);
    bench.Turing().DeleteColumn();
    run.Run();
    run.TuringRunTick();
    QVERIFY(!bench.RunControl().Active(bench.Turing()));
    QCOMPARE(ui.dialogs.back().message, QStringLiteral("Состояние  Q4  отсутствует"));
    QVERIFY(bench.Turing().table.Col() < bench.Turing().table.ColCount());
}

QTEST_GUILESS_MAIN(TestTuringInterpreter)
#include "test_turing_interpreter.moc"
