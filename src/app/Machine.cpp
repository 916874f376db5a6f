#include "app/Machine.h"

#include "app/Workbench.h"

Machine::Machine(Workbench& bench, MachineKind kind)
    : tape(kind == MachineKind::Pst ? TapeKind::Post : TapeKind::Turing, this),
      bench_(bench),
      kind_(kind) {}

bool Machine::IsCurrent() const {
    return bench_.Kind() == kind_;
}

void Machine::TapeModified() {
    bench_.SetMachineModified(*this, true);
}

void Machine::ShowTapeBounds(const QString& minText, const QString& maxText) {
    if (IsCurrent()) {
        bench_.SetStatusText(Workbench::PanelMin, minText);
        bench_.SetStatusText(Workbench::PanelMax, maxText);
    }
}

void Machine::TapeChanged() {
    Q_EMIT bench_.TapeChanged(kind_);
}
