#include "window/main/MainMenu.h"

#include <QAction>
#include <QActionGroup>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <vector>

#include "core/run/RunController.h"
#include "core/text/Language.h"

namespace {

// A Shared row puts a main-menu item into a pop-up menu as it is: one
// action, one enabled state, one command.
enum class Kind : quint8 { Menu, SubMenu, EndMenu, Popup, Item, Shared, Separator };

enum Flag : int {
    None = 0,
    Hidden = 1,
    Disabled = 2,
    Checkable = 4,
    Checked = 8,
    InterpreterGroup = 16,
    SpeedGroup = 32,
};

using MenuMember = QMenu* MainMenu::*;
using ActionMember = QAction* MainMenu::*;

struct Row {
    Kind kind;
    const char* name;
    MenuMember menu;
    ActionMember action;
    const char* caption;
    const char* shortcut;
    const char* hint;
    int flags;
    ActionMember runs;  // pop-up items: the main-menu item they stand for
    int data;
};

constexpr Row MenuRow(Kind kind, MenuMember m, const char* name, const char* caption,
                      const char* hint) {
    return {kind, name, m, nullptr, caption, "", hint, None, nullptr, 0};
}
constexpr Row Top(MenuMember m, const char* name, const char* caption, const char* hint = "") {
    return MenuRow(Kind::Menu, m, name, caption, hint);
}
constexpr Row Sub(MenuMember m, const char* name, const char* caption) {
    return MenuRow(Kind::SubMenu, m, name, caption, "");
}
constexpr Row Pop(MenuMember m, const char* name) {
    return MenuRow(Kind::Popup, m, name, "", "");
}
constexpr Row End() {
    return {Kind::EndMenu, "", nullptr, nullptr, "", "", "", None, nullptr, 0};
}
constexpr Row Sep(ActionMember a = nullptr, const char* name = "", int flags = None) {
    return {Kind::Separator, name, nullptr, a, "", "", "", flags, nullptr, 0};
}
constexpr Row Item(ActionMember a, const char* name, const char* caption, const char* shortcut,
                   const char* hint, int flags = None, int data = 0) {
    return {Kind::Item, name, nullptr, a, caption, shortcut, hint, flags, nullptr, data};
}
constexpr Row Shared(ActionMember a, const char* name) {
    return {Kind::Shared, name, nullptr, a, "", "", "", None, nullptr, 0};
}
constexpr Row PopItem(ActionMember a, const char* name, const char* caption, ActionMember runs,
                      int flags = None) {
    return {Kind::Item, name, nullptr, a, caption, "", "", flags, runs, 0};
}

using M = MainMenu;
constexpr const char* kSpeedHint =
    QT_TRANSLATE_NOOP("MainMenu", "Изменить скорость выполнения алгоритма");
constexpr const char* kStepBackHint = QT_TRANSLATE_NOOP("MainMenu", "Вернуть машину на шаг назад");
constexpr const char* kUndoHint = QT_TRANSLATE_NOOP("MainMenu", "Отменить последнее изменение");
constexpr const char* kRedoHint = QT_TRANSLATE_NOOP("MainMenu", "Повторить отмененное изменение");

// The whole menu system, in order. Hints are the status-line texts.
const Row kRows[] = {
    Top(&M::fileMenu, "mmFile", QT_TRANSLATE_NOOP("MainMenu", "&Файл"),
        QT_TRANSLATE_NOOP("MainMenu", "Операции с файлами")),
    Item(&M::newAction, "mmFileNew", QT_TRANSLATE_NOOP("MainMenu", "Новый"), "",
         QT_TRANSLATE_NOOP("MainMenu", "Создает машину Поста")),
    Item(&M::openAction, "mmFileOpen", QT_TRANSLATE_NOOP("MainMenu", "Открыть"), "F3",
         QT_TRANSLATE_NOOP("MainMenu", "Загрузить файл машины Поста с диска")),
    Item(&M::saveAction, "mmFileSave", QT_TRANSLATE_NOOP("MainMenu", "Сохранить"), "F2",
         QT_TRANSLATE_NOOP("MainMenu", "Записать файл машины Поста на диск")),
    Item(&M::saveAsAction, "mmFileSaveAs", QT_TRANSLATE_NOOP("MainMenu", "Сохранить как..."), "",
         QT_TRANSLATE_NOOP("MainMenu", "Записать файл машины Поста на диск с новым именем")),
    // Beyond the original menu: the installed examples, by their titles.
    Sub(&M::examplesMenu, "mmFileExamples", QT_TRANSLATE_NOOP("MainMenu", "Примеры")),
    End(),
    Item(&M::exportDiagramAction, "mmFileExportDiagram",
         QT_TRANSLATE_NOOP("MainMenu", "Экспорт диаграммы..."), "",
         QT_TRANSLATE_NOOP("MainMenu", "Записать диаграмму программы в файл SVG или PNG")),
    Item(&M::exportHistoryAction, "mmFileExportHistory",
         QT_TRANSLATE_NOOP("MainMenu", "Экспорт истории..."), "",
         QT_TRANSLATE_NOOP("MainMenu", "Записать историю ленты в файл PNG")),
    // Beyond the original menu: the document on paper.
    Item(&M::exportPdfAction, "mmFileExportPdf", QT_TRANSLATE_NOOP("MainMenu", "Экспорт в PDF..."),
         "", QT_TRANSLATE_NOOP("MainMenu", "Записать документ машины в файл PDF")),
    Item(&M::printPreviewAction, "mmFilePreview",
         QT_TRANSLATE_NOOP("MainMenu", "Предварительный просмотр"), "",
         QT_TRANSLATE_NOOP("MainMenu", "Показать, как документ машины будет напечатан")),
    Item(&M::printAction, "mmFilePrint", QT_TRANSLATE_NOOP("MainMenu", "Печать..."), "Ctrl+P",
         QT_TRANSLATE_NOOP("MainMenu", "Напечатать документ машины")),
    Sep(),
    Item(&M::exitAction, "mmFileExit", QT_TRANSLATE_NOOP("MainMenu", "Выход"), "",
         QT_TRANSLATE_NOOP("MainMenu", "Выйти из программы Zebrin42")),
    End(),

    // Beyond the original menu: undo and redo of the current machine's
    // edits. Their captions and hints name the change (EditHistory).
    Top(&M::editMenu, "mmEdit", QT_TRANSLATE_NOOP("MainMenu", "&Правка"),
        QT_TRANSLATE_NOOP("MainMenu", "Отмена и повтор изменений")),
    Item(&M::undoAction, "mmEditUndo", QT_TRANSLATE_NOOP("MainMenu", "Отменить"), "Ctrl+Z",
         kUndoHint, Disabled),
    Item(&M::redoAction, "mmEditRedo", QT_TRANSLATE_NOOP("MainMenu", "Повторить"), "Ctrl+Y",
         kRedoHint, Disabled),
    End(),

    Top(&M::interpreterMenu, "mmInter", QT_TRANSLATE_NOOP("MainMenu", "&Интерпретатор"),
        QT_TRANSLATE_NOOP("MainMenu", "Выбрать интерпретатор")),
    Item(&M::postMachineAction, "mmInterPst", QT_TRANSLATE_NOOP("MainMenu", "Машина Поста"), "",
         QT_TRANSLATE_NOOP("MainMenu", "Перейти к машине Поста"), InterpreterGroup | Checked),
    Item(&M::turingMachineAction, "mmInterTur", QT_TRANSLATE_NOOP("MainMenu", "Машина Тьюринга"),
         "", QT_TRANSLATE_NOOP("MainMenu", "Перейти к машине Тьюринга"), InterpreterGroup),
    End(),

    Top(&M::viewMenu, "mmView", QT_TRANSLATE_NOOP("MainMenu", "&Вид"),
        QT_TRANSLATE_NOOP("MainMenu", "Настройки интерфейса программы")),
    Item(&M::viewToolBarAction, "mmViewToolBar",
         QT_TRANSLATE_NOOP("MainMenu", "Панель инструментов"), "",
         QT_TRANSLATE_NOOP("MainMenu", "Скрыть/ показать панель инструментов"),
         Checkable | Checked),
    Item(&M::viewStatementAction, "mmViewUslovie", QT_TRANSLATE_NOOP("MainMenu", "Условие задачи"),
         "", QT_TRANSLATE_NOOP("MainMenu", "Скрыть/ показать редактор \"Условие задачи\""),
         Checkable),
    Item(&M::viewAlphabetAction, "mmViewAlf", QT_TRANSLATE_NOOP("MainMenu", "Внешний алфавит"), "",
         QT_TRANSLATE_NOOP("MainMenu", "Скрыть/ показать редактор \"Внешний алфавит\""),
         Checkable | Hidden),
    Item(&M::viewStatusBarAction, "mmViewSost", QT_TRANSLATE_NOOP("MainMenu", "Строка состояния"),
         "", QT_TRANSLATE_NOOP("MainMenu", "Скрыть/ показать строку состояния"),
         Checkable | Checked),
    // Beyond the original menu: the program drawn as a graph, beside the table.
    Item(&M::viewDiagramAction, "mmViewDiagram", QT_TRANSLATE_NOOP("MainMenu", "Диаграмма"), "F6",
         QT_TRANSLATE_NOOP("MainMenu", "Показать диаграмму программы"), Checkable),
    // Beyond the original menu: the tape at every tick, below the tape.
    Item(&M::viewHistoryAction, "mmViewHistory", QT_TRANSLATE_NOOP("MainMenu", "История ленты"),
         "F7", QT_TRANSLATE_NOOP("MainMenu", "Показать историю ленты"), Checkable),
    // The size of the tape, the tables and the diagram together.
    Sep(),
    Item(&M::zoomInAction, "mmViewZoomIn", QT_TRANSLATE_NOOP("MainMenu", "Крупнее"), "Ctrl++",
         QT_TRANSLATE_NOOP("MainMenu", "Увеличить ленту и таблицы")),
    Item(&M::zoomOutAction, "mmViewZoomOut", QT_TRANSLATE_NOOP("MainMenu", "Мельче"), "Ctrl+-",
         QT_TRANSLATE_NOOP("MainMenu", "Уменьшить ленту и таблицы")),
    Item(&M::zoomResetAction, "mmViewZoomReset", QT_TRANSLATE_NOOP("MainMenu", "Обычный размер"),
         "Ctrl+0", QT_TRANSLATE_NOOP("MainMenu", "Вернуть ленте и таблицам обычный размер")),
    End(),

    Top(&M::commandsMenu, "mmComm", QT_TRANSLATE_NOOP("MainMenu", "&Команды")),
    Item(&M::carriageLeftAction, "mmCommLeft", QT_TRANSLATE_NOOP("MainMenu", "Каретка влево"), "",
         QT_TRANSLATE_NOOP("MainMenu", "Сдвинуть каретку влево на одну ячейку")),
    Item(&M::carriageRightAction, "mmCommRight", QT_TRANSLATE_NOOP("MainMenu", "Каретка вправо"),
         "", QT_TRANSLATE_NOOP("MainMenu", "Сдвинуть каретку вправо на одну ячейку")),
    Item(&M::markAction, "mmCommMark", QT_TRANSLATE_NOOP("MainMenu", "Поставить / удалить метки"),
         "", QT_TRANSLATE_NOOP("MainMenu", "Поставить/ удалить метки в выделенных ячейках ленты")),
    Item(&M::writeSymbolAction, "mmCommSimvol",
         QT_TRANSLATE_NOOP("MainMenu", "Отметить символ на ленте"), "",
         QT_TRANSLATE_NOOP("MainMenu",
                           "Записывает текущий символ внешнего алфавита в выделенные ячейки ленты"),
         Hidden),
    Item(&M::changeSymbolAction, "mmCommChange", QT_TRANSLATE_NOOP("MainMenu", "Изменить символ"),
         "Ctrl+A", QT_TRANSLATE_NOOP("MainMenu", "Изменить текущий символ внешнего алфавита"),
         Hidden),
    Sep(),
    Sub(&M::clearMenu, "mmCommClear", QT_TRANSLATE_NOOP("MainMenu", "Очистить")),
    Item(&M::clearStatementAction, "mmCommClearUsl",
         QT_TRANSLATE_NOOP("MainMenu", "Условие задачи"), "",
         QT_TRANSLATE_NOOP("MainMenu", "Очищает содержимое редактора \"Условие задачи\"")),
    Item(&M::clearTapeAction, "mmCommClearLenta",
         QT_TRANSLATE_NOOP("MainMenu", "Информационную ленту"), "",
         QT_TRANSLATE_NOOP("MainMenu", "Очищает содержимое ленты")),
    Sep(),
    Item(&M::clearTableAction, "mmCommClearTable", QT_TRANSLATE_NOOP("MainMenu", "Таблицу"), "",
         QT_TRANSLATE_NOOP("MainMenu", "Очищает содержимое таблицы")),
    Item(&M::clearRowAction, "mmCommClearRow", QT_TRANSLATE_NOOP("MainMenu", "Строку"), "",
         QT_TRANSLATE_NOOP("MainMenu", "Очищает содержимое строки таблицы")),
    Item(&M::clearColumnAction, "mmCommClearCol", QT_TRANSLATE_NOOP("MainMenu", "Столбец"), "",
         QT_TRANSLATE_NOOP("MainMenu", "Очищает содержимое столбца таблицы")),
    // The three Turing entries are shown until the first interpreter switch.
    Sep(&M::turingClearSeparator, "mmCommClearTur"),
    Item(&M::clearAlphabetAction, "mmCommClearAlf",
         QT_TRANSLATE_NOOP("MainMenu", "Внешний алфавит"), "",
         QT_TRANSLATE_NOOP("MainMenu", "Очищает содержимое редактора  \"Внешний алфавит\"")),
    Item(&M::clearCommentsAction, "mmCommClearComm", QT_TRANSLATE_NOOP("MainMenu", "Комментарии"),
         "", QT_TRANSLATE_NOOP("MainMenu", "Очищает содержимое редактора \"Комментарии\"")),
    Sep(),
    Item(&M::clearAllAction, "mmCommClearAll", QT_TRANSLATE_NOOP("MainMenu", "Всё"), "",
         QT_TRANSLATE_NOOP("MainMenu", "Очищает все")),
    End(),
    Sep(),
    Item(&M::deleteRowAction, "mmCommDelRow", QT_TRANSLATE_NOOP("MainMenu", "Удалить строку"), "",
         QT_TRANSLATE_NOOP("MainMenu", "Удалить строку из таблицы")),
    Item(&M::insertRowAction, "mmCommInsRow", QT_TRANSLATE_NOOP("MainMenu", "Вставить строку"), "",
         QT_TRANSLATE_NOOP("MainMenu", "Вставить строку в таблицу")),
    Item(&M::appendRowAction, "mmCommPlusRow", QT_TRANSLATE_NOOP("MainMenu", "Добавить строку"), "",
         QT_TRANSLATE_NOOP("MainMenu", "Добавить строку в таблицу")),
    Item(&M::deleteColumnAction, "mmCommDelCol", QT_TRANSLATE_NOOP("MainMenu", "Удалить столбец"),
         "", QT_TRANSLATE_NOOP("MainMenu", "Удалить столбец из таблицы"), Hidden),
    Item(&M::insertColumnAction, "mmCommInsCol", QT_TRANSLATE_NOOP("MainMenu", "Вставить столбец"),
         "", QT_TRANSLATE_NOOP("MainMenu", "Вставить столбец в таблицы"), Hidden),
    Item(&M::appendColumnAction, "mmCommPlusCol", QT_TRANSLATE_NOOP("MainMenu", "Добавить столбец"),
         "", QT_TRANSLATE_NOOP("MainMenu", "Добавить столбец в таблицы"), Hidden),
    Sep(),
    Item(&M::memoriseTapeAction, "mmCommMemLenta", QT_TRANSLATE_NOOP("MainMenu", "Запомнить ленту"),
         "", QT_TRANSLATE_NOOP("MainMenu", "Запомнить текущее состояние ленты")),
    Item(&M::restoreTapeAction, "mmCommPastLenta",
         QT_TRANSLATE_NOOP("MainMenu", "Восстановить ленту"), "",
         QT_TRANSLATE_NOOP("MainMenu", "Восстановить запомненную ленту"), Disabled),
    End(),

    Top(&M::runMenu, "mmRun", QT_TRANSLATE_NOOP("MainMenu", "&Пуск")),
    Item(&M::runAction, "mmRunRun", QT_TRANSLATE_NOOP("MainMenu", "Запустить"), "F9",
         QT_TRANSLATE_NOOP("MainMenu", "Запустить алгоритм на исполнение")),
    Item(&M::pauseAction, "mmRunPause", QT_TRANSLATE_NOOP("MainMenu", "Пауза"), "",
         QT_TRANSLATE_NOOP("MainMenu", "Приостановить исполнение алгоритма"), Disabled),
    // Beyond the original menu: a run that pauses at the table's cursor.
    Item(&M::runToCursorAction, "mmRunToCursor",
         QT_TRANSLATE_NOOP("MainMenu", "Выполнить до курсора"), "F4",
         QT_TRANSLATE_NOOP("MainMenu", "Исполнять алгоритм до команды под курсором таблицы")),
    Sep(),
    Item(&M::stepAction, "mmRunStep", QT_TRANSLATE_NOOP("MainMenu", "Пошагово"), "F8",
         QT_TRANSLATE_NOOP("MainMenu", "Выполнить очередной шаг алгоритма")),
    // Beyond the original menu: back through the run, one tick at a time.
    Item(&M::stepBackAction, "mmRunStepBack", QT_TRANSLATE_NOOP("MainMenu", "Шаг назад"),
         "Shift+F8", kStepBackHint, Disabled),
    Item(&M::breakAction, "mmRunBreak", QT_TRANSLATE_NOOP("MainMenu", "Прервать"), "Ctrl+F2",
         QT_TRANSLATE_NOOP("MainMenu", "Прервать исполнение алгоритма"), Disabled),
    // Beyond the original menu: the commands a run pauses on.
    Sep(),
    Item(&M::breakpointAction, "mmRunBreakpoint", QT_TRANSLATE_NOOP("MainMenu", "Точка останова"),
         "F5",
         QT_TRANSLATE_NOOP("MainMenu",
                           "Поставить/ убрать точку останова на текущей команде таблицы")),
    Item(&M::clearBreakpointsAction, "mmRunClearBreakpoints",
         QT_TRANSLATE_NOOP("MainMenu", "Убрать все точки останова"), "",
         QT_TRANSLATE_NOOP("MainMenu", "Убрать все точки останова из таблицы")),
    // Beyond the original menu: every case of a cases file, run on a copy.
    Sep(),
    Item(&M::checkCasesAction, "mmRunCheck", QT_TRANSLATE_NOOP("MainMenu", "Проверить по тестам"),
         "Ctrl+F9", QT_TRANSLATE_NOOP("MainMenu", "Проверить программу на тестах из файла")),
    End(),

    Top(&M::speedMenu, "mmSpeed", QT_TRANSLATE_NOOP("MainMenu", "&Скорость"), kSpeedHint),
    // Beyond the original menu: as fast as the machine steps.
    Item(&M::speedInstantAction, "mmSpeed6", QT_TRANSLATE_NOOP("MainMenu", "Мгновенно"), "",
         kSpeedHint, SpeedGroup, 6),
    Item(&M::speedVeryFastAction, "mmSpeed5", QT_TRANSLATE_NOOP("MainMenu", "Очень быстро"), "",
         kSpeedHint, SpeedGroup, 5),
    Item(&M::speedFastAction, "mmSpeed4", QT_TRANSLATE_NOOP("MainMenu", "Быстро"), "", kSpeedHint,
         SpeedGroup, 4),
    Item(&M::speedMediumAction, "mmSpeed3", QT_TRANSLATE_NOOP("MainMenu", "Средне"), "", kSpeedHint,
         SpeedGroup | Checked, 3),
    Item(&M::speedSlowAction, "mmSpeed2", QT_TRANSLATE_NOOP("MainMenu", "Медленно"), "", kSpeedHint,
         SpeedGroup, 2),
    Item(&M::speedVerySlowAction, "mmSpeed1", QT_TRANSLATE_NOOP("MainMenu", "Очень медленно"), "",
         kSpeedHint, SpeedGroup, 1),
    End(),

    Top(&M::helpMenu, "mmHelp", QT_TRANSLATE_NOOP("MainMenu", "&Помощь"),
        QT_TRANSLATE_NOOP("MainMenu", "Помощь по программе")),
    Item(&M::helpContentsAction, "mmHelpCont", QT_TRANSLATE_NOOP("MainMenu", "Справка"), "F1",
         QT_TRANSLATE_NOOP("MainMenu", "Вызвать файл справки по программе")),
    Sep(),
    Item(&M::aboutAction, "mmHelpAbout", QT_TRANSLATE_NOOP("MainMenu", "О программе"), "",
         QT_TRANSLATE_NOOP("MainMenu", "Информация о программе Zebrin42")),
    End(),

    Pop(&M::tableMenu, "pmSgMain"),
    Shared(&M::deleteRowAction, "pmDelRow"),
    Shared(&M::insertRowAction, "pmInsRow"),
    Shared(&M::appendRowAction, "pmPlusRow"),
    Shared(&M::deleteColumnAction, "pmDelCol"),
    Shared(&M::insertColumnAction, "pmInsCol"),
    Shared(&M::appendColumnAction, "pmPlusCol"),
    Sep(),
    Shared(&M::breakpointAction, "pmBreakpoint"),
    Sep(),
    PopItem(&M::tableClearAction, "pmClearTable", QT_TRANSLATE_NOOP("MainMenu", "Очистить таблицу"),
            &M::clearTableAction),
    PopItem(&M::tableClearRowAction, "pmClearRow", QT_TRANSLATE_NOOP("MainMenu", "Очистить строку"),
            &M::clearRowAction),
    PopItem(&M::tableClearColumnAction, "pmClearCol",
            QT_TRANSLATE_NOOP("MainMenu", "Очистить столбец"), &M::clearColumnAction),
    End(),

    Pop(&M::statementMenu, "pmUslovie"),
    PopItem(&M::statementClearAction, "pmUslovieClear", QT_TRANSLATE_NOOP("MainMenu", "Очистить"),
            &M::clearStatementAction),
    PopItem(&M::statementHideAction, "pmUslovieHide", QT_TRANSLATE_NOOP("MainMenu", "Спрятать"),
            &M::viewStatementAction),
    End(),

    Pop(&M::tapeMenu, "pmLenta"),
    Shared(&M::markAction, "pmLentaMark"),
    Shared(&M::writeSymbolAction, "pmLentaSimvol"),
    // Its list opens below the tape, not under the toolbar's button: an item
    // of its own.
    PopItem(&M::tapeChangeSymbolAction, "pmLentaChange",
            QT_TRANSLATE_NOOP("MainMenu", "Изменить символ"), nullptr, Hidden),
    Sep(),
    PopItem(&M::tapeClearAction, "pmLentaClear", QT_TRANSLATE_NOOP("MainMenu", "Очистить ленту"),
            &M::clearTapeAction),
    Sep(),
    Shared(&M::memoriseTapeAction, "pmLentaMem"),
    Shared(&M::restoreTapeAction, "pmLentaPaste"),
    End(),

    Pop(&M::commentsMenu, "pmCommTur"),
    PopItem(&M::commentsClearAction, "pmCommTurClear", QT_TRANSLATE_NOOP("MainMenu", "Очистить"),
            &M::clearCommentsAction),
    End(),

    // "Очистить" on the alphabet clears the whole current machine.
    Pop(&M::alphabetMenu, "pmAlf"),
    PopItem(&M::alphabetClearAction, "pmAlfClear", QT_TRANSLATE_NOOP("MainMenu", "Очистить"),
            &M::clearAllAction),
    PopItem(&M::alphabetHideAction, "pmAlfHide", QT_TRANSLATE_NOOP("MainMenu", "Спрятать"),
            &M::viewAlphabetAction),
    End(),

    Pop(&M::alphabetFrameMenu, "pmLbStatus"),
    PopItem(&M::alphabetFrameHideAction, "pmLbStatusHide",
            QT_TRANSLATE_NOOP("MainMenu", "Спрятать"), nullptr),
    End(),

    Pop(&M::statusBarMenu, "pmSost"),
    PopItem(&M::statusBarHideAction, "pmSostHide", QT_TRANSLATE_NOOP("MainMenu", "Спрятать"),
            &M::viewStatusBarAction),
    End(),

    Pop(&M::toolBarMenu, "pmToolBar"),
    PopItem(&M::toolBarHideAction, "pmToolBarHide", QT_TRANSLATE_NOOP("MainMenu", "Спрятать"),
            &M::viewToolBarAction),
    End(),
};

// A caption or hint of the table, in the current language.
QString Text(const char* source) {
    return *source ? Tr("MainMenu", source) : QString();
}

}  // namespace

