#include "core/run/RunController.h"

#include <QElapsedTimer>

#include "core/machine/Machine.h"
#include "core/machine/StatusLine.h"
#include "core/tape/TapeWindow.h"
#include "core/text/Language.h"
#include "core/text/TextTable.h"

int RunController::SpeedInterval(int level) {
    static constexpr std::array<int, 7> kIntervals = {440, 930, 660, 440, 220, 55, 0};
    return kIntervals[std::size_t(level >= 1 && level <= InstantSpeed ? level : 0)];
}

QString RunController::SpeedCaption(int level) {
    switch (level) {
        case 1:
            return Tr("RunController", "Очень медленно");
        case 2:
            return Tr("RunController", "Медленно");
        case 4:
            return Tr("RunController", "Быстро");
        case 5:
            return Tr("RunController", "Очень быстро");
        case InstantSpeed:
            return Tr("RunController", "Мгновенно");
        default:
            return Tr("RunController", "Средне");
    }
}

RunController::RunController(MachineHost& host, QObject* parent)
    : QObject(parent), host_(host), status_(host.Status()) {
    timers_[MachineKind::Post].setObjectName(QStringLiteral("TimePuskPst"));
    timers_[MachineKind::Turing].setObjectName(QStringLiteral("TimePuskTur"));
    connect(&timers_[MachineKind::Post], &QTimer::timeout, this, &RunController::PostRunTick);
    connect(&timers_[MachineKind::Turing], &QTimer::timeout, this, &RunController::TuringRunTick);
    runs_[MachineKind::Post].position = host_.MachineOf(MachineKind::Post).StartPosition();
    runs_[MachineKind::Turing].position = host_.MachineOf(MachineKind::Turing).StartPosition();
    SetSpeed(DefaultSpeed);
}

void RunController::SetSpeed(int level) {
    speed_ = level >= 1 && level <= InstantSpeed ? level : DefaultSpeed;
    for (QTimer& timer : timers_) {
        timer.setInterval(SpeedInterval(speed_));
    }
}

QTimer& RunController::TimerOf(const Machine& machine) {
    return timers_[machine.Kind()];
}

RunController::RunState RunController::State() const {
    const Machine& machine = host_.Current();
    if (!Active(machine)) {
        return RunState::Idle;
    }
    if (!timers_[machine.Kind()].isActive()) {
        return RunState::Paused;
    }
    return stepMode_ ? RunState::Stepping : RunState::Running;
}

bool RunController::LeftBoundFar() const {
    const TapeStore& tape = host_.Current().tape;
    return !tape.IsEmpty() && tape.UsedMin() + TapeWindow::CarriageCol < tape.CarriagePos();
}

bool RunController::RightBoundFar() const {
    const TapeStore& tape = host_.Current().tape;
    return !tape.IsEmpty() && tape.CarriagePos() < tape.UsedMax() - TapeWindow::CarriageCol;
}

void RunController::ApplyPattern(Command command) {
    const Machine& machine = host_.Current();
    EnablingFacts facts;
    facts.current = machine.Kind();
    facts.memorised = machine.tape.HasMemorised();
    facts.leftBoundFar = LeftBoundFar();
    facts.rightBoundFar = RightBoundFar();
    facts.canStepBack = CanStepBack();
    SetControls(EnablingAfter(command, controls_, facts));
}

void RunController::Publish(const ControlStates& before) {
    if (observed_ && controls_ != before) {
        Q_EMIT ControlsChanged();
    }
}

void RunController::SetControls(const ControlStates& states) {
    const ControlStates before = controls_;
    controls_ = states;
    Publish(before);
}

void RunController::RefreshBoundButtons() {
    ControlStates next = controls_;
    next.leftBound = LeftBoundFar();
    next.rightBound = RightBoundFar();
    SetControls(next);
}

void RunController::SetRestoreEnabled(bool on) {
    ControlStates next = controls_;
    next.restoreTape = on;
    SetControls(next);
}

