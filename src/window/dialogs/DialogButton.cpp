#include "window/dialogs/DialogButton.h"

#include <qdrawutil.h>
#include <QMouseEvent>
#include <QPainter>

DialogButton::DialogButton(int number, QWidget* parent) : QWidget(parent), number_(number) {
    setObjectName(QStringLiteral("Panel%1").arg(number));
    setFocusPolicy(Qt::NoFocus);
    // Hovering selects the button, so moves arrive without a pressed button.
    setMouseTracking(true);
}

void DialogButton::SetCaption(const QString& caption) {
    caption_ = caption;
    // The caption is the panel's hint: the main window's status line shows it
    // while the pointer rests here. No tooltip.
    setStatusTip(caption);
    update();
}

void DialogButton::SetHome(int left, int top, int width, int height) {
    home_ = QRect(left, top, width, height);
    pressedLook_ = false;
    setGeometry(home_);
    update();
}

void DialogButton::SetPressedLook(bool on) {
    pressedLook_ = on;
    setGeometry(on ? home_.translated(1, 1) : home_);
    update();
}

void DialogButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Button));
    if (!pressedLook_)
        qDrawShadePanel(&painter, rect(), palette(), false, 1);
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(rect(), Qt::AlignCenter | Qt::TextSingleLine, caption_);
}

void DialogButton::mousePressEvent(QMouseEvent* event) {
    event->accept();
    Q_EMIT Pressed(number_);
}

void DialogButton::mouseMoveEvent(QMouseEvent* event) {
    event->accept();
    Q_EMIT Hovered(number_);
}

void DialogButton::mouseReleaseEvent(QMouseEvent* event) {
    event->accept();
    // While a button is held the panel keeps the mouse, so the release comes
    // here even when the pointer has left; only a release over it is a click.
    const bool clicked =
        event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    Q_EMIT Released(number_, clicked);
}
