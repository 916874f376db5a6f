#include "window/main/MainWindow.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDockWidget>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QScreen>
#include <QStackedLayout>
#include <QStackedWidget>
#include <QStatusBar>
#include <QStyle>
#include <QToolBar>
#include <QVBoxLayout>

#include "core/checking/CaseRun.h"
#include "core/diagram/ProgramDiagram.h"
#include "core/documents/DocumentCommands.h"
#include "core/documents/DocumentFile.h"
#include "core/run/RunController.h"
#include "core/text/Cp1251.h"
#include "core/workbench/InterpreterSwitch.h"
#include "window/diagram/DiagramCanvas.h"
#include "window/diagram/DiagramExportDialog.h"
#include "window/diagram/DiagramPanel.h"
#include "window/main/CommandWiring.h"
#include "window/main/EditHistory.h"
#include "window/main/ExampleMenu.h"
#include "window/main/KeyboardAccess.h"
#include "window/main/MainMenu.h"
#include "window/main/MainToolBar.h"
#include "window/main/ViewToggles.h"
#include "window/main/ViewZoom.h"
#include "window/post/PostTableView.h"
#include "window/tape/TapeHistoryPanel.h"
#include "window/tape/TapePanel.h"
#include "window/turing/TuringAlphabetPanel.h"
#include "window/turing/TuringTablePanel.h"
#include "window/turing/TuringTableView.h"

#include "core/text/Language.h"
#include "paper/DocumentPages.h"
#include "window/dialogs/AboutDialog.h"
#include "window/dialogs/CaseCheckDialog.h"
#include "window/dialogs/DocumentFileDialog.h"
#include "window/dialogs/HelpWindow.h"
#include "window/dialogs/MessageDialog.h"
#include "window/dialogs/PaperCommands.h"
#include "window/main/CommandBars.h"
#include "window/main/StatusBarPanel.h"
#include "window/resources/WindowColours.h"

MainWindow::MainWindow(QWidget* parent) : QMainWindow(parent), bench_(*this) {
    setObjectName(QStringLiteral("MainForm"));
    setMinimumSize(605, 450);
    // The custom-drawn areas take their colours from this window's palette,
    // which follows an application style sheet as well as the desktop.
    WindowColours::Follow(this);
    // The window keeps each run's last ticks for "Шаг назад".
    bench_.RunControl().KeepHistory(true);
    // and records the tape at every tick for "История ленты".
    bench_.RunControl().RecordTapeHistory(true);
    resize(605, 450);
    BuildStatusBar();
    bars_ = new CommandBars(*this);
    BuildRegions();
    message_ = new MessageDialog(this);
    about_ = new AboutDialog(this);
    help_ = new HelpWindow(this);
    wiring_ = new CommandWiring(*this);
    history_ = new EditHistory(bench_, *Bars().Menu().undoAction, *Bars().Menu().redoAction, this);
    // The examples are read when their menu first opens, not at start.
    QMenu* examples = Bars().Menu().examplesMenu;
    connect(
        examples, &QMenu::aboutToShow, this,
        [this, examples] {
            ExampleMenu::Fill(*examples, ExampleMenu::Find(ExampleMenu::Folder()),
                              [this](const QString& path) { OpenExample(path); });
        },
        Qt::SingleShotConnection);
    connect(Bars().Menu().checkCasesAction, &QAction::triggered, this,
            &MainWindow::CheckAgainstCases);
    BuildDiagram();
    new ViewZoom(*this);
    // Another document in a machine is no longer the example it held.
    for (Machine* machine :
         {static_cast<Machine*>(&bench_.Post()), static_cast<Machine*>(&bench_.Turing())}) {
        auto forget = [this, machine] { ExampleOf(machine->Kind()).clear(); };
        connect(machine, &Machine::DocumentLoaded, this, forget);
        connect(machine, &Machine::DocumentCleared, this, forget);
    }

    connect(&bench_.RunControl(), &RunController::ControlsChanged, this,
            &MainWindow::ApplyControls);
    connect(&bench_.RunControl(), &RunController::TableFocusRequested, this, [this] {
        if (CurrentTable()->isVisible()) {
            CurrentTable()->setFocus();
        }
    });
    connect(&bench_, &Workbench::TitleChanged, this, &MainWindow::UpdateTitle);
    UpdateTitle();
    Bars().ApplyMachineVisibility(MachineKind::Post);
    // Until the first switch the Turing entries of the clearing submenu
    // stay offered, acting on the empty Turing machine.
    for (QAction* item : {Bars().Menu().turingClearSeparator, Bars().Menu().clearAlphabetAction,
                          Bars().Menu().clearCommentsAction}) {
        item->setVisible(true);
    }
    ShowMachineViews(MachineKind::Post);
    KeyboardAccess::Apply(*this);
    postTable_->setFocus();
}

