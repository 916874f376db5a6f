#include "core/run/StepHistory.h"

#include "core/text/TextTable.h"

namespace {

// The words of a view, in order: 0 the carriage cell, the flags, the
// announcement's kind and the texts' index; 1 the row or state and the
// cursor's column; 2 the cursor's row and the lowest bound shown; 3 the
// highest bound shown and the announcement's first half; 4 and 5 its
// second half; 6 the step panel's offset; 7 its prefix's index plus one.
enum Word { Flags, AtCol, RowMin, MaxAnnounce, AnnounceB, AnnounceC, StepOffset, StepPrefix };
constexpr quint64 BoundsFollow = 1 << 16;
constexpr quint64 MessageComposed = 1 << 17;
constexpr quint64 StepComposed = 1 << 18;
constexpr quint64 BoundsNumbers = 1 << 19;
constexpr int kKindShift = 20;
constexpr int kTextsShift = 32;

quint64 Pair(qint64 low, qint64 high) {
    return quint64(quint32(low)) | quint64(quint32(high)) << 32;
}
qint32 Low(quint64 word) {
    return qint32(quint32(word));
}
qint32 High(quint64 word) {
    return qint32(quint32(word >> 32));
}

}  // namespace

quint64 StepHistory::HashOf(const View& view) {
    // The words are mixed independently and folded once: a view is hashed
    // on every tick.
    quint64 h = 0;
    int turn = 0;
    for (quint64 word : view) {
        h ^= (word << turn) | (word >> ((64 - turn) & 63));
        turn += 23;
        turn &= 63;
    }
    h ^= h >> 32;
    h *= 0x9e3779b97f4a7c15ULL;
    return h ^ (h >> 29);
}

void StepHistory::RecordFull(Machine& machine, const RunPosition& position,
                             const StatusLine& status, int cursorCol, int cursorRow) {
    TapeStore& tape = machine.tape;  // its cell getters are not const
    Tick tick;
    tick.steps = position.steps;
    tick.carriage = tape.CarriagePos();
    tick.usedMin = tape.UsedMin();
    tick.usedMax = tape.UsedMax();

    const StatusLine::Values values = status.ShownValues();
    View view{};
    quint64 flags = tape.Kind() == TapeKind::Post ? quint64(tape.GetPostCell(tick.carriage))
                                                  : tape.GetTuringCell(tick.carriage).unicode();
    const ShownBounds& bounds = values.bounds;
    const bool follow =
        bounds.numbers && bounds.usedMin == tick.usedMin && bounds.usedMax == tick.usedMax;
    flags |= follow ? BoundsFollow : 0U;
    flags |= values.messageComposed ? MessageComposed : 0U;
    flags |= values.stepComposed ? StepComposed : 0U;
    flags |= bounds.numbers ? BoundsNumbers : 0U;
    flags |= quint64(values.message.value.index()) << kKindShift;
    flags |= quint64(TextsIndex(status)) << kTextsShift;
    view[Flags] = flags;
    view[AtCol] = Pair(position.at, cursorCol);
    view[RowMin] = Pair(cursorRow, follow ? 0 : bounds.usedMin);
    quint64 announce = 0;
    if (const auto* post = std::get_if<PostAnnouncement>(&values.message.value)) {
        announce = quint64(post->op) | quint64(post->marked) << 8 | quint64(post->firstTick) << 9;
        view[AnnounceB] = quint32(post->target);
    } else if (const auto* turing = std::get_if<TuringAnnouncement>(&values.message.value)) {
        announce = quint64(turing->read.unicode()) | quint64(turing->write.unicode()) << 16;
        view[AnnounceB] = quint64(turing->move.unicode()) | quint64(quint32(turing->state)) << 16;
        view[AnnounceC] = quint32(turing->next);
    }
    view[MaxAnnounce] = Pair(follow ? 0 : bounds.usedMax, qint64(announce));
    view[StepOffset] = quint64(values.stepComposed ? values.step - position.steps : 0);
    view[StepPrefix] = values.stepComposed ? PrefixIndex(values.stepPrefix) : 0;
    const quint32 predicted = last_ != 0 ? successor_[last_ - 1] : 0;
    if (predicted != 0 && Same(views_[predicted - 1], view)) {
        tick.view = predicted - 1;
    } else {
        tick.view = ViewIndex(view);
        if (last_ != 0) {
            successor_[last_ - 1] = tick.view + 1;
        }
    }
    last_ = tick.view + 1;
    Append(tick);
}

