#pragma once
// What one tick of a machine did, as plain values: the step function fills
// it in and the run controller alone acts on it (Break or Pause, the message
// dialog, the status texts). A tick that goes on carries the announcement of
// the next command; a tick that ends the run carries why.

#include <QString>
#include <type_traits>
#include <variant>

// The Post machine's operations, by the code its table stores ("0".."6").
// Other stands for any other code, which only a damaged document can hold;
// it announces nothing and jumps like a mark command.
enum class PostOp : quint8 { None, Left, Right, Mark, Erase, Jump, Stop, Other };

// Why a tick ended the run.
enum class StepError : quint8 {
    None,
    PostNoCommand,
    PostNoJump,
    PostBadJump,
    PostNoSuchRow,
    PostMarkExists,
    PostNoMark,
    TuringNoSymbol,   // the symbol under the carriage is not in the alphabet
    TuringNoCommand,  // the cell for the state and symbol is empty
    TuringBadCommand,
    TuringNoState,
    OffTape,  // the carriage was to leave the tape
    Loop,     // the run came back to a configuration it had been in
};

// What the message panel says after a tick, kept as values and made into
// text only when the panel is read: nothing, a Post row's command or a
// Turing cell's command.
struct PostAnnouncement {
    // The operation of the row announced, whether the cell under the
    // carriage is marked, and the row a jump goes to.
    PostOp op = PostOp::None;
    bool marked = false;
    bool firstTick = false;  // the first tick spells one text with a second blank
    qint32 target = 0;

    bool operator==(const PostAnnouncement& o) const {
        return op == o.op && marked == o.marked && firstTick == o.firstTick && target == o.target;
    }
};

// "Символ: read -> write.   Состояние: qstate -> qnext." and the move.
struct TuringAnnouncement {
    QChar read;
    QChar write;
    QChar move;
    qint32 state = 0;
    qint32 next = 0;

    bool operator==(const TuringAnnouncement& o) const {
        return read == o.read && write == o.write && move == o.move && state == o.state &&
               next == o.next;
    }
};

struct Announcement {
    std::variant<std::monostate, PostAnnouncement, TuringAnnouncement> value;

    bool Empty() const { return std::holds_alternative<std::monostate>(value); }
    QString Text() const;
    bool operator==(const Announcement& o) const { return value == o.value; }
};

struct StepOutcome {
    enum class Result : quint8 { Continue, Stopped, Failed };
    Result result = Result::Continue;
    StepError error = StepError::None;
    // The number of the command announced, or of the one that ran or failed
    // when the run ends; the step panel shows it unless `stepShown` is false
    // (it then keeps its text).
    qint64 step = 0;
    bool stepShown = true;
    // A Turing tick that executed its command and then failed on the next
    // one still counts as a step for single-stepping: it pauses first.
    bool executed = false;
    // The error's details: the symbol not in the alphabet, the missing state.
    QChar symbol;
    qint32 number = 0;
    // A loop: from step loopStart the machine repeats the same loopLength
    // steps.
    qint64 loopStart = 0;
    qint64 loopLength = 0;
    bool firstTick = false;
    // The cell the program table shows as current after the tick (-1 keeps
    // the column or row).
    int cursorCol = -1;
    int cursorRow = -1;
    Announcement announcement;

    bool Continues() const { return result == Result::Continue; }
    // The tick ends the run with `error` at command number `step`.
    void Fail(StepError failure, qint64 at) {
        result = Result::Failed;
        error = failure;
        step = at;
    }
};

// The texts of a run-time error: the dialog's message, its help topic and
// what the message panel says afterwards. The carriage leaving the tape has
// a dialog of its own, told by the run controller.
// Where a run failed, named for the window's status line ("строка 7",
// "Q3, символ 1"), and the table cell a view frames until the next edit or
// run (col and row -1 when the failure has no cell of its own). `status` is
// the message panel's text the failure left, which the window follows with
// the name while it stands.
struct FailurePlace {
    int col = -1;
    int row = -1;
    QString name;
    QString status;
};

// The run controller keeps its last outcomes in reused slots, each
// overwritten by the next step; nothing of an outcome needs destroying.
static_assert(std::is_trivially_destructible_v<StepOutcome>);

struct ErrorTexts {
    QString dialog;
    int helpTopic = 0;
    QString status;
};
ErrorTexts TextsOf(const StepOutcome& outcome);
