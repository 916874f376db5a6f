#pragma once
// What each of the two machines keeps for itself for the whole run of the
// program: its tape, its modified flag, its run-active and
// edited-since-start flags. The Post and Turing machines extend it with their
// tables and texts. A machine reports tape changes to the Workbench, which
// shows them when this machine is the current one.

#include "app/MachineKind.h"
#include "tape/TapeStore.h"

class Workbench;

class Machine : public TapeHooks {
public:
    Machine(Workbench& bench, MachineKind kind);
    Machine(const Machine&) = delete;
    Machine& operator=(const Machine&) = delete;

    MachineKind Kind() const { return kind_; }
    bool IsCurrent() const;

    TapeStore tape;

    bool Modified() const { return modified_; }
    bool runActive = false;         // PostRunActive / TuringRunActive
    bool editedSinceStart = false;  // PostEditedSinceStart / TuringEditedSinceStart

protected:
    Workbench& bench_;

private:
    friend class Workbench;
    void TapeModified() override;
    void ShowTapeBounds(const QString& minPrefix, const QString& maxPrefix,
                        bool withNumbers) override;
    void TapeChanged() override;

    MachineKind kind_;
    bool modified_ = false;
};
