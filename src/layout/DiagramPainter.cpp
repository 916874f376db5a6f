#include "layout/DiagramPainter.h"

#include <QLineF>
#include <QPainterPath>
#include <optional>

namespace {

QFont LabelFont(double size) {
    QFont font(DiagramLayout::kFontName);
    font.setPixelSize(int(size));
    return font;
}

// The lines of a label centred in `box`, the box Graphviz measured. Qt's
// lines of the same font are a little taller than Graphviz's, and the
// blank's "_" sits at the bottom of its line: clipped to the box, a
// picture at one point a pixel lost every "_", so the text is not clipped.
void DrawLines(QPainter& painter, const QRectF& box, const QStringList& lines,
               Qt::Alignment align) {
    painter.drawText(box, int(align | Qt::AlignVCenter) | Qt::TextDontClip, lines.join(u'\n'));
}

void DrawArrowHead(QPainter& painter, const QPointF& base, const QPointF& tip) {
    const QLineF axis(base, tip);
    if (axis.length() <= 0) {
        return;
    }
    const QPointF unit = (tip - base) / axis.length();
    const QPointF side(-unit.y(), unit.x());
    const double half = axis.length() * 0.35;
    const QPointF head[3] = {tip, base + side * half, base - side * half};
    painter.drawPolygon(head, 3);
}

}  // namespace

DiagramInks DiagramInks::Light() {
    DiagramInks inks;
    inks.ground = QColor(255, 255, 255);
    inks.ink = QColor(0x20, 0x20, 0x20);
    inks.error = QColor(0xc0, 0x20, 0x20);
    inks.current = QColor(0xff, 0xe0, 0x8a);
    inks.taken = QColor(0xd0, 0x50, 0x00);
    inks.ring = QColor(220, 0, 0);
    return inks;
}

bool DiagramPainter::Drawable() const {
    return geometry_.Ok() && geometry_.nodes.size() == diagram_.nodes.size() &&
           geometry_.edges.size() == diagram_.edges.size();
}

QSizeF DiagramPainter::Size() const {
    if (!geometry_.Ok()) {
        return {};
    }
    return geometry_.bounds.size() + QSizeF(2 * kMargin, 2 * kMargin);
}

void DiagramPainter::Prepare(QPainter& painter, double scale) const {
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.scale(scale, scale);
    painter.translate(QPointF(kMargin, kMargin) - geometry_.bounds.topLeft());
}

void DiagramPainter::Paint(QPainter& painter, double scale, const DiagramInks& inks, int node,
                           int edge, const std::vector<bool>& ringed) const {
    if (!Drawable()) {
        return;
    }
    painter.save();
    Prepare(painter, scale);
    // Under a clip (a view's visible part) only what reaches it is drawn:
    // a picture of thousands of nodes costs what its visible part costs.
    const std::optional<QRectF> clip =
        painter.hasClipping() ? std::optional<QRectF>(painter.clipBoundingRect()) : std::nullopt;
    const auto reaches = [&clip](const QRectF& area) {
        return !clip || clip->intersects(area.adjusted(-kSpill, -kSpill, kSpill, kSpill));
    };
    for (std::size_t i = 0; i < geometry_.edges.size(); ++i) {
        if (reaches(EdgeArea(i))) {
            PaintEdge(painter, i, int(i) == edge, inks);
        }
    }
    for (std::size_t i = 0; i < geometry_.nodes.size(); ++i) {
        const DiagramLayout::NodeBox& box = geometry_.nodes[i];
        if (!reaches(QRectF(box.centre - QPointF(box.size.width() / 2, box.size.height() / 2),
                            box.size))) {
            continue;
        }
        PaintNode(painter, i, int(i) == node, inks);
        if (i < ringed.size() && ringed[i]) {
            PaintRing(painter, i, inks);
        }
    }
    if (!geometry_.noteLines.isEmpty()) {
        painter.setFont(LabelFont(DiagramLayout::kNoteFontSize));
        painter.setPen(inks.error);
        const QRectF box(geometry_.noteCentre - QPointF(geometry_.noteSize.width() / 2,
                                                        geometry_.noteSize.height() / 2),
                         geometry_.noteSize);
        DrawLines(painter, box, geometry_.noteLines, Qt::AlignLeft);
    }
    painter.restore();
}