MainWindow::~MainWindow() {
    // The views read the Workbench, a member that goes before QWidget's own
    // destructor hides the window and moves the focus out of them: hidden
    // here, they lose the focus while what they read is still there.
    hide();
}

QPlainTextEdit* MainWindow::BuildStatement(Machine& machine, const QString& hint) {
    auto* memo = new QPlainTextEdit(statementRegion_);
    const PerMachine<QString> objectNames{QStringLiteral("memUsloviePst"),
                                          QStringLiteral("memUslovieTur")};
    memo->setObjectName(objectNames[machine.Kind()]);
    memo->setPlainText(machine.Statement());
    memo->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    memo->setToolTip(hint);
    memo->setStatusTip(hint);
    MainMenu::Attach(memo, Bars().Menu().statementMenu);
    // Typed text keeps to what a document can store; the model's text is
    // copied back only when it differs, so the caret stays where it is.
    connect(memo, &QPlainTextEdit::textChanged, this, [memo, &machine] {
        const QString clean =
            DocumentFile::MemoText(DocumentFile::MemoLines(Cp1251::Sanitize(memo->toPlainText())));
        machine.SetStatement(clean);
    });
    connect(&machine, &Machine::StatementChanged, memo, [memo](const QString& text) {
        if (memo->toPlainText() != text) {
            memo->setPlainText(text);
        }
    });
    return memo;
}

void MainWindow::BuildRegions() {
    auto* central = new QWidget(this);
    auto* column = new QVBoxLayout(central);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);

    statementRegion_ = new QWidget(central);
    statementRegion_->setObjectName(QStringLiteral("Panel1"));
    statementRegion_->setFixedHeight(34);
    auto* statementLayout = new QStackedLayout(statementRegion_);
    statements_[MachineKind::Post] = BuildStatement(
        bench_.Post(), Tr("MainWindow", "Условие задачи машины Поста. Его можно спрятать"));
    statements_[MachineKind::Turing] = BuildStatement(
        bench_.Turing(), Tr("MainWindow", "Условие задачи машины Тьюринга. Его можно спрятать"));
    statementLayout->addWidget(statements_[MachineKind::Post]);
    statementLayout->addWidget(statements_[MachineKind::Turing]);

    tape_ = new TapePanel(bench_, central);
    tape_->setObjectName(QStringLiteral("Panel2"));
    tape_->SetPopupMenu(Bars().Menu().tapeMenu);

    alphabet_ = new TuringAlphabetPanel(bench_, central);
    alphabet_->setObjectName(QStringLiteral("Panel4"));
    MainMenu::Attach(alphabet_->Frame(), Bars().Menu().alphabetFrameMenu);
    alphabet_->SetPopupMenu(Bars().Menu().alphabetMenu);

    tableRegion_ = new QStackedWidget(central);
    tableRegion_->setObjectName(QStringLiteral("Panel5"));
    postTable_ = new PostTableView(bench_, tableRegion_);
    postTable_->setObjectName(QStringLiteral("sgMainPst"));
    postTable_->SetContextMenu(Bars().Menu().tableMenu);
    turingPanel_ = new TuringTablePanel(bench_, tableRegion_);
    turingPanel_->Table()->SetContextMenu(Bars().Menu().tableMenu);
    MainMenu::Attach(turingPanel_->Comments(), Bars().Menu().commentsMenu);
    tableRegion_->addWidget(postTable_);
    tableRegion_->addWidget(turingPanel_);

    column->addWidget(statementRegion_);
    column->addWidget(tape_);
    tapeHistory_ = new TapeHistoryPanel(bench_, central);
    tapeHistory_->hide();
    column->addWidget(tapeHistory_);
    QAction* historyItem = Bars().Menu().viewHistoryAction;
    connect(historyItem, &QAction::toggled, this, [this, historyItem](bool on) {
        tapeHistory_->setVisible(on);
        historyItem->setStatusTip(on ? Tr("MainWindow", "Скрыть историю ленты")
                                     : Tr("MainWindow", "Показать историю ленты"));
    });
    connect(Bars().Menu().exportHistoryAction, &QAction::triggered, this,
            &MainWindow::ExportHistory);
    connect(Bars().Menu().exportPdfAction, &QAction::triggered, this, &MainWindow::ExportPdf);
    connect(Bars().Menu().printPreviewAction, &QAction::triggered, this,
            &MainWindow::PreviewDocument);
    connect(Bars().Menu().printAction, &QAction::triggered, this, &MainWindow::PrintDocument);
    column->addWidget(alphabet_);
    column->addWidget(tableRegion_, 1);
    setCentralWidget(central);

    Bars().Views().SetRegion(ViewToggles::View::Statement, statementRegion_);
    Bars().Views().SetRegion(ViewToggles::View::Alphabet, alphabet_);
}

