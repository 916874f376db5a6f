#include "core/checking/ProgramShape.h"

#include <QHash>
#include <algorithm>
#include <unordered_map>

#include "core/post/PostTable.h"
#include "core/text/CellText.h"
#include "core/turing/TuringCommand.h"
#include "core/turing/TuringMachine.h"

namespace {

const QString kNone = QStringLiteral("none");

// The order of places: by number, then by symbol with the blank last.
uint SymbolRank(QChar read) {
    return read == u' ' ? 0x10000u : read.unicode();
}

bool PlaceBefore(const ShapeCommand& a, const ShapeCommand& b) {
    if (a.place != b.place) {
        return a.place < b.place;
    }
    return SymbolRank(a.read) < SymbolRank(b.read);
}

// The differing places of two shapes of one machine, counted up to `cap`
// and then given up: the search only needs to know a pair is past its
// limit. Both command lists are in place order, so one merge does.
int Differing(const ProgramShape& a, const ProgramShape& b, int cap) {
    if (a.kind != b.kind) {
        return int(a.Count() + b.Count());
    }
    int differing = 0;
    auto x = a.commands.begin();
    auto y = b.commands.begin();
    while ((x != a.commands.end() || y != b.commands.end()) && differing <= cap) {
        if (y == b.commands.end() || (x != a.commands.end() && PlaceBefore(*x, *y))) {
            ++x;
            ++differing;
        } else if (x == a.commands.end() || PlaceBefore(*y, *x)) {
            ++y;
            ++differing;
        } else {
            differing += x->action != y->action ? 1 : 0;
            ++x;
            ++y;
        }
    }
    return differing;
}

// --- Post ---

QString PostOpName(PostOp op) {
    switch (op) {
        case PostOp::Left:
            return QStringLiteral("left");
        case PostOp::Right:
            return QStringLiteral("right");
        case PostOp::Mark:
            return QStringLiteral("mark");
        case PostOp::Erase:
            return QStringLiteral("erase");
        case PostOp::Jump:
            return QStringLiteral("jump");
        case PostOp::Stop:
            return QStringLiteral("stop");
        default:
            return QStringLiteral("other");
    }
}

QString PostAction(const DecodedPostRow& row, const std::vector<qint32>& numbers) {
    QString action = PostOpName(row.op);
    if (row.op == PostOp::Stop) {
        return action;
    }
    const PostTargets targets = row.Targets();
    if (targets.count == 0) {
        // The run fails on this row. An empty field and an unreadable one
        // fail differently, but for a conditional jump, whose announcement
        // refuses both alike.
        const bool noJump = row.op != PostOp::Jump && row.jumpEmpty;
        return action + (noJump ? QStringLiteral(" no target") : QStringLiteral(" bad target"));
    }
    for (int i = 0; i < targets.count; ++i) {
        const qint32 target = targets.rows[std::size_t(i)];
        // Rows that hold no command were never numbered: the run fails there
        // whether the row is empty or past the program.
        const bool numbered =
            target >= 1 && std::size_t(target) < numbers.size() && numbers[std::size_t(target)] > 0;
        action += u' ';
        action += numbered ? QString::number(numbers[std::size_t(target)]) : kNone;
    }
    return action;
}

// --- Turing ---

struct SymbolRow {
    QChar read;  // a space for the blank
    int row = 0;
};

// The rows the interpreter reads for each symbol of the alphabet and the
// blank, in symbol order. A damaged document's row may lie past the table;
// every cell there reads empty.
std::vector<SymbolRow> SymbolRows(const TuringMachine& machine) {
    QString symbols = machine.Alphabet();
    std::sort(symbols.begin(), symbols.end());
    std::vector<SymbolRow> rows;
    for (qsizetype i = 0; i < symbols.size(); ++i) {
        const QChar read = symbols[i];
        if (read == u' ' || (i > 0 && symbols[i - 1] == read)) {
            continue;
        }
        const std::optional<int> row = machine.RowOfSymbol(read);
        if (row) {
            rows.push_back({read, *row});
        }
    }
    rows.push_back({QChar(u' '), machine.table.RowCount() - 1});
    return rows;
}

struct TuringWalk {
    TuringTable& table;
    std::vector<SymbolRow> symbols;
    std::vector<qint8> hasCommand;  // by state: -1 not yet looked at
    std::vector<qint32> numbers;    // by state: -1 not reached

