#include "core/post/PostInterpreter.h"

#include <optional>

#include "core/port/HelpTopics.h"
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

StepOutcome Failed(StepError error, qint64 step, bool firstTick = false) {
    StepOutcome outcome = StepOutcome::Failure(error, step);
    outcome.firstTick = firstTick;
    return outcome;
}

// The announcement of `row` on tick `steps`: the step panel shows the tick,
// the message panel what the row will do.
StepOutcome Announce(const DecodedPostRow& row, qint64 steps, bool marked) {
    const bool firstTick = steps == 1;
    StepOutcome outcome;
    outcome.step = steps;
    Announcement& announcement = outcome.announcement;
    if (row.op == PostOp::None || row.op == PostOp::Other) {
        return outcome;
    }
    announcement.kind = Announcement::Kind::Post;
    announcement.op = row.op;
    if (row.op == PostOp::Jump) {
        if (!row.announceValid) {
            // Past the first tick the step panel goes back to the tick
            // that executed.
            return Failed(StepError::PostBadJump, firstTick ? steps : steps - 1, firstTick);
        }
        announcement.marked = marked;
        announcement.firstTick = firstTick;
        announcement.target = marked ? row.announceSecond : row.announceFirst;
    }
    return outcome;
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

StepOutcome PostStep(PostTable& table, RunPosition& position, TapeStore& tape) {
    const int at = position.at;
    const DecodedPostRow* row = &table.Decoded(at);
    if (row->untrimmed) {
        table.TrimRow(at);
        row = &table.Decoded(at);
    }
    const qint64 steps = ++position.steps;
    const int carriage = tape.CarriagePos();
    if (steps == 1) {
        return Announce(*row, steps, tape.GetPostCell(carriage));
    }

    // Errors and the stop leave the step panel on the tick that announced
    // this row.
    const qint64 announced = steps - 1;
    const PostOp op = row->op;
    if (op == PostOp::None) {
        return Failed(StepError::PostNoCommand, announced);
    }
    if (op == PostOp::Stop) {
        StepOutcome outcome;
        outcome.result = StepOutcome::Result::Stopped;
        outcome.step = announced;
        return outcome;
    }
    if (row->jumpEmpty) {
        return Failed(StepError::PostNoJump, announced);
    }
    if (!row->jumpValid) {
        return Failed(StepError::PostBadJump, announced);
    }
    const int rows = table.ProgramRows();
    if (row->first < 1 || row->first > rows) {
        return Failed(StepError::PostNoSuchRow, announced);
    }

    int next = row->first;
    switch (op) {
        case PostOp::Left:
        case PostOp::Right:
            if (!tape.MoveCarriageBy(op == PostOp::Left ? -1 : +1)) {
                // The step panel keeps whatever it shows.
                StepOutcome outcome = Failed(StepError::OffTape, announced);
                outcome.stepShown = false;
                return outcome;
            }
            break;
        case PostOp::Mark:
            if (tape.GetPostCell(carriage)) {
                return Failed(StepError::PostMarkExists, announced);
            }
            tape.SetPostCell(carriage, true);
            break;
        case PostOp::Erase:
            if (!tape.GetPostCell(carriage)) {
                return Failed(StepError::PostNoMark, announced);
            }
            tape.SetPostCell(carriage, false);
            break;
        case PostOp::Jump:
            if (tape.GetPostCell(carriage)) {
                next = row->second;
                if (next < 1 || next > rows) {
                    return Failed(StepError::PostNoSuchRow, announced);
                }
            }
            break;
        default:
            break;
    }

    position.at = next;
    const DecodedPostRow* nextRow = &table.Decoded(next);
    if (nextRow->untrimmed) {
        table.TrimRow(next);
        nextRow = &table.Decoded(next);
    }
    StepOutcome outcome = Announce(*nextRow, steps, tape.GetPostCell(tape.CarriagePos()));
    outcome.cursorRow = next;
    return outcome;
}
