#pragma once
// Undo and redo of each machine's edits: one QUndoStack per machine, filled
// from the machine's EditRecorder, and the two "Правка" items, which act on
// the machine shown and name the change they would take back or do again.
//
// Changes are taken once the edit that made them is over (when the event
// that made them has been handled), so each command of the window is one
// undo step however many cells it wrote. What a run does between its start
// and its pause or end is one change of its own ("выполнение программы");
// typing into the statement, the comments or the alphabet grows one change
// while the editor keeps the focus. The modified flag follows the stack:
// back at the state last opened or saved, the document is unmodified. A
// document opened or begun starts an empty stack.

#include <QObject>
#include <QTimer>
#include <QUndoStack>
#include <memory>

#include "core/editing/EditRecorder.h"
#include "core/machine/MachineKind.h"

class QAction;
class Workbench;

class EditHistory : public QObject {
    Q_OBJECT
public:
    static constexpr int Limit = 1000;  // commands kept per machine

    EditHistory(Workbench& bench, QAction& undo, QAction& redo, QObject* parent);
    ~EditHistory() override;

    void Undo();
    void Redo();
    QUndoStack& StackOf(MachineKind kind) { return TrackOf(kind).stack; }
    // Takes every edit not yet taken now, as the end of its event would.
    void Flush();
    // The items follow the machine shown and whether a program runs.
    void Refresh();

private:
    struct Track {
        explicit Track(Machine& m) : machine(m), recorder(m) {}
        Machine& machine;
        EditRecorder recorder;
        QUndoStack stack;
        bool running = false;    // changes come from a run until it stops
        bool mayExtend = false;  // the top command was the last one taken
        int editSession = 0;     // the focus while the edit not yet taken began
        bool editNoted = false;
    };
    class Command;

    Track& TrackOf(MachineKind kind);
    Track& Current();
    void Watch(Track& track);
    void Schedule(Track& track);
    void Take(Track& track, EditKind kind = EditKind::None);
    void RunStateChanged();
    void Apply(Track& track, const MachineChange& change, bool undo);
    void Reset(Track& track);

    Workbench& bench_;
    QAction& undo_;
    QAction& redo_;
    PerMachine<std::unique_ptr<Track>> tracks_;
    QTimer later_;
    int focusSession_ = 0;
    bool applying_ = false;
};
