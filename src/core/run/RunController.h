#pragma once
// Starts, single-steps, pauses and breaks off the current machine's program,
// owns the two run timers and the speed, and decides the enabled state of
// every control from the run state (ControlStates). Each timer tick is one
// interpreter step; the tick functions are public so that tests and the
// batch runner drive runs without waiting.
//
// Run states of the current machine: Idle (timer off, not active), Running
// (timer on), Stepping (timer on, StepMode), Paused (timer off, active).

#include <QObject>
#include <QTimer>
#include <array>

#include "core/run/ControlStates.h"

class Workbench;
class Machine;

class RunController : public QObject {
    Q_OBJECT
public:
    enum class RunState { Idle, Running, Stepping, Paused };

    // Speed levels 1 ("Очень медленно") to 5 ("Очень быстро").
    static constexpr int DefaultSpeed = 3;  // "Средне"
    static int SpeedInterval(int level);
    static QString SpeedCaption(int level);

    explicit RunController(Workbench& bench);

    void Run();    // mmRunRunClick
    void Step();   // mmRunStepClick
    void Pause();  // mmRunPauseClick
    void Break();  // mmRunBreakClick

    void SetSpeed(int level);
    int Speed() const { return speed_; }

    void TimePuskPstTimer();
    void TimePuskTurTimer();
    QTimer& TimePuskPst() { return timePuskPst_; }
    QTimer& TimePuskTur() { return timePuskTur_; }
    QTimer& TimerOf(const Machine& machine);

    RunState State() const;
    // A program runs continuously (or a single step is pending) exactly
    // while the Pause command is available.
    bool PauseAvailable() const { return controls_.runPause; }

    const ControlStates& Controls() const { return controls_; }
    // The two scroll-to-bound buttons from the current tape: on exactly when
    // the lowest (highest) used cell lies left (right) of the tape window.
    void RefreshBoundButtons();
    // Toolbar button 5 and the restore menu items.
    void SetRestoreEnabled(bool on);
    // Applies the states the interpreter switch decides (the machine's own
    // toolbar buttons, restore) and announces them.
    void SetControls(const ControlStates& states);
    void SetBusy(bool on);
    // The interpreter moved its position: the highlight is redrawn.
    void NotifyRunView() {
        if (observed_) {
            Q_EMIT RunViewChanged();
        }
    }
    // The interpreter switch: a single step still pending on the machine
    // being left is dropped (its run stays paused), and the run items and
    // views then show the entered machine's own run state, paused or idle.
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

protected:
    void connectNotify(const QMetaMethod&) override { observed_ = true; }

private:
    enum class Command { RunContinuous, RunStep, Pause, Break };
    void ApplyPattern(Command command);
    void Publish(const ControlStates& before);
    bool LeftBoundFar() const;
    bool RightBoundFar() const;
    void StartTimer();
    // A fresh start's position (the first row or state 0, no steps), and
    // what resuming does to it (the Post table's cursor to its command
    // column).
    void RestartPosition();
    void ContinuePosition();
    int AskRestart();

    Workbench& bench_;
    QTimer timePuskPst_;
    QTimer timePuskTur_;
    int speed_ = DefaultSpeed;
    ControlStates controls_;
    bool observed_ = false;
};
