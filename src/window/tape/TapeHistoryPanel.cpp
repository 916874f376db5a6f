#include "window/tape/TapeHistoryPanel.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QWheelEvent>
#include <algorithm>
#include <limits>

#include "core/documents/DocumentFile.h"
#include "core/port/HelpTopics.h"
#include "core/post/PostMachine.h"
#include "core/run/RunController.h"
#include "core/text/Language.h"
#include "core/workbench/Workbench.h"
#include "layout/HistoryPicture.h"

namespace {

QString PostCommandWord(PostOp op) {
    switch (op) {
        case PostOp::Left:
            return Tr("TapeHistoryPanel", "влево");
        case PostOp::Right:
            return Tr("TapeHistoryPanel", "вправо");
        case PostOp::Mark:
            return Tr("TapeHistoryPanel", "метка");
        case PostOp::Erase:
            return Tr("TapeHistoryPanel", "стереть");
        case PostOp::Jump:
            return Tr("TapeHistoryPanel", "переход");
        case PostOp::Stop:
            return Tr("TapeHistoryPanel", "стоп");
        case PostOp::None:
        case PostOp::Other:
            break;
    }
    return QStringLiteral("-");
}

}  // namespace

TapeHistoryPanel::TapeHistoryPanel(Workbench& bench, QWidget* parent)
    : QAbstractScrollArea(parent), bench_(bench), kind_(bench.Kind()) {
    // Every pixel is painted, so a scroll by a line moves the rest as it
    // is and paints only the line uncovered.
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::ClickFocus);
    for (MachineKind kind : {MachineKind::Post, MachineKind::Turing}) {
        const TapeHistory& history = bench_.RunControl().TapeHistoryOf(bench_.MachineOf(kind));
        connect(&history, &TapeHistory::Changed, this, [this, kind] {
            if (kind == kind_) {
                Sync();
            }
        });
    }
}

const TapeHistory& TapeHistoryPanel::History() const {
    return bench_.RunControl().TapeHistoryOf(bench_.MachineOf(kind_));
}

QSize TapeHistoryPanel::sizeHint() const {
    return {400, 8 * kLineHeight};
}

void TapeHistoryPanel::FollowMachineKind() {
    kind_ = bench_.Kind();
    Relayout();
    verticalScrollBar()->setValue(verticalScrollBar()->maximum());
    viewport()->update();
}

void TapeHistoryPanel::Relayout() {
    const TapeHistory& history = History();
    generation_ = history.Generation();
    lines_ = history.LineCount();
    lowest_ = history.LowestCell();
    highest_ = history.HighestCell();
    picture_ = lines_ > kTextLines;
    const qint64 cells = lines_ > 0 ? highest_ - lowest_ + 1 : 0;
    constexpr qint64 kMost = std::numeric_limits<int>::max() / 2;
    const int height = int(std::min(lines_ * RowHeight(), kMost));
    const int width = int(std::min(Left() + cells * CellPitch(), kMost));
    QScrollBar* down = verticalScrollBar();
    down->setRange(0, std::max(0, height - viewport()->height()));
    down->setPageStep(viewport()->height());
    down->setSingleStep(RowHeight());
    QScrollBar* across = horizontalScrollBar();
    across->setRange(0, std::max(0, width - viewport()->width()));
    across->setPageStep(viewport()->width());
    across->setSingleStep(CellPitch());
}

// Called for every tick: a new line at the end costs the scroll by one
// line and the painting of that line; anything else redraws the panel.
void TapeHistoryPanel::Sync() {
    if (!isVisible()) {
        return;  // laid out again when shown
    }
    const TapeHistory& history = History();
    const qint64 lines = history.LineCount();
    const qint64 from = lines_;
    const bool whole = history.Generation() != generation_ || lines < from ||
                       history.LowestCell() != lowest_ || history.HighestCell() != highest_ ||
                       (lines > kTextLines) != picture_;
    if (!whole && lines == from) {
        return;
    }
    QScrollBar* down = verticalScrollBar();
    const bool follow = down->value() >= down->maximum();
    Relayout();
    if (follow) {
        down->setValue(down->maximum());
    }
    if (whole) {
        viewport()->update();
        return;
    }
    const int top = LineTop(from);
    viewport()->update(0, top, viewport()->width(), int(lines - from) * RowHeight());
}

void TapeHistoryPanel::showEvent(QShowEvent* event) {
    QAbstractScrollArea::showEvent(event);
    Relayout();
    verticalScrollBar()->setValue(verticalScrollBar()->maximum());
}

void TapeHistoryPanel::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    Relayout();
}

void TapeHistoryPanel::scrollContentsBy(int dx, int dy) {
    // The step labels stay at the left while the cells scroll across.
    if (dx != 0) {
        viewport()->update();
    } else {
        viewport()->scroll(0, dy);
    }
}

int TapeHistoryPanel::LineTop(qint64 line) const {
    return int(line * RowHeight() - verticalScrollBar()->value());
}

qint64 TapeHistoryPanel::LineAt(int y) const {
    const qint64 line = (qint64(y) + verticalScrollBar()->value()) / RowHeight();
    return y >= 0 && line < lines_ ? line : -1;
}

void TapeHistoryPanel::SetZoom(int zoom) {
    zoom = std::clamp(zoom, 1, kMaxZoom);
    if (zoom == zoom_) {
        return;
    }
    const qint64 top = verticalScrollBar()->value() / RowHeight();
    const qint64 left = horizontalScrollBar()->value() / CellPitch();
    zoom_ = zoom;
    Relayout();
    verticalScrollBar()->setValue(int(top * RowHeight()));
    horizontalScrollBar()->setValue(int(left * CellPitch()));
    viewport()->update();
}

