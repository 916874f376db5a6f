#include "core/editing/TapeScroller.h"

#include "core/editing/CarriageMoves.h"
#include "core/run/RunController.h"
#include "core/tape/TapeWindow.h"
#include "core/workbench/Workbench.h"

int TapeScroller::NextInterval(Side side, int interval) {
    const int step = side == Side::Left ? 30 : 40;
    return interval > 40 ? interval - step : FastestInterval;
}

TapeScroller::TapeScroller(Workbench& bench, QObject* parent) : QObject(parent), bench_(bench) {
    TimeLeft().setObjectName(QStringLiteral("TimeLeft"));
    TimeRight().setObjectName(QStringLiteral("TimeRight"));
    timeLeft2_.setObjectName(QStringLiteral("TimeLeft2"));
    timeRight2_.setObjectName(QStringLiteral("TimeRight2"));
    for (Repeat& repeat : repeat_) {
        // One shot at a time: the tick restarts the timer only after its
        // move succeeded, so no tick can arrive while a refusal's dialog
        // runs its own event loop.
        repeat.timer.setSingleShot(true);
        repeat.timer.setInterval(StartInterval);
    }
    connect(&TimeLeft(), &QTimer::timeout, this, &TapeScroller::TimeLeftTimer);
    connect(&TimeRight(), &QTimer::timeout, this, &TapeScroller::TimeRightTimer);
    timeLeft2_.setInterval(BoundInterval);
    timeRight2_.setInterval(BoundInterval);
    connect(&timeLeft2_, &QTimer::timeout, this, &TapeScroller::TimeLeft2Timer);
    connect(&timeRight2_, &QTimer::timeout, this, &TapeScroller::TimeRight2Timer);
}

bool TapeScroller::Move(Side side) {
    return side == Side::Left ? MoveCarriageLeft(bench_) : MoveCarriageRight(bench_);
}

void TapeScroller::MouseDown(Side side) {
    Repeat& repeat = RepeatOf(side);
    repeat.refused = false;
    repeat.timer.start();
    bench_.NoteEdit();
}

void TapeScroller::MouseUp(Side side) {
    Repeat& repeat = RepeatOf(side);
    repeat.timer.stop();
    repeat.timer.setInterval(StartInterval);
}

void TapeScroller::Click(Side side) {
    // After a refusal the tape's end has been reported once; the click of
    // the same press would only repeat the error.
    if (RepeatOf(side).refused) {
        return;
    }
    Move(side);
}

void TapeScroller::RepeatTick(Side side) {
    Repeat& repeat = RepeatOf(side);
    repeat.timer.stop();
    if (!Move(side)) {
        // The refusal broke the run and showed its dialog; the repeat
        // stops here rather than waiting for a release that the dialog may
        // have swallowed.
        repeat.refused = true;
        repeat.timer.setInterval(StartInterval);
        Q_EMIT RepeatRefused(side);
        return;
    }
    repeat.timer.setInterval(NextInterval(side, repeat.timer.interval()));
    repeat.timer.start();
}

void TapeScroller::BoundClick(BoundMode mode) {
    bench_.SetModified(true);
    if (mode_ == mode) {
        EndBoundScroll();
        return;
    }
    // The button goes down; the other one of the pair pops up.
    mode_ = mode;
    bench_.run().SetBoundScroll(true);
    bench_.run().NoteEdit(bench_.Current());
    QTimer& start = mode == BoundMode::ToMin ? timeLeft2_ : timeRight2_;
    QTimer& stop = mode == BoundMode::ToMin ? timeRight2_ : timeLeft2_;
    start.start();
    stop.stop();
    Q_EMIT ModeChanged(mode_);
}

void TapeScroller::EndBoundScroll() {
    timeLeft2_.stop();
    timeRight2_.stop();
    mode_ = BoundMode::None;
    bench_.run().SetBoundScroll(false);
    Q_EMIT ModeChanged(mode_);
}

void TapeScroller::TimeLeft2Timer() {
    BoundTick(BoundMode::ToMin);
}

void TapeScroller::TimeRight2Timer() {
    BoundTick(BoundMode::ToMax);
}

void TapeScroller::BoundTick(BoundMode mode) {
    if (mode_ != mode) {
        // A tick queued before the scroll ended or turned round.
        (mode == BoundMode::ToMin ? timeLeft2_ : timeRight2_).stop();
        return;
    }
    const TapeStore& tape = bench_.Current().tape;
    const int carriage = tape.CarriagePos();
    const int reach = TapeWindow::CarriageCol;
    const bool far =
        !tape.IsEmpty() && (mode == BoundMode::ToMin ? tape.UsedMin() + reach < carriage
                                                     : carriage < tape.UsedMax() - reach);
    const int next = carriage + (mode == BoundMode::ToMin ? -1 : 1);
    // Bounds from a damaged document could point past the tape's end; the
    // scroll stops there instead of meeting the refusal's dialog every 10 ms.
    if (far && tape.OnTape(next)) {
        Move(mode == BoundMode::ToMin ? Side::Left : Side::Right);
    } else {
        EndBoundScroll();
    }
    bench_.run().RefreshBoundButtons();
}