QPoint MainWindow::BreakpointPlace() {
    const Machine& machine = bench_.Current();
    if (machine.Kind() == MachineKind::Turing && turingPanel_->Table()->MenuHeaderCol() >= 1) {
        return {turingPanel_->Table()->MenuHeaderCol(), 0};
    }
    const TextTable& table = bench_.Current().ProgramTable();
    return {table.Col(), table.Row()};
}

QWidget* MainWindow::CurrentTable() const {
    return PerMachine<QWidget*>{postTable_, turingPanel_->Table()}[bench_.Kind()];
}

void MainWindow::ShowMachineViews(MachineKind entering) {
    static_cast<QStackedLayout*>(statementRegion_->layout())->setCurrentWidget(Statement(entering));
    tableRegion_->setCurrentWidget(PerMachine<QWidget*>{postTable_, turingPanel_}[entering]);
    tape_->FollowMachineKind();
    tapeHistory_->FollowMachineKind();
}

void MainWindow::EnterMachine(MachineKind kind) {
    SwitchInterpreter(bench_, kind);
    Bars().ApplyMachineVisibility(kind);
    ShowMachineViews(kind);
    Bars().SetRestoreHint(bench_.Current().tape.MemorisedPicture());
    UpdateTitle();
}

void MainWindow::ChoosePostMachine() {
    const bool wasPost = bench_.Kind() == MachineKind::Post;
    Bars().Menu().postMachineAction->setChecked(true);
    if (wasPost) {
        return;  // the views already show the Post machine
    }
    ViewToggles& views = Bars().Views();
    if (views.IsShown(ViewToggles::View::Alphabet)) {
        views.Toggle(ViewToggles::View::Alphabet);
        views.SetAlphabetWasVisible(true);
    }
    EnterMachine(MachineKind::Post);
    postTable_->setFocus();
}

MachineKind MainWindow::ChooseMachineFor(const QString& path) {
    const MachineKind kind = DocumentCommands::KindToRead(path);
    if (kind == MachineKind::Post) {
        ChoosePostMachine();
    } else {
        ChooseTuringMachine();
    }
    return kind;
}

void MainWindow::OpenDocument(const QString& path) {
    ChooseMachineFor(path);
    DocumentCommands::OpenPath(bench_, path);
}

