#include "app/Workbench.h"

#include "run/RunController.h"

QString Workbench::StatusStartText(int panel) {
    switch (panel) {
        case PanelStep:
            return QStringLiteral("шаг:");
        case PanelMin:
            return QStringLiteral("мин:");
        case PanelMax:
            return QStringLiteral("макс:");
        default:
            return QString();
    }
}

Workbench::Workbench(Ui& ui, QObject* parent)
    : QObject(parent), ui_(ui), post_(*this), turing_(*this), run_(new RunController(*this)) {
    for (int i = 0; i < StatusPanelCount; ++i) {
        status_[std::size_t(i)] = StatusStartText(i);
    }
}

Machine& Workbench::Current() {
    return MachineOf(kind_);
}

Machine& Workbench::MachineOf(MachineKind kind) {
    if (kind == MachineKind::Pst) {
        return post_;
    }
    return turing_;
}

void Workbench::SetMachineModified(Machine& machine, bool on) {
    machine.modified_ = on;
    if (machine.IsCurrent()) {
        SetStatusText(PanelModified, on ? QStringLiteral("Изменен") : QString());
    }
}

void Workbench::NoteEdit() {
    SetModified(true);
    if (Current().runActive) {
        SetEditedSinceStart(true);
    }
}

void Workbench::SetStatusText(int panel, const QString& text) {
    if (panel < 0 || panel >= StatusPanelCount) {
        return;
    }
    QString& slot = status_[std::size_t(panel)];
    if (slot == text) {
        return;
    }
    slot = text;
    Q_EMIT StatusTextChanged(panel, text);
}
