#include "layout/DiagramLayout.h"
#include "core/text/Language.h"

#include <cstring>
#include <mutex>

// Graphviz's headers come last: they define macros of common names.
#include <gvc.h>

namespace DiagramLayout {

namespace {

// dot draws the clearest picture of a state graph, but its time grows
// steeply with the arrows that cross many ranks: on this project's 2-core
// machine 0.1 to 0.5 s for 120 arrows between random states, 0.5 to 1.7 s
// for 180. Past kFullDotEdges its node placement and crossing reduction are
// cut short and arrows are drawn straight (at most about 0.7 s for 400
// random arrows); past kDotEdges or kDotNodes the force-directed sfdp places
// the nodes (1.3 to 2.5 s up to kMaxNodes and kMaxEdges, whatever their
// arrangement).
constexpr std::size_t kFullDotEdges = 120;
constexpr std::size_t kDotEdges = 400;
constexpr std::size_t kDotNodes = 300;

// dot puts an arrow's label beside the arrow, its box starting where the
// arrow passes, and lets the arrow bend up to 10 points into that box; a
// loop's label starts where the loop turns. The window's layout therefore
// opens each label line with an em space and an en space (one and a half
// of the font's size, whatever the font, by what the two characters are),
// and the text is drawn in the box that is left, clear of every arrow.
// The SVG keeps its labels as written, for whoever reads its texts.
inline const QString kLabelRoom = QStringLiteral("\u2003\u2002");
constexpr double kLabelRoomWidth = 1.5 * kFontSize;

enum class Labels { AsWritten, Spaced };

// Graphviz's API takes char* where it only reads (and copies what it keeps).
char* Chars(const char* text) {
    return const_cast<char*>(text);
}

// Graphviz keeps global state (its error function, its plugins' caches),
// so one diagram is laid out at a time in the whole process.
std::mutex& GraphvizMutex() {
    static std::mutex mutex;
    return mutex;
}

// One Graphviz context for the whole process, made on first use (under the
// mutex) and kept to the end, as Qt keeps its own application-wide state. A
// context per layout is not safe: Graphviz's text layout plugin (pango)
// remembers the last font name it measured as a pointer into the context's
// font cache and compares with it on the next call, so a second context
// read the first one's freed memory. Freeing it at exit would only drop the
// plugin list that still points into the configuration Graphviz read when
// it loaded its plugins, which it never frees.
GVC_t* SharedContext() {
    static GVC_t* const context = gvContext();
    return context;
}

// Graphviz reports warnings and errors through one global function; while
// a call runs they are collected here (under the mutex) instead of being
// written to standard error, and an error names them.
QByteArray& Messages() {
    static QByteArray messages;
    return messages;
}

int Collect(char* message) {
    if (Messages().size() < 4096) {
        Messages() += message;
    }
    return 0;
}

class CollectedMessages {
public:
    CollectedMessages() : previous_(agseterrf(&Collect)) { Messages().clear(); }
    ~CollectedMessages() { agseterrf(previous_); }
    CollectedMessages(const CollectedMessages&) = delete;
    CollectedMessages& operator=(const CollectedMessages&) = delete;

