#pragma once
// How both program tables show a breakpoint: a red disc at the right of a
// Post row's number, a red triangle in the top right corner of a Turing
// cell or state header. The red is the stop sign's, which reads on the
// light and the dark ground alike.

#include <QPainter>
#include <QPolygonF>
#include <QRect>

#include "window/resources/WindowColours.h"

inline void PaintBreakpointDisc(QPainter& painter, const QRect& rect) {
    const qreal size = std::min(rect.height() * 0.6, 11.0);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(WindowColours::Current().stopDisc);
    painter.drawEllipse(
        QRectF(rect.right() - size - 3, rect.center().y() - size / 2 + 0.5, size, size));
    painter.restore();
}

inline void PaintBreakpointCorner(QPainter& painter, const QRect& rect) {
    const qreal size = std::min(rect.height() * 0.45, 12.0);
    const QPointF corner(rect.right() + 1, rect.top());
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(WindowColours::Current().stopDisc);
    painter.drawPolygon(QPolygonF({corner, corner - QPointF(size, 0), corner + QPointF(0, size)}));
    painter.restore();
}