void MainWindow::BuildDiagram() {
    diagramDock_ = new QDockWidget(Tr("MainWindow", "Диаграмма"), this);
    diagramDock_->setFeatures(QDockWidget::DockWidgetClosable | QDockWidget::DockWidgetMovable);
    diagram_ = new DiagramPanel(bench_, diagramDock_);
    diagramDock_->setWidget(diagram_);
    addDockWidget(Qt::RightDockWidgetArea, diagramDock_);
    diagramDock_->hide();
    QAction* item = Bars().Menu().viewDiagramAction;
    connect(item, &QAction::toggled, this, &MainWindow::ShowDiagram);
    // The dock's own close button unchecks the item; the hint says what the
    // item would do, as the other view items' hints do.
    // (The item is the connection's context: the dock hides again while the
    // window is destroyed, after the item is gone.)
    QDockWidget* dock = diagramDock_;
    connect(dock, &QDockWidget::visibilityChanged, item, [dock, item] {
        const bool shown = !dock->isHidden();
        item->setChecked(shown);
        item->setStatusTip(shown ? Tr("MainWindow", "Скрыть диаграмму программы")
                                 : Tr("MainWindow", "Показать диаграмму программы"));
    });
    connect(Bars().Menu().exportDiagramAction, &QAction::triggered, this,
            &MainWindow::ExportDiagram);
}

// The window grows by the panel, so the tape and the table keep their
// width, but never past the screen's available area: what the screen lacks
// comes from the table side, down to the window's minimum size, and then
// from the panel. Closing the panel, by the item or its own button, gives
// the window back the width and place it had. The panel keeps the width it
// was left with.
void MainWindow::ShowDiagram(bool on) {
    if (!on) {
        if (!diagramDock_->isHidden()) {
            diagramWidth_ = diagramDock_->width();
            diagramDock_->hide();
        }
        if (beforeDiagram_ && !isMaximized() && !isFullScreen()) {
            resize(beforeDiagram_->size());
            move(beforeDiagram_->topLeft());
        }
        beforeDiagram_.reset();
        return;
    }
    if (!diagramDock_->isHidden()) {
        return;
    }
    const bool free = !isMaximized() && !isFullScreen();
    const int separator = style()->pixelMetric(QStyle::PM_DockWidgetSeparatorExtent);
    int panel = diagramWidth_;
    if (free) {
        beforeDiagram_ = QRect(pos(), size());
        int widest = width() + separator + panel;
        if (QScreen* shown = screen()) {
            const QRect area = shown->availableGeometry();
            const int frame = frameGeometry().width() - width();
            widest = std::min(widest, area.width() - frame);
            const int room = widest - separator - minimumWidth();
            panel = std::max(std::min(panel, room), diagramDock_->minimumSizeHint().width());
            resize(std::max(widest, minimumWidth()), height());
            // The grown window is moved left as far as it would leave the
            // screen.
            const int overhang = frameGeometry().right() - area.right();
            if (overhang > 0) {
                move(std::max(area.left(), x() - overhang), y());
            }
        } else {
            resize(widest, height());
        }
    }
    diagramDock_->show();
    resizeDocks({diagramDock_}, {panel}, Qt::Horizontal);
}

void MainWindow::ExportDiagram() {
    DiagramExportDialog dialog(this);
    const QString path = dialog.Ask();
    if (path.isEmpty()) {
        return;
    }
    const QString error = diagram_->Export(path, dialog.ChosenFormat());
    if (!error.isEmpty()) {
        Beep();
        ShowMessageDialog({MessageKind::CommandError, Tr("MainWindow", "Экспорт диаграммы"),
                           Tr("MainWindow", "Диаграмма не записана: ") + error});
    }
}

void MainWindow::ExportHistory() {
    ExportToFile(this, *message_, Tr("MainWindow", "Экспорт истории"),
                 Tr("MainWindow", "Рисунок PNG|*.png"), QStringLiteral("png"),
                 Tr("MainWindow", "История не записана: "),
                 [this](const QString& path) { return tapeHistory_->Export(path); });
}

