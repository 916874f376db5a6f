#include "window/main/MainMenu.h"

#include <QAction>
#include <QActionGroup>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <vector>

namespace {

enum class Kind : quint8 { Menu, SubMenu, EndMenu, Popup, Item, Separator };

enum Flag : int {
    None = 0,
    Hidden = 1,
    Disabled = 2,
    Checkable = 4,
    Checked = 8,
    InterGroup = 16,
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
constexpr Row PopItem(ActionMember a, const char* name, const char* caption, ActionMember runs,
                      int flags = None) {
    return {Kind::Item, name, nullptr, a, caption, "", "", flags, runs, 0};
}

using M = MainMenu;
constexpr const char* kSpeedHint = "Изменить скорость выполнения алгоритма";

// The whole menu system, in order. Hints are the status-line texts.
const Row kRows[] = {
    Top(&M::mmFile, "mmFile", "&Файл", "Операции с файлами"),
    Item(&M::mmFileNew, "mmFileNew", "Новый", "", "Создает машину Поста"),
    Item(&M::mmFileOpen, "mmFileOpen", "Открыть", "F3", "Загрузить файл машины Поста с диска"),
    Item(&M::mmFileSave, "mmFileSave", "Сохранить", "F2", "Записать файл машины Поста на диск"),
    Item(&M::mmFileSaveAs, "mmFileSaveAs", "Сохранить как...", "",
         "Записать файл машины Поста на диск с новым именем"),
    Sep(),
    Item(&M::mmFileExit, "mmFileExit", "Выход", "", "Выйти из программы Zebrin42"),
    End(),

    Top(&M::mmInter, "mmInter", "&Интерпретатор", "Выбрать интерпретатор"),
    Item(&M::postMachineAction, "mmInterPst", "Машина Поста", "", "Перейти к машине Поста",
         InterGroup | Checked),
    Item(&M::turingMachineAction, "mmInterTur", "Машина Тьюринга", "", "Перейти к машине Тьюринга",
         InterGroup),
    End(),

    Top(&M::mmView, "mmView", "&Вид", "Настройки интерфейса программы"),
    Item(&M::mmViewToolBar, "mmViewToolBar", "Панель инструментов", "",
         "Скрыть/ показать панель инструментов", Checkable | Checked),
    Item(&M::mmViewUslovie, "mmViewUslovie", "Условие задачи", "",
         "Скрыть/ показать редактор \"Условие задачи\"", Checkable),
    Item(&M::mmViewAlf, "mmViewAlf", "Внешний алфавит", "",
         "Скрыть/ показать редактор \"Внешний алфавит\"", Checkable | Hidden),
    Item(&M::mmViewSost, "mmViewSost", "Строка состояния", "", "Скрыть/ показать строку состояния",
         Checkable | Checked),
    End(),

    Top(&M::mmComm, "mmComm", "&Команды"),
    Item(&M::mmCommLeft, "mmCommLeft", "Каретка влево", "",
         "Сдвинуть каретку влево на одну ячейку"),
    Item(&M::mmCommRight, "mmCommRight", "Каретка вправо", "",
         "Сдвинуть каретку вправо на одну ячейку"),
    Item(&M::mmCommMark, "mmCommMark", "Поставить / удалить метки", "",
         "Поставить/ удалить метки в выделенных ячейках ленты"),
    Item(&M::mmCommSimvol, "mmCommSimvol", "Отметить символ на ленте", "",
         "Записывает текущий символ внешнего алфавита в выделенные ячейки ленты", Hidden),
    Item(&M::mmCommChange, "mmCommChange", "Изменить символ", "Ctrl+A",
         "Изменить текущий символ внешнего алфавита", Hidden),
    Sep(),
    Sub(&M::mmCommClear, "mmCommClear", "Очистить"),
    Item(&M::mmCommClearUsl, "mmCommClearUsl", "Условие задачи", "",
         "Очищает содержимое редактора \"Условие задачи\""),
    Item(&M::mmCommClearLenta, "mmCommClearLenta", "Информационную ленту", "",
         "Очищает содержимое ленты"),
    Sep(),
    Item(&M::mmCommClearTable, "mmCommClearTable", "Таблицу", "", "Очищает содержимое таблицы"),
    Item(&M::mmCommClearRow, "mmCommClearRow", "Строку", "", "Очищает содержимое строки таблицы"),
    Item(&M::mmCommClearCol, "mmCommClearCol", "Столбец", "", "Очищает содержимое столбца таблицы"),
    // The three Turing entries are shown until the first interpreter switch.
    Sep(&M::mmCommClearTur, "mmCommClearTur"),
    Item(&M::mmCommClearAlf, "mmCommClearAlf", "Внешний алфавит", "",
         "Очищает содержимое редактора  \"Внешний алфавит\""),
    Item(&M::mmCommClearComm, "mmCommClearComm", "Комментарии", "",
         "Очищает содержимое редактора \"Комментарии\""),
    Sep(),
    Item(&M::mmCommClearAll, "mmCommClearAll", "Всё", "", "Очищает все"),
    End(),
    Sep(),
    Item(&M::mmCommDelRow, "mmCommDelRow", "Удалить строку", "", "Удалить строку из таблицы"),
    Item(&M::mmCommInsRow, "mmCommInsRow", "Вставить строку", "", "Вставить строку в таблицу"),
    Item(&M::mmCommPlusRow, "mmCommPlusRow", "Добавить строку", "", "Добавить строку в таблицу"),
    Item(&M::mmCommDelCol, "mmCommDelCol", "Удалить столбец", "", "Удалить столбец из таблицы",
         Hidden),
    Item(&M::mmCommInsCol, "mmCommInsCol", "Вставить столбец", "", "Вставить столбец в таблицы",
         Hidden),
    Item(&M::mmCommPlusCol, "mmCommPlusCol", "Добавить столбец", "", "Добавить столбец в таблицы",
         Hidden),
    Sep(),
    Item(&M::mmCommMemLenta, "mmCommMemLenta", "Запомнить ленту", "",
         "Запомнить текущее состояние ленты"),
    Item(&M::mmCommPastLenta, "mmCommPastLenta", "Восстановить ленту", "",
         "Восстановить запомненную ленту", Disabled),
    End(),

    Top(&M::mmRun, "mmRun", "&Пуск"),
    Item(&M::mmRunRun, "mmRunRun", "Запустить", "F9", "Запустить алгоритм на исполнение"),
    Item(&M::mmRunPause, "mmRunPause", "Пауза", "", "Приостановить исполнение алгоритма", Disabled),
    Sep(),
    Item(&M::mmRunStep, "mmRunStep", "Пошагово", "F8", "Выполнить очередной шаг алгоритма"),
    Item(&M::mmRunBreak, "mmRunBreak", "Прервать", "Ctrl+F2", "Прервать исполнение алгоритма",
         Disabled),
    End(),

    Top(&M::mmSpeed, "mmSpeed", "&Скорость", kSpeedHint),
    Item(&M::mmSpeed5, "mmSpeed5", "Очень быстро", "", kSpeedHint, SpeedGroup, 5),
    Item(&M::mmSpeed4, "mmSpeed4", "Быстро", "", kSpeedHint, SpeedGroup, 4),
    Item(&M::mmSpeed3, "mmSpeed3", "Средне", "", kSpeedHint, SpeedGroup | Checked, 3),
    Item(&M::mmSpeed2, "mmSpeed2", "Медленно", "", kSpeedHint, SpeedGroup, 2),
    Item(&M::mmSpeed1, "mmSpeed1", "Очень медленно", "", kSpeedHint, SpeedGroup, 1),
    End(),

    Top(&M::mmHelp, "mmHelp", "&Помощь", "Помощь по программе"),
    Item(&M::mmHelpCont, "mmHelpCont", "Справка", "F1", "Вызвать файл справки по программе"),
    Sep(),
    Item(&M::aboutAction, "mmHelpAbout", "О программе", "", "Информация о программе Zebrin42"),
    End(),

    Pop(&M::pmSgMain, "pmSgMain"),
    PopItem(&M::pmDelRow, "pmDelRow", "Удалить строку", &M::mmCommDelRow),
    PopItem(&M::pmInsRow, "pmInsRow", "Вставить строку", &M::mmCommInsRow),
    PopItem(&M::pmPlusRow, "pmPlusRow", "Добавить строку", &M::mmCommPlusRow),
    PopItem(&M::pmDelCol, "pmDelCol", "Удалить столбец", &M::mmCommDelCol, Hidden),
    PopItem(&M::pmInsCol, "pmInsCol", "Вставить столбец", &M::mmCommInsCol, Hidden),
    PopItem(&M::pmPlusCol, "pmPlusCol", "Добавить столбец", &M::mmCommPlusCol, Hidden),
    Sep(),
    PopItem(&M::pmClearTable, "pmClearTable", "Очистить таблицу", &M::mmCommClearTable),
    PopItem(&M::pmClearRow, "pmClearRow", "Очистить строку", &M::mmCommClearRow),
    PopItem(&M::pmClearCol, "pmClearCol", "Очистить столбец", &M::mmCommClearCol),
    End(),

    Pop(&M::pmUslovie, "pmUslovie"),
    PopItem(&M::pmUslovieClear, "pmUslovieClear", "Очистить", &M::mmCommClearUsl),
    PopItem(&M::pmUslovieHide, "pmUslovieHide", "Спрятать", &M::mmViewUslovie),
    End(),

    Pop(&M::pmLenta, "pmLenta"),
    PopItem(&M::pmLentaMark, "pmLentaMark", "Поставить / удалить метки", &M::mmCommMark),
    PopItem(&M::pmLentaSimvol, "pmLentaSimvol", "Отметить символ на ленте", &M::mmCommSimvol,
            Hidden),
    PopItem(&M::pmLentaChange, "pmLentaChange", "Изменить символ", &M::mmCommChange, Hidden),
    Sep(),
    PopItem(&M::pmLentaClear, "pmLentaClear", "Очистить ленту", &M::mmCommClearLenta),
    Sep(),
    PopItem(&M::pmLentaMem, "pmLentaMem", "Запомнить ленту", &M::mmCommMemLenta),
    PopItem(&M::pmLentaPaste, "pmLentaPaste", "Восстановить ленту", &M::mmCommPastLenta, Disabled),
    End(),

    Pop(&M::pmCommTur, "pmCommTur"),
    PopItem(&M::pmCommTurClear, "pmCommTurClear", "Очистить", &M::mmCommClearComm),
    End(),

    // "Очистить" on the alphabet clears the whole current machine.
    Pop(&M::pmAlf, "pmAlf"),
    PopItem(&M::pmAlfClear, "pmAlfClear", "Очистить", &M::mmCommClearAll),
    PopItem(&M::pmAlfHide, "pmAlfHide", "Спрятать", &M::mmViewAlf),
    End(),

    Pop(&M::pmLbStatus, "pmLbStatus"),
    PopItem(&M::pmLbStatusHide, "pmLbStatusHide", "Спрятать", nullptr),
    End(),

    Pop(&M::pmSost, "pmSost"),
    PopItem(&M::pmSostHide, "pmSostHide", "Спрятать", &M::mmViewSost),
    End(),

    Pop(&M::pmToolBar, "pmToolBar"),
    PopItem(&M::pmToolBarHide, "pmToolBarHide", "Спрятать", &M::mmViewToolBar),
    End(),
};

QString Text(const char* utf8) {
    return QString::fromUtf8(utf8);
}

}  // namespace

MainMenu::MainMenu(QMainWindow& window) : QObject(&window) {
    interGroup = new QActionGroup(this);
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
            case Kind::Item: {
                auto* action = new QAction(Text(row.caption), &window);
                action->setObjectName(Text(row.name));
                action->setStatusTip(Text(row.hint));
                action->setShortcut(QKeySequence::fromString(Text(row.shortcut)));
                action->setCheckable(row.flags & (Checkable | InterGroup | SpeedGroup));
                action->setChecked(row.flags & Checked);
                action->setVisible(!(row.flags & Hidden));
                action->setEnabled(!(row.flags & Disabled));
                if (row.flags & InterGroup) {
                    interGroup->addAction(action);
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

void MainMenu::Attach(QWidget* widget, QMenu* menu) {
    widget->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(widget, &QWidget::customContextMenuRequested, menu,
            [widget, menu](const QPoint& at) { menu->popup(widget->mapToGlobal(at)); });
}
