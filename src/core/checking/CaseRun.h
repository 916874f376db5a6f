#pragma once
// One run of a machine that already holds its program, as the batch runner
// and the window's check against cases make it: a tape text written onto the
// machine, a fresh start through the run controller, the ticks one after
// another up to a limit, and what the run ended with. Both run on the same
// step code as a run on screen, with a scripted Ui answering every dialog.

#include <QString>
#include <atomic>
#include <functional>
#include <optional>

#include "core/checking/CasesFile.h"
#include "core/machine/Machine.h"
#include "core/machine/MachineKind.h"

class ScriptedUi;
class Workbench;

// Why a case's tape could not be put on the machine.
struct TapeSetupError {
    enum class Kind { Unrepresentable, PastEnd, NotPostCell, NotInAlphabet, CarriageOffTape };
    Kind kind = Kind::PastEnd;
    QString value;     // the character or the cell
    QString alphabet;  // NotInAlphabet: the document's alphabet

    QString English() const;  // the runner's words
    QString Russian() const;  // the window's words
};

// Where a case's tape begins when the case does not say: cell 0 of the Post
// tape, cell 1 of the Turing tape.
inline int DefaultTapeStart(MachineKind kind) {
    return PerMachine<int>{0, 1}[kind];
}
// The first cell of a `kind` machine's tape.
inline int FirstTapeCell(MachineKind kind) {
    return PerMachine<int>{-TapeStore::TapeLimit, 1}[kind];
}

// Whether `text` (tape notation: Post "1" and "0" or ".", Turing symbols with
// "_" for the blank) can be written on a `kind` machine's tape from `start`
// (default: cell 0 for Post, 1 for Turing), with the carriage on `start` or
// on `carriage`. With `alphabet` a Turing symbol must be one of it; without,
// any symbol the code page holds is taken (a cases file checked before any
// document is read).
std::optional<TapeSetupError> CheckTape(MachineKind kind, const QString* alphabet,
                                        const std::optional<QString>& text,
                                        std::optional<int> start, std::optional<int> carriage);

// Writes `text` onto the current machine's cleared tape as CheckTape
// describes it. The machine is checked first and left as it was when the
// tape cannot be placed.
std::optional<TapeSetupError> PlaceTape(Workbench& bench, const std::optional<QString>& text,
                                        std::optional<int> start, std::optional<int> carriage);

struct RunResult {
    // Loop: the run came back to a configuration it had been in; it ended
    // paused at step loopStart + loopLength, which `steps` holds.
    enum class End { Stopped, Error, Limit, Timeout, Loop };
    End end = End::Stopped;
    qint64 steps = 0;
    qint64 loopStart = 0;
    qint64 loopLength = 0;
    QString message;  // the last dialog's text (an error's message)
    QString status;   // the message panel at the end
    int carriage = 0;
    int usedMin = 0;
    int usedMax = 0;
    bool emptyTape = true;
    QString tape;         // cells usedMin..usedMax: "1"/"0", or symbols with " " for the blank
    int inputLength = 0;  // the input's length on the tape before the run (InputLength)
};

// How far a run may go: `maxSteps` executed commands (any count up to the
// largest qint64), with `seconds` that much wall-clock time, and with
// `cancel` until another thread sets it (the run then ends as Timeout,
// within about a millisecond).
struct RunLimits {
    qint64 maxSteps = 1000000;
    std::optional<double> seconds;
    const std::atomic<bool>* cancel = nullptr;
};

// One tick of a traced run: the step and message panels after it, and the
// carriage.
struct TraceTick {
    QString stepText;
    std::optional<qint64> step;  // the step panel's number, when it shows one
    QString message;
    int carriage = 0;
    QString Line() const;  // "step | message"
};

// Runs the current machine from a fresh start until it stops, fails, loops
// (then broken off where the loop was shown), has
// executed `limits.maxSteps` commands (then broken off as "Прервать" would)
// or has used up its time. With `trace`, every tick goes there as it
// happens. The dialogs the run answered are taken out of `ui`.
RunResult RunToEnd(Workbench& bench, ScriptedUi& ui, const RunLimits& limits,
                   const std::function<void(const TraceTick&)>& trace = {});

// The used cells of a run's tape (RunResult::tape) in tape notation.
QString UsedPartNotation(MachineKind kind, const QString& cells);

// Whether a run passed a case: it stopped, and the used part of the tape is
// the expected one.
bool CasePassed(const RunCase& runCase, MachineKind kind, bool stopped, const QString& cells);

// What checking one case came to, in the window's words.
struct CaseOutcome {
    enum class Verdict { Passed, Failed, Error, Limit, BadCase };
    Verdict verdict = Verdict::Failed;
    QString tape;       // the used part obtained, in tape notation
    int firstCell = 0;  // the cell `tape` starts at
    int carriage = 0;   // where the run left the carriage
    qint64 steps = 0;
    int inputLength = 0;  // the length of the case's input on the tape (InputLength)
    QString message;      // an error's message, or why the case's tape could not be put
    // "пройден", "не пройден", "ошибка: ...", "превышен предел шагов".
    QString Text() const;
    // Whether the run left a tape to show (every verdict but BadCase).
    bool HasTape() const { return verdict != Verdict::BadCase; }
};

// The case check's table in words, for the dialog and for paper: the
// columns' titles, and a case's row: its line, input, where its tape
// begins (and its carriage, when the case says), the tape expected, and
// the result, the tape obtained and the steps ("…" while the result is to
// come, no tape or steps for a case whose tape could not be put).
QStringList CaseColumnTitles();
QStringList CaseRowTexts(MachineKind kind, const RunCase& runCase,
                         const std::optional<CaseOutcome>& outcome);