void RunController::ChangeBusy(bool on) {
    ControlStates next = controls_;
    next.busy = on;
    SetControls(next);
}

void RunController::SetBoundScroll(bool on) {
    if (controls_.boundScroll != on) {
        ControlStates next = controls_;
        next.boundScroll = on;
        SetControls(next);
    }
}

// Run is always a continuous run: a step refused at the restart question
// ("Отмена") leaves the step mode set, and it must not turn F9 into a step.
void RunController::Run() {
    stepMode_ = false;
    Start();
}

void RunController::Step() {
    stepMode_ = true;
    Start();
}

void RunController::ForgetFailure(MachineRun& run) {
    if (run.failedAt) {
        run.failedAt.reset();
        NotifyRunView();
    }
}

void RunController::Start() {
    ApplyPattern(stepMode_ ? Command::RunStep : Command::RunContinuous);
    Machine& machine = host_.Current();
    MachineRun& run = runs_[machine.Kind()];
    ForgetFailure(run);
    run.active = true;
    if (run.editedSinceStart) {
        const DialogAnswer answer = reporter_.AskRestart();
        if (answer != DialogAnswer::Restart && answer != DialogAnswer::Continue) {
            NotifyRunView();  // "Отмена", or closed
            Pause();
            return;
        }
        if (answer == DialogAnswer::Restart) {
            RestartPosition(machine);
        } else {
            machine.ShowRunResumed();
        }
        run.editedSinceStart = false;
    } else if (runStarted_) {
        machine.ShowRunResumed();
    } else {
        RestartPosition(machine);
        runStarted_ = true;
    }
    sinceAsked_ = 0;
    if (recordTape_) {
        run.tapeHistory.Begin(machine.tape, run.position);
    }
    TimerOf(machine).start();
    NotifyRunView();
    RefreshStepBack();
}

void RunController::RestartPosition(Machine& machine) {
    ClearHistory(runs_[machine.Kind()]);
    runs_[machine.Kind()].loops.Reset();
    runs_[machine.Kind()].position = machine.StartPosition();
    machine.ShowRunStart();
}

void RunController::RunToCursor() {
    Machine& machine = host_.Current();
    const TextTable& table = machine.ProgramTable();
    target_.Clear();
    if (const auto place = BreakpointPlace(machine, table.Col(), table.Row())) {
        target_.Toggle(table, *place, table.Col(), table.Row());
    }
    Run();
}

std::optional<Breakpoints::Place> RunController::BreakpointPlace(const Machine& machine, int col,
                                                                 int row) {
    if (machine.Kind() == MachineKind::Post) {
        return row >= 1 ? std::optional(Breakpoints::Place::Row) : std::nullopt;
    }
    if (col < 1) {
        return std::nullopt;
    }
    return row == 0 ? Breakpoints::Place::Column : Breakpoints::Place::Cell;
}

void RunController::ToggleBreakpoint() {
    const TextTable& table = host_.Current().ProgramTable();
    ToggleBreakpointAt(table.Col(), table.Row());
}

void RunController::ToggleBreakpointAt(int col, int row) {
    Machine& machine = host_.Current();
    const TextTable& table = machine.ProgramTable();
    const auto place = BreakpointPlace(machine, col, row);
    if (!place || !table.Contains(col, row)) {
        return;
    }
    runs_[machine.Kind()].breakpoints.Toggle(table, *place, col, row);
    Q_EMIT BreakpointsChanged();
}

void RunController::ClearBreakpoints() {
    Breakpoints& marks = runs_[host_.Current().Kind()].breakpoints;
    if (!marks.Empty()) {
        marks.Clear();
        Q_EMIT BreakpointsChanged();
    }
}

void RunController::Pause() {
    target_.Clear();
    TimerOf(host_.Current()).stop();
    ApplyPattern(Command::Pause);
    SetBusy(false);
    Q_EMIT TableFocusRequested();
}

