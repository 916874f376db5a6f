// The Turing table on screen: how its cells are drawn (the move pictures
// also for a scaled screen), the cell check as the
// keyboard and the focus trigger it, editing, the right click, and the view
// following the interpreter's cursor through a run.

#include <QPainter>
#include <QSignalSpy>

#include "TuringScreen.h"

class TestTuringTableView : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void drawsCells_data();
    void drawsCells();
    void movePicturesAreDrawnForTheRatio_data();
    void movePicturesAreDrawnForTheRatio();
    void drawsCornerHeadersAndLabels();
    void checksTheCellOnConfirming_data();
    void checksTheCellOnConfirming();
    void checksAStoredCommandWithoutTyping_data();
    void checksAStoredCommandWithoutTyping();
    void typingMarksModifiedAndKeepsTheCodePage();
    void escapeRestoresTheCell();
    void deleteEmptiesTheCurrentCell_data();
    void deleteEmptiesTheCurrentCell();
    void editStartMarksAPausedRunEdited_data();
    void editStartMarksAPausedRunEdited();
    void rightClickSelectsACommandCell_data();
    void rightClickSelectsACommandCell();
    void menuRequestOpensTheGivenMenu();
    void followsTheCursorThroughARun();
    void aTickRepaintsOnlyTheCellsThatChanged();
    void isDisabledWhileAProgramRuns();
};

void TestTuringTableView::drawsCells_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("current");
    QTest::addColumn<bool>("running");
    QTest::addColumn<QColor>("ground");
    // Two points of the move picture (in its own coordinates) with the
    // colours they must have: an arrow is told from its mirror image by a
    // point its head covers and the mirror's does not.
    QTest::addColumn<QPoint>("at1");
    QTest::addColumn<QColor>("colour1");
    QTest::addColumn<QPoint>("at2");
    QTest::addColumn<QColor>("colour2");

    const QColor white(Qt::white);
    const QColor green(0, 255, 0);
    const QColor blue(0, 0, 255);
    const QColor red(220, 0, 0);
    const QPoint rightHead(14, 7);
    const QPoint leftHead(10, 7);
    const QPoint middle(12, 12);
    const QPoint discTop(12, 5);
    QTest::newRow("right") << "1>2" << false << false << white << rightHead << blue << leftHead
                           << white;
    QTest::newRow("left") << "1<2" << false << false << white << leftHead << blue << rightHead
                          << white;
    QTest::newRow("stop") << "1!0" << false << false << white << discTop << red << middle << white;
    QTest::newRow("current while idle")
        << "1>2" << true << false << white << rightHead << blue << middle << blue;
    QTest::newRow("shown by a run")
        << "_<7" << true << true << green << leftHead << blue << rightHead << green;
    QTest::newRow("stop shown by a run")
        << "1!0" << true << true << green << discTop << red << QPoint(1, 1) << green;
    QTest::newRow("not current in a run")
        << "1>2" << false << true << white << rightHead << blue << leftHead << white;
    QTest::newRow("empty") << "" << false << false << white << middle << white << discTop << white;
    QTest::newRow("empty shown by a run")
        << "" << true << true << green << middle << green << discTop << green;
    QTest::newRow("unchecked text")
        << "1x5" << false << false << white << middle << white << rightHead << white;
}

void TestTuringTableView::drawsCells() {
    QFETCH(QString, text);
    QFETCH(bool, current);
    QFETCH(bool, running);
    QFETCH(QColor, ground);
    QFETCH(QPoint, at1);
    QFETCH(QColor, colour1);
    QFETCH(QPoint, at2);
    QFETCH(QColor, colour2);

    TuringScreen screen;
    screen.SetAlphabet(QStringLiteral("1"));
    screen.table.SetCell(2, 1, text);
    screen.table.SetCursor(current ? 2 : 3, 1);
    if (running) {
        screen.bench.RunControl().Run();
        screen.bench.RunControl().Pause();
    }
    QVERIFY(screen.Show());

    // Near the top right corner, clear of every text and of the picture.
    QCOMPARE(screen.PixelInCell(2, 1, 65, 3), ground);
    // The picture's own ground at its top left corner; the picture stands
    // at (12, 0).
    QCOMPARE(screen.PixelInCell(2, 1, 12, 0), ground);
    QCOMPARE(screen.PixelInCell(2, 1, 12 + at1.x(), at1.y()), colour1);
    QCOMPARE(screen.PixelInCell(2, 1, 12 + at2.x(), at2.y()), colour2);
    // Something dark stands where the symbol to write is drawn.
    const QImage image = screen.Picture();
    const QRect rect = screen.view().CellRect(2, 1);
    int dark = 0;
    for (int y = 4; y < 25; ++y) {
        for (int x = 2; x < 12; ++x) {
            dark += image.pixelColor(rect.left() + x, rect.top() + y).lightness() < 100;
        }
    }
    QCOMPARE(dark > 5, !text.isEmpty());
}

