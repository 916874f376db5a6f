#pragma once
// The ticks of one machine's run that "Шаг назад" can take back, oldest
// first, at most a limit of them (older ones are dropped and the history
// says so). A record is 24 bytes: the step count, the carriage and the used
// bounds as numbers, and the index of a view: what else the tick found, as
// values (the carriage cell's content, the row or state, the table's cursor,
// the status panels), kept once for every tick that found the same. A loop
// comes back to few views, so a long run costs its records and little more.
// A view is packed into a few machine words that hash and compare as plain
// numbers, and the status panels' plain texts, which a run seldom writes,
// are kept apart and looked up again only when one was written: a tick at
// full speed pays a handful of stores and one hash lookup.
// Inside a batch of ticks (a slice of a run, RunController::RunTicks) only
// every kFullEvery-th tick is recorded so; the others keep the one cell they
// may write and the carriage, and are taken back by going back to the full
// record before them and executing the ticks after it again, as the run did
// (ShowTick): a tick at full speed costs two stores, a step back at most
// kFullEvery ticks executed again.
// It writes only the machine's tape and cursor, its position and the status
// line, and only when a tick is taken back.

#include <QHash>
#include <array>
#include <vector>

#include "core/machine/Machine.h"
#include "core/machine/RunPosition.h"
#include "core/machine/StatusLine.h"
#include "core/run/ChunkedLog.h"

class StepHistory {
public:
    static constexpr int kDefaultLimit = 1000000;
    static constexpr int kFullEvery = 64;

    explicit StepHistory(int limit = kDefaultLimit) : limit_(limit) {}

    // Before a tick of `machine` at `position`: what the tick may change.
    // The table's cursor is given as the ticks before have left it, since
    // a batch of ticks sets the table's own only at its end. `inBatch`: the
    // tick before was recorded in the same batch, and nothing but its own
    // execution (ShowTick's texts, the cursor) has changed the machine or
    // the status line since.
    void Record(Machine& machine, const RunPosition& position, const StatusLine& status,
                int cursorCol, int cursorRow, bool inBatch) {
        if (inBatch && sinceFull_ < kFullEvery - 1 && !records_.empty()) {
            ++sinceFull_;
            RecordLight(machine.tape, position);
        } else {
            sinceFull_ = 0;
            RecordFull(machine, position, status, cursorCol, cursorRow);
        }
    }
    // Puts back the machine, its position and the status line as they were
    // before the last `count` ticks recorded (all of them, if fewer), and
    // forgets those ticks.
    void TakeBack(Machine& machine, RunPosition& position, StatusLine& status, qint64 count = 1);
    void Clear();

    // What a run shows of a tick on the status line: the step, and the
    // announcement when the run goes on. The run and the ticks executed
    // again when one is taken back show them alike.
    static void ShowTick(StatusLine& status, const Machine& machine, const StepOutcome& outcome) {
        if (outcome.stepShown) {
            status.SetStep(machine.StepPrefix(), outcome.step);
        }
        if (outcome.Continues()) {
            status.SetMessage(outcome.announcement);
        }
    }

    bool Empty() const { return records_.empty(); }
    std::size_t Size() const { return records_.size(); }
    // Older ticks were dropped at the limit since the last Clear.
    bool Trimmed() const { return trimmed_; }
    std::size_t ViewCount() const { return views_.size(); }

private:
    struct Tick {
        qint64 steps;
        qint32 carriage;
        qint32 usedMin;
        qint32 usedMax;
        quint32 view;
    };
    static_assert(sizeof(Tick) == 24, "a record stays compact");
    // A light record's view: this flag and the carriage cell's content.
    static constexpr quint32 kLight = 0x80000000U;
    static bool Light(const Tick& tick) { return (tick.view & kLight) != 0; }

    void RecordFull(Machine& machine, const RunPosition& position, const StatusLine& status,
                    int cursorCol, int cursorRow);
    void RecordLight(TapeStore& tape, const RunPosition& position) {
        Tick tick{};
        tick.steps = position.steps;
        tick.carriage = tape.CarriagePos();
        tick.view = kLight | (tape.Kind() == TapeKind::Post
                                  ? quint32(tape.GetPostCell(tick.carriage))
                                  : quint32(tape.GetTuringCell(tick.carriage).unicode()));
        Append(tick);
    }
    void Append(const Tick& tick) {
        records_.push_back(tick);
        if (records_.size() > std::size_t(limit_)) {
            Trim();
        }
    }
    void Trim();
    // Puts back the cell a tick wrote, as the record found it.
    static void RestoreCell(TapeStore& tape, int cell, quint32 content);
    // Puts back everything a full record holds.
    void RestoreFull(Machine& machine, RunPosition& position, StatusLine& status, const Tick& tick);

    // What a tick leaves besides the numbers of its record, packed: the
    // carriage cell, the row or state, the cursor, the panels' values and
    // the index of their plain texts. The step panel's number is kept as
    // its distance from the step count and the bound panels' numbers, when
    // they show the recorded bounds, not at all, so that the ticks of a loop
    // share their views.
    using View = std::array<quint64, 8>;
    static quint64 HashOf(const View& view);
    static bool Same(const View& a, const View& b) {
        quint64 differs = 0;
        for (std::size_t i = 0; i < a.size(); ++i) {
            differs |= a[i] ^ b[i];
        }
        return differs == 0;
    }
    quint32 ViewIndex(const View& view);
    quint32 TextsIndex(const StatusLine& status);
    // The step panel's prefixes (each a machine's own text), by index plus
    // one: a handful, looked up in order.
    quint64 PrefixIndex(const QString* prefix);
    std::vector<const QString*> prefixes_;

    int limit_;
    bool trimmed_ = false;
    ChunkedLog<Tick> records_;
    int sinceFull_ = 0;  // light records since the last full one
    std::vector<View> views_;
    // Open addressing over views_: each slot 0 (free) or a view's index
    // plus one; a power of two long, at most half full.
    std::vector<quint32> slots_;
    // The view that followed each view last time (its index plus one, 0
    // for none), tried before the table: a run comes back to the same
    // sequences of views, so most ticks find theirs at the first compare.
    std::vector<quint32> successor_;
    quint32 last_ = 0;  // the last view recorded, plus one; 0 for none
    // The panels' plain texts, each set of them once, and the set the last
    // record found with the status line's revision it had then.
    std::vector<StatusLine::Texts> texts_;
    QHash<QString, quint32> textsIndexOf_;
    quint64 textsRevision_ = 0;
    quint32 textsIndex_ = 0;
    bool textsKnown_ = false;
};
