#include "core/diagram/ProgramDiagram.h"

#include <algorithm>

QByteArray ProgramDiagram::ShapeKey() const {
    // Ids are short and every number is written out, so the key stays a
    // few bytes per node and edge and compares exactly.
    QByteArray key;
    key.reserve(qsizetype(nodes.size()) * 8 + qsizetype(edges.size()) * 12 + 16);
    key += PerMachine<char>{'P', 'T'}[machine];
    for (const DiagramNode& node : nodes) {
        key += char('0' + int(node.kind));
        key += node.id.toUtf8();
        key += '\n';
    }
    key += '|';
    for (const DiagramEdge& edge : edges) {
        key += QByteArray::number(edge.from) + '>' + QByteArray::number(edge.to) + ':' +
               QByteArray::number(edge.lines.size()) + ';';
    }
    key += '|' + QByteArray::number(qulonglong(problems.size()));
    return key;
}

int ProgramDiagram::NodeOfState(int state) const {
    if (machine != MachineKind::Turing || state < 0) {
        return -1;
    }
    // The states come first, by column; the stop node (no column) last.
    const auto states = std::find_if(nodes.begin(), nodes.end(), [](const DiagramNode& node) {
        return node.kind != DiagramNode::Kind::State;
    });
    const auto found =
        std::lower_bound(nodes.begin(), states, state + 1,
                         [](const DiagramNode& node, int col) { return node.tableCol < col; });
    return found != states && found->tableCol == state + 1 ? int(found - nodes.begin()) : -1;
}

int ProgramDiagram::NodeOfRow(int row) const {
    if (machine != MachineKind::Post || row < 1) {
        return -1;
    }
    for (std::size_t i = 0; i < nodes.size(); ++i) {
        if (nodes[i].tableRow == row) {
            return int(i);
        }
    }
    return -1;
}

int ProgramDiagram::EdgeOfCell(int col, int row, DiagramBranch branch) const {
    for (std::size_t i = 0; i < edges.size(); ++i) {
        for (const DiagramCell& cell : edges[i].cells) {
            if (cell.col == col && cell.row == row && cell.branch == branch) {
                return int(i);
            }
        }
    }
    return -1;
}
