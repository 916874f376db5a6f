// The menus as written for the user: every item's caption, shortcut, hint
// and state at start, the order of items and separators in each menu, the
// pop-up items and the commands they run, the radio groups, and the keys.

#include <QActionGroup>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>

#include "ModalAnswer.h"
#include "ShellFixture.h"
#include "core/run/RunController.h"
#include "window/dialogs/AboutDialog.h"
#include "window/dialogs/HelpWindow.h"
#include "window/dialogs/MessageDialog.h"
#include "window/tape/TapeGridWidget.h"
#include "window/tape/TapePanel.h"
#include "window/turing/TuringAlphabetPanel.h"
#include "window/turing/TuringTablePanel.h"
#include "window/turing/TuringTableView.h"

namespace {

// The names in a menu, "-" for an unnamed separator.
QStringList Names(QMenu* menu) {
    QStringList names;
    for (QAction* a : menu->actions()) {
        names << (a->isSeparator() && a->objectName().isEmpty() ? QStringLiteral("-")
                                                                : a->objectName());
    }
    return names;
}

}  // namespace

class TestMainMenu : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void menusInOrder_data();
    void menusInOrder();
    void itemsAsWritten_data();
    void itemsAsWritten();
    void popupItemsRunTheirCommands_data();
    void popupItemsRunTheirCommands();
    void radioGroups();
    void keysTakePrecedenceInEditors();
    void ctrlASelectsInEditorsAndChangesTheSymbolElsewhere_data();
    void ctrlASelectsInEditorsAndChangesTheSymbolElsewhere();
    void helpItems();
};

void TestMainMenu::menusInOrder_data() {
    QTest::addColumn<QString>("menu");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("hint");
    QTest::addColumn<QStringList>("items");

    QTest::newRow("file") << "mmFile"
                          << "&Файл"
                          << "Операции с файлами"
                          << QStringList{"mmFileNew",
                                         "mmFileOpen",
                                         "mmFileSave",
                                         "mmFileSaveAs",
                                         "mmFileExamples",
                                         "mmFileExportDiagram",
                                         "mmFileExportHistory",
                                         "mmFileExportPdf",
                                         "mmFilePreview",
                                         "mmFilePrint",
                                         "-",
                                         "mmFileExit"};
    QTest::newRow("edit") << "mmEdit"
                          << "&Правка"
                          << "Отмена и повтор изменений" << QStringList{"mmEditUndo", "mmEditRedo"};
    QTest::newRow("interpreter") << "mmInter"
                                 << "&Интерпретатор"
                                 << "Выбрать интерпретатор"
                                 << QStringList{"mmInterPst", "mmInterTur"};
    QTest::newRow("view") << "mmView"
                          << "&Вид"
                          << "Настройки интерфейса программы"
                          << QStringList{
                                 "mmViewToolBar", "mmViewUslovie",  "mmViewAlf", "mmViewSost",
                                 "mmViewDiagram", "mmViewHistory",  "-",         "mmViewZoomIn",
                                 "mmViewZoomOut", "mmViewZoomReset"};
    QTest::newRow("commands") << "mmComm"
                              << "&Команды"
                              << ""
                              << QStringList{"mmCommLeft",
                                             "mmCommRight",
                                             "mmCommMark",
                                             "mmCommSimvol",
                                             "mmCommChange",
                                             "-",
                                             "mmCommClear",
                                             "-",
                                             "mmCommDelRow",
                                             "mmCommInsRow",
                                             "mmCommPlusRow",
                                             "mmCommDelCol",
                                             "mmCommInsCol",
                                             "mmCommPlusCol",
                                             "-",
                                             "mmCommMemLenta",
                                             "mmCommPastLenta"};
    QTest::newRow("clear") << "mmCommClear"
                           << "Очистить"
                           << ""
                           << QStringList{"mmCommClearUsl",
                                          "mmCommClearLenta",
                                          "-",
                                          "mmCommClearTable",
                                          "mmCommClearRow",
                                          "mmCommClearCol",
                                          "mmCommClearTur",
                                          "mmCommClearAlf",
                                          "mmCommClearComm",
                                          "-",
                                          "mmCommClearAll"};
    QTest::newRow("run") << "mmRun"
                         << "&Пуск"
                         << ""
                         << QStringList{"mmRunRun",
                                        "mmRunPause",
                                        "mmRunToCursor",
                                        "-",
                                        "mmRunStep",
                                        "mmRunStepBack",
                                        "mmRunBreak",
                                        "-",
                                        "mmRunBreakpoint",
                                        "mmRunClearBreakpoints",
                                        "-",
                                        "mmRunCheck"};
    QTest::newRow("speed") << "mmSpeed"
                           << "&Скорость"
                           << "Изменить скорость выполнения алгоритма"
                           << QStringList{"mmSpeed6", "mmSpeed5", "mmSpeed4",
                                          "mmSpeed3", "mmSpeed2", "mmSpeed1"};
    QTest::newRow("help") << "mmHelp"
                          << "&Помощь"
                          << "Помощь по программе" << QStringList{"mmHelpCont", "-", "mmHelpAbout"};
    QTest::newRow("table pop-up") << "pmSgMain"
                                  << ""
                                  << ""
                                  << QStringList{"mmCommDelRow",
                                                 "mmCommInsRow",
                                                 "mmCommPlusRow",
                                                 "mmCommDelCol",
                                                 "mmCommInsCol",
                                                 "mmCommPlusCol",
                                                 "-",
                                                 "mmRunBreakpoint",
                                                 "-",
                                                 "pmClearTable",
                                                 "pmClearRow",
                                                 "pmClearCol"};
    QTest::newRow("statement pop-up") << "pmUslovie"
                                      << ""
                                      << "" << QStringList{"pmUslovieClear", "pmUslovieHide"};
    QTest::newRow("tape pop-up") << "pmLenta"
                                 << ""
                                 << "" << QStringList{"mmCommMark",     "mmCommSimvol",
                                                      "pmLentaChange",  "-",
                                                      "pmLentaClear",   "-",
                                                      "mmCommMemLenta", "mmCommPastLenta"};
    QTest::newRow("comments pop-up") << "pmCommTur"
                                     << ""
                                     << "" << QStringList{"pmCommTurClear"};
    QTest::newRow("alphabet pop-up") << "pmAlf"
                                     << ""
                                     << "" << QStringList{"pmAlfClear", "pmAlfHide"};
    QTest::newRow("alphabet frame pop-up") << "pmLbStatus"
                                           << ""
                                           << "" << QStringList{"pmLbStatusHide"};
    QTest::newRow("status bar pop-up") << "pmSost"
                                       << ""
                                       << "" << QStringList{"pmSostHide"};
    QTest::newRow("toolbar pop-up") << "pmToolBar"
                                    << ""
                                    << "" << QStringList{"pmToolBarHide"};
}