QString MainWindow::WritePdf(const QString& path) {
    Machine& machine = bench_.Current();
    return PaperCommands::WritePdf(
        path, machine.document.DisplayedName(), [&machine](PageWriter& out) {
            DocumentPages::Paint(out, machine, machine.document.DisplayedName());
        });
}

void MainWindow::ExportPdf() {
    ExportToFile(this, *message_, Tr("MainWindow", "Экспорт в PDF"),
                 Tr("MainWindow", "Документ PDF|*.pdf"), QStringLiteral("pdf"),
                 Tr("MainWindow", "Документ не записан: "),
                 [this](const QString& path) { return WritePdf(path); });
}

void MainWindow::PreviewDocument() {
    Machine& machine = bench_.Current();
    PaperCommands::Preview(this, machine.document.DisplayedName(), [&machine](PageWriter& out) {
        DocumentPages::Paint(out, machine, machine.document.DisplayedName());
    });
}

void MainWindow::PrintDocument() {
    Machine& machine = bench_.Current();
    PaperCommands::Print(this, machine.document.DisplayedName(), [&machine](PageWriter& out) {
        DocumentPages::Paint(out, machine, machine.document.DisplayedName());
    });
}

void MainWindow::OpenExample(const QString& path) {
    const MachineKind kind = ChooseMachineFor(path);
    if (DocumentCommands::OpenExample(bench_, path)) {
        ExampleOf(kind) = path;
    }
}

QString MainWindow::CasesPathOf(MachineKind kind) {
    const Machine& machine = bench_.MachineOf(kind);
    for (const QString& document :
         {machine.document.hasFileName ? machine.document.fileName : QString(), ExampleOf(kind)}) {
        if (document.isEmpty()) {
            continue;
        }
        const QFileInfo info(document);
        QString cases = info.dir().filePath(info.completeBaseName() + QStringLiteral(".cases"));
        if (QFileInfo(cases).isFile()) {
            return cases;
        }
    }
    return {};
}

void MainWindow::CheckAgainstCases() {
    const MachineKind kind = bench_.Kind();
    if (bench_.RunControl().Active(bench_.Current())) {
        return;
    }
    QString path = CasesPathOf(kind);
    if (path.isEmpty()) {
        // The dialog opens in the document's folder, where its cases are
        // likely kept.
        const MachineDocument& document = bench_.Current().document;
        const QString pattern =
            document.hasFileName
                ? QFileInfo(document.fileName).dir().filePath(QStringLiteral("*.cases"))
                : QStringLiteral("*.cases");
        path = AskOpenFileName({Tr("MainWindow", "Файл тестов"), Tr("MainWindow", "Тесты|*.cases"),
                                QStringLiteral("cases"), pattern});
        if (path.isEmpty()) {
            return;
        }
    }
    DocumentFile::ReadStatus status = DocumentFile::ReadStatus::Ok;
    const CasesFile cases = ReadCasesFile(path, status);
    if (status != DocumentFile::ReadStatus::Ok || !cases.error.isEmpty()) {
        Beep();
        ShowMessageDialog(
            {MessageKind::CommandError, Tr("MainWindow", "Проверка по тестам"),
             status != DocumentFile::ReadStatus::Ok
                 ? Tr("MainWindow", "Файл тестов не удалось прочитать: ") + path + u'\n' +
                       DocumentFile::ReadStatusText(status)
                 : Tr("MainWindow", "Ошибка в файле тестов: ") + cases.problem.Russian()});
        return;
    }
    CaseCheckDialog dialog(kind, bench_.Current().Saved(), cases.cases, QFileInfo(path).fileName(),
                           this);
    dialog.SetDocumentName(bench_.Current().document.DisplayedName());
    dialog.Start();
    dialog.exec();
    if (dialog.Chosen()) {
        LoadCase(*dialog.Chosen());
    }
}

