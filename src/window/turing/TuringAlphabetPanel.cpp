#include "window/turing/TuringAlphabetPanel.h"

#include <QContextMenuEvent>
#include <QFocusEvent>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <algorithm>

#include "core/documents/DocumentFile.h"
#include "core/run/RunController.h"
#include "core/text/Cp1251.h"
#include "core/text/Language.h"
#include "core/turing/TuringMachine.h"
#include "core/workbench/Workbench.h"

namespace {

constexpr int kFrameLeft = 121;
constexpr int kFrameTop = 6;
constexpr int kFrameHeight = 22;

}  // namespace

TuringAlphabetPanel::TuringAlphabetPanel(Workbench& bench, QWidget* parent)
    : QWidget(parent),
      bench_(bench),
      turing_(bench.Turing()),
      label_(new QLabel(Tr("TuringAlphabetPanel", "Внешний алфавит: "), this)),
      alphabetFrame_(new QFrame(this)),
      alphabetEdit_(new QLineEdit(alphabetFrame_)) {
    setObjectName(QStringLiteral("Panel4"));
    setFixedHeight(kHeight);

    label_->move(8, kFrameTop + 3);
    label_->resize(label_->sizeHint());
    alphabetFrame_->setObjectName(QStringLiteral("Panel6"));
    alphabetFrame_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    alphabetFrame_->setLineWidth(1);

    alphabetEdit_->setObjectName(QStringLiteral("edAlf"));
    alphabetEdit_->setFrame(false);
    QFont font = alphabetEdit_->font();
    font.setPixelSize(13);
    alphabetEdit_->setFont(font);
    const QString hint =
        Tr("TuringAlphabetPanel", "Редактор внешнего алфавит машины Тьюринга. Его можно спрятать");
    alphabetEdit_->setToolTip(hint);
    alphabetEdit_->setStatusTip(hint);
    alphabetEdit_->setText(turing_.AlphabetText());
    alphabetEdit_->installEventFilter(this);
    connect(alphabetEdit_, &QLineEdit::textEdited, this, &TuringAlphabetPanel::Edited);
    connect(&turing_, &TuringMachine::AlphabetTextChanged, this, &TuringAlphabetPanel::ShowText);

    connect(&bench_.RunControl(), &RunController::ControlsChanged, this,
            &TuringAlphabetPanel::ControlsChanged);
    ControlsChanged();
    resize(sizeHint());
}

QSize TuringAlphabetPanel::sizeHint() const {
    return {kFrameLeft + 200 + 10, kHeight};
}

void TuringAlphabetPanel::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    // A font wider than the one the layout was drawn for moves the frame
    // right of its label and keeps its right margin.
    const int left = std::max(kFrameLeft, label_->x() + label_->sizeHint().width());
    const int frameWidth = std::max(2, width() - kFrameMargin - (left - kFrameLeft));
    alphabetFrame_->setGeometry(left, kFrameTop, frameWidth, kFrameHeight);
    alphabetEdit_->setGeometry(1, 1, frameWidth - 2, kFrameHeight - 2);
}

// The panel, its label and the editor offer the alphabet menu (the editor's
// events come through the event filter); the frame has a menu of its own.
void TuringAlphabetPanel::contextMenuEvent(QContextMenuEvent* event) {
    if (!popupMenu_) {
        return;
    }
    popupMenu_->popup(event->globalPos());
    event->accept();
}

bool TuringAlphabetPanel::eventFilter(QObject* watched, QEvent* event) {
    if (watched == alphabetEdit_) {
        if (event->type() == QEvent::ContextMenu) {
            contextMenuEvent(static_cast<QContextMenuEvent*>(event));
            return true;
        }
        if (event->type() == QEvent::KeyRelease) {
            const auto* key = static_cast<QKeyEvent*>(event);
            if ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) &&
                !key->isAutoRepeat()) {
                turing_.RebuildAlphabet();
            }
        } else if (event->type() == QEvent::FocusOut) {
            // Another window, a menu or a pop-up taking the keyboard for a
            // while does not take the user out of the editor.
            const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
            if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason &&
                reason != Qt::MenuBarFocusReason) {
                turing_.RebuildAlphabet();
            }
        }
    }
    return QWidget::eventFilter(watched, event);
}

void TuringAlphabetPanel::Edited(const QString& text) {
    const QString clean = DocumentFile::OneLine(Cp1251::Sanitize(text));
    if (clean != text) {
        const int caret = alphabetEdit_->cursorPosition();
        alphabetEdit_->setText(clean);
        alphabetEdit_->setCursorPosition(std::min(caret, int(clean.size())));
    }
    turing_.EditAlphabetText(clean);
}

void TuringAlphabetPanel::ShowText(const QString& text) {
    if (alphabetEdit_->text() == text) {
        return;
    }
    const int caret = alphabetEdit_->cursorPosition();
    alphabetEdit_->setText(text);
    alphabetEdit_->setCursorPosition(std::min(caret, int(text.size())));
}

void TuringAlphabetPanel::ControlsChanged() {
    alphabetEdit_->setEnabled(bench_.RunControl().Controls().alphabet);
}
