// The Post program table on screen: its drawing (white rows, the green
// running row, codes stored for drawn rows, pictures drawn for a scaled
// screen), the edit prologue, the command
// chooser's flows by mouse and keys, the right click and the cursor kept in
// step with the table while a program runs.

#include <QAbstractItemView>
#include <QLineEdit>
#include <QMenu>
#include <QPaintEvent>
#include <QPainter>
#include <QVBoxLayout>
#include <QtTest>
#include <memory>

#include "core/port/ScriptedUi.h"
#include "core/run/RunController.h"
#include "core/workbench/Workbench.h"
#include "window/post/PostCommandBox.h"
#include "window/post/PostTableDelegate.h"
#include "window/post/PostTableView.h"

namespace {

const QColor kGreen(0, 255, 0);
const QColor kWhite(255, 255, 255);
const QString kModified = QStringLiteral("Изменен");

// One window holding a table view over a fresh Workbench.
struct Bench {
    ScriptedUi ui;
    Workbench bench{ui};
    QWidget window;
    QLineEdit* elsewhere = nullptr;  // another widget of the window
    PostTableView* view = nullptr;

    Bench() {
        auto* layout = new QVBoxLayout(&window);
        layout->setContentsMargins(0, 0, 0, 0);
        elsewhere = new QLineEdit(&window);
        layout->addWidget(elsewhere);
        view = new PostTableView(bench, &window);
        layout->addWidget(view);
        window.resize(605, 300);
        window.show();
    }
    PostTable& table() { return bench.Post().table; }
    PostCommandBox* box() { return view->CommandChooser(); }
    QPoint At(int col, int row) { return view->CellRect(col, row).center(); }
    void Click(int col, int row, Qt::MouseButton button = Qt::LeftButton) {
        QTest::mouseClick(view->viewport(), button, {}, At(col, row));
    }
    // Keys go where the keyboard is: the list while it is down.
    void Key(Qt::Key key) {
        QTest::keyClick(box()->DroppedDown() ? static_cast<QWidget*>(box()->view())
                                             : QApplication::focusWidget(),
                        key);
    }
    QColor Pixel(int col, int row) {
        const QImage image = view->viewport()->grab().toImage();
        const QRect cell = view->CellRect(col, row);
        // Right of any text and clear of the focus frame.
        return image.pixelColor(cell.right() - 3, cell.bottom() - 3);
    }
    // Rows 1..4 move right and jump on: 1 -> 2 -> 3 -> 4 -> 1.
    void LoopProgram() {
        for (int row = 1; row <= 4; ++row) {
            table().SetCode(row, QStringLiteral("2"));
            table().SetCell(PostTable::ColJump, row, QString::number(row % 4 + 1));
        }
    }
    void Ticks(int n) {
        for (int i = 0; i < n; ++i) {
            bench.RunControl().PostRunTick();
        }
    }
};

std::unique_ptr<Bench> ActiveBench() {
    auto b = std::make_unique<Bench>();
    b->window.activateWindow();
    if (!QTest::qWaitForWindowActive(&b->window)) {
        return nullptr;
    }
    b->view->setFocus();
    return b;
}

// Opens the chooser on `row` the way `how` says: "mouse" (a click on the
// command cell) or "typing" (a letter typed on the current command cell).
void OpenChooser(Bench& b, int row, const QString& how) {
    if (how == u"mouse") {
        b.Click(PostTable::ColCommand, row);
    } else {
        b.table().SetCursor(PostTable::ColCommand, row);
        QTest::keyClick(b.view, Qt::Key_A);
    }
}

// Letters one key at a time, as the Russian layout brings them.
void TypeCyrillic(QWidget* target, const QString& text) {
    for (QChar ch : text) {
        QTest::sendKeyEvent(QTest::Click, target, Qt::Key(ch.toUpper().unicode()), QString(ch), {});
    }
}

}  // namespace

