#include "core/machine/Machine.h"

#include "core/workbench/Workbench.h"

#include <algorithm>

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

QString MachineDocument::DisplayedName() const {
    if (!hasFileName && fileName == Untitled()) {
        return fileName;
    }
    const qsizetype cut = std::max(
        {fileName.lastIndexOf(u'\\'), fileName.lastIndexOf(u'/'), fileName.lastIndexOf(u':')});
    return fileName.mid(cut + 1);
}

void Machine::SetStatement(const QString& text) {
    if (text == statement_) {
        return;
    }
    bench_.SetMachineModified(*this, true);
    statement_ = text;
    Q_EMIT StatementChanged(statement_);
}

void Machine::SetDocument(const QString& fileName, bool hasFileName) {
    document.fileName = fileName;
    document.hasFileName = hasFileName;
    Q_EMIT DocumentNameChanged();
}
