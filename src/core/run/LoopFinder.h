#pragma once
// Watches one machine's run for a configuration it has been in before: the
// row (Post) or state (Turing), the carriage and every cell of the tape. The
// tape is finite, so a run that neither stops nor fails comes back to one;
// a run that only looks endless (a counter that grows) never does, and is
// never called a loop, because every repeat is confirmed on the whole
// configuration. Each tick costs the same however long the tape: a hash of
// the tape is kept up to date from the one cell a tick can write (the cell
// under the carriage before it), and Brent's cycle finding compares each
// configuration with one checkpoint, whose tape is copied only when the
// checkpoint moves, at powers of two. The run controller keeps one per
// machine, ticks through it, and resets it whenever the run no longer
// follows on from what it has seen (a fresh start, an edit, Break, a step
// taken back).

#include <QtGlobal>
#include <optional>

#include "core/machine/Machine.h"
#include "core/machine/RunPosition.h"
#include "core/machine/StepOutcome.h"
#include "core/tape/TapeStore.h"

// A hash of a tape's cells, kept up to date cell by cell: the xor over the
// cells that are not blank of a mix of the cell's index and content. It
// reads the stored strings only, never padding them as the tape's own
// reads do, so watching a run changes nothing a document stores.
class TapeHash {
public:
    // The whole tape, once at the start of watching.
    void Reset(const TapeStore& tape);
    // Around one tick: the carriage cell before it, then the same cell
    // after it (the only cell a tick writes).
    void Before(const TapeStore& tape);
    void After(const TapeStore& tape);
    // The configuration: this tape with `position`'s row or state and the
    // carriage.
    quint64 Of(const TapeStore& tape, const RunPosition& position) const;

    // What cell `index` holds, as the hash and the comparison read it: 1
    // for a Post mark, else 0; a Turing cell's character code.
    static quint16 Content(const TapeContents& tape, TapeKind kind, int index);
    static quint16 Content(const TapeStore& tape, int index);

private:
    quint64 cells_ = 0;
    int cell_ = 0;
    quint16 before_ = 0;
};

// A loop: from step `start` the machine repeats the same `length` steps.
struct FoundLoop {
    qint64 start = 0;
    qint64 length = 0;
};

class LoopFinder {
public:
    // The next tick starts watching afresh from the configuration it finds.
    void Reset() { watching_ = false; }
    // While off (the run controller replaying a loop it was told of), ticks
    // pass through unwatched.
    void SetEnabled(bool on) {
        enabled_ = on;
        watching_ = false;
    }

    // One tick of `machine` at `position`, watched. A tick that brings the
    // run back to a configuration it has been in since watching began
    // returns what the machine returned made a failure with StepError::Loop:
    // `loopStart` the loop's first step M (the least, found by running two
    // copies of the machine K steps apart from where watching began),
    // `loopLength` its length K. The machine itself has made the tick.
    StepOutcome Step(Machine& machine, RunPosition& position);

    // Where watching began: the tape and the position, from which the run
    // can be made again up to any step it reached.
    const TapeContents& StartTape() const { return startTape_; }
    const RunPosition& StartPosition() const { return startPosition_; }

private:
    void Watch(Machine& machine, const RunPosition& position);
    // Brent's step: whether the configuration after the tick is the
    // checkpoint's (then lam_ is the loop's length).
    bool Repeats(const TapeStore& tape, const RunPosition& position, quint64 hash);
    void MoveCheckpoint(const TapeStore& tape, const RunPosition& position, quint64 hash);
    // The first step M whose configuration step M + length repeats, no
    // later than `last` - length; none when a copy could not get there.
    std::optional<qint64> FirstRepeat(Machine& machine, qint64 length, qint64 last) const;

    bool enabled_ = true;
    bool watching_ = false;
    TapeContents startTape_;
    RunPosition startPosition_;
    TapeHash hash_;

    // Brent's checkpoint: a configuration and how far the run has gone past
    // it (lam_), moved on when that reaches power_.
    bool checkpointSet_ = false;
    quint64 checkHash_ = 0;
    int checkAt_ = 0;
    int checkCarriage_ = 0;
    TapeContents checkTape_;
    qint64 power_ = 1;
    qint64 lam_ = 0;
};

// Whether two configurations are the same: row or state, carriage and every
// cell (a Post cell only marked or not; padding does not count).
bool SameConfiguration(TapeKind kind, int atA, const TapeContents& a, int atB,
                       const TapeContents& b);