class TestPostTableView : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void layoutAndHint();
    void picturesShowEachCode();
    void picturesAreDrawnForTheRatio_data();
    void picturesAreDrawnForTheRatio();
    void drawsRowsWhiteAndTheRunningRowGreen_data();
    void drawsRowsWhiteAndTheRunningRowGreen();
    void drawnRowGetsCodeZero();
    void editingBeginsMarksModified_data();
    void editingBeginsMarksModified();
    void typedTextIsStoredSanitised();
    void escapePutsTheCellBack();
    void mouseOpenDropsDownAndAChoiceStores_data();
    void mouseOpenDropsDownAndAChoiceStores();
    void enterOnTypedChooserDropsThenStores();
    void escapeStoresNothing_data();
    void escapeStoresNothing();
    void leavingTheChooserKeepsTheFocusThere_data();
    void leavingTheChooserKeepsTheFocusThere();
    void leftAndRightSelectFirstAndLastItem_data();
    void leftAndRightSelectFirstAndLastItem();
    void deleteEmptiesTheSelectedCells_data();
    void deleteEmptiesTheSelectedCells();
    void lettersChooseTheCommand_data();
    void lettersChooseTheCommand();
    void arrowsInTheClosedChooserGoOnThroughTheRows_data();
    void arrowsInTheClosedChooserGoOnThroughTheRows();
    void choiceOnLastRowAppendsOneRow_data();
    void choiceOnLastRowAppendsOneRow();
    void rightClickSelectsCellBeforeMenu_data();
    void rightClickSelectsCellBeforeMenu();
    void followsTheCursorDuringARun();
    void tickRepaintsOnlyTheTwoRows();
};

void TestPostTableView::layoutAndHint() {
    Bench b;
    QVERIFY(QTest::qWaitForWindowExposed(&b.window));
    QCOMPARE(b.view->objectName(), QStringLiteral("sgMainPst"));
    QCOMPARE(b.box()->objectName(), QStringLiteral("cbCommands"));
    QCOMPARE(b.view->CellRect(PostTable::ColCommand, 1).size(), QSize(50, 17));
    QCOMPARE(b.view->CellRect(PostTable::ColJump, 1).size(), QSize(50, 17));
    QCOMPARE(b.view->CommentWidth(), b.view->width() - 180);
    b.window.resize(900, 300);
    QTRY_COMPARE(b.view->CommentWidth(), b.view->width() - 180);
    QCOMPARE(b.view->toolTip(), QStringLiteral("Таблица машины Поста. Сюда вписывается алгоритм."));
    QCOMPARE(b.view->statusTip(), b.view->toolTip());
    QVERIFY(b.box()->isHidden());
    QCOMPARE(b.box()->width(), 50);
    QVERIFY(!(b.box()->focusPolicy() & Qt::TabFocus));
}

void TestPostTableView::picturesShowEachCode() {
    Bench b;
    const PostTableDelegate& cells = *b.view->Delegate();
    QList<QImage> seen;
    for (int code = 0; code < PostTableDelegate::CodeCount; ++code) {
        const QImage white = cells.WhitePicture(code).toImage();
        const QImage green = cells.GreenPicture(code).toImage();
        const QImage arrow = b.box()->ArrowPicture(code).toImage();
        QCOMPARE(white.size(), QSize(50, 17));
        QCOMPARE(green.size(), QSize(50, 17));
        QCOMPARE(arrow.size(), QSize(16, 16));
        QCOMPARE(white.pixelColor(1, 1), kWhite);
        QCOMPARE(green.pixelColor(1, 1), kGreen);
        QCOMPARE(arrow.pixelColor(0, 0).alpha(), 0);
        // Code 0 is blank; every other code has a symbol of its own.
        const bool empty = white == cells.WhitePicture(0).toImage();
        QCOMPARE(empty, code == 0);
        QVERIFY(!seen.contains(white));
        seen.append(white);
    }
    // A damaged code draws blank.
    QCOMPARE(cells.WhitePicture(9).toImage(), cells.WhitePicture(0).toImage());
}

void TestPostTableView::picturesAreDrawnForTheRatio_data() {
    QTest::addColumn<int>("code");
    for (int code = 1; code < PostTableDelegate::CodeCount; ++code) {
        QTest::addRow("%d", code) << code;
    }
}

void TestPostTableView::picturesAreDrawnForTheRatio() {
    QFETCH(int, code);
    Bench b;
    const PostTableDelegate& cells = *b.view->Delegate();
    const QImage white = cells.WhitePicture(code, 2).toImage();
    const QImage green = cells.GreenPicture(code, 2).toImage();
    const QImage arrow = b.box()->ArrowPicture(code, 2).toImage();
    const QImage white1 = cells.WhitePicture(code).toImage();
    const QImage arrow1 = b.box()->ArrowPicture(code).toImage();
    for (const QImage* picture : {&white, &green, &arrow}) {
        QCOMPARE(picture->devicePixelRatio(), 2.0);
    }
    QCOMPARE(white.size(), QSize(100, 34));
    QCOMPARE(arrow.size(), QSize(32, 32));
    QCOMPARE(green.pixelColor(1, 1), kGreen);
    // Twice as fine, not the ratio-1 picture blown up.
    QVERIFY(white != white1.scaled(white.size(), Qt::IgnoreAspectRatio, Qt::FastTransformation));
    QVERIFY(arrow != arrow1.scaled(arrow.size(), Qt::IgnoreAspectRatio, Qt::FastTransformation));

    // A cell painted on a device of ratio 2 shows the picture for ratio 2.
    b.table().SetCode(1, QString::number(code));
    QImage cell(white.size(), white.format());
    cell.setDevicePixelRatio(2);
    {
        QPainter painter(&cell);
        QStyleOptionViewItem option;
        option.rect = QRect(0, 0, 50, 17);
        cells.paint(&painter, option, b.view->model()->index(0, PostTable::ColCommand));
    }
    QCOMPARE(cell, white);
}