    bool HasCommand(qint32 state) {
        if (state < 0 || state >= table.StateCount()) {
            return false;
        }
        qint8& known = hasCommand[std::size_t(state)];
        if (known < 0) {
            known = std::any_of(symbols.begin(), symbols.end(), [&](const SymbolRow& s) {
                return table.Decoded(state, s.row).form != DecodedTuringCell::Form::Empty;
            });
        }
        return known > 0;
    }
    // The command runs and goes on to a next state (a stop runs too).
    bool Runs(const DecodedTuringCell& cell) const {
        return cell.form == DecodedTuringCell::Form::Command && IsTuringMove(cell.move);
    }
    QString NextText(qint32 next) const {
        const bool numbered =
            next >= 0 && std::size_t(next) < numbers.size() && numbers[std::size_t(next)] >= 0;
        return numbered ? QString::number(numbers[std::size_t(next)]) : kNone;
    }
    QString Action(qint32 state, int row);
};

QString TuringWalk::Action(qint32 state, int row) {
    const DecodedTuringCell& cell = table.Decoded(state, row);
    if (cell.form == DecodedTuringCell::Form::Unreadable) {
        // Nothing in it can be renumbered; a copy keeps the text.
        return QStringLiteral("unreadable ") + TrimLow(table.Command(state, row));
    }
    // A written space is the blank as much as "_" is.
    const QChar write = cell.write == u' ' ? kTuringBlankMark : cell.write;
    QString action = QString(write) + cell.move;
    if (!IsTuringMove(cell.move)) {
        // The interpreter refuses it when it shows it, before it runs.
        return action + QStringLiteral(" bad move");
    }
    const bool nextExists = cell.next >= 0 && cell.next < table.StateCount();
    if (cell.move == u'!') {
        // The run ends here; which state it names counts only when it fails.
        return nextExists ? action : action + kNone;
    }
    return action + NextText(cell.next);
}

}  // namespace

std::size_t ProgramShape::Hash() const {
    std::size_t seed = qHash(int(kind));
    for (const ShapeCommand& command : commands) {
        seed = qHashMulti(seed, command.place, command.read, command.action);
    }
    return seed;
}

QString ProgramShape::Text() const {
    QStringList lines;
    for (const ShapeCommand& command : commands) {
        QString place = QString::number(command.place);
        if (kind == MachineKind::Turing) {
            place = QStringLiteral("Q") + place + u' ' +
                    (command.read == u' ' ? QChar(kTuringBlankMark) : command.read);
        }
        lines.append(place + QStringLiteral(": ") + command.action);
    }
    return lines.join(u'\n');
}

ProgramShape PostShape(PostTable& table) {
    ProgramShape shape;
    shape.kind = MachineKind::Post;
    const auto holdsCommand = [&table](qint32 row) {
        return table.Decoded(row).op != PostOp::None;
    };
    // numbers[row] is the row's new number, 0 while the walk has not reached it.
    std::vector<qint32> numbers(std::size_t(table.ProgramRows()) + 1, 0);
    std::vector<qint32> order;
    if (holdsCommand(1)) {
        numbers[1] = 1;
        order.push_back(1);
    }
    for (std::size_t i = 0; i < order.size(); ++i) {
        const PostTargets targets = table.Decoded(order[i]).Targets();
        for (int t = 0; t < targets.count; ++t) {
            const qint32 target = targets.rows[std::size_t(t)];
            if (holdsCommand(target) && numbers[std::size_t(target)] == 0) {
                order.push_back(target);
                numbers[std::size_t(target)] = qint32(order.size());
            }
        }
    }
    for (std::size_t i = 0; i < order.size(); ++i) {
        shape.commands.push_back(
            {qint32(i + 1), QChar(), PostAction(table.Decoded(order[i]), numbers)});
    }
    return shape;
}

