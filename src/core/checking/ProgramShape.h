#pragma once
// The program of a machine reduced to what a copy keeps, and the search of a
// class's documents for programs that are the same up to renaming or close
// to each other (the batch runner's similarity report).
//
// A shape is the list of a program's commands, each keyed by its place after
// renumbering. Places are numbered in the order a breadth-first walk from the
// start first reaches them, so renaming rows or states changes nothing, and
// rows or states no command reaches are dropped:
// - Post: the walk starts at row 1 and follows a row's jump (a conditional
//   jump: the unmarked target, then the marked one). A command is its
//   operation and its renumbered target(s). A target outside the program or
//   on an empty row reads "none"; a missing or unreadable jump field, as the
//   interpreter reads it, is part of the command; a stop has no target.
// - Turing: the walk starts at Q0 and reads each state's cells in symbol
//   order (by character code, the blank last), so the order the alphabet was
//   typed in does not count; symbols themselves are not renamed. A command is
//   (state, symbol read) -> symbol written, move, renumbered next state. A
//   next state that is missing or has no command reads "none"; a stop keeps
//   no next state (it never runs); an unreadable cell keeps its text, a
//   command with an unknown move its symbol and move.
// Empty cells and rows, comments, the task statement and the tape never
// count.
//
// FindSimilar groups equal shapes of the same machine (`same`) and reports
// pairs of unequal ones that differ in at most a tenth of their commands
// (`close`), each group standing in as its first document. A shape without
// commands is never grouped or paired: every empty submission would match.

#include <QChar>
#include <QString>
#include <cstddef>
#include <optional>
#include <vector>

#include "core/machine/MachineKind.h"

class PostTable;
class TuringMachine;

struct ShapeCommand {
    qint32 place = 0;  // the renumbered Post row (1..) or Turing state (0..)
    QChar read;        // Turing: the symbol read, a space for the blank; Post: none
    QString action;    // what the command does, in canonical text

    bool operator==(const ShapeCommand& other) const {
        return place == other.place && read == other.read && action == other.action;
    }
    bool operator!=(const ShapeCommand& other) const { return !(*this == other); }
};

struct ProgramShape {
    MachineKind kind = MachineKind::Post;
    std::vector<ShapeCommand> commands;  // by place, then in symbol order

    bool operator==(const ProgramShape& other) const {
        return kind == other.kind && commands == other.commands;
    }
    bool operator!=(const ProgramShape& other) const { return !(*this == other); }
    std::size_t Count() const { return commands.size(); }
    std::size_t Hash() const;
    // One line per command, "3: right 4" or "Q1 a: b>2", for reports and
    // test messages.
    QString Text() const;
};

// The table is not changed; it only caches its decoded rows and cells.
ProgramShape PostShape(PostTable& table);
ProgramShape TuringShape(TuringMachine& machine);

// How many places hold a command in one shape and not the other, or
// different commands in both. Shapes of different machines share no command.
int CommandsDiffering(const ProgramShape& a, const ProgramShape& b);

struct SimilarPrograms {
    // Groups (two or more) of indices with equal shapes, each ascending, the
    // groups ordered by their first index.
    std::vector<std::vector<int>> same;
    struct Close {
        int first = 0;   // the lower index
        int second = 0;  // the higher index
        int differing = 0;
        int commands = 0;  // the larger shape's count of commands
    };
    std::vector<Close> close;  // ordered by (first, second)
};

// `shapes[i]` is std::nullopt for a document that could not be read; it is
// skipped like a program without commands.
SimilarPrograms FindSimilar(const std::vector<std::optional<ProgramShape>>& shapes);
