#include "window/post/PostTableView.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <algorithm>
#include <limits>

#include "core/editing/TableCommands.h"
#include "core/post/PostMachine.h"
#include "core/run/RunController.h"
#include "core/workbench/Workbench.h"
#include "window/post/PostCommandBox.h"
#include "window/post/PostTableDelegate.h"
#include "window/post/PostTableViewModel.h"
#include "window/resources/FailureFrame.h"

namespace {

constexpr int kFirstViewCol = PostTable::ColCommand;  // the number column is fixed
constexpr int kLastViewCol = PostTable::ColComment;
constexpr int kChooserHeight = PostTableView::RowHeight + 4;

}  // namespace

PostTableView::PostTableView(Workbench& bench, QWidget* parent)
    : QTableView(parent),
      bench_(bench),
      post_(bench.Post()),
      table_(post_.table),
      model_(new PostTableViewModel(table_, this)),
      delegate_(new PostTableDelegate(post_, this)),
      chooser_(nullptr) {
    setObjectName(QStringLiteral("sgMainPst"));
    QFont cellFont = font();
    cellFont.setPixelSize(10);
    setFont(cellFont);
    setModel(model_);
    setItemDelegate(delegate_);
    delegate_->editorOpened = [this](const QModelIndex& index) { EditorOpened(index); };

    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setVerticalScrollMode(ScrollPerItem);
    setSelectionMode(ContiguousSelection);
    setSelectionBehavior(SelectItems);
    setEditTriggers(DoubleClicked | SelectedClicked | EditKeyPressed | AnyKeyPressed);
    setTabKeyNavigation(false);
    setWordWrap(false);
    setShowGrid(true);
    setCornerButtonEnabled(false);
    setToolTip(PostTableViewModel::Hint());
    setStatusTip(PostTableViewModel::Hint());

    QHeaderView* rows = verticalHeader();
    rows->hide();
    rows->setMinimumSectionSize(1);
    rows->setSectionResizeMode(QHeaderView::Fixed);
    rows->setDefaultSectionSize(RowHeight + GridLine);
    QHeaderView* header = horizontalHeader();
    header->setMinimumSectionSize(0);
    header->setSectionResizeMode(QHeaderView::Fixed);
    header->setSectionsClickable(false);
    header->setHighlightSections(false);
    header->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    header->setFixedHeight(RowHeight + GridLine);
    header->setToolTip(PostTableViewModel::Hint());
    header->setStatusTip(PostTableViewModel::Hint());
    setColumnWidth(PostTable::ColComment, InitialCommentWidth + GridLine);
    ApplyColumnWidths();

    chooser_ = new PostCommandBox(viewport());
    chooser_->setFont(cellFont);
    connect(chooser_, &PostCommandBox::Chosen, this, &PostTableView::OnChooserChanged);
    connect(chooser_, &PostCommandBox::KeyUp, this, &PostTableView::OnChooserKeyUp);
    connect(chooser_, &PostCommandBox::LetterTyped, this, &PostTableView::OnChooserLetter);
    connect(chooser_, &PostCommandBox::RowStepRequested, this, &PostTableView::OnChooserRowStep);
    connect(chooser_, &PostCommandBox::Exited, this, &PostTableView::OnChooserLeft);

    connect(&table_, &TextTable::CursorChanged, this, &PostTableView::FollowCursor);
    connect(model_, &QAbstractItemModel::modelReset, this, &PostTableView::ModelReset);
    RunController& run = bench_.RunControl();
    connect(&run, &RunController::RunViewChanged, this, &PostTableView::RunViewChanged);
    connect(&run, &RunController::ControlsChanged, this,
            [this] { setEnabled(bench_.RunControl().Controls().postTable); });
    connect(&run, &RunController::TableFocusRequested, this, [this] {
        if (bench_.Kind() == MachineKind::Post) {
            setFocus();
        }
    });
    setEnabled(run.Controls().postTable);
    delegate_->runningRow = [this] { return RunningRow(); };
    delegate_->breakpointAt = [this](int row) {
        return bench_.RunControl().BreakpointsOf(post_).Marked(table_, Breakpoints::Place::Row,
                                                               PostTable::ColNumber, row);
    };
    connect(&run, &RunController::BreakpointsChanged, viewport(), qOverload<>(&QWidget::update));
    highlightRow_ = RunningRow();
    FollowCursor();
}

