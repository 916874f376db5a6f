#pragma once
// The main window: it owns the Workbench with both machines, implements the
// Ui port for the core, and lays out, top to bottom, the toolbar, the task
// statement region, the tape panel, the tape's history (hidden at start),
// the Turing alphabet panel, the table
// region and the status bar. Exactly one machine's views
// are visible; the interpreter switch exchanges them. Menu commands are
// connected to the core by CommandWiring.

#include <QMainWindow>
#include <QRect>
#include <array>
#include <functional>
#include <optional>

#include "core/checking/CasesFile.h"
#include "core/port/Ui.h"
#include "core/workbench/Workbench.h"

class QPlainTextEdit;
class QStackedWidget;
class AboutDialog;
class CommandWiring;
class EditHistory;
class DiagramPanel;
class QDockWidget;
class MessageDialog;
class HelpWindow;
class CommandBars;
struct CaseChoice;
class StatusBarPanel;
class TapePanel;
class TapeHistoryPanel;
class TuringAlphabetPanel;
class TuringTablePanel;
class PostTableView;

class MainWindow : public QMainWindow, public Ui {
    Q_OBJECT
public:
    explicit MainWindow(QWidget* parent = nullptr);
    ~MainWindow() override;

    Workbench& Bench() { return bench_; }
    StatusBarPanel* StatusPanel(int n) const { return statusPanels_[std::size_t(n)]; }

    DialogAnswer ShowMessageDialog(const MessageRequest& request) override;
    void ShowHelpTopic(int context) override;
    void Beep() override;
    QString AskOpenFileName(const FileDialogRequest& request) override;
    QString AskSaveFileName(const FileDialogRequest& request) override;

    void UpdateTitle();

    MessageDialog* Messages() const { return message_; }
    HelpWindow* Help() const { return help_; }
    AboutDialog* AboutBox() const { return about_; }
    // Menus, toolbar, view toggles and the hint display.
    CommandBars& Bars() const { return *bars_; }
    // Undo and redo of each machine's edits.
    EditHistory& History() const { return *history_; }
    // The program's picture, in a dock beside the table, hidden at start.
    DiagramPanel* Diagram() const { return diagram_; }
    QDockWidget* DiagramDock() const { return diagramDock_; }

    // The region above the tape that shows the current machine's statement.
    QWidget* StatementPanel() const { return statementRegion_; }
    QPlainTextEdit* Statement(MachineKind kind) const { return statements_[kind]; }
    TapePanel* Tape() const { return tape_; }
    // The tape's history below the tape, hidden at start ("История ленты").
    TapeHistoryPanel* TapeHistoryView() const { return tapeHistory_; }
    TuringAlphabetPanel* Alphabet() const { return alphabet_; }
    PostTableView* PostTable() const { return postTable_; }
    TuringTablePanel* TuringPanel() const { return turingPanel_; }

    // The current machine's program table.
    QWidget* CurrentTable() const;
    // The table cell "Точка останова" acts on: the Turing state whose
    // header the pop-up menu was opened on, else the table's cursor.
    QPoint BreakpointPlace();

public Q_SLOTS:
    // "О программе" in the help menu.
    void ShowAboutBox();
    void ChoosePostMachine();
    void ChooseTuringMachine();
    // A document named on the command line (or by the file manager): the
    // machine its first bytes name becomes current and opens it as File >
    // Open would.
    void OpenDocument(const QString& path);
    // An example from "Примеры": its machine becomes current and opens it
    // untitled; its cases file is remembered for the check.
    void OpenExample(const QString& path);
    // "Проверить по тестам" (Ctrl+F9).
    void CheckAgainstCases();
    // "Экспорт диаграммы...".
    void ExportDiagram();
    // "Экспорт истории...".
    void ExportHistory();
    // "Экспорт в PDF...", "Предварительный просмотр" and "Печать...": the
    // current machine's document on paper (DocumentPages).
    void ExportPdf();
    void PreviewDocument();
    void PrintDocument();
    // Writes the current machine's pages to `path` as PDF, as documents
    // are written; an empty text, or why it failed.
    QString WritePdf(const QString& path);

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void BuildStatusBar();
    void ShowStatusText(int panel);
    QStringList LongestStatusTexts(int panel);
    void BuildDiagram();
    void ShowDiagram(bool on);
    void BuildRegions();
    QPlainTextEdit* BuildStatement(Machine& machine, const QString& hint);
    void ApplyControls();
    // The window's part of the interpreter switch; `entering` is the
    // machine becoming current.
    void ShowMachineViews(MachineKind entering);
    // The shared part of the switch, the entered machine's views, menus,
    // restore hint and title.
    void EnterMachine(MachineKind kind);

    Workbench bench_;
    std::array<StatusBarPanel*, Workbench::StatusPanelCount> statusPanels_{};
    // Created once with the window and reused for every call.
    MessageDialog* message_ = nullptr;
    AboutDialog* about_ = nullptr;
    HelpWindow* help_ = nullptr;
    CommandBars* bars_ = nullptr;
    CommandWiring* wiring_ = nullptr;
    EditHistory* history_ = nullptr;
    DiagramPanel* diagram_ = nullptr;
    QDockWidget* diagramDock_ = nullptr;
    int diagramWidth_ = 300;
    // The window's place and size before the diagram was shown, given back
    // when it closes.
    std::optional<QRect> beforeDiagram_;

    QWidget* statementRegion_ = nullptr;  // a stack of the two statement editors
    PerMachine<QPlainTextEdit*> statements_{};
    TapePanel* tape_ = nullptr;
    TapeHistoryPanel* tapeHistory_ = nullptr;
    TuringAlphabetPanel* alphabet_ = nullptr;
    QStackedWidget* tableRegion_ = nullptr;  // a stack of the two machines' tables
    PostTableView* postTable_ = nullptr;
    TuringTablePanel* turingPanel_ = nullptr;

    // The cases file the check uses: beside the document, else the
    // example's own, else one asked for.
    QString CasesPathOf(MachineKind kind);
    // Makes the machine whose document `path` is current (KindToRead).
    MachineKind ChooseMachineFor(const QString& path);
    QString& ExampleOf(MachineKind kind) { return exampleOf_[kind]; }
    void LoadCase(const CaseChoice& choice);

    // The example each machine holds untitled, while it holds it.
    PerMachine<QString> exampleOf_;
    bool firstTuringEntry_ = true;
    bool busyShown_ = false;
};
