#include "window/main/CommandBars.h"

#include "core/port/HelpTopics.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QStatusBar>
#include <QTextEdit>

#include "core/run/RunController.h"
#include "window/main/HintDisplay.h"
#include "window/main/MainMenu.h"
#include "window/main/MainToolBar.h"
#include "window/main/MainWindow.h"
#include "window/main/ViewToggles.h"

namespace {

// The field of ControlStates each toolbar button follows, by its place.
using C = ControlStates;
constexpr std::array<bool C::*, MainToolBar::ButtonCount + 1> kButtonStates = {
    nullptr,         &C::newDocument, &C::openDocument, &C::saveDocument, &C::memoriseTape,
    &C::restoreTape, &C::runRun,      &C::runPause,     &C::runStep,      &C::runBreak,
    &C::mark,        &C::writeSymbol, &C::changeSymbol};

}  // namespace

CommandBars::CommandBars(MainWindow& form) : QObject(&form), form_(form) {
    hints_ = new HintDisplay(form.Bench(), &form);
    menu_ = new MainMenu(form);
    MainMenu& m = *menu_;

    toolBar_ = new MainToolBar(&form);
    form.addToolBar(Qt::TopToolBarArea, toolBar_);
    toolBar_->SetPopup(m.toolBarMenu);
    buttonActions_ = {nullptr,
                      m.newAction,
                      m.openAction,
                      m.saveAction,
                      m.memoriseTapeAction,
                      m.restoreTapeAction,
                      m.runAction,
                      m.pauseAction,
                      m.stepAction,
                      m.breakAction,
                      m.markAction,
                      m.writeSymbolAction,
                      m.changeSymbolAction};
    // A button's hint is its short name and its menu item's hint.
    for (int n = 1; n <= MainToolBar::ButtonCount; ++n) {
        toolBar_->SetButtonHint(
            n, MainToolBar::ShortName(n) + QLatin1Char('|') + ButtonAction(n)->statusTip());
    }
    connect(toolBar_, &MainToolBar::ButtonClicked, this,
            [this](int n) { ButtonAction(n)->trigger(); });

    QStatusBar* status = form.statusBar();
    status->setStatusTip(QStringLiteral("Строка состояния.  Ее можно спрятать"));
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

QAction* CommandBars::ButtonAction(int n) const {
    return n >= 1 && n <= MainToolBar::ButtonCount ? buttonActions_[std::size_t(n)] : nullptr;
}

void CommandBars::ApplyControls(const ControlStates& states) {
    for (int n = 1; n <= MainToolBar::ButtonCount; ++n) {
        toolBar_->SetButtonEnabled(n, states.*kButtonStates[std::size_t(n)]);
    }
    MainMenu& m = *menu_;
    m.restoreTapeAction->setEnabled(states.restoreTape);
    m.tapeRestoreAction->setEnabled(states.restoreTape);
    m.fileMenu->menuAction()->setEnabled(states.menuFile);
    m.interpreterMenu->menuAction()->setEnabled(states.menuInterpreter);
    m.commandsMenu->menuAction()->setEnabled(states.menuCommands);
    m.helpMenu->menuAction()->setEnabled(states.menuHelp);
    m.runAction->setEnabled(states.runRun);
    m.pauseAction->setEnabled(states.runPause);
    m.stepAction->setEnabled(states.runStep);
    m.stepBackAction->setEnabled(states.runStepBack);
    m.breakAction->setEnabled(states.runBreak);
}

void CommandBars::ApplyMachineVisibility(MachineKind kind) {
    const bool post = kind == MachineKind::Post;
    MainMenu& m = *menu_;
    for (QAction* item : {m.markAction, m.insertRowAction, m.deleteRowAction, m.appendRowAction,
                          m.tableInsertRowAction, m.tableDeleteRowAction, m.tableAppendRowAction,
                          m.tapeMarkAction}) {
        item->setVisible(post);
    }
    for (QAction* item :
         {m.writeSymbolAction, m.changeSymbolAction, m.insertColumnAction, m.deleteColumnAction,
          m.appendColumnAction, m.turingClearSeparator, m.clearAlphabetAction,
          m.clearCommentsAction, m.tableInsertColumnAction, m.tableDeleteColumnAction,
          m.tableAppendColumnAction, m.tapeWriteSymbolAction, m.tapeChangeSymbolAction,
          m.viewAlphabetAction}) {
        item->setVisible(!post);
    }
    toolBar_->SetButtonVisible(10, post);
    toolBar_->SetButtonVisible(MainToolBar::SymbolButton, !post);
    toolBar_->SetButtonVisible(MainToolBar::ChangeButton, !post);
    if (!post) {
        RedrawSymbolButton();
    }
}

void CommandBars::RedrawSymbolButton() {
    toolBar_->DrawSymbolButton(form_.Bench().Turing().currentTapeSymbol);
}

void CommandBars::SetRestoreHint(const QString& memorisedPicture) {
    toolBar_->SetButtonHint(5, QStringLiteral("Восстановить ленту\n") + memorisedPicture);
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
