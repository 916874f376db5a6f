#include "window/turing/TuringTableView.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>
#include <QTimer>
#include <algorithm>

#include "core/documents/DocumentFile.h"
#include "core/editing/TableCommands.h"
#include "core/run/RunController.h"
#include "core/text/Cp1251.h"
#include "core/text/Language.h"
#include "core/turing/TuringMachine.h"
#include "core/workbench/Workbench.h"
#include "window/resources/BreakpointMark.h"
#include "window/resources/FailureFrame.h"
#include "window/resources/WindowColours.h"

TuringTableView::TuringTableView(Workbench& bench, QWidget* parent)
    : QAbstractScrollArea(parent),
      bench_(bench),
      turing_(bench.Turing()),
      table_(bench.Turing().table),
      delegate_(font().family()),
      editor_(new QLineEdit(viewport())) {
    setObjectName(QStringLiteral("sgMainTur"));
    const QString hint =
        Tr("TuringTableView", "Таблица машины Тьюринга. Сюда вписывается алгоритм.");
    setToolTip(hint);
    setStatusTip(hint);
    setFocusPolicy(Qt::StrongFocus);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    horizontalScrollBar()->setSingleStep(1);
    verticalScrollBar()->setSingleStep(1);

    editor_->setObjectName(QStringLiteral("sgMainTurEditor"));
    editor_->setFrame(false);
    QFont editorFont = font();
    editorFont.setPixelSize(15);
    editor_->setFont(editorFont);
    editor_->hide();
    editor_->installEventFilter(this);
    connect(editor_, &QLineEdit::textEdited, this, &TuringTableView::EditorEdited);

    KeepCursorInCommands();
    shownCol_ = table_.Col();
    shownRow_ = table_.Row();
    connect(&table_, &TextTable::CellChanged, this, &TuringTableView::CellChanged);
    connect(&table_, &TextTable::LayoutChanged, this, &TuringTableView::LayoutChanged);
    connect(&table_, &TextTable::CursorChanged, this, &TuringTableView::CursorChanged);
    connect(&turing_, &TuringMachine::DocumentLoaded, this, &TuringTableView::LayoutChanged);
    RunController& run = bench_.RunControl();
    connect(&run, &RunController::ControlsChanged, this, &TuringTableView::ControlsChanged);
    connect(&run, &RunController::BreakpointsChanged, viewport(), qOverload<>(&QWidget::update));
    // Run flags decide the green cell; the cursor itself has not moved.
    connect(&run, &RunController::RunViewChanged, this, [this] {
        UpdateCell(table_.Col(), table_.Row());
        const FailurePlace* place = bench_.RunControl().FailedAt(turing_);
        const QPoint failed = place ? QPoint(place->col, place->row) : QPoint(-1, -1);
        if (failed != failedCell_) {
            UpdateCell(failedCell_.x(), failedCell_.y());
            failedCell_ = failed;
            UpdateCell(failed.x(), failed.y());
        }
    });
    connect(&run, &RunController::TableFocusRequested, this, [this] {
        if (bench_.Kind() == MachineKind::Turing && isVisible()) {
            setFocus(Qt::OtherFocusReason);
        }
    });
    ControlsChanged();
    UpdateScrollBars();
}

// --- Geometry ---

int TuringTableView::LeftCol() const {
    return 1 + horizontalScrollBar()->value();
}

int TuringTableView::TopRow() const {
    return 1 + verticalScrollBar()->value();
}

// Columns and rows that fit whole beside the fixed ones; at least one, so a
// narrow table still scrolls through every cell.
int TuringTableView::FitCols() const {
    return std::max(1, (viewport()->width() - ColPitch()) / ColPitch());
}

int TuringTableView::FitRows() const {
    return std::max(1, (viewport()->height() - RowPitch()) / RowPitch());
}

QRect TuringTableView::CellRect(int col, int row) const {
    if (!table_.Contains(col, row)) {
        return {};
    }
    int x = 0;
    if (col > 0) {
        if (col < LeftCol()) {
            return {};
        }
        x = ColPitch() * (1 + col - LeftCol());
    }
    int y = 0;
    if (row > 0) {
        if (row < TopRow()) {
            return {};
        }
        y = RowPitch() * (1 + row - TopRow());
    }
    return QRect(x, y, CellWidth(), CellHeight());
}

int TuringTableView::CellWidth() const {
    return qRound(TuringTable::kColumnWidth * zoom_);
}