PostTableView::~PostTableView() {
    delegate_->editorOpened = nullptr;
}

QRect PostTableView::CellRect(int col, int row) const {
    const QModelIndex index = model_->IndexOf(col, row);
    return index.isValid() ? visualRect(index) : QRect();
}

QPoint PostTableView::CellAt(const QPoint& pos) const {
    const QModelIndex index = indexAt(pos);
    return index.isValid() ? QPoint(index.column(), index.row() + 1) : QPoint(-1, -1);
}

int PostTableView::CommentWidth() const {
    return columnWidth(PostTable::ColComment) - GridLine;
}

void PostTableView::ApplyColumnWidths() {
    // Section sizes include the grid line, so every cell's drawing area is
    // exactly its design width (the command pictures are 50 x 17) times the
    // zoom.
    for (int col = PostTable::ColNumber; col < PostTable::ColComment; ++col) {
        setColumnWidth(col, Zoomed(FixedColumnWidth) + GridLine);
    }
    if (testAttribute(Qt::WA_Resized)) {
        setColumnWidth(PostTable::ColComment,
                       std::max(0, width() - Zoomed(CommentMargin)) + GridLine);
    }
}

int PostTableView::Zoomed(int pixels) const {
    return qRound(pixels * zoom_);
}

void PostTableView::SetZoom(qreal zoom) {
    zoom_ = zoom;
    QFont cellFont = font();
    cellFont.setPixelSize(Zoomed(10));
    setFont(cellFont);
    chooser_->setFont(cellFont);
    verticalHeader()->setDefaultSectionSize(Zoomed(RowHeight) + GridLine);
    horizontalHeader()->setFixedHeight(Zoomed(RowHeight) + GridLine);
    ApplyColumnWidths();
    if (chooser_->isVisible()) {
        PlaceChooser();
    }
    viewport()->update();
}

void PostTableView::resizeEvent(QResizeEvent* event) {
    QTableView::resizeEvent(event);
    ApplyColumnWidths();
}

// --- the cursor, both ways -------------------------------------------------

void PostTableView::FollowCursor() {
    // While the table changes shape the view's rows still count the old
    // way; the reset that follows brings the cursor along.
    if (verticalHeader()->count() != model_->rowCount()) {
        return;
    }
    const int col = std::clamp(table_.Col(), kFirstViewCol, kLastViewCol);
    const int row = std::clamp(table_.Row(), 1, table_.ProgramRows());
    if (col != table_.Col() || row != table_.Row()) {
        // Like any grid, the table's current cell lies outside its fixed
        // row and column; the table hears of it and calls back here.
        table_.SetCursor(col, row);
        return;
    }
    const QModelIndex target = model_->IndexOf(col, row);
    if (target == currentIndex()) {
        return;
    }
    following_ = true;
    selectionModel()->setCurrentIndex(target, QItemSelectionModel::ClearAndSelect);
    following_ = false;
}

void PostTableView::currentChanged(const QModelIndex& current, const QModelIndex& previous) {
    QTableView::currentChanged(current, previous);
    if (!following_ && current.isValid()) {
        table_.SetCursor(current.column(), current.row() + 1);
    }
}

void PostTableView::ModelReset() {
    editCol_ = -1;
    ApplyColumnWidths();
    FollowCursor();
    if (chooserOpen_) {
        PlaceChooser();
    }
}

// --- the running row -------------------------------------------------------

int PostTableView::RunningRow() const {
    const RunController& run = bench_.RunControl();
    return run.Active(post_) ? run.Position(post_).at : 0;
}

int PostTableView::FailedRow() const {
    const FailurePlace* place = bench_.RunControl().FailedAt(post_);
    return place ? place->row : 0;
}

