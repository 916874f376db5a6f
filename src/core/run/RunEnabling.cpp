#include "core/run/RunEnabling.h"

namespace {

// What each command does to a control: switch it on or off, leave it, or
// switch it on under a fact of the current tape.
enum class Rule : unsigned char {
    Keep,
    On,
    Off,
    OnIfMemorised,
    ExactlyMemorised,
    OnIfLeftFar,
    OnIfRightFar
};

// Controls as the pattern names them; "machine tools" are the Post
// machine's mark command and the Turing machine's two symbol commands,
// "views" are the current machine's table, tape and (Turing) alphabet editor.
enum Element {
    DocumentAndMemorise,  // new, open, save, memorise tape
    Restore,
    Run,
    PauseItem,
    StepItem,
    BreakItem,
    MachineTools,
    Menus,  // "&Файл", "&Интерпретатор", "&Команды", "&Помощь"
    ScrollButtons,  // ScrollLeftButton, ScrollRightButton
    ScrollLeft2,
    ScrollRight2,
    GoToBox,
    Views,
    ElementCount
};

using R = Rule;
// Columns: Run (continuous), Run (single step), Pause, Break.
constexpr Rule kPattern[ElementCount][4] = {
    /* DocumentAndMemorise */ {R::Off, R::Keep, R::On, R::On},
    /* Restore       */ {R::Off, R::Keep, R::OnIfMemorised, R::ExactlyMemorised},
    /* Run           */ {R::Off, R::Off, R::On, R::On},
    /* PauseItem     */ {R::On, R::On, R::Off, R::Off},
    /* StepItem      */ {R::Off, R::Off, R::On, R::On},
    /* BreakItem     */ {R::On, R::On, R::On, R::Off},
    /* MachineTools  */ {R::Off, R::Off, R::On, R::On},
    /* Menus         */ {R::Off, R::Keep, R::On, R::On},
    /* ScrollButtons */ {R::Off, R::Keep, R::On, R::On},
    /* ScrollLeft2   */ {R::Off, R::Keep, R::OnIfLeftFar, R::OnIfLeftFar},
    /* ScrollRight2  */ {R::Off, R::Keep, R::OnIfRightFar, R::OnIfRightFar},
    /* GoToBox       */ {R::Off, R::Keep, R::Keep, R::On},
    /* Views         */ {R::Off, R::Off, R::On, R::On},
};

// Which controls each element names, on both machines or on one.
enum class Scope : unsigned char { Both, Post, Turing };
struct Target {
    Element element;
    bool ControlStates::*member;
    Scope scope;
};
using C = ControlStates;
constexpr Target kTargets[] = {
    {DocumentAndMemorise, &C::newDocument, Scope::Both},
    {DocumentAndMemorise, &C::openDocument, Scope::Both},
    {DocumentAndMemorise, &C::saveDocument, Scope::Both},
    {DocumentAndMemorise, &C::memoriseTape, Scope::Both},
    {Restore, &C::restoreTape, Scope::Both},
    {Run, &C::runRun, Scope::Both},
    {PauseItem, &C::runPause, Scope::Both},
    {StepItem, &C::runStep, Scope::Both},
    {BreakItem, &C::runBreak, Scope::Both},
    {MachineTools, &C::mark, Scope::Post},
    {MachineTools, &C::writeSymbol, Scope::Turing},
    {MachineTools, &C::changeSymbol, Scope::Turing},
    {Menus, &C::menuFile, Scope::Both},
    {Menus, &C::menuInterpreter, Scope::Both},
    {Menus, &C::menuCommands, Scope::Both},
    {Menus, &C::menuHelp, Scope::Both},
    {ScrollButtons, &C::scrollLeft, Scope::Both},
    {ScrollButtons, &C::scrollRight, Scope::Both},
    {ScrollLeft2, &C::leftBound, Scope::Both},
    {ScrollRight2, &C::rightBound, Scope::Both},
    {GoToBox, &C::goToBox, Scope::Both},
    {Views, &C::postTable, Scope::Post},
    {Views, &C::postTape, Scope::Post},
    {Views, &C::turingTable, Scope::Turing},
    {Views, &C::turingTape, Scope::Turing},
    {Views, &C::alphabet, Scope::Turing},
};

bool Applied(Rule rule, bool was, const EnablingFacts& facts) {
    switch (rule) {
        case Rule::Keep:
            return was;
        case Rule::On:
            return true;
        case Rule::Off:
            return false;
        case Rule::OnIfMemorised:
            return was || facts.memorised;
        case Rule::ExactlyMemorised:
            return facts.memorised;
        case Rule::OnIfLeftFar:
            return was || facts.leftBoundFar;
        case Rule::OnIfRightFar:
            return was || facts.rightBoundFar;
    }
    return was;
}

}  // namespace

ControlStates EnablingAfter(RunCommand command, const ControlStates& before,
                            const EnablingFacts& facts) {
    const Scope current = PerMachine<Scope>{Scope::Post, Scope::Turing}[facts.current];
    ControlStates after = before;
    for (const Target& target : kTargets) {
        if (target.scope == Scope::Both || target.scope == current) {
            bool& control = after.*target.member;
            control = Applied(kPattern[target.element][int(command)], control, facts);
        }
    }
    after.runStepBack = facts.canStepBack;
    return after;
}
