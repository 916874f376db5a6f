#pragma once
// The Post program table on screen with its command chooser. It keeps no
// cell text: it shows the PostMachine's table
// through PostTableViewModel and draws every cell with PostTableDelegate at
// the moment of painting. Its current cell is the table's cursor, both ways:
// the interpreter and the row commands move the cursor and the view
// follows; the user moves the view and the cursor follows.
//
// Columns are 50, 50, 50 pixels and the comment column the view's width
// less 180; rows are 17 pixels; the header row and the number column are
// fixed. The jump and comment cells are edited in place; a command is
// chosen from the chooser, which opens over the command cell, or by typing
// the letter it begins with there (PostCommandBox::ItemForLetter); Up and
// Down in the closed chooser go on to the row above or below. Delete and
// Backspace empty the selected cells as one edit. Beginning to
// edit any cell is an edit of the document (Workbench::NoteEdit). While a run
// is active the running row's command, jump and comment cells are green; a
// tick repaints only the row it leaves and the row it enters. A row with a
// breakpoint has a red disc in its number. The view is
// enabled exactly when the run controller allows the Post table.
//
// A right mouse press makes the clicked cell current; the pop-up menu then
// opens through SetContextMenu or ContextMenuRequested.

#include <QMenu>
#include <QPointer>
#include <QTableView>

class QKeyEvent;
class PostCommandBox;
class PostMachine;
class PostTable;
class PostTableDelegate;
class PostTableViewModel;
class Workbench;

class PostTableView : public QTableView {
    Q_OBJECT
public:
    static constexpr int RowHeight = 17;
    static constexpr int FixedColumnWidth = 50;  // number, command and jump columns
    static constexpr int CommentMargin = 180;    // comment column = view width - 180
    static constexpr int InitialCommentWidth = 420;
    static constexpr int GridLine = 1;

    explicit PostTableView(Workbench& bench, QWidget* parent = nullptr);
    ~PostTableView() override;

    PostTableDelegate* Delegate() const { return delegate_; }
    PostCommandBox* CommandChooser() const { return chooser_; }

    // A table cell's rectangle in viewport coordinates (the area its
    // drawing fills, without the grid line); empty for a cell the view does
    // not show.
    QRect CellRect(int col, int row) const;
    // The view's zoom (1 is the normal size): the font, the rows and the
    // fixed columns grow with it.
    void SetZoom(qreal zoom);
    // The table cell at a viewport point as (column, row); (-1, -1) for none.
    QPoint CellAt(const QPoint& pos) const;
    int CommentWidth() const;
    // An in-place text editor is open on a jump or comment cell.
    bool IsEditing() const { return state() == EditingState; }

    // The chooser over the command cell of `row`: preselected from the
    // row's code, dropped down when the mouse opened it, with the focus.
    void OpenCommandChooser(int row, bool dropDown);
    // Stores the chosen code into the current row, hides the chooser and
    // moves the cursor to the row's jump cell; the table takes the focus.
    void CommitCommandChooser();
    // Hides the chooser without storing anything. On the last row one
    // numbered row is appended and scrolled into view. The table takes the
    // focus, unless the focus already went to another widget.
    void CloseCommandChooser();
    bool ChooserOpen() const { return chooserOpen_; }

    // The menu a right click (or the menu key) opens over the table, after
    // the clicked cell has become current. The view does not own it.
    void SetContextMenu(QMenu* menu) { menu_ = menu; }

    // edit(index) opens the editor of a jump or comment cell; the command
    // cell's editor is the chooser (OpenCommandChooser).
    using QTableView::edit;

Q_SIGNALS:
    // Every pop-up request, with the menu's global position, after the
    // clicked cell has become current.
    void ContextMenuRequested(const QPoint& globalPos);

protected:
    void paintEvent(QPaintEvent* event) override;
    bool edit(const QModelIndex& index, EditTrigger trigger, QEvent* event) override;
    void keyboardSearch(const QString&) override {}
    void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;
    void closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    // The handlers of the chooser's events.
    void OnChooserChanged();
    void OnChooserKeyUp(int key);
    void OnChooserLeft();
    void OnChooserLetter(QChar letter);
    void OnChooserRowStep(int step);

    void HideChooser();
    // What closing does after the chooser is hidden: the row appended on
    // the last row, and the focus.
    void FinishClose(bool takeFocus);
    void PlaceChooser();
    void ApplyColumnWidths();
    void FollowCursor();
    void ModelReset();
    void RunViewChanged();
    int FailedRow() const;
    void UpdateRow(int row);
    void EditorOpened(const QModelIndex& index);
    // Delete or Backspace with no modifier but the keypad's.
    static bool IsClearKey(const QKeyEvent* event);
    // Delete and Backspace: the selected cells are emptied as one edit.
    void ClearSelectedCells();

    Workbench& bench_;
    PostMachine& post_;
    PostTable& table_;
    PostTableViewModel* model_;
    PostTableDelegate* delegate_;
    PostCommandBox* chooser_;
    QPointer<QMenu> menu_;
    bool chooserOpen_ = false;
    // Set while the view follows the table's cursor, so that it does not
    // echo the move back.
    bool following_ = false;
    // The row drawn green, 0 for none: the row a tick must repaint when the
    // highlight leaves it.
    int highlightRow_ = 0;
    // The row framed as where the last run failed, 0 for none.
    int failedRow_ = 0;
    int RunningRow() const;
    // The cell under the in-place editor and its text when editing began,
    // which Escape puts back; column -1 while no editor is open.
    int editCol_ = -1;
    int editRow_ = 0;
    QString editOriginal_;
    // The code of the chooser's row when it opened, which Escape puts back
    // after a letter chose a command.
    QString chooserOriginal_;
    int Zoomed(int pixels) const;
    qreal zoom_ = 1;
};
