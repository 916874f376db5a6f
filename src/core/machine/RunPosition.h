#pragma once
// Where a machine's run stands: the row (Post) or state (Turing) whose
// command comes next, and the ticks counted since the fresh start.

#include <QtGlobal>

struct RunPosition {
    int at = 0;
    qint64 steps = 0;
};
