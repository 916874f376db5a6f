#include "window/post/PostTableDelegate.h"

#include <QLineEdit>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>
#include <optional>

#include "core/post/PostInterpreter.h"
#include "core/post/PostMachine.h"
#include "core/text/CellText.h"
#include "core/text/Cp1251.h"
#include "core/text/IntegerSyntax.h"
#include "window/resources/BreakpointMark.h"
#include "window/resources/WindowColours.h"

namespace {

void Arrowhead(QPainterPath& path, QPointF tip, QPointF back, qreal size) {
    // Two strokes from the tip, at right angles to each other, pointing back
    // along the shaft.
    const QPointF d = back - tip;
    const qreal len = std::hypot(d.x(), d.y());
    if (len <= 0) {
        return;
    }
    const QPointF u = d / len * size;
    const QPointF n(-u.y(), u.x());
    path.moveTo(tip + u + n);
    path.lineTo(tip);
    path.lineTo(tip + u - n);
}

}  // namespace

void PostTableDelegate::DrawSymbol(QPainter& painter, const QRectF& box, int code,
                                   const QColor& ink) {
    if (code < 1 || code >= CodeCount) {
        return;
    }
    // h is the symbol's height; arrows may be wider where the box allows.
    const qreal h = std::min(box.width(), box.height()) * 0.72;
    const qreal cx = box.center().x();
    const qreal cy = box.center().y();
    const qreal pen = std::max<qreal>(1.4, h / 7);
    const qreal arrow = std::min(box.width() * 0.8, h * 1.7);

    QPainterPath path;
    QPointF dot(-1, -1);
    const PostOp op = PostOp(code);
    switch (op) {
        case PostOp::Left:
        case PostOp::Right: {
            const QPointF left(cx - arrow / 2, cy);
            const QPointF right(cx + arrow / 2, cy);
            path.moveTo(left);
            path.lineTo(right);
            if (op == PostOp::Left) {
                Arrowhead(path, left, right, h * 0.32);
            } else {
                Arrowhead(path, right, left, h * 0.32);
            }
            break;
        }
        case PostOp::Mark:
            path.moveTo(cx - h * 0.42, cy - h * 0.02);
            path.lineTo(cx - h * 0.1, cy + h * 0.42);
            path.lineTo(cx + h * 0.45, cy - h * 0.48);
            break;
        case PostOp::Erase: {
            const QPointF top(cx, cy - h / 2);
            const QPointF bottom(cx, cy + h / 2);
            path.moveTo(top);
            path.lineTo(bottom);
            Arrowhead(path, top, bottom, h * 0.28);
            Arrowhead(path, bottom, top, h * 0.28);
            break;
        }
        case PostOp::Jump: {
            const qreal r = h * 0.24;
            path.arcMoveTo(QRectF(cx - r, cy - h / 2, 2 * r, 2 * r), 160);
            path.arcTo(QRectF(cx - r, cy - h / 2, 2 * r, 2 * r), 160, -250);
            path.lineTo(cx, cy + h * 0.16);
            dot = QPointF(cx, cy + h * 0.42);
            break;
        }
        case PostOp::Stop:
            path.moveTo(cx, cy - h / 2);
            path.lineTo(cx, cy + h * 0.16);
            dot = QPointF(cx, cy + h * 0.42);
            break;
        default:
            break;
    }
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setPen(QPen(ink, pen, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(path);
    if (dot.x() >= 0) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(ink);
        painter.drawEllipse(dot, pen * 0.75, pen * 0.75);
    }
    painter.restore();
}

int PostTableDelegate::CodeOf(const QString& text) {
    return PostTable::CodeOfText(text);
}

QString PostTableDelegate::CellText(const QString& text) {
    QString clean = Cp1251::Sanitize(text);
    // A cell is one line of a document: line breaks and tabs pasted into
    // it become blanks.
    for (QChar& c : clean) {
        if (c.unicode() < 32) {
            c = QLatin1Char(' ');
        }
    }
    return clean;
}

QPixmap PostTableDelegate::DrawPicture(int code, const QColor& ground, qreal ratio) {
    // Drawn in logical coordinates: the strokes' widths scale with the ratio.
    QPixmap picture(QSize(PictureWidth, PictureHeight) * ratio);
    picture.setDevicePixelRatio(ratio);
    picture.fill(ground);
    QPainter painter(&picture);
    DrawSymbol(painter, QRectF(0, 0, PictureWidth, PictureHeight), code,
               WindowColours::Current().cellInk);
    return picture;
}

PostTableDelegate::Pictures PostTableDelegate::DrawPictures(qreal ratio) {
    Pictures set;
    for (int code = 0; code < CodeCount; ++code) {
        set.white[std::size_t(code)] =
            DrawPicture(code, WindowColours::Current().cellGround, ratio);
        set.green[std::size_t(code)] = DrawPicture(code, GreenGround(), ratio);
    }
    return set;
}

QColor PostTableDelegate::GreenGround() {
    return WindowColours::Current().runningGround;
}

const PostTableDelegate::Pictures& PostTableDelegate::PicturesFor(qreal ratio) const {
    // Drawn in the colours of the set in use; the other set's stay kept.
    return pictures_.For(ratio, WindowColours::Current().dark);
}

PostTableDelegate::PostTableDelegate(PostMachine& post, QObject* parent)
    : QStyledItemDelegate(parent), post_(post) {
    PicturesFor(1);
}

void PostTableDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                              const QModelIndex& index) const {
    PostTable& table = post_.table;
    const int row = index.row() + 1;
    const int col = index.column();
    if (!table.IsProgramRow(row)) {
        return;
    }
    const QRect& rect = option.rect;
    const bool green = row == runningRow();
    const WindowColours& colours = WindowColours::Current();
    const QColor ground = green ? colours.runningGround : colours.cellGround;
    const QRect textRect = rect.adjusted(2, 2, 0, 0);

    painter->save();
    painter->setClipRect(rect);
    painter->setFont(option.font);
    switch (col) {
        case PostTable::ColNumber:
            painter->fillRect(rect, option.palette.button());
            painter->setPen(option.palette.color(QPalette::Active, QPalette::ButtonText));
            painter->drawText(textRect, Qt::AlignLeft | Qt::AlignTop, table.Cell(col, row));
            if (breakpointAt(row)) {
                PaintBreakpointDisc(*painter, rect);
            }
            break;
        case PostTable::ColCommand: {
            painter->fillRect(rect, ground);
            const int code = CodeOf(table.Code(row));
            const qreal ratio = painter->device()->devicePixelRatio();
            if (rect.size() == QSize(PictureWidth, PictureHeight)) {
                painter->drawPixmap(rect.topLeft(),
                                    green ? GreenPicture(code, ratio) : WhitePicture(code, ratio));
            } else {
                // A zoomed view draws the symbol for its cell's size.
                DrawSymbol(*painter, rect, code, colours.cellInk);
            }
            if (code < 0) {
                // Only a damaged document holds such a code; show it as it
                // stands so that the row can be found and corrected.
                painter->setPen(colours.errorInk);
                painter->drawText(textRect, Qt::AlignLeft | Qt::AlignTop, table.Code(row));
            }
            break;
        }
        default:
            painter->fillRect(rect, ground);
            painter->setPen(colours.cellInk);
            painter->drawText(textRect, Qt::AlignLeft | Qt::AlignTop, table.Cell(col, row));
            break;
    }
    if (option.state & QStyle::State_HasFocus) {
        // On a scaled device a stroke straddles its points; half a pixel on,
        // the frame covers the cell's edge pixels as it does at ratio 1.
        if (painter->device()->devicePixelRatio() != 1) {
            painter->translate(0.5, 0.5);
        }
        painter->setPen(QPen(colours.focusFrame, 1, Qt::DotLine));
        painter->setBrush(Qt::NoBrush);
        painter->drawRect(rect.adjusted(0, 0, -1, -1));
    }
    painter->restore();
}

