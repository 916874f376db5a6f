#include "BenchPrograms.h"

#include "core/documents/PostFile.h"
#include "core/documents/TuringFile.h"
#include "core/port/ScriptedUi.h"
#include "core/workbench/Workbench.h"

namespace {

QString LastDialog(const ScriptedUi& ui) {
    return ui.dialogs.isEmpty() ? QString() : ui.dialogs.back().message;
}

}  // namespace

QString WritePostSource(const PostSource& source, const QString& path) {
    ScriptedUi ui(ScriptedUi::Unplanned::FirstButton);
    Workbench bench(ui);
    PostTable& table = bench.Post().table;
    table.SetProgramRows(int(source.rows.size()));
    for (int i = 0; i < int(source.rows.size()); ++i) {
        table.SetCode(i + 1, source.rows[i].code);
        table.SetCell(PostTable::ColJump, i + 1, source.rows[i].jump);
    }
    TapeStore& tape = bench.Post().tape;
    for (int i = 0; i < source.tape.size(); ++i) {
        const int cell = source.start + i;
        if (!tape.OnTape(cell)) {
            return QStringLiteral("the tape runs past the tape's end at cell %1").arg(cell);
        }
        tape.SetPostCell(cell, source.tape[i] == u'1');
    }
    if (!tape.OnTape(source.carriage)) {
        return QStringLiteral("the carriage %1 is off the tape").arg(source.carriage);
    }
    tape.SetCarriagePos(source.carriage);
    if (!WritePostFile(bench, path)) {
        return QStringLiteral("cannot write %1: %2").arg(path, LastDialog(ui));
    }
    return {};
}

QString WriteTuringSource(const TuringSource& source, const QString& path) {
    ScriptedUi ui(ScriptedUi::Unplanned::FirstButton);
    Workbench bench(ui);
    bench.SetKind(MachineKind::Turing);
    TuringMachine& turing = bench.Turing();
    turing.EditAlphabetText(source.alphabet);
    turing.RebuildAlphabet();
    for (const TuringSource::Rule& rule : source.rules) {
        const std::optional<int> row =
            turing.RowOfSymbol(rule.symbol == u'_' ? QChar(u' ') : rule.symbol);
        if (!row || rule.state < 0 || rule.state >= turing.table.StateCount()) {
            return QStringLiteral("the rule for Q%1 and \"%2\" has no cell")
                .arg(rule.state)
                .arg(rule.symbol);
        }
        turing.table.SetCell(rule.state + 1, *row, rule.command);
    }
    TapeStore& tape = turing.tape;
    for (int i = 0; i < source.tape.size(); ++i) {
        const int cell = source.start + i;
        if (!tape.OnTape(cell)) {
            return QStringLiteral("the tape runs past the tape's end at cell %1").arg(cell);
        }
        tape.SetTuringCell(cell, source.tape[i] == u'_' ? QChar(u' ') : source.tape[i]);
    }
    if (!tape.OnTape(source.carriage)) {
        return QStringLiteral("the carriage %1 is off the tape").arg(source.carriage);
    }
    tape.SetCarriagePos(source.carriage);
    if (!WriteTuringFile(bench, path)) {
        return QStringLiteral("cannot write %1: %2").arg(path, LastDialog(ui));
    }
    return {};
}

// The number's lowest digit is cell 0 and it grows to the left; the mark in
// cell 1 tells the way back where the number ends.
PostSource PostCounter() {
    PostSource s;
    s.rows = {
        {"5", "2,3"},  // 1: the digit: 0 goes to 2, 1 to 3
        {"3", "5"},    // 2: 0 becomes 1, the increment is done
        {"4", "4"},    // 3: 1 becomes 0 and carries
        {"1", "1"},    // 4: on to the next digit
        {"2", "6"},    // 5: back to the right,
        {"5", "5,7"},  // 6: over the zeros the carry left, up to the mark
        {"1", "1"},    // 7: the lowest digit again
    };
    s.tape = QStringLiteral("1");
    s.start = 1;
    s.carriage = 0;
    return s;
}

