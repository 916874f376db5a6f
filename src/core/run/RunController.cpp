#include "core/run/RunController.h"

#include "core/post/PostInterpreter.h"
#include "core/turing/TuringInterpreter.h"
#include "core/workbench/Workbench.h"

namespace {

// What each command does to a control: switch it on or off, leave it, or
// switch it on under a condition of the current tape.
enum class Rule : quint8 {
    Keep,
    On,
    Off,
    OnIfMemorised,
    ExactlyMemorised,
    OnIfLeftFar,
    OnIfRightFar
};

// Controls as the pattern names them; "machine tools" are button 10 on the
// Post machine and buttons 11 and 12 on the Turing machine, "views" are the
// current machine's table, tape and (Turing) alphabet editor.
enum Element {
    Tools1To4,
    Tool5,
    Tool6,
    Tool7,
    Tool8,
    Tool9,
    MachineTools,
    Menus,  // "&Файл", "&Интерпретатор", "&Команды", "&Помощь"
    RunRunItem,
    RunPauseItem,
    RunStepItem,
    RunBreakItem,
    ScrollButtons,  // SbLeft, SbRight
    ScrollLeft2,
    ScrollRight2,
    GoToBox,
    Views,
    ElementCount
};

using R = Rule;
// Columns: Run (continuous), Run (single step), Pause, Break.
constexpr Rule kPattern[ElementCount][4] = {
    /* Tools1To4     */ {R::Off, R::Keep, R::On, R::On},
    /* Tool5         */ {R::Off, R::Keep, R::OnIfMemorised, R::ExactlyMemorised},
    /* Tool6         */ {R::Off, R::Off, R::On, R::On},
    /* Tool7         */ {R::On, R::On, R::Off, R::Off},
    /* Tool8         */ {R::Off, R::Off, R::On, R::On},
    /* Tool9         */ {R::On, R::On, R::Keep, R::Off},
    /* MachineTools  */ {R::Off, R::Off, R::On, R::On},
    /* Menus         */ {R::Off, R::Keep, R::On, R::On},
    /* RunRunItem    */ {R::Off, R::Off, R::On, R::On},
    /* RunPauseItem  */ {R::On, R::On, R::Off, R::Off},
    /* RunStepItem   */ {R::Off, R::Off, R::On, R::On},
    /* RunBreakItem  */ {R::On, R::On, R::On, R::Off},
    /* ScrollButtons */ {R::Off, R::Keep, R::On, R::On},
    /* ScrollLeft2   */ {R::Off, R::Keep, R::OnIfLeftFar, R::OnIfLeftFar},
    /* ScrollRight2  */ {R::Off, R::Keep, R::OnIfRightFar, R::OnIfRightFar},
    /* GoToBox       */ {R::Off, R::Keep, R::Keep, R::On},
    /* Views         */ {R::Off, R::Off, R::On, R::On},
};

// Which controls each element names: a member of ControlStates, or a
// toolbar button by number, on both machines or on one.
enum class Scope : quint8 { Both, Post, Turing };
struct Target {
    Element element;
    bool ControlStates::*member;  // nullptr for a toolbar button
    int button;
    Scope scope;
};
using C = ControlStates;
constexpr Target kTargets[] = {
    {Tools1To4, nullptr, 1, Scope::Both},
    {Tools1To4, nullptr, 2, Scope::Both},
    {Tools1To4, nullptr, 3, Scope::Both},
    {Tools1To4, nullptr, 4, Scope::Both},
    {Tool5, nullptr, 5, Scope::Both},
    {Tool6, nullptr, 6, Scope::Both},
    {Tool7, nullptr, 7, Scope::Both},
    {Tool8, nullptr, 8, Scope::Both},
    {Tool9, nullptr, 9, Scope::Both},
    {MachineTools, nullptr, 10, Scope::Post},
    {MachineTools, nullptr, 11, Scope::Turing},
    {MachineTools, nullptr, 12, Scope::Turing},
    {Menus, &C::menuFile, 0, Scope::Both},
    {Menus, &C::menuInter, 0, Scope::Both},
    {Menus, &C::menuComm, 0, Scope::Both},
    {Menus, &C::menuHelp, 0, Scope::Both},
    {RunRunItem, &C::runRun, 0, Scope::Both},
    {RunPauseItem, &C::runPause, 0, Scope::Both},
    {RunStepItem, &C::runStep, 0, Scope::Both},
    {RunBreakItem, &C::runBreak, 0, Scope::Both},
    {ScrollButtons, &C::sbLeft, 0, Scope::Both},
    {ScrollButtons, &C::sbRight, 0, Scope::Both},
    {ScrollLeft2, &C::sbLeft2, 0, Scope::Both},
    {ScrollRight2, &C::sbRight2, 0, Scope::Both},
    {GoToBox, &C::edNum, 0, Scope::Both},
    {Views, &C::postTable, 0, Scope::Post},
    {Views, &C::postTape, 0, Scope::Post},
    {Views, &C::turingTable, 0, Scope::Turing},
    {Views, &C::turingTape, 0, Scope::Turing},
    {Views, &C::alphabet, 0, Scope::Turing},
};

}  // namespace

