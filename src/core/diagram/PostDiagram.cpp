// The Post program's picture. A row is drawn when it holds a command or a
// jump field, and so is every row a jump reaches: as an error when it holds
// no command or lies outside the program. The arrows follow the decoded
// rows, the reading a run executes, so they go where a run would go; a row
// whose jump field a run would refuse gets no arrow and is listed instead.

#include <map>
#include <set>
#include <vector>

#include "core/diagram/DiagramText.h"
#include "core/diagram/ProgramDiagram.h"
#include "core/post/PostTable.h"
#include "core/text/Language.h"

namespace {

// The command as the table draws it: left and right arrows, a check mark,
// a double arrow for erasing, "?" with both targets for a jump, "!" to stop.
QString CommandText(const DecodedPostRow& row, const QString& code) {
    switch (row.op) {
        case PostOp::Left:
            return QStringLiteral("←");
        case PostOp::Right:
            return QStringLiteral("→");
        case PostOp::Mark:
            return QStringLiteral("✓");
        case PostOp::Erase:
            return QStringLiteral("↕");
        case PostOp::Jump:
            return row.announceValid
                       ? QStringLiteral("? %1, %2").arg(row.announceFirst).arg(row.announceSecond)
                       : QStringLiteral("?");
        case PostOp::Stop:
            return QStringLiteral("!");
        case PostOp::Other:
            return Tr("PostDiagram", "код ") + DiagramText::Quoted(code);
        case PostOp::None:
            break;
    }
    return Tr("PostDiagram", "нет команды");
}

DiagramNode RowNode(qint32 number, const QString& command, DiagramNode::Kind kind, int rows) {
    DiagramNode node;
    node.id = QString::number(number);
    node.kind = kind;
    node.lines = QStringList{QString::number(number) + QStringLiteral(": ") + command};
    node.tableRow = number >= 1 && number <= rows ? number : -1;
    return node;
}

struct Jump {
    int row = 0;
    qint32 target = 0;
    DiagramBranch branch = DiagramBranch::Always;
};

}  // namespace

ProgramDiagram BuildPostDiagram(PostTable& table) {
    ProgramDiagram diagram;
    diagram.machine = MachineKind::Post;
    const int rows = table.ProgramRows();
    std::map<qint32, DiagramNode> nodes;  // by row number, so drawn in order
    std::vector<Jump> jumps;
    for (int row = 1; row <= rows; ++row) {
        const DecodedPostRow& decoded = table.Decoded(row);
        if (decoded.op == PostOp::None && decoded.jumpEmpty) {
            continue;
        }
        const DiagramNode::Kind kind = decoded.op == PostOp::None   ? DiagramNode::Kind::Error
                                       : decoded.op == PostOp::Stop ? DiagramNode::Kind::Stop
                                                                    : DiagramNode::Kind::Row;
        nodes.emplace(row, RowNode(row, CommandText(decoded, table.Code(row)), kind, rows));
        if (decoded.op == PostOp::None || decoded.op == PostOp::Stop) {
            continue;
        }
        const PostTargets targets = decoded.Targets();
        if (targets.count == 0) {
            const DiagramCell cell{PostTable::ColJump, row, DiagramBranch::Always};
            const QString where = Tr("PostDiagram", "Строка %1: ").arg(row);
            diagram.problems.push_back(
                {cell, decoded.jumpEmpty
                           ? where + Tr("PostDiagram", "не указан номер отсылки")
                           : where + DiagramText::Quoted(table.Jump(row)) +
                                 Tr("PostDiagram", " — неверно указан номер отсылки")});
            continue;
        }
        if (targets.count == 2) {
            jumps.push_back({row, targets.rows[0], DiagramBranch::NoMark});
            jumps.push_back({row, targets.rows[1], DiagramBranch::Mark});
        } else {
            jumps.push_back({row, targets.rows[0], DiagramBranch::Always});
        }
    }
    for (const Jump& jump : jumps) {
        if (nodes.count(jump.target) == 0) {
            const bool inside = jump.target >= 1 && jump.target <= rows;
            nodes.emplace(jump.target, RowNode(jump.target,
                                               inside ? Tr("PostDiagram", "нет команды")
                                                      : Tr("PostDiagram", "нет строки"),
                                               DiagramNode::Kind::Error, rows));
        }
    }

    std::map<qint32, int> indexOf;
    for (auto& [number, node] : nodes) {
        indexOf[number] = int(diagram.nodes.size());
        diagram.nodes.push_back(std::move(node));
    }
    for (const Jump& jump : jumps) {
        const int from = indexOf[jump.row];
        const int to = indexOf[jump.target];
        // Both ways of a jump to the same row make one arrow.
        if (diagram.edges.empty() || diagram.edges.back().from != from ||
            diagram.edges.back().to != to) {
            diagram.edges.push_back(DiagramEdge{from, to, {}, {}});
        }
        DiagramEdge& edge = diagram.edges.back();
        if (jump.branch != DiagramBranch::Always) {
            edge.lines.append(jump.branch == DiagramBranch::Mark ? Tr("PostDiagram", "есть метка")
                                                                 : Tr("PostDiagram", "нет метки"));
        }
        edge.cells.push_back({PostTable::ColJump, jump.row, jump.branch});
    }
    return diagram;
}

DiagramSize PostDiagramSize(PostTable& table) {
    // The same rows and jumps as BuildPostDiagram, counted: a drawn row is a
    // node, so is each other row or number a jump reaches, once; a jump's
    // two ways to one row are one arrow.
    const int rows = table.ProgramRows();
    std::vector<bool> drawn(std::size_t(rows) + 1, false);
    std::vector<bool> reached(std::size_t(rows) + 1, false);
    std::set<qint32> outside;
    DiagramSize size;
    for (int row = 1; row <= rows; ++row) {
        const DecodedPostRow& decoded = table.Decoded(row);
        if (decoded.op == PostOp::None && decoded.jumpEmpty) {
            continue;
        }
        drawn[std::size_t(row)] = true;
        ++size.nodes;
        const PostTargets targets = decoded.Targets();
        for (int i = 0; i < targets.count; ++i) {
            const qint32 target = targets.rows[std::size_t(i)];
            if (target >= 1 && target <= rows) {
                reached[std::size_t(target)] = true;
            } else {
                outside.insert(target);
            }
        }
        size.edges += targets.count == 2 && targets.rows[0] == targets.rows[1] ? 1 : targets.count;
    }
    for (int row = 1; row <= rows; ++row) {
        size.nodes += reached[std::size_t(row)] && !drawn[std::size_t(row)];
    }
    size.nodes += qint64(outside.size());
    return size;
}
