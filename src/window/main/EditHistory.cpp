#include "window/main/EditHistory.h"

#include <QAction>
#include <QApplication>
#include <QUndoCommand>
#include <QWidget>

#include "core/run/RunController.h"
#include "core/text/Language.h"
#include "core/workbench/Workbench.h"
#include "window/main/MainMenu.h"

namespace {

// Changes that grow while the same thing goes on: typing in one editor,
// moving the carriage, a run paused and resumed. Their kind is the command's
// id, so the stack offers a change to the one before only when both are of
// one such kind.
bool Grows(EditKind kind) {
    switch (kind) {
        case EditKind::Run:
        case EditKind::MoveCarriage:
        case EditKind::ChangeTable:
        case EditKind::ChangeStatement:
        case EditKind::ChangeComments:
        case EditKind::ChangeAlphabet:
            return true;
        default:
            return false;
    }
}

// Typing grows a change only while its editor keeps the focus.
bool Typed(EditKind kind) {
    return kind != EditKind::Run && kind != EditKind::MoveCarriage;
}

}  // namespace

// One change on a machine's stack. Pushing it does nothing: the edit is
// already made. Pushed onto a change of the same growing kind, it is offered
// to that one (mergeWith), which takes it in while the top was the last
// change taken and, for typing, the editor's focus is the same; QUndoStack
// itself never merges into the clean state.
class EditHistory::Command : public QUndoCommand {
public:
    Command(EditHistory& history, Track& track, MachineChange change, int focusSession)
        : QUndoCommand(change.Caption()),
          change_(std::move(change)),
          history_(history),
          track_(track),
          focusSession_(focusSession) {}

    void undo() override { history_.Apply(track_, change_, true); }
    void redo() override {
        if (pushed_) {
            pushed_ = false;
            return;
        }
        history_.Apply(track_, change_, false);
    }
    int id() const override { return Grows(change_.kind) ? int(change_.kind) : -1; }
    bool mergeWith(const QUndoCommand* other) override {
        const auto& next = static_cast<const Command&>(*other);
        if (!track_.mayExtend || (Typed(change_.kind) && next.focusSession_ != focusSession_)) {
            return false;
        }
        // A change that typing came back to nothing leaves the stack.
        change_ = track_.recorder.Extend(change_.kind);
        setObsolete(change_.Empty());
        return true;
    }

private:
    MachineChange change_;
    EditHistory& history_;
    Track& track_;
    int focusSession_;  // the editor focus the change was typed in
    bool pushed_ = true;
};

EditHistory::EditHistory(Workbench& bench, QAction& undo, QAction& redo, QObject* parent)
    : QObject(parent), bench_(bench), undo_(undo), redo_(redo) {
    tracks_[MachineKind::Post] = std::make_unique<Track>(bench.Post());
    tracks_[MachineKind::Turing] = std::make_unique<Track>(bench.Turing());
    later_.setSingleShot(true);
    later_.setInterval(0);
    connect(&later_, &QTimer::timeout, this, &EditHistory::Flush);
    redo_.setShortcuts(
        {QKeySequence(QStringLiteral("Ctrl+Y")), QKeySequence(QStringLiteral("Ctrl+Shift+Z"))});
    connect(&undo_, &QAction::triggered, this, &EditHistory::Undo);
    connect(&redo_, &QAction::triggered, this, &EditHistory::Redo);
    connect(qApp, &QApplication::focusChanged, this, [this] { ++focusSession_; });
    connect(&bench.RunControl(), &RunController::ControlsChanged, this,
            &EditHistory::RunStateChanged);
    connect(&bench, &Workbench::TitleChanged, this, &EditHistory::Refresh);
    connect(&bench, &Workbench::TapeChanged, this,
            [this](MachineKind kind) { Schedule(TrackOf(kind)); });
    for (auto& track : tracks_) {
        Watch(*track);
    }
    Refresh();
}

EditHistory::~EditHistory() {
    // The stacks go after the menu items they would refresh.
    for (auto& track : tracks_) {
        track->stack.disconnect(this);
    }
}

EditHistory::Track& EditHistory::TrackOf(MachineKind kind) {
    return *tracks_[kind];
}

EditHistory::Track& EditHistory::Current() {
    return TrackOf(bench_.Kind());
}

