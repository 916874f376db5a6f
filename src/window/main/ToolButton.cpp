#include "window/main/ToolButton.h"

#include <QActionEvent>
#include <QMouseEvent>
#include <QPainter>

#include "window/main/HintDisplay.h"
#include "window/main/ToolPictures.h"

ToolButton::ToolButton(int number, QAction* action, QWidget* parent)
    : QToolButton(parent), number_(number) {
    setFocusPolicy(Qt::NoFocus);
    setObjectName(QStringLiteral("Cool%1").arg(number));
    setDefaultAction(action);
    setVisible(action->isVisible());
}

void ToolButton::SetHome(const QRect& home) {
    home_ = home;
    pressedLook_ = false;
    setGeometry(home_);
}

void ToolButton::SetPressedLook(bool on) {
    pressedLook_ = on;
    setGeometry(on ? home_.translated(1, 1) : home_);
}

void ToolButton::SetPictures(const QPixmap& enabled, const QPixmap& disabled) {
    enabled_ = enabled;
    disabled_ = disabled;
    update();
}

const QPixmap& ToolButton::CurrentPicture() const {
    return isEnabled() || disabled_.isNull() ? enabled_ : disabled_;
}

void ToolButton::SetHint(const QString& hint) {
    hint_ = hint;
    ShowHint();
}

void ToolButton::ShowHint() {
    setToolTip(HintDisplay::ShortHint(hint_));
    setStatusTip(HintDisplay::LongHint(hint_));
    // Set only when they differ: each setting is a change a screen reader
    // hears, and the action changes whenever the run enables it.
    if (accessibleName() != HintDisplay::ShortHint(hint_)) {
        setAccessibleName(HintDisplay::ShortHint(hint_));
    }
    if (accessibleDescription() != HintDisplay::LongHint(hint_)) {
        setAccessibleDescription(HintDisplay::LongHint(hint_));
    }
}

void ToolButton::actionEvent(QActionEvent* event) {
    // The action's change also resets the tooltip and status tip from the
    // menu item; the button keeps its own hint, and follows the item's
    // visibility, which QToolButton leaves alone.
    QToolButton::actionEvent(event);
    if (event->type() == QEvent::ActionChanged && event->action() == defaultAction()) {
        ShowHint();
        setVisible(defaultAction()->isVisible());
    }
}

void ToolButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), ToolPictures::Face());
    // The picture sits in the top left corner, so the hover frame one
    // pixel up and left of the button encloses it exactly.
    painter.drawPixmap(0, 0, CurrentPicture());
}

void ToolButton::enterEvent(QEnterEvent* event) {
    QToolButton::enterEvent(event);
    Q_EMIT Entered(number_);
}

void ToolButton::leaveEvent(QEvent* event) {
    QToolButton::leaveEvent(event);
    Q_EMIT Left(number_);
}

// The press and release are judged here rather than by QAbstractButton:
// the pressed look moves the button, and the user sees it at its home.
void ToolButton::mousePressEvent(QMouseEvent* event) {
    event->accept();
    if (event->button() != Qt::LeftButton) {
        return;
    }
    SetPressedLook(true);
    Q_EMIT PressedDown(number_);
}

void ToolButton::mouseMoveEvent(QMouseEvent* event) {
    event->accept();
}

void ToolButton::mouseReleaseEvent(QMouseEvent* event) {
    event->accept();
    if (event->button() != Qt::LeftButton || !pressedLook_) {
        return;
    }
    const bool over = home_.contains(mapToParent(event->position().toPoint()));
    SetPressedLook(false);
    Q_EMIT Released(number_);
    if (over && isEnabled()) {
        // Triggers the action, as every click of a QToolButton does.
        click();
    }
}

void ToolButton::changeEvent(QEvent* event) {
    if (event->type() == QEvent::EnabledChange) {
        if (!isEnabled()) {
            if (pressedLook_) {
                SetPressedLook(false);
            }
            Q_EMIT Withdrawn(number_);
        }
        update();
    }
    QToolButton::changeEvent(event);
}

void ToolButton::hideEvent(QHideEvent* event) {
    QToolButton::hideEvent(event);
    Q_EMIT Withdrawn(number_);
}
