// The tape's history of a run: the recorder gives the tape as it was at
// every tick (across keyframes and after steps back), its picture is one
// row per tick with one carriage pixel each, and zebrin42-run --history
// writes that picture and refuses to write it over its input.

#include <QImage>
#include <QTemporaryDir>
#include <QtTest>

#include "RunnerFixture.h"
#include "core/run/ChunkedLog.h"
#include "core/run/RunController.h"
#include "layout/HistoryPicture.h"

namespace {

constexpr int kFrom = -3;  // the cells compared, on either tape
constexpr int kTo = 40;

// The cells kFrom..kTo as text, the carriage's in brackets.
QString Shown(const std::vector<quint8>& codes, const TapeHistory& history, int carriage) {
    QString text;
    for (int cell = kFrom; cell <= kTo; ++cell) {
        const int k = cell - history.FirstCell();
        const QChar c = k < 0 || k >= int(codes.size()) ? u' ' : history.SymbolOf(codes[k]);
        text += cell == carriage ? QStringLiteral("[%1]").arg(c) : QString(c);
    }
    return text;
}

QString Shown(TapeStore& tape) {
    QString text;
    for (int cell = kFrom; cell <= kTo; ++cell) {
        QChar c = u' ';
        if (tape.Kind() == TapeKind::Post) {
            c = tape.GetPostCell(cell) ? u'1' : u' ';
        } else if (tape.OnTape(cell)) {
            c = tape.GetTuringCell(cell) == u'_' ? u' ' : tape.GetTuringCell(cell);
        }
        text += cell == tape.CarriagePos() ? QStringLiteral("[%1]").arg(c) : QString(c);
    }
    return text;
}

// A Post program of rows "code>jump" or a Turing program of cells
// "symbol:state=command", as the interpreter tests write them.
void Program(Workbench& bench, MachineKind kind, const QString& program) {
    bench.SetKind(kind);
    if (kind == MachineKind::Post) {
        int row = 1;
        for (const QString& r : program.split(u' ')) {
            bench.Post().table.SetCode(row, r.section(u'>', 0, 0));
            bench.Post().table.SetCell(PostTable::ColJump, row, r.section(u'>', 1));
            ++row;
        }
        return;
    }
    TuringMachine& turing = bench.Turing();
    turing.EditAlphabetText(QStringLiteral("1"));
    turing.RebuildAlphabet();
    for (const QString& c : program.split(u' ')) {
        const QChar symbol = c.front();
        const int state = c.section(u':', 1).section(u'=', 0, 0).toInt();
        const int row = *turing.RowOfSymbol(symbol == u'_' ? QChar(u' ') : symbol);
        turing.table.SetCell(state + 1, row, c.section(u'=', 1));
    }
    turing.tape.SetCarriagePos(30);
}

}  // namespace

class TestTapeHistory : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void givesTheTapeOfEveryTick_data();
    void givesTheTapeOfEveryTick();
    void runnerWritesThePictureAndKeepsItsInput();
    void chunkedLogKeepsOrderAcrossChunks_data();
    void chunkedLogKeepsOrderAcrossChunks();
};

void TestTapeHistory::givesTheTapeOfEveryTick_data() {
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("program");
    QTest::addColumn<int>("ticks");
    QTest::addColumn<bool>("stops");
    // Marks, erases and walks right and back, past several keyframes.
    QTest::newRow("post, 3000 ticks")
        << int(MachineKind::Post) << "3>2 2>3 3>4 1>5 4>6 2>7 2>1" << 3000 << false;
    // The busy beaver of four states: 107 steps, then the stop.
    QTest::newRow("turing busy beaver")
        << int(MachineKind::Turing)
        << "_:0=1>1 1:0=1<1 _:1=1<0 1:1=_<2 _:2=1!0 1:2=1<3 _:3=1>3 1:3=_>0" << 200 << true;
}

void TestTapeHistory::givesTheTapeOfEveryTick() {
    QFETCH(int, kind);
    QFETCH(QString, program);
    QFETCH(int, ticks);
    QFETCH(bool, stops);
    ScriptedUi ui;
    Workbench bench(ui);
    Program(bench, MachineKind(kind), program);
    Machine& machine = bench.Current();
    RunController& run = bench.RunControl();
    run.KeepHistory(true);
    run.RecordTapeHistory(true);
    if (stops) {
        ui.ExpectDialog();
    }
    QStringList seen = {Shown(machine.tape)};
    QList<qint64> steps = {0};
    run.Step();
    run.Pause();
    for (int i = 0; i < ticks && run.Active(machine); ++i) {
        run.Tick(machine);
        seen.append(Shown(machine.tape));
        steps.append(run.Position(machine).steps);
    }
    const TapeHistory& history = run.TapeHistoryOf(machine);
    auto sameAsSeen = [&] {
        QCOMPARE(history.LineCount(), qint64(seen.size()));
        for (qint64 line = 0; line < history.LineCount(); ++line) {
            const TapeHistory::Line shown = history.LineAt(line);
            QCOMPARE(Shown(history.CellsAt(line), history, shown.carriage), seen[line]);
            if (!stops || line + 1 < history.LineCount()) {
                QCOMPARE(shown.steps, steps[line]);
            }
        }
    };
    sameAsSeen();

    // The picture: a row per line, a column per cell used, one carriage
    // pixel in every row, where the carriage was.
    QString why;
    const QImage picture = QImage::fromData(HistoryPicture::Png(history, why), "PNG");
    QCOMPARE(picture.height(), history.Ticks() + 1);
    QCOMPARE(picture.width(), history.HighestCell() - history.LowestCell() + 1);
    for (int row = 0; row < picture.height(); row += 7) {
        int carriages = 0;
        for (int x = 0; x < picture.width(); ++x) {
            carriages += picture.pixel(x, row) == HistoryPicture::CarriageColour() ? 1 : 0;
        }
        QCOMPARE(carriages, 1);
        QCOMPARE(picture.pixel(history.LineAt(row).carriage - history.LowestCell(), row),
                 HistoryPicture::CarriageColour());
    }

    // Stepping back to a tick leaves the history at it, as it was, and
    // the same ticks again record the same tapes.
    if (!stops) {
        run.StepBackTo(1500);
        QCOMPARE(history.Ticks(), qint64(1500));
        QCOMPARE(Shown(machine.tape), seen[1500]);
        while (history.Ticks() < ticks) {
            run.Tick(machine);
        }
        sameAsSeen();
    }
    // An edit forgets the history.
    machine.NoteEdit();
    QCOMPARE(history.LineCount(), qint64(0));
}