void TestPostTableView::drawsRowsWhiteAndTheRunningRowGreen_data() {
    QTest::addColumn<QString>("state");
    QTest::addColumn<int>("col");
    QTest::addColumn<int>("row");
    QTest::addColumn<bool>("green");
    // After two ticks the run stands on row 2.
    for (const char* state : {"running", "paused"}) {
        for (int col = PostTable::ColCommand; col <= PostTable::ColComment; ++col) {
            QTest::addRow("%s, row 2, column %d", state, col) << state << col << 2 << true;
            QTest::addRow("%s, row 1, column %d", state, col) << state << col << 1 << false;
            QTest::addRow("%s, row 3, column %d", state, col) << state << col << 3 << false;
        }
        QTest::addRow("%s, number of row 2", state) << state << 0 << 2 << false;
    }
    for (const char* state : {"idle", "broken"}) {
        for (int col = PostTable::ColCommand; col <= PostTable::ColComment; ++col) {
            QTest::addRow("%s, row 2, column %d", state, col) << state << col << 2 << false;
        }
    }
}

void TestPostTableView::drawsRowsWhiteAndTheRunningRowGreen() {
    QFETCH(QString, state);
    QFETCH(int, col);
    QFETCH(int, row);
    QFETCH(bool, green);
    Bench b;
    QVERIFY(QTest::qWaitForWindowExposed(&b.window));
    b.LoopProgram();
    if (state != u"idle") {
        b.bench.RunControl().Run();
        b.Ticks(2);
        QCOMPARE(b.bench.RunControl().Position(b.bench.Post()).at, 2);
    }
    if (state == u"paused") {
        b.bench.RunControl().Pause();
    } else if (state == u"broken") {
        b.bench.RunControl().Break();
    }
    const QColor pixel = b.Pixel(col, row);
    if (green) {
        QCOMPARE(pixel, kGreen);
    } else if (col == PostTable::ColNumber) {
        QVERIFY(pixel != kGreen && pixel != kWhite);
    } else {
        QCOMPARE(pixel, kWhite);
    }
}

void TestPostTableView::drawnRowGetsCodeZero() {
    // Every program row carries the code "0" from the moment it exists, so
    // drawing it writes nothing; a damaged code is drawn as it is.
    Bench b;
    QCOMPARE(b.table().Code(4), QStringLiteral("0"));
    b.table().SetProgramRows(30);
    QCOMPARE(b.table().Code(30), QStringLiteral("0"));
    b.table().SetCode(5, QStringLiteral("9"));  // from a damaged document
    QSignalSpy written(&b.table(), &TextTable::CellChanged);
    b.view->viewport()->grab();
    QCOMPARE(written.count(), 0);
    QCOMPARE(b.table().Code(5), QStringLiteral("9"));
    QVERIFY(b.bench.StatusText(Workbench::PanelModified).isEmpty());
}

void TestPostTableView::editingBeginsMarksModified_data() {
    QTest::addColumn<int>("col");
    QTest::addColumn<int>("key");
    QTest::addColumn<bool>("paused");
    for (int col = PostTable::ColCommand; col <= PostTable::ColComment; ++col) {
        QTest::addRow("F2 in column %d", col) << col << int(Qt::Key_F2) << false;
        QTest::addRow("Enter in column %d", col) << col << int(Qt::Key_Return) << false;
        QTest::addRow("a letter in column %d", col) << col << int(Qt::Key_B) << false;
        QTest::addRow("F2 in column %d while paused", col) << col << int(Qt::Key_F2) << true;
    }
}

void TestPostTableView::editingBeginsMarksModified() {
    QFETCH(int, col);
    QFETCH(int, key);
    QFETCH(bool, paused);
    auto b = ActiveBench();
    QVERIFY(b);
    if (paused) {
        b->bench.RunControl().Step();
        b->bench.RunControl().Pause();
        QVERIFY(!b->bench.RunControl().EditedSinceStart(b->bench.Post()));
    }
    b->table().SetCursor(col, 3);
    QVERIFY(b->bench.StatusText(Workbench::PanelModified).isEmpty());
    QTest::keyClick(b->view, Qt::Key(key));
    QCOMPARE(b->bench.StatusText(Workbench::PanelModified), kModified);
    QCOMPARE(b->bench.RunControl().EditedSinceStart(b->bench.Post()), paused);
    if (col == PostTable::ColCommand) {
        QVERIFY(b->view->ChooserOpen());
        QVERIFY(!b->box()->DroppedDown());
    } else {
        QVERIFY(b->view->IsEditing());
    }
}

