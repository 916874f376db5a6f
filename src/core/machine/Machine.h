#pragma once
// What each of the two machines keeps for itself for the whole run of the
// program: its tape, its task statement, its document record (file name) and
// its modified flag, and what differs between the machines as functions: a
// step, where a run starts, where the table's cursor goes when a run starts,
// resumes or ends, and the clearing commands. The Post and Turing machines
// extend it with their tables and texts. A machine reaches the rest of the
// system only through its MachineHost; views follow it through its signals.

#include <QObject>
#include <QString>
#include <utility>

#include "core/machine/EditKind.h"
#include "core/machine/MachineHost.h"
#include "core/machine/MachineKind.h"
#include "core/machine/RunPosition.h"
#include "core/machine/StepOutcome.h"
#include "core/tape/TapeStore.h"
#include "core/text/Language.h"
#include "core/text/TextTable.h"

class StatusLine;
class TextTable;

// The document a machine is stored in: "Без имени" and no file name until a
// path is chosen by Open, Save or Save As.
struct MachineDocument {
    static QString Untitled() { return Tr("Machine", "Без имени"); }

    QString fileName = Untitled();
    bool hasFileName = false;

    // The file-name part of the path (after its last "\", "/" or ":"), or
    // "Без имени".
    QString DisplayedName() const;
};

// What a document stores of a machine at one moment, kept for an edit to be
// taken back: the statement, the tape, the program table, and for the Turing
// machine its alphabet (with the editor's text) and comments. Taking one
// copies nothing; the parts are shared until the machine is written.
struct MachineContents {
    QString statement;
    TapeContents tape;
    TextTable::Contents table;
    QString alphabet;
    QString alphabetText;
    QString comments;
};

class Machine : public QObject, public TapeHooks {
    Q_OBJECT
public:
    static QString StartStatement() { return QStringLiteral("Условие задачи:"); }

    Machine(MachineHost& host, MachineKind kind);
    Machine(const Machine&) = delete;
    Machine& operator=(const Machine&) = delete;

    MachineKind Kind() const { return kind_; }
    // Whether this machine is the one shown; the host says so when it
    // changes.
    bool IsCurrent() const { return current_; }
    void SetCurrent(bool on);

    TapeStore tape;
    MachineDocument document;

    // The modified flag; the status line's modified-flag panel shows it
    // while this machine is current.
    bool Modified() const { return modified_; }
    void SetModified(bool on);
    // The edit prologue of every change of the program or tape: modified,
    // and edited since the start while this machine's run is active.
    void NoteEdit();

    // The task statement, lines separated by "\n". Setting a different text marks the document
    // modified.
    const QString& Statement() const { return statement_; }
    void SetStatement(const QString& text);

    void SetDocument(const QString& fileName, bool hasFileName);

    // --- Edits taken back and done again ---
    virtual MachineContents Saved();
    // Puts back the parts of `contents` that differ from what the machine
    // holds, as an edit: modified, and edited since the start while its run
    // is active.
    virtual void PutBack(const MachineContents& contents);
    // What kind of edit is being made (EditKind::ClearTape), for the undo
    // command's caption and merging. The outermost command names it: a kind
    // given while another is pending is ignored until TakeEditKind.
    void NameEdit(EditKind kind) {
        if (editKind_ == EditKind::None) {
            editKind_ = kind;
        }
    }
    EditKind TakeEditKind() { return std::exchange(editKind_, EditKind::None); }

    // --- What a run does with this machine ---
    // One tick: executes the command the tick before announced and
    // announces the next one, on the tape and position only.
    virtual StepOutcome Step(RunPosition& position) = 0;
    // The position of a fresh start.
    virtual RunPosition StartPosition() const = 0;
    // The table's cursor at a fresh start, on resuming a paused run, and
    // when a run ends at `position`.
    virtual void ShowRunStart() {}
    virtual void ShowRunResumed() {}
    virtual void ShowRunEnd(const RunPosition& position) = 0;
    // The program table, whose cursor follows the run.
    virtual TextTable& ProgramTable() = 0;
    // The caption of the "Программа завершена!" dialog, and what the step
    // panel's number follows.
    virtual QString Caption() const = 0;
    const QString& StepPrefix() const { return stepPrefix_; }
    // Where a run that failed with `outcome` stopped: the table's cursor, as
    // the failing tick left it.
    virtual FailurePlace PlaceOfFailure(const StepOutcome& outcome) = 0;

    // --- Clearing commands at the table's cursor ---
    virtual void ClearProgram() = 0;
    virtual void ClearProgramRow() = 0;
    virtual void ClearProgramColumn() = 0;
    // Empties the command cells of columns firstCol..lastCol and rows
    // firstRow..lastRow (Delete on the table's selection); the fixed cells
    // (numbers, headers, labels) stay.
    virtual void ClearProgramCells(int firstCol, int firstRow, int lastCol, int lastRow) = 0;

Q_SIGNALS:
    void StatementChanged(const QString& text);
    // The document's file name changed (the window title follows).
    void DocumentNameChanged();
    // A document was read into the machine: views refresh everything.
    void DocumentLoaded();
    // The machine was given a new empty document (New, or a document that
    // could not be read): what it holds now is a fresh start for undo.
    void DocumentCleared();
    // The modified flag changed.
    void ModifiedChanged(bool on);
    // The writer is about to write the machine to `path`.
    void DocumentWriting(const QString& path);

protected:
    MachineHost& host_;

private:
    void TapeModified() override;
    void ShowTapeBounds(TapeBounds form) override;
    void TapeChanged() override;

    MachineKind kind_;
    const QString stepPrefix_;
    StatusLine& status_;
    bool current_ = false;
    bool modified_ = false;
    QString statement_ = StartStatement();
    EditKind editKind_ = EditKind::None;
};
