#include "PlainFromDocument.h"

#include <algorithm>

#include "core/documents/PostFile.h"
#include "core/documents/TuringFile.h"
#include "core/port/ScriptedUi.h"
#include "core/post/PostInterpreter.h"
#include "core/text/CellText.h"
#include "core/turing/TuringCommand.h"
#include "core/workbench/Workbench.h"

namespace {

// The command code a row runs: 0 to 6 for the texts "0" to "6" (an empty
// code reads as 0), and 7 for any other text.
int CodeOf(QStringView text) {
    if (text.isEmpty()) {
        return 0;
    }
    if (text.size() == 1 && text[0] >= u'0' && text[0] <= u'6') {
        return text[0].unicode() - u'0';
    }
    return 7;
}

plain::PostRow Failing(plain::Error error) {
    plain::PostRow row;
    row.op = plain::PostOp::Fail;
    row.error = error;
    return row;
}

// Row `at` as the run reads it, codes and jump fields trimmed; `rows` is N.
plain::PostRow PostRowOf(const PostTable& table, int at, int rows) {
    const int code = CodeOf(TrimLowView(table.Code(at)));
    const QStringView field = TrimLowView(table.Jump(at));
    if (code == 5 && !ParsePostJumpForAnnouncement(field).ok) {
        plain::PostRow row = Failing(plain::Error::BadJump);
        row.op = plain::PostOp::FailToAnnounce;
        return row;
    }
    if (code == 0) {
        return Failing(plain::Error::NoCommand);
    }
    if (code == 6) {
        plain::PostRow row;
        row.op = plain::PostOp::Stop;
        return row;
    }
    if (field.isEmpty()) {
        return Failing(plain::Error::NoJump);
    }
    const PostJump jump = ParsePostJumpForExecution(field);
    if (!jump.ok) {
        return Failing(plain::Error::BadJump);
    }
    if (jump.first < 1 || jump.first > rows) {
        return Failing(plain::Error::NoSuchRow);
    }
    static constexpr plain::PostOp kOps[] = {
        plain::PostOp::Fail,  plain::PostOp::Left,   plain::PostOp::Right, plain::PostOp::Mark,
        plain::PostOp::Erase, plain::PostOp::Branch, plain::PostOp::Stop,  plain::PostOp::Jump};
    plain::PostRow row;
    row.op = kOps[code];
    row.error = plain::Error::None;
    row.next = jump.first;
    row.nextIfMark = jump.second >= 1 && jump.second <= rows ? jump.second : 0;
    return row;
}

plain::TuringCommand TuringCommandOf(const QString& cell, int states, int rows) {
    plain::TuringCommand command;
    if (cell.isEmpty()) {
        return command;  // Kind::Empty
    }
    const std::optional<TuringCommand> parsed = ParseTuringCommand(cell);
    if (!parsed || !IsTuringMove(parsed->move)) {
        command.kind = plain::TuringCommand::Kind::Bad;
        return command;
    }
    command.write = parsed->write == kTuringBlankMark ? plain::kBlank : parsed->write.unicode();
    command.move = parsed->move == u'<'   ? plain::Move::Left
                   : parsed->move == u'>' ? plain::Move::Right
                                          : plain::Move::Stop;
    if (parsed->nextState < 0 || parsed->nextState >= states) {
        command.kind = plain::TuringCommand::Kind::NoState;
        return command;
    }
    command.kind = plain::TuringCommand::Kind::Run;
    command.nextBase = parsed->nextState * rows;
    return command;
}

}  // namespace

bool LoadPlainPost(const QString& path, plain::PostMachine& machine) {
    ScriptedUi ui(ScriptedUi::Unplanned::FirstButton);
    Workbench bench(ui);
    bench.SetKind(MachineKind::Post);
    if (!ReadPostFile(bench, path)) {
        return false;
    }
    const PostTable& table = bench.Post().table;
    const int rows = table.ProgramRows();
    // Row 1 is where a run starts, even in a program without rows.
    machine.rows.assign(std::max(rows, 1) + 1, plain::PostRow{});
    for (int at = 1; at < int(machine.rows.size()); ++at) {
        machine.rows[at] = PostRowOf(table, at, rows);
    }
    TapeStore& tape = bench.Post().tape;
    for (int cell = plain::kPostFirstCell; cell <= plain::kPostLastCell; ++cell) {
        machine.tape[cell - plain::kPostFirstCell] = tape.GetPostCell(cell) ? 1 : 0;
    }
    machine.carriage = tape.CarriagePos();
    return true;
}

bool LoadPlainTuring(const QString& path, plain::TuringMachine& machine) {
    ScriptedUi ui(ScriptedUi::Unplanned::FirstButton);
    Workbench bench(ui);
    bench.SetKind(MachineKind::Turing);
    if (!ReadTuringFile(bench, path)) {
        return false;
    }
    const TuringMachine& turing = bench.Turing();
    const TuringTable& table = turing.table;
    const QString& alphabet = turing.Alphabet();

    // A document whose rows disagree with its alphabet can send a symbol to
    // a row past the table, where every cell reads empty: all such symbols
    // share one empty row after the table's.
    const int tableRows = table.RowCount();
    const int rows = tableRows + 1;
    std::fill(machine.rowOf.begin(), machine.rowOf.end(), -1);
    for (QChar symbol : alphabet) {
        if (const std::optional<int> row = turing.RowOfSymbol(symbol)) {
            machine.rowOf[symbol.unicode()] = std::min(*row, tableRows);
        }
    }
    machine.rowOf[plain::kBlank] = tableRows - 1;

    const int states = table.StateCount();
    machine.rows = rows;
    machine.commands.assign(std::size_t(states) * rows, plain::TuringCommand{});
    for (int state = 0; state < states; ++state) {
        for (int row = 1; row < tableRows; ++row) {
            machine.commands[std::size_t(state) * rows + row] =
                TuringCommandOf(table.Command(state, row), states, rows);
        }
    }
    TapeStore& tape = bench.Turing().tape;
    for (int cell = plain::kTuringFirstCell; cell <= plain::kTuringLastCell; ++cell) {
        machine.tape[cell] = tape.GetTuringCell(cell).unicode();
    }
    machine.carriage = tape.CarriagePos();
    return true;
}
