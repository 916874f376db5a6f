#pragma once
// Starts, single-steps, pauses and breaks off the current machine's program.
// It owns the run state: the flags shared by both machines (a run started,
// step mode), each machine's run (active, edited since the start, its
// position and step count), the two run timers and the speed; and it applies
// the enabling pattern of each command (RunEnabling) to the controls
// (ControlStates), announced by ControlsChanged.
// Each timer tick is one step of the machine, which returns an outcome; the
// controller's OutcomeReporter alone turns the one that ends a run into
// Break or Pause, the message dialog and the status texts. The tick
// functions are public so that tests and the batch runner drive runs
// without waiting.
//
// Run states of the current machine: Idle (timer off, not active), Running
// (timer on), Stepping (timer on, StepMode), Paused (timer off, active).

#include <QObject>
#include <QTimer>
#include <optional>

#include "core/machine/Machine.h"
#include "core/machine/MachineHost.h"
#include "core/machine/RunPosition.h"
#include "core/machine/StepOutcome.h"
#include "core/port/Ui.h"
#include "core/run/Breakpoints.h"
#include "core/run/ControlStates.h"
#include "core/run/LoopFinder.h"
#include "core/run/OutcomeReporter.h"
#include "core/run/RunEnabling.h"
#include "core/run/StepHistory.h"
#include "core/run/TapeHistory.h"
#include "core/text/Language.h"

// One machine's run.
struct MachineRun {
    bool active = false;
    bool editedSinceStart = false;
    RunPosition position;
    // The controls as they stood when the machine was left with its run
    // paused, shown again when it is entered: the enabling pattern keeps
    // some controls from earlier commands, so a paused run cannot be told
    // from its flags alone (the break button and the go-to box differ
    // between a continuous run and single steps).
    ControlStates leftWith;
    // The ticks that can be taken back.
    StepHistory history;
    // Where the last run failed, until the next edit or run.
    std::optional<FailurePlace> failedAt;
    // The program and tape as the last run ended, while its ticks are kept
    // to be taken back from the end: a step back checks that nothing has
    // changed them since.
    std::optional<MachineContents> endedWith;
    // The tape at every tick since the fresh start, while recorded; kept
    // after the run ends until the next edit or fresh start.
    TapeHistory tapeHistory;
    // Watches the ticks for a configuration repeated (LoopReporter tells it).
    LoopFinder loops;
    // Where a run pauses, for the session; a new document has none.
    Breakpoints breakpoints;
};

class RunController : public QObject {
    Q_OBJECT
public:
    enum class RunState { Idle, Running, Stepping, Paused };

    // Speed levels 1 ("Очень медленно") to 5 ("Очень быстро"), and 6,
    // "Мгновенно": as fast as the machine steps, in slices of at most
    // SliceMilliseconds between which the window repaints and takes input.
    static constexpr int DefaultSpeed = 3;  // "Средне"
    static constexpr int InstantSpeed = 6;
    static constexpr int SliceMilliseconds = 15;
    // At "Мгновенно" the run stops to ask whether to go on after so many
    // steps since it was started or resumed.
    static constexpr qint64 AskEverySteps = 1000000;
    static int SpeedInterval(int level);
    static QString SpeedCaption(int level);

    RunController(MachineHost& host, QObject* parent);

    void Run();    // runAction, F9: a continuous run
    void Step();   // stepAction, F8: one step
    void Pause();  // pauseAction: holds a run where it is
    void Break();  // breakAction: ends a run
    // runToCursorAction, F4: a continuous run that pauses once the command
    // at the table's cursor is announced (or ends as any run ends).
    void RunToCursor();

    // --- Breakpoints ---
    // The message panel's text of a run paused on a breakpoint.
    static QString BreakpointStatus() { return Tr("RunController", "  -  точка останова"); }
    const Breakpoints& BreakpointsOf(const Machine& machine) const {
        return RunOf(machine).breakpoints;
    }
    // The place a breakpoint at table cell (col, row) of `machine` stands
    // for: a Post row, a Turing state (its column header) or a Turing cell;
    // none for the table's other fixed cells.
    static std::optional<Breakpoints::Place> BreakpointPlace(const Machine& machine, int col,
                                                             int row);
    // breakpointAction, F5: toggles the breakpoint at the current
    // machine's table cursor, or at the cell given.
    void ToggleBreakpoint();
    void ToggleBreakpointAt(int col, int row);
    // clearBreakpointsAction: the current machine's are all removed.
    void ClearBreakpoints();

