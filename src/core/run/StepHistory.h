#pragma once
// The ticks of one machine's run that "Шаг назад" can take back, oldest
// first, at most a limit of them (older ones are dropped and the history
// says so). A record is 24 bytes: the step count, the carriage and the used
// bounds as numbers, and the index of a view: what else the tick found, as
// values (the carriage cell's content, the row or state, the table's cursor,
// the status panels), kept once for every tick that found the same. A loop
// comes back to few views, so a long run costs its records and little more.
// It writes only the machine's tape and cursor, its position and the status
// line, and only when a tick is taken back.

#include <QHash>
#include <deque>
#include <vector>

#include "core/machine/Machine.h"
#include "core/machine/RunPosition.h"
#include "core/machine/StatusLine.h"

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

    // What a tick leaves besides the numbers of its record. The step panel's
    // number is kept as its distance from the step count and the bound
    // panels' numbers, when they show the recorded bounds, not at all, so
    // that the ticks of a loop share their views.
    struct View {
        quint16 cell = 0;  // the Post mark (0 or 1) or the Turing symbol
        bool boundsFollow = false;
        qint32 at = 0;
        int cursorCol = 0;
        int cursorRow = 0;
        StatusLine::Panels panels;

        bool operator==(const View& o) const {
            return cell == o.cell && boundsFollow == o.boundsFollow && at == o.at &&
                   cursorCol == o.cursorCol && cursorRow == o.cursorRow && panels == o.panels;
        }
    };

private:
    struct Tick {
        qint64 steps;
        qint32 carriage;
        qint32 usedMin;
        qint32 usedMax;
        quint32 view;
    };
    static_assert(sizeof(Tick) == 24, "a record stays compact");

    quint32 ViewIndex(const View& view);

    int limit_;
    bool trimmed_ = false;
    std::deque<Tick> records_;
    std::vector<View> views_;
    QHash<View, quint32> indexOf_;
};

size_t qHash(const StepHistory::View& view, size_t seed = 0);
