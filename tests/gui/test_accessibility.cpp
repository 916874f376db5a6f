// The window as a screen reader meets it, through Qt's accessibility
// interfaces and an update handler that stands for the platform bridge:
// the words of tape cells and program commands, the tables with their
// header cells, the announcements of a step, of a fast run (once per slice,
// not per tick) and of an error dialog, the Tab order through the regions
// and the diagram's nodes chosen by keyboard.

#include <QtGui/private/qguiapplication_p.h>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>
#include <QAccessible>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QtTest>

#include "../support/CountingProgram.h"
#include "ModalAnswer.h"
#include "core/run/RunController.h"
#include "window/diagram/DiagramCanvas.h"
#include "window/diagram/DiagramPanel.h"
#include "window/dialogs/MessageDialog.h"
#include "window/main/AccessibleFactory.h"
#include "window/main/CommandBars.h"
#include "window/main/MainMenu.h"
#include "window/main/MainWindow.h"
#include "window/main/StatusBarPanel.h"
#include "window/post/PostTableView.h"
#include "window/resources/ScreenReader.h"
#include "window/resources/SpokenText.h"
#include "window/tape/TapeGridWidget.h"
#include "window/tape/TapePanel.h"
#include "window/turing/TuringAlphabetPanel.h"
#include "window/turing/TuringTablePanel.h"
#include "window/turing/TuringTableView.h"

namespace {

struct Heard {
    QAccessible::Event type;
    QAccessible::Role role;
    QString name;
};

std::vector<Heard>& Log() {
    static std::vector<Heard> log;
    return log;
}

void Record(QAccessibleEvent* event) {
    QAccessibleInterface* item = event->accessibleInterface();
    if (item) {
        Log().push_back({event->type(), item->role(), item->text(QAccessible::Name)});
    }
}

int Count(QAccessible::Event type, QAccessible::Role role) {
    return int(std::count_if(Log().begin(), Log().end(), [&](const Heard& heard) {
        return heard.type == type && heard.role == role;
    }));
}

bool HeardName(QAccessible::Event type, const QString& name) {
    return std::any_of(Log().begin(), Log().end(), [&](const Heard& heard) {
        return heard.type == type && heard.name == name;
    });
}

QAccessibleInterface* Of(QWidget* widget) {
    return QAccessible::queryAccessibleInterface(widget);
}

void Program(PostTable& table, const QStringList& rows) {
    for (int i = 0; i < rows.size(); ++i) {
        table.SetCode(i + 1, rows[i].section(u':', 0, 0));
        table.SetCell(PostTable::ColJump, i + 1, rows[i].section(u':', 1));
    }
}

}  // namespace

class TestAccessibility : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void init() { Log().clear(); }
    void postRowsReadAsWords_data();
    void postRowsReadAsWords();
    void turingCellsReadAsWords_data();
    void turingCellsReadAsWords();
    void tapeIsAListOfNamedCells();
    void tapeKeysMoveTheFocusedCell();
    void tablesHaveHeaderCellsAndWords();
    void stepIsAnnouncedAndTheCarriageMoveIsASelection();
    void fullSpeedIsAnnouncedOncePerSlice();
    void errorDialogIsAnAlert();
    void tabWalksTheRegions();
    void menusOpenFromTheKeyboard();
    void diagramNodesByKeyboard_data();
    void diagramNodesByKeyboard();
    void diagramEnterActsAsAClick();
};

void TestAccessibility::initTestCase() {
    // The window's factory is in place before a client comes, as at start.
    AccessibleFactory::Install();
    QAccessible::installUpdateHandler(Record);
    // As a client appearing on the bus would: the platform's accessibility
    // turns active (Qt sends no event at all before).
    QPlatformAccessibility* platform =
        QGuiApplicationPrivate::platformIntegration()->accessibility();
    if (!platform) {
        QSKIP("this platform has no accessibility");
    }
    platform->setActive(true);
    QVERIFY(ScreenReader::Listening());
}

