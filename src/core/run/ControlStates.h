#pragma once
// The enabled state of every control the run state governs, as plain data:
// toolbar buttons 1 to 12, the main menus, the run commands, the tape's
// scroll buttons, the go-to box and each machine's table, tape and alphabet
// editor. The run controller alone changes it and the window only mirrors
// it, so the enabling pattern is decided in one place.

#include <array>

struct ControlStates {
    // Index 1 to 12; 11 and 12 belong to the Turing machine and start off.
    std::array<bool, 13> toolButton{false, true, true,  true, true,  false, true,
                                    false, true, false, true, false, false};
    bool menuFile = true;
    bool menuInterpreter = true;
    bool menuCommands = true;
    bool menuHelp = true;
    bool runRun = true;
    bool runPause = false;
    bool runStep = true;
    bool runBreak = false;
    // "Шаг назад": a paused run with a tick to take back.
    bool runStepBack = false;
    bool scrollLeft = true;
    bool scrollRight = true;
    bool leftBound = false;
    bool rightBound = false;
    bool goToBox = true;
    bool postTable = true;    // sgMainPst
    bool postTape = true;     // sgLentaPst
    bool turingTable = true;  // sgMainTur
    bool turingTape = true;   // sgLentaTur
    bool alphabet = true;     // alphabetEdit
    // The arrow-with-hourglass pointer while a program ticks.
    bool busy = false;
    // A scroll to a used bound runs: everything but the view menu and the
    // two scroll-to-bound buttons is off, whatever the fields above say.
    bool boundScroll = false;

    bool operator==(const ControlStates& o) const {
        return toolButton == o.toolButton && menuFile == o.menuFile &&
               menuInterpreter == o.menuInterpreter && menuCommands == o.menuCommands &&
               menuHelp == o.menuHelp && runRun == o.runRun && runPause == o.runPause &&
               runStep == o.runStep && runBreak == o.runBreak && runStepBack == o.runStepBack &&
               scrollLeft == o.scrollLeft && scrollRight == o.scrollRight &&
               leftBound == o.leftBound && rightBound == o.rightBound && goToBox == o.goToBox &&
               postTable == o.postTable && postTape == o.postTape && turingTable == o.turingTable &&
               turingTape == o.turingTape && alphabet == o.alphabet && busy == o.busy &&
               boundScroll == o.boundScroll;
    }
    bool operator!=(const ControlStates& o) const { return !(*this == o); }
};