void MainWindow::LoadCase(const CaseChoice& choice) {
    const RunCase& runCase = choice.runCase;
    std::optional<QString> text = runCase.input;
    std::optional<int> start = runCase.start;
    std::optional<int> carriage = runCase.carriage;
    if (choice.result) {
        text = choice.result->tape;
        start = choice.result->firstCell;
        carriage = choice.result->carriage;
    }
    // Checked before the machine is touched: a case it cannot hold leaves
    // the tape, the undo history and the modified flag as they were.
    const MachineKind kind = bench_.Kind();
    const QString alphabet = kind == MachineKind::Turing ? bench_.Turing().Alphabet() : QString();
    if (const std::optional<TapeSetupError> error =
            CheckTape(kind, &alphabet, text, start, carriage)) {
        Beep();
        ShowMessageDialog({MessageKind::CommandError, Tr("MainWindow", "Проверка по тестам"),
                           Tr("MainWindow", "Тест из строки %1 нельзя поставить на ленту: %2.")
                               .arg(runCase.line)
                               .arg(error->Russian())});
        return;
    }
    bench_.Current().NameEdit(choice.result ? EditKind::TestResult : EditKind::LoadTest);
    bench_.NoteEdit();
    PlaceTape(bench_, text, start, carriage);
    bench_.RunControl().RefreshBoundButtons();
    bench_.SetStatusText(
        Workbench::PanelMessage,
        choice.result ? Tr("MainWindow", "Результат теста из строки %1 на ленте").arg(runCase.line)
                      : Tr("MainWindow", "Тест из строки %1 на ленте. F8 - выполнить по шагам")
                            .arg(runCase.line));
    CurrentTable()->setFocus();
}

void MainWindow::ChooseTuringMachine() {
    const bool wasTuring = bench_.Kind() == MachineKind::Turing;
    Bars().Menu().turingMachineAction->setChecked(true);
    if (wasTuring) {
        return;  // re-selecting leaves the views as they are
    }
    ViewToggles& views = Bars().Views();
    if ((firstTuringEntry_ || views.AlphabetWasVisible()) &&
        !views.IsShown(ViewToggles::View::Alphabet)) {
        views.Toggle(ViewToggles::View::Alphabet);
    }
    firstTuringEntry_ = false;
    EnterMachine(MachineKind::Turing);
    if (views.IsShown(ViewToggles::View::Alphabet)) {
        alphabet_->Editor()->setFocus();
    } else {
        turingPanel_->Table()->setFocus();
    }
}

void MainWindow::ApplyControls() {
    const ControlStates& c = bench_.RunControl().Controls();
    // While a scroll to a used bound runs, nothing but the view menu and the
    // two bound buttons may change the tape.
    if (c.boundScroll) {
        bars_->ToolBar().setEnabled(false);
        for (QMenu* menu :
             {Bars().Menu().fileMenu, Bars().Menu().editMenu, Bars().Menu().interpreterMenu,
              Bars().Menu().commandsMenu, Bars().Menu().runMenu, Bars().Menu().speedMenu,
              Bars().Menu().helpMenu}) {
            menu->menuAction()->setEnabled(false);
        }
        tableRegion_->setEnabled(false);
    } else {
        bars_->ToolBar().setEnabled(true);
        Bars().Menu().runMenu->menuAction()->setEnabled(true);
        Bars().Menu().editMenu->menuAction()->setEnabled(true);
        Bars().Menu().speedMenu->menuAction()->setEnabled(true);
        tableRegion_->setEnabled(true);
        bars_->ApplyControls(c);
    }
    Bars().Menu().checkCasesAction->setEnabled(!c.boundScroll &&
                                               !bench_.RunControl().Active(bench_.Current()));
    Bars().Menu().stepBackAction->setStatusTip(
        MainMenu::StepBackHint(bench_.RunControl().HistoryTrimmed(bench_.Current())));
    if (c.busy != busyShown_) {
        busyShown_ = c.busy;
        if (c.busy) {
            QApplication::setOverrideCursor(Qt::BusyCursor);
        } else {
            QApplication::restoreOverrideCursor();
        }
    }
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (DocumentCommands::CloseQuery(bench_)) {
        event->accept();
    } else {
        event->ignore();
    }
}

