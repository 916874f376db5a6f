// The tape panel driven as a user drives it: pixels of the drawn cells, the
// go-to box's corrections, the keys and clicks at the tape's ends, typing on
// the Turing tape with the add-symbol question, the symbol list, and the
// buttons with their enabling. Timer ticks are called directly.

#include <QLineEdit>
#include <QListWidget>
#include <QToolButton>
#include <QtTest>

#include "core/editing/TapeScroller.h"
#include "core/port/ScriptedUi.h"
#include "core/run/RunController.h"
#include "core/tape/TapeWindow.h"
#include "core/workbench/Workbench.h"
#include "window/tape/SymbolPopup.h"
#include "window/tape/TapeGridWidget.h"
#include "window/tape/TapePanel.h"
#include "window/tape/TapeRulerWidget.h"

namespace {

using Answers = QList<DialogAnswer>;

const QColor kBackground(254, 255, 227);
const QColor kAqua(0, 255, 255);
const QColor kNavy(0, 0, 128);
const QColor kBlack(0, 0, 0);

// A window holding one tape panel over a fresh Workbench.
struct Bench {
    explicit Bench(MachineKind kind = MachineKind::Post) : bench(ui) {
        bench.SetKind(kind);
        panel = new TapePanel(bench, &window);
        window.resize(640, TapePanel::PanelHeight);
        panel->resize(640, TapePanel::PanelHeight);
    }
    bool Open() {
        window.show();
        window.activateWindow();
        if (!QTest::qWaitForWindowActive(&window)) {
            return false;
        }
        grid()->setFocus();
        return grid()->hasFocus();
    }
    TapeGridWidget* grid() const { return panel->CurrentGrid(); }
    TapeStore& tape() { return bench.Current().tape; }
    QPoint Centre(int col) const {
        return QPoint(TapeGridWidget::ColumnLeft(col) + 5, TapeGridWidget::RowHeight / 2);
    }
    QColor Pixel(int col, int dx, int dy) const {
        const QImage image = grid()->grab().toImage();
        return image.pixelColor(TapeGridWidget::ColumnLeft(col) + dx, dy);
    }

    ScriptedUi ui;
    Workbench bench;
    QWidget window;
    TapePanel* panel;
};

void Type(QWidget* widget, const QString& keys) {
    // Keys as letters: L R U D H E (arrows, Home, End), a prefix ^ for Ctrl
    // and + for Shift.
    Qt::KeyboardModifiers mods;
    for (QChar c : keys) {
        if (c == u'^') {
            mods |= Qt::ControlModifier;
            continue;
        }
        if (c == u'+') {
            mods |= Qt::ShiftModifier;
            continue;
        }
        const Qt::Key key = c == u'L'   ? Qt::Key_Left
                            : c == u'R' ? Qt::Key_Right
                            : c == u'U' ? Qt::Key_Up
                            : c == u'D' ? Qt::Key_Down
                            : c == u'H' ? Qt::Key_Home
                                        : Qt::Key_End;
        QTest::keyClick(widget, key, mods);
        mods = {};
    }
}

}  // namespace

class TestTapePanel : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void drawing_data();
    void drawing();
    void rulerNumbersOnlyOnTheTape_data();
    void rulerNumbersOnlyOnTheTape();
    void goToBox_data();
    void goToBox();
    void goToBoxLeavesTheNeighboursWhole();
    void followsTheMachineAndTheTape();
    void keys_data();
    void keys();
    void spaceOnMixedSelectionAndMenuCommand();
    void clicks_data();
    void clicks();
    void rightPressKeepsRangeAndDoubleClickToggles();
    void typingOnTheTuringTape_data();
    void typingOnTheTuringTape();
    void keysAndDoubleClickOnTheTuringTape();
    void symbolList();
    void runDisablesTheTapeControls();
    void boundScrollTakesEverythingElseOutOfUse();
    void scrollButtonsRepeatAndStopAtTheEnd();
    void memoriseClearRestore();
};

