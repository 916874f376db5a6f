#include "core/run/TapeHistory.h"

#include <utility>

namespace {

constexpr QChar kBlank = u' ';

}  // namespace

// The cells are peeked at: reading through the tape's getters would pad
// the strings, and a document saved after the run would store the padding.
quint8 TapeHistory::CodeAt(const TapeStore& tape, int cell) {
    if (kind_ == TapeKind::Post) {
        return tape.PeekPostCell(cell) ? 1 : 0;
    }
    const QChar symbol = tape.PeekTuringCell(cell);
    if (symbol == kBlank || symbol == u'_') {
        return 0;
    }
    const auto found = std::find(symbols_.begin(), symbols_.end(), symbol);
    if (found != symbols_.end()) {
        return quint8(found - symbols_.begin());
    }
    if (symbols_.size() >= kOtherCode) {
        return kOtherCode;
    }
    symbols_.push_back(symbol);
    return quint8(symbols_.size() - 1);
}

void TapeHistory::Begin(const TapeStore& tape, const RunPosition& position) {
    if (started_) {
        return;
    }
    Clear();
    started_ = true;
    ++generation_;
    kind_ = tape.Kind();
    first_ = tape.FirstCell();
    symbols_ = {kBlank};
    if (kind_ == TapeKind::Post) {
        symbols_.push_back(u'1');
    }
    startSteps_ = position.steps;
    startAt_ = position.at;
    startCarriage_ = carriage_ = tape.CarriagePos();
    lowest_ = highest_ = carriage_;
    start_.assign(std::size_t(tape.LastCell() - first_) + 1, 0);
    for (int cell = first_; cell <= tape.LastCell(); ++cell) {
        const quint8 code = CodeAt(tape, cell);
        start_[std::size_t(cell - first_)] = code;
        if (code != 0) {
            Widen(cell);
        }
    }
    current_ = start_;
    Q_EMIT Changed();
}

void TapeHistory::Record(const TapeStore& tape, const RunPosition& position) {
    const qint64 kept = qint64(records_.size());
    ++ticks_;
    if (kept + 1 < ticks_ || kept >= kMaxTicks) {
        return;  // full: counted only
    }
    Tick tick{};
    tick.written = qint16(carriage_);
    quint8& cell = current_[std::size_t(carriage_ - first_)];
    tick.before = cell;
    tick.after = cell = CodeAt(tape, carriage_);
    carriage_ = tape.CarriagePos();
    tick.carriage = qint16(carriage_);
    tick.steps = quint32(position.steps - startSteps_);
    tick.at = position.at;
    records_.push_back(tick);
    Widen(carriage_);
    if (records_.size() % std::size_t(kKeyframeEvery) == 0) {
        keyframes_.push_back(current_);
    }
    unannounced_ = true;
}

void TapeHistory::AnnounceTicks() {
    if (std::exchange(unannounced_, false)) {
        Q_EMIT Changed();
    }
}

void TapeHistory::TakeBack() {
    if (ticks_ == 0) {
        return;
    }
    --ticks_;
    if (qint64(records_.size()) > ticks_) {
        if (records_.size() % std::size_t(kKeyframeEvery) == 0) {
            keyframes_.pop_back();
        }
        const Tick tick = records_.back();
        records_.pop_back();
        current_[std::size_t(tick.written - first_)] = tick.before;
        carriage_ = records_.empty() ? startCarriage_ : records_.back().carriage;
    }
    Q_EMIT Changed();
}

void TapeHistory::Clear() {
    const bool had = started_;
    started_ = false;
    ticks_ = 0;
    // A long run's records are given back, not kept for the next.
    records_.clear();
    std::vector<std::vector<quint8>>().swap(keyframes_);
    start_.clear();
    current_.clear();
    symbols_.clear();
    if (had) {
        Q_EMIT Changed();
    }
}

TapeHistory::Line TapeHistory::LineAt(qint64 line) const {
    if (line <= 0 || records_.empty()) {
        return {startSteps_, startAt_, startCarriage_};
    }
    const Tick& tick = records_[std::size_t(std::min(line, qint64(records_.size())) - 1)];
    return {startSteps_ + tick.steps, tick.at, tick.carriage};
}

std::vector<quint8> TapeHistory::CellsAt(qint64 line) const {
    line = std::clamp<qint64>(line, 0, qint64(records_.size()));
    const qint64 frame = std::min<qint64>(line / kKeyframeEvery, qint64(keyframes_.size()));
    std::vector<quint8> cells = frame == 0 ? start_ : keyframes_[std::size_t(frame - 1)];
    for (qint64 k = frame * kKeyframeEvery; k < line; ++k) {
        const Tick& tick = records_[std::size_t(k)];
        cells[std::size_t(tick.written - first_)] = tick.after;
    }
    return cells;
}

QChar TapeHistory::SymbolOf(quint8 code) const {
    return code < symbols_.size() ? symbols_[code] : QChar(u'?');
}

TapeHistory::Walk::Walk(const TapeHistory& history, qint64 line)
    : history_(history),
      line_(std::clamp<qint64>(line, 0, qint64(history.records_.size()))),
      cells_(history.CellsAt(line_)) {}

int TapeHistory::Walk::Carriage() const {
    return history_.LineAt(line_).carriage;
}

bool TapeHistory::Walk::Next() {
    if (line_ >= qint64(history_.records_.size())) {
        return false;
    }
    const Tick& tick = history_.records_[std::size_t(line_)];
    cells_[std::size_t(tick.written - history_.first_)] = tick.after;
    ++line_;
    return true;
}
