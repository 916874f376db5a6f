#include "window/main/ViewZoom.h"

#include <QAction>
#include <QApplication>
#include <QCoreApplication>
#include <QLayout>
#include <QScreen>
#include <algorithm>
#include <array>

#include "window/diagram/DiagramPanel.h"
#include "window/main/CommandBars.h"
#include "window/main/MainMenu.h"
#include "window/main/MainWindow.h"
#include "window/post/PostTableView.h"
#include "window/tape/TapePanel.h"
#include "window/turing/TuringTablePanel.h"
#include "window/turing/TuringTableView.h"

namespace {

constexpr std::array<qreal, 7> kFactors = {0.75, 0.9, 1.0, 1.25, 1.5, 1.75, 2.0};
constexpr int kNormalStep = 2;

}  // namespace

ViewZoom::ViewZoom(MainWindow& window) : QObject(&window), window_(window), step_(kNormalStep) {
    MainMenu& menu = window.Bars().Menu();
    // Ctrl+= as well, for keyboards where "+" needs Shift.
    menu.zoomInAction->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::Key_Plus), QKeySequence(Qt::CTRL | Qt::Key_Equal)});
    connect(menu.zoomInAction, &QAction::triggered, this, &ViewZoom::ZoomIn);
    connect(menu.zoomOutAction, &QAction::triggered, this, &ViewZoom::ZoomOut);
    connect(menu.zoomResetAction, &QAction::triggered, this, &ViewZoom::Reset);
}

qreal ViewZoom::Factor() const {
    return kFactors[std::size_t(step_)];
}

void ViewZoom::ZoomIn() {
    StepTo(step_ + 1);
}

void ViewZoom::ZoomOut() {
    StepTo(step_ - 1);
}

void ViewZoom::Reset() {
    StepTo(kNormalStep);
}

void ViewZoom::StepTo(int step) {
    step = std::clamp(step, 0, int(kFactors.size()) - 1);
    if (step == step_) {
        return;
    }
    const int from = step_;
    Apply(step);
    // The window's own minimum size is set by hand, so its layout's larger
    // minimum does not widen it: the window grows to what the views need,
    // but a step that needs more than the screen's available area is not
    // taken.
    const QSize needed = window_.layout()->minimumSize();
    if (QScreen* screen = window_.screen(); screen && step > from) {
        const QRect area = screen->availableGeometry();
        const QSize frame = window_.frameGeometry().size() - window_.size();
        if (needed.width() > area.width() - frame.width() ||
            needed.height() > area.height() - frame.height()) {
            Apply(from);
            QApplication::beep();
            return;
        }
    }
    window_.resize(window_.size().expandedTo(needed));
    if (QScreen* screen = window_.screen()) {
        // The grown window is moved back onto the screen.
        const QRect area = screen->availableGeometry();
        const QRect frame = window_.frameGeometry();
        const int dx = std::min(0, area.right() - frame.right());
        const int dy = std::min(0, area.bottom() - frame.bottom());
        if (dx != 0 || dy != 0) {
            window_.move(std::max(area.left(), window_.x() + dx),
                         std::max(area.top(), window_.y() + dy));
        }
    }
}

void ViewZoom::Apply(int step) {
    // The diagram keeps its own scale (fitted or chosen), moved by as many
    // of its steps as the views move.
    window_.Diagram()->ZoomBy(step - step_);
    step_ = step;
    window_.Tape()->SetZoom(Factor());
    window_.PostTable()->SetZoom(Factor());
    window_.TuringPanel()->Table()->SetZoom(Factor());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    window_.layout()->activate();
}
