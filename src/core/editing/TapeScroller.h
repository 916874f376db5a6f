#pragma once
// Scrolling the current tape by its buttons. It owns the four timers: the
// accelerating auto-repeat of the scroll buttons (LeftRepeatTimer, RightRepeatTimer; 300 ms
// at first, then 30 or 40 ms less each tick down to 5 ms) and the 10 ms
// scroll to the lowest or highest used cell (LeftBoundTimer, RightBoundTimer). Every
// move goes through MoveCarriageLeft/Right. While a scroll to a bound runs
// the run controller's ControlStates::boundScroll is set, which takes every
// control but the view menu and the two bound buttons out of use.
//
// The handlers and ticks are public so that the buttons call them and tests
// drive them without waiting.

#include <QObject>
#include <QTimer>
#include <array>

class Workbench;

class TapeScroller : public QObject {
    Q_OBJECT
public:
    enum class Side { Left, Right };
    enum class BoundMode { None, ToMin, ToMax };
    static constexpr int StartInterval = 300;
    static constexpr int FastestInterval = 5;
    static constexpr int BoundInterval = 10;
    // The auto-repeat's interval after a tick at `interval`.
    static int NextInterval(Side side, int interval);

    explicit TapeScroller(Workbench& bench, QObject* parent = nullptr);

    // ScrollLeftButton / ScrollRightButton: press starts the auto-repeat, release stops it, and
    // the click that follows the release moves once more.
    void MouseDown(Side side);
    void MouseUp(Side side);
    void Click(Side side);
    void LeftRepeatTick() { RepeatTick(Side::Left); }
    void RightRepeatTick() { RepeatTick(Side::Right); }
    QTimer& LeftRepeatTimer() { return repeat_[0].timer; }
    QTimer& RightRepeatTimer() { return repeat_[1].timer; }

    // The scroll-to-bound buttons, a pair of toggle buttons of which at most one is
    // down: a press starts its scroll, or stops it when it runs.
    void ScrollToLeftBound() { BoundClick(BoundMode::ToMin); }
    void ScrollToRightBound() { BoundClick(BoundMode::ToMax); }
    void LeftBoundTick();
    void RightBoundTick();
    QTimer& LeftBoundTimer() { return leftBoundTimer_; }
    QTimer& RightBoundTimer() { return rightBoundTimer_; }
    BoundMode Mode() const { return mode_; }

Q_SIGNALS:
    // The auto-repeat met the tape's end: the refusal's dialog has been
    // shown and the repeat is over, so the held button must pop up.
    void RepeatRefused(TapeScroller::Side side);
    void ModeChanged(TapeScroller::BoundMode mode);

private:
    struct Repeat {
        QTimer timer;
        // The press whose repeat met the tape's end gets no extra click.
        bool refused = false;
    };
    Repeat& RepeatOf(Side side) { return repeat_[side == Side::Left ? 0 : 1]; }
    bool Move(Side side);
    void RepeatTick(Side side);
    void BoundClick(BoundMode mode);
    void BoundTick(BoundMode mode);
    void EndBoundScroll();

    Workbench& bench_;
    std::array<Repeat, 2> repeat_;
    QTimer leftBoundTimer_;
    QTimer rightBoundTimer_;
    BoundMode mode_ = BoundMode::None;
};
