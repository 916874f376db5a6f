#pragma once
// The main menu and every pop-up menu of the main window, built from one
// table of items: captions with their "&" letters, hints (status tips),
// shortcuts, check marks, the radio groups of the interpreter and the speed,
// and the items hidden or disabled at start. Every item is a QAction named
// after its component (objectName "mmFileNew", "pmLentaClear", ...) and
// parented to the window, so its hint reaches the window's hint display
// however its menu was opened. A pop-up item with the caption of a
// main-menu item is that item itself, added to the pop-up (the table's
// row and tape's mark, symbol and memorise items), and is found by its
// pop-up name too; the other pop-up items run the main-menu item they
// stand for (tapeClearAction runs clearTapeAction, alphabetClearAction runs
// clearAllAction, the "Спрятать" items run the view items). The owner
// connects the main-menu items to their commands, and the toolbar's
// buttons show the same actions.

#include <QHash>
#include <QObject>

class QAction;
class QActionGroup;
class QMainWindow;
class QMenu;
class QWidget;

class MainMenu : public QObject {
    Q_OBJECT
public:
    // The hint of "Шаг назад", and the words added once its oldest steps
    // were dropped.
    static QString StepBackHint(bool trimmed);
    // The hints of "Отменить" and "Повторить", naming the change they act
    // on when there is one.
    static QString UndoHint(const QString& change);
    static QString RedoHint(const QString& change);
    explicit MainMenu(QMainWindow& window);

    // By component name; nullptr for a name that is not an item (menu).
    QAction* Action(const QString& name) const { return actions_.value(name); }
    QMenu* Menu(const QString& name) const { return menus_.value(name); }
    const QHash<QString, QAction*>& Actions() const { return actions_; }
    // The main menu an item belongs to (fileMenu for openAction, commandsMenu for
    // clearAllAction), or nullptr for pop-up items.
    QMenu* TopMenuOf(const QAction* action) const { return topMenus_.value(action); }

    // Opens `menu` on a right click on `widget`.
    static void Attach(QWidget* widget, QMenu* menu);

    // Main menus and their submenu.
    QMenu* fileMenu = nullptr;
    QMenu* editMenu = nullptr;
    QMenu* interpreterMenu = nullptr;
    QMenu* viewMenu = nullptr;
    QMenu* commandsMenu = nullptr;
    QMenu* clearMenu = nullptr;
    QMenu* examplesMenu = nullptr;  // a submenu of fileMenu
    QMenu* runMenu = nullptr;
    QMenu* speedMenu = nullptr;
    QMenu* helpMenu = nullptr;

    QAction* newAction = nullptr;
    QAction* openAction = nullptr;
    QAction* saveAction = nullptr;
    QAction* saveAsAction = nullptr;
    QAction* exportDiagramAction = nullptr;
    QAction* exportHistoryAction = nullptr;
    QAction* exportPdfAction = nullptr;
    QAction* printPreviewAction = nullptr;
    QAction* printAction = nullptr;
    QAction* exitAction = nullptr;

    QAction* undoAction = nullptr;
    QAction* redoAction = nullptr;

    QAction* postMachineAction = nullptr;
    QAction* turingMachineAction = nullptr;
    QActionGroup* interpreterGroup = nullptr;

    QAction* viewToolBarAction = nullptr;
    QAction* viewStatementAction = nullptr;
    QAction* viewAlphabetAction = nullptr;
    QAction* viewStatusBarAction = nullptr;
    QAction* viewDiagramAction = nullptr;
    QAction* viewHistoryAction = nullptr;
    QAction* zoomInAction = nullptr;
    QAction* zoomOutAction = nullptr;
    QAction* zoomResetAction = nullptr;

    QAction* carriageLeftAction = nullptr;
    QAction* carriageRightAction = nullptr;
    QAction* markAction = nullptr;
    QAction* writeSymbolAction = nullptr;
    QAction* changeSymbolAction = nullptr;
    QAction* clearStatementAction = nullptr;
    QAction* clearTapeAction = nullptr;
    QAction* clearTableAction = nullptr;
    QAction* clearRowAction = nullptr;
    QAction* clearColumnAction = nullptr;
    QAction* turingClearSeparator = nullptr;  // a separator
    QAction* clearAlphabetAction = nullptr;
    QAction* clearCommentsAction = nullptr;
    QAction* clearAllAction = nullptr;
    QAction* deleteRowAction = nullptr;
    QAction* insertRowAction = nullptr;
    QAction* appendRowAction = nullptr;
    QAction* deleteColumnAction = nullptr;
    QAction* insertColumnAction = nullptr;
    QAction* appendColumnAction = nullptr;
    QAction* memoriseTapeAction = nullptr;
    QAction* restoreTapeAction = nullptr;

    QAction* runAction = nullptr;
    QAction* pauseAction = nullptr;
    QAction* stepAction = nullptr;
    QAction* stepBackAction = nullptr;
    QAction* breakAction = nullptr;
    QAction* runToCursorAction = nullptr;
    QAction* breakpointAction = nullptr;
    QAction* clearBreakpointsAction = nullptr;
    QAction* checkCasesAction = nullptr;

    // Each speed item carries its level (1 to 6) as its data().
    QAction* speedInstantAction = nullptr;
    QAction* speedVeryFastAction = nullptr;
    QAction* speedFastAction = nullptr;
    QAction* speedMediumAction = nullptr;
    QAction* speedSlowAction = nullptr;
    QAction* speedVerySlowAction = nullptr;
    QActionGroup* speedGroup = nullptr;

    QAction* helpContentsAction = nullptr;
    QAction* aboutAction = nullptr;

    // Pop-up menus and their items.
    QMenu* tableMenu = nullptr;
    QAction* tableClearAction = nullptr;
    QAction* tableClearRowAction = nullptr;
    QAction* tableClearColumnAction = nullptr;

    QMenu* statementMenu = nullptr;
    QAction* statementClearAction = nullptr;
    QAction* statementHideAction = nullptr;

    QMenu* tapeMenu = nullptr;
    QAction* tapeChangeSymbolAction = nullptr;
    QAction* tapeClearAction = nullptr;

    QMenu* commentsMenu = nullptr;
    QAction* commentsClearAction = nullptr;

    QMenu* alphabetMenu = nullptr;
    QAction* alphabetClearAction = nullptr;
    QAction* alphabetHideAction = nullptr;

    // Its one item is bound to no command.
    QMenu* alphabetFrameMenu = nullptr;
    QAction* alphabetFrameHideAction = nullptr;

    QMenu* statusBarMenu = nullptr;
    QAction* statusBarHideAction = nullptr;

    QMenu* toolBarMenu = nullptr;
    QAction* toolBarHideAction = nullptr;

private:
    QHash<QString, QAction*> actions_;
    QHash<QString, QMenu*> menus_;
    QHash<const QAction*, QMenu*> topMenus_;
};