void TestTuringTableView::movePicturesAreDrawnForTheRatio_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("green");
    QTest::newRow("left") << "1<2" << false;
    QTest::newRow("right, running") << "1>2" << true;
    QTest::newRow("stop") << "1!0" << false;
}

void TestTuringTableView::movePicturesAreDrawnForTheRatio() {
    QFETCH(QString, text);
    QFETCH(bool, green);
    const TuringCellDelegate cells(QApplication::font().family());
    const QImage one = cells.MovePicture(text[1], green).toImage();
    const QImage two = cells.MovePicture(text[1], green, 2).toImage();
    QCOMPARE(two.devicePixelRatio(), 2.0);
    QCOMPARE(two.size(), QSize(50, 50));
    // Twice as fine, not the ratio-1 picture blown up.
    QVERIFY(two != one.scaled(two.size(), Qt::IgnoreAspectRatio, Qt::FastTransformation));

    // A cell painted on a device of ratio 2 shows the picture for ratio 2
    // at (12, 0); its middle, clear of the texts beside it, is compared.
    QImage cell(QSize(70, 25) * 2, two.format());
    cell.setDevicePixelRatio(2);
    {
        QPainter painter(&cell);
        cells.PaintCommand(painter, QRect(0, 0, 70, 25), text, green);
    }
    QCOMPARE(cell.copy(28, 0, 40, 50), two.copy(4, 0, 40, 50));
}

void TestTuringTableView::drawsCornerHeadersAndLabels() {
    TuringScreen screen;
    screen.SetAlphabet(QStringLiteral("1 0"));
    QVERIFY(screen.Show());
    const QColor face = screen.view().palette().color(QPalette::Normal, QPalette::Button);
    QCOMPARE(screen.PixelInCell(0, 0, 3, 20), face);
    QCOMPARE(screen.PixelInCell(1, 0, 3, 20), face);
    QCOMPARE(screen.PixelInCell(0, 3, 3, 20), face);
    // Each cell is 70 x 25 with a one-pixel line between cells.
    QCOMPARE(screen.view().CellRect(0, 0), QRect(0, 0, 70, 25));
    QCOMPARE(screen.view().CellRect(2, 3), QRect(142, 78, 70, 25));
    QCOMPARE(screen.view().CellAt(QPoint(150, 80)), QPoint(2, 3));
    QCOMPARE(screen.view().CellAt(QPoint(150, 200)), QPoint(-1, -1));
}

void TestTuringTableView::checksTheCellOnConfirming_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("confirm");  // a key, or 0 for leaving the table
    QTest::addColumn<QString>("stored");
    QTest::addColumn<int>("rowAfter");

    const int enter = Qt::Key_Return;
    QTest::newRow("blanks go") << "1 > 2" << enter << "1>2" << 1;
    QTest::newRow("left-out symbol") << ">3" << enter << "_>3" << 1;
    QTest::newRow("stop") << "1!0" << enter << "1!0" << 1;
    QTest::newRow("number kept as typed") << "  0 < 007 " << enter << "0<007" << 1;
    QTest::newRow("hex state") << "_>$1F" << enter << "_>$1F" << 1;
    QTest::newRow("state beyond the table") << "1>99" << enter << "1>99" << 1;
    QTest::newRow("symbol only") << "1" << enter << "" << 1;
    QTest::newRow("no number") << "1>" << enter << "" << 1;
    QTest::newRow("move only") << "<" << enter << "" << 1;
    QTest::newRow("not in the alphabet") << "2>1" << enter << "" << 1;
    QTest::newRow("not a number") << "1>x" << enter << "" << 1;
    QTest::newRow("down checks, then moves") << "1 >2" << int(Qt::Key_Down) << "1>2" << 2;
    QTest::newRow("down on a rejected cell") << "9>2" << int(Qt::Key_Down) << "" << 2;
    QTest::newRow("up checks, then moves") << "<1" << int(Qt::Key_Up) << "_<1" << 1;
    QTest::newRow("leaving checks") << "0 ! 1" << 0 << "0!1" << 1;
    QTest::newRow("tab leaves and checks") << " 1>2" << int(Qt::Key_Tab) << "1>2" << 1;
    QTest::newRow("leaving rejects") << "0 1" << 0 << "" << 1;
}

