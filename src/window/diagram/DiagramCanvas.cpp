#include "window/diagram/DiagramCanvas.h"
#include "core/text/Language.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>
#include <cmath>

#include "window/resources/WindowColours.h"

namespace {

DiagramInks InksOf(const WindowColours& colours) {
    DiagramInks inks;
    inks.ground = colours.diagramGround;
    inks.ink = colours.diagramInk;
    inks.error = colours.diagramError;
    inks.current = colours.diagramCurrent;
    inks.taken = colours.diagramTaken;
    inks.ring = colours.stopDisc;
    return inks;
}

}  // namespace

DiagramCanvas::DiagramCanvas(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(false);
    setFocusPolicy(Qt::StrongFocus);
    setAccessibleName(Tr("DiagramCanvas", "Диаграмма программы"));
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
    if (selected_ >= int(diagram_.nodes.size())) {
        selected_ = -1;
    }
    cache_ = QPixmap();
    SetScale(scale_);
    update();
}

QSizeF DiagramCanvas::PictureSize() const {
    return DiagramPainter(diagram_, geometry_).Size();
}

void DiagramCanvas::SetScale(double scale) {
    scale_ = scale;
    cache_ = QPixmap();
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
    // colours, whatever the screen shows, and no rings.
    const DiagramInks inks = DiagramInks::Light();
    image.fill(inks.ground);
    QPainter painter(&image);
    DiagramPainter(diagram_, geometry_).Paint(painter, scale, inks, node_, edge_);
    return image;
}

void DiagramCanvas::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    const WindowColours& colours = WindowColours::Current();
    painter.fillRect(event->rect(), colours.diagramGround);
    const DiagramPainter picture(diagram_, geometry_);
    if (!picture.Drawable()) {
        return;
    }
    const DiagramInks inks = InksOf(colours);
    // The picture without highlights is drawn once per picture and scale
    // for the part in view and a margin around it, only what reaches that
    // part: a tick of a run repaints only what its highlight covers, and a
    // picture of thousands of nodes costs what is in view.
    const qreal ratio = devicePixelRatioF();
    if (cache_.isNull() || !cacheArea_.contains(event->rect()) || cacheDark_ != colours.dark) {
        const QRect view = visibleRegion().boundingRect() | event->rect();
        cacheArea_ =
            view.adjusted(-kCacheMargin, -kCacheMargin, kCacheMargin, kCacheMargin) & rect();
        cache_ = QPixmap(cacheArea_.size() * ratio);
        cache_.setDevicePixelRatio(ratio);
        cacheDark_ = colours.dark;
        cache_.fill(colours.diagramGround);
        QPainter onCache(&cache_);
        onCache.translate(-cacheArea_.topLeft());
        onCache.setClipRect(cacheArea_);
        picture.Paint(onCache, scale_, inks, -1, -1, ringed_);
    }
    painter.drawPixmap(event->rect(), cache_,
                       QRectF(QPointF(event->rect().topLeft() - cacheArea_.topLeft()) * ratio,
                              QSizeF(event->rect().size()) * ratio));
    picture.Prepare(painter, scale_);
    if (edge_ >= 0) {
        picture.PaintEdge(painter, std::size_t(edge_), true, inks);
    }
    if (node_ >= 0) {
        picture.PaintNode(painter, std::size_t(node_), true, inks);
    }
    if (hasFocus() && selected_ >= 0) {
        painter.resetTransform();
        painter.setPen(QPen(colours.diagramInk, 1, Qt::DashLine));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(AreaOf(selected_, -1).adjusted(1, 1, -2, -2));
    }
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

int DiagramCanvas::NodeToward(const DiagramLayout::Geometry& geometry, int from, int dx, int dy) {
    const int count = int(geometry.nodes.size());
    if (count == 0) {
        return -1;
    }
    if (from < 0 || from >= count) {
        return 0;
    }
    const QPointF here = geometry.nodes[std::size_t(from)].centre;
    int best = from;
    double bestCost = 0;
    for (int i = 0; i < count; ++i) {
        const QPointF offset = geometry.nodes[std::size_t(i)].centre - here;
        const double ahead = offset.x() * dx + offset.y() * dy;
        if (i == from || ahead <= 0.5) {
            continue;
        }
        const double aside = std::abs(offset.x() * dy - offset.y() * dx);
        const double cost = ahead + 2 * aside;
        if (best == from || cost < bestCost) {
            best = i;
            bestCost = cost;
        }
    }
    return best;
}

void DiagramCanvas::SelectNode(int node) {
    if (node < -1 || node >= int(geometry_.nodes.size()) || node == selected_) {
        return;
    }
    update(AreaOf(selected_, -1) | AreaOf(node, -1));
    selected_ = node;
    setAccessibleDescription(
        node >= 0 && std::size_t(node) < diagram_.nodes.size()
            ? diagram_.nodes[std::size_t(node)].lines.join(QStringLiteral(", "))
            : QString());
    Q_EMIT NodeSelected(node);
}

void DiagramCanvas::keyPressEvent(QKeyEvent* event) {
    int dx = 0;
    int dy = 0;
    switch (event->key()) {
        case Qt::Key_Left:
            dx = -1;
            break;
        case Qt::Key_Right:
            dx = 1;
            break;
        case Qt::Key_Up:
            dy = -1;
            break;
        case Qt::Key_Down:
            dy = 1;
            break;
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Space:
            if (selected_ >= 0) {
                Q_EMIT NodeClicked(selected_);
                return;
            }
            break;
        default:
            break;
    }
    if (dx == 0 && dy == 0) {
        QWidget::keyPressEvent(event);
        return;
    }
    // The geometry's y grows downwards, as the screen's does.
    SelectNode(NodeToward(geometry_, selected_ >= 0 ? selected_ : node_, dx, dy));
}

void DiagramCanvas::focusInEvent(QFocusEvent* event) {
    if (selected_ < 0 && !geometry_.nodes.empty()) {
        SelectNode(node_ >= 0 ? node_ : 0);
    }
    update(AreaOf(selected_, -1));
    QWidget::focusInEvent(event);
}

void DiagramCanvas::focusOutEvent(QFocusEvent* event) {
    update(AreaOf(selected_, -1));
    QWidget::focusOutEvent(event);
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