void TestAccessibility::postRowsReadAsWords_data() {
    QTest::addColumn<QString>("row");  // code:jump
    QTest::addColumn<QString>("words");
    QTest::newRow("empty") << "0:"
                           << "1: пусто";
    QTest::newRow("left") << "1:4"
                          << "1: влево, затем 4";
    QTest::newRow("right") << "2:2"
                           << "1: вправо, затем 2";
    QTest::newRow("mark") << "3:4"
                          << "1: поставить метку, затем 4";
    QTest::newRow("erase") << "4:9"
                           << "1: стереть метку, затем 9";
    QTest::newRow("jump") << "5:7,2"
                          << "1: если нет метки — 7, иначе 2";
    QTest::newRow("stop") << "6:"
                          << "1: стоп";
    QTest::newRow("no jump") << "1:"
                             << "1: влево, переход не указан";
    QTest::newRow("bad jump") << "5:x"
                              << "1: переход по метке, переход «x»";
}

void TestAccessibility::postRowsReadAsWords() {
    QFETCH(QString, row);
    QFETCH(QString, words);
    PostTable table;
    Program(table, {row});
    QCOMPARE(SpokenText::PostRow(table, 1), words);
}

void TestAccessibility::turingCellsReadAsWords_data() {
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("words");
    QTest::newRow("right") << "1>2"
                           << "Q1: записать 1, вправо, в Q2";
    QTest::newRow("left blank") << "_<0"
                                << "Q1: записать пробел, влево, в Q0";
    QTest::newRow("stop") << "a!3"
                          << "Q1: записать a, стоп, в Q3";
    QTest::newRow("empty") << ""
                           << "Q1: пусто";
    QTest::newRow("unreadable") << "1?x"
                                << "Q1: 1?x";
}

void TestAccessibility::turingCellsReadAsWords() {
    QFETCH(QString, command);
    QFETCH(QString, words);
    QCOMPARE(SpokenText::TuringCell(1, command), words);
}

void TestAccessibility::tapeIsAListOfNamedCells() {
    MainWindow form;
    TapeGridWidget* post = form.Tape()->Grid(MachineKind::Post);
    form.Bench().Post().tape.SetPostCell(1, true);
    QAccessibleInterface* list = Of(post);
    QCOMPARE(list->role(), QAccessible::List);
    QCOMPARE(list->text(QAccessible::Name), QStringLiteral("Лента машины Поста"));
    QCOMPARE(list->childCount(), 27);
    QCOMPARE(list->child(13)->text(QAccessible::Name), QStringLiteral("ячейка 0, пусто, каретка"));
    QCOMPARE(list->child(14)->text(QAccessible::Name), QStringLiteral("ячейка 1, метка"));
    QCOMPARE(list->child(14)->role(), QAccessible::ListItem);
    QCOMPARE(list->indexOfChild(list->child(14)), 14);

    // The Turing tape begins at cell 1: only the cells on it are items.
    form.ChooseTuringMachine();
    TuringMachine& turing = form.Bench().Turing();
    turing.tape.SetCarriagePos(1);
    turing.tape.SetTuringCell(2, u'a');
    QAccessibleInterface* turingList = Of(form.Tape()->Grid(MachineKind::Turing));
    QCOMPARE(turingList->childCount(), 14);
    QCOMPARE(turingList->child(0)->text(QAccessible::Name),
             QStringLiteral("ячейка 1, пробел, каретка"));
    QCOMPARE(turingList->child(1)->text(QAccessible::Name), QStringLiteral("ячейка 2, a"));
}

