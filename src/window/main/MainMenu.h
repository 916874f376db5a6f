#pragma once
// The main menu and every pop-up menu of the main window, built from one
// table of items: captions with their "&" letters, hints (status tips),
// shortcuts, check marks, the radio groups of the interpreter and the speed,
// and the items hidden or disabled at start. Every item is a QAction named
// after its component (objectName "mmFileNew", "pmLentaMark", ...) and
// parented to the window, so its hint reaches the window's hint display
// however its menu was opened. Pop-up items run the main-menu item they
// stand for (pmLentaClear runs mmCommClearLenta, pmAlfClear runs
// mmCommClearAll, the "Спрятать" items run the view items); the owner
// connects the main-menu items to their commands.

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
    explicit MainMenu(QMainWindow& window);

    // By component name; nullptr for a name that is not an item (menu).
    QAction* Action(const QString& name) const { return actions_.value(name); }
    QMenu* Menu(const QString& name) const { return menus_.value(name); }
    const QHash<QString, QAction*>& Actions() const { return actions_; }
    // The main menu an item belongs to (mmFile for mmFileOpen, mmComm for
    // mmCommClearAll), or nullptr for pop-up items.
    QMenu* TopMenuOf(const QAction* action) const { return topMenus_.value(action); }

    // Opens `menu` on a right click on `widget`.
    static void Attach(QWidget* widget, QMenu* menu);

    // Main menus and their submenu.
    QMenu* mmFile = nullptr;
    QMenu* mmInter = nullptr;
    QMenu* mmView = nullptr;
    QMenu* mmComm = nullptr;
    QMenu* mmCommClear = nullptr;
    QMenu* mmRun = nullptr;
    QMenu* mmSpeed = nullptr;
    QMenu* mmHelp = nullptr;

    QAction* mmFileNew = nullptr;
    QAction* mmFileOpen = nullptr;
    QAction* mmFileSave = nullptr;
    QAction* mmFileSaveAs = nullptr;
    QAction* mmFileExit = nullptr;

    QAction* postMachineAction = nullptr;
    QAction* turingMachineAction = nullptr;
    QActionGroup* interGroup = nullptr;

    QAction* mmViewToolBar = nullptr;
    QAction* mmViewUslovie = nullptr;
    QAction* mmViewAlf = nullptr;
    QAction* mmViewSost = nullptr;

    QAction* mmCommLeft = nullptr;
    QAction* mmCommRight = nullptr;
    QAction* mmCommMark = nullptr;
    QAction* mmCommSimvol = nullptr;
    QAction* mmCommChange = nullptr;
    QAction* mmCommClearUsl = nullptr;
    QAction* mmCommClearLenta = nullptr;
    QAction* mmCommClearTable = nullptr;
    QAction* mmCommClearRow = nullptr;
    QAction* mmCommClearCol = nullptr;
    QAction* mmCommClearTur = nullptr;  // a separator
    QAction* mmCommClearAlf = nullptr;
    QAction* mmCommClearComm = nullptr;
    QAction* mmCommClearAll = nullptr;
    QAction* mmCommDelRow = nullptr;
    QAction* mmCommInsRow = nullptr;
    QAction* mmCommPlusRow = nullptr;
    QAction* mmCommDelCol = nullptr;
    QAction* mmCommInsCol = nullptr;
    QAction* mmCommPlusCol = nullptr;
    QAction* mmCommMemLenta = nullptr;
    QAction* mmCommPastLenta = nullptr;

    QAction* mmRunRun = nullptr;
    QAction* mmRunPause = nullptr;
    QAction* mmRunStep = nullptr;
    QAction* mmRunBreak = nullptr;

    // Each speed item carries its level (1 to 5) as its data().
    QAction* mmSpeed5 = nullptr;
    QAction* mmSpeed4 = nullptr;
    QAction* mmSpeed3 = nullptr;
    QAction* mmSpeed2 = nullptr;
    QAction* mmSpeed1 = nullptr;
    QActionGroup* speedGroup = nullptr;

    QAction* mmHelpCont = nullptr;
    QAction* aboutAction = nullptr;

    // Pop-up menus and their items.
    QMenu* pmSgMain = nullptr;
    QAction* pmDelRow = nullptr;
    QAction* pmInsRow = nullptr;
    QAction* pmPlusRow = nullptr;
    QAction* pmDelCol = nullptr;
    QAction* pmInsCol = nullptr;
    QAction* pmPlusCol = nullptr;
    QAction* pmClearTable = nullptr;
    QAction* pmClearRow = nullptr;
    QAction* pmClearCol = nullptr;

    QMenu* pmUslovie = nullptr;
    QAction* pmUslovieClear = nullptr;
    QAction* pmUslovieHide = nullptr;

    QMenu* pmLenta = nullptr;
    QAction* pmLentaMark = nullptr;
    QAction* pmLentaSimvol = nullptr;
    QAction* pmLentaChange = nullptr;
    QAction* pmLentaClear = nullptr;
    QAction* pmLentaMem = nullptr;
    QAction* pmLentaPaste = nullptr;

    QMenu* pmCommTur = nullptr;
    QAction* pmCommTurClear = nullptr;

    QMenu* pmAlf = nullptr;
    QAction* pmAlfClear = nullptr;
    QAction* pmAlfHide = nullptr;

    // Its one item is bound to no command.
    QMenu* pmLbStatus = nullptr;
    QAction* pmLbStatusHide = nullptr;

    QMenu* pmSost = nullptr;
    QAction* pmSostHide = nullptr;

    QMenu* pmToolBar = nullptr;
    QAction* pmToolBarHide = nullptr;

private:
    QHash<QString, QAction*> actions_;
    QHash<QString, QMenu*> menus_;
    QHash<const QAction*, QMenu*> topMenus_;
};