void EditHistory::Watch(Track& track) {
    Machine& machine = track.machine;
    TextTable& table = machine.ProgramTable();
    auto schedule = [this, &track] { Schedule(track); };
    connect(&table, &TextTable::CellChanged, this, schedule);
    connect(&table, &TextTable::LayoutChanged, this, schedule);
    connect(&machine, &Machine::StatementChanged, this, schedule);
    if (machine.Kind() == MachineKind::Turing) {
        auto& turing = static_cast<TuringMachine&>(machine);
        connect(&turing, &TuringMachine::AlphabetTextChanged, this, schedule);
        connect(&turing, &TuringMachine::CommentsChanged, this, schedule);
    }
    connect(&machine, &Machine::DocumentLoaded, this, [this, &track] { Reset(track); });
    connect(&machine, &Machine::DocumentCleared, this, [this, &track] { Reset(track); });
    // A save: what was edited until now is in the stack, whose top is the
    // state on disk.
    connect(&machine, &Machine::ModifiedChanged, this, [this, &track](bool on) {
        if (!on && !applying_) {
            Take(track);
            track.stack.setClean();
        }
    });
    connect(&track.stack, &QUndoStack::indexChanged, this, &EditHistory::Refresh);
    connect(&track.stack, &QUndoStack::cleanChanged, this, &EditHistory::Refresh);
    track.stack.setUndoLimit(Limit);
}

void EditHistory::Schedule(Track& track) {
    if (applying_ || track.running) {
        return;
    }
    // The focus an edit was typed in is the one it began in: an editor
    // closed by its own Enter still grows the same change.
    if (!track.editNoted) {
        track.editNoted = true;
        track.editSession = focusSession_;
    }
    later_.start();
}

void EditHistory::Flush() {
    later_.stop();
    for (auto& track : tracks_) {
        Take(*track);
    }
}

void EditHistory::Take(Track& track, EditKind kind) {
    if (applying_ || track.running) {
        return;
    }
    MachineChange change = track.recorder.Take(kind);
    const int session = track.editNoted ? track.editSession : focusSession_;
    track.editNoted = false;
    if (change.Empty()) {
        return;
    }
    QUndoStack& stack = track.stack;
    const int index = stack.index();
    stack.push(new Command(*this, track, std::move(change), session));
    if (stack.index() > index) {
        track.mayExtend = true;
    } else if (stack.index() < index) {
        // Grown back to nothing: the stack is where it was before the change.
        track.mayExtend = false;
        track.machine.SetModified(!stack.isClean());
    }
}

void EditHistory::RunStateChanged() {
    const bool ticking = bench_.RunControl().PauseAvailable();
    for (auto& track : tracks_) {
        const bool runs = ticking && &track->machine == &bench_.Current();
        if (runs && !track->running) {
            Take(*track);  // the edits before the run
            track->running = true;
        } else if (!runs && track->running) {
            track->running = false;
            Take(*track, EditKind::Run);
        }
    }
    Refresh();
}

void EditHistory::Apply(Track& track, const MachineChange& change, bool undo) {
    if (change.Empty()) {
        return;
    }
    applying_ = true;
    track.recorder.Apply(change, undo);
    applying_ = false;
    track.mayExtend = false;
    if (&track.machine == &bench_.Current()) {
        bench_.RunControl().RefreshBoundButtons();
    }
}

void EditHistory::Undo() {
    Flush();
    Track& track = Current();
    if (bench_.RunControl().PauseAvailable() || !track.stack.canUndo()) {
        return;
    }
    track.stack.undo();
    track.machine.SetModified(!track.stack.isClean());
}

void EditHistory::Redo() {
    Flush();
    Track& track = Current();
    if (bench_.RunControl().PauseAvailable() || !track.stack.canRedo()) {
        return;
    }
    track.stack.redo();
    track.machine.SetModified(!track.stack.isClean());
}

void EditHistory::Reset(Track& track) {
    track.stack.clear();
    track.recorder.Restart();
    track.mayExtend = false;
    Refresh();
}

void EditHistory::Refresh() {
    Track& track = Current();
    const bool idle = !bench_.RunControl().PauseAvailable();
    const QUndoStack& stack = track.stack;
    const bool canUndo = idle && stack.canUndo();
    const bool canRedo = idle && stack.canRedo();
    undo_.setEnabled(canUndo);
    redo_.setEnabled(canRedo);
    undo_.setText(canUndo ? Tr("EditHistory", "Отменить: ") + stack.undoText()
                          : Tr("EditHistory", "Отменить"));
    redo_.setText(canRedo ? Tr("EditHistory", "Повторить: ") + stack.redoText()
                          : Tr("EditHistory", "Повторить"));
    undo_.setStatusTip(MainMenu::UndoHint(canUndo ? stack.undoText() : QString()));
    redo_.setStatusTip(MainMenu::RedoHint(canRedo ? stack.redoText() : QString()));
}
