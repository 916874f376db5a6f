#include "window/diagram/DiagramCanvas.h"

#include <QLineF>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QWheelEvent>
#include <cmath>

#include "window/resources/WindowColours.h"

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

DiagramCanvas::DiagramCanvas(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(false);
}

void DiagramCanvas::SetPicture(ProgramDiagram diagram, DiagramLayout::Geometry geometry) {
    diagram_ = std::move(diagram);
    geometry_ = std::move(geometry);
    if (node_ >= int(diagram_.nodes.size())) {
        node_ = -1;
    }
    if (edge_ >= int(diagram_.edges.size())) {
        edge_ = -1;
    }
    cache_ = QPixmap();
    SetScale(scale_);
    update();
}

QSizeF DiagramCanvas::PictureSize() const {
    if (!geometry_.Ok()) {
        return {};
    }
    return geometry_.bounds.size() + QSizeF(2 * kMargin, 2 * kMargin);
}

void DiagramCanvas::SetScale(double scale) {
    scale_ = scale;
    const QSizeF size = PictureSize() * scale_;
    setFixedSize(std::max(1, int(std::ceil(size.width()))),
                 std::max(1, int(std::ceil(size.height()))));
    update();
}

void DiagramCanvas::SetRinged(std::vector<bool> ringed) {
    if (ringed == ringed_) {
        return;
    }
    ringed_ = std::move(ringed);
    cache_ = QPixmap();
    update();
}

void DiagramCanvas::SetHighlight(int node, int edge) {
    if (node == node_ && edge == edge_) {
        return;
    }
    const QRect before = AreaOf(node_, edge_);
    node_ = node;
    edge_ = edge;
    update(before | AreaOf(node_, edge_));
}

QPoint DiagramCanvas::NodeCentre(int node) const {
    if (node < 0 || std::size_t(node) >= geometry_.nodes.size()) {
        return {};
    }
    const QPointF shift = QPointF(kMargin, kMargin) - geometry_.bounds.topLeft();
    return ((geometry_.nodes[std::size_t(node)].centre + shift) * scale_).toPoint();
}

int DiagramCanvas::NodeAt(const QPoint& at) const {
    if (!geometry_.Ok() || scale_ <= 0) {
        return -1;
    }
    const QPointF point =
        QPointF(at) / scale_ + geometry_.bounds.topLeft() - QPointF(kMargin, kMargin);
    for (std::size_t i = 0; i < geometry_.nodes.size(); ++i) {
        const DiagramLayout::NodeBox& box = geometry_.nodes[i];
        if (QRectF(box.centre - QPointF(box.size.width() / 2, box.size.height() / 2), box.size)
                .contains(point)) {
            return int(i);
        }
    }
    return -1;
}

QImage DiagramCanvas::Render(double scale) const {
    const QSizeF size = PictureSize() * scale;
    QImage image(std::max(1, int(std::ceil(size.width()))),
                 std::max(1, int(std::ceil(size.height()))), QImage::Format_ARGB32_Premultiplied);
    // An exported picture is for paper and other programs: always the light
    // colours, whatever the screen shows.
    exporting_ = true;
    image.fill(Colours().diagramGround);
    QPainter painter(&image);
    Paint(painter, scale, true);
    exporting_ = false;
    return image;
}

void DiagramCanvas::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    painter.fillRect(event->rect(), Colours().diagramGround);
    if (!Drawable()) {
        return;
    }
    // The picture without highlights is drawn once per picture and scale;
    // a tick of a run repaints only what its highlight covers.
    const qreal ratio = devicePixelRatioF();
    if (cache_.isNull() || cache_.size() != size() * ratio || cacheDark_ != Colours().dark) {
        cache_ = QPixmap(size() * ratio);
        cache_.setDevicePixelRatio(ratio);
        cacheDark_ = Colours().dark;
        cache_.fill(Colours().diagramGround);
        QPainter picture(&cache_);
        Paint(picture, scale_, false);
    }
    painter.drawPixmap(
        event->rect(), cache_,
        QRectF(QPointF(event->rect().topLeft()) * ratio, QSizeF(event->rect().size()) * ratio));
    Prepare(painter, scale_);
    if (edge_ >= 0) {
        PaintEdge(painter, std::size_t(edge_), true);
    }
    if (node_ >= 0) {
        PaintNode(painter, std::size_t(node_), true);
    }
}

const WindowColours& DiagramCanvas::Colours() const {
    static const WindowColours light = WindowColours::Light(QPalette());
    return exporting_ ? light : WindowColours::Current();
}

bool DiagramCanvas::Drawable() const {
    return geometry_.Ok() && geometry_.nodes.size() == diagram_.nodes.size() &&
           geometry_.edges.size() == diagram_.edges.size();
}

void DiagramCanvas::Prepare(QPainter& painter, double scale) const {
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.scale(scale, scale);
    painter.translate(QPointF(kMargin, kMargin) - geometry_.bounds.topLeft());
}