void TestPostTableView::typedTextIsStoredSanitised() {
    auto b = ActiveBench();
    QVERIFY(b);
    b->table().SetCursor(PostTable::ColComment, 2);
    QTest::keyClick(b->view, Qt::Key_F2);
    auto* editor = qobject_cast<QLineEdit*>(QApplication::focusWidget());
    QVERIFY(editor);
    // Cyrillic stays; what Windows-1251 cannot hold becomes "?".
    for (const QChar ch : QStringLiteral("шаг→1")) {
        QTest::sendKeyEvent(QTest::Click, editor, Qt::Key_unknown, QString(ch), Qt::NoModifier);
    }
    QCOMPARE(editor->text(), QStringLiteral("шаг?1"));
    QCOMPARE(b->table().Cell(PostTable::ColComment, 2), QStringLiteral("шаг?1"));
    QTest::keyClick(editor, Qt::Key_Return);
    QCOMPARE(b->table().Cell(PostTable::ColComment, 2), QStringLiteral("шаг?1"));
    QCOMPARE(b->table().Row(), 2);
}

void TestPostTableView::escapePutsTheCellBack() {
    auto b = ActiveBench();
    QVERIFY(b);
    b->table().SetCell(PostTable::ColJump, 2, QStringLiteral("7"));
    b->table().SetCursor(PostTable::ColJump, 2);
    QTest::keyClick(b->view, Qt::Key_9);
    QCOMPARE(b->table().Cell(PostTable::ColJump, 2), QStringLiteral("9"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    QCOMPARE(b->table().Cell(PostTable::ColJump, 2), QStringLiteral("7"));
    QVERIFY(!b->view->IsEditing());
}

void TestPostTableView::mouseOpenDropsDownAndAChoiceStores_data() {
    QTest::addColumn<QString>("pick");
    QTest::addRow("click on the item") << "click";
    QTest::addRow("Enter") << "enter";
    QTest::addRow("Space") << "space";
}

void TestPostTableView::mouseOpenDropsDownAndAChoiceStores() {
    QFETCH(QString, pick);
    auto b = ActiveBench();
    QVERIFY(b);
    b->table().SetCode(3, QStringLiteral("1"));
    b->Click(PostTable::ColCommand, 3);
    QVERIFY(b->view->ChooserOpen());
    QVERIFY(b->box()->DroppedDown());
    QCOMPARE(b->box()->Tag(), 1);
    QCOMPARE(b->box()->currentIndex(), 1);  // preselected from the code cell
    QVERIFY(b->bench.StatusText(Workbench::PanelModified).isEmpty());
    QAbstractItemView* list = b->box()->view();
    if (pick == u"click") {
        const QRect item = list->visualRect(list->model()->index(5, 0));
        QTest::mouseMove(list->viewport(), item.center());
        // A freshly opened list lets a click through only once a double
        // click's time has passed: click until one is taken.
        auto clickTaken = [&] {
            if (b->view->ChooserOpen()) {
                QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, item.center());
            }
            return !b->view->ChooserOpen();
        };
        QTRY_VERIFY(clickTaken());
    } else {
        for (int i = 0; i < 4; ++i) {
            QTest::keyClick(list, Qt::Key_Down);
        }
        QTest::keyClick(list, pick == u"enter" ? Qt::Key_Return : Qt::Key_Space);
    }
    QTRY_VERIFY(!b->view->ChooserOpen());
    QCOMPARE(b->table().Code(3), QStringLiteral("5"));
    QCOMPARE(b->table().Col(), int(PostTable::ColJump));
    QCOMPARE(b->table().Row(), 3);
    QCOMPARE(b->view->currentIndex().column(), int(PostTable::ColJump));
    QVERIFY(b->box()->isHidden());
    QCOMPARE(b->box()->Tag(), 0);
    QCOMPARE(b->box()->currentIndex(), -1);
    QCOMPARE(b->bench.StatusText(Workbench::PanelModified), kModified);
    QTRY_VERIFY(b->view->hasFocus());
}

void TestPostTableView::enterOnTypedChooserDropsThenStores() {
    auto b = ActiveBench();
    QVERIFY(b);
    b->table().SetCode(4, QStringLiteral("3"));
    OpenChooser(*b, 4, QStringLiteral("typing"));
    QVERIFY(b->view->ChooserOpen());
    QVERIFY(!b->box()->DroppedDown());
    QCOMPARE(b->box()->Tag(), 0);
    QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget*>(b->box()));
    b->Key(Qt::Key_Return);
    QVERIFY(b->box()->DroppedDown());
    QCOMPARE(b->box()->Tag(), 1);
    QCOMPARE(b->table().Code(4), QStringLiteral("3"));
    QTest::keyClick(b->box()->view(), Qt::Key_Down);
    b->Key(Qt::Key_Return);
    QVERIFY(!b->view->ChooserOpen());
    QCOMPARE(b->table().Code(4), QStringLiteral("4"));
    QCOMPARE(b->table().Col(), int(PostTable::ColJump));
}

