#include "window/tape/SymbolPopup.h"

#include <QKeyEvent>
#include <QListWidget>
#include <QVBoxLayout>

#include "core/turing/TuringMachine.h"
#include "window/tape/TapeGridWidget.h"

SymbolPopup::SymbolPopup(TuringMachine& turing, QWidget* parent)
    // A pop-up window: no border or title, and the window system closes it
    // on a click anywhere outside, which is the deactivation that hides it.
    : QWidget(parent, Qt::Popup | Qt::FramelessWindowHint), turing_(turing) {
    setObjectName(QStringLiteral("fmAlf"));
    setFixedSize(PopupWidth, PopupHeight);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    symbolList_ = new QListWidget(this);
    symbolList_->setObjectName(QStringLiteral("lbAlf"));
    symbolList_->setUniformItemSizes(true);
    symbolList_->setSelectionMode(QAbstractItemView::SingleSelection);
    symbolList_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    QFont font = symbolList_->font();
    font.setPixelSize(11);
    symbolList_->setFont(font);
    layout->addWidget(symbolList_);
    setFocusProxy(symbolList_);
    symbolList_->installEventFilter(this);
    connect(symbolList_, &QListWidget::itemClicked, this, [this] { Choose(); });
}

void SymbolPopup::Popup(const QPoint& screenPos, TapeGridWidget* grid) {
    symbolList_->clear();
    QStringList items{TuringMachine::NoSymbolText()};
    for (QChar symbol : turing_.Alphabet()) {
        items.append(QString(symbol));
    }
    for (const QString& text : items) {
        auto* item = new QListWidgetItem(text, symbolList_);
        item->setSizeHint(QSize(PopupWidth - 4, ItemHeight));
    }
    symbolList_->setCurrentRow(-1);
    symbolList_->clearSelection();
    grid_ = grid;
    if (grid_) {
        gridAnchor_ = grid_->AnchorCol();
        gridFocus_ = grid_->FocusCol();
    }
    move(screenPos);
    show();
    raise();
    activateWindow();
    symbolList_->setFocus(Qt::PopupFocusReason);
}

int SymbolPopup::Highlighted() const {
    const int row = symbolList_->currentRow();
    return row >= 0 && symbolList_->item(row)->isSelected() ? row : -1;
}

void SymbolPopup::MoveHighlight(int delta) {
    const int count = symbolList_->count();
    if (count == 0) {
        return;
    }
    const int current = Highlighted();
    int row = 0;
    if (current >= 0) {
        row = std::clamp(current + delta, 0, count - 1);
    }
    symbolList_->setCurrentRow(row);
}

void SymbolPopup::Choose() {
    const int row = Highlighted();
    if (row < 0) {
        return;
    }
    turing_.currentTapeSymbol = symbolList_->item(row)->text();
    // The list must be gone before the tape takes the focus back, since a
    // pop-up keeps the keyboard while it is open.
    hide();
    Q_EMIT SymbolChosen(turing_.currentTapeSymbol);
    if (grid_) {
        grid_->Select(gridAnchor_, gridFocus_);
        grid_->setFocus(Qt::PopupFocusReason);
    }
}

bool SymbolPopup::eventFilter(QObject* watched, QEvent* event) {
    if (watched != symbolList_) {
        return QWidget::eventFilter(watched, event);
    }
    if (event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Up || key->key() == Qt::Key_Down) {
            MoveHighlight(key->key() == Qt::Key_Up ? -1 : 1);
            return true;
        }
    } else if (event->type() == QEvent::KeyRelease) {
        auto* key = static_cast<QKeyEvent*>(event);
        const bool choose = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter ||
                            key->key() == Qt::Key_Space;
        if (choose && !key->isAutoRepeat()) {
            Choose();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void SymbolPopup::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    Q_EMIT VisibleChanged(true);
}

void SymbolPopup::hideEvent(QHideEvent* event) {
    QWidget::hideEvent(event);
    Q_EMIT VisibleChanged(false);
}
