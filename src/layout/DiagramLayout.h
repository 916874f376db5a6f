#pragma once
// The one place that knows Graphviz (libgvc, libcgraph): lays a program's
// picture (ProgramDiagram) out with dot (sfdp for large ones) and renders
// it as SVG with Graphviz's own renderer. Nothing else includes a Graphviz header; the
// window draws the geometry Layout returns with its own painter, and
// zebrin42-run writes the SVG.
//
// Every label reaches Graphviz as a plain label set through the object's
// attributes, its backslashes and ampersands escaped, so no text a user
// wrote is ever read as DOT, as an escape sequence or as markup. Graphviz
// is not reentrant: Layout and RenderSvg may be called from any thread, and
// a process-wide mutex lets one of them run at a time, on the one Graphviz
// context the process keeps (DiagramLayout.cpp says why not one per call);
// the window's panel lays out on a worker thread. Programs of a few dozen
// states take milliseconds; larger ones get cheaper layouts (see
// DiagramLayout.cpp), up to about 2.5 s, and a diagram past kMaxNodes or
// kMaxEdges is refused with an error instead of laid out (SizeCheck, which
// a caller can ask with the program's DiagramSize before building it).

#include <QByteArray>
#include <QPointF>
#include <QRectF>
#include <QSizeF>
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

#include "core/diagram/ProgramDiagram.h"

namespace DiagramLayout {

// The font labels are measured in (Graphviz measures with pango and
// fontconfig). A view drawing one unit of the geometry as one pixel sets
// its font's pixel size to kFontSize (kNoteFontSize for the note and for
// the Turing stop node).
inline const QString kFontName = QStringLiteral("DejaVu Sans");
constexpr double kFontSize = 10;
constexpr double kNoteFontSize = 9;  // the problems listed under the picture
// The most problems listed under the picture; the rest are counted.
constexpr int kMaxNoteLines = 20;
constexpr int kMaxNodes = 2000;
constexpr int kMaxEdges = 4000;

// How a node is outlined: Turing states as ellipses and the stop as a
// double circle, Post rows as boxes and a stop row as a double box. Error
// nodes are drawn dashed in red.
enum class NodeShape { Ellipse, DoubleEllipse, Box, DoubleBox };
NodeShape ShapeOf(const ProgramDiagram& diagram, const DiagramNode& node);

// In points, y growing downwards, (0, 0) the top left of the picture.
struct NodeBox {
    QPointF centre;
    QSizeF size;
    NodeShape shape = NodeShape::Box;
};

// One piece of an arrow: a start point, then three points per cubic Bézier
// segment (control, control, end). An arrowhead runs from the curve's end
// to endArrow (and from its start to startArrow).
struct EdgeCurve {
    std::vector<QPointF> points;
    std::optional<QPointF> startArrow;
    std::optional<QPointF> endArrow;
};

struct EdgePath {
    std::vector<EdgeCurve> curves;  // one, unless Graphviz splits the arrow
    // Where the label's lines are centred; an empty size without a label.
    QPointF labelCentre;
    QSizeF labelSize;
};

// Why a picture could not be made, as values: the runner words it in its
// English, the window in its language.
struct Failure {
    enum class Kind { None, TooLarge, NoGraphviz, NoGraph, NoLayout, NoSvg, SameName, NoSuchNode };
    Kind kind = Kind::None;
    qint64 nodes = 0;  // TooLarge: the program's nodes and arrows
    qint64 arrows = 0;
    QString detail;  // Graphviz's own messages, or the node's name

    QString English() const;
    QString Russian() const;
};

struct Geometry {
    Failure failure;              // why there is no layout
    QString error;                // failure.English(); empty when there is a layout
    QRectF bounds;                // the whole picture, the note included
    std::vector<NodeBox> nodes;   // as ProgramDiagram::nodes
    std::vector<EdgePath> edges;  // as ProgramDiagram::edges
    // The problems listed under the picture (NoteLines), left-aligned in
    // this box; an empty list and size when there are none.
    QStringList noteLines;
    QPointF noteCentre;
    QSizeF noteSize;

    bool Ok() const { return error.isEmpty(); }
};

struct Svg {
    Failure failure;  // why there is no picture
    QString error;    // failure.English(); empty when there is a picture
    QByteArray bytes;
};

// TooLarge for a picture past kMaxNodes or kMaxEdges, else no failure: a
// view checks a program's DiagramSize before it builds the picture.
Failure SizeCheck(const DiagramSize& size);

Geometry Layout(const ProgramDiagram& diagram);
// The picture as an SVG document. Each node's <title> is its id ("Q0",
// "stop", a row's number) and its element id "node-" and the id; each
// edge's element id is "edge-FROM-TO".
Svg RenderSvg(const ProgramDiagram& diagram);

// What is listed under the picture: a heading and the first kMaxNoteLines
// problems, the rest counted; nothing without problems.
QStringList NoteLines(const ProgramDiagram& diagram);

}  // namespace DiagramLayout