// With the focus on the tape the focused cell is told as a focus change
// (an arrow, or the carriage moved under it); without it the carriage's cell
// is the list's selected item.
void TestAccessibility::tapeKeysMoveTheFocusedCell() {
    MainWindow form;
    form.show();
    QApplication::setActiveWindow(&form);
    QVERIFY(QTest::qWaitForWindowActive(&form));
    TapeGridWidget* grid = form.Tape()->Grid(MachineKind::Post);
    QAccessibleInterface* list = Of(grid);
    QVERIFY(list->child(13)->state().selected);
    QVERIFY(!list->child(12)->state().selected);
    grid->setFocus(Qt::TabFocusReason);
    Log().clear();
    QTest::keyClick(grid, Qt::Key_Right, Qt::ControlModifier);
    QVERIFY(HeardName(QAccessible::Focus, QStringLiteral("ячейка 1, пусто, каретка")));
    QTest::keyClick(grid, Qt::Key_Right);
    QVERIFY(HeardName(QAccessible::Focus, QStringLiteral("ячейка 2, пусто")));
    QCOMPARE(list->focusChild()->text(QAccessible::Name), QStringLiteral("ячейка 2, пусто"));
    QVERIFY(list->focusChild()->state().focused);
    QCOMPARE(Count(QAccessible::Selection, QAccessible::ListItem), 0);
}

void TestAccessibility::tablesHaveHeaderCellsAndWords() {
    MainWindow form;
    Program(form.Bench().Post().table, {"3:2"});
    QAccessibleInterface* postView = Of(form.PostTable());
    QAccessibleTableInterface* post = postView->tableInterface();
    QVERIFY(post);
    QAccessibleInterface* command = post->cellAt(0, PostTable::ColCommand);
    QCOMPARE(command->text(QAccessible::Name), QStringLiteral("1: поставить метку, затем 2"));
    // The header cells are the view's children (a cell's own list of them
    // is made afresh by Qt at every call and never freed).
    QStringList headers;
    for (int i = 0; i < postView->childCount(); ++i) {
        if (postView->child(i)->role() == QAccessible::ColumnHeader) {
            headers << postView->child(i)->text(QAccessible::Name);
        }
    }
    QVERIFY2(headers.contains(QStringLiteral("Команда")), qPrintable(headers.join(u',')));

    form.ChooseTuringMachine();
    TuringMachine& turing = form.Bench().Turing();
    turing.EditAlphabetText(QStringLiteral("01"));
    turing.RebuildAlphabet();
    QAccessibleInterface* view = Of(form.TuringPanel()->Table());
    QCOMPARE(view->role(), QAccessible::Table);
    QAccessibleTableInterface* table = view->tableInterface();
    QCOMPARE(table->rowCount(), 3);  // 0, 1 and the blank
    QCOMPARE(table->columnCount(), turing.table.StateCount());
    QAccessibleInterface* cell = table->cellAt(0, 1);
    Log().clear();
    turing.table.SetCell(2, 1, QStringLiteral("1>2"));
    QCOMPARE(cell->text(QAccessible::Name), QStringLiteral("Q1: записать 1, вправо, в Q2"));
    QVERIFY(HeardName(QAccessible::NameChanged, QStringLiteral("Q1: записать 1, вправо, в Q2")));
    QCOMPARE(cell->role(), QAccessible::Cell);
    QAccessibleTableCellInterface* place = cell->tableCellInterface();
    QCOMPARE(place->columnHeaderCells().at(0)->text(QAccessible::Name), QStringLiteral("Q1"));
    QCOMPARE(place->columnHeaderCells().at(0)->role(), QAccessible::ColumnHeader);
    QCOMPARE(place->rowHeaderCells().at(0)->text(QAccessible::Name), QStringLiteral("0"));
    QCOMPARE(place->rowHeaderCells().at(0)->role(), QAccessible::RowHeader);
    QCOMPARE(view->indexOfChild(cell), view->indexOfChild(cell));
    QCOMPARE(view->child(view->indexOfChild(cell)), cell);
}