ProgramShape TuringShape(TuringMachine& machine) {
    ProgramShape shape;
    shape.kind = MachineKind::Turing;
    TuringTable& table = machine.table;
    const std::size_t states = std::size_t(table.StateCount());
    TuringWalk walk{table, SymbolRows(machine), std::vector<qint8>(states, -1),
                    std::vector<qint32>(states, -1)};
    std::vector<qint32> order;
    if (walk.HasCommand(0)) {
        walk.numbers[0] = 0;
        order.push_back(0);
    }
    for (std::size_t i = 0; i < order.size(); ++i) {
        for (const SymbolRow& symbol : walk.symbols) {
            const DecodedTuringCell& cell = table.Decoded(order[i], symbol.row);
            // A stop ends the run: the state it names is not reached.
            if (!walk.Runs(cell) || cell.move == u'!' || !walk.HasCommand(cell.next) ||
                walk.numbers[std::size_t(cell.next)] >= 0) {
                continue;
            }
            walk.numbers[std::size_t(cell.next)] = qint32(order.size());
            order.push_back(cell.next);
        }
    }
    for (std::size_t i = 0; i < order.size(); ++i) {
        for (const SymbolRow& symbol : walk.symbols) {
            if (table.Decoded(order[i], symbol.row).form != DecodedTuringCell::Form::Empty) {
                shape.commands.push_back(
                    {qint32(i), symbol.read, walk.Action(order[i], symbol.row)});
            }
        }
    }
    return shape;
}

int CommandsDiffering(const ProgramShape& a, const ProgramShape& b) {
    return Differing(a, b, int(a.Count() + b.Count()));
}

namespace {

// Every document with commands falls into one unit of equal shapes; equal
// hashes are checked, so a collision never joins two programs.
std::vector<std::vector<int>> UnitsOfEqualShapes(
    const std::vector<std::optional<ProgramShape>>& shapes) {
    std::vector<std::vector<int>> units;
    std::unordered_map<std::size_t, std::vector<std::size_t>> unitsByHash;
    for (std::size_t i = 0; i < shapes.size(); ++i) {
        if (!shapes[i] || shapes[i]->Count() == 0) {
            continue;
        }
        std::vector<std::size_t>& candidates = unitsByHash[shapes[i]->Hash()];
        const auto equal = std::find_if(candidates.begin(), candidates.end(), [&](std::size_t u) {
            return *shapes[std::size_t(units[u].front())] == *shapes[i];
        });
        if (equal != candidates.end()) {
            units[*equal].push_back(int(i));
        } else {
            candidates.push_back(units.size());
            units.push_back({int(i)});
        }
    }
    return units;
}

// Close pairs among the units' first documents. Sorted by machine and count,
// a unit meets only those it can be close to: a pair differs at least in as
// many commands as their counts differ, so the scan of larger ones stops
// once that alone exceeds a tenth.
std::vector<SimilarPrograms::Close> ClosePairs(
    const std::vector<std::optional<ProgramShape>>& shapes,
    const std::vector<std::vector<int>>& units) {
    std::vector<int> indices;
    indices.reserve(units.size());
    for (const std::vector<int>& unit : units) {
        indices.push_back(unit.front());
    }
    const auto shapeOf = [&shapes](int index) -> const ProgramShape& {
        return *shapes[std::size_t(index)];
    };
    std::sort(indices.begin(), indices.end(), [&](int a, int b) {
        const ProgramShape& x = shapeOf(a);
        const ProgramShape& y = shapeOf(b);
        if (x.kind != y.kind) {
            return x.kind < y.kind;
        }
        return x.Count() != y.Count() ? x.Count() < y.Count() : a < b;
    });
    std::vector<SimilarPrograms::Close> close;
    for (std::size_t i = 0; i < indices.size(); ++i) {
        const ProgramShape& smaller = shapeOf(indices[i]);
        for (std::size_t j = i + 1; j < indices.size(); ++j) {
            const ProgramShape& larger = shapeOf(indices[j]);
            const qint64 count = qint64(larger.Count());
            if (larger.kind != smaller.kind || (count - qint64(smaller.Count())) * 10 > count) {
                break;
            }
            const int limit = int(count / 10);
            if (limit < 1) {
                continue;
            }
            const int differing = Differing(smaller, larger, limit);
            if (differing >= 1 && differing <= limit) {
                close.push_back({std::min(indices[i], indices[j]), std::max(indices[i], indices[j]),
                                 differing, int(count)});
            }
        }
    }
    std::sort(close.begin(), close.end(), [](const auto& a, const auto& b) {
        return a.first != b.first ? a.first < b.first : a.second < b.second;
    });
    return close;
}

}  // namespace

SimilarPrograms FindSimilar(const std::vector<std::optional<ProgramShape>>& shapes) {
    SimilarPrograms similar;
    const std::vector<std::vector<int>> units = UnitsOfEqualShapes(shapes);
    // Units were opened in the order of their first documents.
    for (const std::vector<int>& unit : units) {
        if (unit.size() >= 2) {
            similar.same.push_back(unit);
        }
    }
    similar.close = ClosePairs(shapes, units);
    return similar;
}
