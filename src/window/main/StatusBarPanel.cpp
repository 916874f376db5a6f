#include "window/main/StatusBarPanel.h"

#include <QEvent>
#include <QPainter>
#include <algorithm>

#include "window/resources/ScreenReader.h"
#include "window/resources/WindowColours.h"

StatusBarPanel::StatusBarPanel(Qt::Alignment alignment, QWidget* parent)
    : QFrame(parent), alignment_(alignment) {
    setFrameShape(QFrame::Panel);
    setFrameShadow(QFrame::Sunken);
}

void StatusBarPanel::SetText(const QString& text) {
    if (text != text_) {
        text_ = text;
        update();
        // A screen reader hears the new text; the panel reads as a label.
        ScreenReader::Tell(this, QAccessible::NameChanged);
    }
}

QSize StatusBarPanel::sizeHint() const {
    return QSize(width(), fontMetrics().height() + 2 * frameWidth() + 2);
}

QSize StatusBarPanel::minimumSizeHint() const {
    return QSize(0, sizeHint().height());
}

void StatusBarPanel::KeepWidthFor(int width, const QStringList& longest) {
    baseWidth_ = width;
    longest_ = longest;
    ApplyWidth();
}

int StatusBarPanel::WidthFor(const QString& text) const {
    // What the text area leaves of the panel's width, plus the text.
    return width() - TextArea().width() + fontMetrics().horizontalAdvance(text) + 1;
}

void StatusBarPanel::ApplyWidth() {
    if (baseWidth_ <= 0) {
        return;
    }
    int width = baseWidth_;
    for (const QString& text : longest_) {
        width = std::max(width, WidthFor(text));
    }
    setFixedWidth(width);
}

void StatusBarPanel::changeEvent(QEvent* event) {
    QFrame::changeEvent(event);
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange) {
        ApplyWidth();
    }
}

QRect StatusBarPanel::TextArea() const {
    // A centred text may use the whole panel, frame included, so a short
    // word fits the narrow indicator panel.
    return (alignment_ & Qt::AlignHCenter) ? rect() : contentsRect().adjusted(2, 0, -2, 0);
}

void StatusBarPanel::paintEvent(QPaintEvent* event) {
    QFrame::paintEvent(event);
    QPainter painter(this);
    const QRect area = TextArea();
    painter.setClipRect(area);
    painter.setPen(WindowColours::Current().statusInk);
    painter.drawText(area, int(alignment_ | Qt::AlignVCenter) | Qt::TextSingleLine, text_);
}