    void SetSpeed(int level);
    int Speed() const { return speed_; }

    // One tick of a machine's run; the timers' ticks.
    void Tick(Machine& machine);
    // Up to `count` ticks one after another, as many timer ticks would run
    // them, ending early when the run ends or pauses after a single step,
    // or once `budgetMs` milliseconds have passed when it is positive; the
    // views hear of the tape, the table's cursor and the status line once,
    // at the end. Returns the ticks run. A headless run uses it, and so does
    // a run on screen at "Мгновенно"; slower runs tick once per timer tick.
    qint64 RunTicks(Machine& machine, qint64 count, int budgetMs = 0);
    void PostRunTick();
    void TuringRunTick();
    QTimer& PostRunTimer() { return timers_[MachineKind::Post]; }
    QTimer& TuringRunTimer() { return timers_[MachineKind::Turing]; }
    QTimer& TimerOf(const Machine& machine);

    RunState State() const;

    // --- The run state ---
    const MachineRun& RunOf(const Machine& machine) const { return runs_[machine.Kind()]; }
    bool Active(const Machine& machine) const { return RunOf(machine).active; }
    bool EditedSinceStart(const Machine& machine) const { return RunOf(machine).editedSinceStart; }
    void SetEditedSinceStart(const Machine& machine, bool on) {
        runs_[machine.Kind()].editedSinceStart = on;
    }
    // An edit of `machine`: while its run is active, it was edited since the
    // start (the next Run asks whether to start again).
    void NoteEdit(const Machine& machine) {
        MachineRun& run = runs_[machine.Kind()];
        if (run.active) {
            run.editedSinceStart = true;
        }
        ClearHistory(run);
        ForgetFailure(run);
        run.loops.Reset();
    }
    // Where the machine's last run failed, while no edit or run has
    // followed; null otherwise.
    const FailurePlace* FailedAt(const Machine& machine) const {
        const MachineRun& run = runs_[machine.Kind()];
        return run.failedAt ? &*run.failedAt : nullptr;
    }

    // --- Stepping back ---
    // The window keeps each machine's last ticks so that "Шаг назад" can
    // take them back, from a paused run or from the end of a run (an error,
    // the stop command or Break) as long as nothing changed since; a
    // headless run keeps none.
    static constexpr int HistoryLimit = StepHistory::kDefaultLimit;
    void KeepHistory(bool on) { keepHistory_ = on; }
    bool CanStepBack() const;
    bool HistoryTrimmed(const Machine& machine) const { return RunOf(machine).history.Trimmed(); }
    // Shift+F8: the current machine as it was before its last tick, paused.
    void StepBack();
    // As StepBack, `count` ticks at once (as many as are kept, if fewer).
    void TakeBackTicks(qint64 count);
    // The document was replaced (new, opened): nothing of its runs is kept.
    void ForgetRuns(Machine& machine);
    const RunPosition& Position(const Machine& machine) const { return RunOf(machine).position; }

    // --- The tape's history (TapeHistory) ---
    // The history panel and the runner's picture record every tick.
    void RecordTapeHistory(bool on) { recordTape_ = on; }
    const TapeHistory& TapeHistoryOf(const Machine& machine) const {
        return RunOf(machine).tapeHistory;
    }
    // Steps the current machine's paused run back as "Шаг назад" would,
    // until `tick` ticks of its history remain or no step back is left.
    void StepBackTo(qint64 tick);
    // A run was started and not broken since (RunStarted), and a single
    // step is asked for or pending (StepMode).
    bool RunStarted() const { return runStarted_; }
    bool StepMode() const { return stepMode_; }
    // What the tick that ended the last run returned.
    const StepOutcome& LastOutcome() const { return lastOutcome_; }