void TestMainMenu::menusInOrder() {
    QFETCH(QString, menu);
    QFETCH(QString, caption);
    QFETCH(QString, hint);
    QFETCH(QStringList, items);
    auto form = ShownForm();
    QMenu* m = form->Bars().Menu().Menu(menu);
    QVERIFY(m);
    QCOMPARE(m->objectName(), menu);
    if (!caption.isEmpty()) {
        QCOMPARE(m->title(), caption);
    }
    QCOMPARE(m->menuAction()->statusTip(), hint);
    QCOMPARE(Names(m), items);

    // The main menus stand in the menu bar in this order.
    QStringList bar;
    for (QAction* a : form->menuBar()->actions()) {
        bar << a->objectName();
    }
    QCOMPARE(bar, (QStringList{"mmFile", "mmEdit", "mmInter", "mmView", "mmComm", "mmRun",
                               "mmSpeed", "mmHelp"}));
}

// The items as written are listed in menu_items.txt, read line by line.
void TestMainMenu::itemsAsWritten_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("hint");
    QTest::addColumn<bool>("shown");
    QTest::addColumn<bool>("enabled");
    QTest::addColumn<bool>("checked");
    QFile file(QStringLiteral(ZEBRIN_MENU_ITEMS));
    QVERIFY2(file.open(QIODevice::ReadOnly | QIODevice::Text), qPrintable(file.fileName()));
    int rows = 0;
    for (const QString& line : QString::fromUtf8(file.readAll()).split(u'\n')) {
        if (line.isEmpty() || line.startsWith(u'#')) {
            continue;
        }
        const QStringList f = line.split(u'|');
        QVERIFY2(f.size() == 5 && f[4].size() == 3, qPrintable(line));
        QTest::newRow(qPrintable(f[0])) << f[0] << f[1] << f[2] << f[3] << (f[4][0] == u'+')
                                        << (f[4][1] == u'+') << (f[4][2] == u'+');
        ++rows;
    }
    QVERIFY(rows > 0);
}

