#pragma once
// The main window's command surfaces, installed on a MainWindow: the menus
// (MainMenu), the toolbar (MainToolBar), the view toggles (ViewToggles), the
// status bar's hint and pop-up menu, and the hint display (HintDisplay).
// It mirrors the run controller's ControlStates on the toolbar and the
// menus, applies each machine's set of shown items, runs a toolbar
// button's menu item when the button is clicked, and wires the help items
// and the view items. The other commands are connected by the window.
//
// Menu shortcuts take the key first anywhere in the window (F1 opens help
// even in an editor) while their item could be chosen, except the keys a
// text editor keeps for itself: undo, redo and select all (Ctrl+A selects
// the editor's text; elsewhere it changes the tape symbol).

#include <QObject>
#include <array>

#include "core/machine/MachineKind.h"
#include "core/run/ControlStates.h"

class QAction;
class QKeyEvent;
class QKeySequence;
class QWidget;
class MainWindow;
class MainMenu;
class MainToolBar;
class ViewToggles;
class HintDisplay;

class CommandBars : public QObject {
    Q_OBJECT
public:
    explicit CommandBars(MainWindow& form);

    MainMenu& Menu() const { return *menu_; }
    MainToolBar& ToolBar() const { return *toolBar_; }
    ViewToggles& Views() const { return *views_; }

    // The menu item whose command toolbar button n (1 to 12) runs.
    QAction* ButtonAction(int n) const;

    // The toolbar's commands, the menus "&Файл", "&Интерпретатор",
    // "&Команды" and "&Помощь", the run items and the restore items, each
    // from its field of `states`.
    void ApplyControls(const ControlStates& states);
    // The items that belong to one machine: shown for it, hidden for the
    // other (menu items, pop-up items, the alphabet view item and the
    // toolbar's mark, write-symbol and change-symbol buttons). Entering the
    // Turing machine redraws the symbol button.
    void ApplyMachineVisibility(MachineKind kind);
    // The write-symbol button's picture from the Turing machine's current
    // tape symbol.
    void RedrawSymbolButton();
    // The restore button's hint: "Восстановить ленту", a line break and the current
    // machine's MemorisedPicture. It has no "|", so the tooltip shows the
    // picture under the name and the status line shows both.
    void SetRestoreHint(const QString& memorisedPicture);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    // Whether `key` is an undo, redo or select-all key that the text
    // editor `widget` keeps for itself.
    bool EditorsOwnKeys(const QWidget* widget, const QKeyEvent& key) const;

private:
    bool ShortcutAvailable(const QKeySequence& keys) const;

    MainWindow& form_;
    MainMenu* menu_;
    MainToolBar* toolBar_;
    ViewToggles* views_;
    HintDisplay* hints_;
    std::array<QAction*, 13> buttonActions_{};
};
