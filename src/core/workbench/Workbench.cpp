#include "core/workbench/Workbench.h"

#include "core/run/RunController.h"

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
        status_[std::size_t(i)].text = StatusStartText(i);
    }
    // Until the first switch the save dialog carries the Post machine's
    // settings under a title of its own.
    saveDialog = {QStringLiteral("Сохранение файла машины Поста"),
                  QStringLiteral("Машина Поста|*.pst"), QStringLiteral("pst"),
                  QStringLiteral("*.pst")};
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
    if (machine.IsCurrent() && panelShowsModified_ != on) {
        panelShowsModified_ = on;
        SetStatusText(PanelModified, on ? QStringLiteral("Изменен") : QString());
    }
}

void Workbench::NoteEdit() {
    SetModified(true);
    if (Current().runActive) {
        SetEditedSinceStart(true);
    }
}

QString Workbench::StatusText(int panel) const {
    if (panel < 0 || panel >= StatusPanelCount) {
        return QString();
    }
    const StatusEntry& entry = status_[std::size_t(panel)];
    switch (entry.form) {
        case StatusEntry::Form::Number:
            return entry.text + QString::number(entry.number);
        case StatusEntry::Form::Composed:
            return entry.compose();
        case StatusEntry::Form::Text:
            break;
    }
    return entry.text;
}

void Workbench::SetStatusText(int panel, const QString& text) {
    if (panel < 0 || panel >= StatusPanelCount) {
        return;
    }
    StatusEntry& entry = status_[std::size_t(panel)];
    if (entry.form == StatusEntry::Form::Text && entry.text == text) {
        return;
    }
    entry.form = StatusEntry::Form::Text;
    entry.text = text;
    entry.compose = nullptr;
    Changed(panel);
}

void Workbench::SetStatusNumber(int panel, const QString& prefix, qint64 number) {
    if (panel < 0 || panel >= StatusPanelCount) {
        return;
    }
    StatusEntry& entry = status_[std::size_t(panel)];
    entry.form = StatusEntry::Form::Number;
    entry.text = prefix;
    entry.number = number;
    entry.compose = nullptr;
    Changed(panel);
}

void Workbench::SetStatusComposed(int panel, std::function<QString()> compose) {
    if (panel < 0 || panel >= StatusPanelCount) {
        return;
    }
    StatusEntry& entry = status_[std::size_t(panel)];
    entry.form = StatusEntry::Form::Composed;
    entry.compose = std::move(compose);
    Changed(panel);
}

QString Workbench::Title() const {
    const bool post = kind_ == MachineKind::Pst;
    const MachineDocument& document = post ? post_.document : turing_.document;
    return (post ? QStringLiteral("Zebrin42 [машина Поста] - ")
                 : QStringLiteral("Zebrin42 [машина Тьюринга] - ")) +
           document.DisplayedName();
}

void Workbench::ReportFailure(const QString& caption, const QString& message, int helpTopic,
                              const QString& status) {
    ui_.Beep();
    if (ui_.ShowMessageDialog(caption, message, QStringLiteral("Ок|Помощь"), 250, 100) == 2) {
        ui_.ShowHelpTopic(helpTopic);
    }
    SetStatusText(PanelMessage, status);
}