void TestTapeHistory::runnerWritesThePictureAndKeepsItsInput() {
    QTemporaryDir dir;
    const QString document = dir.filePath(QStringLiteral("beaver.tur"));
    {
        ScriptedUi ui;
        Workbench bench(ui);
        Program(bench, MachineKind::Turing,
                QStringLiteral("_:0=1>1 1:0=1<1 _:1=1<0 1:1=_<2 _:2=1!0 1:2=1<3 _:3=1>3 1:3=_>0"));
        QVERIFY(WriteTuringFile(bench, document));
    }
    const QString png = dir.filePath(QStringLiteral("beaver.png"));
    const Finished written = RunRunner({QStringLiteral("--history"), png, document});
    QCOMPARE(written.exitCode, 0);
    const QImage picture(png);
    // 107 steps are 108 ticks (the first announces), and the start.
    QVERIFY2(written.out.value(0).contains(QStringLiteral("stopped, history of 108 ticks")),
             qPrintable(written.out.value(0)));
    QCOMPARE(picture.height(), 109);
    QCOMPARE(picture.width(), 14);

    const QByteArray before = Contents(document);
    const Finished refused = RunRunner({QStringLiteral("--history"), document, document});
    QCOMPARE(refused.exitCode, 2);
    QVERIFY2(refused.err.contains(QStringLiteral("will not write")), qPrintable(refused.err));
    QCOMPARE(Contents(document), before);

    // A loop is placed by running again from the start: the picture holds
    // those ticks, up to the loop's end.
    const QString loop = dir.filePath(QStringLiteral("loop.tur"));
    {
        ScriptedUi ui;
        Workbench bench(ui);
        Program(bench, MachineKind::Turing, QStringLiteral("_:0=_>1 _:1=_<0"));
        QVERIFY(WriteTuringFile(bench, loop));
    }
    const QString loopPng = dir.filePath(QStringLiteral("loop.png"));
    RunRunner({QStringLiteral("--history"), loopPng, loop});
    const QImage looped(loopPng);
    QVERIFY2(looped.height() >= 3, qPrintable(QString::number(looped.height())));
}

QTEST_GUILESS_MAIN(TestTapeHistory)
// The records of both histories: appended, dropped from the front at a
// limit and taken back from the end, across chunk boundaries and after a
// clear that keeps a chunk for reuse.
void TestTapeHistory::chunkedLogKeepsOrderAcrossChunks_data() {
    QTest::addColumn<int>("pushed");
    QTest::addColumn<int>("fromFront");
    QTest::addColumn<int>("fromBack");
    constexpr int chunk = int(ChunkedLog<int>::kChunk);
    QTest::newRow("one chunk") << 100 << 10 << 10;
    QTest::newRow("to a boundary and back") << 2 * chunk << 0 << chunk;
    QTest::newRow("front past a chunk") << 3 * chunk + 5 << chunk + 1 << chunk + 3;
    QTest::newRow("everything") << 2 * chunk + 7 << chunk << chunk + 7;
}

void TestTapeHistory::chunkedLogKeepsOrderAcrossChunks() {
    QFETCH(int, pushed);
    QFETCH(int, fromFront);
    QFETCH(int, fromBack);
    ChunkedLog<int> log;
    for (int round = 0; round < 2; ++round) {  // the second after a clear
        for (int i = 0; i < pushed; ++i) {
            log.push_back(i);
        }
        for (int i = 0; i < fromFront; ++i) {
            log.pop_front();
        }
        for (int i = 0; i < fromBack; ++i) {
            log.pop_back();
        }
        const int left = pushed - fromFront - fromBack;
        QCOMPARE(int(log.size()), left);
        for (int i = 0; i < left; i += 997) {
            QCOMPARE(log[std::size_t(i)], fromFront + i);
        }
        if (left > 0) {
            QCOMPARE(log.back(), pushed - fromBack - 1);
        }
        log.push_back(-1);  // the end grows again where it was cut
        QCOMPARE(log.back(), -1);
        QCOMPARE(int(log.size()), left + 1);
        log.clear();
        QVERIFY(log.empty());
    }
}

#include "test_tape_history.moc"
