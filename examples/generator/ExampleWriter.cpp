#include "ExampleWriter.h"

#include <QFile>
#include <QHash>
#include <algorithm>

#include "core/documents/PostFile.h"
#include "core/documents/TuringFile.h"
#include "core/port/ScriptedUi.h"
#include "core/text/Cp1251.h"
#include "core/turing/TuringCommand.h"
#include "core/workbench/Workbench.h"

namespace {

// A document stores Windows-1251 only; anything else would silently become
// "?" in the file, so the source must not hold it.
QString CheckText(const QString& text, const QString& where) {
    for (QChar c : text) {
        if (!Cp1251::Representable(c)) {
            return QStringLiteral("%1 holds \"%2\", which Windows-1251 cannot hold").arg(where, c);
        }
    }
    return {};
}

QString Memo(const QString& caption, const QStringList& lines) {
    return (QStringList{caption} + lines).join(u'\n');
}

QString WriteCases(const QString& cases, const QString& path) {
    QFile file(path);
    const QByteArray bytes = cases.toUtf8();
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        file.write(bytes) != bytes.size() || !file.flush()) {
        return QStringLiteral("cannot write %1").arg(path);
    }
    return {};
}

QString DialogText(const ScriptedUi& ui) {
    return ui.dialogs.isEmpty() ? QString() : ui.dialogs.back().message;
}

// The jump field of each row, with labels replaced by row numbers.
QString ResolveJumps(const PostExample& example, QStringList& fields) {
    QHash<QString, int> rows;
    for (int i = 0; i < example.program.size(); ++i) {
        const QString& label = example.program[i].label;
        if (label.isEmpty()) {
            continue;
        }
        if (rows.contains(label)) {
            return QStringLiteral("the label \"%1\" names two rows").arg(label);
        }
        rows.insert(label, i + 1);
    }
    const int count = int(example.program.size());
    for (int i = 0; i < count; ++i) {
        const PostCommand& command = example.program[i].command;
        if (command.code == 6) {
            fields.append(QString());
            continue;
        }
        auto target = [&](const QString& label) -> int {
            return label.isEmpty() ? (i + 2 <= count ? i + 2 : 0) : rows.value(label, 0);
        };
        const int to = target(command.to);
        const int toIfMark = command.code == 5 ? target(command.toIfMark) : 1;
        if (to == 0 || toIfMark == 0) {
            return QStringLiteral("row %1 jumps to an unknown label or past the last row")
                .arg(i + 1);
        }
        fields.append(command.code == 5 ? QStringLiteral("%1,%2").arg(to).arg(toIfMark)
                                        : QString::number(to));
    }
    return {};
}

}  // namespace

QString WritePostExample(const PostExample& example, const QDir& folder) {
    QStringList fields;
    if (QString error = ResolveJumps(example, fields); !error.isEmpty()) {
        return error;
    }
    ScriptedUi ui;
    Workbench bench(ui);
    PostMachine& post = bench.Post();
    const QString statement = Memo(Machine::StartStatement(), example.statement);
    if (QString error = CheckText(statement, QStringLiteral("the statement")); !error.isEmpty()) {
        return error;
    }
    post.SetStatement(statement);

    PostTable& table = post.table;
    table.SetProgramRows(int(example.program.size()));
    for (int i = 0; i < example.program.size(); ++i) {
        const PostRow& row = example.program[i];
        if (QString error =
                CheckText(row.comment, QStringLiteral("the comment of row %1").arg(i + 1));
            !error.isEmpty()) {
            return error;
        }
        table.SetCode(i + 1, QString::number(row.command.code));
        table.SetCell(PostTable::ColJump, i + 1, fields[i]);
        table.SetCell(PostTable::ColComment, i + 1, row.comment);
    }

    TapeStore& tape = post.tape;
    for (int i = 0; i < example.tape.size(); ++i) {
        const QChar c = example.tape[i];
        if (!tape.OnTape(example.start + i) || (c != u'0' && c != u'1')) {
            return QStringLiteral("the tape's cell %1 (\"%2\") is off the tape or not 0 or 1")
                .arg(example.start + i)
                .arg(c);
        }
        tape.SetPostCell(example.start + i, c == u'1');
    }
    if (!tape.OnTape(example.carriage)) {
        return QStringLiteral("the carriage is off the tape");
    }
    tape.SetCarriagePos(example.carriage);

    const QString path = folder.filePath(example.name + QStringLiteral(".pst"));
    if (!WritePostFile(bench, path)) {
        return QStringLiteral("cannot write %1: %2").arg(path, DialogText(ui));
    }
    return WriteCases(example.cases, folder.filePath(example.name + QStringLiteral(".cases")));
}