void RunController::Break() {
    target_.Clear();
    runStarted_ = false;
    SetBusy(false);
    Machine& machine = host_.Current();
    MachineRun& run = runs_[machine.Kind()];
    run.editedSinceStart = false;
    run.active = false;
    TimerOf(machine).stop();
    stepMode_ = false;
    // The ticks stay, to be taken back from the end.
    if (keepHistory_ && !run.history.Empty()) {
        run.endedWith = machine.Saved();
    }
    run.loops.Reset();
    machine.ShowRunEnd(run.position);
    run.position = machine.StartPosition();
    ApplyPattern(Command::Break);
    NotifyRunView();
    Q_EMIT TableFocusRequested();
}

void RunController::PostRunTick() {
    Tick(host_.MachineOf(MachineKind::Post));
}

void RunController::TuringRunTick() {
    Tick(host_.MachineOf(MachineKind::Turing));
}

void RunController::PauseAfterStep(Machine& machine) {
    stepMode_ = false;
    SetBusy(false);
    TimerOf(machine).stop();
    Pause();
}

void RunController::Tick(Machine& machine) {
    if (speed_ == InstantSpeed && !stepMode_) {
        RunSlice(machine);
    } else {
        RunTicks(machine, 1);
    }
    if (keepHistory_) {
        RefreshStepBack();
    }
}

void RunController::RunSlice(Machine& machine) {
    sinceAsked_ += RunTicks(machine, AskEverySteps - sinceAsked_, SliceMilliseconds);
    if (sinceAsked_ < AskEverySteps || !TimerOf(machine).isActive()) {
        return;
    }
    sinceAsked_ = 0;
    // The run to the cursor goes on to it when the run goes on.
    const Breakpoints target = target_;
    Pause();
    if (reporter_.AskGoOn(machine, runs_[machine.Kind()].position.steps)) {
        target_ = target;
        Run();
    }
}

void RunController::ClearHistory(MachineRun& run) {
    run.history.Clear();
    run.tapeHistory.Clear();
    run.endedWith.reset();
    RefreshStepBack();
}

void RunController::ForgetRuns(Machine& machine) {
    MachineRun& run = runs_[machine.Kind()];
    ClearHistory(run);
    ForgetFailure(run);
    if (!run.breakpoints.Empty()) {
        run.breakpoints.Clear();
        Q_EMIT BreakpointsChanged();
    }
}

bool RunController::CanStepBack() const {
    const Machine& machine = host_.Current();
    const RunState state = State();
    return keepHistory_ && !RunOf(machine).history.Empty() &&
           (state == RunState::Paused || state == RunState::Idle);
}

void RunController::RefreshStepBack() {
    const bool on = CanStepBack();
    if (controls_.runStepBack != on) {
        ControlStates next = controls_;
        next.runStepBack = on;
        SetControls(next);
    }
}

void RunController::StepBack() {
    TakeBackTicks(1);
}

void RunController::TakeBackTicks(qint64 count) {
    if (!CanStepBack()) {
        return;
    }
    Machine& machine = host_.Current();
    if (!Active(machine) && !ReopenEndedRun(machine)) {
        return;
    }
    machine.NameEdit(EditKind::Run);
    // The interpreter's own writes, taken back: not an edit of the program.
    MachineRun& run = runs_[machine.Kind()];
    count = std::min(count, qint64(run.history.Size()));
    // The ticks executed again to reach a light record are heard of once.
    host_.HoldViewUpdates(true);
    run.history.TakeBack(machine, run.position, status_, count);
    host_.HoldViewUpdates(false);
    for (qint64 i = 0; i < count; ++i) {
        run.tapeHistory.TakeBack();
    }
    run.loops.Reset();
    NotifyRunView();
    RefreshStepBack();
}

bool RunController::ReopenEndedRun(Machine& machine) {
    MachineRun& run = runs_[machine.Kind()];
    const bool unchanged = run.endedWith && [&] {
        const MachineContents now = machine.Saved();
        const MachineContents& then = *run.endedWith;
        return now.table == then.table && now.alphabet == then.alphabet &&
               machine.tape.SameCells(now.tape, then.tape);
    }();
    if (!unchanged) {
        ClearHistory(run);
        return false;
    }
    run.endedWith.reset();
    ForgetFailure(run);
    run.active = true;
    runStarted_ = true;
    ApplyPattern(Command::Pause);
    return true;
}

