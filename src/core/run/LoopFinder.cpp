#include "core/run/LoopFinder.h"

#include <algorithm>
#include <memory>

#include "core/machine/MachineHost.h"
#include "core/machine/StatusLine.h"
#include "core/port/ScriptedUi.h"
#include "core/post/PostMachine.h"
#include "core/turing/TuringMachine.h"

namespace {

constexpr quint16 kPostBlank = 0;
constexpr quint16 kTuringBlank = u' ';

quint16 BlankOf(TapeKind kind) {
    return kind == TapeKind::Post ? kPostBlank : kTuringBlank;
}

// SplitMix64's finaliser: every input bit reaches every output bit.
quint64 Mix(quint64 x) {
    x += 0x9E3779B97F4A7C15ULL;
    x = (x ^ (x >> 30)) * 0xBF58476D1CE4E5B9ULL;
    x = (x ^ (x >> 27)) * 0x94D049BB133111EBULL;
    return x ^ (x >> 31);
}

// A blank cell adds nothing, so the hash of a tape needs only its used
// cells and the strings' padding never counts.
quint64 CellKey(TapeKind kind, int index, quint16 content) {
    if (content == BlankOf(kind)) {
        return 0;
    }
    return Mix((quint64(quint32(index + 2 * TapeStore::TapeLimit)) << 16) | content);
}

// The content of cell k (1-based) of one of the strings, without padding.
quint16 StoredCell(const QString& cells, qsizetype k, quint16 blank) {
    return k <= cells.size() ? cells.constData()[k - 1].unicode() : blank;
}

quint16 CellContent(TapeKind kind, const QString& left, const QString& right, QChar zero,
                    const QString& turing, int index) {
    if (kind == TapeKind::Turing) {
        return index >= 1 ? StoredCell(turing, index, kTuringBlank) : kTuringBlank;
    }
    QChar c = zero;
    if (index != 0) {
        const QString& cells = index > 0 ? right : left;
        const qsizetype k = std::abs(index);
        c = k <= cells.size() ? cells.constData()[k - 1] : QChar(u'0');
    }
    return c == u'1' ? 1 : kPostBlank;
}

// One side of the Post tape, or the Turing tape: cells 1..n of both
// strings, read as the machine reads them.
bool SameSide(TapeKind kind, const QString& a, const QString& b, int sign, const TapeContents& ta,
              const TapeContents& tb) {
    const qsizetype n = std::max(a.size(), b.size());
    for (qsizetype k = 1; k <= n; ++k) {
        const int index = sign * int(k);
        if (TapeHash::Content(ta, kind, index) != TapeHash::Content(tb, kind, index)) {
            return false;
        }
    }
    return true;
}

// A copy of a machine's program on a tape of its run, with a host of its
// own, stepped headless as a check against cases steps it: nothing of the
// copy reaches the machine it was made from.
class ReplayCopy final : public MachineHost {
public:
    ReplayCopy(Machine& source, const TapeContents& tape, const RunPosition& position)
        : kind_(source.tape.Kind()), position_(position) {
        if (source.Kind() == MachineKind::Post) {
            machine_ = std::make_unique<PostMachine>(*this);
        } else {
            machine_ = std::make_unique<TuringMachine>(*this);
        }
        MachineContents contents = source.Saved();
        contents.tape = tape;
        machine_->PutBack(contents);
        hash_.Reset(machine_->tape);
    }

    // One tick; false when it does not go on.
    bool Tick() {
        hash_.Before(machine_->tape);
        const bool goesOn = machine_->Step(position_).Continues();
        hash_.After(machine_->tape);
        return goesOn;
    }
    qint64 Steps() const { return position_.steps; }
    quint64 Hash() const { return hash_.Of(machine_->tape, position_); }
    bool Same(const ReplayCopy& other) const {
        return SameConfiguration(kind_, position_.at, machine_->tape.Saved(), other.position_.at,
                                 other.machine_->tape.Saved());
    }

    Ui& UiPort() const override { return ui_; }
    StatusLine& Status() override { return status_; }
    Machine& MachineOf(MachineKind) override { return *machine_; }
    Machine& Current() override { return *machine_; }
    void MachineEdited(Machine&) override {}
    void MachineTapeChanged(Machine&) override {}
    void HoldViewUpdates(bool) override {}

private:
    mutable ScriptedUi ui_{ScriptedUi::Unplanned::FirstButton};
    StatusLine status_;
    TapeKind kind_;
    RunPosition position_;
    TapeHash hash_;
    // Last, so that it goes before the host parts it refers to.
    std::unique_ptr<Machine> machine_;
};

}  // namespace

quint16 TapeHash::Content(const TapeContents& tape, TapeKind kind, int index) {
    return CellContent(kind, tape.left, tape.right, tape.zero, tape.tape, index);
}