void TestTuringTableView::checksTheCellOnConfirming() {
    QFETCH(QString, typed);
    QFETCH(int, confirm);
    QFETCH(QString, stored);
    QFETCH(int, rowAfter);

    TuringScreen screen;
    screen.SetAlphabet(QStringLiteral("1 0"));
    // Up is tried from the second row, the others from the first.
    const int row = confirm == Qt::Key_Up ? 2 : 1;
    screen.table.SetCursor(2, row);
    QVERIFY(screen.Show());
    TuringTableView& view = screen.view();
    view.setFocus();
    QVERIFY(view.hasFocus());

    TypeText(&view, typed);
    QVERIFY(view.IsEditing());
    QCOMPARE(view.Editor()->text(), typed);
    QCOMPARE(screen.table.Cell(2, row), typed);  // unchecked until confirmed

    if (confirm == 0) {
        screen.elsewhere->setFocus(Qt::TabFocusReason);
    } else {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key(confirm));
    }
    QCOMPARE(screen.table.Cell(2, row), stored);
    QVERIFY(!view.IsEditing());
    QCOMPARE(view.hasFocus(), confirm != 0 && confirm != Qt::Key_Tab);
    QCOMPARE(screen.table.Row(), rowAfter);
    QCOMPARE(screen.table.Col(), 2);
}

void TestTuringTableView::checksAStoredCommandWithoutTyping_data() {
    QTest::addColumn<QString>("before");
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("after");
    QTest::addColumn<bool>("modified");

    QTest::newRow("down on a valid command") << "1>2" << int(Qt::Key_Down) << "1>2" << true;
    QTest::newRow("enter on a valid command") << "0<0" << int(Qt::Key_Return) << "0<0" << true;
    QTest::newRow("a loaded command tidied") << "1 >2" << int(Qt::Key_Down) << "1>2" << true;
    QTest::newRow("rejected: cleared, not marked") << "5>2" << int(Qt::Key_Down) << "" << false;
    QTest::newRow("empty: nothing") << "" << int(Qt::Key_Down) << "" << false;
    QTest::newRow("right arrow does not check") << "1 >2" << int(Qt::Key_Right) << "1 >2" << false;
}

void TestTuringTableView::checksAStoredCommandWithoutTyping() {
    QFETCH(QString, before);
    QFETCH(int, key);
    QFETCH(QString, after);
    QFETCH(bool, modified);

    TuringScreen screen;
    screen.SetAlphabet(QStringLiteral("1 0"));
    screen.table.SetCell(1, 1, before);
    screen.table.SetCursor(1, 1);
    screen.bench.SetModified(false);
    QVERIFY(screen.Show());
    screen.view().setFocus();

    QTest::keyClick(&screen.view(), Qt::Key(key));
    if (screen.view().IsEditing()) {
        QTest::keyClick(screen.view().Editor(), Qt::Key_Escape);  // Enter opened it
    }
    QCOMPARE(screen.table.Cell(1, 1), after);
    QCOMPARE(screen.turing.Modified(), modified);
    QCOMPARE(screen.bench.StatusText(Workbench::PanelModified),
             modified ? QStringLiteral("Изменен") : QString());
}

