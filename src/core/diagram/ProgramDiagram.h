#pragma once
// The picture of a machine's program as a plain graph: nodes for the Turing
// machine's states or the Post machine's filled rows, arrows for the cells
// and jumps between them, and the cells a run would fail on, which the
// picture leaves out and lists. It is built from the decoded program the
// interpreter reads, so it shows what a run would do, and knows nothing of
// drawing: Graphviz lays it out (src/layout/), the window and the runner's
// SVG export draw it.
//
// Every node and edge names the table position it stands for, so a view
// can select the cell of a clicked node and highlight the running state or
// row. ShapeKey() tells whether a new picture needs a new layout.

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <vector>

#include "core/machine/MachineKind.h"

class PostTable;
class TuringMachine;

struct DiagramNode {
    // State: a Turing state. Row: a Post row with a command. Stop: the
    // Turing machine's stop (one node for every stop command) or a Post row
    // holding "Стоп". Error: a Post row a jump reaches that has no command,
    // or a row number outside the program.
    enum class Kind : quint8 { State, Row, Stop, Error };

    QString id;  // unique: "Q0", "Q1", ..., "stop"; a Post row's number, "12"
    Kind kind = Kind::Row;
    QStringList lines;  // the label, one entry per line
    // The table position: a Turing state's column (1 for Q0) in tableCol, a
    // Post row's number in tableRow; -1 where the node stands for none.
    int tableCol = -1;
    int tableRow = -1;
};

// Which way of a Post conditional jump an arrow stands for; Always for
// every other arrow.
enum class DiagramBranch : quint8 { Always, NoMark, Mark };

// A table cell an arrow stands for: a Turing command cell (state column,
// symbol row), or a Post row's jump cell with the branch taken.
struct DiagramCell {
    int col = -1;
    int row = -1;
    DiagramBranch branch = DiagramBranch::Always;
};

struct DiagramEdge {
    int from = 0;  // indices into ProgramDiagram::nodes
    int to = 0;
    // The label, one line per Turing cell ("1 → 0, <") or Post branch
    // ("нет метки", "есть метка"); an unconditional Post jump has none.
    QStringList lines;
    // What the arrow stands for; for Turing cells and Post branches one
    // entry per label line, in the same order.
    std::vector<DiagramCell> cells;
};

// A cell or row a run would fail on, left out of the picture and listed
// under it.
struct DiagramProblem {
    DiagramCell cell;
    QString text;  // "Q1, 0: «1>9» — состояние Q9 отсутствует"
};

struct ProgramDiagram {
    MachineKind machine = MachineKind::Post;
    // Turing: the states drawn (Q0, those with commands, those a command
    // goes to) in their order, then the stop node if any. Post: by row
    // number.
    std::vector<DiagramNode> nodes;
    // Turing: by the first cell of each (column by column); Post: by row,
    // the branch without a mark first.
    std::vector<DiagramEdge> edges;
    std::vector<DiagramProblem> problems;  // in table order

    // The shape without the texts: node ids and kinds, edge ends and the
    // number of label lines of each, the number of problems. Two diagrams
    // with the same key lay out alike but for the widths of their texts.
    QByteArray ShapeKey() const;
    // The node standing for a Turing state (0-based) or a Post row, -1 when
    // there is none. Linear in the nodes for a row, logarithmic for a state.
    int NodeOfState(int state) const;
    int NodeOfRow(int row) const;
    // The edge standing for a table cell (and, for a Post jump, a branch),
    // -1 when the cell is not drawn. Linear in the edges.
    int EdgeOfCell(int col, int row, DiagramBranch branch = DiagramBranch::Always) const;
};

// How many nodes and arrows a program's picture has, counted from the
// decoded program without building the picture or any of its texts, so a
// view can refuse a program too large to draw before it spends time on it.
struct DiagramSize {
    qint64 nodes = 0;
    qint64 edges = 0;
};

// The picture of the Post program in `table`: a node per row with a command
// or a jump field, arrows to the rows jumped to. Decodes every row (as a run
// would on reading it) and changes no text.
ProgramDiagram BuildPostDiagram(PostTable& table);
// The picture of the Turing machine's table: a node per state in use (see
// ProgramDiagram::nodes), an arrow per command a run could execute, commands between the same two
// states on one arrow. Decodes every cell and changes no text.
ProgramDiagram BuildTuringDiagram(TuringMachine& machine);
// The sizes of the pictures the two functions above would build, exactly,
// in time linear in the table's cells and with no text made.
DiagramSize PostDiagramSize(PostTable& table);
DiagramSize TuringDiagramSize(TuringMachine& machine);
