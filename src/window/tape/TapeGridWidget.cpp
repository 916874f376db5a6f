#include "window/tape/TapeGridWidget.h"

#include <QKeyEvent>
#include <QPainter>
#include <algorithm>
#include <cmath>

#include "core/editing/CarriageMoves.h"
#include "core/tape/TapeWindow.h"
#include "core/text/Cp1251.h"
#include "core/text/Language.h"
#include "core/workbench/Workbench.h"
#include "window/resources/WindowColours.h"

namespace {

const QFont& SymbolFont() {
    static const QFont font = [] {
        QFont f(QStringLiteral("DejaVu Sans"));
        // Symbols are 21 pixels high as a cell of text, which is a face of
        // about 18 pixels once its leading is taken off.
        f.setPixelSize(18);
        return f;
    }();
    return font;
}

}  // namespace

QColor TapeGridWidget::Background() {
    return WindowColours::Current().tapeGround;
}

int TapeGridWidget::ColumnLeft(int col) {
    return col * CellWidth + (col > TapeWindow::CarriageCol ? CarriageWidth - CellWidth : 0);
}

int TapeGridWidget::ColumnWidth(int col) {
    return col == TapeWindow::CarriageCol ? CarriageWidth : CellWidth;
}

int TapeGridWidget::ColumnAtX(int x) {
    if (x < 0 || x >= GridWidth) {
        return -1;
    }
    for (int col = 0; col < TapeWindow::Cols; ++col) {
        if (x < ColumnLeft(col) + ColumnWidth(col)) {
            return col;
        }
    }
    return -1;
}

TapeGridWidget::TapeGridWidget(Workbench& bench, MachineKind kind, QWidget* parent)
    : QWidget(parent), bench_(bench), kind_(kind) {
    setObjectName(
        PerMachine<QString>{QStringLiteral("sgLentaPst"), QStringLiteral("sgLentaTur")}[kind]);
    setFixedSize(GridWidth, RowHeight);
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setStatusTip(Tr("TapeGridWidget", "Информационная лента"));
    setProperty("helpContext", HelpContext);
}

TapeStore& TapeGridWidget::Tape() const {
    return bench_.MachineOf(kind_).tape;
}

QRect TapeGridWidget::CellRect(int col) const {
    return Zoomed(QRect(ColumnLeft(col), 0, ColumnWidth(col), RowHeight));
}

void TapeGridWidget::SetZoom(qreal zoom) {
    zoom_ = zoom;
    setFixedSize(qRound(GridWidth * zoom), qRound(RowHeight * zoom));
    update();
}

QRect TapeGridWidget::Zoomed(const QRect& rect) const {
    // Rounded outward, so an update covers every pixel the cells touch.
    return QRectF(rect.x() * zoom_, rect.y() * zoom_, rect.width() * zoom_, rect.height() * zoom_)
        .toAlignedRect();
}

int TapeGridWidget::UnzoomedX(const QMouseEvent* event) const {
    return int(std::floor(event->position().x() / zoom_));
}

int TapeGridWidget::SelOffset() const {
    return focus_ - TapeWindow::CarriageCol;
}

int TapeGridWidget::FirstSelected() const {
    return std::min(anchor_, focus_);
}

int TapeGridWidget::LastSelected() const {
    return std::max(anchor_, focus_);
}

void TapeGridWidget::Select(int anchor, int focus) {
    anchor = std::clamp(anchor, 0, TapeWindow::LastCol);
    focus = std::clamp(focus, 0, TapeWindow::LastCol);
    const int from = std::min({anchor_, focus_, anchor, focus});
    const int to = std::max({anchor_, focus_, anchor, focus});
    if (anchor == anchor_ && focus == focus_) {
        return;
    }
    anchor_ = anchor;
    focus_ = focus;
    UpdateColumns(from, to);
    Q_EMIT SelectionMoved();
}

void TapeGridWidget::SelectCarriageCell() {
    Select(TapeWindow::CarriageCol, TapeWindow::CarriageCol);
}

void TapeGridWidget::StepPastSelection() {
    const int last = LastSelected();
    const TapeWindow::ArrowStep step = TapeWindow::StepFocus(Tape(), last, 1);
    if (step.kind == TapeWindow::ArrowStep::Move) {
        Select(step.col, step.col);
        return;
    }
    Select(last, last);
    if (step.kind == TapeWindow::ArrowStep::Scroll) {
        MoveCarriageRight(bench_);
        update();
    }
}

void TapeGridWidget::SetSelectionShownElsewhere(std::function<bool()> shown) {
    shownElsewhere_ = std::move(shown);
}

bool TapeGridWidget::SelectionShown() const {
    if (hasFocus()) {
        return true;
    }
    return kind_ == MachineKind::Turing && shownElsewhere_ && shownElsewhere_();
}