    // The refusal of a carriage move off the tape, and how every failure is
    // told: see OutcomeReporter.
    void ReportOffTape() { reporter_.ReportOffTape(); }
    void ReportFailure(const QString& caption, const QString& message, int helpTopic,
                       const QString& status) {
        reporter_.ReportFailure(caption, message, helpTopic, status);
    }
    // A program runs continuously (or a single step is pending) exactly
    // while the Pause command is available.
    bool PauseAvailable() const { return controls_.runPause; }

    const ControlStates& Controls() const { return controls_; }
    // The two scroll-to-bound buttons from the current tape: on exactly when
    // the lowest (highest) used cell lies left (right) of the tape window.
    void RefreshBoundButtons();
    // "Восстановить ленту": its toolbar button and its menu items.
    void SetRestoreEnabled(bool on);
    // Applies the states the interpreter switch decides (the machine's own
    // toolbar buttons, restore) and announces them.
    void SetControls(const ControlStates& states);
    void SetBusy(bool on) {
        if (controls_.busy != on) {
            ChangeBusy(on);
        }
    }
    // The interpreter moved its position: the highlight is redrawn.
    void NotifyRunView() {
        if (observed_) {
            Q_EMIT RunViewChanged();
        }
    }
    // The interpreter switch: a single step still pending on the machine
    // being left is dropped (its run stays paused), and every control then
    // shows the entered machine's own run state, paused as it was left, or
    // idle.
    void LeaveMachine();
    void ShowRunStateOfCurrent();
    // A scroll to a used bound starts or ends (ControlStates::boundScroll).
    void SetBoundScroll(bool on);

Q_SIGNALS:
    void ControlsChanged();
    // The current machine's table should take the keyboard focus.
    void TableFocusRequested();
    // Run flags or the interpreter's position changed: the highlight of the
    // current row or cell must be redrawn.
    void RunViewChanged();
    // A machine's breakpoints were set, removed or forgotten.
    void BreakpointsChanged();

protected:
    void connectNotify(const QMetaMethod&) override { observed_ = true; }

private:
    // The outcomes work the run through PauseAfterStep and MarkFailure.
    friend class OutcomeReporter;
    // A loop found is told, and the run made again up to it, by LoopReporter.
    friend class LoopReporter;

    // Run and Step once the step mode is set.
    void Start();
    void ClearHistory(MachineRun& run);
    // One slice of a run at "Мгновенно", and the question every
    // AskEverySteps steps.
    void RunSlice(Machine& machine);
    // Back from the end of a run: the run active and paused again, unless
    // the program or tape changed since it ended.
    bool ReopenEndedRun(Machine& machine);
    void ForgetFailure(MachineRun& run);
    void RefreshStepBack();
    using Command = RunCommand;
    void ApplyPattern(Command command);
    void Publish(const ControlStates& before);
    bool LeftBoundFar() const;
    bool RightBoundFar() const;
    // A fresh start's position (the first row or state 0, no steps).
    void RestartPosition(Machine& machine);
    void PauseAfterStep(Machine& machine);
    // Where `machine`'s run failed, kept for the window until the next edit
    // or run.
    void MarkFailure(const Machine& machine, FailurePlace place);
    void ChangeBusy(bool on);

    MachineHost& host_;
    StatusLine& status_;
    PerMachine<QTimer> timers_;
    PerMachine<MachineRun> runs_;
    bool runStarted_ = false;
    bool stepMode_ = false;
    bool keepHistory_ = false;
    qint64 sinceAsked_ = 0;  // steps at "Мгновенно" since the last question
    bool recordTape_ = false;
    // The one place "Выполнить до курсора" runs to, until the run pauses
    // or ends; and whether breakpoints are passed over (a replay up to a
    // loop found).
    Breakpoints target_;
    bool stopsHeld_ = false;
    StepOutcome lastOutcome_;
    int speed_ = DefaultSpeed;
    ControlStates controls_;
    bool observed_ = false;
    OutcomeReporter reporter_{*this, host_};
};
