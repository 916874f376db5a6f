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
    bool menuInter = true;
    bool menuComm = true;
    bool menuHelp = true;
    bool runRun = true;
    bool runPause = false;
    bool runStep = true;
    bool runBreak = false;
    bool sbLeft = true;
    bool sbRight = true;
    bool sbLeft2 = false;
    bool sbRight2 = false;
    bool edNum = true;
    bool postTable = true;    // sgMainPst
    bool postTape = true;     // sgLentaPst
    bool turingTable = true;  // sgMainTur
    bool turingTape = true;   // sgLentaTur
    bool alphabet = true;     // edAlf
    // The arrow-with-hourglass pointer while a program ticks.
    bool busy = false;
    // A scroll to a used bound runs: everything but the view menu and the
    // two scroll-to-bound buttons is off, whatever the fields above say.
    bool boundScroll = false;

    bool operator==(const ControlStates& o) const {
        return toolButton == o.toolButton && menuFile == o.menuFile && menuInter == o.menuInter &&
               menuComm == o.menuComm && menuHelp == o.menuHelp && runRun == o.runRun &&
               runPause == o.runPause && runStep == o.runStep && runBreak == o.runBreak &&
               sbLeft == o.sbLeft && sbRight == o.sbRight && sbLeft2 == o.sbLeft2 &&
               sbRight2 == o.sbRight2 && edNum == o.edNum && postTable == o.postTable &&
               postTape == o.postTape && turingTable == o.turingTable &&
               turingTape == o.turingTape && alphabet == o.alphabet && busy == o.busy &&
               boundScroll == o.boundScroll;
    }
    bool operator!=(const ControlStates& o) const { return !(*this == o); }
};
