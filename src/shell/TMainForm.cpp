#include "shell/TMainForm.h"

#include <QApplication>
#include <QDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStatusBar>
#include <QVBoxLayout>

TMainForm::TMainForm(QWidget* parent) : QMainWindow(parent), bench_(*this) {
    setMinimumSize(605, 450);
    resize(780, 560);
    BuildStatusBar();
    UpdateTitle();
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
    // A plain modal dialog with the caller's buttons; results count the
    // buttons from the left, 0 when closed without a choice.
    QDialog dialog(this);
    dialog.setWindowTitle(caption);
    dialog.setMinimumWidth(width);
    auto* layout = new QVBoxLayout(&dialog);
    auto* text = new QLabel(message, &dialog);
    text->setWordWrap(true);
    text->setTextFormat(Qt::PlainText);
    layout->addWidget(text);
    auto* row = new QHBoxLayout;
    row->addStretch();
    const QStringList captions = buttons.split(u'|');
    for (int i = 0; i < captions.size(); ++i) {
        auto* button = new QPushButton(captions[i], &dialog);
        button->setFixedWidth(buttonWidth);
        connect(button, &QPushButton::clicked, &dialog, [&dialog, i] { dialog.done(i + 1); });
        row->addWidget(button);
    }
    row->addStretch();
    layout->addLayout(row);
    return dialog.exec();
}

void TMainForm::ShowHelpTopic(int) {}

void TMainForm::Beep() {
    QApplication::beep();
}

void TMainForm::SetToolButtonEnabled(int, bool) {}
