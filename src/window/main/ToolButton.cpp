#include "window/main/ToolButton.h"

#include <QMouseEvent>
#include <QPainter>

#include "window/main/HintDisplay.h"
#include "window/main/ToolPictures.h"

ToolButton::ToolButton(int number, QWidget* parent) : QWidget(parent), number_(number) {
    setFocusPolicy(Qt::NoFocus);
    setObjectName(QStringLiteral("Cool%1").arg(number));
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
    setToolTip(HintDisplay::ShortHint(hint));
    setStatusTip(HintDisplay::LongHint(hint));
}

void ToolButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), ToolPictures::Face());
    // The picture sits in the top left corner, so the hover frame one
    // pixel up and left of the button encloses it exactly.
    painter.drawPixmap(0, 0, CurrentPicture());
}

void ToolButton::enterEvent(QEnterEvent* event) {
    QWidget::enterEvent(event);
    Q_EMIT Entered(number_);
}

void ToolButton::leaveEvent(QEvent* event) {
    QWidget::leaveEvent(event);
    Q_EMIT Left(number_);
}

void ToolButton::mousePressEvent(QMouseEvent* event) {
    event->accept();
    if (event->button() != Qt::LeftButton) {
        return;
    }
    SetPressedLook(true);
    Q_EMIT PressedDown(number_);
}

void ToolButton::mouseReleaseEvent(QMouseEvent* event) {
    event->accept();
    if (event->button() != Qt::LeftButton || !pressedLook_) {
        return;
    }
    // The press moved the button; judge the release against its home place,
    // where the user sees it.
    const bool over = home_.contains(mapToParent(event->position().toPoint()));
    SetPressedLook(false);
    Q_EMIT Released(number_);
    if (over && isEnabled()) {
        Q_EMIT Clicked(number_);
    }
}

void ToolButton::changeEvent(QEvent* event) {
    if (event->type() == QEvent::EnabledChange) {
        if (!isEnabled() && pressedLook_) {
            SetPressedLook(false);
        }
        update();
    }
    QWidget::changeEvent(event);
}