int RunController::SpeedInterval(int level) {
    static constexpr std::array<int, 6> kIntervals = {440, 930, 660, 440, 220, 55};
    return kIntervals[std::size_t(level >= 1 && level <= 5 ? level : 0)];
}

QString RunController::SpeedCaption(int level) {
    switch (level) {
        case 1:
            return QStringLiteral("Очень медленно");
        case 2:
            return QStringLiteral("Медленно");
        case 4:
            return QStringLiteral("Быстро");
        case 5:
            return QStringLiteral("Очень быстро");
        default:
            return QStringLiteral("Средне");
    }
}

RunController::RunController(Workbench& bench) : QObject(&bench), bench_(bench) {
    timePuskPst_.setObjectName(QStringLiteral("TimePuskPst"));
    timePuskTur_.setObjectName(QStringLiteral("TimePuskTur"));
    connect(&timePuskPst_, &QTimer::timeout, this, &RunController::TimePuskPstTimer);
    connect(&timePuskTur_, &QTimer::timeout, this, &RunController::TimePuskTurTimer);
    SetSpeed(DefaultSpeed);
}

void RunController::SetSpeed(int level) {
    speed_ = level >= 1 && level <= 5 ? level : DefaultSpeed;
    timePuskPst_.setInterval(SpeedInterval(speed_));
    timePuskTur_.setInterval(SpeedInterval(speed_));
}

QTimer& RunController::TimerOf(const Machine& machine) {
    return machine.Kind() == MachineKind::Pst ? timePuskPst_ : timePuskTur_;
}

RunController::RunState RunController::State() const {
    Machine& machine = bench_.Current();
    const QTimer& timer = machine.Kind() == MachineKind::Pst ? timePuskPst_ : timePuskTur_;
    if (!machine.runActive) {
        return RunState::Idle;
    }
    if (!timer.isActive()) {
        return RunState::Paused;
    }
    return bench_.stepMode ? RunState::Stepping : RunState::Running;
}

bool RunController::LeftBoundFar() const {
    const TapeStore& tape = bench_.Current().tape;
    return !tape.IsEmpty() && tape.UsedMin() + 13 < tape.CarriagePos();
}

bool RunController::RightBoundFar() const {
    const TapeStore& tape = bench_.Current().tape;
    return !tape.IsEmpty() && tape.CarriagePos() < tape.UsedMax() - 13;
}

void RunController::ApplyPattern(Command command) {
    const ControlStates before = controls_;
    const Scope current = bench_.Kind() == MachineKind::Pst ? Scope::Post : Scope::Turing;
    const bool memorised = bench_.Current().tape.Memorised().present;
    for (const Target& target : kTargets) {
        if (target.scope != Scope::Both && target.scope != current) {
            continue;
        }
        bool& control = target.member ? controls_.*target.member
                                      : controls_.toolButton[std::size_t(target.button)];
        switch (kPattern[target.element][int(command)]) {
            case Rule::Keep:
                break;
            case Rule::On:
                control = true;
                break;
            case Rule::Off:
                control = false;
                break;
            case Rule::OnIfMemorised:
                control = control || memorised;
                break;
            case Rule::ExactlyMemorised:
                control = memorised;
                break;
            case Rule::OnIfLeftFar:
                control = control || LeftBoundFar();
                break;
            case Rule::OnIfRightFar:
                control = control || RightBoundFar();
                break;
        }
    }
    Publish(before);
}

