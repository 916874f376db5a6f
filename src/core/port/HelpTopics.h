#pragma once
// The help topics by their context numbers: the pages of the help window and
// the topic each error dialog's "Помощь" button opens.

namespace HelpTopic {
enum : int {
    Contents = 10,
    PostMachine = 20,
    Tape = 30,
    TuringMachine = 40,
    Running = 50,
    TapeHistory = 59,
    Loop = 52,
    Breakpoints = 54,
    Files = 60,
    PostNoCommand = 131,
    PostNoJump = 132,
    PostBadJump = 133,
    PostNoSuchRow = 134,
    PostMarkExists = 135,
    PostNoMark = 136,
    PostReadError = 137,
    PostWriteError = 138,
    TuringNoSymbol = 171,
    TuringNoCommand = 172,
    TuringBadCommand = 173,
    TuringNoState = 174,
    TuringReadError = 175,
    TuringWriteError = 176,
    StatusLine = 250,
};
}  // namespace HelpTopic