QRect DiagramCanvas::AreaOf(int node, int edge) const {
    QRectF area;
    if (node >= 0 && std::size_t(node) < geometry_.nodes.size()) {
        const DiagramLayout::NodeBox& box = geometry_.nodes[std::size_t(node)];
        area |= QRectF(box.centre - QPointF(box.size.width() / 2, box.size.height() / 2), box.size);
    }
    if (edge >= 0 && std::size_t(edge) < geometry_.edges.size()) {
        const DiagramLayout::EdgePath& path = geometry_.edges[std::size_t(edge)];
        for (const DiagramLayout::EdgeCurve& curve : path.curves) {
            for (const QPointF& point : curve.points) {
                area |= QRectF(point, QSizeF(0.01, 0.01));
            }
            for (const std::optional<QPointF>& tip : {curve.startArrow, curve.endArrow}) {
                if (tip) {
                    area |= QRectF(*tip, QSizeF(0.01, 0.01));
                }
            }
        }
        area |= QRectF(
            path.labelCentre - QPointF(path.labelSize.width() / 2, path.labelSize.height() / 2),
            path.labelSize);
    }
    if (area.isNull()) {
        return {};
    }
    const QPointF shift = QPointF(kMargin, kMargin) - geometry_.bounds.topLeft();
    return QRectF((area.topLeft() + shift) * scale_, (area.bottomRight() + shift) * scale_)
        .toAlignedRect()
        .adjusted(-4, -4, 4, 4);
}

void DiagramCanvas::Paint(QPainter& painter, double scale, bool highlights) const {
    if (!Drawable()) {
        return;
    }
    painter.save();
    Prepare(painter, scale);
    for (std::size_t i = 0; i < geometry_.edges.size(); ++i) {
        PaintEdge(painter, i, highlights && int(i) == edge_);
    }
    for (std::size_t i = 0; i < geometry_.nodes.size(); ++i) {
        PaintNode(painter, i, highlights && int(i) == node_);
        if (!exporting_ && i < ringed_.size() && ringed_[i]) {
            PaintRing(painter, i);
        }
    }
    if (!geometry_.noteLines.isEmpty()) {
        painter.setFont(LabelFont(DiagramLayout::kNoteFontSize));
        painter.setPen(Colours().diagramError);
        const QRectF box(geometry_.noteCentre - QPointF(geometry_.noteSize.width() / 2,
                                                        geometry_.noteSize.height() / 2),
                         geometry_.noteSize);
        DrawLines(painter, box, geometry_.noteLines, Qt::AlignLeft);
    }
    painter.restore();
}

void DiagramCanvas::PaintEdge(QPainter& painter, std::size_t i, bool taken) const {
    const DiagramLayout::EdgePath& path = geometry_.edges[i];
    const WindowColours& colours = Colours();
    const QColor colour = taken ? colours.diagramTaken : colours.diagramInk;
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

void DiagramCanvas::PaintNode(QPainter& painter, std::size_t i, bool current) const {
    const DiagramLayout::NodeBox& box = geometry_.nodes[i];
    const DiagramNode& node = diagram_.nodes[i];
    const bool error = node.kind == DiagramNode::Kind::Error;
    const WindowColours& colours = Colours();
    QPen pen(error ? colours.diagramError : colours.diagramInk, current ? 2.2 : 1);
    if (error) {
        pen.setStyle(Qt::DashLine);
    }
    painter.setPen(pen);
    painter.setBrush(current ? colours.diagramCurrent : colours.diagramGround);
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
    painter.setPen(error ? colours.diagramError : colours.diagramInk);
    const bool small =
        node.kind == DiagramNode::Kind::Stop && diagram_.machine == MachineKind::Turing;
    painter.setFont(LabelFont(small ? DiagramLayout::kNoteFontSize : DiagramLayout::kFontSize));
    DrawLines(painter, rect, node.lines, Qt::AlignHCenter);
}

void DiagramCanvas::PaintRing(QPainter& painter, std::size_t i) const {
    const DiagramLayout::NodeBox& box = geometry_.nodes[i];
    const QSizeF size = box.size + QSizeF(8, 8);
    painter.save();
    painter.setPen(QPen(Colours().stopDisc, 2));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(QRectF(box.centre - QPointF(size.width() / 2, size.height() / 2), size));
    painter.restore();
}

void DiagramCanvas::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        const int node = NodeAt(event->position().toPoint());
        if (node >= 0) {
            Q_EMIT NodeClicked(node);
            return;
        }
    }
    QWidget::mousePressEvent(event);
}

void DiagramCanvas::wheelEvent(QWheelEvent* event) {
    if (event->modifiers() & Qt::ControlModifier) {
        const int steps = event->angleDelta().y() / 120;
        if (steps != 0) {
            Q_EMIT ZoomRequested(steps);
        }
        event->accept();
        return;
    }
    event->ignore();  // the scroll area scrolls
}