QWidget* PostTableDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                                         const QModelIndex& index) const {
    if (index.column() != PostTable::ColJump && index.column() != PostTable::ColComment) {
        return nullptr;
    }
    auto* editor = new QLineEdit(parent);
    editor->setFrame(false);
    editor->setFont(option.font);
    // Each change reaches the table at once, as the document's own text,
    // so a command run from a menu while the editor is open sees it.
    auto* self = const_cast<PostTableDelegate*>(this);
    connect(editor, &QLineEdit::textEdited, self,
            [self, editor](const QString&) { self->EditorTextEdited(editor); });
    if (editorOpened) {
        editorOpened(index);
    }
    return editor;
}

void PostTableDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const {
    auto* line = qobject_cast<QLineEdit*>(editor);
    if (!line) {
        return;
    }
    // The table echoes each keystroke back; rewriting an equal text would
    // throw the caret to the end.
    const QString& text = post_.table.Cell(index.column(), index.row() + 1);
    if (line->text() != text) {
        line->setText(text);
    }
}

void PostTableDelegate::EditorTextEdited(QLineEdit* editor) {
    const QString clean = CellText(editor->text());
    if (clean != editor->text()) {
        const int caret = editor->cursorPosition();
        editor->setText(clean);
        editor->setCursorPosition(caret);
    }
    Q_EMIT commitData(editor);
}
