#pragma once
// The Post machine's own data: its two-sided tape and flags (from Machine)
// and its program table; what a run does with it (the step, the first row,
// the table's cursor at a start and an end) and its clearing commands.

#include "core/machine/Machine.h"
#include "core/post/PostTable.h"
#include "core/text/Language.h"

class PostMachine : public Machine {
    Q_OBJECT
public:
    explicit PostMachine(MachineHost& host) : Machine(host, MachineKind::Post) {}

    PostTable table;

    StepOutcome Step(RunPosition& position) override;
    RunPosition StartPosition() const override { return {1, 0}; }
    void ShowRunStart() override { table.SetCursor(PostTable::ColCommand, 1); }
    void ShowRunResumed() override { table.SetCol(PostTable::ColCommand); }
    // The cursor shows the row where the run ended.
    void ShowRunEnd(const RunPosition& position) override {
        table.SetCursor(PostTable::ColCommand, position.at);
    }
    TextTable& ProgramTable() override { return table; }
    QString Caption() const override { return Tr("PostMachine", "Машина Поста"); }
    FailurePlace PlaceOfFailure(const StepOutcome& outcome) override;

    void ClearProgram() override { table.Reset(); }
    void ClearProgramRow() override;
    void ClearProgramColumn() override;
    void ClearProgramCells(int firstCol, int firstRow, int lastCol, int lastRow) override;
};