// F1 is the help menu's key: in the panel it opens the panel's own topic.
bool TapeHistoryPanel::event(QEvent* event) {
    if (event->type() == QEvent::ShortcutOverride &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_F1) {
        event->accept();
        return true;
    }
    return QAbstractScrollArea::event(event);
}

void TapeHistoryPanel::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_F1) {
        bench_.UiPort().ShowHelpTopic(HelpTopic::TapeHistory);
        return;
    }
    QAbstractScrollArea::keyPressEvent(event);
}

void TapeHistoryPanel::wheelEvent(QWheelEvent* event) {
    if (picture_ && (event->modifiers() & Qt::ControlModifier)) {
        const int delta = event->angleDelta().y();
        if (delta != 0) {
            SetZoom(delta > 0 ? zoom_ * 2 : zoom_ / 2);
        }
        event->accept();
        return;
    }
    QAbstractScrollArea::wheelEvent(event);
}

void TapeHistoryPanel::mousePressEvent(QMouseEvent* event) {
    const qint64 line = LineAt(event->position().toPoint().y());
    if (event->button() == Qt::LeftButton && line >= 0) {
        bench_.RunControl().StepBackTo(line);
    }
    QAbstractScrollArea::mousePressEvent(event);
}

QString TapeHistoryPanel::Label(qint64 line) const {
    const TapeHistory::Line shown = History().LineAt(line);
    QString command;
    if (kind_ == MachineKind::Post) {
        const PostOp op = bench_.Post().table.Decoded(shown.at).op;
        command = QStringLiteral("%1: %2").arg(shown.at).arg(PostCommandWord(op));
    } else {
        command = QStringLiteral("Q%1").arg(shown.at);
    }
    return QStringLiteral("%1   %2").arg(shown.steps, 7).arg(command);
}

void TapeHistoryPanel::paintEvent(QPaintEvent* event) {
    QPainter painter(viewport());
    const QRect area = event->rect();
    painter.fillRect(area, palette().base());
    if (lines_ == 0) {
        return;
    }
    const qint64 first = std::max<qint64>(0, LineAt(std::max(area.top(), 0)));
    qint64 last = LineAt(area.bottom());
    last = last < 0 ? lines_ - 1 : last;
    if (LineTop(first) > area.bottom()) {
        return;
    }
    if (picture_) {
        PaintPicture(painter, first, last);
    } else {
        PaintText(painter, first, last);
    }
}

void TapeHistoryPanel::PaintPicture(QPainter& painter, qint64 first, qint64 last) {
    const QImage rows = HistoryPicture::Rows(History(), first, last - first + 1);
    const QRect target(-horizontalScrollBar()->value(), LineTop(first), rows.width() * zoom_,
                       rows.height() * zoom_);
    painter.drawImage(target, rows);
}

void TapeHistoryPanel::PaintText(QPainter& painter, qint64 first, qint64 last) {
    const TapeHistory& history = History();
    const int x0 = kLabelWidth - horizontalScrollBar()->value();
    const QColor ink = palette().text().color();
    const QColor grid = palette().mid().color();
    const QColor carriage = QColor::fromRgb(HistoryPicture::CarriageColour());
    const int width = viewport()->width();
    TapeHistory::Walk walk(history, first);
    for (qint64 line = first; line <= last; ++line, walk.Next()) {
        const int y = LineTop(line);
        painter.setClipRect(kLabelWidth, y, width - kLabelWidth, kLineHeight);
        painter.setPen(grid);
        painter.drawLine(kLabelWidth, y + kLineHeight - 1, width, y + kLineHeight - 1);
        const int firstShown = lowest_ + std::max(0, (kLabelWidth - x0) / kCellWidth);
        const int lastShown = std::min(highest_, lowest_ + (width - x0) / kCellWidth);
        for (int cell = firstShown; cell <= lastShown; ++cell) {
            const QRect box(x0 + (cell - lowest_) * kCellWidth, y, kCellWidth, kLineHeight - 1);
            painter.setPen(grid);
            painter.drawLine(box.topRight(), box.bottomRight());
            const quint8 code = walk.Cells()[std::size_t(cell - history.FirstCell())];
            if (history.Kind() == TapeKind::Post) {
                if (code != 0) {
                    painter.fillRect(box.adjusted(4, 4, -4, -4), ink);
                }
            } else if (code != 0) {
                painter.setPen(ink);
                painter.drawText(box, Qt::AlignCenter, QString(history.SymbolOf(code)));
            }
            if (cell == walk.Carriage()) {
                painter.setPen(QPen(carriage, 2));
                painter.drawRect(box.adjusted(1, 1, -1, -1));
            }
        }
        painter.setClipping(false);
        painter.setPen(ink);
        painter.drawText(QRect(4, y, kLabelWidth - 8, kLineHeight),
                         Qt::AlignLeft | Qt::AlignVCenter, Label(line));
    }
}

QString TapeHistoryPanel::Export(const QString& path) const {
    const TapeHistory& history = History();
    if (history.LineCount() == 0) {
        return Tr("TapeHistoryPanel", "исполнение не записано");
    }
    QString why;
    const QByteArray png = HistoryPicture::Png(history, why);
    if (png.isEmpty()) {
        return Tr("TapeHistoryPanel", "рисунок слишком велик");
    }
    if (!DocumentFile::WriteBytes(path, png).isEmpty()) {
        return Tr("TapeHistoryPanel", "ошибка записи файла: ") + path;
    }
    return {};
}
