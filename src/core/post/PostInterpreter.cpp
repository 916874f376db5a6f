#include "core/post/PostInterpreter.h"

#include <optional>

#include "core/port/HelpTopics.h"
#include "core/post/PostMachine.h"
#include "core/post/PostTable.h"
#include "core/tape/TapeStore.h"
#include "core/text/CellText.h"
#include "core/text/IntegerSyntax.h"

namespace {

PostJump ParseTwo(QStringView firstText, QStringView secondText) {
    PostJump jump;
    const std::optional<qint32> first = ParseInteger(TrimLowView(firstText));
    const std::optional<qint32> second = ParseInteger(TrimLowView(secondText));
    if (!first || !second) {
        jump.helpTopic = HelpTopic::PostBadJump;
        return jump;
    }
    jump.ok = true;
    jump.first = *first;
    jump.second = *second;
    return jump;
}

// The announcement of `row` on tick `steps`: the step panel shows the tick,
// the message panel what the row will do.
void Announce(StepOutcome& outcome, const DecodedPostRow& row, qint64 steps, bool marked) {
    const bool firstTick = steps == 1;
    outcome.step = steps;
    if (row.op == PostOp::None || row.op == PostOp::Other) {
        return;
    }
    if (row.op == PostOp::Jump && !row.announceValid) {
        // Past the first tick the step panel goes back to the tick that
        // executed.
        outcome.Fail(StepError::PostBadJump, firstTick ? steps : steps - 1);
        outcome.firstTick = firstTick;
        return;
    }
    PostAnnouncement announcement;
    announcement.op = row.op;
    if (row.op == PostOp::Jump) {
        announcement.marked = marked;
        announcement.firstTick = firstTick;
        announcement.target = marked ? row.announceSecond : row.announceFirst;
    }
    outcome.announcement.value = announcement;
}

}  // namespace

PostJump ParsePostJumpForExecution(QStringView field) {
    if (TrimLowView(field).isEmpty()) {
        PostJump jump;
        jump.helpTopic = HelpTopic::PostNoJump;
        return jump;
    }
    const qsizetype comma = field.indexOf(u',');
    if (comma < 0) {
        return ParseTwo(field, u"0");
    }
    return ParseTwo(field.left(comma), field.mid(comma + 1));
}

PostJump ParsePostJumpForAnnouncement(QStringView field) {
    const qsizetype comma = field.indexOf(u',');
    if (comma < 0) {
        return ParseTwo(QStringView(), QStringView());
    }
    return ParseTwo(field.left(comma), field.mid(comma + 1));
}

namespace {

// The tick itself, apart from the machine so that it names everything it
// reads and changes; the machine's Step is its only caller, so it is
// compiled into it.
StepOutcome PostStep(PostTable& table, RunPosition& position, TapeStore& tape) {
    // One outcome for every path, built in place in the caller's.
    StepOutcome outcome;
    const int at = position.at;
    const DecodedPostRow* row = &table.Decoded(at);
    if (row->untrimmed) {
        table.TrimRow(at);
        row = &table.Decoded(at);
    }
    const qint64 steps = ++position.steps;
    const int carriage = tape.CarriagePos();
    if (steps == 1) {
        Announce(outcome, *row, steps, tape.GetPostCell(carriage));
        return outcome;
    }

    // Errors and the stop leave the step panel on the tick that announced
    // this row.
    const qint64 announced = steps - 1;
    const PostOp op = row->op;
    const int rows = table.ProgramRows();
    if (op == PostOp::None) {
        outcome.Fail(StepError::PostNoCommand, announced);
    } else if (op == PostOp::Stop) {
        outcome.result = StepOutcome::Result::Stopped;
        outcome.step = announced;
    } else if (row->jumpEmpty) {
        outcome.Fail(StepError::PostNoJump, announced);
    } else if (!row->jumpValid) {
        outcome.Fail(StepError::PostBadJump, announced);
    } else if (row->first < 1 || row->first > rows) {
        outcome.Fail(StepError::PostNoSuchRow, announced);
    }
    if (!outcome.Continues()) {
        return outcome;
    }

    int next = row->first;
    switch (op) {
        case PostOp::Left:
        case PostOp::Right:
            if (!tape.MoveCarriageBy(op == PostOp::Left ? -1 : +1)) {
                // The step panel keeps whatever it shows.
                outcome.Fail(StepError::OffTape, announced);
                outcome.stepShown = false;
            }
            break;
        case PostOp::Mark:
            if (tape.GetPostCell(carriage)) {
                outcome.Fail(StepError::PostMarkExists, announced);
            } else {
                tape.SetPostCell(carriage, true);
            }
            break;
        case PostOp::Erase:
            if (!tape.GetPostCell(carriage)) {
                outcome.Fail(StepError::PostNoMark, announced);
            } else {
                tape.SetPostCell(carriage, false);
            }
            break;
        case PostOp::Jump:
            if (tape.GetPostCell(carriage)) {
                next = row->second;
                if (next < 1 || next > rows) {
                    outcome.Fail(StepError::PostNoSuchRow, announced);
                }
            }
            break;
        default:
            break;
    }
    if (!outcome.Continues()) {
        return outcome;
    }

    position.at = next;
    const DecodedPostRow* nextRow = &table.Decoded(next);
    if (nextRow->untrimmed) {
        table.TrimRow(next);
        nextRow = &table.Decoded(next);
    }
    Announce(outcome, *nextRow, steps, tape.GetPostCell(tape.CarriagePos()));
    outcome.cursorRow = next;
    return outcome;
}

}  // namespace

StepOutcome PostMachine::Step(RunPosition& position) {
    return PostStep(table, position, tape);
}