quint16 TapeHash::Content(const TapeStore& tape, int index) {
    return CellContent(tape.Kind(), tape.LeftString(), tape.RightString(), tape.ZeroCell(),
                       tape.TuringString(), index);
}

void TapeHash::Reset(const TapeStore& tape) {
    const TapeKind kind = tape.Kind();
    cells_ = 0;
    for (int index = tape.FirstCell(); index <= tape.LastCell(); ++index) {
        cells_ ^= CellKey(kind, index, Content(tape, index));
    }
}

void TapeHash::Before(const TapeStore& tape) {
    cell_ = tape.CarriagePos();
    before_ = Content(tape, cell_);
}

void TapeHash::After(const TapeStore& tape) {
    const quint16 after = Content(tape, cell_);
    if (after != before_) {
        cells_ ^= CellKey(tape.Kind(), cell_, before_) ^ CellKey(tape.Kind(), cell_, after);
    }
}

quint64 TapeHash::Of(const TapeStore& tape, const RunPosition& position) const {
    const quint64 place = (quint64(quint32(position.at)) << 32) | quint32(tape.CarriagePos());
    return Mix(cells_ ^ Mix(place));
}

bool SameConfiguration(TapeKind kind, int atA, const TapeContents& a, int atB,
                       const TapeContents& b) {
    if (atA != atB || a.carriage != b.carriage) {
        return false;
    }
    if (kind == TapeKind::Turing) {
        return SameSide(kind, a.tape, b.tape, +1, a, b);
    }
    return TapeHash::Content(a, kind, 0) == TapeHash::Content(b, kind, 0) &&
           SameSide(kind, a.right, b.right, +1, a, b) && SameSide(kind, a.left, b.left, -1, a, b);
}

void LoopFinder::Watch(Machine& machine, const RunPosition& position) {
    watching_ = true;
    startTape_ = machine.tape.Saved();
    startPosition_ = position;
    hash_.Reset(machine.tape);
    checkpointSet_ = false;
}

StepOutcome LoopFinder::Step(Machine& machine, RunPosition& position) {
    if (!enabled_) {
        return machine.Step(position);
    }
    if (!watching_) {
        Watch(machine, position);
    }
    TapeStore& tape = machine.tape;
    hash_.Before(tape);
    StepOutcome outcome = machine.Step(position);
    if (!outcome.Continues()) {
        watching_ = false;
        return outcome;
    }
    hash_.After(tape);
    if (!Repeats(tape, position, hash_.Of(tape, position))) {
        return outcome;
    }
    const qint64 length = lam_;
    watching_ = false;
    const std::optional<qint64> start = FirstRepeat(machine, length, position.steps);
    if (!start) {
        return outcome;
    }
    // The tick itself stays as the machine made it: its step, cursor and
    // announcement are what the run shows when the loop ends on this tick.
    outcome.result = StepOutcome::Result::Failed;
    outcome.error = StepError::Loop;
    outcome.loopStart = *start;
    outcome.loopLength = length;
    return outcome;
}

bool LoopFinder::Repeats(const TapeStore& tape, const RunPosition& position, quint64 hash) {
    if (!checkpointSet_) {
        MoveCheckpoint(tape, position, hash);
        power_ = 1;
        return false;
    }
    ++lam_;
    if (hash == checkHash_ && position.at == checkAt_ && tape.CarriagePos() == checkCarriage_ &&
        SameConfiguration(tape.Kind(), position.at, tape.Saved(), checkAt_, checkTape_)) {
        return true;
    }
    if (lam_ == power_) {
        MoveCheckpoint(tape, position, hash);
        power_ *= 2;
    }
    return false;
}

void LoopFinder::MoveCheckpoint(const TapeStore& tape, const RunPosition& position, quint64 hash) {
    checkpointSet_ = true;
    checkHash_ = hash;
    checkAt_ = position.at;
    checkCarriage_ = tape.CarriagePos();
    // Shared with the tape until its next write, which copies it once.
    checkTape_ = tape.Saved();
    lam_ = 0;
}

std::optional<qint64> LoopFinder::FirstRepeat(Machine& machine, qint64 length, qint64 last) const {
    ReplayCopy first(machine, startTape_, startPosition_);
    ReplayCopy second(machine, startTape_, startPosition_);
    // The first tick of a run only announces: the configurations compared
    // begin with the one it leaves.
    while (first.Steps() < 1) {
        if (!first.Tick()) {
            return std::nullopt;
        }
    }
    while (second.Steps() < first.Steps() + length) {
        if (!second.Tick()) {
            return std::nullopt;
        }
    }
    for (;;) {
        if (first.Hash() == second.Hash() && first.Same(second)) {
            return first.Steps();
        }
        if (second.Steps() >= last || !first.Tick() || !second.Tick()) {
            return std::nullopt;
        }
    }
}
