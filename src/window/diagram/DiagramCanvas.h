#pragma once
// Shows a program's picture (DiagramPainter) in the window's colours. The
// current state or row of a run and the arrow it just took are drawn
// highlighted, and the nodes with breakpoints ringed in red.
// The scale is the owner's: the canvas takes the size of the picture at it.
// It takes the keyboard focus: the arrows choose a node (framed while the
// canvas has the focus), Enter or Space act on it as a click does.

#include <QPixmap>
#include <QWidget>

#include "core/diagram/ProgramDiagram.h"
#include "layout/DiagramLayout.h"
#include "layout/DiagramPainter.h"

struct WindowColours;

class DiagramCanvas : public QWidget {
    Q_OBJECT
public:
    static constexpr double kMargin = DiagramPainter::kMargin;

    explicit DiagramCanvas(QWidget* parent = nullptr);

    // A new picture; `geometry` is its layout (kept when only texts
    // changed, so node i and edge i stand where they stood).
    void SetPicture(ProgramDiagram diagram, DiagramLayout::Geometry geometry);
    const ProgramDiagram& Diagram() const { return diagram_; }
    const DiagramLayout::Geometry& Geometry() const { return geometry_; }

    void SetScale(double scale);
    double Scale() const { return scale_; }
    // The picture's size in points, margins included.
    QSizeF PictureSize() const;

    // Which nodes carry a breakpoint, ringed in red on screen (an exported
    // picture has no rings); by node index, missing entries none.
    void SetRinged(std::vector<bool> ringed);
    const std::vector<bool>& Ringed() const { return ringed_; }

    // The node and edge drawn highlighted, -1 for none.
    void SetHighlight(int node, int edge);
    int HighlightedNode() const { return node_; }
    int HighlightedEdge() const { return edge_; }

    // Where a node's centre is on the canvas.
    QPoint NodeCentre(int node) const;
    // The node under a point of the canvas, -1 for none.
    int NodeAt(const QPoint& at) const;
    // The picture at `scale` (1 point = `scale` pixels) in the light
    // colours on a white ground, whatever the palette.
    QImage Render(double scale) const;

    // The node chosen with the keyboard, -1 for none.
    int SelectedNode() const { return selected_; }
    void SelectNode(int node);
    // The node an arrow leads to from node `from` in direction (dx, dy):
    // the nearest whose centre lies that way, a sideways offset counting
    // double; `from` itself when none does, the first node when `from` is
    // none.
    static int NodeToward(const DiagramLayout::Geometry& geometry, int from, int dx, int dy);

Q_SIGNALS:
    void NodeClicked(int node);
    // The keyboard chose another node; the owner scrolls it into view.
    void NodeSelected(int node);
    // Ctrl+wheel: the owner changes the scale by `steps` notches.
    void ZoomRequested(int steps);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    // The canvas pixels a node and an edge cover (-1: none).
    QRect AreaOf(int node, int edge) const;

    // How far around the part in view the cache reaches, in pixels, so a
    // short scroll draws nothing again.
    static constexpr int kCacheMargin = 256;
    QPixmap cache_;    // the picture without highlights, over cacheArea_
    QRect cacheArea_;  // in the canvas's coordinates
    ProgramDiagram diagram_;
    DiagramLayout::Geometry geometry_;
    std::vector<bool> ringed_;
    double scale_ = 1;
    bool cacheDark_ = false;  // the colour set the cache was drawn in
    int node_ = -1;
    int edge_ = -1;
    int selected_ = -1;
};
