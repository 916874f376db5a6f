// "История ленты": the panel follows a run live, a line at a time, turns
// into the picture past its text lines, and a click on a line steps the
// paused run back to that tick.

#include <QAction>
#include <QScrollBar>
#include <QtTest>

#include "core/run/RunController.h"
#include "window/main/CommandBars.h"
#include "window/main/MainMenu.h"
#include "window/main/MainWindow.h"
#include "window/tape/TapeHistoryPanel.h"

class TestTapeHistoryPanel : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void followsTheRunAndStepsBackOnAClick_data();
    void followsTheRunAndStepsBackOnAClick();
};

void TestTapeHistoryPanel::followsTheRunAndStepsBackOnAClick_data() {
    QTest::addColumn<int>("ticks");
    QTest::addColumn<bool>("picture");
    QTest::newRow("text lines") << 40 << false;
    QTest::newRow("picture") << 5000 << true;
}

void TestTapeHistoryPanel::followsTheRunAndStepsBackOnAClick() {
    QFETCH(int, ticks);
    QFETCH(bool, picture);
    MainWindow window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    window.Bars().Menu().viewHistoryAction->trigger();
    TapeHistoryPanel* panel = window.TapeHistoryView();
    QVERIFY(panel->isVisible());

    // Walks right over its marks, marks one more and walks back: a run
    // that grows and never repeats itself.
    PostMachine& post = window.Bench().Post();
    const char* rows[][2] = {{"2", "2"}, {"5", "3,1"}, {"3", "4"},
                             {"1", "5"}, {"5", "6,4"}, {"2", "2"}};
    for (int row = 1; row <= 6; ++row) {
        post.table.SetCode(row, QString::fromLatin1(rows[row - 1][0]));
        post.table.SetCell(PostTable::ColJump, row, QString::fromLatin1(rows[row - 1][1]));
    }
    RunController& run = window.Bench().RunControl();
    run.Run();
    for (int i = 0; i < ticks; ++i) {
        run.PostRunTick();
    }
    run.Pause();
    const TapeHistory& history = run.TapeHistoryOf(post);
    QCOMPARE(history.Ticks(), qint64(ticks));
    QCOMPARE(panel->ShowsPicture(), picture);
    // The newest line is at the bottom, in view.
    const int viewHeight = panel->viewport()->height();
    const int lastTop = panel->LineTop(ticks);
    QVERIFY2(lastTop >= 0 && lastTop < viewHeight, qPrintable(QString::number(lastTop)));
    QCOMPARE(panel->LineAt(lastTop), qint64(ticks));

    // Ctrl+wheel zooms the picture only.
    const QPoint middle(50, viewHeight / 2);
    QWheelEvent wheel(middle, panel->viewport()->mapToGlobal(middle), {}, {0, 120}, Qt::NoButton,
                      Qt::ControlModifier, Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(panel->viewport(), &wheel);
    QCOMPARE(panel->Zoom(), picture ? 2 : 1);

    // A click on a line higher up steps back to it.
    panel->verticalScrollBar()->setValue(panel->verticalScrollBar()->maximum());
    const qint64 target = panel->LineAt(panel->viewport()->height() / 3);
    QVERIFY(target > 0 && target < ticks);
    QTest::mouseClick(panel->viewport(), Qt::LeftButton, {},
                      QPoint(200, panel->LineTop(target) + 1));
    QCOMPARE(history.Ticks(), target);
    QCOMPARE(run.Position(post).steps, history.LineAt(target).steps);
    QCOMPARE(post.tape.CarriagePos(), history.LineAt(target).carriage);
}

QTEST_MAIN(TestTapeHistoryPanel)
#include "test_tape_history_panel.moc"