    static QString Text() { return QString::fromUtf8(Messages()).trimmed(); }

private:
    agusererrf previous_;
};

// A plain label in Graphviz's escString syntax: lines joined by "\n" (or
// each ended by "\l", left-aligned). A backslash is doubled, so "\N" or
// "\G" in a user's text is not expanded, and "&" is written "&amp;",
// because Graphviz decodes entities in plain labels too.
QByteArray LabelText(const QStringList& lines, bool leftAligned) {
    QString text;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (i > 0 && !leftAligned) {
            text += QStringLiteral("\\n");
        }
        for (QChar c : lines[i]) {
            if (c == u'\\') {
                text += QStringLiteral("\\\\");
            } else if (c == u'&') {
                text += QStringLiteral("&amp;");
            } else if (c.unicode() < 0x20) {
                text += QChar(0xFFFD);
            } else {
                text += c;
            }
        }
        if (leftAligned) {
            text += QStringLiteral("\\l");
        }
    }
    return text.toUtf8();
}

void Set(void* object, const char* name, const QByteArray& value) {
    agsafeset(object, Chars(name), Chars(value.constData()), Chars(""));
}

void Declare(Agraph_t* graph, int kind, const char* name, const QByteArray& value) {
    agattr(graph, kind, Chars(name), Chars(value.constData()));
}

const char* ShapeName(NodeShape shape) {
    switch (shape) {
        case NodeShape::Ellipse:
            return "ellipse";
        case NodeShape::DoubleEllipse:
            return "doublecircle";
        case NodeShape::Box:
        case NodeShape::DoubleBox:
            break;
    }
    return "box";
}

// The arrows that close a cycle, found as dot finds them: by a depth-first
// search from each node in turn, an arrow back to a node on the search's
// path. dot turns such arrows around to rank the nodes, and in the Graphviz
// of Debian 12 it loses the helper edges it makes for a turned arrow that
// spans several ranks (a leak of a few hundred bytes per arrow and layout).
// Marked as not ranking the nodes they are never turned; the picture is
// the same but for where such an arrow runs.
std::vector<bool> ClosingArrows(const ProgramDiagram& diagram) {
    std::vector<std::vector<int>> out(diagram.nodes.size());
    for (std::size_t i = 0; i < diagram.edges.size(); ++i) {
        out[std::size_t(diagram.edges[i].from)].push_back(int(i));
    }
    enum class Visit : quint8 { New, OnPath, Done };
    std::vector<Visit> visit(diagram.nodes.size(), Visit::New);
    std::vector<bool> closing(diagram.edges.size(), false);
    std::vector<std::pair<int, std::size_t>> path;  // node, next arrow to follow
    for (std::size_t start = 0; start < diagram.nodes.size(); ++start) {
        if (visit[start] != Visit::New) {
            continue;
        }
        visit[start] = Visit::OnPath;
        path.push_back({int(start), 0});
        while (!path.empty()) {
            auto& [node, next] = path.back();
            const std::vector<int>& arrows = out[std::size_t(node)];
            if (next == arrows.size()) {
                visit[std::size_t(node)] = Visit::Done;
                path.pop_back();
                continue;
            }
            const int arrow = arrows[next++];
            const int to = diagram.edges[std::size_t(arrow)].to;
            if (visit[std::size_t(to)] == Visit::OnPath) {
                closing[std::size_t(arrow)] = to != node;  // dot ranks loops apart
            } else if (visit[std::size_t(to)] == Visit::New) {
                visit[std::size_t(to)] = Visit::OnPath;
                path.push_back({to, 0});
            }
        }
    }
    return closing;
}

// One diagram as a laid-out Graphviz graph. It owns the graph and its
// layout and frees both; the caller holds GraphvizMutex for its whole life.
class LaidOutGraph {
public:
    LaidOutGraph(const ProgramDiagram& diagram, Labels labels);
    ~LaidOutGraph();
    LaidOutGraph(const LaidOutGraph&) = delete;
    LaidOutGraph& operator=(const LaidOutGraph&) = delete;

    const QString& Error() const { return error_; }
    const Failure& Problem() const { return failure_; }
    GVC_t* Context() const { return context_; }
    Agraph_t* Graph() const { return graph_; }
    const std::vector<Agnode_t*>& Nodes() const { return nodes_; }
    const std::vector<Agedge_t*>& Edges() const { return edges_; }

private:
    bool Build(const ProgramDiagram& diagram);
    void DeclareDefaults(const ProgramDiagram& diagram);
    bool AddNodes(const ProgramDiagram& diagram);
    bool AddEdges(const ProgramDiagram& diagram);
    void JoinComponents(const ProgramDiagram& diagram);

    GVC_t* context_ = nullptr;
    Agraph_t* graph_ = nullptr;
    const char* engine_ = "dot";
    Labels labels_ = Labels::AsWritten;
    bool laidOut_ = false;
    std::vector<Agnode_t*> nodes_;
    std::vector<Agedge_t*> edges_;
    // Failed: the failure's values and their English words.
    void Fail(Failure failure) {
        failure_ = std::move(failure);
        error_ = failure_.English();
    }

