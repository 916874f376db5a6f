#pragma once
// The readable source of the example documents: each example is a plain
// value holding its task statement, its tape, its program and its cases.
// Post programs name their rows with labels instead of numbers; the writer
// resolves them. Turing programs list their commands by state and symbol.
// PostExamples.cpp and TuringExamples.cpp hold the examples themselves;
// ExampleWriter turns them into documents.

#include <QChar>
#include <QString>
#include <QStringList>
#include <QVector>

// One Post command. `to` and `toIfMark` are row labels; an empty `to` means
// the row below.
struct PostCommand {
    int code = 0;  // 1 left, 2 right, 3 mark, 4 erase, 5 conditional jump, 6 stop
    QString to;
    QString toIfMark;
};

inline PostCommand Left(const QString& to = {}) {
    return {1, to, {}};
}
inline PostCommand Right(const QString& to = {}) {
    return {2, to, {}};
}
inline PostCommand Mark(const QString& to = {}) {
    return {3, to, {}};
}
inline PostCommand Erase(const QString& to = {}) {
    return {4, to, {}};
}
// The conditional jump: no mark under the carriage goes to `noMark`, a
// mark to `mark`; an empty label again means the row below.
inline PostCommand IfMark(const QString& noMark, const QString& mark) {
    return {5, noMark, mark};
}
inline PostCommand Stop() {
    return {6, {}, {}};
}

struct PostRow {
    QString label;  // empty: no other row jumps here by name
    PostCommand command;
    QString comment;
};

struct PostExample {
    QString name;  // file name without extension
    QStringList statement;
    QString tape;  // "1" marks, "0" empty cells, from cell `start`
    int start = 0;
    int carriage = 0;
    QVector<PostRow> program;
    QString cases;  // the cases file, as written
};

// The command in the column of `state` and the row of `symbol` ("_" is the
// blank), in the table's syntax: symbol to write, move, next state.
struct TuringRule {
    int state = 0;
    QChar symbol;
    QString command;
};

struct TuringExample {
    QString name;
    QStringList statement;
    QString alphabet;
    QString tape;  // symbols from cell `start`, "_" the blank
    int start = 1;
    int carriage = 1;
    QVector<TuringRule> rules;
    QStringList comments;  // the comments memo, below its "Комментарий:" line
    QString cases;
};

QVector<PostExample> PostExamples();
QVector<TuringExample> TuringExamples();