int TuringTableView::CellHeight() const {
    return qRound(TuringTable::kRowHeight * zoom_);
}

int TuringTableView::ColPitch() const {
    return CellWidth() + kGridLine;
}

int TuringTableView::RowPitch() const {
    return CellHeight() + kGridLine;
}

void TuringTableView::SetZoom(qreal zoom) {
    zoom_ = zoom;
    UpdateScrollBars();
    viewport()->update();
}

QPoint TuringTableView::CellAt(const QPoint& pos) const {
    if (pos.x() < 0 || pos.y() < 0) {
        return {-1, -1};
    }
    const int xCell = pos.x() / ColPitch();
    const int yCell = pos.y() / RowPitch();
    const int col = xCell == 0 ? 0 : LeftCol() + xCell - 1;
    const int row = yCell == 0 ? 0 : TopRow() + yCell - 1;
    if (!table_.Contains(col, row)) {
        return {-1, -1};
    }
    return {col, row};
}

void TuringTableView::UpdateScrollBars() {
    const int fitCols = FitCols();
    const int fitRows = FitRows();
    horizontalScrollBar()->setRange(0, std::max(0, table_.StateCount() - fitCols));
    horizontalScrollBar()->setPageStep(fitCols);
    verticalScrollBar()->setRange(0, std::max(0, table_.RowCount() - 1 - fitRows));
    verticalScrollBar()->setPageStep(fitRows);
}

void TuringTableView::EnsureVisible(int col, int row) {
    if (col >= 1) {
        QScrollBar* bar = horizontalScrollBar();
        if (col < LeftCol()) {
            bar->setValue(col - 1);
        } else if (col >= LeftCol() + FitCols()) {
            bar->setValue(col - FitCols());
        }
    }
    if (row >= 1) {
        QScrollBar* bar = verticalScrollBar();
        if (row < TopRow()) {
            bar->setValue(row - 1);
        } else if (row >= TopRow() + FitRows()) {
            bar->setValue(row - FitRows());
        }
    }
}

void TuringTableView::UpdateCell(int col, int row) {
    const QRect rect = CellRect(col, row);
    if (!rect.isEmpty()) {
        viewport()->update(rect);
    }
}

void TuringTableView::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    UpdateScrollBars();
    PlaceEditor();
}

void TuringTableView::scrollContentsBy(int, int) {
    PlaceEditor();
    viewport()->update();
}

// --- Painting ---

void TuringTableView::paintEvent(QPaintEvent* event) {
    QPainter painter(viewport());
    const QRegion& dirty = event->region();
    const QPalette& pal = palette();
    const QColor face = pal.color(QPalette::Normal, QPalette::Button);
    painter.fillRect(event->rect(), pal.color(QPalette::Normal, QPalette::Base));

    const int width = viewport()->width();
    const int height = viewport()->height();
    const bool running = bench_.RunControl().Active(turing_);
    const int curCol = table_.Col();
    const int curRow = table_.Row();
    const WindowColours& colours = WindowColours::Current();
    const QColor line = colours.gridLine;
    const Breakpoints& marks = bench_.RunControl().BreakpointsOf(turing_);

    for (int row = 0; row < table_.RowCount(); row = row == 0 ? TopRow() : row + 1) {
        const QRect rowRect = CellRect(0, row);
        if (rowRect.isEmpty() || rowRect.top() >= height) {
            break;
        }
        for (int col = 0; col < table_.ColCount(); col = col == 0 ? LeftCol() : col + 1) {
            const QRect rect = CellRect(col, row);
            if (rect.isEmpty() || rect.left() >= width) {
                break;
            }
            const QRect withLines = rect.adjusted(0, 0, kGridLine, kGridLine);
            if (!dirty.intersects(withLines)) {
                continue;
            }
            painter.setClipRect(rect);
            const QString& text = table_.Cell(col, row);
            // The delegate draws a cell of the normal size, scaled to the
            // zoom in use.
            painter.save();
            painter.translate(rect.topLeft());
            painter.scale(zoom_, zoom_);
            painter.setRenderHint(QPainter::SmoothPixmapTransform, zoom_ != 1);
            const QRect cell(0, 0, TuringTable::kColumnWidth, TuringTable::kRowHeight);
            const bool current = col == curCol && row == curRow;
            if (col == 0 && row == 0) {
                delegate_.PaintCorner(painter, cell, face);
            } else if (row == 0) {
                delegate_.PaintHeader(painter, cell, face, text);
            } else if (col == 0) {
                delegate_.PaintLabel(painter, cell, face, text);
            } else {
                delegate_.PaintCommand(painter, cell, text, current && running);
            }
            painter.restore();
            if (const auto place = RunController::BreakpointPlace(turing_, col, row);
                place && marks.Marked(table_, *place, col, row)) {
                PaintBreakpointCorner(painter, rect);
            }
            if (col > 0 && row > 0) {
                if (current && !running && hasFocus()) {
                    painter.setPen(QPen(colours.focusFrame, 1, Qt::DotLine));
                    painter.drawRect(rect.adjusted(1, 1, -2, -2));
                }
            }
            if (col == 0 || row == 0) {
                // The fixed cells stand out like buttons.
                painter.setPen(colours.fixedLight);
                painter.drawLine(rect.topLeft(), rect.topRight());
                painter.drawLine(rect.topLeft(), rect.bottomLeft());
                painter.setPen(pal.color(QPalette::Normal, QPalette::Dark));
                painter.drawLine(rect.bottomLeft(), rect.bottomRight());
                painter.drawLine(rect.topRight(), rect.bottomRight());
            }
            painter.setClipping(false);
            painter.fillRect(QRect(rect.right() + 1, rect.top(), kGridLine, withLines.height()),
                             line);
            painter.fillRect(QRect(rect.left(), rect.bottom() + 1, withLines.width(), kGridLine),
                             line);
            if (col == failedCell_.x() && row == failedCell_.y()) {
                PaintFailureFrame(painter, rect);
            }
        }
    }
}

