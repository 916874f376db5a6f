#pragma once
// One tick of the Post machine (PostStep) and the two readings of a jump
// field. Each command is announced on one tick (status panels 0 and 1) and
// executed on the next; the first tick after a fresh start only announces
// row 1. Stops and errors break the run before their dialog opens.

#include <QString>

#include "core/text/CellText.h"

class Workbench;

struct PostJump {
    bool ok = false;
    int helpTopic = 0;  // 132 or 133 when not ok
    qint32 first = 0;
    qint32 second = 0;
};

// The jump field as execution reads it: one number, or two separated by a
// comma; blanks around each are allowed. A lone number gives second 0.
PostJump ParsePostJumpForExecution(QStringView field);
// The jump field as the announcement of a conditional jump reads it: both
// numbers are required.
PostJump ParsePostJumpForAnnouncement(QStringView field);

void PostStep(Workbench& bench);