void TestTuringTableView::typingMarksModifiedAndKeepsTheCodePage() {
    TuringScreen screen;
    screen.SetAlphabet(QStringLiteral("а"));
    screen.bench.SetModified(false);
    QVERIFY(screen.Show());
    screen.view().setFocus();

    // Cyrillic goes in as it is; a character the code page lacks becomes
    // "?" on screen and in the cell alike.
    TypeText(&screen.view(), QStringLiteral("а>1漢"));
    QCOMPARE(screen.view().Editor()->text(), QStringLiteral("а>1?"));
    QCOMPARE(screen.table.Cell(1, 1), QStringLiteral("а>1?"));
    // A command typed and never confirmed is part of the document.
    QVERIFY(screen.turing.Modified());
    QTest::keyClick(screen.view().Editor(), Qt::Key_Backspace);
    QTest::keyClick(screen.view().Editor(), Qt::Key_Return);
    QCOMPARE(screen.table.Cell(1, 1), QStringLiteral("а>1"));
}

void TestTuringTableView::deleteEmptiesTheCurrentCell_data() {
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<bool>("editing");  // the in-place editor is open
    QTest::addColumn<QString>("cell");  // the current cell after the key
    QTest::newRow("Delete") << int(Qt::Key_Delete) << 0 << false << "";
    QTest::newRow("Backspace") << int(Qt::Key_Backspace) << 0 << false << "";
    QTest::newRow("keypad Delete") << int(Qt::Key_Delete) << int(Qt::KeypadModifier) << false << "";
    QTest::newRow("Ctrl+Delete is no clear")
        << int(Qt::Key_Delete) << int(Qt::ControlModifier) << false << "1>2";
    QTest::newRow("Backspace in the editor edits the text")
        << int(Qt::Key_Backspace) << 0 << true << "1>";
}

