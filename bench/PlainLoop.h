#pragma once
// The benchmark's yardstick: both machines as the plainest table-driven loop
// that keeps the project's rules, with no Qt anywhere in it. A program is
// brought into flat arrays before the loop starts (see PlainFromDocument.h),
// so the loop itself only indexes, switches over an operation and checks.
//
// The rules kept are those of a headless run of the project: the same tape
// ends, the same error checks in the same order, and the same step count,
// which is the number the step panel shows when the run ends
// (RunOutcome::steps): the commands executed, the stop included, and the one
// that failed, if one did. Two failures do not count that way: a Post
// conditional jump whose field cannot be announced does not count (but the
// very first tick shows 1), and a Turing run whose first command is missing
// (an empty cell, or a symbol outside the alphabet) shows 0.
//
// A failure found while a command is announced, by the tick executing the
// one before it, comes before the limit: a Post conditional jump that cannot
// be announced, a Turing command that does not read. What is found only when
// a command would execute (a missing Turing command or state) is not found
// once the limit is reached.

#include <cstdint>
#include <vector>

namespace plain {

enum class End : std::uint8_t { Stopped, Error, Limit };

enum class Error : std::uint8_t {
    None,
    NoCommand,      // Post: empty code; Turing: empty cell
    NoJump,         // Post: empty jump field
    BadJump,        // Post: a jump field that does not read as numbers
    NoSuchRow,      // Post: a jump to a row outside 1..N
    MarkExists,     // Post: putting a mark where one is
    NoMark,         // Post: erasing where none is
    OffTape,        // the carriage moving past the tape's end
    NotInAlphabet,  // Turing: the symbol under the carriage has no row
    BadCommand,     // Turing: a cell that does not read as a command
    NoState,        // Turing: a next state without a column
};

const char* ErrorName(Error error);

struct Outcome {
    End end = End::Limit;
    Error error = Error::None;
    std::int64_t steps = 0;
};

// --- Post machine ---

inline constexpr int kPostFirstCell = -999;
inline constexpr int kPostLastCell = 999;

enum class PostOp : std::uint8_t {
    Left,
    Right,
    Mark,
    Erase,
    Branch,  // no mark: next; mark: nextIfMark
    Jump,    // any other code, which only a damaged document holds: jumps, no action
    Stop,
    Fail,            // fails when executed, with `error`
    FailToAnnounce,  // a conditional jump whose field cannot be announced
};

struct PostRow {
    PostOp op = PostOp::Fail;
    Error error = Error::NoCommand;
    std::int32_t next = 0;
    std::int32_t nextIfMark = 0;  // 0 when that row does not exist
};

struct PostMachine {
    std::vector<PostRow> rows;  // rows[1] is the first program row; it always exists
    // Cell c at tape[c - kPostFirstCell]: 1 for a mark.
    std::vector<std::uint8_t> tape =
        std::vector<std::uint8_t>(kPostLastCell - kPostFirstCell + 1, 0);
    int carriage = 0;
};

// Runs from row 1 until the program stops, fails, or has executed `limit`
// commands; leaves the tape and the carriage in `machine`.
Outcome RunPost(PostMachine& machine, std::int64_t limit);

// --- Turing machine ---

inline constexpr int kTuringFirstCell = 1;
inline constexpr int kTuringLastCell = 999;
inline constexpr char16_t kBlank = u' ';

enum class Move : std::uint8_t { Left, Right, Stop };

struct TuringCommand {
    enum class Kind : std::uint8_t { Run, Empty, Bad, NoState };
    Kind kind = Kind::Empty;
    Move move = Move::Stop;
    char16_t write = kBlank;
    std::int32_t nextBase = 0;  // next state times the row count
};

struct TuringMachine {
    // The table's rows, blank row last, and one empty row after them for the
    // symbols whose row would lie past the table.
    int rows = 0;
    std::vector<TuringCommand> commands;  // [state * rows + row]
    // The row of each symbol; -1 for a symbol outside the alphabet.
    std::vector<std::int32_t> rowOf = std::vector<std::int32_t>(65536, -1);
    // Cell c at tape[c]; tape[0] is never used.
    std::vector<char16_t> tape = std::vector<char16_t>(kTuringLastCell + 1, kBlank);
    int carriage = kTuringFirstCell;
};

// Runs in state 0 until the program stops, fails, or has executed `limit`
// commands; leaves the tape and the carriage in `machine`.
Outcome RunTuring(TuringMachine& machine, std::int64_t limit);

}  // namespace plain
