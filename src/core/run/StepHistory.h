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

    explicit StepHistory(int limit = kDefaultLimit) : limit_(limit) {}

    // Before a tick of `machine` at `position`: what the tick may change.
    // The table's cursor is given as the ticks before have left it, since
    // a batch of ticks sets the table's own only at its end.
    void Record(Machine& machine, const RunPosition& position, const StatusLine& status,
                int cursorCol, int cursorRow);
    // Puts back the machine, its position and the status line as they were
    // before the last tick recorded, and forgets that tick. The history must
    // not be empty.
    void TakeBack(Machine& machine, RunPosition& position, StatusLine& status);
    void Clear();

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
