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

void Machine::ShowTapeBounds(const QString& minPrefix, const QString& maxPrefix, bool withNumbers) {
    if (!IsCurrent()) {
        return;
    }
    if (withNumbers) {
        bench_.SetStatusNumber(Workbench::PanelMin, minPrefix, tape.UsedMin());
        bench_.SetStatusNumber(Workbench::PanelMax, maxPrefix, tape.UsedMax());
    } else {
        bench_.SetStatusText(Workbench::PanelMin, minPrefix);
        bench_.SetStatusText(Workbench::PanelMax, maxPrefix);
    }
}

void Machine::TapeChanged() {
    bench_.NotifyTapeChanged(kind_);
}