// --- Cursor and keys ---

void TuringTableView::MoveCursor(int col, int row) {
    col = std::clamp(col, 1, std::max(1, table_.ColCount() - 1));
    row = std::clamp(row, 1, std::max(1, table_.RowCount() - 1));
    table_.SetCursor(col, row);
    EnsureVisible(table_.Col(), table_.Row());
}

void TuringTableView::Check() {
    turing_.CheckCell();
}

void TuringTableView::keyPressEvent(QKeyEvent* event) {
    if (IsEditing()) {
        ForwardToEditor(event);
        return;
    }
    const int col = table_.Col();
    const int row = table_.Row();
    const bool ctrl = event->modifiers() & Qt::ControlModifier;
    switch (event->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            // The check first; then Enter opens the editor, as it closes it.
            Check();
            OpenEditor(true);
            return;
        case Qt::Key_Up:
            Check();
            MoveCursor(col, row - 1);
            return;
        case Qt::Key_Down:
            Check();
            MoveCursor(col, row + 1);
            return;
        case Qt::Key_Left:
            MoveCursor(col - 1, row);
            return;
        case Qt::Key_Right:
            MoveCursor(col + 1, row);
            return;
        case Qt::Key_Home:
            MoveCursor(1, ctrl ? 1 : row);
            return;
        case Qt::Key_End:
            MoveCursor(table_.ColCount() - 1, ctrl ? table_.RowCount() - 1 : row);
            return;
        case Qt::Key_PageUp:
            MoveCursor(col, row - FitRows());
            return;
        case Qt::Key_PageDown:
            MoveCursor(col, row + FitRows());
            return;
        case Qt::Key_F2:
            OpenEditor(true);
            return;
        case Qt::Key_Delete:
        case Qt::Key_Backspace:
            // The current cell is the selection: it is emptied as one edit.
            if (!(event->modifiers() & ~Qt::KeypadModifier)) {
                TableCommands::ClearCells(turing_, col, row, col, row);
                return;
            }
            break;
        default:
            break;
    }
    const QString text = event->text();
    const bool command = event->modifiers() & (Qt::ControlModifier | Qt::AltModifier);
    if (!command && !text.isEmpty() && text[0] >= u' ' && text[0] != QChar(0x7F)) {
        // Typing replaces the cell's text, starting with this key.
        OpenEditor(false);
        if (IsEditing()) {
            editor_->clear();
            ForwardToEditor(event);
        }
        return;
    }
    event->ignore();
}

// A key the editor does not take (it may be disabled while a run goes on)
// travels back up to the view; it must not be sent to the editor again.
void TuringTableView::ForwardToEditor(QKeyEvent* event) {
    if (forwarding_) {
        event->ignore();
        return;
    }
    forwarding_ = true;
    QCoreApplication::sendEvent(editor_, event);
    forwarding_ = false;
}