void RunController::StepBackTo(qint64 tick) {
    const qint64 ticks = RunOf(host_.Current()).tapeHistory.Ticks();
    if (ticks > tick) {
        TakeBackTicks(ticks - tick);
    }
}

qint64 RunController::RunTicks(Machine& machine, qint64 count, int budgetMs) {
    SetBusy(true);
    MachineRun& run = runs_[machine.Kind()];
    TextTable& table = machine.ProgramTable();
    // The views hear of the ticks once, when they are over; the status line
    // takes each tick's texts as values, and the table's cursor is set once.
    host_.HoldViewUpdates(true);
    int col = table.Col();
    int row = table.Row();
    QElapsedTimer clock;
    if (budgetMs > 0) {
        clock.start();
    }
    // Breakpoints and the cursor's target hold a continuous run; single
    // steps pause anyway.
    const Breakpoints& marks = run.breakpoints;
    const bool watch = !stopsHeld_ && !stepMode_ && (!marks.Empty() || !target_.Empty());
    bool held = false;
    StepOutcome outcome;
    qint64 done = 0;
    for (;;) {
        if (keepHistory_) {
            run.history.Record(machine, run.position, status_, col, row, done > 0);
        }
        outcome = run.loops.Step(machine, run.position);
        run.tapeHistory.AfterTick(machine.tape, run.position);
        ++done;
        col = outcome.cursorCol >= 0 ? outcome.cursorCol : col;
        row = outcome.cursorRow >= 0 ? outcome.cursorRow : row;
        // The message panel keeps the last announcement when the tick that
        // ends the run tells nothing new.
        StepHistory::ShowTick(status_, machine, outcome);
        if (!outcome.Continues()) {
            break;
        }
        if (watch && (marks.Stops(table, col, row) || target_.Stops(table, col, row))) {
            if (marks.Stops(table, col, row)) {
                status_.SetText(StatusLine::Message, BreakpointStatus());
            }
            held = true;
            break;
        }
        if (done >= count || stepMode_) {
            break;
        }
        if (budgetMs > 0 && (done & 1023) == 0 && clock.elapsed() >= budgetMs) {
            break;
        }
    }
    if (col != table.Col() || row != table.Row()) {
        table.SetCursor(col, row);
    }
    run.tapeHistory.AnnounceTicks();
    host_.HoldViewUpdates(false);
    NotifyRunView();
    if (!outcome.Continues()) {
        lastOutcome_ = outcome;
        reporter_.Finish(machine, outcome);
    } else if (stepMode_ || held) {
        PauseAfterStep(machine);
    }
    return done;
}

void RunController::MarkFailure(const Machine& machine, FailurePlace place) {
    runs_[machine.Kind()].failedAt = std::move(place);
    NotifyRunView();
}

void RunController::LeaveMachine() {
    Machine& machine = host_.Current();
    QTimer& timer = TimerOf(machine);
    if (timer.isActive()) {
        // Only a pending single step can be under way here: the switch is
        // out of reach while a program runs continuously.
        timer.stop();
        stepMode_ = false;
        Pause();
    }
    runs_[machine.Kind()].leftWith = controls_;
}

void RunController::ShowRunStateOfCurrent() {
    const Machine& machine = host_.Current();
    if (!Active(machine)) {
        ApplyPattern(Command::Break);
        return;
    }
    ControlStates next = runs_[machine.Kind()].leftWith;
    // The other machine's views keep the state its own run gave them.
    if (machine.Kind() == MachineKind::Post) {
        next.turingTable = controls_.turingTable;
        next.turingTape = controls_.turingTape;
        next.alphabet = controls_.alphabet;
    } else {
        next.postTable = controls_.postTable;
        next.postTape = controls_.postTape;
    }
    next.runStepBack = CanStepBack();
    SetControls(next);
}
