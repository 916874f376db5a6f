#include "core/workbench/Workbench.h"

#include "core/run/RunController.h"
#include "core/text/Language.h"

Workbench::Workbench(Ui& ui, QObject* parent)
    : QObject(parent), ui_(ui), post_(*this), turing_(*this), run_(new RunController(*this, this)) {
    SetKind(MachineKind::Post);
    connect(&post_, &Machine::DocumentNameChanged, this, &Workbench::TitleChanged);
    connect(&turing_, &Machine::DocumentNameChanged, this, &Workbench::TitleChanged);
    // Until the first switch the save dialog carries the Post machine's
    // settings under a title of its own.
    saveDialog = {Tr("Workbench", "Сохранение файла машины Поста"),
                  Tr("Workbench", "Машина Поста|*.pst"), QStringLiteral("pst"),
                  QStringLiteral("*.pst")};
}

Machine& Workbench::MachineOf(MachineKind kind) {
    if (kind == MachineKind::Post) {
        return post_;
    }
    return turing_;
}

void Workbench::MachineEdited(Machine& machine) {
    run_->NoteEdit(machine);
}

void Workbench::HoldViewUpdates(bool on) {
    held_ = on;
    if (on) {
        return;
    }
    for (const MachineKind kind : kMachineKinds) {
        if (std::exchange(heldTapes_[kind], false) && observed_) {
            Q_EMIT TapeChanged(kind);
        }
    }
    for (int panel = 0; panel < StatusLine::PanelCount; ++panel) {
        if (std::exchange(heldPanels_[std::size_t(panel)], false)) {
            Q_EMIT StatusTextChanged(panel);
        }
    }
}

void Workbench::connectNotify(const QMetaMethod&) {
    observed_ = true;
    status_.SetListener(this);
    post_.tape.SetNotifyChanges(true);
    turing_.tape.SetNotifyChanges(true);
}

void Workbench::ConfigureSaveDialog() {
    const PerMachine<FileDialogRequest> dialogs{
        {Tr("Workbench", "Сохранение Машины Поста"), Tr("Workbench", "Машина Поста|*.pst"),
         QStringLiteral("pst"), QStringLiteral("*.pst")},
        {Tr("Workbench", "Сохранение Машины Тьюринга"), Tr("Workbench", "Машина Тьюринга|*.tur"),
         QStringLiteral("tur"), QStringLiteral("*.tur")}};
    saveDialog = dialogs[kind_];
}

QString Workbench::Title() const {
    const PerMachine<QString> titles{Tr("Workbench", "Zebrin42 [машина Поста] - "),
                                     Tr("Workbench", "Zebrin42 [машина Тьюринга] - ")};
    const MachineDocument& document =
        kind_ == MachineKind::Post ? post_.document : turing_.document;
    return titles[kind_] + document.DisplayedName();
}