void TestTapePanel::drawing_data() {
    QTest::addColumn<bool>("post");
    QTest::addColumn<int>("carriage");
    QTest::addColumn<QList<int>>("cells");  // marks, or cells holding "a"
    QTest::addColumn<int>("first");
    QTest::addColumn<int>("last");
    QTest::addColumn<bool>("focused");
    QTest::addColumn<int>("col");
    QTest::addColumn<QPoint>("at");  // from the cell's top-left corner
    QTest::addColumn<QColor>("colour");
    const QList<int> none;
    const QList<int> zero{0};
    const QPoint fill(2, 3);
    QTest::newRow("post background")
        << true << 0 << none << 13 << 13 << true << 5 << fill << kBackground;
    QTest::newRow("post selected mark")
        << true << 0 << zero << 12 << 14 << true << 13 << fill << kAqua;
    QTest::newRow("post selected empty")
        << true << 0 << zero << 12 << 14 << true << 12 << fill << kNavy;
    QTest::newRow("post selection hidden without focus")
        << true << 0 << zero << 12 << 14 << false << 13 << fill << kBackground;
    QTest::newRow("post mark outside the selection")
        << true << 0 << QList<int>{0, 5} << 12 << 14 << true << 18 << fill << kBackground;
    QTest::newRow("post tick") << true << 0 << QList<int>{5} << 13 << 13 << false << 18
                               << QPoint(9, 17) << kBlack;
    QTest::newRow("post tick in the carriage cell")
        << true << 0 << zero << 13 << 13 << false << 13 << QPoint(11, 17) << kBlack;
    QTest::newRow("cell frame, right edge")
        << true << 0 << none << 13 << 13 << false << 5 << QPoint(18, 10) << kBlack;
    QTest::newRow("cell frame, top")
        << true << 0 << none << 13 << 13 << false << 5 << QPoint(9, 0) << kBlack;
    QTest::newRow("no right edge after column 26")
        << true << 0 << none << 13 << 13 << false << 26 << QPoint(18, 10) << kBackground;
    QTest::newRow("carriage frame, 2 pixels")
        << true << 0 << none << 13 << 13 << false << 13 << QPoint(21, 10) << kBlack;
    QTest::newRow("carriage frame, inside")
        << true << 0 << none << 13 << 13 << false << 13 << QPoint(2, 10) << kBackground;
    QTest::newRow("post off the tape, no frame")
        << true << 990 << none << 13 << 13 << false << 24 << QPoint(18, 10) << kBackground;
    QTest::newRow("post off the tape, selected")
        << true << 990 << none << 22 << 26 << true << 24 << fill << kBackground;
    QTest::newRow("post last cell, selected")
        << true << 990 << none << 22 << 26 << true << 22 << fill << kNavy;
    QTest::newRow("turing off the tape")
        << false << 1 << none << 13 << 13 << false << 5 << QPoint(18, 10) << kBackground;
    QTest::newRow("turing selected symbol")
        << false << 14 << QList<int>{14} << 13 << 14 << true << 13 << fill << kAqua;
    QTest::newRow("turing selected blank")
        << false << 14 << QList<int>{14} << 13 << 14 << true << 14 << fill << kNavy;
    QTest::newRow("turing selection hidden without focus")
        << false << 14 << QList<int>{14} << 13 << 14 << false << 13 << fill << kBackground;
}

void TestTapePanel::drawing() {
    QFETCH(bool, post);
    QFETCH(int, carriage);
    QFETCH(QList<int>, cells);
    QFETCH(bool, focused);
    Bench b(post ? MachineKind::Post : MachineKind::Turing);
    QVERIFY(b.Open());
    for (int cell : cells) {
        post ? b.tape().SetPostCell(cell, true) : b.tape().SetTuringCell(cell, u'a');
    }
    b.tape().SetCarriagePos(carriage);
    QFETCH(int, first);
    QFETCH(int, last);
    b.grid()->Select(first, last);
    if (!focused) {
        b.panel->GoToBox()->setFocus();
        QVERIFY(!b.grid()->hasFocus());
    }
    QFETCH(int, col);
    QFETCH(QPoint, at);
    QTEST(b.Pixel(col, at.x(), at.y()), "colour");
}

void TestTapePanel::rulerNumbersOnlyOnTheTape_data() {
    QTest::addColumn<bool>("post");
    QTest::addColumn<int>("carriage");
    QTest::addColumn<QString>("numbered");  // one letter per column
    QTest::newRow("post at start") << true << 0 << QString(27, u'1');
    QTest::newRow("post near 999") << true << 990 << QString(23, u'1') + QString(4, u'0');
    QTest::newRow("turing carriage 1") << false << 1 << QString(13, u'0') + QString(14, u'1');
}

