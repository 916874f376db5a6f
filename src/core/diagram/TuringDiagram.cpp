// The Turing table's picture. A state is a node when it is Q0, holds a
// command (drawn or listed) or a drawn command goes to it: a state of the
// table nothing uses is no loose node. A command is an arrow from its state
// to its next state (a stop command to the one stop node),
// labelled "read → write, move" in the table's own notation, "_" for the
// blank. The arrow follows the decoded cell, the reading a run executes;
// a cell the run would refuse, or that the cell check rejects, is left out
// and listed instead.

#include <QHash>
#include <QSet>
#include <algorithm>
#include <vector>

#include "core/diagram/DiagramText.h"
#include "core/diagram/ProgramDiagram.h"
#include "core/text/Language.h"
#include "core/turing/TuringCommand.h"
#include "core/turing/TuringMachine.h"

namespace {

QString StateName(qint32 state) {
    return QStringLiteral("Q") + QString::number(state);
}

DiagramNode StateNode(int state) {
    DiagramNode node;
    node.id = StateName(state);
    node.kind = DiagramNode::Kind::State;
    node.lines = QStringList{node.id};
    node.tableCol = state + 1;
    return node;
}

// Why a run or the cell check refuses a cell's text decoded as `cell`:
// the picture and its size (TuringDiagramSize) decide alike.
enum class Refused { No, Form, Symbol, State };

Refused RefusalOf(const QString& text, const DecodedTuringCell& cell, const QString& alphabet,
                  int states) {
    if (cell.form != DecodedTuringCell::Form::Command || !IsTuringMove(cell.move)) {
        return Refused::Form;
    }
    if (!NormaliseTuringCommand(text, alphabet)) {
        return cell.write != kTuringBlankMark && !alphabet.contains(cell.write) ? Refused::Symbol
                                                                                : Refused::Form;
    }
    // Even a stop command names a state the run checks first.
    if (cell.next < 0 || cell.next >= states) {
        return Refused::State;
    }
    return Refused::No;
}

// The refusal in words; empty when the command can be drawn.
QString RefusalText(Refused refused, const DecodedTuringCell& cell) {
    switch (refused) {
        case Refused::No:
            break;
        case Refused::Form:
            return Tr("TuringDiagram", "неверная запись команды");
        case Refused::Symbol:
            return Tr("TuringDiagram", "символа ") +
                   DiagramText::Quoted(QStringView(&cell.write, 1)) +
                   Tr("TuringDiagram", " нет в алфавите");
        case Refused::State:
            return Tr("TuringDiagram", "состояние ") + StateName(cell.next) +
                   Tr("TuringDiagram", " отсутствует");
    }
    return QString();
}

// A command that gets an arrow, kept until the nodes are known.
struct Command {
    int state = 0;
    DecodedTuringCell decoded;
    QString read;
    DiagramCell cell;
};

// The arrows made so far, one per pair of nodes, and the stop node, made
// when the first stop command is met. `nodeOf` gives each state's node.
class Arrows {
public:
    Arrows(ProgramDiagram& diagram, const std::vector<int>& nodeOf)
        : diagram_(diagram), nodeOf_(nodeOf) {}

    // The command on the arrow from its state to its next state or to the
    // stop node.
    void Add(const Command& command) {
        const int from = nodeOf_[std::size_t(command.state)];
        const int to =
            command.decoded.move == u'!' ? StopNode() : nodeOf_[std::size_t(command.decoded.next)];
        const qint64 key = (qint64(from) << 32) | quint32(to);
        auto found = edgeOf_.find(key);
        if (found == edgeOf_.end()) {
            found = edgeOf_.insert(key, int(diagram_.edges.size()));
            diagram_.edges.push_back(DiagramEdge{from, to, {}, {}});
        }
        DiagramEdge& edge = diagram_.edges[std::size_t(*found)];
        edge.lines.append(command.read + QStringLiteral(" → ") +
                          DiagramText::Printable(command.decoded.write) + QStringLiteral(", ") +
                          command.decoded.move);
        edge.cells.push_back(command.cell);
    }

private:
    int StopNode() {
        if (stop_ < 0) {
            stop_ = int(diagram_.nodes.size());
            DiagramNode stop;
            stop.id = QStringLiteral("stop");
            stop.kind = DiagramNode::Kind::Stop;
            stop.lines = QStringList{Tr("TuringDiagram", "стоп")};
            diagram_.nodes.push_back(stop);
        }
        return stop_;
    }