void TestPostTableView::escapeStoresNothing_data() {
    QTest::addColumn<QString>("how");
    QTest::addRow("opened by the mouse") << "mouse";
    QTest::addRow("opened by typing") << "typing";
}

void TestPostTableView::escapeStoresNothing() {
    QFETCH(QString, how);
    auto b = ActiveBench();
    QVERIFY(b);
    b->table().SetCode(2, QStringLiteral("2"));
    OpenChooser(*b, 2, how);
    QVERIFY(b->view->ChooserOpen());
    QTest::keyClick(b->box()->view(), Qt::Key_Down);
    b->Key(Qt::Key_Escape);
    QVERIFY(!b->view->ChooserOpen());
    QVERIFY(!b->box()->DroppedDown());
    QCOMPARE(b->table().Code(2), QStringLiteral("2"));
    QCOMPARE(b->table().Col(), int(PostTable::ColCommand));
    QCOMPARE(b->table().ProgramRows(), 10);
}

void TestPostTableView::leavingTheChooserKeepsTheFocusThere_data() {
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("rowsAfter");
    QTest::addRow("row 3") << 3 << 10;
    QTest::addRow("last row: appends as any close does") << 10 << 11;
}

void TestPostTableView::leavingTheChooserKeepsTheFocusThere() {
    QFETCH(int, row);
    QFETCH(int, rowsAfter);
    auto b = ActiveBench();
    QVERIFY(b);
    b->table().SetCode(row, QStringLiteral("4"));
    OpenChooser(*b, row, QStringLiteral("typing"));
    QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget*>(b->box()));
    QTest::keyClick(b->box(), Qt::Key_Right);  // selected, never stored
    QTest::mouseClick(b->elsewhere, Qt::LeftButton);
    QVERIFY(!b->view->ChooserOpen());
    QVERIFY(b->box()->isHidden());
    QCOMPARE(b->table().Code(row), QStringLiteral("4"));
    QCOMPARE(b->table().ProgramRows(), rowsAfter);
    QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(b->elsewhere));
}

void TestPostTableView::leftAndRightSelectFirstAndLastItem_data() {
    QTest::addColumn<QString>("how");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("item");
    for (const char* how : {"mouse", "typing"}) {
        QTest::addRow("%s, Left", how) << how << int(Qt::Key_Left) << 0;
        QTest::addRow("%s, Right", how) << how << int(Qt::Key_Right) << 6;
    }
}

void TestPostTableView::leftAndRightSelectFirstAndLastItem() {
    QFETCH(QString, how);
    QFETCH(int, key);
    QFETCH(int, item);
    auto b = ActiveBench();
    QVERIFY(b);
    b->table().SetCode(5, QStringLiteral("3"));
    OpenChooser(*b, 5, how);
    b->Key(Qt::Key(key));
    QVERIFY(b->view->ChooserOpen());
    QCOMPARE(b->box()->currentIndex(), item);
    QCOMPARE(b->table().Code(5), QStringLiteral("3"));  // selected, not yet stored
    // Enter stores it: at once when the list is down, else after dropping.
    b->Key(Qt::Key_Return);
    if (b->view->ChooserOpen()) {
        b->Key(Qt::Key_Return);
    }
    QVERIFY(!b->view->ChooserOpen());
    QCOMPARE(b->table().Code(5), QString::number(item));
    QCOMPARE(b->bench.StatusText(Workbench::PanelModified), kModified);
}

void TestPostTableView::deleteEmptiesTheSelectedCells_data() {
    QTest::addColumn<int>("key");
    QTest::addColumn<QRect>("block");   // columns x, rows y, from row 1
    QTest::addColumn<QString>("rows");  // code|jump|comment of rows 1 to 3
    QTest::newRow("Delete on a block")
        << int(Qt::Key_Delete) << QRect(1, 1, 3, 2) << "0||;0||;2|5|c";
    QTest::newRow("Backspace on one jump cell")
        << int(Qt::Key_Backspace) << QRect(2, 3, 1, 1) << "2|5|c;2|5|c;2||c";
    QTest::newRow("Delete on the command column")
        << int(Qt::Key_Delete) << QRect(1, 2, 1, 2) << "2|5|c;0|5|c;0|5|c";
    QTest::newRow("Delete in the chooser") << int(Qt::Key_Delete) << QRect() << "2|5|c;0|5|c;2|5|c";
}

