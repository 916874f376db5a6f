// The tape store: growth by padding, the step-by-step used bounds with their
// status texts, and the memorised copy.

#include <QSignalSpy>
#include <QtTest>

#include "core/port/ScriptedUi.h"
#include "core/workbench/Workbench.h"

namespace {

// Applies a space-separated script to a tape: "+5" marks Post cell 5, "-5"
// erases it; "5=a" writes 'a' into Turing cell 5 ("5=_" and "5= " are
// written as given, "5=." writes a blank).
void Apply(TapeStore& tape, const QString& script) {
    for (const QString& op : script.split(u' ', Qt::SkipEmptyParts)) {
        if (op.contains(u'=')) {
            const QChar c = op.back() == u'.' ? QChar(u' ') : op.back();
            tape.SetTuringCell(op.section(u'=', 0, 0).toInt(), c);
        } else {
            tape.SetPostCell(op.mid(1).toInt(), op.front() == u'+');
        }
    }
}

}  // namespace

class TestTapeStore : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void usedBounds_data();
    void usedBounds();
    void lastWriteRewritesPanelsOnlyAtABound_data();
    void lastWriteRewritesPanelsOnlyAtABound();
    void inconsistentBoundsWalkStaysOnTape_data();
    void inconsistentBoundsWalkStaysOnTape();
    void readingPadsWritingOutsideChangesNothing();
    void everyWriteMarksModified();
    void memoriseClearRestore();
    void memorisedPictures_data();
    void memorisedPictures();
    void randomWritesKeepBoundsAndPanels_data();
    void randomWritesKeepBoundsAndPanels();
};

void TestTapeStore::usedBounds_data() {
    QTest::addColumn<bool>("post");
    QTest::addColumn<QString>("script");
    QTest::addColumn<int>("usedMin");
    QTest::addColumn<int>("usedMax");
    QTest::addColumn<QString>("panelMin");
    QTest::addColumn<QString>("panelMax");

    // The worked example, one step at a time.
    QTest::newRow("set 5") << true << "+5" << 5 << 5 << "min: 5"
                           << "max: 5";
    QTest::newRow("set -2") << true << "+5 +-2" << -2 << 5 << "min: -2"
                            << "max: 5";
    QTest::newRow("set 3 inside") << true << "+5 +-2 +3" << -2 << 5 << "min: -2"
                                  << "max: 5";
    QTest::newRow("remove 5") << true << "+5 +-2 +3 -5" << -2 << 3 << "min: -2"
                              << "max: 3";
    QTest::newRow("remove -2") << true << "+5 +-2 +3 -5 --2" << 3 << 3 << "min: 3"
                               << "max: 3";
    QTest::newRow("remove 3") << true << "+5 +-2 +3 -5 --2 -3" << 999 << -999 << "min: "
                              << "max: ";

    QTest::newRow("post -3 alone") << true << "+-3" << -3 << -3 << "min: -3"
                                   << "max: -3";
    QTest::newRow("post ends") << true << "+-999 +999" << -999 << 999 << "min: -999"
                               << "max: 999";
    QTest::newRow("post only 999") << true << "+999" << 999 << 999 << "min: 999"
                                   << "max: 999";
    QTest::newRow("post remove highest of three") << true << "+-4 +1 +7 -7" << -4 << 1 << "min: -4"
                                                  << "max: 1";
    QTest::newRow("post erase on empty stays empty") << true << "-5" << 999 << -999 << "min: "
                                                     << "max: ";
    QTest::newRow("post mark twice, erase once") << true << "+2 +2 -2" << 999 << -999 << "min: "
                                                 << "max: ";

    QTest::newRow("turing one symbol") << false << "5=a" << 5 << 5 << "min: 5"
                                       << "max: 5";
    QTest::newRow("turing erase only symbol") << false << "5=a 5=." << 999 << 0 << "min: "
                                              << "max: ";
    QTest::newRow("turing blank on empty") << false << "7=." << 999 << 0 << "min: "
                                           << "max: ";
    // An underscore written over the top symbol is stored as it is, so the
    // walk stops on it at once.
    QTest::newRow("turing underscore stays a bound") << false << "3=a 9=b 9=_" << 3 << 9 << "min: 3"
                                                     << "max: 9";
    QTest::newRow("turing stored underscore stops the walk")
        << false << "3=_ 2=a 9=b 9=." << 2 << 3 << "min: 2"
        << "max: 3";
    QTest::newRow("turing raise min") << false << "1=x 4=y 8=z 1=." << 4 << 8 << "min: 4"
                                      << "max: 8";
}