void TapeGridWidget::UpdateColumns(int from, int to) {
    // A cell's frame reaches one pixel into its left neighbour.
    const int left = ColumnLeft(from) - 1;
    const int right = ColumnLeft(to) + ColumnWidth(to);
    update(Zoomed(QRect(left, 0, right - left, RowHeight)));
}

void TapeGridWidget::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    // Drawn at the normal size and scaled: every cell, line and symbol
    // grows with the zoom.
    painter.fillRect(rect(), Background());
    painter.scale(zoom_, zoom_);
    painter.setFont(SymbolFont());
    for (int col = 0; col < TapeWindow::Cols; ++col) {
        DrawCell(painter, col);
    }
}

void TapeGridWidget::DrawCell(QPainter& painter, int col) {
    TapeStore& tape = Tape();
    const QRect cell(ColumnLeft(col), 0, ColumnWidth(col), RowHeight);
    const int index = TapeWindow::CellAt(tape.CarriagePos(), col);
    if (!tape.OnTape(index)) {
        painter.fillRect(cell, Background());
        return;
    }
    const int L = cell.left();
    const int T = cell.top();
    const int R = L + cell.width();
    const int B = T + cell.height();
    const bool post = kind_ == MachineKind::Post;
    const bool carriage = col == TapeWindow::CarriageCol;

    bool used = false;
    QChar symbol;
    if (post) {
        used = tape.GetPostCell(index);
    } else {
        symbol = tape.GetTuringCell(index);
        used = symbol != u' ' && symbol != QChar(0);
    }
    const bool selected = col >= FirstSelected() && col <= LastSelected() && SelectionShown();
    const WindowColours& colours = WindowColours::Current();
    painter.fillRect(cell, selected
                               ? (used ? colours.selectedUsedGround : colours.selectedEmptyGround)
                               : colours.tapeGround);

    if (post && used) {
        painter.setPen(QPen(colours.tapeInk, 2));
        const QPoint points[3] = {
            carriage ? QPoint(L + 6, T + 8) : QPoint(L + 4, T + 8),
            carriage ? QPoint(R - 12, B - 7) : QPoint(R - 10, B - 7),
            carriage ? QPoint(R - 7, T + 8) : QPoint(R - 5, T + 8),
        };
        painter.drawPolyline(points, 3);
    } else if (!post && used) {
        painter.setPen(colours.tapeInk);
        const int left = L + (carriage ? 3 : 2);
        // drawText clips to the rectangle, so a wide glyph stays in its cell.
        painter.drawText(QRect(left, T + 1, R - left, B - T - 1), Qt::AlignLeft | Qt::AlignTop,
                         QString(symbol));
    }

    if (carriage) {
        // The carriage's 2-pixel frame, each line covering the pixel of its
        // coordinate and the one before it.
        painter.fillRect(QRect(QPoint(L - 1, T), QPoint(R - 1, T + 1)), colours.tapeLine);
        painter.fillRect(QRect(QPoint(R - 2, T), QPoint(R - 1, B - 1)), colours.tapeLine);
        painter.fillRect(QRect(QPoint(L - 1, B - 2), QPoint(R - 1, B - 1)), colours.tapeLine);
        painter.fillRect(QRect(QPoint(L - 1, T), QPoint(L, B - 1)), colours.tapeLine);
    } else {
        painter.setPen(QPen(colours.tapeLine, 1));
        painter.drawLine(L - 1, T, R - 1, T);
        if (col != TapeWindow::LastCol) {
            painter.drawLine(R - 1, T, R - 1, B - 1);
        }
        painter.drawLine(R - 1, B - 1, L - 1, B - 1);
        painter.drawLine(L - 1, B - 1, L - 1, T);
    }
}

void TapeGridWidget::MoveFocus(int col, bool extend) {
    Select(extend ? anchor_ : col, col);
}

void TapeGridWidget::KeepFocusOnTape() {
    const TapeStore& tape = Tape();
    Select(TapeWindow::NearestOnTapeColumn(tape, anchor_),
           TapeWindow::NearestOnTapeColumn(tape, focus_));
}

void TapeGridWidget::CarriageKey(bool left) {
    if (left) {
        MoveCarriageLeft(bench_);
    } else {
        MoveCarriageRight(bench_);
    }
    const TapeStore& tape = Tape();
    if (!TapeWindow::ColumnOnTape(tape, focus_)) {
        const int col = TapeWindow::NearestOnTapeColumn(tape, focus_);
        Select(col, col);
    }
    bench_.NoteEdit();
}