// The number's lowest digit is cell 500, the blank after it tells the way
// back, and it grows to the left. Q0 carries, Q1 returns.
TuringSource TuringCounter() {
    TuringSource s;
    s.alphabet = QStringLiteral("01");
    s.rules = {
        {0, u'0', "1>1"}, {0, u'1', "0<0"}, {0, u'_', "1>1"},
        {1, u'0', "0>1"}, {1, u'1', "1>1"}, {1, u'_', "_<0"},
    };
    s.carriage = 500;
    return s;
}

std::vector<PostCheck> PostChecks() {
    auto program = [](std::vector<PostSource::Row> rows, QString tape = {}, int carriage = 0) {
        PostSource s;
        s.rows = std::move(rows);
        s.tape = std::move(tape);
        s.carriage = carriage;
        return s;
    };
    return {
        {{"stop", 100}, program({{"3", "2"}, {"6", ""}})},
        {{"no command", 100}, program({{"2", "2"}, {"", ""}})},
        {{"no command first", 100}, program({})},
        {{"no jump", 100}, program({{"2", ""}})},
        {{"bad jump", 100}, program({{"2", "2,x"}})},
        {{"no such row", 100}, program({{"2", "9"}})},
        {{"mark exists", 100}, program({{"3", "1"}})},
        {{"no mark", 100}, program({{"4", "1"}}, "1")},
        {{"off the left end", 2000}, program({{"1", "1"}}, {}, -990)},
        {{"off the right end", 2000}, program({{"2", "1"}}, {}, 995)},
        {{"conditional to no row", 100}, program({{"5", "1,9"}}, "1")},
        {{"conditional to no row unmarked", 100}, program({{"5", "0,1"}})},
        {{"announcing first", 100}, program({{"5", "2"}, {"6", ""}})},
        {{"announcing later", 100}, program({{"2", "2"}, {"5", "1"}})},
        {{"announcing at the limit", 1}, program({{"2", "2"}, {"5", "1"}})},
        {{"no command at the limit", 1}, program({{"2", "2"}, {"", ""}})},
        {{"other code", 100}, program({{"9", "2"}, {"6", ""}})},
        {{"padded cells", 100}, program({{" 2 ", " 2 "}, {"6 ", ""}})},
        {{"counter to a limit", 37}, PostCounter()},
        {{"limit zero", 0}, PostCounter()},
    };
}

std::vector<TuringCheck> TuringChecks() {
    auto program = [](std::vector<TuringSource::Rule> rules, int carriage = 2) {
        TuringSource s;
        s.alphabet = QStringLiteral("01");
        s.rules = std::move(rules);
        s.carriage = carriage;
        return s;
    };
    const TuringSource noCommandLater = program({{0, u'_', "1>1"}});
    const TuringSource badCommandLater = program({{0, u'_', "1>1"}, {1, u'_', "1?"}});
    const TuringSource noStateLater = program({{0, u'_', "1>1"}, {1, u'_', "1>9"}});
    return {
        {{"stop", 100}, program({{0, u'_', "1!0"}})},
        {{"no command first", 100}, program({})},
        {{"no command first at limit zero", 0}, program({})},
        {{"no command later", 100}, noCommandLater},
        {{"no command at the limit", 1}, noCommandLater},
        {{"not in the alphabet", 100}, program({{0, u'_', "x>1"}, {1, u'_', "_<1"}})},
        {{"bad move first", 100}, program({{0, u'_', "1?0"}})},
        {{"bad command later", 100}, badCommandLater},
        {{"bad command at the limit", 1}, badCommandLater},
        {{"no state", 100}, noStateLater},
        {{"no state at the limit", 1}, noStateLater},
        {{"no state first", 100}, program({{0, u'_', "1>7"}})},
        {{"off the right end", 100}, program({{0, u'_', "1>0"}}, 990)},
        {{"off the left end", 100}, program({{0, u'_', "1<0"}}, 10)},
        {{"counter to a limit", 37}, TuringCounter()},
        {{"limit zero", 0}, TuringCounter()},
    };
}