void TestTuringTableView::deleteEmptiesTheCurrentCell() {
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(bool, editing);
    TuringScreen screen;
    screen.SetAlphabet(QStringLiteral("1"));
    screen.table.SetCell(2, 2, QStringLiteral("1>2"));
    screen.table.SetCell(2, 1, QStringLiteral("1<1"));
    screen.table.SetCursor(2, 2);
    screen.bench.SetModified(false);
    QVERIFY(screen.Show());
    screen.view().setFocus();
    QWidget* target = &screen.view();
    if (editing) {
        QTest::keyClick(target, Qt::Key_F2);
        target = screen.view().Editor();
        QTest::keyClick(target, Qt::Key_End);
    }
    QTest::keyClick(target, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    QTEST(screen.table.Cell(2, 2), "cell");
    QCOMPARE(screen.table.Cell(2, 1), QStringLiteral("1<1"));
    QCOMPARE(screen.turing.Modified(), screen.table.Cell(2, 2) != u"1>2");
    QCOMPARE(screen.table.Col(), 2);
    QCOMPARE(screen.table.Row(), 2);
}

void TestTuringTableView::escapeRestoresTheCell() {
    TuringScreen screen;
    screen.SetAlphabet(QStringLiteral("1"));
    screen.table.SetCell(1, 1, QStringLiteral("1>2"));
    QVERIFY(screen.Show());
    screen.view().setFocus();
    QTest::keyClick(&screen.view(), Qt::Key_F2);
    QVERIFY(screen.view().IsEditing());
    TypeText(screen.view().Editor(), QStringLiteral("_<0"));
    QCOMPARE(screen.table.Cell(1, 1), QStringLiteral("_<0"));
    QTest::keyClick(screen.view().Editor(), Qt::Key_Escape);
    QVERIFY(!screen.view().IsEditing());
    QCOMPARE(screen.table.Cell(1, 1), QStringLiteral("1>2"));
    QVERIFY(screen.view().hasFocus());

    // A key the editor refuses (here a disabled one) comes back to the view
    // and must not be sent on again and again.
    QTest::keyClick(&screen.view(), Qt::Key_F2);
    screen.view().Editor()->setEnabled(false);
    QTest::keyClick(&screen.view(), Qt::Key_A);
    QVERIFY(screen.view().IsEditing());
}

void TestTuringTableView::editStartMarksAPausedRunEdited_data() {
    QTest::addColumn<bool>("paused");
    QTest::addColumn<int>("how");  // a key that opens the editor, or 0 for a double click
    QTest::newRow("typing, paused") << true << int(Qt::Key_1);
    QTest::newRow("F2, paused") << true << int(Qt::Key_F2);
    QTest::newRow("double click, paused") << true << 0;
    QTest::newRow("typing, idle") << false << int(Qt::Key_1);
}

void TestTuringTableView::editStartMarksAPausedRunEdited() {
    QFETCH(bool, paused);
    QFETCH(int, how);

    TuringScreen screen;
    screen.SetAlphabet(QStringLiteral("1"));
    screen.table.SetCell(1, 2, QStringLiteral("_!0"));
    QVERIFY(screen.Show());
    if (paused) {
        // One single step shows the first command and pauses.
        screen.bench.RunControl().Step();
        screen.bench.RunControl().TuringRunTick();
        QCOMPARE(screen.bench.RunControl().State(), RunController::RunState::Paused);
    }
    QVERIFY(!screen.bench.RunControl().EditedSinceStart(screen.turing));
    TuringTableView& view = screen.view();
    QVERIFY(view.isEnabled());
    view.setFocus();
    if (how == 0) {
        const QRect rect = view.CellRect(2, 1);
        QTest::mouseDClick(view.viewport(), Qt::LeftButton, {}, rect.center());
    } else {
        QTest::keyClick(&view, Qt::Key(how), {});
    }
    QVERIFY(view.IsEditing());
    QCOMPARE(screen.bench.RunControl().EditedSinceStart(screen.turing), paused);
}

void TestTuringTableView::rightClickSelectsACommandCell_data() {
    QTest::addColumn<QPoint>("clicked");
    QTest::addColumn<QPoint>("current");
    QTest::newRow("command cell") << QPoint(3, 2) << QPoint(3, 2);
    QTest::newRow("blank row") << QPoint(5, 3) << QPoint(5, 3);
    QTest::newRow("state header") << QPoint(3, 0) << QPoint(3, 1);
    QTest::newRow("row label") << QPoint(0, 2) << QPoint(1, 1);
    QTest::newRow("corner") << QPoint(0, 0) << QPoint(1, 1);
}

void TestTuringTableView::rightClickSelectsACommandCell() {
    QFETCH(QPoint, clicked);
    QFETCH(QPoint, current);

    TuringScreen screen;
    screen.SetAlphabet(QStringLiteral("1 0"));
    screen.table.SetCursor(1, 1);
    QVERIFY(screen.Show());
    TuringTableView& view = screen.view();
    const QPoint at = view.CellRect(clicked.x(), clicked.y()).center();
    QTest::mousePress(view.viewport(), Qt::RightButton, {}, at);
    QTest::mouseRelease(view.viewport(), Qt::RightButton, {}, at);
    QCOMPARE(QPoint(screen.table.Col(), screen.table.Row()), current);
}

void TestTuringTableView::menuRequestOpensTheGivenMenu() {
    TuringScreen screen;
    QVERIFY(screen.Show());
    TuringTableView& view = screen.view();
    QMenu menu;
    menu.addAction(QStringLiteral("Вставить столбец"));
    view.SetContextMenu(&menu);
    QSignalSpy requests(&view, &TuringTableView::ContextMenuRequested);

    const QPoint at = view.CellRect(2, 1).center();
    QContextMenuEvent event(QContextMenuEvent::Mouse, at, view.viewport()->mapToGlobal(at));
    QApplication::sendEvent(view.viewport(), &event);
    QCOMPARE(requests.size(), 1);
    QCOMPARE(requests.at(0).at(0).toPoint(), view.viewport()->mapToGlobal(at));
    QVERIFY(menu.isVisible());
    menu.close();
}

// A program that walks right over a tape of ones through twelve states, one
// state per cell, and stops in the last: the cursor walks out of a narrow
// table, which must scroll to keep the shown command in sight.
void TestTuringTableView::followsTheCursorThroughARun() {
    TuringScreen screen(520, 300);
    screen.SetAlphabet(QStringLiteral("1"));
    while (screen.table.StateCount() < 12) {
        screen.table.AppendStateColumn();
    }
    for (int state = 0; state < 11; ++state) {
        screen.table.SetCell(state + 1, 1, QStringLiteral("1>") + QString::number(state + 1));
    }
    screen.table.SetCell(12, 1, QStringLiteral("1!0"));
    for (int cell = 1; cell <= 12; ++cell) {
        screen.turing.tape.SetTuringCell(cell, u'1');
    }
    screen.turing.tape.SetCarriagePos(1);
    QVERIFY(screen.Show());
    screen.turing.SetSplitterPos(260);
    TuringTableView& view = screen.view();

    RunController& run = screen.bench.RunControl();
    run.Run();
    QVERIFY(!view.isEnabled());
    QPoint previous(-1, -1);
    for (int tick = 0; tick < 12; ++tick) {
        run.TuringRunTick();
        const QPoint cell(screen.table.Col(), screen.table.Row());
        QCOMPARE(cell, QPoint(screen.bench.RunControl().Position(screen.turing).at + 1, 1));
        const QRect rect = view.CellRect(cell.x(), cell.y());
        QVERIFY2(!rect.isEmpty() && view.viewport()->rect().contains(rect),
                 qPrintable(QStringLiteral("tick %1").arg(tick)));
        QCOMPARE(screen.PixelInCell(cell.x(), cell.y(), 65, 3), QColor(0, 255, 0));
        if (previous != QPoint(-1, -1) && previous != cell) {
            const QRect old = view.CellRect(previous.x(), previous.y());
            if (!old.isEmpty() && view.viewport()->rect().contains(old)) {
                QCOMPARE(screen.PixelInCell(previous.x(), previous.y(), 65, 3), QColor(Qt::white));
            }
        }
        previous = cell;
    }
    // The twelfth tick executed the stop: the run is over and nothing is green.
    screen.ui.ExpectDialog();
    run.TuringRunTick();
    QCOMPARE(screen.ui.dialogs.size(), 1);
    QCOMPARE(screen.ui.dialogs.at(0).message, QStringLiteral("Программа завершена!"));
    QVERIFY(view.isEnabled());
    QCOMPARE(screen.PixelInCell(screen.table.Col(), screen.table.Row(), 65, 3), QColor(Qt::white));
}

namespace {

// Collects what the viewport repaints.
class PaintSpy : public QObject {
public:
    QRegion painted;
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            painted += static_cast<QPaintEvent*>(event)->region();
        }
        return false;
    }
};

}  // namespace

