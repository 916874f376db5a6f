#pragma once
// The Turing table on screen: a grid with the state headers in
// its fixed top row and the row labels in its fixed left column, 70 x 25
// pixel cells, scrolled a whole cell at a time. It keeps no cell text: every
// paint reads the TuringTable, and its current cell is the table's cursor,
// which the interpreter moves as it runs; only the cells that change are
// repainted.
//
// User actions become model calls: Enter, Up, Down and leaving the table run
// the cell check (TuringMachine::CheckCell) before the key does anything
// else; opening the in-place editor notes an edit start; typing writes the
// sanitised text straight into the cell and marks the document modified;
// Delete and Backspace empty the current cell as one edit; a
// right click makes the clicked command cell current before the pop-up menu
// opens; on a state's header it makes that column current and the menu's
// breakpoint item marks the whole state. Breakpoints are drawn as red
// corners of their cells and headers. The table is enabled exactly while the run controller allows
// it.

#include <QAbstractScrollArea>
#include <QMenu>
#include <QPoint>
#include <QPointer>
#include <QString>

#include "window/turing/TuringCellDelegate.h"

class QLineEdit;
class TuringMachine;
class TuringTable;
class Workbench;

class TuringTableView : public QAbstractScrollArea {
    Q_OBJECT
public:
    static constexpr int kGridLine = 1;  // between cells

    explicit TuringTableView(Workbench& bench, QWidget* parent = nullptr);

    TuringTable& Table() const { return table_; }

    // A cell's rectangle in viewport coordinates; empty for a cell outside
    // the table or scrolled out of view to the left or above.
    QRect CellRect(int col, int row) const;
    // The view's zoom (1 is the normal size): cells and their drawing grow
    // with it.
    void SetZoom(qreal zoom);
    // The cell at a viewport point as (column, row); (-1, -1) for none.
    QPoint CellAt(const QPoint& pos) const;
    // The first state column and the first row below the header on screen.
    int LeftCol() const;
    int TopRow() const;

    bool IsEditing() const { return editCol_ >= 0; }
    QLineEdit* Editor() const { return editor_; }
    // Opens the in-place editor on the current cell with its text selected,
    // as F2 does.
    void EditCurrentCell();

    // The menu a right click (or the menu key) opens over the table, after
    // the clicked cell has become current. The view does not own it.
    void SetContextMenu(QMenu* menu);
    // The state column whose header the open pop-up menu was asked for on,
    // -1 otherwise: its breakpoint item then marks the whole state.
    int MenuHeaderCol() const { return menuHeaderCol_; }

Q_SIGNALS:
    // Emitted on every pop-up request, with the menu's global position, so
    // that a menu can also be built at that moment.
    void ContextMenuRequested(const QPoint& globalPos);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void ForwardToEditor(QKeyEvent* event);
    static bool IsCommandCell(int col, int row) { return col >= 1 && row >= 1; }
    int FitCols() const;
    int FitRows() const;
    void UpdateScrollBars();
    int CellWidth() const;
    int CellHeight() const;
    int ColPitch() const;
    int RowPitch() const;
    void EnsureVisible(int col, int row);
    void UpdateCell(int col, int row);
    void MoveCursor(int col, int row);
    void KeepCursorInCommands();
    // Runs the check of the current cell, as Enter does.
    void Check();

    void OpenEditor(bool selectAll);
    void CloseEditor(bool keepFocus);
    void PlaceEditor();
    bool EditorKey(QKeyEvent* event);
    void EditorEdited(const QString& text);
    void FocusLeft(Qt::FocusReason reason);

    void CellChanged(int col, int row);
    void LayoutChanged();
    void CursorChanged(int col, int row);
    void ControlsChanged();

    Workbench& bench_;
    TuringMachine& turing_;
    TuringTable& table_;
    TuringCellDelegate delegate_;
    QLineEdit* editor_;
    // The cell under the editor, (-1, -1) while it is closed, and the text
    // the cell had when it opened, which Escape puts back.
    int editCol_ = -1;
    bool forwarding_ = false;
    int editRow_ = -1;
    QString editOriginal_;
    // Where the cursor was last painted, to repaint it when it moves.
    int shownCol_ = 0;
    int shownRow_ = 0;
    QPointer<QMenu> menu_;
    // The cell framed as where the last run failed, (-1, -1) for none.
    QPoint failedCell_{-1, -1};
    int menuHeaderCol_ = -1;
    qreal zoom_ = 1;
};
