#include "window/main/TCool.h"

#include <QMouseEvent>
#include <QPainter>

#include "window/main/THintDisplay.h"
#include "window/main/TToolPictures.h"

TCool::TCool(int number, QWidget* parent) : QWidget(parent), number_(number) {
    setFocusPolicy(Qt::NoFocus);
    setObjectName(QStringLiteral("Cool%1").arg(number));
}

void TCool::SetHome(const QRect& home) {
    home_ = home;
    pressedLook_ = false;
    setGeometry(home_);
}

void TCool::SetPressedLook(bool on) {
    pressedLook_ = on;
    setGeometry(on ? home_.translated(1, 1) : home_);
}

void TCool::SetPictures(const QPixmap& enabled, const QPixmap& disabled) {
    enabled_ = enabled;
    disabled_ = disabled;
    update();
}

const QPixmap& TCool::CurrentPicture() const {
    return isEnabled() || disabled_.isNull() ? enabled_ : disabled_;
}

void TCool::SetHint(const QString& hint) {
    hint_ = hint;
    setToolTip(THintDisplay::ShortHint(hint));
    setStatusTip(THintDisplay::LongHint(hint));
}

void TCool::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), TToolPictures::Face());
    // The picture sits in the top left corner, so the hover frame one
    // pixel up and left of the button encloses it exactly.
    painter.drawPixmap(0, 0, CurrentPicture());
}

void TCool::enterEvent(QEnterEvent* event) {
    QWidget::enterEvent(event);
    Q_EMIT Entered(number_);
}

void TCool::leaveEvent(QEvent* event) {
    QWidget::leaveEvent(event);
    Q_EMIT Left(number_);
}

void TCool::mousePressEvent(QMouseEvent* event) {
    event->accept();
    if (event->button() != Qt::LeftButton) {
        return;
    }
    SetPressedLook(true);
    Q_EMIT PressedDown(number_);
}

void TCool::mouseReleaseEvent(QMouseEvent* event) {
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

void TCool::changeEvent(QEvent* event) {
    if (event->type() == QEvent::EnabledChange) {
        if (!isEnabled() && pressedLook_) {
            SetPressedLook(false);
        }
        update();
    }
    QWidget::changeEvent(event);
}
