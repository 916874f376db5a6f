#pragma once
// The state every part of the system shares, as one object: both machines,
// which of them is current, the run flags common to both, the five texts of
// the status line and the Ui port. The main window (or a test, or the batch
// runner) creates one and it lives as long as its owner; nothing is global.
// Operations act on the current machine unless they say otherwise.

#include <QObject>
#include <QString>
#include <array>
#include <functional>

#include "core/machine/MachineKind.h"
#include "core/port/Ui.h"
#include "core/post/PostMachine.h"
#include "core/turing/TuringMachine.h"

class RunController;

class Workbench : public QObject {
    Q_OBJECT
public:
    enum StatusPanel {
        PanelMessage = 0,
        PanelStep = 1,
        PanelMin = 2,
        PanelMax = 3,
        PanelModified = 4
    };
    static constexpr int StatusPanelCount = 5;
    static constexpr std::array<int, StatusPanelCount> StatusPanelWidths = {355, 65, 60, 60, 50};
    static QString StatusStartText(int panel);

    explicit Workbench(Ui& ui, QObject* parent = nullptr);

    Ui& ui() const { return ui_; }
    RunController& run() const { return *run_; }

    MachineKind Kind() const { return kind_; }
    // Only the interpreter switch changes the current machine.
    void SetKind(MachineKind kind) { kind_ = kind; }

    Machine& Current();
    PostMachine& Post() { return post_; }
    TuringMachine& Turing() { return turing_; }
    Machine& MachineOf(MachineKind kind);

    // Sets the current machine's modified flag; panel 4 reads "Изменен" or
    // is emptied.
    void SetModified(bool on) { SetMachineModified(Current(), on); }
    // The same for a given machine; panel 4 changes only when it is current.
    void SetMachineModified(Machine& machine, bool on);
    // A machine's tape changed; views of it redraw.
    void NotifyTapeChanged(MachineKind kind) {
        if (observed_) {
            Q_EMIT TapeChanged(kind);
        }
    }
    // Sets the current machine's edited-since-start flag only.
    void SetEditedSinceStart(bool on) { Current().editedSinceStart = on; }
    // The edit prologue shared by every change of a program or tape:
    // SetModified(true), then SetEditedSinceStart(true) when the current
    // machine's run is active.
    void NoteEdit();

    // The save dialog's settings: the interpreter switch configures them,
    // and the name field keeps the last path chosen.
    FileDialogRequest saveDialog;

    // "Zebrin42 [машина Поста] - " or "Zebrin42 [машина Тьюринга] - " and
    // the current machine's displayed document name.
    QString Title() const;

    // How every failure is told: the alert, the message dialog with "Ок" and
    // "Помощь" (which opens the help topic), then the message panel's text.
    void ReportFailure(const QString& caption, const QString& message, int helpTopic,
                       const QString& status);

    // Run flags shared by both machines.
    bool runStarted = false;  // RunStarted
    bool stepMode = false;    // StepMode

    // The status line. A panel's text may be kept as a prefix and a number,
    // or as a function that composes it, so that a run ticking millions of
    // times composes a text only when somebody reads it.
    QString StatusText(int panel) const;
    void SetStatusText(int panel, const QString& text);
    void SetStatusNumber(int panel, const QString& prefix, qint64 number);
    void SetStatusComposed(int panel, std::function<QString()> compose);

Q_SIGNALS:
    void StatusTextChanged(int panel);
    // A cell, the carriage or the bounds of a machine's tape changed.
    void TapeChanged(MachineKind kind);

private:
    Ui& ui_;
    MachineKind kind_ = MachineKind::Pst;
    PostMachine post_;
    TuringMachine turing_;
    struct StatusEntry {
        enum class Form { Text, Number, Composed } form = Form::Text;
        QString text;  // the whole text, or the prefix of the number
        qint64 number = 0;
        std::function<QString()> compose;
    };
    void Changed(int panel) {
        if (observed_) {
            Q_EMIT StatusTextChanged(panel);
        }
    }
    // Signals are sent only once somebody listens, so a headless run
    // ticking millions of times pays nothing for them.
    void connectNotify(const QMetaMethod&) override { observed_ = true; }
    bool observed_ = false;
    bool panelShowsModified_ = false;  // what status panel 4 says now

    std::array<StatusEntry, StatusPanelCount> status_;
    RunController* run_;  // a child object
};
