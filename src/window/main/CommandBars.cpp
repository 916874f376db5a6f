#include "window/main/CommandBars.h"

#include "core/port/HelpTopics.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QStatusBar>

#include "core/run/RunController.h"
#include "window/main/HintDisplay.h"
#include "window/main/MainMenu.h"
#include "window/main/MainToolBar.h"
#include "window/main/MainWindow.h"
#include "window/main/ViewToggles.h"

namespace {}

CommandBars::CommandBars(MainWindow& form) : QObject(&form), form_(form) {
    hints_ = new HintDisplay(form.bench(), &form);
    menu_ = new MainMenu(form);
    MainMenu& m = *menu_;

    toolBar_ = new MainToolBar(&form);
    form.addToolBar(Qt::TopToolBarArea, toolBar_);
    toolBar_->SetPopup(m.pmToolBar);
    buttonActions_ = {nullptr,          m.mmFileNew,       m.mmFileOpen, m.mmFileSave,
                      m.mmCommMemLenta, m.mmCommPastLenta, m.mmRunRun,   m.mmRunPause,
                      m.mmRunStep,      m.mmRunBreak,      m.mmCommMark, m.mmCommSimvol,
                      m.mmCommChange};
    // A button's hint is its short name and its menu item's hint.
    for (int n = 1; n <= MainToolBar::ButtonCount; ++n) {
        toolBar_->SetButtonHint(
            n, MainToolBar::ShortName(n) + QLatin1Char('|') + ButtonAction(n)->statusTip());
    }
    connect(toolBar_, &MainToolBar::ButtonClicked, this,
            [this](int n) { ButtonAction(n)->trigger(); });

    QStatusBar* status = form.statusBar();
    status->setStatusTip(QStringLiteral("Строка состояния.  Ее можно спрятать"));
    MainMenu::Attach(status, m.pmSost);

    views_ = new ViewToggles({m.mmViewToolBar, m.mmViewUslovie, m.mmViewAlf, m.mmViewSost}, this);
    views_->SetRegion(ViewToggles::View::ToolBar, toolBar_);
    views_->SetRegion(ViewToggles::View::StatusBar, status);
    // The statement starts hidden and is shown by one toggle at start-up,
    // which also gives its item the toggle's hint.
    views_->Toggle(ViewToggles::View::Statement);

    connect(m.mmHelpCont, &QAction::triggered, &form,
            [&form] { form.ShowHelpTopic(HelpTopic::Contents); });
    connect(m.aboutAction, &QAction::triggered, &form, &MainWindow::ShowAboutBox);

    RunController& run = form.bench().run();
    connect(&run, &RunController::ControlsChanged, this,
            [this, &run] { ApplyControls(run.Controls()); });
    ApplyControls(run.Controls());

    qApp->installEventFilter(this);
}

QAction* CommandBars::ButtonAction(int n) const {
    return n >= 1 && n <= MainToolBar::ButtonCount ? buttonActions_[std::size_t(n)] : nullptr;
}

void CommandBars::SetToolButtonEnabled(int n, bool on) {
    toolBar_->SetButtonEnabled(n, on);
    if (n == 5) {
        menu_->mmCommPastLenta->setEnabled(on);
        menu_->pmLentaPaste->setEnabled(on);
    }
}

void CommandBars::ApplyControls(const ControlStates& states) {
    for (int n = 1; n <= MainToolBar::ButtonCount; ++n) {
        SetToolButtonEnabled(n, states.toolButton[std::size_t(n)]);
    }
    MainMenu& m = *menu_;
    m.mmFile->menuAction()->setEnabled(states.menuFile);
    m.mmInter->menuAction()->setEnabled(states.menuInter);
    m.mmComm->menuAction()->setEnabled(states.menuComm);
    m.mmHelp->menuAction()->setEnabled(states.menuHelp);
    m.mmRunRun->setEnabled(states.runRun);
    m.mmRunPause->setEnabled(states.runPause);
    m.mmRunStep->setEnabled(states.runStep);
    m.mmRunBreak->setEnabled(states.runBreak);
}

void CommandBars::ApplyMachineVisibility(MachineKind kind) {
    const bool post = kind == MachineKind::Pst;
    MainMenu& m = *menu_;
    for (QAction* item : {m.mmCommMark, m.mmCommInsRow, m.mmCommDelRow, m.mmCommPlusRow, m.pmInsRow,
                          m.pmDelRow, m.pmPlusRow, m.pmLentaMark}) {
        item->setVisible(post);
    }
    for (QAction* item :
         {m.mmCommSimvol, m.mmCommChange, m.mmCommInsCol, m.mmCommDelCol, m.mmCommPlusCol,
          m.mmCommClearTur, m.mmCommClearAlf, m.mmCommClearComm, m.pmInsCol, m.pmDelCol,
          m.pmPlusCol, m.pmLentaSimvol, m.pmLentaChange, m.mmViewAlf}) {
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
    toolBar_->DrawSymbolButton(form_.bench().Turing().currentTapeSymbol);
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

bool CommandBars::eventFilter(QObject* watched, QEvent* event) {
    // A focused editor claims keys such as Ctrl+A for itself before the
    // window's shortcuts see them; leave such a key unclaimed when one of
    // our items can take it.
    if (event->type() == QEvent::ShortcutOverride) {
        auto* widget = qobject_cast<QWidget*>(watched);
        auto* key = static_cast<QKeyEvent*>(event);
        if (widget && widget->window() == &form_ &&
            ShortcutAvailable(QKeySequence(key->keyCombination()))) {
            key->ignore();
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}
