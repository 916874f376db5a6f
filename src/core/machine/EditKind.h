#pragma once
// What kind of edit a change of a machine's document is: the command that
// made it (Machine::NameEdit), what a run did, or, for an edit no command
// named, the part it touched. The undo stack's caption comes from the kind,
// and so does the window's decision whether a change grows the one before.

#include <QString>

enum class EditKind {
    None,  // not named: the part touched names the change
    // Commands of the table.
    InsertRow,
    DeleteRow,
    AppendRow,
    InsertColumn,
    DeleteColumn,
    AppendColumn,
    ClearTable,
    ClearRow,
    ClearColumn,
    ClearCell,
    ClearCells,
    // Commands of the tape.
    ChangeMarks,
    WriteTape,
    ClearTape,
    RestoreTape,
    MoveCarriage,
    LoadTest,
    TestResult,
    // Commands of the texts.
    ClearStatement,
    ClearComments,
    ClearAlphabet,
    ClearAll,
    // What a run did between its start and its pause or end.
    Run,
    // Edits named by the part they touched (typing, a cell written).
    ChangeTape,
    ChangeAlphabet,
    ChangeTable,
    ChangeComments,
    ChangeStatement,
};

// The undo command's caption for an edit of `kind` ("очистка ленты"); empty
// for None.
QString EditCaption(EditKind kind);