    Failure failure_;
    QString error_;
};

LaidOutGraph::LaidOutGraph(const ProgramDiagram& diagram, Labels labels) : labels_(labels) {
    Failure tooLarge =
        SizeCheck(DiagramSize{qint64(diagram.nodes.size()), qint64(diagram.edges.size())});
    if (tooLarge.kind != Failure::Kind::None) {
        Fail(std::move(tooLarge));
        return;
    }
    context_ = SharedContext();
    if (context_ == nullptr) {
        Fail({Failure::Kind::NoGraphviz, 0, 0, {}});
        return;
    }
    graph_ = agopen(Chars("program"), Agdirected, nullptr);
    if (graph_ == nullptr || !Build(diagram)) {
        if (error_.isEmpty()) {
            Fail({Failure::Kind::NoGraph, 0, 0, {}});
        }
        return;
    }
    if (gvLayout(context_, graph_, engine_) != 0) {
        Fail({Failure::Kind::NoLayout, 0, 0, CollectedMessages::Text()});
        return;
    }
    laidOut_ = true;
}

LaidOutGraph::~LaidOutGraph() {
    if (laidOut_) {
        gvFreeLayout(context_, graph_);
    }
    if (graph_ != nullptr) {
        agclose(graph_);
    }
}

bool LaidOutGraph::Build(const ProgramDiagram& diagram) {
    DeclareDefaults(diagram);
    if (!AddNodes(diagram) || !AddEdges(diagram)) {
        return false;
    }
    if (std::strcmp(engine_, "sfdp") == 0) {
        JoinComponents(diagram);
    }
    const QStringList note = NoteLines(diagram);
    if (!note.isEmpty()) {
        Set(graph_, "label", LabelText(note, true));
        Set(graph_, "labelloc", "b");
        Set(graph_, "labeljust", "l");
        Set(graph_, "fontsize", QByteArray::number(kNoteFontSize));
    }
    return true;
}

void LaidOutGraph::DeclareDefaults(const ProgramDiagram& diagram) {
    const QByteArray font = kFontName.toUtf8();
    for (int kind : {AGRAPH, AGNODE, AGEDGE}) {
        Declare(graph_, kind, "fontname", font);
    }
    Declare(graph_, AGNODE, "fontsize", QByteArray::number(kFontSize));
    Declare(graph_, AGEDGE, "fontsize", QByteArray::number(kFontSize));
    Declare(graph_, AGEDGE, "arrowsize", "0.7");
    Declare(graph_, AGNODE, "height", "0.3");
    Declare(graph_, AGRAPH, "nodesep", "0.3");
    Declare(graph_, AGRAPH, "ranksep", "0.4");
    if (diagram.edges.size() > kDotEdges || diagram.nodes.size() > kDotNodes) {
        engine_ = "sfdp";
        Declare(graph_, AGRAPH, "splines", "false");
        Declare(graph_, AGRAPH, "overlap", "prism");
    } else if (diagram.edges.size() > kFullDotEdges) {
        Declare(graph_, AGRAPH, "nslimit", "2");
        Declare(graph_, AGRAPH, "nslimit1", "2");
        Declare(graph_, AGRAPH, "mclimit", "0.3");
        Declare(graph_, AGRAPH, "splines", "line");
    }
}

bool LaidOutGraph::AddNodes(const ProgramDiagram& diagram) {
    nodes_.reserve(diagram.nodes.size());
    for (const DiagramNode& node : diagram.nodes) {
        const QByteArray name = node.id.toUtf8();
        // Two nodes of one name would become one, and the picture would lie.
        if (name.isEmpty() || name.contains('\0') ||
            agnode(graph_, Chars(name.constData()), 0) != nullptr) {
            Fail({Failure::Kind::SameName, 0, 0, node.id});
            return false;
        }
        Agnode_t* n = agnode(graph_, Chars(name.constData()), 1);
        const NodeShape shape = ShapeOf(diagram, node);
        Set(n, "label", LabelText(node.lines, false));
        Set(n, "id", "node-" + name);
        Set(n, "shape", ShapeName(shape));
        if (shape == NodeShape::DoubleBox) {
            Set(n, "peripheries", "2");
        }
        if (shape == NodeShape::DoubleEllipse) {
            Set(n, "fontsize", QByteArray::number(kNoteFontSize));
            Set(n, "margin", "0.02");
        }
        if (node.kind == DiagramNode::Kind::Error) {
            Set(n, "color", "red");
            Set(n, "fontcolor", "red");
            Set(n, "style", "dashed");
        }
        nodes_.push_back(n);
    }
    return true;
}

bool LaidOutGraph::AddEdges(const ProgramDiagram& diagram) {
    for (const DiagramEdge& edge : diagram.edges) {
        if (edge.from < 0 || std::size_t(edge.from) >= nodes_.size() || edge.to < 0 ||
            std::size_t(edge.to) >= nodes_.size()) {
            Fail({Failure::Kind::NoSuchNode, 0, 0, {}});
            return false;
        }
    }
    const std::vector<bool> closing = ClosingArrows(diagram);
    edges_.reserve(diagram.edges.size());
    for (const DiagramEdge& edge : diagram.edges) {
        Agedge_t* e = agedge(graph_, nodes_[std::size_t(edge.from)], nodes_[std::size_t(edge.to)],
                             nullptr, 1);
        if (!edge.lines.isEmpty()) {
            QStringList lines = edge.lines;
            if (labels_ == Labels::Spaced) {
                for (QString& line : lines) {
                    line.prepend(kLabelRoom);
                }
            }
            Set(e, "label", LabelText(lines, false));
        }
        Set(e, "id",
            "edge-" + diagram.nodes[std::size_t(edge.from)].id.toUtf8() + '-' +
                diagram.nodes[std::size_t(edge.to)].id.toUtf8());
        if (closing[edges_.size()] && std::strcmp(engine_, "dot") == 0) {
            Set(e, "constraint", "false");
        }
        edges_.push_back(e);
    }
    return true;
}

// sfdp lays out each connected part on its own and then packs the parts,
// which takes time quadratic in their number (half a minute for 2000 states
// without a command). The parts are tied into one by invisible arrows
// between their first nodes, which are neither drawn nor reported.
void LaidOutGraph::JoinComponents(const ProgramDiagram& diagram) {
    std::vector<int> parent(diagram.nodes.size());
    for (std::size_t i = 0; i < parent.size(); ++i) {
        parent[i] = int(i);
    }
    const auto root = [&parent](int node) {
        while (parent[std::size_t(node)] != node) {
            const int up = parent[std::size_t(node)];
            parent[std::size_t(node)] = parent[std::size_t(up)];
            node = up;
        }
        return node;
    };
    for (const DiagramEdge& edge : diagram.edges) {
        parent[std::size_t(root(edge.from))] = root(edge.to);
    }
    Agnode_t* previous = nullptr;
    for (std::size_t i = 0; i < parent.size(); ++i) {
        if (root(int(i)) != int(i)) {
            continue;
        }
        if (previous != nullptr) {
            Set(agedge(graph_, previous, nodes_[i], nullptr, 1), "style", "invis");
        }
        previous = nodes_[i];
    }
}

// Graphviz's points have y growing upwards from the bounding box's bottom.
class Flip {
public:
    explicit Flip(boxf bounds) : box_(bounds) {}
    QPointF operator()(pointf p) const { return QPointF(p.x - box_.LL.x, box_.UR.y - p.y); }
    QRectF Bounds() const { return QRectF(0, 0, box_.UR.x - box_.LL.x, box_.UR.y - box_.LL.y); }

private:
    boxf box_;
};

EdgePath PathOf(Agedge_t* edge, const Flip& flip, Labels labels) {
    EdgePath path;
    if (const splines* spline = ED_spl(edge)) {
        for (int i = 0; i < spline->size; ++i) {
            const bezier& piece = spline->list[i];
            EdgeCurve curve;
            for (int k = 0; k < piece.size; ++k) {
                curve.points.push_back(flip(piece.list[k]));
            }
            if (piece.sflag) {
                curve.startArrow = flip(piece.sp);
            }
            if (piece.eflag) {
                curve.endArrow = flip(piece.ep);
            }
            path.curves.push_back(std::move(curve));
        }
    }
    if (const textlabel_t* label = ED_label(edge)) {
        path.labelCentre = flip(label->pos);
        path.labelSize = QSizeF(label->dimen.x, label->dimen.y);
        if (labels == Labels::Spaced && path.labelSize.width() > kLabelRoomWidth) {
            path.labelCentre.rx() += kLabelRoomWidth / 2;
            path.labelSize.rwidth() -= kLabelRoomWidth;
        }
    }
    return path;
}

}  // namespace

