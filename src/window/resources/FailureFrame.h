#pragma once
// The frame both program tables draw around the row or cell where the last
// run failed, so the place the error message speaks of can be seen without
// clicking into the table: a solid two-pixel line inside `rect`, unlike the
// dotted focus frame.

#include <QColor>
#include <QPainter>
#include <QPen>
#include <QRect>

#include "window/resources/WindowColours.h"

inline QColor FailureFrameColour() {
    return WindowColours::Current().failureFrame;
}

inline void PaintFailureFrame(QPainter& painter, const QRect& rect) {
    painter.save();
    painter.setClipping(false);
    painter.setPen(QPen(FailureFrameColour(), 2, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(rect).adjusted(1, 1, -1, -1));
    painter.restore();
}
