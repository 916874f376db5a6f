#pragma once
// The two readings of a jump field, and (in PostInterpreter.cpp) one tick of
// the Post machine, PostMachine::Step. Each command is announced on one tick
// and executed on the next; the first tick after a fresh start only
// announces row 1 (position.at is the row announced last, position.steps the
// ticks so far). A tick changes only the tape, the position and (trimming)
// the row it reaches, and returns what happened; the run controller shows
// it.

#include <QString>

struct PostJump {
    bool ok = false;
    int helpTopic = 0;  // HelpTopic::PostNoJump or PostBadJump when not ok
    qint32 first = 0;
    qint32 second = 0;
};

// The jump field as execution reads it: one number, or two separated by a
// comma; blanks around each are allowed. A lone number gives second 0.
PostJump ParsePostJumpForExecution(QStringView field);
// The jump field as the announcement of a conditional jump reads it: both
// numbers are required.
PostJump ParsePostJumpForAnnouncement(QStringView field);
