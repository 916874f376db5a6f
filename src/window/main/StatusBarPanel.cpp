#include "window/main/StatusBarPanel.h"

#include <QPainter>

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
    }
}

QSize StatusBarPanel::sizeHint() const {
    return QSize(width(), fontMetrics().height() + 2 * frameWidth() + 2);
}

QSize StatusBarPanel::minimumSizeHint() const {
    return QSize(0, sizeHint().height());
}

void StatusBarPanel::paintEvent(QPaintEvent* event) {
    QFrame::paintEvent(event);
    QPainter painter(this);
    // A centred text may use the whole panel, frame included, so a short
    // word fits the narrow indicator panel.
    const QRect area =
        (alignment_ & Qt::AlignHCenter) ? rect() : contentsRect().adjusted(2, 0, -2, 0);
    painter.setClipRect(area);
    painter.setPen(WindowColours::Current().statusInk);
    painter.drawText(area, int(alignment_ | Qt::AlignVCenter) | Qt::TextSingleLine, text_);
}