void TestTapePanel::rulerNumbersOnlyOnTheTape() {
    QFETCH(bool, post);
    QFETCH(int, carriage);
    Bench b(post ? MachineKind::Post : MachineKind::Turing);
    b.tape().SetCarriagePos(carriage);
    const QImage image = b.panel->Ruler()->grab().toImage();
    QString numbered;
    for (int col = 0; col < 27; ++col) {
        bool blue = false;
        for (int x = 0; x < TapeGridWidget::ColumnWidth(col) && !blue; ++x) {
            for (int y = 0; y < TapeRulerWidget::RowHeight && !blue; ++y) {
                const QColor c = image.pixelColor(TapeGridWidget::ColumnLeft(col) + x, y);
                blue = c.blue() > 150 && c.red() < 150;
            }
        }
        numbered += blue ? u'1' : u'0';
    }
    QTEST(numbered, "numbered");
}

void TestTapePanel::goToBox_data() {
    QTest::addColumn<bool>("post");
    QTest::addColumn<int>("from");
    QTest::addColumn<QString>("typed");  // "<" Backspace, ">" End
    QTest::addColumn<int>("carriage");
    QTest::addColumn<QString>("box");
    QTest::addColumn<int>("beeps");
    QTest::newRow("a number") << true << 7 << "42" << 42 << "42" << 0;
    QTest::newRow("1000 loses its last digit") << true << 7 << "1000" << 100 << "100" << 1;
    QTest::newRow("minus alone waits") << true << 7 << "-" << 7 << "-" << 0;
    QTest::newRow("minus, then digits") << true << 21 << "-5" << -5 << "-5" << 0;
    QTest::newRow("a letter is refused") << true << 7 << "12a" << 12 << "12" << 0;
    QTest::newRow("turing 0 becomes 1") << false << 7 << "0" << 1 << "1" << 1;
    QTest::newRow("turing 5000") << false << 7 << "5000" << 500 << "500" << 1;
    QTest::newRow("emptied box waits") << false << 21 << ">><<" << 2 << "" << 0;
    QTest::newRow("emptied box, then a number") << false << 21 << "><<5" << 5 << "5" << 0;
    QTest::newRow("post emptied box, then a number") << true << 21 << "><<5" << 5 << "5" << 0;
}

void TestTapePanel::goToBox() {
    QFETCH(bool, post);
    QFETCH(int, from);
    QFETCH(QString, typed);
    Bench b(post ? MachineKind::Post : MachineKind::Turing);
    QVERIFY(b.Open());
    b.tape().SetCarriagePos(from);
    QLineEdit* box = b.panel->GoToBox();
    QCOMPARE(box->text(), QString::number(from));
    QCOMPARE(box->maxLength(), 4);
    QVERIFY(!b.bench.Current().Modified());
    box->setFocus();
    QVERIFY(box->hasFocus());
    if (!typed.startsWith(u'>')) {
        box->selectAll();
    }
    for (QChar c : typed) {
        if (c == u'<' || c == u'>') {
            QTest::keyClick(box, c == u'<' ? Qt::Key_Backspace : Qt::Key_End);
        } else {
            QTest::keyClick(box, c.toLatin1());
        }
    }
    QTEST(b.tape().CarriagePos(), "carriage");
    QTEST(box->text(), "box");
    QTEST(b.ui.beeps, "beeps");
    QVERIFY(b.bench.Current().Modified());
    // Leaving the box shows the carriage again.
    b.grid()->setFocus();
    QCOMPARE(box->text(), QString::number(b.tape().CarriagePos()));
}

// The box lies over the ruler's carriage column and no further, so the
// numbers beside it read whole; the widest number still fits inside it.
void TestTapePanel::goToBoxLeavesTheNeighboursWhole() {
    Bench b;
    QVERIFY(b.Open());
    const QRect box = b.panel->GoToBox()->geometry();
    const int carriageLeft =
        b.panel->Ruler()->x() + TapeGridWidget::ColumnLeft(TapeWindow::CarriageCol);
    QCOMPARE(box.left(), carriageLeft);
    QCOMPARE(box.width(), TapeGridWidget::CarriageWidth);
    QVERIFY(box.bottom() < b.panel->CurrentGrid()->y());
    const int widest = b.panel->GoToBox()->fontMetrics().horizontalAdvance(u"-999"_qs);
    QVERIFY2(widest <= box.width() - 2, qPrintable(QString::number(widest)));
}

