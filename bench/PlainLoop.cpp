#include "PlainLoop.h"

namespace plain {

const char* ErrorName(Error error) {
    switch (error) {
        case Error::None:
            return "none";
        case Error::NoCommand:
            return "no command";
        case Error::NoJump:
            return "no jump";
        case Error::BadJump:
            return "bad jump";
        case Error::NoSuchRow:
            return "no such row";
        case Error::MarkExists:
            return "mark exists";
        case Error::NoMark:
            return "no mark";
        case Error::OffTape:
            return "carriage off the tape";
        case Error::NotInAlphabet:
            return "symbol not in the alphabet";
        case Error::BadCommand:
            return "bad command";
        case Error::NoState:
            return "no such state";
    }
    return "?";
}

Outcome RunPost(PostMachine& machine, std::int64_t limit) {
    const PostRow* rows = machine.rows.data();
    std::uint8_t* cell = machine.tape.data() - kPostFirstCell;  // cell[c] for c on the tape
    int pos = machine.carriage;
    int row = 1;
    std::int64_t done = 0;
    auto finish = [&](End end, Error error, std::int64_t steps) {
        machine.carriage = pos;
        return Outcome{end, error, steps};
    };
    for (;;) {
        const PostRow& r = rows[row];
        // A row is announced by the tick that executed the command before
        // it, so a failed announcement comes before the limit.
        if (r.op == PostOp::FailToAnnounce) {
            return finish(End::Error, Error::BadJump, done == 0 ? 1 : done);
        }
        if (done == limit) {
            return finish(End::Limit, Error::None, done);
        }
        switch (r.op) {
            case PostOp::Left:
                if (pos == kPostFirstCell) {
                    return finish(End::Error, Error::OffTape, done + 1);
                }
                --pos;
                row = r.next;
                break;
            case PostOp::Right:
                if (pos == kPostLastCell) {
                    return finish(End::Error, Error::OffTape, done + 1);
                }
                ++pos;
                row = r.next;
                break;
            case PostOp::Mark:
                if (cell[pos] != 0) {
                    return finish(End::Error, Error::MarkExists, done + 1);
                }
                cell[pos] = 1;
                row = r.next;
                break;
            case PostOp::Erase:
                if (cell[pos] == 0) {
                    return finish(End::Error, Error::NoMark, done + 1);
                }
                cell[pos] = 0;
                row = r.next;
                break;
            case PostOp::Branch:
                if (cell[pos] == 0) {
                    row = r.next;
                } else if (r.nextIfMark != 0) {
                    row = r.nextIfMark;
                } else {
                    return finish(End::Error, Error::NoSuchRow, done + 1);
                }
                break;
            case PostOp::Jump:
                row = r.next;
                break;
            case PostOp::Stop:
                return finish(End::Stopped, Error::None, done + 1);
            case PostOp::Fail:
            case PostOp::FailToAnnounce:
                return finish(End::Error, r.error, done + 1);
        }
        ++done;
    }
}

Outcome RunTuring(TuringMachine& machine, std::int64_t limit) {
    const TuringCommand* commands = machine.commands.data();
    const std::int32_t* rowOf = machine.rowOf.data();
    char16_t* cell = machine.tape.data();
    int pos = machine.carriage;
    std::int32_t base = 0;  // state 0
    std::int64_t done = 0;
    using Kind = TuringCommand::Kind;
    auto finish = [&](End end, Error error, std::int64_t steps) {
        machine.carriage = pos;
        return Outcome{end, error, steps};
    };
    // A missing command is found by the tick after the one that executed
    // the command before it, so at the limit it is not reached; before the
    // first command nothing has been counted yet.
    auto missing = [&](Error error) {
        return done == limit && done > 0 ? finish(End::Limit, Error::None, done)
                                         : finish(End::Error, error, done == 0 ? 0 : done + 1);
    };
    for (;;) {
        const int row = rowOf[cell[pos]];
        if (row < 0) {
            return missing(Error::NotInAlphabet);
        }
        const TuringCommand& c = commands[base + row];
        switch (c.kind) {
            case Kind::Run:
                break;
            case Kind::Empty:
                return missing(Error::NoCommand);
            case Kind::Bad:
                // Found when the tick before shows this command.
                return finish(End::Error, Error::BadCommand, done + 1);
            case Kind::NoState:
                if (done == limit) {
                    return finish(End::Limit, Error::None, done);
                }
                return finish(End::Error, Error::NoState, done + 1);
        }
        if (done == limit) {
            return finish(End::Limit, Error::None, done);
        }
        cell[pos] = c.write;
        base = c.nextBase;
        switch (c.move) {
            case Move::Right:
                if (pos == kTuringLastCell) {
                    return finish(End::Error, Error::OffTape, done + 1);
                }
                ++pos;
                break;
            case Move::Left:
                if (pos == kTuringFirstCell) {
                    return finish(End::Error, Error::OffTape, done + 1);
                }
                --pos;
                break;
            case Move::Stop:
                return finish(End::Stopped, Error::None, done + 1);
        }
        ++done;
    }
}

}  // namespace plain
