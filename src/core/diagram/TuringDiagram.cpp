// The Turing table's picture. Every state is a node; a command is an arrow
// from its state to its next state (a stop command to the one stop node),
// labelled "read → write, move" in the table's own notation, "_" for the
// blank. The arrow follows the decoded cell, the reading a run executes;
// a cell the run would refuse, or that the cell check rejects, is left out
// and listed instead.

#include <QHash>

#include "core/diagram/DiagramText.h"
#include "core/diagram/ProgramDiagram.h"
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

// Why a run or the cell check refuses `text` decoded as `cell`; empty when
// the command can be drawn.
QString Refusal(const QString& text, const DecodedTuringCell& cell, const QString& alphabet,
                int states) {
    if (cell.form != DecodedTuringCell::Form::Command || !IsTuringMove(cell.move)) {
        return QStringLiteral("неверная запись команды");
    }
    if (!NormaliseTuringCommand(text, alphabet)) {
        if (cell.write != kTuringBlankMark && !alphabet.contains(cell.write)) {
            return QStringLiteral("символа ") + DiagramText::Quoted(QStringView(&cell.write, 1)) +
                   QStringLiteral(" нет в алфавите");
        }
        return QStringLiteral("неверная запись команды");
    }
    // Even a stop command names a state the run checks first.
    if (cell.next < 0 || cell.next >= states) {
        return QStringLiteral("состояние ") + StateName(cell.next) + QStringLiteral(" отсутствует");
    }
    return QString();
}

// The arrows made so far, one per pair of nodes, and the stop node, made
// when the first stop command is met.
class Arrows {
public:
    explicit Arrows(ProgramDiagram& diagram) : diagram_(diagram) {}

    // The command of `cell`, read under `read` in `state`, on the arrow to
    // its next state or to the stop node.
    void Add(int state, const DecodedTuringCell& command, const QString& read, DiagramCell cell) {
        const int to = command.move == u'!' ? StopNode() : command.next;
        const qint64 key = (qint64(state) << 32) | quint32(to);
        auto found = edgeOf_.find(key);
        if (found == edgeOf_.end()) {
            found = edgeOf_.insert(key, int(diagram_.edges.size()));
            diagram_.edges.push_back(DiagramEdge{state, to, {}, {}});
        }
        DiagramEdge& edge = diagram_.edges[std::size_t(*found)];
        edge.lines.append(read + QStringLiteral(" → ") + DiagramText::Printable(command.write) +
                          QStringLiteral(", ") + command.move);
        edge.cells.push_back(cell);
    }

private:
    int StopNode() {
        if (stop_ < 0) {
            stop_ = int(diagram_.nodes.size());
            DiagramNode stop;
            stop.id = QStringLiteral("stop");
            stop.kind = DiagramNode::Kind::Stop;
            stop.lines = QStringList{QStringLiteral("стоп")};
            diagram_.nodes.push_back(stop);
        }
        return stop_;
    }

    ProgramDiagram& diagram_;
    QHash<qint64, int> edgeOf_;  // by (from, to)
    int stop_ = -1;
};

}  // namespace

ProgramDiagram BuildTuringDiagram(TuringMachine& machine) {
    ProgramDiagram diagram;
    diagram.machine = MachineKind::Turing;
    TuringTable& table = machine.table;
    const QString& alphabet = machine.Alphabet();
    const int states = table.StateCount();
    const int blankRow = table.RowCount() - 1;
    for (int state = 0; state < states; ++state) {
        diagram.nodes.push_back(StateNode(state));
    }
    Arrows arrows(diagram);
    for (int state = 0; state < states; ++state) {
        for (int row = 1; row <= blankRow; ++row) {
            const QString& text = table.Command(state, row);
            if (text.isEmpty()) {
                continue;
            }
            const DiagramCell cell{state + 1, row, DiagramBranch::Always};
            // The run finds a symbol's row by its place in the alphabet and
            // the blank's as the last; a row past the alphabet (only in a
            // damaged document) is never read.
            QString read;
            if (row == blankRow) {
                read = QString(kTuringBlankMark);
            } else if (row - 1 < alphabet.size()) {
                read = DiagramText::Printable(alphabet[row - 1]);
            }
            // Texts for the list under the picture are made only for the
            // cells that go there.
            const auto where = [&] {
                return StateName(state) + QStringLiteral(", ") +
                       (read.isEmpty()
                            ? QStringLiteral("строка ") + DiagramText::Quoted(table.Cell(0, row))
                            : read) +
                       QStringLiteral(": ") + DiagramText::Quoted(text) + QStringLiteral(" — ");
            };
            if (read.isEmpty()) {
                diagram.problems.push_back(
                    {cell, where() + QStringLiteral("строка не относится к символу алфавита")});
                continue;
            }
            const DecodedTuringCell& decoded = table.Decoded(state, row);
            const QString refusal = Refusal(text, decoded, alphabet, states);
            if (!refusal.isEmpty()) {
                diagram.problems.push_back({cell, where() + refusal});
                continue;
            }
            arrows.Add(state, decoded, read, cell);
        }
    }
    return diagram;
}
