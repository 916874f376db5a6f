#pragma once
// The enabled state of every control the run state governs, as plain data
// named by role: the commands the toolbar shows (each a menu item too), the
// main menus, the run commands, the tape's scroll buttons, the go-to box and
// each machine's table, tape and alphabet editor. The run controller alone
// changes it and the window only mirrors it, so the enabling pattern is
// decided in one place (RunEnabling). Equality compares the one field list
// `Fields()`, so a field added there cannot be left out of a comparison.

#include <tuple>
#include <utility>

struct ControlStates {
    // Commands on the toolbar, in its order.
    bool newDocument = true;
    bool openDocument = true;
    bool saveDocument = true;
    bool memoriseTape = true;
    bool restoreTape = false;  // also the restore items of the menus
    bool runRun = true;
    bool runPause = false;
    bool runStep = true;
    bool runBreak = false;
    bool mark = true;           // the Post machine's
    bool writeSymbol = false;   // the Turing machine's, as the next one
    bool changeSymbol = false;  // the Turing machine's
    // "Шаг назад": a paused run with a tick to take back.
    bool runStepBack = false;
    bool menuFile = true;
    bool menuInterpreter = true;
    bool menuCommands = true;
    bool menuHelp = true;
    bool scrollLeft = true;
    bool scrollRight = true;
    bool leftBound = false;
    bool rightBound = false;
    bool goToBox = true;
    bool postTable = true;
    bool postTape = true;
    bool turingTable = true;
    bool turingTape = true;
    bool alphabet = true;  // the alphabet editor
    // The arrow-with-hourglass pointer while a program ticks.
    bool busy = false;
    // A scroll to a used bound runs: everything but the view menu and the
    // two scroll-to-bound buttons is off, whatever the fields above say.
    bool boundScroll = false;

    // Every field, once; the comparisons read nothing else.
    auto Fields() const {
        return std::tie(newDocument, openDocument, saveDocument, memoriseTape, restoreTape, runRun,
                        runPause, runStep, runBreak, mark, writeSymbol, changeSymbol, runStepBack,
                        menuFile, menuInterpreter, menuCommands, menuHelp, scrollLeft, scrollRight,
                        leftBound, rightBound, goToBox, postTable, postTape, turingTable,
                        turingTape, alphabet, busy, boundScroll);
    }
    bool operator==(const ControlStates& o) const { return Fields() == o.Fields(); }
    bool operator!=(const ControlStates& o) const { return !(*this == o); }
};

// Every field is a bool: one missing from Fields() shows in the count.
static_assert(sizeof(ControlStates) ==
                  std::tuple_size_v<decltype(std::declval<ControlStates>().Fields())>,
              "each field of ControlStates belongs in Fields()");
