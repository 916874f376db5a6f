#include "window/main/CommandWiring.h"

#include <QAction>
#include <QMenu>
#include <QToolBar>

#include "core/documents/DocumentCommands.h"
#include "core/editing/TableCommands.h"
#include "core/run/RunController.h"
#include "window/main/CommandBars.h"
#include "window/main/MainMenu.h"
#include "window/main/MainToolBar.h"
#include "window/main/MainWindow.h"
#include "window/main/ToolButton.h"
#include "window/main/ViewToggles.h"
#include "window/post/PostTableView.h"
#include "window/tape/TapePanel.h"
#include "window/turing/TuringAlphabetPanel.h"

CommandWiring::CommandWiring(MainWindow& form) : QObject(&form), form_(form) {
    WireFile();
    WireCommands();
    WireRun();
}

void CommandWiring::FocusTable() {
    if (QWidget* table = form_.CurrentTable(); table && table->isVisible()) {
        table->setFocus();
    }
}

void CommandWiring::WireFile() {
    MainMenu& m = form_.Bars().Menu();
    Workbench& bench = form_.Bench();
    connect(m.newAction, &QAction::triggered, this, [&bench] { DocumentCommands::New(bench); });
    connect(m.openAction, &QAction::triggered, this, [this, &bench] {
        DocumentCommands::Open(bench);
        FocusTable();
    });
    connect(m.saveAction, &QAction::triggered, this, [&bench] { DocumentCommands::Save(bench); });
    connect(m.saveAsAction, &QAction::triggered, this,
            [&bench] { DocumentCommands::SaveAs(bench); });
    connect(m.exitAction, &QAction::triggered, &form_, &QWidget::close);
    connect(m.postMachineAction, &QAction::triggered, &form_, &MainWindow::ChoosePostMachine);
    connect(m.turingMachineAction, &QAction::triggered, &form_, &MainWindow::ChooseTuringMachine);
}

void CommandWiring::ChangeSymbol(bool fromPopup) {
    TapePanel* tape = form_.Tape();
    const QPoint corner = form_.mapToGlobal(QPoint(0, 0));
    MainToolBar& toolBar = form_.Bars().ToolBar();
    if (!fromPopup && toolBar.isVisible()) {
        const QWidget* symbolButton = toolBar.SymbolButtonWidget();
        tape->ChangeSymbol(
            TapePanel::SymbolListFromButton(corner, symbolButton->mapTo(&form_, QPoint(0, 0)).x()));
    } else {
        const int toolbarHeight = toolBar.isVisible() ? toolBar.height() : 0;
        const int statementHeight =
            form_.StatementPanel()->isVisible() ? form_.StatementPanel()->height() : 0;
        tape->ChangeSymbol(tape->SymbolListFromPopup(corner, toolbarHeight, statementHeight));
    }
}

void CommandWiring::WireCommands() {
    MainMenu& m = form_.Bars().Menu();
    Workbench& bench = form_.Bench();
    TapePanel* tape = form_.Tape();

    connect(m.carriageLeftAction, &QAction::triggered, tape, &TapePanel::CarriageLeft);
    connect(m.carriageRightAction, &QAction::triggered, tape, &TapePanel::CarriageRight);
    connect(m.markAction, &QAction::triggered, tape, &TapePanel::ToggleMarksCommand);
    connect(m.writeSymbolAction, &QAction::triggered, tape, &TapePanel::WriteCurrentSymbol);
    connect(m.changeSymbolAction, &QAction::triggered, this, [this] { ChangeSymbol(false); });
    // The pop-up item places the list below the tape rather than under the
    // toolbar button.
    connect(m.tapeChangeSymbolAction, &QAction::triggered, this, [this] { ChangeSymbol(true); });
    connect(m.memoriseTapeAction, &QAction::triggered, tape, &TapePanel::MemoriseTape);
    connect(m.restoreTapeAction, &QAction::triggered, tape, &TapePanel::RestoreTape);
    connect(tape, &TapePanel::SymbolChosen, this, [this] { form_.Bars().RedrawSymbolButton(); });
    connect(tape, &TapePanel::TapeMemorised, this,
            [this](const QString& picture) { form_.Bars().SetRestoreHint(picture); });

    auto tableCommand = [this](QAction* item, void (*command)(Workbench&)) {
        connect(item, &QAction::triggered, this, [this, command] {
            command(form_.Bench());
            FocusTable();
        });
    };
    tableCommand(m.insertRowAction, &TableCommands::InsertRow);
    tableCommand(m.deleteRowAction, &TableCommands::DeleteRow);
    tableCommand(m.appendRowAction, &TableCommands::AppendRow);
    tableCommand(m.clearTableAction, &TableCommands::ClearTable);
    tableCommand(m.clearRowAction, &TableCommands::ClearRow);
    tableCommand(m.clearColumnAction, &TableCommands::ClearColumn);
    tableCommand(m.insertColumnAction, [](Workbench& b) { b.Turing().InsertColumn(); });
    tableCommand(m.deleteColumnAction, [](Workbench& b) { b.Turing().DeleteColumn(); });
    tableCommand(m.appendColumnAction, [](Workbench& b) { b.Turing().AppendColumn(); });

    connect(m.clearTapeAction, &QAction::triggered, tape, &TapePanel::ClearTape);
    connect(m.clearStatementAction, &QAction::triggered, this,
            [&bench] { DocumentCommands::ClearStatement(bench); });
    connect(m.clearCommentsAction, &QAction::triggered, this,
            [&bench] { DocumentCommands::ClearComments(bench); });
    connect(m.clearAlphabetAction, &QAction::triggered, this,
            [&bench] { bench.Turing().ClearAlphabet(); });
    connect(m.clearAllAction, &QAction::triggered, this,
            [&bench] { DocumentCommands::ClearAll(bench); });
}

void CommandWiring::WireRun() {
    MainMenu& m = form_.Bars().Menu();
    RunController& run = form_.Bench().RunControl();
    connect(m.runAction, &QAction::triggered, &run, &RunController::Run);
    connect(m.pauseAction, &QAction::triggered, &run, &RunController::Pause);
    connect(m.stepAction, &QAction::triggered, &run, &RunController::Step);
    connect(m.stepBackAction, &QAction::triggered, &run, &RunController::StepBack);
    connect(m.breakAction, &QAction::triggered, &run, &RunController::Break);
    connect(m.runToCursorAction, &QAction::triggered, &run, &RunController::RunToCursor);
    // On a Turing state's header the pop-up's item marks the whole state.
    connect(m.breakpointAction, &QAction::triggered, this, [this, &run] {
        const QPoint place = form_.BreakpointPlace();
        run.ToggleBreakpointAt(place.x(), place.y());
    });
    connect(m.clearBreakpointsAction, &QAction::triggered, &run, &RunController::ClearBreakpoints);
    for (QAction* speed : {m.speedVerySlowAction, m.speedSlowAction, m.speedMediumAction,
                           m.speedFastAction, m.speedVeryFastAction, m.speedInstantAction}) {
        connect(speed, &QAction::triggered, &run,
                [&run, speed] { run.SetSpeed(speed->data().toInt()); });
    }
    m.speedMediumAction->setChecked(true);
    run.SetSpeed(RunController::DefaultSpeed);
}