    ProgramDiagram& diagram_;
    const std::vector<int>& nodeOf_;
    QHash<qint64, int> edgeOf_;  // by (from, to)
    int stop_ = -1;
};

// Every filled cell of the table, state by state, as the picture and its
// size take it: `decoded` is null for a row past the alphabet (only in a
// damaged document: listed, never read by a run), and `refused` says why a
// decoded command is listed instead of drawn. Returns which states are
// nodes: Q0, a state holding a command, and a state a drawn command goes to.
template <typename Visit>
std::vector<bool> VisitCells(TuringMachine& machine, const Visit& visit) {
    TuringTable& table = machine.table;
    const QString& alphabet = machine.Alphabet();
    const int states = table.StateCount();
    const int blankRow = table.RowCount() - 1;
    std::vector<bool> drawn(std::size_t(std::max(states, 1)), false);
    drawn[0] = true;
    for (int state = 0; state < states; ++state) {
        for (int row = 1; row <= blankRow; ++row) {
            const QString& text = table.Command(state, row);
            if (text.isEmpty()) {
                continue;
            }
            drawn[std::size_t(state)] = true;
            // The run finds a symbol's row by its place in the alphabet and
            // the blank's as the last.
            if (row != blankRow && row - 1 >= alphabet.size()) {
                visit(state, row, text, nullptr, Refused::No);
                continue;
            }
            const DecodedTuringCell& decoded = table.Decoded(state, row);
            const Refused refused = RefusalOf(text, decoded, alphabet, states);
            if (refused == Refused::No && decoded.move != u'!') {
                drawn[std::size_t(decoded.next)] = true;
            }
            visit(state, row, text, &decoded, refused);
        }
    }
    return drawn;
}

}  // namespace

ProgramDiagram BuildTuringDiagram(TuringMachine& machine) {
    ProgramDiagram diagram;
    diagram.machine = MachineKind::Turing;
    TuringTable& table = machine.table;
    const QString& alphabet = machine.Alphabet();
    const int states = table.StateCount();
    const int blankRow = table.RowCount() - 1;
    std::vector<Command> commands;
    const std::vector<bool> drawn = VisitCells(machine, [&](int state, int row, const QString& text,
                                                            const DecodedTuringCell* decoded,
                                                            Refused refused) {
        const DiagramCell cell{state + 1, row, DiagramBranch::Always};
        const QString read = !decoded          ? QString()
                             : row == blankRow ? QString(kTuringBlankMark)
                                               : DiagramText::Printable(alphabet[row - 1]);
        // Texts for the list under the picture are made only for the
        // cells that go there.
        const auto where = [&] {
            return StateName(state) + QStringLiteral(", ") +
                   (read.isEmpty()
                        ? Tr("TuringDiagram", "строка ") + DiagramText::Quoted(table.Cell(0, row))
                        : read) +
                   QStringLiteral(": ") + DiagramText::Quoted(text) + QStringLiteral(" — ");
        };
        if (!decoded) {
            diagram.problems.push_back(
                {cell, where() + Tr("TuringDiagram", "строка не относится к символу алфавита")});
        } else if (refused != Refused::No) {
            diagram.problems.push_back({cell, where() + RefusalText(refused, *decoded)});
        } else {
            commands.push_back({state, *decoded, read, cell});
        }
    });
    std::vector<int> nodeOf(drawn.size(), -1);
    for (int state = 0; state < states; ++state) {
        if (drawn[std::size_t(state)]) {
            nodeOf[std::size_t(state)] = int(diagram.nodes.size());
            diagram.nodes.push_back(StateNode(state));
        }
    }
    Arrows arrows(diagram, nodeOf);
    for (const Command& command : commands) {
        arrows.Add(command);
    }
    return diagram;
}

DiagramSize TuringDiagramSize(TuringMachine& machine) {
    // The same cells as BuildTuringDiagram, counted: the stop is one node;
    // an arrow joins each pair of nodes that drawn commands join.
    const int states = machine.table.StateCount();
    QSet<qint64> arrows;  // (from state, to state), -1 for the stop
    bool stop = false;
    const std::vector<bool> drawn = VisitCells(
        machine,
        [&](int state, int, const QString&, const DecodedTuringCell* decoded, Refused refused) {
            if (!decoded || refused != Refused::No) {
                return;
            }
            const bool stops = decoded->move == u'!';
            stop = stop || stops;
            arrows.insert((qint64(state) << 32) | quint32(stops ? -1 : decoded->next));
        });
    DiagramSize size;
    size.nodes = qint64(std::count(drawn.begin(), drawn.begin() + states, true)) + (stop ? 1 : 0);
    size.edges = arrows.size();
    return size;
}