void MainWindow::keyPressEvent(QKeyEvent* event) {
    if (!tape_->TapeKeyDown(event)) {
        QMainWindow::keyPressEvent(event);
    }
}

QStringList MainWindow::LongestStatusTexts(int panel) {
    // The widest each small panel must show whole: a step of a run of up to
    // 10^9 steps after either machine's prefix, and the farthest bounds.
    const QString farthest = QString::number(-TapeStore::TapeLimit);
    switch (panel) {
        case Workbench::PanelStep:
            return {Workbench::StatusStartText(panel),
                    bench_.Post().StepPrefix() + QStringLiteral("1000000000"),
                    bench_.Turing().StepPrefix() + QStringLiteral("1000000000")};
        case Workbench::PanelMin:
            return {Workbench::StatusStartText(panel), QStringLiteral("min: ") + farthest};
        case Workbench::PanelMax:
            return {Workbench::StatusStartText(panel), QStringLiteral("max: ") + farthest};
        case Workbench::PanelModified:
            return {Tr("MainWindow", "Изменен")};
        default:
            return {};
    }
}

// The status panels' widths in pixels: the most the message panel takes,
// and the least of each small one, which grows to its longest text.
constexpr std::array<int, Workbench::StatusPanelCount> kStatusPanelWidths = {355, 65, 60, 60, 50};

void MainWindow::BuildStatusBar() {
    QStatusBar* bar = statusBar();
    bar->setObjectName(QStringLiteral("StatusBar"));
    bar->setSizeGripEnabled(true);
    for (int i = 0; i < Workbench::StatusPanelCount; ++i) {
        auto* label = new StatusBarPanel(
            i == Workbench::PanelModified ? Qt::AlignHCenter : Qt::AlignLeft, bar);
        label->SetText(bench_.StatusText(i));
        const int width = kStatusPanelWidths[std::size_t(i)];
        if (i == Workbench::PanelMessage) {
            // The message panel gives way when the window is at its
            // narrowest, so the four small panels keep their places.
            label->setMinimumWidth(100);
            label->setMaximumWidth(width);
            label->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
        } else {
            label->KeepWidthFor(width, LongestStatusTexts(i));
        }
        bar->addWidget(label, i == Workbench::PanelMessage ? 1 : 0);
        statusPanels_[std::size_t(i)] = label;
    }
    connect(&bench_, &Workbench::StatusTextChanged, this, &MainWindow::ShowStatusText);
    connect(&bench_.RunControl(), &RunController::RunViewChanged, this,
            [this] { ShowStatusText(Workbench::PanelMessage); });
}

void MainWindow::ShowStatusText(int panel) {
    QString text = bench_.StatusText(panel);
    // A run's error is led by the row or cell it failed at while that stays
    // framed and the message is the error's ("строка 7  -  ошибка: ..."),
    // so the place shows even in a narrow panel.
    if (panel == Workbench::PanelMessage) {
        const FailurePlace* place = bench_.RunControl().FailedAt(bench_.Current());
        if (place && !place->name.isEmpty() && text == place->status) {
            text.prepend(place->name);
        }
    }
    statusPanels_[std::size_t(panel)]->SetText(text);
}

void MainWindow::UpdateTitle() {
    setWindowTitle(bench_.Title());
}

DialogAnswer MainWindow::ShowMessageDialog(const MessageRequest& request) {
    return message_->Ask(request);
}

void MainWindow::ShowHelpTopic(int context) {
    help_->ShowTopic(context);
}

void MainWindow::ShowAboutBox() {
    about_->ShowModal();
}

void MainWindow::Beep() {
    QApplication::beep();
}

QString MainWindow::AskOpenFileName(const FileDialogRequest& request) {
    return DocumentFileDialog(this, request, QFileDialog::AcceptOpen).Ask();
}

QString MainWindow::AskSaveFileName(const FileDialogRequest& request) {
    return DocumentFileDialog(this, request, QFileDialog::AcceptSave).Ask();
}
