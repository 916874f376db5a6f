#include "window/main/Bevel.h"

#include <QPainter>

namespace {
const QColor kLight(255, 255, 255);
const QColor kShadow(128, 128, 128);
}  // namespace

Bevel::Bevel(Shape shape, QWidget* parent) : QWidget(parent), shape_(shape) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    setFocusPolicy(Qt::NoFocus);
}

void Bevel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const int right = width() - 1;
    const int bottom = height() - 1;
    if (shape_ == Shape::LoweredLine) {
        // A vertical groove: shadow on the left, light on the right.
        painter.setPen(kShadow);
        painter.drawLine(0, 0, 0, bottom);
        painter.setPen(kLight);
        painter.drawLine(right, 0, right, bottom);
        return;
    }
    painter.setPen(kLight);
    painter.drawLine(0, 0, right, 0);
    painter.drawLine(0, 0, 0, bottom);
    painter.setPen(kShadow);
    painter.drawLine(right, 0, right, bottom);
    painter.drawLine(0, bottom, right, bottom);
}