void StepHistory::Trim() {
    // At the limit the oldest group of ticks goes as a whole: its light
    // records are taken back through its full one. The first record is a
    // full one, the start of the first group.
    std::size_t group = 1;
    while (group < records_.size() && Light(records_[group])) {
        ++group;
    }
    if (group < records_.size() && records_.size() - group >= std::size_t(limit_)) {
        for (std::size_t i = 0; i < group; ++i) {
            records_.pop_front();
        }
        trimmed_ = true;
    }
}

quint64 StepHistory::PrefixIndex(const QString* prefix) {
    for (std::size_t i = 0; i < prefixes_.size(); ++i) {
        if (prefixes_[i] == prefix) {
            return i + 1;
        }
    }
    prefixes_.push_back(prefix);
    return prefixes_.size();
}

quint32 StepHistory::TextsIndex(const StatusLine& status) {
    if (textsKnown_ && status.TextsRevision() == textsRevision_) {
        return textsIndex_;
    }
    const StatusLine::Texts texts = status.PlainTexts();
    QString key;
    for (const QString& text : texts) {
        key += text;
        key += QChar(0);  // no panel's text holds one
    }
    const auto found = textsIndexOf_.constFind(key);
    if (found != textsIndexOf_.constEnd()) {
        textsIndex_ = *found;
    } else {
        textsIndex_ = quint32(texts_.size());
        texts_.push_back(texts);
        textsIndexOf_.insert(key, textsIndex_);
    }
    textsRevision_ = status.TextsRevision();
    textsKnown_ = true;
    return textsIndex_;
}

quint32 StepHistory::ViewIndex(const View& view) {
    if (slots_.size() < 2 * (views_.size() + 1)) {
        // Twice as many slots, every view placed again.
        slots_.assign(std::max<std::size_t>(64, slots_.size() * 2), 0);
        const std::size_t mask = slots_.size() - 1;
        for (std::size_t i = 0; i < views_.size(); ++i) {
            std::size_t slot = HashOf(views_[i]) & mask;
            while (slots_[slot] != 0) {
                slot = (slot + 1) & mask;
            }
            slots_[slot] = quint32(i + 1);
        }
    }
    const std::size_t mask = slots_.size() - 1;
    std::size_t slot = HashOf(view) & mask;
    while (slots_[slot] != 0) {
        const quint32 index = slots_[slot] - 1;
        if (Same(views_[index], view)) {
            return index;
        }
        slot = (slot + 1) & mask;
    }
    const quint32 index = quint32(views_.size());
    views_.push_back(view);
    successor_.push_back(0);
    slots_[slot] = index + 1;
    return index;
}

void StepHistory::RestoreCell(TapeStore& tape, int cell, quint32 content) {
    if (tape.Kind() == TapeKind::Post) {
        tape.SetPostCell(cell, content != 0);
    } else {
        tape.SetTuringCell(cell, QChar(char16_t(content)));
    }
}

