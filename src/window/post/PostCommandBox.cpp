#include "window/post/PostCommandBox.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QStyleOptionComboBox>
#include <QStylePainter>
#include <QStyledItemDelegate>

#include "core/post/PostTable.h"
#include "window/post/PostTableDelegate.h"
#include "window/resources/WindowColours.h"

namespace {

// The list's items are drawn by the box itself, as the closed box is.
class ItemDelegate : public QStyledItemDelegate {
public:
    explicit ItemDelegate(PostCommandBox* box) : QStyledItemDelegate(box), box_(box) {}

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        box_->PaintItem(*painter, option.rect, index.row(), option.state & QStyle::State_Selected);
    }
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex&) const override {
        return QSize(option.rect.width(), PostCommandBox::ItemHeight);
    }

private:
    PostCommandBox* box_;
};

bool IsModifier(int key) {
    switch (key) {
        case Qt::Key_Shift:
        case Qt::Key_Control:
        case Qt::Key_Alt:
        case Qt::Key_AltGr:
        case Qt::Key_Meta:
        case Qt::Key_CapsLock:
        case Qt::Key_NumLock:
            return true;
        default:
            return false;
    }
}

// Keys with which the list moves through its items or opens and closes,
// closed or dropped down.
bool IsListKey(const QKeyEvent* event) {
    switch (event->key()) {
        case Qt::Key_Up:
        case Qt::Key_Down:
            return true;
        case Qt::Key_PageUp:
        case Qt::Key_PageDown:
        case Qt::Key_Home:
        case Qt::Key_End:
        case Qt::Key_F4:
            return !(event->modifiers() & Qt::AltModifier);
        default:
            return false;
    }
}

}  // namespace

QString PostCommandBox::ItemText(int code) {
    return PostTable::CommandName(code);
}

int PostCommandBox::ItemForLetter(QChar letter, int from) {
    if (!letter.isLetter()) {
        return -1;
    }
    for (int step = 1; step <= ItemCount; ++step) {
        const int code = (std::max(from, 0) + step) % ItemCount;
        const QString text = ItemText(code);
        if (!text.isEmpty() && text.at(0).toCaseFolded() == letter.toCaseFolded()) {
            return code;
        }
    }
    return -1;
}

QChar PostCommandBox::CommandLetter(const QKeyEvent* event, int from) {
    const QString text = event->text();
    if (text.size() != 1 ||
        event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier) ||
        ItemForLetter(text.at(0), from) < 0) {
        return QChar();
    }
    return text.at(0);
}

PostCommandBox::PostCommandBox(QWidget* parent) : QComboBox(parent) {
    setObjectName(QStringLiteral("cbCommands"));
    setFocusPolicy(Qt::ClickFocus);
    setFixedWidth(BoxWidth);
    setMaxVisibleItems(20);
    setIconSize(QSize(IconSize - 4, IconSize - 4));
    for (int code = 0; code < ItemCount; ++code) {
        addItem(code > 0 ? QIcon(ArrowPicture(code)) : QIcon(), ItemText(code));
    }
    setItemDelegate(new ItemDelegate(this));
    view()->installEventFilter(this);
    setCurrentIndex(-1);
    connect(this, &QComboBox::activated, this, &PostCommandBox::Chosen);
    hide();
}

PostCommandBox::Pictures PostCommandBox::DrawPictures(qreal ratio) {
    Pictures set;
    for (int code = 0; code < ItemCount; ++code) {
        // Drawn in logical coordinates: the strokes' widths scale with the
        // ratio.
        QPixmap picture(QSize(IconSize, IconSize) * ratio);
        picture.setDevicePixelRatio(ratio);
        picture.fill(Qt::transparent);
        if (code > 0) {
            QPainter painter(&picture);
            PostTableDelegate::DrawSymbol(painter, QRectF(0, 0, IconSize, IconSize), code,
                                          WindowColours::Current().chooserInk);
        }
        set[std::size_t(code)] = picture;
    }
    return set;
}

const QPixmap& PostCommandBox::ArrowPicture(int code, qreal ratio) const {
    return pictures_.For(
        ratio,
        WindowColours::Current().dark)[std::size_t(code >= 0 && code < ItemCount ? code : 0)];
}

bool PostCommandBox::DroppedDown() const {
    return view()->isVisible();
}

void PostCommandBox::DropDown() {
    if (!DroppedDown()) {
        showPopup();
    }
}

void PostCommandBox::CloseUp() {
    if (DroppedDown()) {
        hidePopup();
    }
}

void PostCommandBox::SelectItem(int index) {
    setCurrentIndex(index);
    if (DroppedDown() && index >= 0) {
        view()->setCurrentIndex(model()->index(index, modelColumn()));
    }
}

void PostCommandBox::showPopup() {
    // The box is narrower than its longest text; the list is not.
    int width = BoxWidth;
    for (int code = 0; code < ItemCount; ++code) {
        width = std::max(width, IconSize + fontMetrics().horizontalAdvance(ItemText(code)) + 8);
    }
    view()->setMinimumWidth(width);
    QComboBox::showPopup();
}

