#pragma once
// The object that holds both machines, which of them is current, the status
// line, the run controller and the Ui port. The main window (or a test, or
// the batch runner) creates one and it lives as long as its owner; nothing is
// global. Operations act on the current machine unless they say otherwise.

#include <QObject>
#include <QString>

#include "core/machine/MachineHost.h"
#include "core/machine/MachineKind.h"
#include "core/machine/StatusLine.h"
#include "core/port/Ui.h"
#include "core/post/PostMachine.h"
#include "core/turing/TuringMachine.h"

class RunController;

class Workbench : public QObject, public MachineHost, private StatusListener {
    Q_OBJECT
public:
    enum StatusPanel {
        PanelMessage = StatusLine::Message,
        PanelStep = StatusLine::Step,
        PanelMin = StatusLine::Min,
        PanelMax = StatusLine::Max,
        PanelModified = StatusLine::Modified
    };
    static constexpr int StatusPanelCount = StatusLine::PanelCount;
    static QString StatusStartText(int panel) { return StatusLine::StartText(panel); }

    explicit Workbench(Ui& ui, QObject* parent = nullptr);

    Ui& UiPort() const override { return ui_; }
    RunController& RunControl() const { return *run_; }
    StatusLine& Status() override { return status_; }

    MachineKind Kind() const { return kind_; }
    // Only the interpreter switch changes the current machine.
    void SetKind(MachineKind kind) {
        const bool changed = kind != kind_;
        kind_ = kind;
        post_.SetCurrent(kind == MachineKind::Post);
        turing_.SetCurrent(kind == MachineKind::Turing);
        if (changed)
            Q_EMIT TitleChanged();
    }

    Machine& Current() override { return MachineOf(kind_); }
    PostMachine& Post() { return post_; }
    TuringMachine& Turing() { return turing_; }
    Machine& MachineOf(MachineKind kind) override;

    // Sets the current machine's modified flag; the modified-flag panel
    // reads "Изменен" or is emptied.
    void SetModified(bool on) { Current().SetModified(on); }
    // The edit prologue shared by every change of a program or tape of the
    // current machine: modified, and edited since the start while its run is
    // active.
    void NoteEdit() { Current().NoteEdit(); }

    // The save dialog's settings: the interpreter switch configures them,
    // and the name field keeps the last path chosen.
    FileDialogRequest saveDialog;
    // The save dialog's title, filter and extension for the current machine.
    void ConfigureSaveDialog();

    // "Zebrin42 [машина Поста] - " or "Zebrin42 [машина Тьюринга] - " and
    // the current machine's displayed document name.
    QString Title() const;

    // The status line, composed when read.
    QString StatusText(int panel) const { return status_.Text(panel); }
    void SetStatusText(int panel, const QString& text) { status_.SetText(panel, text); }
    std::optional<qint64> StepShown() const { return status_.StepNumber(); }

Q_SIGNALS:
    void StatusTextChanged(int panel);
    // Title() may read differently: the current machine or a document's
    // name changed. Any machine made current for a while (a save on
    // closing) passes it on, and so does the one shown again after.
    void TitleChanged();
    // A cell, the carriage or the bounds of a machine's tape changed.
    void TapeChanged(MachineKind kind);

private:
    void MachineEdited(Machine& machine) override;
    void MachineTapeChanged(Machine& machine) override {
        if (held_) {
            heldTapes_[machine.Kind()] = true;
        } else if (observed_) {
            Q_EMIT TapeChanged(machine.Kind());
        }
    }
    void StatusPanelChanged(int panel) override {
        if (held_) {
            heldPanels_[std::size_t(panel)] = true;
        } else {
            Q_EMIT StatusTextChanged(panel);
        }
    }
    void HoldViewUpdates(bool on) override;
    // Signals are sent only once somebody listens, so a headless run
    // ticking millions of times pays nothing for them.
    void connectNotify(const QMetaMethod&) override;

    Ui& ui_;
    MachineKind kind_ = MachineKind::Post;
    StatusLine status_;
    PostMachine post_;
    TuringMachine turing_;
    RunController* run_;  // a child object
    bool observed_ = false;
    // Changes kept from the views while they are held.
    bool held_ = false;
    PerMachine<bool> heldTapes_{false, false};
    std::array<bool, StatusLine::PanelCount> heldPanels_{};
};
