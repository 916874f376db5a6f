#include "window/main/MainMenu.h"

#include <QAction>
#include <QActionGroup>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <vector>

#include "core/run/RunController.h"

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
constexpr const char* kSpeedHint = "Изменить скорость выполнения алгоритма";
constexpr const char* kStepBackHint = "Вернуть машину на шаг назад";
constexpr const char* kUndoHint = "Отменить последнее изменение";
constexpr const char* kRedoHint = "Повторить отмененное изменение";

// The whole menu system, in order. Hints are the status-line texts.
const Row kRows[] = {
    Top(&M::fileMenu, "mmFile", "&Файл", "Операции с файлами"),
    Item(&M::newAction, "mmFileNew", "Новый", "", "Создает машину Поста"),
    Item(&M::openAction, "mmFileOpen", "Открыть", "F3", "Загрузить файл машины Поста с диска"),
    Item(&M::saveAction, "mmFileSave", "Сохранить", "F2", "Записать файл машины Поста на диск"),
    Item(&M::saveAsAction, "mmFileSaveAs", "Сохранить как...", "",
         "Записать файл машины Поста на диск с новым именем"),
    // Beyond the original menu: the installed examples, by their titles.
    Sub(&M::examplesMenu, "mmFileExamples", "Примеры"),
    End(),
    Item(&M::exportDiagramAction, "mmFileExportDiagram", "Экспорт диаграммы...", "",
         "Записать диаграмму программы в файл SVG или PNG"),
    Item(&M::exportHistoryAction, "mmFileExportHistory", "Экспорт истории...", "",
         "Записать историю ленты в файл PNG"),
    // Beyond the original menu: the document on paper.
    Item(&M::exportPdfAction, "mmFileExportPdf", "Экспорт в PDF...", "",
         "Записать документ машины в файл PDF"),
    Item(&M::printPreviewAction, "mmFilePreview", "Предварительный просмотр", "",
         "Показать, как документ машины будет напечатан"),
    Item(&M::printAction, "mmFilePrint", "Печать...", "Ctrl+P", "Напечатать документ машины"),
    Sep(),
    Item(&M::exitAction, "mmFileExit", "Выход", "", "Выйти из программы Zebrin42"),
    End(),

    // Beyond the original menu: undo and redo of the current machine's
    // edits. Their captions and hints name the change (EditHistory).
    Top(&M::editMenu, "mmEdit", "&Правка", "Отмена и повтор изменений"),
    Item(&M::undoAction, "mmEditUndo", "Отменить", "Ctrl+Z", kUndoHint, Disabled),
    Item(&M::redoAction, "mmEditRedo", "Повторить", "Ctrl+Y", kRedoHint, Disabled),
    End(),

    Top(&M::interpreterMenu, "mmInter", "&Интерпретатор", "Выбрать интерпретатор"),
    Item(&M::postMachineAction, "mmInterPst", "Машина Поста", "", "Перейти к машине Поста",
         InterpreterGroup | Checked),
    Item(&M::turingMachineAction, "mmInterTur", "Машина Тьюринга", "", "Перейти к машине Тьюринга",
         InterpreterGroup),
    End(),

    Top(&M::viewMenu, "mmView", "&Вид", "Настройки интерфейса программы"),
    Item(&M::viewToolBarAction, "mmViewToolBar", "Панель инструментов", "",
         "Скрыть/ показать панель инструментов", Checkable | Checked),
    Item(&M::viewStatementAction, "mmViewUslovie", "Условие задачи", "",
         "Скрыть/ показать редактор \"Условие задачи\"", Checkable),
    Item(&M::viewAlphabetAction, "mmViewAlf", "Внешний алфавит", "",
         "Скрыть/ показать редактор \"Внешний алфавит\"", Checkable | Hidden),
    Item(&M::viewStatusBarAction, "mmViewSost", "Строка состояния", "",
         "Скрыть/ показать строку состояния", Checkable | Checked),
    // Beyond the original menu: the program drawn as a graph, beside the table.
    Item(&M::viewDiagramAction, "mmViewDiagram", "Диаграмма", "F6", "Показать диаграмму программы",
         Checkable),
    // Beyond the original menu: the tape at every tick, below the tape.
    Item(&M::viewHistoryAction, "mmViewHistory", "История ленты", "F7", "Показать историю ленты",
         Checkable),
    // The size of the tape, the tables and the diagram together.
    Sep(),
    Item(&M::zoomInAction, "mmViewZoomIn", "Крупнее", "Ctrl++", "Увеличить ленту и таблицы"),
    Item(&M::zoomOutAction, "mmViewZoomOut", "Мельче", "Ctrl+-", "Уменьшить ленту и таблицы"),
    Item(&M::zoomResetAction, "mmViewZoomReset", "Обычный размер", "Ctrl+0",
         "Вернуть ленте и таблицам обычный размер"),
    End(),

    Top(&M::commandsMenu, "mmComm", "&Команды"),
    Item(&M::carriageLeftAction, "mmCommLeft", "Каретка влево", "",
         "Сдвинуть каретку влево на одну ячейку"),
    Item(&M::carriageRightAction, "mmCommRight", "Каретка вправо", "",
         "Сдвинуть каретку вправо на одну ячейку"),
    Item(&M::markAction, "mmCommMark", "Поставить / удалить метки", "",
         "Поставить/ удалить метки в выделенных ячейках ленты"),
    Item(&M::writeSymbolAction, "mmCommSimvol", "Отметить символ на ленте", "",
         "Записывает текущий символ внешнего алфавита в выделенные ячейки ленты", Hidden),
    Item(&M::changeSymbolAction, "mmCommChange", "Изменить символ", "Ctrl+A",
         "Изменить текущий символ внешнего алфавита", Hidden),
    Sep(),
    Sub(&M::clearMenu, "mmCommClear", "Очистить"),
    Item(&M::clearStatementAction, "mmCommClearUsl", "Условие задачи", "",
         "Очищает содержимое редактора \"Условие задачи\""),
    Item(&M::clearTapeAction, "mmCommClearLenta", "Информационную ленту", "",
         "Очищает содержимое ленты"),
    Sep(),
    Item(&M::clearTableAction, "mmCommClearTable", "Таблицу", "", "Очищает содержимое таблицы"),
    Item(&M::clearRowAction, "mmCommClearRow", "Строку", "", "Очищает содержимое строки таблицы"),
    Item(&M::clearColumnAction, "mmCommClearCol", "Столбец", "",
         "Очищает содержимое столбца таблицы"),
    // The three Turing entries are shown until the first interpreter switch.
    Sep(&M::turingClearSeparator, "mmCommClearTur"),
    Item(&M::clearAlphabetAction, "mmCommClearAlf", "Внешний алфавит", "",
         "Очищает содержимое редактора  \"Внешний алфавит\""),
    Item(&M::clearCommentsAction, "mmCommClearComm", "Комментарии", "",
         "Очищает содержимое редактора \"Комментарии\""),
    Sep(),
    Item(&M::clearAllAction, "mmCommClearAll", "Всё", "", "Очищает все"),
    End(),
    Sep(),
    Item(&M::deleteRowAction, "mmCommDelRow", "Удалить строку", "", "Удалить строку из таблицы"),
    Item(&M::insertRowAction, "mmCommInsRow", "Вставить строку", "", "Вставить строку в таблицу"),
    Item(&M::appendRowAction, "mmCommPlusRow", "Добавить строку", "", "Добавить строку в таблицу"),
    Item(&M::deleteColumnAction, "mmCommDelCol", "Удалить столбец", "",
         "Удалить столбец из таблицы", Hidden),
    Item(&M::insertColumnAction, "mmCommInsCol", "Вставить столбец", "",
         "Вставить столбец в таблицы", Hidden),
    Item(&M::appendColumnAction, "mmCommPlusCol", "Добавить столбец", "",
         "Добавить столбец в таблицы", Hidden),
    Sep(),
    Item(&M::memoriseTapeAction, "mmCommMemLenta", "Запомнить ленту", "",
         "Запомнить текущее состояние ленты"),
    Item(&M::restoreTapeAction, "mmCommPastLenta", "Восстановить ленту", "",
         "Восстановить запомненную ленту", Disabled),
    End(),

    Top(&M::runMenu, "mmRun", "&Пуск"),
    Item(&M::runAction, "mmRunRun", "Запустить", "F9", "Запустить алгоритм на исполнение"),
    Item(&M::pauseAction, "mmRunPause", "Пауза", "", "Приостановить исполнение алгоритма",
         Disabled),
    // Beyond the original menu: a run that pauses at the table's cursor.
    Item(&M::runToCursorAction, "mmRunToCursor", "Выполнить до курсора", "F4",
         "Исполнять алгоритм до команды под курсором таблицы"),
    Sep(),
    Item(&M::stepAction, "mmRunStep", "Пошагово", "F8", "Выполнить очередной шаг алгоритма"),
    // Beyond the original menu: back through the run, one tick at a time.
    Item(&M::stepBackAction, "mmRunStepBack", "Шаг назад", "Shift+F8", kStepBackHint, Disabled),
    Item(&M::breakAction, "mmRunBreak", "Прервать", "Ctrl+F2", "Прервать исполнение алгоритма",
         Disabled),
    // Beyond the original menu: the commands a run pauses on.
    Sep(),
    Item(&M::breakpointAction, "mmRunBreakpoint", "Точка останова", "F5",
         "Поставить/ убрать точку останова на текущей команде таблицы"),
    Item(&M::clearBreakpointsAction, "mmRunClearBreakpoints", "Убрать все точки останова", "",
         "Убрать все точки останова из таблицы"),
    // Beyond the original menu: every case of a cases file, run on a copy.
    Sep(),
    Item(&M::checkCasesAction, "mmRunCheck", "Проверить по тестам", "Ctrl+F9",
         "Проверить программу на тестах из файла"),
    End(),

    Top(&M::speedMenu, "mmSpeed", "&Скорость", kSpeedHint),
    // Beyond the original menu: as fast as the machine steps.
    Item(&M::speedInstantAction, "mmSpeed6", "Мгновенно", "", kSpeedHint, SpeedGroup, 6),
    Item(&M::speedVeryFastAction, "mmSpeed5", "Очень быстро", "", kSpeedHint, SpeedGroup, 5),
    Item(&M::speedFastAction, "mmSpeed4", "Быстро", "", kSpeedHint, SpeedGroup, 4),
    Item(&M::speedMediumAction, "mmSpeed3", "Средне", "", kSpeedHint, SpeedGroup | Checked, 3),
    Item(&M::speedSlowAction, "mmSpeed2", "Медленно", "", kSpeedHint, SpeedGroup, 2),
    Item(&M::speedVerySlowAction, "mmSpeed1", "Очень медленно", "", kSpeedHint, SpeedGroup, 1),
    End(),

    Top(&M::helpMenu, "mmHelp", "&Помощь", "Помощь по программе"),
    Item(&M::helpContentsAction, "mmHelpCont", "Справка", "F1",
         "Вызвать файл справки по программе"),
    Sep(),
    Item(&M::aboutAction, "mmHelpAbout", "О программе", "", "Информация о программе Zebrin42"),
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
    PopItem(&M::tableClearAction, "pmClearTable", "Очистить таблицу", &M::clearTableAction),
    PopItem(&M::tableClearRowAction, "pmClearRow", "Очистить строку", &M::clearRowAction),
    PopItem(&M::tableClearColumnAction, "pmClearCol", "Очистить столбец", &M::clearColumnAction),
    End(),

    Pop(&M::statementMenu, "pmUslovie"),
    PopItem(&M::statementClearAction, "pmUslovieClear", "Очистить", &M::clearStatementAction),
    PopItem(&M::statementHideAction, "pmUslovieHide", "Спрятать", &M::viewStatementAction),
    End(),

    Pop(&M::tapeMenu, "pmLenta"),
    Shared(&M::markAction, "pmLentaMark"),
    Shared(&M::writeSymbolAction, "pmLentaSimvol"),
    // Its list opens below the tape, not under the toolbar's button: an item
    // of its own.
    PopItem(&M::tapeChangeSymbolAction, "pmLentaChange", "Изменить символ", nullptr, Hidden),
    Sep(),
    PopItem(&M::tapeClearAction, "pmLentaClear", "Очистить ленту", &M::clearTapeAction),
    Sep(),
    Shared(&M::memoriseTapeAction, "pmLentaMem"),
    Shared(&M::restoreTapeAction, "pmLentaPaste"),
    End(),

    Pop(&M::commentsMenu, "pmCommTur"),
    PopItem(&M::commentsClearAction, "pmCommTurClear", "Очистить", &M::clearCommentsAction),
    End(),

    // "Очистить" on the alphabet clears the whole current machine.
    Pop(&M::alphabetMenu, "pmAlf"),
    PopItem(&M::alphabetClearAction, "pmAlfClear", "Очистить", &M::clearAllAction),
    PopItem(&M::alphabetHideAction, "pmAlfHide", "Спрятать", &M::viewAlphabetAction),
    End(),

    Pop(&M::alphabetFrameMenu, "pmLbStatus"),
    PopItem(&M::alphabetFrameHideAction, "pmLbStatusHide", "Спрятать", nullptr),
    End(),

    Pop(&M::statusBarMenu, "pmSost"),
    PopItem(&M::statusBarHideAction, "pmSostHide", "Спрятать", &M::viewStatusBarAction),
    End(),

    Pop(&M::toolBarMenu, "pmToolBar"),
    PopItem(&M::toolBarHideAction, "pmToolBarHide", "Спрятать", &M::viewToolBarAction),
    End(),
};

QString Text(const char* utf8) {
    return QString::fromUtf8(utf8);
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
    QString hint = QString::fromUtf8(kStepBackHint);
    if (trimmed) {
        hint += QStringLiteral(" (помнятся только последние %1 шагов)")
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
