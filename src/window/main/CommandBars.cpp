#include "window/main/CommandBars.h"

#include "core/port/HelpTopics.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QStatusBar>
#include <QTextEdit>

#include "core/run/RunController.h"
#include "core/text/Language.h"
#include "window/main/HintDisplay.h"
#include "window/main/MainMenu.h"
#include "window/main/MainToolBar.h"
#include "window/main/MainWindow.h"
#include "window/main/ViewToggles.h"

namespace {

// The field of ControlStates each action follows. The toolbar's buttons
// show the first twelve, so they follow too.
using C = ControlStates;
using M = MainMenu;
struct Governed {
    bool C::*state;
    QAction* M::*action;
};
constexpr Governed kGoverned[] = {
    {&C::newDocument, &M::newAction},         {&C::openDocument, &M::openAction},
    {&C::saveDocument, &M::saveAction},       {&C::memoriseTape, &M::memoriseTapeAction},
    {&C::restoreTape, &M::restoreTapeAction}, {&C::runRun, &M::runAction},
    {&C::runPause, &M::pauseAction},          {&C::runStep, &M::stepAction},
    {&C::runBreak, &M::breakAction},          {&C::mark, &M::markAction},
    {&C::writeSymbol, &M::writeSymbolAction}, {&C::changeSymbol, &M::changeSymbolAction},
    {&C::runStepBack, &M::stepBackAction},    {&C::runRun, &M::runToCursorAction},
};
// The main menus each follow a field too.
struct GovernedMenu {
    bool C::*state;
    QMenu* M::*menu;
};
constexpr GovernedMenu kGovernedMenus[] = {
    {&C::menuFile, &M::fileMenu},
    {&C::menuInterpreter, &M::interpreterMenu},
    {&C::menuCommands, &M::commandsMenu},
    {&C::menuHelp, &M::helpMenu},
};

}  // namespace

CommandBars::CommandBars(MainWindow& form) : QObject(&form), form_(form) {
    hints_ = new HintDisplay(form.Bench(), &form);
    menu_ = new MainMenu(form);
    MainMenu& m = *menu_;

    toolBar_ = new MainToolBar(m, &form);
    form.addToolBar(Qt::TopToolBarArea, toolBar_);
    toolBar_->SetPopup(m.toolBarMenu);

    QStatusBar* status = form.statusBar();
    status->setStatusTip(Tr("CommandBars", "Строка состояния.  Ее можно спрятать"));
    MainMenu::Attach(status, m.statusBarMenu);

    views_ = new ViewToggles(
        {m.viewToolBarAction, m.viewStatementAction, m.viewAlphabetAction, m.viewStatusBarAction},
        this);
    views_->SetRegion(ViewToggles::View::ToolBar, toolBar_);
    views_->SetRegion(ViewToggles::View::StatusBar, status);
    // The statement starts hidden and is shown by one toggle at start-up,
    // which also gives its item the toggle's hint.
    views_->Toggle(ViewToggles::View::Statement);

    connect(m.helpContentsAction, &QAction::triggered, &form,
            [&form] { form.ShowHelpTopic(HelpTopic::Contents); });
    connect(m.aboutAction, &QAction::triggered, &form, &MainWindow::ShowAboutBox);

    RunController& run = form.Bench().RunControl();
    connect(&run, &RunController::ControlsChanged, this,
            [this, &run] { ApplyControls(run.Controls()); });
    ApplyControls(run.Controls());

    qApp->installEventFilter(this);
}

void CommandBars::ApplyControls(const ControlStates& states) {
    for (const Governed& item : kGoverned) {
        (menu_->*item.action)->setEnabled(states.*item.state);
    }
    for (const GovernedMenu& item : kGovernedMenus) {
        (menu_->*item.menu)->menuAction()->setEnabled(states.*item.state);
    }
}

void CommandBars::ApplyMachineVisibility(MachineKind kind) {
    const bool post = kind == MachineKind::Post;
    MainMenu& m = *menu_;
    // The pop-up menus and the toolbar show these same actions.
    for (QAction* item : {m.markAction, m.insertRowAction, m.deleteRowAction, m.appendRowAction}) {
        item->setVisible(post);
    }
    for (QAction* item :
         {m.writeSymbolAction, m.changeSymbolAction, m.insertColumnAction, m.deleteColumnAction,
          m.appendColumnAction, m.turingClearSeparator, m.clearAlphabetAction,
          m.clearCommentsAction, m.tapeChangeSymbolAction, m.viewAlphabetAction}) {
        item->setVisible(!post);
    }
    if (!post) {
        RedrawSymbolButton();
    }
}

void CommandBars::RedrawSymbolButton() {
    toolBar_->DrawSymbolButton(form_.Bench().Turing().currentTapeSymbol);
}

void CommandBars::SetRestoreHint(const QString& memorisedPicture) {
    toolBar_->SetButtonHint(5, Tr("CommandBars", "Восстановить ленту\n") + memorisedPicture);
}

bool CommandBars::ShortcutAvailable(const QKeySequence& keys) const {
    for (QAction* action : menu_->Actions()) {
        if (action->shortcut().isEmpty() || action->shortcut() != keys) {
            continue;
        }
        const QMenu* top = menu_->TopMenuOf(action);
        if (action->isEnabled() && action->isVisible() &&
            (!top || top->menuAction()->isEnabled())) {
            return true;
        }
    }
    return false;
}

bool CommandBars::EditorsOwnKeys(const QWidget* widget, const QKeyEvent& key) const {
    // Undo, redo and select-all keys in a text editor act inside it, as in
    // any editor; the finished edit then becomes one command of the
    // window's undo. Ctrl+A changes the tape symbol only from the tape,
    // the table and the other controls.
    // A combo box (the Post command chooser) opens its list with F4.
    if (qobject_cast<const QComboBox*>(widget) && key.key() == Qt::Key_F4 &&
        !(key.modifiers() & Qt::AltModifier)) {
        return true;
    }
    const bool editor = qobject_cast<const QLineEdit*>(widget) ||
                        qobject_cast<const QPlainTextEdit*>(widget) ||
                        qobject_cast<const QTextEdit*>(widget);
    if (!editor) {
        return false;
    }
    if (key.matches(QKeySequence::SelectAll)) {
        return true;
    }
    const QKeySequence keys(key.keyCombination());
    for (const QAction* action : {menu_->undoAction, menu_->redoAction}) {
        if (action->shortcuts().contains(keys)) {
            return true;
        }
    }
    return false;
}

bool CommandBars::eventFilter(QObject* watched, QEvent* event) {
    // A focused widget may claim a key for itself before the window's
    // shortcuts see it; leave such a key unclaimed when one of our items
    // can take it, but for the editing keys a text editor keeps.
    if (event->type() == QEvent::ShortcutOverride) {
        auto* widget = qobject_cast<QWidget*>(watched);
        auto* key = static_cast<QKeyEvent*>(event);
        const QKeySequence keys(key->keyCombination());
        if (widget && widget->window() == &form_ && !EditorsOwnKeys(widget, *key) &&
            ShortcutAvailable(keys)) {
            key->ignore();
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}