void TestMainMenu::itemsAsWritten() {
    QFETCH(QString, name);
    QFETCH(QString, caption);
    QFETCH(QString, keys);
    QFETCH(QString, hint);
    QFETCH(bool, shown);
    QFETCH(bool, enabled);
    QFETCH(bool, checked);
    auto form = ShownForm();
    QAction* action = Item(*form, name);
    QVERIFY(action);
    QCOMPARE(action->objectName(), name);
    QCOMPARE(action->text(), caption);
    QCOMPARE(action->shortcut(), QKeySequence(keys));
    QCOMPARE(action->statusTip(), hint);
    QCOMPARE(action->isVisible(), shown);
    // A hidden action reports itself disabled; its own state shows once it
    // is shown.
    action->setVisible(true);
    QCOMPARE(action->isEnabled(), enabled);
    QCOMPARE(action->isChecked(), checked);
    QCOMPARE(action->isSeparator(), caption.isEmpty());
}

void TestMainMenu::popupItemsRunTheirCommands_data() {
    QTest::addColumn<QString>("item");
    QTest::addColumn<QString>("runs");
    QTest::addColumn<int>("times");
    const char* pairs[][2] = {
        {"pmDelRow", "mmCommDelRow"},         {"pmInsRow", "mmCommInsRow"},
        {"pmPlusRow", "mmCommPlusRow"},       {"pmDelCol", "mmCommDelCol"},
        {"pmInsCol", "mmCommInsCol"},         {"pmPlusCol", "mmCommPlusCol"},
        {"pmClearTable", "mmCommClearTable"}, {"pmClearRow", "mmCommClearRow"},
        {"pmClearCol", "mmCommClearCol"},     {"pmUslovieClear", "mmCommClearUsl"},
        {"pmUslovieHide", "mmViewUslovie"},   {"pmLentaMark", "mmCommMark"},
        {"pmLentaSimvol", "mmCommSimvol"},    {"pmLentaClear", "mmCommClearLenta"},
        {"pmLentaMem", "mmCommMemLenta"},     {"pmCommTurClear", "mmCommClearComm"},
        {"pmAlfClear", "mmCommClearAll"},     {"pmAlfHide", "mmViewAlf"},
        {"pmSostHide", "mmViewSost"},         {"pmToolBarHide", "mmViewToolBar"},
    };
    for (const auto& pair : pairs) {
        QTest::newRow(pair[0]) << pair[0] << pair[1] << 1;
    }
    // Its list opens below the tape, so the menu's item (which opens it
    // under the toolbar) does not run as well.
    QTest::newRow("pmLentaChange") << "pmLentaChange"
                                   << "mmCommChange" << 0;
}

void TestMainMenu::popupItemsRunTheirCommands() {
    QFETCH(QString, item);
    QFETCH(QString, runs);
    QFETCH(int, times);
    auto form = ShownForm();
    auto spy = Isolated(Item(*form, runs));
    // The other machine's items are shown for the trial.
    Item(*form, item)->setVisible(true);
    Item(*form, item)->setEnabled(true);
    Item(*form, item)->trigger();
    QCOMPARE(spy->count(), times);
}

void TestMainMenu::radioGroups() {
    auto form = ShownForm();
    MainMenu& menu = form->Bars().Menu();
    QVERIFY(menu.interpreterGroup->isExclusive());
    menu.turingMachineAction->trigger();
    QVERIFY(menu.turingMachineAction->isChecked());
    QVERIFY(!menu.postMachineAction->isChecked());

    QVERIFY(menu.speedGroup->isExclusive());
    QCOMPARE(menu.speedGroup->checkedAction(), menu.speedMediumAction);
    const QList<QAction*> speeds = {menu.speedVerySlowAction, menu.speedSlowAction,
                                    menu.speedMediumAction,   menu.speedFastAction,
                                    menu.speedVeryFastAction, menu.speedInstantAction};
    for (int level = 1; level <= 6; ++level) {
        QAction* item = speeds[level - 1];
        QCOMPARE(item->data().toInt(), level);
        item->trigger();
        QCOMPARE(menu.speedGroup->checkedAction(), item);
    }
}