void RunController::Publish(const ControlStates& before) {
    for (int n = 1; n <= 12; ++n) {
        if (controls_.toolButton[std::size_t(n)] != before.toolButton[std::size_t(n)]) {
            bench_.ui().SetToolButtonEnabled(n, controls_.toolButton[std::size_t(n)]);
        }
    }
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
    next.sbLeft2 = LeftBoundFar();
    next.sbRight2 = RightBoundFar();
    SetControls(next);
}

void RunController::SetRestoreEnabled(bool on) {
    ControlStates next = controls_;
    next.toolButton[5] = on;
    SetControls(next);
}

void RunController::SetBusy(bool on) {
    if (controls_.busy != on) {
        ControlStates next = controls_;
        next.busy = on;
        SetControls(next);
    }
}

void RunController::SetBoundScroll(bool on) {
    if (controls_.boundScroll != on) {
        ControlStates next = controls_;
        next.boundScroll = on;
        SetControls(next);
    }
}

int RunController::AskRestart() {
    return bench_.ui().ShowMessageDialog(
        QStringLiteral("Предупреждение!"),
        QStringLiteral("Программа и/или лента были изменены.  Выполнить: "),
        QStringLiteral("Заново|Продолжить так|Отмена"), 400, 110);
}

void RunController::StartTimer() {
    TimerOf(bench_.Current()).start();
}

void RunController::Run() {
    ApplyPattern(bench_.stepMode ? Command::RunStep : Command::RunContinuous);
    Machine& machine = bench_.Current();
    machine.runActive = true;
    if (machine.editedSinceStart) {
        const int answer = AskRestart();
        if (answer != 1 && answer != 2) {  // "Отмена", or closed
            NotifyRunView();
            Pause();
            return;
        }
        if (answer == 1) {  // "Заново"
            RestartPosition();
        } else {  // "Продолжить так"
            ContinuePosition();
        }
        bench_.SetEditedSinceStart(false);
    } else if (bench_.runStarted) {
        ContinuePosition();
    } else {
        RestartPosition();
        bench_.runStarted = true;
    }
    StartTimer();
    NotifyRunView();
}

void RunController::RestartPosition() {
    if (bench_.Kind() == MachineKind::Pst) {
        PostMachine& post = bench_.Post();
        post.currentRow = 1;
        post.stepCount = 0;
        post.table.SetCursor(PostTable::ColCommand, 1);
    } else {
        TuringMachine& turing = bench_.Turing();
        turing.stepCount = 0;
        turing.state = 0;
    }
}

void RunController::ContinuePosition() {
    if (bench_.Kind() == MachineKind::Pst) {
        bench_.Post().table.SetCol(PostTable::ColCommand);
    }
}

void RunController::Step() {
    bench_.stepMode = true;
    Run();
}

void RunController::Pause() {
    TimerOf(bench_.Current()).stop();
    ApplyPattern(Command::Pause);
    SetBusy(false);
    Q_EMIT TableFocusRequested();
}

void RunController::Break() {
    bench_.runStarted = false;
    SetBusy(false);
    bench_.SetEditedSinceStart(false);
    Machine& machine = bench_.Current();
    machine.runActive = false;
    TimerOf(machine).stop();
    bench_.stepMode = false;
    if (bench_.Kind() == MachineKind::Pst) {
        PostMachine& post = bench_.Post();
        // The cursor shows the row where the run ended.
        post.table.SetCursor(PostTable::ColCommand, post.currentRow);
        post.currentRow = 1;
        post.stepCount = 0;
    } else {
        TuringMachine& turing = bench_.Turing();
        turing.table.SetCol(1);
        turing.state = 0;
        turing.stepCount = 0;
    }
    ApplyPattern(Command::Break);
    NotifyRunView();
    Q_EMIT TableFocusRequested();
}

void RunController::TimePuskPstTimer() {
    PostStep(bench_);
}

void RunController::TimePuskTurTimer() {
    TuringStep(bench_);
}

void RunController::LeaveMachine() {
    Machine& machine = bench_.Current();
    QTimer& timer = TimerOf(machine);
    if (timer.isActive()) {
        // Only a pending single step can be under way here: the switch is
        // out of reach while a program runs continuously.
        timer.stop();
        bench_.stepMode = false;
        Pause();
    }
}

void RunController::ShowRunStateOfCurrent() {
    ApplyPattern(bench_.Current().runActive ? Command::Pause : Command::Break);
}
