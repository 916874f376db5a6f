#include "window/turing/TuringCellDelegate.h"

#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QRect>

#include "core/turing/TuringTable.h"
#include "window/resources/WindowColours.h"

namespace {

enum Move { Left = 0, Right = 1, Stop = 2 };

int MoveIndex(QChar move) {
    switch (move.unicode()) {
        case u'<':
            return Left;
        case u'>':
            return Right;
        case u'!':
            return Stop;
        default:
            return -1;
    }
}

QFont PixelFont(const QString& family, int pixels, bool bold) {
    QFont font(family);
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

}  // namespace

TuringCellDelegate::TuringCellDelegate(const QString& family)
    : normal_(PixelFont(family, 15, false)),
      bold_(PixelFont(family, 15, true)),
      subscript_(PixelFont(family, 9, true)) {
    moves_.For(1);
}

TuringCellDelegate::Pictures TuringCellDelegate::DrawPictures(qreal ratio) {
    Pictures set;
    for (int move = Left; move <= Stop; ++move) {
        set.white[std::size_t(move)] =
            DrawPicture(move, WindowColours::Current().cellGround, ratio);
        set.green[std::size_t(move)] = DrawPicture(move, GreenGround(), ratio);
    }
    return set;
}

QColor TuringCellDelegate::GreenGround() {
    return WindowColours::Current().runningGround;
}

QPixmap TuringCellDelegate::DrawPicture(int move, const QColor& ground, qreal ratio) {
    // Drawn in logical coordinates, so the shapes keep their proportions
    // and gain device pixels at a higher ratio.
    constexpr int n = kPictureSize;
    QPixmap picture(QSize(n, n) * ratio);
    picture.setDevicePixelRatio(ratio);
    picture.fill(ground);
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    const WindowColours& colours = WindowColours::Current();
    if (move == Stop) {
        // A red disc crossed by a white bar, as on a no-entry road sign.
        p.setBrush(colours.stopDisc);
        p.drawEllipse(QRectF(2.5, 2.5, 20, 20));
        p.setBrush(colours.stopBar);
        p.drawRect(QRectF(6.5, 10.5, 12, 4));
        return picture;
    }
    // An arrow pointing right: a shaft and a head; the left arrow is its
    // mirror image, so both moves read alike.
    QPainterPath arrow;
    arrow.addRect(QRectF(3, 10.5, 11, 4));
    arrow.addPolygon(QPolygonF({QPointF(12, 4.5), QPointF(22, 12.5), QPointF(12, 20.5)}));
    arrow.setFillRule(Qt::WindingFill);
    if (move == Left) {
        p.translate(n, 0);
        p.scale(-1, 1);
    }
    p.setBrush(colours.moveArrow);
    p.drawPath(arrow);
    return picture;
}

const QPixmap& TuringCellDelegate::MovePicture(QChar move, bool green, qreal ratio) const {
    static const QPixmap kNone;
    const int index = MoveIndex(move);
    if (index < 0) {
        return kNone;
    }
    const Pictures& set = moves_.For(ratio, WindowColours::Current().dark);
    return green ? set.green[std::size_t(index)] : set.white[std::size_t(index)];
}

// Positions are the top-left corner of the text, as a grid places its cell
// texts, not the baseline QPainter uses for a point.
void TuringCellDelegate::DrawText(QPainter& painter, const QRect& cell, int x, int y,
                                  const QFont& font, const QString& text) {
    painter.setFont(font);
    painter.drawText(QRect(cell.left() + x, cell.top() + y, cell.width(), cell.height()),
                     Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, text);
}

void TuringCellDelegate::PaintCorner(QPainter& painter, const QRect& rect,
                                     const QColor& face) const {
    painter.fillRect(rect, face);
    painter.setPen(WindowColours::Current().fixedInk);
    DrawText(painter, rect, 20, 3, normal_, QStringLiteral("A \\ Q"));
}

void TuringCellDelegate::PaintHeader(QPainter& painter, const QRect& rect, const QColor& face,
                                     const QString& text) const {
    painter.fillRect(rect, face);
    painter.setPen(WindowColours::Current().fixedInk);
    DrawText(painter, rect, 20, 2, normal_, text);
}

void TuringCellDelegate::PaintLabel(QPainter& painter, const QRect& rect, const QColor& face,
                                    const QString& text) const {
    painter.fillRect(rect, face);
    painter.setPen(WindowColours::Current().fixedInk);
    const bool blank = text == TuringTable::BlankLabel();
    DrawText(painter, rect, blank ? 6 : 20, 4, normal_, TuringTable::ShownLabel(text));
}

void TuringCellDelegate::PaintCommand(QPainter& painter, const QRect& rect, const QString& text,
                                      bool green) const {
    const WindowColours& colours = WindowColours::Current();
    painter.fillRect(rect, green ? colours.runningGround : colours.cellGround);
    if (text.isEmpty()) {
        return;
    }
    painter.setPen(colours.cellInk);
    DrawText(painter, rect, 2, 4, bold_, text.left(1));
    if (text.size() > 1) {
        const QPixmap& picture = MovePicture(text[1], green, painter.device()->devicePixelRatio());
        if (!picture.isNull()) {
            painter.drawPixmap(rect.left() + 12, rect.top(), picture);
        }
    }
    DrawText(painter, rect, 35, 4, bold_, QStringLiteral("Q"));
    DrawText(painter, rect, 47, 8, subscript_, text.mid(2));
}
