#pragma once
// The programs the benchmark runs, as plain sources, and the writers that
// store them as documents through the core's own writers on a fresh
// Workbench, so a benchmark document is byte for byte what the window
// would save.

#include <QChar>
#include <QString>
#include <vector>

struct PostSource {
    struct Row {
        QString code;  // "1".."6" as the table stores it
        QString jump;  // "k", or "a,b" for a conditional jump
    };
    std::vector<Row> rows;
    QString tape;  // "1" a mark, "0" an empty cell, from `start` on
    int start = 0;
    int carriage = 0;
};

struct TuringSource {
    struct Rule {
        int state;
        QChar symbol;  // "_" for the blank
        QString command;
    };
    QString alphabet;
    std::vector<Rule> rules;  // states 0 to 4, the columns a new table has
    QString tape;             // symbols from `start` on, "_" for the blank
    int start = 1;
    int carriage = 1;
};

// Each returns an error in plain words, or an empty string.
QString WritePostSource(const PostSource& source, const QString& path);
QString WriteTuringSource(const TuringSource& source, const QString& path);

// Binary counters that add one to a number on the tape for ever, so a run
// of them ends only at its limit. Each increment takes a handful of commands
// and the number grows by one cell each time it doubles, so 10^8 commands
// use fewer than 30 cells next to the carriage's start and never fail.
PostSource PostCounter();
TuringSource TuringCounter();

// Short programs that end in every way a run can end (the stop, each error,
// the limit, at the first command and later), for checking that the
// project's run and the plain loop agree on them.
struct CheckCase {
    const char* name;
    long long limit;
};
struct PostCheck {
    CheckCase check;
    PostSource source;
};
struct TuringCheck {
    CheckCase check;
    TuringSource source;
};
std::vector<PostCheck> PostChecks();
std::vector<TuringCheck> TuringChecks();