MainMenu::MainMenu(QMainWindow& window) : QObject(&window) {
    interpreterGroup = new QActionGroup(this);
    speedGroup = new QActionGroup(this);
    QMenuBar* bar = window.menuBar();
    std::vector<QMenu*> open;
    QMenu* top = nullptr;

    auto nameMenu = [this](QMenu* menu, const Row& row) {
        menu->setObjectName(Text(row.name));
        menu->menuAction()->setObjectName(Text(row.name));
        menu->menuAction()->setStatusTip(Text(row.hint));
        menus_.insert(menu->objectName(), menu);
        this->*row.menu = menu;
    };

    for (const Row& row : kRows) {
        switch (row.kind) {
            case Kind::Menu:
                top = bar->addMenu(Text(row.caption));
                nameMenu(top, row);
                open = {top};
                break;
            case Kind::SubMenu:
                open.push_back(open.back()->addMenu(Text(row.caption)));
                nameMenu(open.back(), row);
                break;
            case Kind::Popup:
                // A pop-up is a window of its own, owned by the main window.
                top = nullptr;
                open = {new QMenu(&window)};
                nameMenu(open.back(), row);
                break;
            case Kind::EndMenu:
                open.pop_back();
                break;
            case Kind::Separator: {
                QAction* separator = open.back()->addSeparator();
                if (row.action) {
                    separator->setObjectName(Text(row.name));
                    this->*row.action = separator;
                    actions_.insert(separator->objectName(), separator);
                    topMenus_.insert(separator, top);
                }
                break;
            }
            case Kind::Shared:
                // The pop-up's own name still finds the item.
                open.back()->addAction(this->*row.action);
                actions_.insert(Text(row.name), this->*row.action);
                break;
            case Kind::Item: {
                auto* action = new QAction(Text(row.caption), &window);
                action->setObjectName(Text(row.name));
                action->setStatusTip(Text(row.hint));
                action->setShortcut(QKeySequence::fromString(Text(row.shortcut)));
                action->setCheckable(row.flags & (Checkable | InterpreterGroup | SpeedGroup));
                action->setChecked(row.flags & Checked);
                action->setVisible(!(row.flags & Hidden));
                action->setEnabled(!(row.flags & Disabled));
                if (row.flags & InterpreterGroup) {
                    interpreterGroup->addAction(action);
                }
                if (row.flags & SpeedGroup) {
                    speedGroup->addAction(action);
                    action->setData(row.data);
                }
                if (row.runs) {
                    const ActionMember runs = row.runs;
                    connect(action, &QAction::triggered, this,
                            [this, runs] { (this->*runs)->trigger(); });
                }
                open.back()->addAction(action);
                this->*row.action = action;
                actions_.insert(action->objectName(), action);
                topMenus_.insert(action, top);
                break;
            }
        }
    }
}

QString MainMenu::StepBackHint(bool trimmed) {
    QString hint = Text(kStepBackHint);
    if (trimmed) {
        hint += Tr("MainMenu", " (помнятся только последние %1 шагов)")
                    .arg(RunController::HistoryLimit);
    }
    return hint;
}

QString MainMenu::UndoHint(const QString& change) {
    return change.isEmpty() ? Text(kUndoHint) : Text(kUndoHint) + QStringLiteral(": ") + change;
}

QString MainMenu::RedoHint(const QString& change) {
    return change.isEmpty() ? Text(kRedoHint) : Text(kRedoHint) + QStringLiteral(": ") + change;
}

void MainMenu::Attach(QWidget* widget, QMenu* menu) {
    widget->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(widget, &QWidget::customContextMenuRequested, menu,
            [widget, menu](const QPoint& at) { menu->popup(widget->mapToGlobal(at)); });
}