void TestAccessibility::stepIsAnnouncedAndTheCarriageMoveIsASelection() {
    MainWindow form;
    Program(form.Bench().Post().table, {"2:2", "6:"});
    Of(form.Tape()->Grid(MachineKind::Post));  // a client has looked at the tape
    RunController& run = form.Bench().RunControl();
    run.Step();
    run.PostRunTick();  // announces row 1
    const QString announced = form.StatusPanel(Workbench::PanelMessage)->Text().trimmed();
    QVERIFY(!announced.isEmpty());
    QVERIFY2(HeardName(QAccessible::NameChanged, announced), qPrintable(announced));
    QCOMPARE(Of(form.StatusPanel(Workbench::PanelMessage))->role(), QAccessible::StaticText);
    QCOMPARE(Count(QAccessible::Selection, QAccessible::ListItem), 0);
    run.Step();
    run.PostRunTick();  // moves right
    QVERIFY(HeardName(QAccessible::Selection, QStringLiteral("ячейка 1, пусто, каретка")));
}

void TestAccessibility::fullSpeedIsAnnouncedOncePerSlice() {
    MainWindow form;
    form.ChooseTuringMachine();
    TuringMachine& turing = form.Bench().Turing();
    CountingProgram(turing);
    Of(form.Tape()->Grid(MachineKind::Turing));
    RunController& run = form.Bench().RunControl();
    form.Bars().Menu().speedInstantAction->trigger();
    form.Bars().Menu().runAction->trigger();
    const int before = run.Position(turing).steps;
    Log().clear();
    run.TuringRunTick();
    QVERIFY(run.Position(turing).steps - before > 10);
    const int tape = Count(QAccessible::Selection, QAccessible::ListItem) +
                     Count(QAccessible::NameChanged, QAccessible::ListItem);
    QVERIFY2(tape <= 1, qPrintable(QString::number(tape)));
    QVERIFY(Count(QAccessible::NameChanged, QAccessible::StaticText) <=
            Workbench::StatusPanelCount);
    run.Break();
}

void TestAccessibility::errorDialogIsAnAlert() {
    MainWindow form;
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    Program(form.Bench().Post().table, {"3:11"});  // row 11 does not exist
    RunController& run = form.Bench().RunControl();
    form.Bars().Menu().runAction->trigger();
    run.PostRunTick();  // announces row 1
    QString role;
    QString description;
    int alerts = 0;
    WhenModal(
        [&](QWidget* modal) {
            QAccessibleInterface* dialog = Of(modal);
            role = dialog->role() == QAccessible::AlertMessage ? "alert" : "other";
            description = dialog->text(QAccessible::Description);
            alerts = Count(QAccessible::Alert, QAccessible::AlertMessage);
        },
        Press(Qt::Key_Escape));
    run.PostRunTick();  // the error
    QCOMPARE(role, QStringLiteral("alert"));
    QCOMPARE(alerts, 1);
    QCOMPARE(description, QStringLiteral("Команды с таким номером не существует!"));
}

void TestAccessibility::tabWalksTheRegions() {
    MainWindow form;
    form.show();
    QApplication::setActiveWindow(&form);
    QVERIFY(QTest::qWaitForWindowActive(&form));
    const QList<QWidget*> postWay = {form.Statement(MachineKind::Post),
                                     form.Tape()->Grid(MachineKind::Post), form.Tape()->GoToBox(),
                                     form.PostTable()};
    form.Statement(MachineKind::Post)->setFocus(Qt::OtherFocusReason);
    for (int i = 1; i < postWay.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), postWay[i]);
    }
    for (int i = postWay.size() - 2; i >= 0; --i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
        QCOMPARE(QApplication::focusWidget(), postWay[i]);
    }

    form.ChooseTuringMachine();
    form.Bars().Menu().viewDiagramAction->setChecked(true);
    const QList<QWidget*> turingWay = {form.Statement(MachineKind::Turing),
                                       form.Tape()->Grid(MachineKind::Turing),
                                       form.Tape()->GoToBox(),
                                       form.Alphabet()->Editor(),
                                       form.TuringPanel()->Table(),
                                       form.TuringPanel()->Comments(),
                                       form.Diagram()->Canvas()};
    form.Statement(MachineKind::Turing)->setFocus(Qt::OtherFocusReason);
    for (int i = 1; i < turingWay.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), turingWay[i]);
    }
}