void TestTapePanel::followsTheMachineAndTheTape() {
    Bench b;
    QVERIFY(b.Open());
    QVERIFY(b.panel->Grid(MachineKind::Post)->isVisible());
    QVERIFY(!b.panel->Grid(MachineKind::Turing)->isVisible());
    QCOMPARE(b.panel->GoToBox()->text(), QStringLiteral("0"));
    // The interpreter moves the carriage: the box follows without marking
    // anything.
    b.bench.Post().tape.SetCarriagePos(40);
    QCOMPARE(b.panel->GoToBox()->text(), QStringLiteral("40"));
    b.bench.SetModified(false);
    b.bench.SetKind(MachineKind::Turing);
    b.panel->FollowMachineKind();
    QVERIFY(!b.panel->Grid(MachineKind::Post)->isVisible());
    QVERIFY(b.panel->Grid(MachineKind::Turing)->isVisible());
    QCOMPARE(b.panel->GoToBox()->text(), QStringLiteral("14"));
    QVERIFY(!b.bench.Turing().Modified());
    // The hidden Post tape changing does not reach the box.
    b.bench.Post().tape.SetCarriagePos(-5);
    QCOMPARE(b.panel->GoToBox()->text(), QStringLiteral("14"));
    // A box the student emptied still shows a carriage that an edit or a
    // run moves.
    b.panel->GoToBox()->setFocus();
    b.panel->GoToBox()->selectAll();
    QTest::keyClick(b.panel->GoToBox(), Qt::Key_Backspace);
    QCOMPARE(b.panel->GoToBox()->text(), QString());
    b.bench.Turing().tape.SetCarriagePos(30);
    QCOMPARE(b.panel->GoToBox()->text(), QStringLiteral("30"));
}

void TestTapePanel::keys_data() {
    QTest::addColumn<bool>("post");
    QTest::addColumn<int>("carriage");
    QTest::addColumn<int>("focus");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<int>("carriageAfter");
    QTest::addColumn<int>("focusAfter");
    QTest::addColumn<int>("first");
    QTest::addColumn<int>("beeps");
    QTest::addColumn<bool>("modified");
    QTest::addColumn<bool>("refused");  // the carriage move is refused in a dialog
    QTest::newRow("left on column 0 scrolls")
        << true << 0 << 0 << "L" << -1 << 0 << 0 << 0 << true << false;
    QTest::newRow("left at -999 beeps")
        << true << -986 << 0 << "L" << -986 << 0 << 0 << 1 << false << false;
    QTest::newRow("right at 999 beeps")
        << true << 990 << 22 << "R" << 990 << 22 << 22 << 1 << false << false;
    QTest::newRow("right on column 26 scrolls")
        << false << 14 << 26 << "R" << 15 << 26 << 26 << 0 << true << false;
    QTest::newRow("ctrl+left, focus off the turing tape")
        << false << 5 << 9 << "^L" << 4 << 10 << 10 << 0 << true << false;
    QTest::newRow("ctrl+right near 999")
        << true << 990 << 22 << "^R" << 991 << 21 << 21 << 0 << true << false;
    QTest::newRow("ctrl+left at -999 refuses")
        << true << -999 << 13 << "^L" << -999 << 13 << 13 << 1 << true << true;
    QTest::newRow("home, turing carriage 5")
        << false << 5 << 20 << "H" << 5 << 9 << 9 << 0 << false << false;
    QTest::newRow("end, post carriage 990")
        << true << 990 << 13 << "E" << 990 << 22 << 22 << 0 << false << false;
    QTest::newRow("shift+right extends")
        << true << 0 << 13 << "+R+R" << 0 << 15 << 13 << 0 << false << false;
    QTest::newRow("shift+home extends")
        << true << 0 << 13 << "+H" << 0 << 0 << 0 << 0 << false << false;
    QTest::newRow("up goes to the carriage")
        << true << 0 << 3 << "U" << 0 << 13 << 13 << 0 << false << false;
}

void TestTapePanel::keys() {
    QFETCH(bool, post);
    QFETCH(int, carriage);
    QFETCH(int, focus);
    QFETCH(QString, keys);
    Bench b(post ? MachineKind::Post : MachineKind::Turing);
    b.tape().SetCarriagePos(carriage);
    QVERIFY(b.Open());
    b.grid()->Select(focus, focus);
    b.bench.SetModified(false);
    QFETCH(bool, refused);
    if (refused)
        b.ui.ExpectDialog();
    Type(b.grid(), keys);
    QTEST(b.tape().CarriagePos(), "carriageAfter");
    QTEST(b.grid()->FocusCol(), "focusAfter");
    QTEST(b.grid()->FirstSelected(), "first");
    QTEST(b.ui.beeps, "beeps");
    QTEST(b.bench.Current().Modified(), "modified");
    QCOMPARE(b.panel->GoToBox()->text(), QString::number(b.tape().CarriagePos()));
}