void TestPostTableView::deleteEmptiesTheSelectedCells() {
    QFETCH(int, key);
    QFETCH(QRect, block);
    auto b = ActiveBench();
    QVERIFY(b);
    for (int row = 1; row <= 3; ++row) {
        b->table().SetCode(row, QStringLiteral("2"));
        b->table().SetCell(PostTable::ColJump, row, QStringLiteral("5"));
        b->table().SetCell(PostTable::ColComment, row, QStringLiteral("c"));
    }
    if (block.isNull()) {
        OpenChooser(*b, 2, QStringLiteral("typing"));
        QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget*>(b->box()));
    } else {
        QAbstractItemModel* model = b->view->model();
        b->view->selectionModel()->select(
            QItemSelection(model->index(block.top() - 1, block.left()),
                           model->index(block.bottom() - 1, block.right())),
            QItemSelectionModel::ClearAndSelect);
    }
    QTest::keyClick(QApplication::focusWidget(), Qt::Key(key));
    QStringList rows;
    for (int row = 1; row <= 3; ++row) {
        rows << b->table().Code(row) + u'|' + b->table().Jump(row) + u'|' +
                    b->table().Cell(PostTable::ColComment, row);
    }
    QTEST(rows.join(u';'), "rows");
    QVERIFY(!b->view->ChooserOpen());
    QCOMPARE(b->bench.StatusText(Workbench::PanelModified), kModified);
}

void TestPostTableView::lettersChooseTheCommand_data() {
    QTest::addColumn<QString>("how");  // where the chooser opens
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("chosen");  // the code stored while it is open
    QTest::addColumn<int>("end");     // the key that closes it
    QTest::addColumn<int>("stored");  // the code after that
    const int enter = Qt::Key_Return;
    const int escape = Qt::Key_Escape;
    QTest::newRow("В") << "typing"
                       << "В" << 1 << enter << 1;
    QTest::newRow("в, lower case") << "typing"
                                   << "в" << 1 << enter << 1;
    QTest::newRow("В twice: Вправо") << "typing"
                                     << "вв" << 2 << enter << 2;
    QTest::newRow("В three times: Влево again") << "typing"
                                                << "ввв" << 1 << enter << 1;
    QTest::newRow("М") << "typing"
                       << "м" << 3 << enter << 3;
    QTest::newRow("У") << "typing"
                       << "у" << 4 << enter << 4;
    QTest::newRow("П") << "typing"
                       << "п" << 5 << enter << 5;
    QTest::newRow("С") << "typing"
                       << "с" << 6 << enter << 6;
    QTest::newRow("a letter of no command, then В") << "typing"
                                                    << "жв" << 1 << enter << 1;
    QTest::newRow("Escape takes it back") << "typing"
                                          << "вв" << 2 << escape << 0;
    QTest::newRow("in the dropped list") << "mouse"
                                         << "уп" << 5 << enter << 5;
}

void TestPostTableView::lettersChooseTheCommand() {
    QFETCH(QString, how);
    QFETCH(QString, typed);
    QFETCH(int, end);
    auto b = ActiveBench();
    QVERIFY(b);
    b->table().SetCode(4, QStringLiteral("0"));
    b->bench.SetModified(false);
    if (how == u"mouse") {
        OpenChooser(*b, 4, how);
        QVERIFY(b->box()->DroppedDown());
    } else {
        b->table().SetCursor(PostTable::ColCommand, 4);
    }
    // One key at a time, as the Russian layout brings them.
    for (QChar ch : typed) {
        QWidget* keys = b->box()->DroppedDown() ? b->box()->view() : QApplication::focusWidget();
        QTest::sendKeyEvent(QTest::Click, keys, Qt::Key(ch.toUpper().unicode()), QString(ch), {});
    }
    QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget*>(b->box()));
    QVERIFY(b->view->ChooserOpen());
    QVERIFY(!b->box()->DroppedDown());
    QTEST(b->table().Code(4).toInt(), "chosen");
    QTEST(b->box()->currentIndex(), "chosen");
    QCOMPARE(b->table().Row(), 4);
    b->Key(Qt::Key(end));
    QVERIFY(!b->view->ChooserOpen());
    QTEST(b->table().Code(4).toInt(), "stored");
    QCOMPARE(b->table().Col(),
             end == Qt::Key_Return ? int(PostTable::ColJump) : int(PostTable::ColCommand));
}