QString WriteTuringExample(const TuringExample& example, const QDir& folder) {
    ScriptedUi ui;
    Workbench bench(ui);
    bench.SetKind(MachineKind::Turing);
    TuringMachine& turing = bench.Turing();
    const QString statement = Memo(Machine::StartStatement(), example.statement);
    const QString comments = Memo(TuringMachine::StartComments(), example.comments);
    for (const QString& text : {statement, comments, example.alphabet}) {
        if (QString error = CheckText(text, QStringLiteral("a text")); !error.isEmpty()) {
            return error;
        }
    }
    turing.SetStatement(statement);
    turing.SetComments(comments);

    turing.EditAlphabetText(example.alphabet);
    turing.RebuildAlphabet();
    if (turing.Alphabet() != example.alphabet) {
        return QStringLiteral("the alphabet \"%1\" repeats a symbol or holds a blank or \"_\"")
            .arg(example.alphabet);
    }

    int states = 1;
    for (const TuringRule& rule : example.rules) {
        states = std::max(states, rule.state + 1);
    }
    TuringTable& table = turing.table;
    table.SetColCount(states + 1);
    table.WriteHeaders();
    for (const TuringRule& rule : example.rules) {
        const std::optional<int> row =
            turing.RowOfSymbol(rule.symbol == kTuringBlankMark ? QChar(u' ') : rule.symbol);
        const QString where =
            QStringLiteral("the command of Q%1 for \"%2\"").arg(rule.state).arg(rule.symbol);
        if (rule.state < 0 || !row) {
            return where + QStringLiteral(" has no cell in the table");
        }
        if (!table.Command(rule.state, *row).isEmpty()) {
            return where + QStringLiteral(" is given twice");
        }
        // Stored exactly as the cell check would leave it, and naming a
        // state of the table.
        const std::optional<QString> checked =
            NormaliseTuringCommand(rule.command, example.alphabet);
        const std::optional<TuringCommand> parsed = ParseTuringCommand(rule.command);
        if (checked != rule.command || !parsed || parsed->nextState < 0 ||
            parsed->nextState >= states) {
            return where + QStringLiteral(" (\"%1\") is not a valid command").arg(rule.command);
        }
        table.SetCell(rule.state + 1, *row, rule.command);
    }

    TapeStore& tape = turing.tape;
    tape.Clear();
    for (int i = 0; i < example.tape.size(); ++i) {
        const QChar c = example.tape[i];
        const int cell = example.start + i;
        if (!tape.OnTape(cell) || (c != kTuringBlankMark && !example.alphabet.contains(c))) {
            return QStringLiteral(
                       "the tape's cell %1 (\"%2\") is off the tape or not in the alphabet")
                .arg(cell)
                .arg(c);
        }
        tape.SetTuringCell(cell, c == kTuringBlankMark ? QChar(u' ') : c);
    }
    if (!tape.OnTape(example.carriage)) {
        return QStringLiteral("the carriage is off the tape");
    }
    tape.SetCarriagePos(example.carriage);

    const QString path = folder.filePath(example.name + QStringLiteral(".tur"));
    if (!WriteTuringFile(bench, path)) {
        return QStringLiteral("cannot write %1: %2").arg(path, DialogText(ui));
    }
    return WriteCases(example.cases, folder.filePath(example.name + QStringLiteral(".cases")));
}