void TestTapePanel::spaceOnMixedSelectionAndMenuCommand() {
    Bench b;
    QVERIFY(b.Open());
    TapeStore& tape = b.tape();
    tape.SetPostCell(0, true);
    tape.SetPostCell(2, true);
    b.grid()->Select(13, 15);
    QTest::keyClick(b.grid(), Qt::Key_Space);
    QVERIFY(tape.GetPostCell(0) && tape.GetPostCell(1) && tape.GetPostCell(2));
    QTest::keyClick(b.grid(), Qt::Key_Space);
    QVERIFY(!tape.GetPostCell(0) && !tape.GetPostCell(1) && !tape.GetPostCell(2));
    QTest::keyClick(b.grid(), Qt::Key_A);  // other keys do nothing on the Post tape
    QVERIFY(tape.IsEmpty());

    // The menu command while the tape lacks the focus: the carriage cell.
    b.grid()->Select(15, 16);
    b.panel->GoToBox()->setFocus();
    b.bench.RunControl().Run();
    b.bench.RunControl().Pause();
    b.panel->ToggleMarksCommand();
    QVERIFY(b.grid()->hasFocus());
    QVERIFY(tape.GetPostCell(0));
    QCOMPARE(tape.UsedMax(), 0);
    QVERIFY(b.bench.RunControl().EditedSinceStart(b.bench.Post()));
}

void TestTapePanel::clicks_data() {
    QTest::addColumn<bool>("post");
    QTest::addColumn<int>("carriage");
    QTest::addColumn<int>("col");
    QTest::addColumn<int>("focus");
    QTest::newRow("post on the tape") << true << 0 << 4 << 4;
    QTest::newRow("post beyond 999") << true << 990 << 25 << 22;
    QTest::newRow("post below -999") << true << -990 << 1 << 4;
    QTest::newRow("turing below 1") << false << 1 << 3 << 13;
    QTest::newRow("turing beyond 999") << false << 995 << 26 << 17;
}

void TestTapePanel::clicks() {
    QFETCH(bool, post);
    QFETCH(int, carriage);
    QFETCH(int, col);
    Bench b(post ? MachineKind::Post : MachineKind::Turing);
    b.tape().SetCarriagePos(carriage);
    QVERIFY(b.Open());
    QTest::mouseClick(b.grid(), Qt::LeftButton, {}, b.Centre(col));
    QTEST(b.grid()->FocusCol(), "focus");
    QTEST(b.grid()->FirstSelected(), "focus");
    QTEST(b.grid()->LastSelected(), "focus");
    QCOMPARE(b.tape().CarriagePos(), carriage);
}

void TestTapePanel::rightPressKeepsRangeAndDoubleClickToggles() {
    Bench b;
    QVERIFY(b.Open());
    b.grid()->Select(10, 14);
    QTest::mousePress(b.grid(), Qt::RightButton, {}, b.Centre(12));
    QTest::mouseRelease(b.grid(), Qt::RightButton, {}, b.Centre(12));
    QCOMPARE(b.grid()->FirstSelected(), 10);
    QCOMPARE(b.grid()->LastSelected(), 14);
    QTest::mousePress(b.grid(), Qt::RightButton, {}, b.Centre(20));
    QTest::mouseRelease(b.grid(), Qt::RightButton, {}, b.Centre(20));
    QCOMPARE(b.grid()->FirstSelected(), 20);
    QCOMPARE(b.grid()->LastSelected(), 20);

    // Dragging selects a range.
    QTest::mousePress(b.grid(), Qt::LeftButton, {}, b.Centre(2));
    QTest::mouseMove(b.grid(), b.Centre(6));
    QTest::mouseRelease(b.grid(), Qt::LeftButton, {}, b.Centre(6));
    QCOMPARE(b.grid()->FirstSelected(), 2);
    QCOMPARE(b.grid()->LastSelected(), 6);
    QCOMPARE(b.grid()->FocusCol(), 6);

    QTest::mouseDClick(b.grid(), Qt::LeftButton, {}, b.Centre(14));
    QVERIFY(b.tape().GetPostCell(1));
    QTest::mouseDClick(b.grid(), Qt::LeftButton, {}, b.Centre(14));
    QVERIFY(!b.tape().GetPostCell(1));
}