void PostCommandBox::PaintItem(QPainter& painter, const QRect& rect, int index,
                               bool selected) const {
    painter.save();
    painter.fillRect(rect, palette().brush(selected ? QPalette::Highlight : QPalette::Base));
    int textLeft = rect.left();
    if (index >= 1 && index < ItemCount) {
        painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
        painter.drawPixmap(QRect(rect.left() + 1, rect.top() + 1, IconSize - 4, IconSize - 4),
                           ArrowPicture(index, painter.device()->devicePixelRatio()));
        textLeft = rect.left() + IconSize - 2;
    }
    painter.setFont(font());
    painter.setPen(palette().color(selected ? QPalette::HighlightedText : QPalette::Text));
    painter.drawText(QRect(textLeft, rect.top(), rect.right() - textLeft + 1, rect.height()),
                     Qt::AlignLeft | Qt::AlignVCenter, ItemText(index));
    painter.restore();
}

bool PostCommandBox::event(QEvent* event) {
    // F4 opens and closes the list, as in any combo box, before the
    // window's "Выполнить до курсора" can take it.
    if (event->type() == QEvent::ShortcutOverride) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_F4 && IsListKey(key)) {
            event->accept();
            return true;
        }
    }
    // Tab would move the focus on before the key reaches the box; here it
    // is just another key that closes the chooser.
    if (event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab) {
            keyPressEvent(key);
            return true;
        }
    }
    return QComboBox::event(event);
}

void PostCommandBox::keyPressEvent(QKeyEvent* event) {
    const bool upOrDown = event->key() == Qt::Key_Down || event->key() == Qt::Key_Up;
    if (upOrDown && !(event->modifiers() & Qt::AltModifier) && !DroppedDown()) {
        // In the closed box the arrows go on through the table's rows, as
        // they do on any cell, instead of choosing the next command.
        event->accept();
        Q_EMIT RowStepRequested(event->key() == Qt::Key_Up ? -1 : 1);
        return;
    }
    if (const QChar letter = CommandLetter(event, currentIndex()); !letter.isNull()) {
        event->accept();
        Q_EMIT LetterTyped(letter);
        return;
    }
    if (IsListKey(event) || (event->modifiers() & Qt::AltModifier && upOrDown)) {
        QComboBox::keyPressEvent(event);
        return;
    }
    // Every other key acts when it is released; the press must not reach
    // the combo box (Space would open the list) nor the table beneath.
    if (!IsModifier(event->key()) && !event->isAutoRepeat()) {
        pressedKey_ = event->key();
    }
    event->accept();
}

void PostCommandBox::keyReleaseEvent(QKeyEvent* event) {
    event->accept();
    if (event->isAutoRepeat() || event->key() != pressedKey_ || pressedKey_ == 0) {
        return;
    }
    pressedKey_ = 0;
    Q_EMIT KeyUp(event->key());
}

void PostCommandBox::focusOutEvent(QFocusEvent* event) {
    QComboBox::focusOutEvent(event);
    pressedKey_ = 0;
    // Its own list taking the keyboard and the window losing activation are
    // no exit.
    const QWidget* focus = QApplication::focusWidget();
    const bool intoList = DroppedDown() || (focus && focus->window() == view()->window());
    if (!intoList && event->reason() != Qt::PopupFocusReason &&
        event->reason() != Qt::ActiveWindowFocusReason) {
        Q_EMIT Exited();
    }
}

void PostCommandBox::paintEvent(QPaintEvent*) {
    QStylePainter painter(this);
    QStyleOptionComboBox option;
    initStyleOption(&option);
    option.currentText.clear();
    option.currentIcon = QIcon();
    painter.drawComplexControl(QStyle::CC_ComboBox, option);
    const QRect field =
        style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, this);
    PaintItem(painter, field, currentIndex(), hasFocus());
}

bool PostCommandBox::eventFilter(QObject* watched, QEvent* event) {
    const bool press = event->type() == QEvent::KeyPress;
    const bool override = event->type() == QEvent::ShortcutOverride;
    if (watched != view() || !(press || override)) {
        return QComboBox::eventFilter(watched, event);
    }
    if (!DroppedDown()) {
        return true;
    }
    auto* key = static_cast<QKeyEvent*>(event);
    if (IsListKey(key) || IsModifier(key->key()) || key->modifiers() & Qt::AltModifier) {
        return false;  // the list moves, or closes itself
    }
    // The list would close itself on Enter or Escape as early as the
    // shortcut check; the chooser's keys are claimed there and acted on
    // when pressed, since the list holds the keyboard while it is down.
    if (override) {
        event->accept();
        return true;
    }
    if (const QChar letter = CommandLetter(key, currentIndex()); !letter.isNull()) {
        Q_EMIT LetterTyped(letter);
        return true;
    }
    if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter ||
        key->key() == Qt::Key_Space) {
        // The highlighted item is the selection a commit stores.
        const QModelIndex highlighted = view()->currentIndex();
        if (highlighted.isValid()) {
            setCurrentIndex(highlighted.row());
        }
    }
    if (!key->isAutoRepeat()) {
        Q_EMIT KeyUp(key->key());
    }
    return true;
}