void PostTableView::RunViewChanged() {
    const int failed = FailedRow();
    if (failed != failedRow_) {
        for (int row : {failedRow_, failed}) {
            const QRect whole =
                CellRect(PostTable::ColNumber, row) | CellRect(PostTable::ColComment, row);
            viewport()->update(whole.adjusted(-2, -2, 2, 2));
        }
        failedRow_ = failed;
    }
    const int now = RunningRow();
    if (now == highlightRow_) {
        return;
    }
    UpdateRow(highlightRow_);
    highlightRow_ = now;
    UpdateRow(now);
}

void PostTableView::paintEvent(QPaintEvent* event) {
    QTableView::paintEvent(event);
    if (failedRow_ > 0) {
        const QRect whole = CellRect(PostTable::ColNumber, failedRow_) |
                            CellRect(PostTable::ColComment, failedRow_);
        if (!whole.isEmpty()) {
            QPainter painter(viewport());
            PaintFailureFrame(painter, whole);
        }
    }
}

void PostTableView::UpdateRow(int row) {
    const QRect cells = CellRect(PostTable::ColCommand, row) | CellRect(PostTable::ColComment, row);
    if (!cells.isEmpty()) {
        viewport()->update(cells);
    }
}

// --- editing ---------------------------------------------------------------

bool PostTableView::edit(const QModelIndex& index, EditTrigger trigger, QEvent* event) {
    if (!index.isValid() || !(model_->flags(index) & Qt::ItemIsEditable)) {
        return QTableView::edit(index, trigger, event);
    }
    if (trigger == AnyKeyPressed) {
        // Only a printable character begins an edit; shortcuts do not.
        const auto* key = event && event->type() == QEvent::KeyPress
                              ? static_cast<const QKeyEvent*>(event)
                              : nullptr;
        if (!key || key->text().isEmpty() || !key->text().at(0).isPrint() ||
            key->modifiers() & (Qt::ControlModifier | Qt::MetaModifier)) {
            return false;
        }
    }
    if (index.column() != PostTable::ColCommand) {
        return QTableView::edit(index, trigger, event);
    }
    // The command cell has no text editor: a key opens the chooser closed,
    // and the mouse opens it dropped down when its button is released.
    if ((trigger != AnyKeyPressed && trigger != EditKeyPressed) || !(editTriggers() & trigger) ||
        state() == EditingState) {
        return false;
    }
    bench_.NoteEdit();
    OpenCommandChooser(index.row() + 1, false);
    // A letter that begins a command chooses it at once.
    if (trigger == AnyKeyPressed) {
        const QString text = static_cast<const QKeyEvent*>(event)->text();
        if (text.size() == 1) {
            OnChooserLetter(text.at(0));
        }
    }
    return true;
}

void PostTableView::EditorOpened(const QModelIndex& index) {
    bench_.NoteEdit();
    editCol_ = index.column();
    editRow_ = index.row() + 1;
    editOriginal_ = table_.Cell(editCol_, editRow_);
}

void PostTableView::closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) {
    // Typing reaches the table at once; Escape puts back what the cell held
    // when editing began.
    if (hint == QAbstractItemDelegate::RevertModelCache && editCol_ >= 0) {
        table_.SetCell(editCol_, editRow_, editOriginal_);
    }
    editCol_ = -1;
    QTableView::closeEditor(editor, hint);
}

void PostTableView::keyPressEvent(QKeyEvent* event) {
    if (IsClearKey(event) && state() != EditingState) {
        ClearSelectedCells();
        event->accept();
        return;
    }
    // Enter opens the editor of the current cell, as F2 does.
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) &&
        state() != EditingState && currentIndex().isValid()) {
        if (edit(currentIndex(), EditKeyPressed, event)) {
            event->accept();
            return;
        }
    }
    QTableView::keyPressEvent(event);
}

bool PostTableView::IsClearKey(const QKeyEvent* event) {
    return (event->key() == Qt::Key_Delete || event->key() == Qt::Key_Backspace) &&
           !(event->modifiers() & ~Qt::KeypadModifier);
}