void TestTapePanel::typingOnTheTuringTape_data() {
    QTest::addColumn<int>("carriage");
    QTest::addColumn<int>("first");  // the selection's columns
    QTest::addColumn<int>("last");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<Answers>("answers");  // to the add-symbol question, if asked
    QTest::addColumn<QString>("cells");    // cells from the first selected on
    QTest::addColumn<int>("selected");     // the one column selected after
    QTest::addColumn<int>("carriageAfter");
    QTest::addColumn<QString>("alphabet");
    QTest::addColumn<int>("beeps");
    QTest::newRow("a symbol, then the next cell")
        << 14 << 13 << 13 << "b" << Answers{} << "b " << 14 << 14 << "ab" << 0;
    QTest::newRow("a word") << 14 << 13 << 13 << "ba" << Answers{} << "ba " << 15 << 14 << "ab"
                            << 0;
    QTest::newRow("a range, then the cell after it")
        << 14 << 13 << 14 << "b" << Answers{} << "bb " << 15 << 14 << "ab" << 0;
    QTest::newRow("the grid's edge scrolls the tape")
        << 14 << 26 << 26 << "a" << Answers{} << "a" << 26 << 15 << "ab" << 0;
    QTest::newRow("the tape's end stays")
        << 990 << 22 << 22 << "a" << Answers{} << "a" << 22 << 990 << "ab" << 0;
    QTest::newRow("the blank steps too")
        << 14 << 13 << 13 << " " << Answers{} << "  " << 14 << 14 << "ab" << 0;
    QTest::newRow("outside the alphabet, declined")
        << 14 << 13 << 14 << "Ж" << Answers{DialogAnswer::No} << "aa" << -1 << 14 << "ab" << 1;
    QTest::newRow("outside the alphabet, added")
        << 14 << 13 << 14 << "Ж" << Answers{DialogAnswer::Yes} << "ЖЖ" << 15 << 14 << "abЖ" << 1;
    QTest::newRow("the blank's sign is refused")
        << 14 << 13 << 13 << "_" << Answers{} << "a" << -1 << 14 << "ab" << 1;
}

void TestTapePanel::typingOnTheTuringTape() {
    QFETCH(int, carriage);
    QFETCH(int, first);
    QFETCH(int, last);
    QFETCH(QString, typed);
    QFETCH(Answers, answers);
    QFETCH(int, selected);
    Bench b(MachineKind::Turing);
    QVERIFY(b.Open());
    b.bench.Turing().LoadAlphabet(QStringLiteral("ab"));
    b.tape().SetCarriagePos(carriage);
    const int firstCell = carriage + first - TapeWindow::CarriageCol;
    for (int cell = firstCell; cell <= carriage + last - TapeWindow::CarriageCol; ++cell) {
        b.tape().SetTuringCell(cell, u'a');
    }
    b.grid()->Select(first, last);
    b.ui.answers = answers;
    for (QChar c : typed) {  // one key at a time, Cyrillic ones too
        QTest::sendKeyEvent(QTest::Click, b.grid(), Qt::Key_unknown, QString(c), {});
    }
    QFETCH(QString, cells);
    QCOMPARE(b.tape().TuringString().mid(firstCell - 1, cells.size()), cells);
    QCOMPARE(b.ui.dialogs.size(), answers.size());
    QCOMPARE(b.grid()->FirstSelected(), selected < 0 ? first : selected);
    QCOMPARE(b.grid()->LastSelected(), selected < 0 ? last : selected);
    QTEST(b.tape().CarriagePos(), "carriageAfter");
    QTEST(b.bench.Turing().Alphabet(), "alphabet");
    QTEST(b.ui.beeps, "beeps");
}

// Enter and Escape write nothing; a double click writes the current symbol
// into the pointer's cell alone.
void TestTapePanel::keysAndDoubleClickOnTheTuringTape() {
    Bench b(MachineKind::Turing);
    QVERIFY(b.Open());
    TuringMachine& turing = b.bench.Turing();
    turing.LoadAlphabet(QStringLiteral("ab"));
    b.grid()->Select(13, 13);
    QTest::keyClick(b.grid(), Qt::Key_Return);
    QTest::keyClick(b.grid(), Qt::Key_Escape);
    QVERIFY(b.tape().IsEmpty());
    QCOMPARE(b.grid()->FocusCol(), 13);
    QVERIFY(b.ui.dialogs.isEmpty());

    turing.currentTapeSymbol = QStringLiteral("a");
    QTest::mouseDClick(b.grid(), Qt::LeftButton, {}, b.Centre(20));
    QCOMPARE(b.tape().GetTuringCell(21), u'a');
    QCOMPARE(b.tape().UsedMin(), 21);
    QCOMPARE(b.tape().UsedMax(), 21);
    QCOMPARE(b.grid()->FirstSelected(), 20);
}