void TestTapeStore::usedBounds() {
    QFETCH(bool, post);
    QFETCH(QString, script);
    ScriptedUi ui;
    Workbench bench(ui);
    if (!post) {
        bench.SetKind(MachineKind::Turing);
    }
    TapeStore& tape = bench.Current().tape;
    Apply(tape, script);
    QTEST(tape.UsedMin(), "usedMin");
    QTEST(tape.UsedMax(), "usedMax");
    QTEST(bench.StatusText(Workbench::PanelMin), "panelMin");
    QTEST(bench.StatusText(Workbench::PanelMax), "panelMax");
}

void TestTapeStore::lastWriteRewritesPanelsOnlyAtABound_data() {
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("last");
    QTest::addColumn<bool>("rewritten");
    QTest::newRow("mark strictly inside") << "+-2 +5"
                                          << "+3" << false;
    QTest::newRow("mark on the upper bound again") << "+-2 +5"
                                                   << "+5" << true;
    QTest::newRow("new upper bound") << "+-2 +5"
                                     << "+6" << true;
    QTest::newRow("erase inside") << "+-2 +3 +5"
                                  << "-3" << true;
}

void TestTapeStore::lastWriteRewritesPanelsOnlyAtABound() {
    QFETCH(QString, before);
    QFETCH(QString, last);
    ScriptedUi ui;
    Workbench bench(ui);
    TapeStore& tape = bench.Current().tape;
    Apply(tape, before);
    bench.SetStatusText(Workbench::PanelMin, QString());
    bench.SetStatusText(Workbench::PanelMax, QString());
    Apply(tape, last);
    QTEST(!bench.StatusText(Workbench::PanelMin).isEmpty(), "rewritten");
}

void TestTapeStore::inconsistentBoundsWalkStaysOnTape_data() {
    QTest::addColumn<bool>("post");
    QTest::addColumn<int>("usedMin");
    QTest::addColumn<int>("usedMax");
    QTest::addColumn<int>("erase");
    QTest::addColumn<int>("expectMin");
    QTest::addColumn<int>("expectMax");
    // Bounds that a damaged document can bring; no cell is used.
    QTest::newRow("post whole tape, erase top") << true << -999 << 999 << 999 << -999 << -999;
    QTest::newRow("post whole tape, erase bottom") << true << -999 << 999 << -999 << 999 << 999;
    QTest::newRow("post min far below") << true << INT_MIN << 5 << 5 << INT_MIN << -999;
    QTest::newRow("post max far above") << true << -5 << INT_MAX << -5 << 999 << INT_MAX;
    QTest::newRow("turing min below tape") << false << -40 << 10 << 10 << -40 << 1;
    QTest::newRow("turing whole tape") << false << 1 << 999 << 1 << 999 << 999;
}

void TestTapeStore::inconsistentBoundsWalkStaysOnTape() {
    QFETCH(bool, post);
    QFETCH(int, usedMin);
    QFETCH(int, usedMax);
    QFETCH(int, erase);
    ScriptedUi ui;
    Workbench bench(ui);
    if (!post) {
        bench.SetKind(MachineKind::Turing);
    }
    TapeStore& tape = bench.Current().tape;
    tape.SetUsedBounds(usedMin, usedMax);
    if (post) {
        tape.SetPostCell(erase, false);
    } else {
        tape.SetTuringCell(erase, u' ');
    }
    QTEST(tape.UsedMin(), "expectMin");
    QTEST(tape.UsedMax(), "expectMax");
    QVERIFY(tape.LeftString().size() <= TapeStore::TapeLimit);
    QVERIFY(tape.RightString().size() <= TapeStore::TapeLimit);
    QVERIFY(tape.TuringString().size() <= TapeStore::TapeLimit);
}

