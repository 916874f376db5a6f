#include "core/run/StepHistory.h"

#include "core/text/TextTable.h"

namespace {

size_t HashOf(const Announcement& announcement, size_t seed) {
    seed = qHashMulti(seed, announcement.value.index());
    if (const PostAnnouncement* post = std::get_if<PostAnnouncement>(&announcement.value)) {
        return qHashMulti(seed, quint8(post->op), post->marked, post->firstTick, post->target);
    }
    if (const TuringAnnouncement* turing = std::get_if<TuringAnnouncement>(&announcement.value)) {
        return qHashMulti(seed, turing->read, turing->write, turing->move, turing->state,
                          turing->next);
    }
    return seed;
}

}  // namespace

size_t qHash(const StepHistory::View& view, size_t seed) {
    const StatusLine::Panels& p = view.panels;
    seed = qHashMulti(seed, view.cell, view.boundsFollow, view.at, view.cursorCol, view.cursorRow,
                      p.messageComposed, p.messageText, p.stepComposed, p.stepPrefix, p.step,
                      p.stepText, p.bounds.numbers, p.bounds.usedMin, p.bounds.usedMax, p.minText,
                      p.maxText);
    return HashOf(p.message, seed);
}

void StepHistory::Record(Machine& machine, const RunPosition& position, const StatusLine& status,
                         int cursorCol, int cursorRow) {
    TapeStore& tape = machine.tape;  // its cell getters are not const
    Tick tick;
    tick.steps = position.steps;
    tick.carriage = tape.CarriagePos();
    tick.usedMin = tape.UsedMin();
    tick.usedMax = tape.UsedMax();

    View view;
    view.cell = tape.Kind() == TapeKind::Post ? quint16(tape.GetPostCell(tick.carriage))
                                              : tape.GetTuringCell(tick.carriage).unicode();
    view.at = position.at;
    view.cursorCol = cursorCol;
    view.cursorRow = cursorRow;
    view.panels = status.Shown();
    if (view.panels.stepComposed) {
        view.panels.step -= position.steps;
    }
    const ShownBounds& bounds = view.panels.bounds;
    if (bounds.numbers && bounds.usedMin == tick.usedMin && bounds.usedMax == tick.usedMax) {
        view.boundsFollow = true;
        view.panels.bounds.usedMin = 0;
        view.panels.bounds.usedMax = 0;
    }
    tick.view = ViewIndex(view);

    records_.push_back(tick);
    if (records_.size() > std::size_t(limit_)) {
        records_.pop_front();
        trimmed_ = true;
    }
}

quint32 StepHistory::ViewIndex(const View& view) {
    const auto found = indexOf_.constFind(view);
    if (found != indexOf_.constEnd()) {
        return *found;
    }
    const quint32 index = quint32(views_.size());
    views_.push_back(view);
    indexOf_.insert(view, index);
    return index;
}

void StepHistory::TakeBack(Machine& machine, RunPosition& position, StatusLine& status) {
    const Tick tick = records_.back();
    records_.pop_back();
    const View& view = views_[tick.view];
    // The interpreter's own writes, taken back: the carriage cell is the
    // only cell a step writes.
    TapeStore& tape = machine.tape;
    if (tape.Kind() == TapeKind::Post) {
        tape.SetPostCell(tick.carriage, view.cell != 0);
    } else {
        tape.SetTuringCell(tick.carriage, QChar(view.cell));
    }
    tape.SetCarriagePos(tick.carriage);
    tape.SetUsedBounds(tick.usedMin, tick.usedMax);
    position.at = view.at;
    position.steps = tick.steps;
    machine.ProgramTable().SetCursor(view.cursorCol, view.cursorRow);
    StatusLine::Panels panels = view.panels;
    if (panels.stepComposed) {
        panels.step += tick.steps;
    }
    if (view.boundsFollow) {
        panels.bounds.usedMin = tick.usedMin;
        panels.bounds.usedMax = tick.usedMax;
    }
    status.Restore(panels);
    if (records_.empty()) {
        // Nothing refers to the views any more.
        views_.clear();
        indexOf_.clear();
    }
}

void StepHistory::Clear() {
    records_.clear();
    views_.clear();
    indexOf_.clear();
    trimmed_ = false;
}