void TestPostTableView::arrowsInTheClosedChooserGoOnThroughTheRows_data() {
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("typed");  // before the arrow
    QTest::addColumn<int>("rowAfter");
    QTest::addColumn<int>("rowsAfter");
    QTest::addColumn<int>("code");  // of the row left
    QTest::newRow("Down") << int(Qt::Key_Down) << 3 << "" << 4 << 10 << 3;
    QTest::newRow("Up") << int(Qt::Key_Up) << 3 << "" << 2 << 10 << 3;
    QTest::newRow("Up on the first row") << int(Qt::Key_Up) << 1 << "" << 1 << 10 << 3;
    QTest::newRow("Down on the last row: a new row")
        << int(Qt::Key_Down) << 10 << "" << 11 << 11 << 3;
    QTest::newRow("Down keeps a letter's choice") << int(Qt::Key_Down) << 3 << "с" << 4 << 10 << 6;
}

void TestPostTableView::arrowsInTheClosedChooserGoOnThroughTheRows() {
    QFETCH(int, key);
    QFETCH(int, row);
    QFETCH(QString, typed);
    auto b = ActiveBench();
    QVERIFY(b);
    b->table().SetCode(row, QStringLiteral("3"));
    OpenChooser(*b, row, QStringLiteral("typing"));
    QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget*>(b->box()));
    TypeCyrillic(b->box(), typed);
    QTest::keyClick(b->box(), Qt::Key(key));
    QVERIFY(!b->view->ChooserOpen());
    QTEST(b->table().Row(), "rowAfter");
    QCOMPARE(b->table().Col(), int(PostTable::ColCommand));
    QTEST(b->table().ProgramRows(), "rowsAfter");
    QTEST(b->table().Code(row).toInt(), "code");
    QTRY_VERIFY(b->view->hasFocus());
}

void TestPostTableView::choiceOnLastRowAppendsOneRow_data() {
    QTest::addColumn<int>("rows");
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("rowsAfter");
    QTest::addRow("last of ten") << 10 << 10 << 11;
    QTest::addRow("fifth of ten") << 10 << 5 << 10;
    QTest::addRow("first of ten") << 10 << 1 << 10;
    QTest::addRow("the only row") << 1 << 1 << 2;
    QTest::addRow("last of forty, scrolled") << 40 << 40 << 41;
}

void TestPostTableView::choiceOnLastRowAppendsOneRow() {
    QFETCH(int, rows);
    QFETCH(int, row);
    QFETCH(int, rowsAfter);
    auto b = ActiveBench();
    QVERIFY(b);
    b->table().SetProgramRows(rows);
    b->table().SetCursor(PostTable::ColCommand, row);
    b->Click(PostTable::ColCommand, row);
    QVERIFY(b->box()->DroppedDown());
    QTest::keyClick(b->box()->view(), Qt::Key_Down);
    QTest::keyClick(b->box()->view(), Qt::Key_Return);
    QVERIFY(!b->view->ChooserOpen());
    QCOMPARE(b->table().ProgramRows(), rowsAfter);
    QCOMPARE(b->view->model()->rowCount(), rowsAfter);
    QCOMPARE(b->table().Cell(PostTable::ColNumber, rowsAfter), QString::number(rowsAfter));
    QCOMPARE(b->table().Code(row), QStringLiteral("1"));
    QVERIFY(b->table().Cell(PostTable::ColJump, rowsAfter).isEmpty());
    QCOMPARE(b->table().Row(), row);
    QCOMPARE(b->table().Col(), int(PostTable::ColJump));
    QCOMPARE(b->view->currentIndex().row() + 1, row);
    // The new row was scrolled to: it is on screen.
    QVERIFY(b->view->viewport()->rect().intersects(b->view->CellRect(0, rowsAfter)));
}

void TestPostTableView::rightClickSelectsCellBeforeMenu_data() {
    QTest::addColumn<int>("col");
    QTest::addColumn<int>("row");
    QTest::addColumn<QPoint>("cursor");
    QTest::addRow("comment of row 6") << 3 << 6 << QPoint(3, 6);
    QTest::addRow("command of row 9") << 1 << 9 << QPoint(1, 9);
    QTest::addRow("number of row 4: the row only") << 0 << 4 << QPoint(2, 4);
    QTest::addRow("below the last row: nothing") << 2 << 0 << QPoint(2, 2);
}