void TuringTableView::SetContextMenu(QMenu* menu) {
    menu_ = menu;
    if (!menu) {
        return;
    }
    // The menu's item has run by the time this comes round.
    connect(menu, &QMenu::aboutToHide, this,
            [this] { QTimer::singleShot(0, this, [this] { menuHeaderCol_ = -1; }); });
}

void TuringTableView::mousePressEvent(QMouseEvent* event) {
    const QPoint cell = CellAt(event->position().toPoint());
    const bool pick = event->button() == Qt::LeftButton || (event->buttons() & Qt::RightButton);
    menuHeaderCol_ = -1;
    if (event->button() == Qt::RightButton && cell.y() == 0 && cell.x() >= 1) {
        // A state's header: its column becomes current, and the pop-up's
        // breakpoint item marks the whole state.
        if (IsEditing()) {
            CloseEditor(true);
        }
        menuHeaderCol_ = cell.x();
        MoveCursor(cell.x(), table_.Row());
    }
    if (pick && IsCommandCell(cell.x(), cell.y())) {
        if (IsEditing() && (cell.x() != editCol_ || cell.y() != editRow_)) {
            CloseEditor(true);
        }
        MoveCursor(cell.x(), cell.y());
    }
    QAbstractScrollArea::mousePressEvent(event);
}

void TuringTableView::mouseDoubleClickEvent(QMouseEvent* event) {
    const QPoint cell = CellAt(event->position().toPoint());
    if (event->button() == Qt::LeftButton && IsCommandCell(cell.x(), cell.y())) {
        MoveCursor(cell.x(), cell.y());
        OpenEditor(true);
        return;
    }
    QAbstractScrollArea::mouseDoubleClickEvent(event);
}

void TuringTableView::contextMenuEvent(QContextMenuEvent* event) {
    QPoint global = event->globalPos();
    if (event->reason() != QContextMenuEvent::Mouse) {
        const QRect rect = CellRect(table_.Col(), table_.Row());
        if (!rect.isEmpty()) {
            global = viewport()->mapToGlobal(rect.center());
        }
    }
    Q_EMIT ContextMenuRequested(global);
    if (menu_) {
        menu_->popup(global);
    }
    event->accept();
}

void TuringTableView::focusInEvent(QFocusEvent* event) {
    QAbstractScrollArea::focusInEvent(event);
    UpdateCell(table_.Col(), table_.Row());
}

void TuringTableView::focusOutEvent(QFocusEvent* event) {
    QAbstractScrollArea::focusOutEvent(event);
    UpdateCell(table_.Col(), table_.Row());
    FocusLeft(event->reason());
}

// Leaving the table acts as Enter. Focus that moves between the grid and its
// editor stays inside, and a pop-up menu, the menu bar or another window
// taking the keyboard for a while is not leaving either.
void TuringTableView::FocusLeft(Qt::FocusReason reason) {
    if (reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason ||
        reason == Qt::MenuBarFocusReason) {
        return;
    }
    QWidget* now = QApplication::focusWidget();
    if (now && (now == this || isAncestorOf(now))) {
        return;
    }
    CloseEditor(false);
    Check();
}

// --- In-place editor ---

void TuringTableView::EditCurrentCell() {
    OpenEditor(true);
}

void TuringTableView::OpenEditor(bool selectAll) {
    const int col = table_.Col();
    const int row = table_.Row();
    if (!isEnabled() || !IsCommandCell(col, row)) {
        return;
    }
    if (IsEditing()) {
        if (col == editCol_ && row == editRow_) {
            return;
        }
        CloseEditor(true);
    }
    EnsureVisible(col, row);
    turing_.NoteCellEditStart();
    editCol_ = col;
    editRow_ = row;
    editOriginal_ = table_.Cell(col, row);
    editor_->setText(editOriginal_);
    if (selectAll) {
        editor_->selectAll();
    }
    PlaceEditor();
    editor_->show();
    editor_->setFocus(Qt::OtherFocusReason);
}

void TuringTableView::CloseEditor(bool keepFocus) {
    if (!IsEditing()) {
        return;
    }
    const int col = editCol_;
    const int row = editRow_;
    editCol_ = -1;
    editRow_ = -1;
    if (keepFocus && editor_->hasFocus()) {
        setFocus(Qt::OtherFocusReason);
    }
    editor_->hide();
    UpdateCell(col, row);
}

void TuringTableView::PlaceEditor() {
    if (!IsEditing()) {
        return;
    }
    const QRect rect = CellRect(editCol_, editRow_);
    // A cell scrolled away keeps its editor, out of sight.
    editor_->setGeometry(rect.isEmpty() ? QRect(-ColPitch() * 2, 0, 1, 1) : rect);
}