void TestMainMenu::keysTakePrecedenceInEditors() {
    auto form = ShownForm();
    MainMenu& menu = form->Bars().Menu();
    auto* editor = new QLineEdit(QStringLiteral("abc"), form->StatementPanel());
    editor->show();
    editor->raise();
    editor->setFocus();
    QTRY_VERIFY(editor->hasFocus());
    // F2 and F3 reach the file items from the editor.
    auto save = Isolated(menu.saveAction);
    auto open = Isolated(menu.openAction);
    QTest::keyClick(editor, Qt::Key_F2);
    QTest::keyClick(editor, Qt::Key_F3);
    QCOMPARE(save->count(), 1);
    QCOMPARE(open->count(), 1);
}

void TestMainMenu::ctrlASelectsInEditorsAndChangesTheSymbolElsewhere_data() {
    QTest::addColumn<QString>("focus");
    QTest::addColumn<bool>("turing");
    QTest::addColumn<bool>("commandsMenu");
    QTest::addColumn<int>("changes");  // change-symbol commands run
    QTest::newRow("statement") << "statement" << true << true << 0;
    QTest::newRow("comments") << "comments" << true << true << 0;
    QTest::newRow("alphabet editor") << "alphabet" << true << true << 0;
    QTest::newRow("go-to box") << "box" << true << true << 0;
    QTest::newRow("table cell editor") << "cell" << true << true << 0;
    QTest::newRow("turing tape") << "tape" << true << true << 1;
    QTest::newRow("turing table") << "table" << true << true << 1;
    QTest::newRow("post tape: the item is hidden") << "tape" << false << true << 0;
    QTest::newRow("commands off, as while a program runs") << "tape" << true << false << 0;
}

void TestMainMenu::ctrlASelectsInEditorsAndChangesTheSymbolElsewhere() {
    QFETCH(QString, focus);
    QFETCH(bool, turing);
    QFETCH(bool, commandsMenu);
    auto form = ShownForm();
    if (turing) {
        form->ChooseTuringMachine();
    }
    form->Bench().Turing().table.SetCell(1, 1, QStringLiteral("0R1"));
    auto change = Isolated(form->Bars().Menu().changeSymbolAction);
    TuringTableView* table = form->TuringPanel()->Table();
    const QHash<QString, QWidget*> widgets{
        {QStringLiteral("statement"), form->Statement(form->Bench().Kind())},
        {QStringLiteral("comments"), form->TuringPanel()->Comments()},
        {QStringLiteral("alphabet"), form->Alphabet()->Editor()},
        {QStringLiteral("box"), form->Tape()->GoToBox()},
        {QStringLiteral("tape"), form->Tape()->CurrentGrid()},
        {QStringLiteral("table"), table}};
    QWidget* target = widgets.value(focus);
    if (focus == u"cell") {
        table->setFocus();
        table->EditCurrentCell();
        target = table->Editor();
    }
    if (auto* memo = qobject_cast<QPlainTextEdit*>(target)) {
        memo->setPlainText(QStringLiteral("abc"));
        memo->moveCursor(QTextCursor::End);
    }
    auto* line = qobject_cast<QLineEdit*>(target);
    if (line) {
        if (line->text().isEmpty()) {
            line->setText(QStringLiteral("01"));
        }
        line->deselect();
    }
    if (!commandsMenu) {
        ControlStates states = form->Bench().RunControl().Controls();
        states.menuCommands = false;
        states.writeSymbol = states.changeSymbol = false;
        form->Bench().RunControl().SetControls(states);
    }
    target->setFocus();
    QTRY_VERIFY(target->hasFocus());

    QTest::keyClick(target, Qt::Key_A, Qt::ControlModifier);
    QTEST(int(change->count()), "changes");
    if (line) {
        QCOMPARE(line->selectedText(), line->text());
    } else if (auto* memo = qobject_cast<QPlainTextEdit*>(target)) {
        QCOMPARE(memo->textCursor().selectedText(), memo->toPlainText());
    }
}

void TestMainMenu::helpItems() {
    auto form = ShownForm();
    auto* editor = new QLineEdit(form.get());
    form->setCentralWidget(editor);
    editor->setFocus();
    QTest::keyClick(editor, Qt::Key_F1);
    QTRY_VERIFY(form->Help()->isVisible());
    QCOMPARE(form->Help()->CurrentTopic(), HelpWindow::ContentsTopic);
    form->Help()->hide();

    bool aboutShown = false;
    WhenModal([&](QWidget* modal) { aboutShown = modal == form->AboutBox(); },
              Press(Qt::Key_Return), form->Messages());
    form->Bars().Menu().aboutAction->trigger();
    QVERIFY(aboutShown);
}

QTEST_MAIN(TestMainMenu)
#include "test_main_menu.moc"