void TestPostTableView::rightClickSelectsCellBeforeMenu() {
    QFETCH(int, col);
    QFETCH(int, row);
    QFETCH(QPoint, cursor);
    auto b = ActiveBench();
    QVERIFY(b);
    b->window.resize(605, 400);
    b->table().SetCursor(PostTable::ColJump, 2);
    QMenu menu;
    menu.addAction(QStringLiteral("Удалить строку"));
    b->view->SetContextMenu(&menu);
    QPoint seenCursor(-1, -1);
    connect(b->view, &PostTableView::ContextMenuRequested, b->view,
            [&] { seenCursor = QPoint(b->table().Col(), b->table().Row()); });
    QPoint at = row > 0 ? b->At(col, row) : b->At(col, 10) + QPoint(0, 40);
    QTest::mousePress(b->view->viewport(), Qt::RightButton, {}, at);
    QCOMPARE(QPoint(b->table().Col(), b->table().Row()), cursor);
    QContextMenuEvent event(QContextMenuEvent::Mouse, at, b->view->viewport()->mapToGlobal(at));
    QApplication::sendEvent(b->view->viewport(), &event);
    QTest::mouseRelease(b->view->viewport(), Qt::RightButton, {}, at);
    QCOMPARE(seenCursor, cursor);
    QTRY_VERIFY(menu.isVisible());
    menu.close();
    QCOMPARE(b->view->currentIndex().column(), cursor.x());
    QCOMPARE(b->view->currentIndex().row() + 1, cursor.y());
    QVERIFY(!b->view->ChooserOpen());
}

void TestPostTableView::followsTheCursorDuringARun() {
    Bench b;
    QVERIFY(QTest::qWaitForWindowExposed(&b.window));
    b.LoopProgram();
    b.table().SetProgramRows(40);
    b.table().SetCode(4, QStringLiteral("2"));
    b.table().SetCell(PostTable::ColJump, 4, QStringLiteral("40"));
    b.table().SetCode(40, QStringLiteral("2"));
    b.table().SetCell(PostTable::ColJump, 40, QStringLiteral("1"));
    b.bench.RunControl().Run();
    QVERIFY(!b.view->isEnabled());
    const int expected[] = {1, 2, 3, 4, 40, 1, 2};
    b.Ticks(1);
    for (int i = 0; i < 7; ++i) {
        if (i > 0) {
            b.Ticks(1);
        }
        QCOMPARE(b.bench.RunControl().Position(b.bench.Post()).at, expected[i]);
        QCOMPARE(b.view->currentIndex().row() + 1, expected[i]);
        QVERIFY(b.view->viewport()->rect().contains(b.view->CellRect(1, expected[i])));
    }
    b.bench.RunControl().Pause();
    QVERIFY(b.view->isEnabled());
    // The user moves the view; the table's cursor follows.
    b.Click(PostTable::ColComment, 5);
    QCOMPARE(QPoint(b.table().Col(), b.table().Row()), QPoint(3, 5));
    // Break shows the row where the run stopped.
    b.bench.RunControl().Break();
    QCOMPARE(b.view->currentIndex().row() + 1, 2);
    QCOMPARE(b.view->currentIndex().column(), int(PostTable::ColCommand));
}

void TestPostTableView::tickRepaintsOnlyTheTwoRows() {
    Bench b;
    QVERIFY(QTest::qWaitForWindowExposed(&b.window));
    b.LoopProgram();
    b.bench.RunControl().Run();
    b.bench.RunControl().PostRunTimer().stop();
    b.Ticks(2);
    QCoreApplication::processEvents();
    QRegion painted;
    struct Spy : QObject {
        QRegion* region;
        explicit Spy(QRegion* r) : region(r) {}
        bool eventFilter(QObject*, QEvent* event) override {
            if (event->type() == QEvent::Paint) {
                *region += static_cast<QPaintEvent*>(event)->region();
            }
            return false;
        }
    } spy(&painted);
    b.view->viewport()->installEventFilter(&spy);
    b.Ticks(1);  // from row 2 to row 3
    QTRY_VERIFY(!painted.isEmpty());
    QCOMPARE(b.bench.RunControl().Position(b.bench.Post()).at, 3);
    const QRect rows = b.view->CellRect(0, 2).united(b.view->CellRect(3, 3)).adjusted(0, 0, 1, 1);
    QVERIFY2(rows.contains(painted.boundingRect()),
             qPrintable(QStringLiteral("painted %1,%2 %3x%4")
                            .arg(painted.boundingRect().x())
                            .arg(painted.boundingRect().y())
                            .arg(painted.boundingRect().width())
                            .arg(painted.boundingRect().height())));
    QCOMPARE(b.Pixel(PostTable::ColJump, 3), kGreen);
    QCOMPARE(b.Pixel(PostTable::ColJump, 2), kWhite);
}

QTEST_MAIN(TestPostTableView)
#include "test_post_table_view.moc"