bool TapeGridWidget::TapeKeyDown(QKeyEvent* event) {
    if (bench_.Kind() != kind_) {
        return false;
    }
    const Qt::KeyboardModifiers mods = event->modifiers();
    const bool ctrl = mods & Qt::ControlModifier;
    const bool extend = mods & Qt::ShiftModifier;
    TapeStore& tape = Tape();
    switch (event->key()) {
        case Qt::Key_Left:
        case Qt::Key_Right: {
            const bool left = event->key() == Qt::Key_Left;
            if (ctrl) {
                CarriageKey(left);
                return true;
            }
            const TapeWindow::ArrowStep step = TapeWindow::StepFocus(tape, focus_, left ? -1 : 1);
            switch (step.kind) {
                case TapeWindow::ArrowStep::Refuse:
                    bench_.UiPort().Beep();
                    break;
                case TapeWindow::ArrowStep::Scroll:
                    // The focus stays on the edge column and the tape moves
                    // under it.
                    if (!extend) {
                        anchor_ = focus_;
                    }
                    if (left) {
                        MoveCarriageLeft(bench_);
                    } else {
                        MoveCarriageRight(bench_);
                    }
                    update();
                    break;
                case TapeWindow::ArrowStep::Move:
                    MoveFocus(step.col, extend);
                    break;
            }
            return true;
        }
        case Qt::Key_Up:
        case Qt::Key_Down:
            SelectCarriageCell();
            return true;
        case Qt::Key_Home:
            MoveFocus(TapeWindow::HomeColumn(tape), extend);
            return true;
        case Qt::Key_End:
            MoveFocus(TapeWindow::EndColumn(tape), extend);
            return true;
        default:
            break;
    }
    // A character typed with Ctrl or Alt alone is a shortcut, not a symbol
    // (Ctrl together with Alt is how some layouts type their third level).
    const bool command = (mods & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) &&
                         !((mods & Qt::ControlModifier) && (mods & Qt::AltModifier));
    const QString text = Cp1251::Sanitize(event->text());
    if (command || text.isEmpty()) {
        return false;
    }
    if (kind_ == MachineKind::Post) {
        if (text == QStringLiteral(" ")) {
            Q_EMIT ToggleMarksRequested();
            return true;
        }
        return false;
    }
    bool used = false;
    for (QChar ch : text) {
        if (ch == u' ' || ch.isPrint()) {
            Q_EMIT SymbolTyped(ch);
            used = true;
        }
    }
    return used;
}

void TapeGridWidget::keyPressEvent(QKeyEvent* event) {
    if (!TapeKeyDown(event)) {
        QWidget::keyPressEvent(event);
    }
}

void TapeGridWidget::mousePressEvent(QMouseEvent* event) {
    const int col = ColumnAtX(UnzoomedX(event));
    pointer_ = col;
    if (col < 0) {
        return;
    }
    if (event->button() == Qt::LeftButton) {
        dragging_ = true;
        MoveFocus(col, event->modifiers() & Qt::ShiftModifier);
    } else if (event->button() == Qt::RightButton) {
        // Inside the selection the range stays, so that the pop-up menu acts
        // on all of it.
        if (col < FirstSelected() || col > LastSelected()) {
            Select(col, col);
        }
    }
}

void TapeGridWidget::mouseMoveEvent(QMouseEvent* event) {
    const int x = UnzoomedX(event);
    pointer_ = ColumnAtX(x);
    if (dragging_ && (event->buttons() & Qt::LeftButton)) {
        MoveFocus(std::clamp(ColumnAtX(std::clamp(x, 0, GridWidth - 1)), 0, TapeWindow::LastCol),
                  true);
    }
}

void TapeGridWidget::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && dragging_) {
        dragging_ = false;
        // A click beside the tape's end focuses the end cell.
        KeepFocusOnTape();
    }
}

void TapeGridWidget::mouseDoubleClickEvent(QMouseEvent* event) {
    const int col = ColumnAtX(UnzoomedX(event));
    pointer_ = col;
    if (event->button() == Qt::LeftButton && col >= 0) {
        Q_EMIT CellDoubleClicked(col);
    }
}

void TapeGridWidget::contextMenuEvent(QContextMenuEvent* event) {
    QPoint at = event->globalPos();
    if (event->reason() == QContextMenuEvent::Keyboard) {
        at = mapToGlobal(CellRect(focus_).bottomLeft());
    }
    Q_EMIT PopupMenuRequested(at);
}

void TapeGridWidget::focusInEvent(QFocusEvent* event) {
    // The Post grid starts on the carriage cell whenever the user or a
    // command brings the focus to it; coming back from a dialog, a menu or
    // another window keeps the selection.
    const Qt::FocusReason reason = event->reason();
    if (kind_ == MachineKind::Post && reason != Qt::ActiveWindowFocusReason &&
        reason != Qt::PopupFocusReason) {
        SelectCarriageCell();
    }
    update();
    QWidget::focusInEvent(event);
    Q_EMIT SelectionMoved();
}

void TapeGridWidget::focusOutEvent(QFocusEvent* event) {
    update();
    QWidget::focusOutEvent(event);
}