void PostTableView::ClearSelectedCells() {
    // The selection is one block (ContiguousSelection); without one the
    // current cell is cleared.
    const QModelIndexList cells = selectionModel()->selectedIndexes();
    const QModelIndex current = currentIndex();
    if (cells.isEmpty() && !current.isValid()) {
        return;
    }
    int firstCol = current.column();
    int lastCol = firstCol;
    int firstRow = current.row();
    int lastRow = firstRow;
    if (!cells.isEmpty()) {
        firstCol = firstRow = std::numeric_limits<int>::max();
        lastCol = lastRow = -1;
        for (const QModelIndex& cell : cells) {
            firstCol = std::min(firstCol, cell.column());
            lastCol = std::max(lastCol, cell.column());
            firstRow = std::min(firstRow, cell.row());
            lastRow = std::max(lastRow, cell.row());
        }
    }
    TableCommands::ClearCells(post_, firstCol, firstRow + 1, lastCol, lastRow + 1);
}

// --- mouse -----------------------------------------------------------------

void PostTableView::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::RightButton) {
        QTableView::mousePressEvent(event);
        return;
    }
    // The pop-up menu acts on the cursor, so the clicked cell becomes
    // current first, column before row. On the number column only the row
    // moves; over the header or below the last row nothing does.
    const QPoint cell = CellAt(event->position().toPoint());
    if (cell.y() >= 1) {
        if (cell.x() >= kFirstViewCol) {
            table_.SetCol(cell.x());
        }
        table_.SetRow(cell.y());
    }
    event->accept();
}

void PostTableView::mouseReleaseEvent(QMouseEvent* event) {
    QTableView::mouseReleaseEvent(event);
    if (event->button() != Qt::LeftButton) {
        return;
    }
    const QPoint cell = CellAt(event->position().toPoint());
    if (cell.x() == PostTable::ColCommand && table_.IsProgramRow(cell.y())) {
        OpenCommandChooser(cell.y(), true);
    }
}

void PostTableView::contextMenuEvent(QContextMenuEvent* event) {
    QPoint global = event->globalPos();
    if (event->reason() == QContextMenuEvent::Keyboard && currentIndex().isValid()) {
        global = viewport()->mapToGlobal(visualRect(currentIndex()).center());
    }
    event->accept();
    Q_EMIT ContextMenuRequested(global);
    if (menu_) {
        menu_->popup(global);
    }
}

// --- the command chooser ---------------------------------------------------

void PostTableView::PlaceChooser() {
    const QRect cell = CellRect(PostTable::ColCommand, table_.Row());
    if (cell.isEmpty()) {
        return;
    }
    chooser_->setGeometry(cell.left(), cell.top(), Zoomed(PostCommandBox::BoxWidth),
                          Zoomed(kChooserHeight));
}

void PostTableView::OpenCommandChooser(int row, bool dropDown) {
    if (!table_.IsProgramRow(row)) {
        return;
    }
    // The chooser stores into the cursor's row; it opens on that row.
    table_.SetCursor(PostTable::ColCommand, row);
    const int code = PostTableDelegate::CodeOf(table_.Code(row));
    chooser_->setCurrentIndex(code < 0 ? 0 : code);
    chooserOpen_ = true;
    chooserOriginal_ = table_.Code(row);
    scrollTo(model_->IndexOf(PostTable::ColCommand, row));
    PlaceChooser();
    chooser_->show();
    chooser_->raise();
    chooser_->setFocus(Qt::OtherFocusReason);
    if (dropDown) {
        chooser_->DropDown();
        if (chooser_->currentIndex() < 0) {
            chooser_->SelectItem(0);
        }
        chooser_->SetTag(1);
    }
}

void PostTableView::HideChooser() {
    chooserOpen_ = false;
    chooser_->SetTag(0);
    chooser_->CloseUp();
    // The table holds the focus before the chooser goes, so hiding it does
    // not pass the focus on to some other widget of the window.
    if (chooser_->hasFocus()) {
        setFocus(Qt::OtherFocusReason);
    }
    chooser_->hide();
    chooser_->setCurrentIndex(-1);
}

