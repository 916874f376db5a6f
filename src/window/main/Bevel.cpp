#include "window/main/Bevel.h"

#include <QPainter>

#include "window/resources/WindowColours.h"

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
    const QColor light = WindowColours::Current().toolLight;
    const QColor shadow = WindowColours::Current().toolShadow;
    if (shape_ == Shape::LoweredLine) {
        // A vertical groove: shadow on the left, light on the right.
        painter.fillRect(0, 0, 1, h, shadow);
        painter.fillRect(w - 1, 0, 1, h, light);
        return;
    }
    painter.fillRect(0, 0, w, 1, light);
    painter.fillRect(0, 0, 1, h, light);
    painter.fillRect(w - 1, 0, 1, h, shadow);
    painter.fillRect(0, h - 1, w, 1, shadow);
}