void TestTuringTableView::aTickRepaintsOnlyTheCellsThatChanged() {
    TuringScreen screen;
    screen.SetAlphabet(QStringLiteral("1"));
    screen.table.SetCell(1, 1, QStringLiteral("1>1"));
    screen.table.SetCell(2, 1, QStringLiteral("1>0"));
    for (int cell = 1; cell <= 4; ++cell) {
        screen.turing.tape.SetTuringCell(cell, u'1');
    }
    screen.turing.tape.SetCarriagePos(1);
    QVERIFY(screen.Show());
    TuringTableView& view = screen.view();
    RunController& run = screen.bench.RunControl();
    run.Run();
    run.TuringRunTick();  // shows Q0 on "1"
    QCoreApplication::processEvents();

    PaintSpy spy;
    view.viewport()->installEventFilter(&spy);
    run.TuringRunTick();  // executes it and shows Q1 on "1"
    QCOMPARE(QPoint(screen.table.Col(), screen.table.Row()), QPoint(2, 1));
    QTRY_VERIFY(!spy.painted.isEmpty());
    QVERIFY(spy.painted.contains(view.CellRect(1, 1)));
    QVERIFY(spy.painted.contains(view.CellRect(2, 1)));
    QVERIFY(!spy.painted.intersects(view.CellRect(4, 1)));
    QVERIFY(!spy.painted.intersects(view.CellRect(1, 2)));
    run.Break();
}

void TestTuringTableView::isDisabledWhileAProgramRuns() {
    TuringScreen screen;
    screen.SetAlphabet(QStringLiteral("1"));
    screen.table.SetCell(1, 2, QStringLiteral("_>0"));
    QVERIFY(screen.Show());
    RunController& run = screen.bench.RunControl();
    run.Run();
    QVERIFY(!screen.view().isEnabled());
    QVERIFY(!screen.alphabet->Editor()->isEnabled());
    run.Pause();
    QVERIFY(screen.view().isEnabled());
    QVERIFY(screen.alphabet->Editor()->isEnabled());
    run.Run();
    QVERIFY(!screen.view().isEnabled());
    run.Break();
    QVERIFY(screen.view().isEnabled());
}

QTEST_MAIN(TestTuringTableView)
#include "test_turing_table_view.moc"