void TestTapePanel::symbolList() {
    Bench b(MachineKind::Turing);
    QVERIFY(b.Open());
    TuringMachine& turing = b.bench.Turing();
    turing.LoadAlphabet(QStringLiteral("01"));
    b.grid()->Select(12, 14);
    QSignalSpy chosen(b.panel, &TapePanel::SymbolChosen);
    SymbolPopup* list = b.panel->SymbolList();
    b.panel->ChangeSymbol(b.window.mapToGlobal(QPoint(40, 70)));
    QVERIFY(list->isVisible());
    QCOMPARE(list->size(), QSize(42, 94));
    QCOMPARE(list->List()->count(), 3);
    QCOMPARE(list->List()->item(0)->text(), QStringLiteral("нет"));
    QCOMPARE(list->Highlighted(), -1);
    // While the list is open the tape shows its selection.
    QTRY_VERIFY(list->List()->hasFocus());
    QCOMPARE(b.Pixel(13, 2, 3), kNavy);

    QTest::keyClick(list->List(), Qt::Key_Return);  // no highlight: nothing
    QVERIFY(list->isVisible());
    QTest::keyClick(list->List(), Qt::Key_Up);
    QCOMPARE(list->Highlighted(), 0);
    for (int i = 0; i < 5; ++i) {
        QTest::keyClick(list->List(), Qt::Key_Down);
    }
    QCOMPARE(list->Highlighted(), 2);
    QTest::keyClick(list->List(), Qt::Key_Up);
    QCOMPARE(list->Highlighted(), 1);
    QTest::keyClick(list->List(), Qt::Key_Space);
    QCOMPARE(turing.currentTapeSymbol, QStringLiteral("0"));
    QCOMPARE(chosen.size(), 1);
    QCOMPARE(chosen.at(0).at(0).toString(), QStringLiteral("0"));
    QVERIFY(!list->isVisible());
    QCOMPARE(b.tape().TuringString().mid(12, 3), QStringLiteral("000"));
    QCOMPARE(b.grid()->FirstSelected(), 12);
    QCOMPARE(b.grid()->LastSelected(), 14);
    QTRY_VERIFY(b.grid()->hasFocus());

    // "нет" writes the blank.
    b.panel->ChangeSymbol(b.window.mapToGlobal(QPoint(40, 70)));
    QTest::keyClick(list->List(), Qt::Key_Down);
    QTest::keyClick(list->List(), Qt::Key_Return);
    QCOMPARE(turing.currentTapeSymbol, QStringLiteral("нет"));
    QVERIFY(b.tape().IsEmpty());

    // A click on an item chooses it.
    b.panel->ChangeSymbol(b.window.mapToGlobal(QPoint(40, 70)));
    QListWidget* items = list->List();
    const QRect second = items->visualItemRect(items->item(2));
    QTest::mouseClick(items->viewport(), Qt::LeftButton, {}, second.center());
    QCOMPARE(turing.currentTapeSymbol, QStringLiteral("1"));
    QVERIFY(!list->isVisible());
    QCOMPARE(chosen.size(), 3);
}

void TestTapePanel::runDisablesTheTapeControls() {
    Bench b;
    b.bench.Post().table.SetCode(1, QStringLiteral("2"));
    b.bench.Post().table.SetCell(PostTable::ColJump, 1, QStringLiteral("1"));
    b.tape().SetPostCell(-40, true);
    b.tape().SetPostCell(40, true);
    b.bench.RunControl().RefreshBoundButtons();
    TapePanel* p = b.panel;
    QVERIFY(p->LeftBoundButton()->isEnabled() && p->RightBoundButton()->isEnabled());
    b.bench.RunControl().Run();
    for (QWidget* w : std::initializer_list<QWidget*>{p->ScrollLeftButton(), p->ScrollRightButton(),
                                                      p->LeftBoundButton(), p->RightBoundButton(),
                                                      p->GoToBox(), p->CurrentGrid()}) {
        QVERIFY2(!w->isEnabled(), qPrintable(w->objectName()));
    }
    b.bench.RunControl().Break();
    for (QWidget* w : std::initializer_list<QWidget*>{p->ScrollLeftButton(), p->ScrollRightButton(),
                                                      p->LeftBoundButton(), p->RightBoundButton(),
                                                      p->GoToBox(), p->CurrentGrid()}) {
        QVERIFY2(w->isEnabled(), qPrintable(w->objectName()));
    }
}