void StepHistory::TakeBack(Machine& machine, RunPosition& position, StatusLine& status,
                           qint64 count) {
    if (count <= 0 || records_.empty()) {
        return;
    }
    last_ = 0;  // the next record follows no view recorded
    const std::size_t keep =
        count >= qint64(records_.size()) ? 0 : records_.size() - std::size_t(count);
    // The full record at or before the first tick taken back: at most
    // kFullEvery - 1 records before it.
    std::size_t full = std::min(keep, records_.size() - 1);
    while (Light(records_[full])) {
        --full;
    }
    // The interpreter's own writes, taken back newest first: the carriage
    // cell is the only cell a tick writes.
    TapeStore& tape = machine.tape;
    for (std::size_t i = records_.size(); i-- > full;) {
        const Tick& tick = records_[i];
        RestoreCell(tape, tick.carriage,
                    Light(tick) ? tick.view & 0xffff : quint32(views_[tick.view][Flags] & 0xffff));
    }
    RestoreFull(machine, position, status, records_[full]);
    // On from the full record to the tick kept last, as the run went.
    if (keep > full) {
        TextTable& table = machine.ProgramTable();
        int col = table.Col();
        int row = table.Row();
        for (std::size_t i = full; i < keep; ++i) {
            const StepOutcome outcome = machine.Step(position);
            ShowTick(status, machine, outcome);
            col = outcome.cursorCol >= 0 ? outcome.cursorCol : col;
            row = outcome.cursorRow >= 0 ? outcome.cursorRow : row;
        }
        table.SetCursor(col, row);
    }
    while (records_.size() > keep) {
        records_.pop_back();
    }
    if (records_.empty()) {
        // Nothing refers to the views any more.
        Clear();
    }
}

void StepHistory::RestoreFull(Machine& machine, RunPosition& position, StatusLine& status,
                              const Tick& tick) {
    const View& view = views_[tick.view];
    const quint64 flags = view[Flags];
    TapeStore& tape = machine.tape;
    tape.SetCarriagePos(tick.carriage);
    tape.SetUsedBounds(tick.usedMin, tick.usedMax);
    position.at = Low(view[AtCol]);
    position.steps = tick.steps;
    machine.ProgramTable().SetCursor(High(view[AtCol]), Low(view[RowMin]));

    StatusLine::Values values;
    values.messageComposed = flags & MessageComposed;
    values.stepComposed = flags & StepComposed;
    values.bounds.numbers = flags & BoundsNumbers;
    const bool follow = flags & BoundsFollow;
    values.bounds.usedMin = follow ? tick.usedMin : High(view[RowMin]);
    values.bounds.usedMax = follow ? tick.usedMax : Low(view[MaxAnnounce]);
    const quint32 announce = quint32(High(view[MaxAnnounce]));
    switch ((flags >> kKindShift) & 3) {
        case 1: {
            PostAnnouncement post;
            post.op = PostOp(announce & 0xff);
            post.marked = announce >> 8 & 1;
            post.firstTick = announce >> 9 & 1;
            post.target = qint32(quint32(view[AnnounceB]));
            values.message.value = post;
            break;
        }
        case 2: {
            TuringAnnouncement turing;
            turing.read = QChar(char16_t(announce & 0xffff));
            turing.write = QChar(char16_t(announce >> 16));
            turing.move = QChar(char16_t(view[AnnounceB] & 0xffff));
            turing.state = qint32(quint32(view[AnnounceB] >> 16));
            turing.next = qint32(quint32(view[AnnounceC]));
            values.message.value = turing;
            break;
        }
        default:
            break;
    }
    if (values.stepComposed) {
        values.step = qint64(view[StepOffset]) + tick.steps;
        const quint64 prefix = view[StepPrefix];
        values.stepPrefix = prefix > 0 ? prefixes_[std::size_t(prefix - 1)] : nullptr;
    }
    status.Restore(values, texts_[std::size_t(flags >> kTextsShift)]);
}

void StepHistory::Clear() {
    records_.clear();
    sinceFull_ = 0;
    views_.clear();
    slots_.clear();
    successor_.clear();
    last_ = 0;
    texts_.clear();
    textsIndexOf_.clear();
    prefixes_.clear();
    textsKnown_ = false;
    trimmed_ = false;
}
