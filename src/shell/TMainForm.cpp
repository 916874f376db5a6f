#include "shell/TMainForm.h"

#include <QApplication>
#include <QFileDialog>
#include <QLabel>
#include <QStatusBar>

#include "shell/TAboutBox.h"
#include "shell/THelpWindow.h"
#include "shell/TShellBars.h"
#include "shell/TfMessage.h"

TMainForm::TMainForm(QWidget* parent) : QMainWindow(parent), bench_(*this) {
    setMinimumSize(605, 450);
    resize(780, 560);
    BuildStatusBar();
    bars_ = new TShellBars(*this);
    UpdateTitle();
    message_ = new TfMessage(this);
    about_ = new TAboutBox(this);
    help_ = new THelpWindow(this);
}

TMainForm::~TMainForm() = default;

void TMainForm::BuildStatusBar() {
    QStatusBar* bar = statusBar();
    bar->setSizeGripEnabled(true);
    for (int i = 0; i < Workbench::StatusPanelCount; ++i) {
        auto* label = new QLabel(bench_.StatusText(i), bar);
        label->setFrameShape(QFrame::Panel);
        label->setFrameShadow(QFrame::Sunken);
        label->setFixedWidth(Workbench::StatusPanelWidths[std::size_t(i)]);
        label->setAlignment(i == Workbench::PanelModified ? Qt::AlignCenter
                                                          : Qt::AlignLeft | Qt::AlignVCenter);
        label->setTextFormat(Qt::PlainText);
        bar->addWidget(label);
        statusPanels_[std::size_t(i)] = label;
    }
    connect(&bench_, &Workbench::StatusTextChanged, this, [this](int panel) {
        statusPanels_[std::size_t(panel)]->setText(bench_.StatusText(panel));
    });
}

void TMainForm::UpdateTitle() {
    const bool post = bench_.Kind() == MachineKind::Pst;
    setWindowTitle(
        QStringLiteral("Zebrin42 [%1] - %2")
            .arg(post ? QStringLiteral("машина Поста") : QStringLiteral("машина Тьюринга"),
                 QStringLiteral("Без имени")));
}

int TMainForm::ShowMessageDialog(const QString& caption, const QString& message,
                                 const QString& buttons, int width, int buttonWidth) {
    return message_->Execute(caption, message, buttons, width, buttonWidth);
}

void TMainForm::ShowHelpTopic(int context) {
    help_->ShowTopic(context);
}

void TMainForm::ShowAboutBox() {
    about_->ShowModal();
}

void TMainForm::Beep() {
    QApplication::beep();
}

void TMainForm::SetToolButtonEnabled(int n, bool on) {
    if (bars_) {
        bars_->SetToolButtonEnabled(n, on);
    }
}

namespace {

// "Машина Поста|*.pst" as the dialog's filter "Машина Поста (*.pst)".
QString NameFilter(const QString& filter) {
    return filter.section(u'|', 0, 0) + QStringLiteral(" (") + filter.section(u'|', 1) +
           QStringLiteral(")");
}

void Prepare(QFileDialog& dialog, const FileDialogRequest& request) {
    dialog.setWindowTitle(request.title);
    dialog.setNameFilter(NameFilter(request.filter));
    dialog.setDefaultSuffix(request.defaultSuffix);
    if (!request.fileName.contains(u'*')) {
        dialog.selectFile(request.fileName);
    }
}

}  // namespace

QString TMainForm::AskOpenFileName(const FileDialogRequest& request) {
    QFileDialog dialog(this);
    Prepare(dialog, request);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::AnyFile);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return QString();
    }
    return dialog.selectedFiles().front();
}

QString TMainForm::AskSaveFileName(const FileDialogRequest& request) {
    QFileDialog dialog(this);
    Prepare(dialog, request);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return QString();
    }
    return dialog.selectedFiles().front();
}