void TestTapePanel::boundScrollTakesEverythingElseOutOfUse() {
    Bench b;
    QVERIFY(b.Open());
    b.tape().SetPostCell(-100, true);
    b.tape().SetPostCell(5, true);
    b.tape().SetCarriagePos(50);
    b.bench.RunControl().RefreshBoundButtons();
    TapePanel* p = b.panel;
    QTest::mouseClick(p->LeftBoundButton(), Qt::LeftButton);
    QVERIFY(p->LeftBoundButton()->isChecked() && p->LeftBoundButton()->isEnabled());
    for (QWidget* w : std::initializer_list<QWidget*>{p->ScrollLeftButton(), p->ScrollRightButton(),
                                                      p->GoToBox(), b.grid()}) {
        QVERIFY2(!w->isEnabled(), qPrintable(w->objectName()));
    }
    p->Scroller().LeftBoundTimer().stop();  // ticks come from the test
    for (int i = 0; i < 137; ++i) {
        p->Scroller().LeftBoundTick();
    }
    QCOMPARE(b.tape().CarriagePos(), -87);
    QCOMPARE(p->GoToBox()->text(), QStringLiteral("-87"));
    QVERIFY(p->LeftBoundButton()->isChecked());
    p->Scroller().LeftBoundTick();
    QVERIFY(!p->LeftBoundButton()->isChecked());
    QVERIFY(!p->LeftBoundButton()->isEnabled());
    for (QWidget* w :
         std::initializer_list<QWidget*>{p->ScrollLeftButton(), p->ScrollRightButton(),
                                         p->GoToBox(), b.grid(), p->RightBoundButton()}) {
        QVERIFY2(w->isEnabled(), qPrintable(w->objectName()));
    }
}

void TestTapePanel::scrollButtonsRepeatAndStopAtTheEnd() {
    Bench b;
    QVERIFY(b.Open());
    TapePanel* p = b.panel;
    TapeScroller& scroller = p->Scroller();
    QTest::mousePress(p->ScrollRightButton(), Qt::LeftButton);
    QVERIFY(scroller.RightRepeatTimer().isActive());
    QCOMPARE(scroller.RightRepeatTimer().interval(), 300);
    QTest::mouseRelease(p->ScrollRightButton(), Qt::LeftButton);
    QVERIFY(!scroller.RightRepeatTimer().isActive());
    QCOMPARE(b.tape().CarriagePos(), 1);  // the click's one move

    b.tape().SetCarriagePos(997);
    QTest::mousePress(p->ScrollRightButton(), Qt::LeftButton);
    scroller.RightRepeatTimer().stop();  // ticks come from the test
    scroller.RightRepeatTick();
    scroller.RightRepeatTick();
    QCOMPARE(b.tape().CarriagePos(), 999);
    QCOMPARE(p->GoToBox()->text(), QStringLiteral("999"));
    b.ui.ExpectDialog();
    scroller.RightRepeatTick();
    QCOMPARE(b.ui.dialogs.size(), 1);
    QVERIFY(!scroller.RightRepeatTimer().isActive());
    QVERIFY(!p->ScrollRightButton()->isDown());
    QTest::mouseRelease(p->ScrollRightButton(), Qt::LeftButton);
    QCOMPARE(b.ui.dialogs.size(), 1);
    QCOMPARE(b.tape().CarriagePos(), 999);
}

void TestTapePanel::memoriseClearRestore() {
    Bench b;
    QVERIFY(b.Open());
    QSignalSpy hints(b.panel, &TapePanel::TapeMemorised);
    b.panel->MemoriseTape();  // an empty tape: nothing
    QCOMPARE(hints.size(), 0);
    QVERIFY(!b.bench.RunControl().Controls().restoreTape);
    b.tape().SetPostCell(-1, true);
    b.tape().SetPostCell(0, true);
    b.tape().SetPostCell(2, true);
    b.panel->MemoriseTape();
    QCOMPARE(hints.size(), 1);
    QCOMPARE(hints.at(0).at(0).toString(), QStringLiteral("vVov"));
    QVERIFY(b.bench.RunControl().Controls().restoreTape);
    QVERIFY(!QGuiApplication::overrideCursor());

    b.tape().SetCarriagePos(30);
    b.grid()->Select(3, 5);
    b.panel->ClearTape();
    QCOMPARE(b.panel->GoToBox()->text(), QStringLiteral("0"));
    QCOMPARE(b.grid()->FocusCol(), 13);
    QCOMPARE(b.grid()->FirstSelected(), 13);
    QVERIFY(b.tape().IsEmpty());
    b.tape().SetCarriagePos(30);
    b.panel->RestoreTape();
    QCOMPARE(b.panel->GoToBox()->text(), QStringLiteral("0"));
    QVERIFY(b.tape().GetPostCell(-1) && b.tape().GetPostCell(2));
    QVERIFY(!QGuiApplication::overrideCursor());
}

QTEST_MAIN(TestTapePanel)
#include "test_tape_panel.moc"