// Text typed or pasted enters the code page's repertoire at once and goes
// straight into the cell, so the cell always holds what the user sees.
// Typing marks the document modified: a command typed and left without a
// check is still part of the program and must not be lost unasked.
void TuringTableView::EditorEdited(const QString& text) {
    if (!IsEditing()) {
        return;
    }
    // A pasted line break would end up in the document as a blank anyway.
    const QString clean = DocumentFile::OneLine(Cp1251::Sanitize(text));
    if (clean != text) {
        const int caret = editor_->cursorPosition();
        editor_->setText(clean);
        editor_->setCursorPosition(std::min(caret, int(clean.size())));
    }
    if (table_.Cell(editCol_, editRow_) != clean) {
        turing_.SetModified(true);
        table_.SetCell(editCol_, editRow_, clean);
    }
}

bool TuringTableView::EditorKey(QKeyEvent* event) {
    const bool plain = !(event->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier));
    switch (event->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            Check();
            CloseEditor(true);
            return true;
        case Qt::Key_Up:
        case Qt::Key_Down: {
            Check();
            const int col = table_.Col();
            const int row = table_.Row() + (event->key() == Qt::Key_Up ? -1 : 1);
            CloseEditor(true);
            MoveCursor(col, row);
            return true;
        }
        case Qt::Key_Tab:
        case Qt::Key_Backtab:
            // Tab leaves the table, as it does without the editor.
            CloseEditor(true);
            focusNextPrevChild(event->key() == Qt::Key_Tab);
            return true;
        case Qt::Key_Escape:
            if (table_.Cell(editCol_, editRow_) != editOriginal_) {
                table_.SetCell(editCol_, editRow_, editOriginal_);
            }
            CloseEditor(true);
            return true;
        case Qt::Key_Left:
            // At the start of the text the arrow leaves the cell.
            if (plain && editor_->cursorPosition() == 0 && !editor_->hasSelectedText()) {
                CloseEditor(true);
                MoveCursor(table_.Col() - 1, table_.Row());
                return true;
            }
            return false;
        case Qt::Key_Right:
            if (plain && editor_->cursorPosition() == editor_->text().size() &&
                !editor_->hasSelectedText()) {
                CloseEditor(true);
                MoveCursor(table_.Col() + 1, table_.Row());
                return true;
            }
            return false;
        default:
            return false;
    }
}

bool TuringTableView::eventFilter(QObject* watched, QEvent* event) {
    if (watched == editor_) {
        if (event->type() == QEvent::KeyPress && IsEditing()) {
            return EditorKey(static_cast<QKeyEvent*>(event));
        }
        if (event->type() == QEvent::FocusOut) {
            FocusLeft(static_cast<QFocusEvent*>(event)->reason());
        }
    }
    return QAbstractScrollArea::eventFilter(watched, event);
}

// --- Following the model ---

void TuringTableView::CellChanged(int col, int row) {
    UpdateCell(col, row);
    if (IsEditing() && col == editCol_ && row == editRow_) {
        const QString& text = table_.Cell(col, row);
        if (editor_->text() != text) {
            editor_->setText(text);
        }
    }
}

void TuringTableView::LayoutChanged() {
    CloseEditor(true);
    UpdateScrollBars();
    KeepCursorInCommands();
    shownCol_ = table_.Col();
    shownRow_ = table_.Row();
    viewport()->update();
}

void TuringTableView::CursorChanged(int col, int row) {
    if (!IsCommandCell(col, row)) {
        KeepCursorInCommands();  // emits again with the cell it settled on
        return;
    }
    if (IsEditing() && (col != editCol_ || row != editRow_)) {
        CloseEditor(true);
    }
    UpdateCell(shownCol_, shownRow_);
    shownCol_ = col;
    shownRow_ = row;
    EnsureVisible(col, row);
    UpdateCell(col, row);
}

// A grid's current cell is never one of its fixed cells. Rows removed by an
// alphabet rebuild can leave the table's cursor on the header; the cell
// below it is where the user would look and where typing should go.
void TuringTableView::KeepCursorInCommands() {
    const int col = table_.Col();
    const int row = table_.Row();
    if (!IsCommandCell(col, row)) {
        table_.SetCursor(std::max(col, 1), std::max(row, 1));
    }
}

void TuringTableView::ControlsChanged() {
    setEnabled(bench_.RunControl().Controls().turingTable);
}