void TestTapeStore::readingPadsWritingOutsideChangesNothing() {
    ScriptedUi ui;
    Workbench bench(ui);
    TapeStore& post = bench.Post().tape;
    QVERIFY(!post.GetPostCell(4));
    QCOMPARE(post.RightString(), QStringLiteral("0000"));
    QVERIFY(!post.GetPostCell(0));
    QCOMPARE(post.ZeroCell(), QChar(u' '));
    post.SetPostCell(0, true);
    post.SetPostCell(0, false);
    QCOMPARE(post.ZeroCell(), QChar(u'0'));
    post.SetPostCell(-3, true);
    QCOMPARE(post.LeftString(), QStringLiteral("001"));

    bench.SetKind(MachineKind::Turing);
    TapeStore& turing = bench.Turing().tape;
    QCOMPARE(turing.GetTuringCell(3), QChar(u' '));
    QCOMPARE(turing.TuringString(), QStringLiteral("   "));
    bench.SetModified(false);
    QCOMPARE(turing.GetTuringCell(0), QChar(u' '));
    QCOMPARE(turing.GetTuringCell(-5), QChar(u' '));
    turing.SetTuringCell(0, u'a');
    turing.SetTuringCell(1000, u'a');
    QCOMPARE(turing.TuringString(), QStringLiteral("   "));
    QVERIFY(turing.IsEmpty());
    QVERIFY(!bench.Turing().Modified());
}

void TestTapeStore::everyWriteMarksModified() {
    ScriptedUi ui;
    Workbench bench(ui);
    TapeStore& tape = bench.Post().tape;
    tape.SetPostCell(2, false);  // already unmarked
    QVERIFY(bench.Post().Modified());
    QCOMPARE(bench.StatusText(Workbench::PanelModified), QStringLiteral("Изменен"));
    bench.SetModified(false);
    tape.SetPostCell(2, true);
    tape.SetPostCell(2, true);
    QVERIFY(bench.Post().Modified());
    QVERIFY(!bench.Turing().Modified());
}

void TestTapeStore::memoriseClearRestore() {
    ScriptedUi ui;
    Workbench bench(ui);
    TapeStore& tape = bench.Post().tape;
    QVERIFY(!tape.Memorise());
    QVERIFY(!tape.HasMemorised());

    Apply(tape, "+-1 +0 +2");
    tape.SetCarriagePos(7);
    bench.SetModified(false);
    QVERIFY(tape.Memorise());
    QVERIFY(!bench.Post().Modified());

    tape.Clear();
    QCOMPARE(tape.CarriagePos(), 0);
    QVERIFY(tape.IsEmpty());
    QVERIFY(!tape.GetPostCell(2));
    QCOMPARE(bench.StatusText(Workbench::PanelMin), QStringLiteral("min:"));
    QCOMPARE(bench.StatusText(Workbench::PanelMax), QStringLiteral("max:"));
    QVERIFY(!tape.Memorise());  // empty: the earlier copy stays
    QVERIFY(tape.HasMemorised());

    bench.SetModified(false);
    tape.Restore();
    QVERIFY(bench.Post().Modified());
    QCOMPARE(tape.CarriagePos(), 7);
    QCOMPARE(tape.UsedMin(), -1);
    QCOMPARE(tape.UsedMax(), 2);
    QVERIFY(tape.GetPostCell(-1) && tape.GetPostCell(0) && !tape.GetPostCell(1));
    QCOMPARE(bench.StatusText(Workbench::PanelMin), QStringLiteral("min: -1"));

    bench.SetKind(MachineKind::Turing);
    TapeStore& turing = bench.Turing().tape;
    turing.SetTuringCell(3, u'x');
    turing.Clear();
    QCOMPARE(turing.CarriagePos(), 14);
    QCOMPARE(turing.UsedMax(), 0);
}

