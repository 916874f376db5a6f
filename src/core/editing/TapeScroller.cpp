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
    LeftRepeatTimer().setObjectName(QStringLiteral("TimeLeft"));
    RightRepeatTimer().setObjectName(QStringLiteral("TimeRight"));
    leftBoundTimer_.setObjectName(QStringLiteral("TimeLeft2"));
    rightBoundTimer_.setObjectName(QStringLiteral("TimeRight2"));
    for (Repeat& repeat : repeat_) {
        // One shot at a time: the tick restarts the timer only after its
        // move succeeded, so no tick can arrive while a refusal's dialog
        // runs its own event loop.
        repeat.timer.setSingleShot(true);
        repeat.timer.setInterval(StartInterval);
    }
    connect(&LeftRepeatTimer(), &QTimer::timeout, this, &TapeScroller::LeftRepeatTick);
    connect(&RightRepeatTimer(), &QTimer::timeout, this, &TapeScroller::RightRepeatTick);
    leftBoundTimer_.setInterval(BoundInterval);
    rightBoundTimer_.setInterval(BoundInterval);
    connect(&leftBoundTimer_, &QTimer::timeout, this, &TapeScroller::LeftBoundTick);
    connect(&rightBoundTimer_, &QTimer::timeout, this, &TapeScroller::RightBoundTick);
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
    bench_.RunControl().SetBoundScroll(true);
    bench_.RunControl().NoteEdit(bench_.Current());
    QTimer& start = mode == BoundMode::ToMin ? leftBoundTimer_ : rightBoundTimer_;
    QTimer& stop = mode == BoundMode::ToMin ? rightBoundTimer_ : leftBoundTimer_;
    start.start();
    stop.stop();
    Q_EMIT ModeChanged(mode_);
}

void TapeScroller::EndBoundScroll() {
    leftBoundTimer_.stop();
    rightBoundTimer_.stop();
    mode_ = BoundMode::None;
    bench_.RunControl().SetBoundScroll(false);
    Q_EMIT ModeChanged(mode_);
}

void TapeScroller::LeftBoundTick() {
    BoundTick(BoundMode::ToMin);
}

void TapeScroller::RightBoundTick() {
    BoundTick(BoundMode::ToMax);
}

void TapeScroller::BoundTick(BoundMode mode) {
    if (mode_ != mode) {
        // A tick queued before the scroll ended or turned round.
        (mode == BoundMode::ToMin ? leftBoundTimer_ : rightBoundTimer_).stop();
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
    bench_.RunControl().RefreshBoundButtons();
}
