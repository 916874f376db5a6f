#pragma once
// Paints a program's picture with QPainter from its Graphviz layout: node
// outlines, arrows as the layout's Bézier curves with their heads, labels
// in the layout's font as text, the problems listed under the picture. The
// diagram panel paints it on screen with its highlights and rings, the
// printed page and the runner's PDF onto paper, where the labels stay text.
// It holds references to the diagram and its layout, which must outlive it.

#include <QColor>
#include <QPainter>
#include <vector>

#include "core/diagram/ProgramDiagram.h"
#include "layout/DiagramLayout.h"

// The colours a picture is painted in.
struct DiagramInks {
    QColor ground;
    QColor ink;
    QColor error;    // a jump to nowhere
    QColor current;  // the fill of the node a run is at
    QColor taken;    // the arrow a run just took
    QColor ring;     // a breakpoint's ring
    // The light set, for paper and exported pictures.
    static DiagramInks Light();
};

class DiagramPainter {
public:
    // The picture's margin around the layout's bounds, in points.
    static constexpr double kMargin = 8;

    DiagramPainter(const ProgramDiagram& diagram, const DiagramLayout::Geometry& geometry)
        : diagram_(diagram), geometry_(geometry) {}

    // The layout is there and matches the diagram.
    bool Drawable() const;
    // The picture's size in points, margins included.
    QSizeF Size() const;
    // Scale and origin: 1 unit = `scale` pixels, the picture's corner at
    // the margin.
    void Prepare(QPainter& painter, double scale) const;
    // The whole picture, or under the painter's clip what reaches it;
    // `node` and `edge` are drawn highlighted (-1: none) and the nodes
    // marked in `ringed` get a ring.
    void Paint(QPainter& painter, double scale, const DiagramInks& inks, int node = -1,
               int edge = -1, const std::vector<bool>& ringed = {}) const;
    // One arrow or node, on a painter already prepared.
    void PaintEdge(QPainter& painter, std::size_t i, bool taken, const DiagramInks& inks) const;
    void PaintNode(QPainter& painter, std::size_t i, bool current, const DiagramInks& inks) const;

private:
    // How far a label, a thick line or a ring may reach past the box
    // Graphviz gave it, in points.
    static constexpr double kSpill = 24;
    // What an arrow and its label cover, in points.
    QRectF EdgeArea(std::size_t i) const;
    void PaintRing(QPainter& painter, std::size_t i, const DiagramInks& inks) const;

    const ProgramDiagram& diagram_;
    const DiagramLayout::Geometry& geometry_;
};
