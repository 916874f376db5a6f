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
    Workbench& bench = form_.bench();
    connect(m.mmFileNew, &QAction::triggered, this, [&bench] { DocumentCommands::New(bench); });
    connect(m.mmFileOpen, &QAction::triggered, this, [this, &bench] {
        DocumentCommands::Open(bench);
        FocusTable();
    });
    connect(m.mmFileSave, &QAction::triggered, this, [&bench] { DocumentCommands::Save(bench); });
    connect(m.mmFileSaveAs, &QAction::triggered, this,
            [&bench] { DocumentCommands::SaveAs(bench); });
    connect(m.mmFileExit, &QAction::triggered, &form_, &QWidget::close);
    connect(m.postMachineAction, &QAction::triggered, &form_, &MainWindow::ChoosePostMachine);
    connect(m.turingMachineAction, &QAction::triggered, &form_, &MainWindow::ChooseTuringMachine);
}

void CommandWiring::ChangeSymbol(bool fromPopup) {
    TapePanel* tape = form_.Tape();
    const QPoint corner = form_.mapToGlobal(QPoint(0, 0));
    MainToolBar& toolBar = form_.Bars().ToolBar();
    if (!fromPopup && toolBar.isVisible()) {
        const QWidget* button11 = toolBar.Button(11);
        tape->ChangeSymbol(
            TapePanel::SymbolListFromButton(corner, button11->mapTo(&form_, QPoint(0, 0)).x()));
    } else {
        const int toolbarHeight = toolBar.isVisible() ? toolBar.height() : 0;
        const int statementHeight =
            form_.StatementPanel()->isVisible() ? form_.StatementPanel()->height() : 0;
        tape->ChangeSymbol(tape->SymbolListFromPopup(corner, toolbarHeight, statementHeight));
    }
}

void CommandWiring::WireCommands() {
    MainMenu& m = form_.Bars().Menu();
    Workbench& bench = form_.bench();
    TapePanel* tape = form_.Tape();

    connect(m.mmCommLeft, &QAction::triggered, tape, &TapePanel::mmCommLeftClick);
    connect(m.mmCommRight, &QAction::triggered, tape, &TapePanel::mmCommRightClick);
    connect(m.mmCommMark, &QAction::triggered, tape, &TapePanel::ToggleMarksCommand);
    connect(m.mmCommSimvol, &QAction::triggered, tape, &TapePanel::WriteCurrentSymbol);
    connect(m.mmCommChange, &QAction::triggered, this, [this] { ChangeSymbol(false); });
    // The pop-up item places the list below the tape rather than under the
    // toolbar button, so it runs its own placement.
    disconnect(m.pmLentaChange, nullptr, m.mmCommChange, nullptr);
    connect(m.pmLentaChange, &QAction::triggered, this, [this] { ChangeSymbol(true); });
    connect(m.mmCommMemLenta, &QAction::triggered, tape, &TapePanel::MemoriseTape);
    connect(m.mmCommPastLenta, &QAction::triggered, tape, &TapePanel::RestoreTape);
    connect(tape, &TapePanel::SymbolChosen, this, [this] { form_.Bars().RedrawSymbolButton(); });
    connect(tape, &TapePanel::TapeMemorised, this,
            [this](const QString& picture) { form_.Bars().SetRestoreHint(picture); });

    auto tableCommand = [this](QAction* item, void (*command)(Workbench&)) {
        connect(item, &QAction::triggered, this, [this, command] {
            command(form_.bench());
            FocusTable();
        });
    };
    tableCommand(m.mmCommInsRow, &TableCommands::InsertRow);
    tableCommand(m.mmCommDelRow, &TableCommands::DeleteRow);
    tableCommand(m.mmCommPlusRow, &TableCommands::AppendRow);
    tableCommand(m.mmCommClearTable, &TableCommands::ClearTable);
    tableCommand(m.mmCommClearRow, &TableCommands::ClearRow);
    tableCommand(m.mmCommClearCol, &TableCommands::ClearColumn);
    tableCommand(m.mmCommInsCol, [](Workbench& b) { b.Turing().InsertColumn(); });
    tableCommand(m.mmCommDelCol, [](Workbench& b) { b.Turing().DeleteColumn(); });
    tableCommand(m.mmCommPlusCol, [](Workbench& b) { b.Turing().AppendColumn(); });

    connect(m.mmCommClearLenta, &QAction::triggered, tape, &TapePanel::ClearTape);
    connect(m.mmCommClearUsl, &QAction::triggered, this,
            [&bench] { DocumentCommands::ClearStatement(bench); });
    connect(m.mmCommClearComm, &QAction::triggered, this,
            [&bench] { DocumentCommands::ClearComments(bench); });
    connect(m.mmCommClearAlf, &QAction::triggered, this,
            [&bench] { bench.Turing().ClearAlphabet(); });
    connect(m.mmCommClearAll, &QAction::triggered, this,
            [&bench] { DocumentCommands::ClearAll(bench); });
}

void CommandWiring::WireRun() {
    MainMenu& m = form_.Bars().Menu();
    RunController& run = form_.bench().run();
    connect(m.mmRunRun, &QAction::triggered, &run, &RunController::Run);
    connect(m.mmRunPause, &QAction::triggered, &run, &RunController::Pause);
    connect(m.mmRunStep, &QAction::triggered, &run, &RunController::Step);
    connect(m.mmRunBreak, &QAction::triggered, &run, &RunController::Break);
    for (QAction* speed : {m.mmSpeed1, m.mmSpeed2, m.mmSpeed3, m.mmSpeed4, m.mmSpeed5}) {
        connect(speed, &QAction::triggered, &run,
                [&run, speed] { run.SetSpeed(speed->data().toInt()); });
    }
    m.mmSpeed3->setChecked(true);
    run.SetSpeed(RunController::DefaultSpeed);
}
