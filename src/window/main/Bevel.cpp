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
    // Lines are filled pixel rows and columns rather than strokes: a stroke
    // on a scaled screen straddles its points and would lie half a pixel
    // off the widget's edge.
    QPainter painter(this);
    const int w = width();
    const int h = height();
    if (shape_ == Shape::LoweredLine) {
        // A vertical groove: shadow on the left, light on the right.
        painter.fillRect(0, 0, 1, h, kShadow);
        painter.fillRect(w - 1, 0, 1, h, kLight);
        return;
    }
    painter.fillRect(0, 0, w, 1, kLight);
    painter.fillRect(0, 0, 1, h, kLight);
    painter.fillRect(w - 1, 0, 1, h, kShadow);
    painter.fillRect(0, h - 1, w, 1, kShadow);
}
