#pragma once
// The tape's history of one machine's run, for the history panel and its
// picture: the tape as the run found it, then for every tick what changed
// (the carriage, the one cell the tick may have written, the step count and
// the row or state that came next), 16 bytes a tick, with a copy of the
// whole tape every kKeyframeEvery ticks so that the tape at any recorded
// tick is a short replay away. It records at most kMaxTicks ticks (64 MB);
// the ticks after them are counted but not kept.
// The run controller feeds it (Begin, AfterTick, TakeBack, Clear); it reads
// the tape's strings without padding them and writes nothing. Cells are
// kept as codes: 0 is the unmarked cell or the blank ("_" too), 1 the Post
// mark, and a Turing symbol gets the next free code when first met, up to
// kOtherCode, which all further symbols share; kCarriageCode is left for the
// pictures' carriage.

#include <QChar>
#include <QObject>
#include <QString>
#include <algorithm>
#include <vector>

#include "core/machine/RunPosition.h"
#include "core/run/ChunkedLog.h"
#include "core/tape/TapeStore.h"

class TapeHistory : public QObject {
    Q_OBJECT
public:
    static constexpr qint64 kMaxTicks = 4000000;
    static constexpr qint64 kKeyframeEvery = 1024;
    static constexpr quint8 kOtherCode = 254;
    static constexpr quint8 kCarriageCode = 255;

    // One line of the history: the step count, the row or state the table
    // showed, and the carriage, after tick `tick` (0: as the run started).
    struct Line {
        qint64 steps = 0;
        int at = 0;
        int carriage = 0;
    };

    // Starts a history from `tape` at `position` unless one is under way.
    void Begin(const TapeStore& tape, const RunPosition& position);
    bool Started() const { return started_; }
    // After a tick: what it changed. The views hear of the ticks recorded
    // when AnnounceTicks is called, once for a batch of them.
    void AfterTick(const TapeStore& tape, const RunPosition& position) {
        if (started_) {
            Record(tape, position);
        }
    }
    void AnnounceTicks();
    // The last tick was taken back.
    void TakeBack();
    void Clear();

    // The ticks since the start, kept or not, and the lines kept (ticks kept
    // plus the start).
    qint64 Ticks() const { return ticks_; }
    qint64 LineCount() const { return started_ ? qint64(records_.size()) + 1 : 0; }
    bool Full() const { return ticks_ > qint64(records_.size()); }
    TapeKind Kind() const { return kind_; }
    // The lowest and the highest cell the run used: marked or written, or
    // under the carriage, at any tick kept.
    int LowestCell() const { return lowest_; }
    int HighestCell() const { return highest_; }
    // The tape's first cell: index 0 of Cells().
    int FirstCell() const { return first_; }

    Line LineAt(qint64 line) const;
    // The codes of the whole tape at `line`, index 0 for FirstCell().
    std::vector<quint8> CellsAt(qint64 line) const;
    // What a code stands for: the Post mark or blank as '1' and ' ', the
    // Turing symbol as written.
    QChar SymbolOf(quint8 code) const;
    int CodeCount() const { return int(symbols_.size()); }

    // Walks the lines from one line on, one after another, at the cost of a
    // cell copy per line: the pictures and the panel read it.
    class Walk {
    public:
        Walk(const TapeHistory& history, qint64 line);
        qint64 Line() const { return line_; }
        const std::vector<quint8>& Cells() const { return cells_; }
        int Carriage() const;
        // To the next line; false past the last.
        bool Next();

    private:
        const TapeHistory& history_;
        qint64 line_;
        std::vector<quint8> cells_;
    };

    // Counts the histories begun: a view that drew another one redraws.
    quint64 Generation() const { return generation_; }

Q_SIGNALS:
    // Ticks were recorded (AnnounceTicks) or taken back, or the history was
    // begun or cleared: views compare LineCount() and Generation() with theirs.
    void Changed();

private:
    struct Tick {
        quint32 steps;  // since the start's count
        qint32 at;
        qint16 carriage;
        qint16 written;
        quint8 before;
        quint8 after;
        quint16 reserved;
    };
    static_assert(sizeof(Tick) == 16, "a record stays compact");

    void Record(const TapeStore& tape, const RunPosition& position);
    quint8 CodeAt(const TapeStore& tape, int cell);
    void Widen(int cell) {
        lowest_ = std::min(lowest_, cell);
        highest_ = std::max(highest_, cell);
    }

    bool started_ = false;
    bool unannounced_ = false;  // ticks recorded since the views last heard
    TapeKind kind_ = TapeKind::Post;
    int first_ = 0;
    qint64 ticks_ = 0;
    qint64 startSteps_ = 0;
    int startAt_ = 0;
    int startCarriage_ = 0;
    int carriage_ = 0;  // after the last tick kept
    int lowest_ = 0;
    int highest_ = 0;
    quint64 generation_ = 0;
    std::vector<quint8> start_;
    std::vector<quint8> current_;
    ChunkedLog<Tick> records_;
    // The tape after tick k * kKeyframeEvery, k from 1.
    std::vector<std::vector<quint8>> keyframes_;
    std::vector<QChar> symbols_;
};