void PostTableView::CommitCommandChooser() {
    if (!chooserOpen_) {
        return;
    }
    const int index = chooser_->currentIndex();
    const int row = table_.Row();
    if (index >= 0 && table_.IsProgramRow(row)) {
        const QString code = QString::number(index);
        // Enter stores without a change event; the document must still
        // learn that its program changed.
        if (table_.Code(row) != code) {
            bench_.NoteEdit();
            table_.SetCode(row, code);
        }
    }
    HideChooser();
    table_.SetCol(PostTable::ColJump);
    // Handing the focus back to the table leaves the chooser, which closes
    // it: on the last row that appends a row.
    FinishClose(true);
}

void PostTableView::CloseCommandChooser() {
    if (!chooserOpen_) {
        return;
    }
    HideChooser();
    FinishClose(true);
}

void PostTableView::FinishClose(bool takeFocus) {
    const int last = table_.ProgramRows();
    if (table_.Row() == last) {
        table_.SetProgramRows(last + 1);
        // Down and back up: the new row scrolls into view.
        table_.SetRow(last + 1);
        table_.SetRow(last);
    }
    if (takeFocus || !QApplication::focusWidget()) {
        setFocus(Qt::OtherFocusReason);
    }
}

void PostTableView::OnChooserChanged() {
    bench_.NoteEdit();
    CommitCommandChooser();
}

void PostTableView::OnChooserKeyUp(int key) {
    if (!chooserOpen_) {
        return;
    }
    switch (key) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Space:
            if (chooser_->DroppedDown() || chooser_->Tag() == 1) {
                chooser_->SetTag(0);
                CommitCommandChooser();
            } else {
                chooser_->DropDown();
                if (chooser_->currentIndex() < 0) {
                    chooser_->SelectItem(0);
                }
                chooser_->SetTag(1);
            }
            break;
        case Qt::Key_Left:
            chooser_->SelectItem(0);
            break;
        case Qt::Key_Right:
            chooser_->SelectItem(PostCommandBox::ItemCount - 1);
            break;
        case Qt::Key_Up:
        case Qt::Key_Down:
            break;
        case Qt::Key_Escape:
            // A command chosen by a letter is taken back, as Escape puts
            // back a cell's text.
            if (table_.IsProgramRow(table_.Row()) &&
                table_.Code(table_.Row()) != chooserOriginal_) {
                table_.SetCode(table_.Row(), chooserOriginal_);
            }
            CloseCommandChooser();
            break;
        case Qt::Key_Delete:
        case Qt::Key_Backspace:
            CloseCommandChooser();
            ClearSelectedCells();
            break;
        default:
            CloseCommandChooser();
            break;
    }
}

void PostTableView::OnChooserLetter(QChar letter) {
    const int row = table_.Row();
    const int item = PostCommandBox::ItemForLetter(letter, chooser_->currentIndex());
    if (!chooserOpen_ || item < 0 || !table_.IsProgramRow(row)) {
        return;
    }
    // The command is stored at once and the chooser stays on the row, so
    // the same letter again takes the next command that begins with it;
    // Enter then goes on to the jump cell.
    chooser_->CloseUp();
    chooser_->SelectItem(item);
    chooser_->SetTag(1);
    const QString code = QString::number(item);
    if (table_.Code(row) != code) {
        bench_.NoteEdit();
        table_.SetCode(row, code);
    }
}

void PostTableView::OnChooserRowStep(int step) {
    if (!chooserOpen_) {
        return;
    }
    const int row = table_.Row();
    CloseCommandChooser();
    if (table_.IsProgramRow(row + step)) {
        table_.SetRow(row + step);
    }
}

void PostTableView::OnChooserLeft() {
    // The user put the focus on another widget; it stays there.
    if (chooserOpen_) {
        HideChooser();
        FinishClose(false);
    }
}