// Alt alone puts the keyboard on the menu bar, and a menu's letter with Alt
// opens it, whatever region has the focus (the tape takes keys of its own).
void TestAccessibility::menusOpenFromTheKeyboard() {
    MainWindow form;
    form.show();
    QApplication::setActiveWindow(&form);
    QVERIFY(QTest::qWaitForWindowActive(&form));
    form.Tape()->Grid(MachineKind::Post)->setFocus(Qt::TabFocusReason);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Alt);
    QVERIFY(form.menuBar()->activeAction());
    QCOMPARE(form.menuBar()->activeAction()->menu(), form.Bars().Menu().fileMenu);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    QTest::sendKeyEvent(QTest::Click, QApplication::focusWidget(), Qt::Key(0x421),
                        QStringLiteral("с"), Qt::AltModifier);
    QCOMPARE(QApplication::activePopupWidget(), form.Bars().Menu().speedMenu);
    form.Bars().Menu().speedMenu->close();
}

void TestAccessibility::diagramNodesByKeyboard_data() {
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("to");
    // Nodes 0 (0,0), 1 (100,0), 2 (0,100), 3 (100,120): y grows downwards.
    QTest::newRow("right") << 0 << int(Qt::Key_Right) << 1;
    QTest::newRow("down") << 0 << int(Qt::Key_Down) << 2;
    QTest::newRow("nothing left") << 0 << int(Qt::Key_Left) << 0;
    QTest::newRow("straight beats diagonal") << 2 << int(Qt::Key_Up) << 0;
    QTest::newRow("none chosen") << -1 << int(Qt::Key_Right) << 0;
}

void TestAccessibility::diagramNodesByKeyboard() {
    QFETCH(int, from);
    QFETCH(int, key);
    QFETCH(int, to);
    DiagramLayout::Geometry geometry;
    for (const QPointF& centre :
         {QPointF(0, 0), QPointF(100, 0), QPointF(0, 100), QPointF(100, 120)}) {
        DiagramLayout::NodeBox box;
        box.centre = centre;
        box.size = QSizeF(20, 20);
        geometry.nodes.push_back(box);
    }
    const int dx = key == Qt::Key_Right ? 1 : key == Qt::Key_Left ? -1 : 0;
    const int dy = key == Qt::Key_Down ? 1 : key == Qt::Key_Up ? -1 : 0;
    QCOMPARE(DiagramCanvas::NodeToward(geometry, from, dx, dy), to);
}

void TestAccessibility::diagramEnterActsAsAClick() {
    DiagramCanvas canvas;
    ProgramDiagram diagram;
    DiagramLayout::Geometry geometry;
    for (int i = 0; i < 2; ++i) {
        diagram.nodes.push_back(DiagramNode());
        DiagramLayout::NodeBox box;
        box.centre = QPointF(40 + 100 * i, 40);
        box.size = QSizeF(30, 20);
        geometry.nodes.push_back(box);
    }
    geometry.bounds = QRectF(0, 0, 200, 80);
    canvas.SetPicture(diagram, geometry);
    QCOMPARE(canvas.focusPolicy(), Qt::StrongFocus);
    QSignalSpy clicked(&canvas, &DiagramCanvas::NodeClicked);
    QTest::keyClick(&canvas, Qt::Key_Right);
    QTest::keyClick(&canvas, Qt::Key_Right);
    QCOMPARE(canvas.SelectedNode(), 1);
    QTest::keyClick(&canvas, Qt::Key_Return);
    QCOMPARE(clicked.size(), 1);
    QCOMPARE(clicked[0][0].toInt(), 1);
}

QTEST_MAIN(TestAccessibility)
#include "test_accessibility.moc"