void TestTapeStore::memorisedPictures_data() {
    QTest::addColumn<bool>("post");
    QTest::addColumn<QString>("script");
    QTest::addColumn<int>("carriage");
    QTest::addColumn<QString>("picture");
    QTest::newRow("post carriage inside") << true << "+-1 +0 +2" << 0 << "vVov";
    QTest::newRow("post carriage on a gap") << true << "+-1 +2" << 1 << "voOv";
    QTest::newRow("post carriage outside") << true << "+-1 +2" << 40 << "voov";
    QTest::newRow("post only 999") << true << "+999" << 0 << "v";
    QTest::newRow("post only -999") << true << "+-999" << -999 << "V";
    QTest::newRow("turing as stored") << false << "2=a 4=b" << 14 << " a b";
    QTest::newRow("turing only 999") << false << "999=z" << 14 << QString(998, u' ') + u'z';
}

void TestTapeStore::memorisedPictures() {
    QFETCH(bool, post);
    QFETCH(QString, script);
    QFETCH(int, carriage);
    ScriptedUi ui;
    Workbench bench(ui);
    TapeStore& tape = post ? bench.Post().tape : bench.Turing().tape;
    Apply(tape, script);
    tape.SetCarriagePos(carriage);
    QVERIFY(tape.Memorise());
    QTEST(tape.MemorisedPicture(), "picture");
}

QTEST_GUILESS_MAIN(TestTapeStore)
// Writes take shortcuts when they keep the bounds (inline paths, panels
// left alone when they already show the bounds). Whatever path a write
// takes, the bounds must be those of the marked or written cells and the
// panels must show them.
void TestTapeStore::randomWritesKeepBoundsAndPanels_data() {
    QTest::addColumn<bool>("post");
    QTest::addColumn<int>("seed");
    for (int seed : {1, 2, 3}) {
        QTest::addRow("post %d", seed) << true << seed;
        QTest::addRow("turing %d", seed) << false << seed;
    }
}

void TestTapeStore::randomWritesKeepBoundsAndPanels() {
    QFETCH(bool, post);
    QFETCH(int, seed);
    ScriptedUi ui;
    Workbench bench(ui);
    if (!post) {
        bench.SetKind(MachineKind::Turing);
    }
    TapeStore& tape = bench.Current().tape;
    // A narrow stretch near the tape's end, so that writes land on, inside
    // and just outside the bounds, and on the last cell.
    const int first = post ? 990 : 988;
    QRandomGenerator random{quint32(seed)};
    for (int i = 0; i < 3000; ++i) {
        const int cell = first + int(random.bounded(10));
        const bool used = random.bounded(3) != 0;
        if (post) {
            tape.SetPostCell(cell, used);
        } else {
            tape.SetTuringCell(cell, used ? QChar(u"ab"[random.bounded(2)]) : QChar(u' '));
        }
        int low = TapeStore::TapeLimit + 1;
        int high = -TapeStore::TapeLimit - 1;
        for (int c = first; c <= TapeStore::TapeLimit; ++c) {
            if (tape.IsUsedCell(c)) {
                low = std::min(low, c);
                high = std::max(high, c);
            }
        }
        if (low > high) {
            QVERIFY2(tape.IsEmpty(), qPrintable(QStringLiteral("write %1").arg(i)));
            QCOMPARE(bench.StatusText(Workbench::PanelMin), QStringLiteral("min: "));
            continue;
        }
        QCOMPARE(tape.UsedMin(), low);
        QCOMPARE(tape.UsedMax(), high);
        QCOMPARE(bench.StatusText(Workbench::PanelMin), QStringLiteral("min: %1").arg(low));
        QCOMPARE(bench.StatusText(Workbench::PanelMax), QStringLiteral("max: %1").arg(high));
    }
}

#include "test_tape_store.moc"