QRectF DiagramPainter::EdgeArea(std::size_t i) const {
    const DiagramLayout::EdgePath& path = geometry_.edges[i];
    QRectF area(path.labelCentre - QPointF(path.labelSize.width() / 2, path.labelSize.height() / 2),
                path.labelSize);
    const auto add = [&area](const QPointF& point) {
        area =
            area.isNull() ? QRectF(point, QSizeF(0, 0)) : area.united(QRectF(point, QSizeF(0, 0)));
    };
    for (const DiagramLayout::EdgeCurve& curve : path.curves) {
        for (const QPointF& point : curve.points) {
            add(point);
        }
        for (const std::optional<QPointF>& tip : {curve.startArrow, curve.endArrow}) {
            if (tip) {
                add(*tip);
            }
        }
    }
    return area;
}

void DiagramPainter::PaintEdge(QPainter& painter, std::size_t i, bool taken,
                               const DiagramInks& inks) const {
    const DiagramLayout::EdgePath& path = geometry_.edges[i];
    const QColor colour = taken ? inks.taken : inks.ink;
    painter.setPen(QPen(colour, taken ? 2.2 : 1));
    for (const DiagramLayout::EdgeCurve& curve : path.curves) {
        if (curve.points.empty()) {
            continue;
        }
        QPainterPath line(curve.points.front());
        for (std::size_t p = 1; p + 2 < curve.points.size(); p += 3) {
            line.cubicTo(curve.points[p], curve.points[p + 1], curve.points[p + 2]);
        }
        painter.setBrush(Qt::NoBrush);
        painter.drawPath(line);
        painter.setBrush(colour);
        if (curve.endArrow) {
            DrawArrowHead(painter, curve.points.back(), *curve.endArrow);
        }
        if (curve.startArrow) {
            DrawArrowHead(painter, curve.points.front(), *curve.startArrow);
        }
    }
    if (!path.labelSize.isEmpty()) {
        painter.setFont(LabelFont(DiagramLayout::kFontSize));
        painter.setPen(colour);
        const QRectF box(
            path.labelCentre - QPointF(path.labelSize.width() / 2, path.labelSize.height() / 2),
            path.labelSize);
        DrawLines(painter, box, diagram_.edges[i].lines, Qt::AlignHCenter);
    }
}

void DiagramPainter::PaintNode(QPainter& painter, std::size_t i, bool current,
                               const DiagramInks& inks) const {
    const DiagramLayout::NodeBox& box = geometry_.nodes[i];
    const DiagramNode& node = diagram_.nodes[i];
    const bool error = node.kind == DiagramNode::Kind::Error;
    QPen pen(error ? inks.error : inks.ink, current ? 2.2 : 1);
    if (error) {
        pen.setStyle(Qt::DashLine);
    }
    painter.setPen(pen);
    painter.setBrush(current ? inks.current : inks.ground);
    const QRectF rect(box.centre - QPointF(box.size.width() / 2, box.size.height() / 2), box.size);
    const QRectF inner = rect.adjusted(3, 3, -3, -3);
    switch (box.shape) {
        case DiagramLayout::NodeShape::Ellipse:
            painter.drawEllipse(rect);
            break;
        case DiagramLayout::NodeShape::DoubleEllipse:
            painter.drawEllipse(rect);
            painter.drawEllipse(inner);
            break;
        case DiagramLayout::NodeShape::Box:
            painter.drawRect(rect);
            break;
        case DiagramLayout::NodeShape::DoubleBox:
            painter.drawRect(rect);
            painter.drawRect(inner);
            break;
    }
    painter.setPen(error ? inks.error : inks.ink);
    const bool small =
        node.kind == DiagramNode::Kind::Stop && diagram_.machine == MachineKind::Turing;
    painter.setFont(LabelFont(small ? DiagramLayout::kNoteFontSize : DiagramLayout::kFontSize));
    DrawLines(painter, rect, node.lines, Qt::AlignHCenter);
}

void DiagramPainter::PaintRing(QPainter& painter, std::size_t i, const DiagramInks& inks) const {
    const DiagramLayout::NodeBox& box = geometry_.nodes[i];
    const QSizeF size = box.size + QSizeF(8, 8);
    painter.save();
    painter.setPen(QPen(inks.ring, 2));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(QRectF(box.centre - QPointF(size.width() / 2, size.height() / 2), size));
    painter.restore();
}
