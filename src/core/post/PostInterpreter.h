#pragma once
// One tick of the Post machine (PostStep) and the two readings of a jump
// field. Each command is announced on one tick and executed on the next; the
// first tick after a fresh start only announces row 1. A tick changes only
// the tape, the position and (trimming) the row it reaches, and returns what
// happened; the run controller shows it.

#include <QString>

#include "core/machine/RunPosition.h"
#include "core/machine/StepOutcome.h"

class PostTable;
class TapeStore;

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

// position.at is the row announced last (1 at a fresh start) and
// position.steps the ticks so far.
StepOutcome PostStep(PostTable& table, RunPosition& position, TapeStore& tape);