Failure SizeCheck(const DiagramSize& size) {
    if (size.nodes > kMaxNodes || size.edges > kMaxEdges) {
        return {Failure::Kind::TooLarge, size.nodes, size.edges, {}};
    }
    return {};
}

NodeShape ShapeOf(const ProgramDiagram& diagram, const DiagramNode& node) {
    const bool stop = node.kind == DiagramNode::Kind::Stop;
    if (diagram.machine == MachineKind::Turing) {
        return stop ? NodeShape::DoubleEllipse : NodeShape::Ellipse;
    }
    return stop ? NodeShape::DoubleBox : NodeShape::Box;
}

QStringList NoteLines(const ProgramDiagram& diagram) {
    QStringList lines;
    if (diagram.problems.empty()) {
        return lines;
    }
    // One heading for both machines: a Turing command left out and a Post
    // row whose jump is refused are both commands without their arrows.
    lines.append(Tr("DiagramLayout", "Без стрелок (запуск на них остановится с ошибкой):"));
    const std::size_t shown = std::min(diagram.problems.size(), std::size_t(kMaxNoteLines));
    for (std::size_t i = 0; i < shown; ++i) {
        lines.append(diagram.problems[i].text);
    }
    if (shown < diagram.problems.size()) {
        lines.append(Tr("DiagramLayout", "… и ещё %1").arg(diagram.problems.size() - shown));
    }
    return lines;
}

QString Failure::English() const {
    QString words;
    switch (kind) {
        case Kind::None:
            return QString();
        case Kind::TooLarge:
            return QStringLiteral("too large to draw: %1 nodes and %2 arrows (at most %3 and %4)")
                .arg(nodes)
                .arg(arrows)
                .arg(kMaxNodes)
                .arg(kMaxEdges);
        case Kind::NoGraphviz:
            return QStringLiteral("Graphviz could not start");
        case Kind::NoGraph:
            return QStringLiteral("Graphviz could not make the graph");
        case Kind::NoLayout:
            words = QStringLiteral("Graphviz could not lay the picture out");
            break;
        case Kind::NoSvg:
            words = QStringLiteral("Graphviz could not write SVG");
            break;
        case Kind::SameName:
            return QStringLiteral("two nodes are named \"%1\"").arg(detail);
        case Kind::NoSuchNode:
            return QStringLiteral("an arrow names a node that does not exist");
    }
    return detail.isEmpty() ? words : words + QStringLiteral(": ") + detail;
}

QString Failure::Russian() const {
    QString words;
    switch (kind) {
        case Kind::None:
            return QString();
        case Kind::TooLarge:
            return Tr("DiagramLayout",
                      "слишком велика: вершин %1 и стрелок %2 (можно не больше %3 и %4)")
                .arg(nodes)
                .arg(arrows)
                .arg(kMaxNodes)
                .arg(kMaxEdges);
        case Kind::NoGraphviz:
            return Tr("DiagramLayout", "Graphviz не удалось запустить");
        case Kind::NoGraph:
            return Tr("DiagramLayout", "Graphviz не смог составить граф");
        case Kind::NoLayout:
            words = Tr("DiagramLayout", "Graphviz не смог расположить рисунок");
            break;
        case Kind::NoSvg:
            words = Tr("DiagramLayout", "Graphviz не смог записать SVG");
            break;
        case Kind::SameName:
            return Tr("DiagramLayout", "две вершины названы «%1»").arg(detail);
        case Kind::NoSuchNode:
            return Tr("DiagramLayout", "стрелка ведёт к вершине, которой нет");
    }
    // Graphviz's own messages stay as it wrote them.
    return detail.isEmpty() ? words : words + QStringLiteral(": ") + detail;
}

Geometry Layout(const ProgramDiagram& diagram) {
    const std::lock_guard<std::mutex> lock(GraphvizMutex());
    const CollectedMessages messages;
    const LaidOutGraph graph(diagram, Labels::Spaced);
    Geometry geometry;
    if (!graph.Error().isEmpty()) {
        geometry.failure = graph.Problem();
        geometry.error = graph.Error();
        return geometry;
    }
    const Flip flip(GD_bb(graph.Graph()));
    geometry.bounds = flip.Bounds();
    for (std::size_t i = 0; i < graph.Nodes().size(); ++i) {
        Agnode_t* node = graph.Nodes()[i];
        geometry.nodes.push_back({flip(ND_coord(node)),
                                  QSizeF(ND_width(node) * 72, ND_height(node) * 72),
                                  ShapeOf(diagram, diagram.nodes[i])});
    }
    for (Agedge_t* edge : graph.Edges()) {
        geometry.edges.push_back(PathOf(edge, flip, Labels::Spaced));
    }
    if (const textlabel_t* note = GD_label(graph.Graph())) {
        geometry.noteLines = NoteLines(diagram);
        geometry.noteCentre = flip(note->pos);
        geometry.noteSize = QSizeF(note->dimen.x, note->dimen.y);
    }
    return geometry;
}

Svg RenderSvg(const ProgramDiagram& diagram) {
    const std::lock_guard<std::mutex> lock(GraphvizMutex());
    const CollectedMessages messages;
    const LaidOutGraph graph(diagram, Labels::AsWritten);
    Svg svg;
    if (!graph.Error().isEmpty()) {
        svg.failure = graph.Problem();
        svg.error = graph.Error();
        return svg;
    }
    char* data = nullptr;
    unsigned int length = 0;
    const int status = gvRenderData(graph.Context(), graph.Graph(), "svg", &data, &length);
    if (status == 0 && data != nullptr) {
        svg.bytes = QByteArray(data, qsizetype(length));
    } else {
        svg.failure = {Failure::Kind::NoSvg, 0, 0, CollectedMessages::Text()};
        svg.error = svg.failure.English();
    }
    if (data != nullptr) {
        gvFreeRenderData(data);
    }
    return svg;
}

}  // namespace DiagramLayout
