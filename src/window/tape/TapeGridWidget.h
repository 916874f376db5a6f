#pragma once
// One machine's tape grid: a single row of 27
// cells with the carriage cell in the middle, drawn from that machine's
// TapeStore at every paint, never from a copy. It owns the selection (a
// range of columns with one focused cell, whose offset from the carriage
// column is SelOffset) and the pointer column, and it turns the tape's keys
// and mouse into selection moves and carriage moves. Commands that change
// cells are requested through signals; the tape panel carries them out.

#include <QWidget>
#include <functional>

#include "core/machine/MachineKind.h"

class TapeStore;
class Workbench;

class TapeGridWidget : public QWidget {
    Q_OBJECT
public:
    static constexpr int CellWidth = 19;
    static constexpr int CarriageWidth = 23;
    static constexpr int RowHeight = 25;
    static constexpr int GridWidth = 26 * CellWidth + CarriageWidth;
    static constexpr int HelpContext = 30;
    static QColor Background();  // the colour set's tape ground
    static int ColumnLeft(int col);
    static int ColumnWidth(int col);
    // The column under x, or -1 beside the grid.
    static int ColumnAtX(int x);

    TapeGridWidget(Workbench& bench, MachineKind kind, QWidget* parent = nullptr);

    MachineKind Kind() const { return kind_; }
    Workbench& Bench() const { return bench_; }
    TapeStore& Tape() const;
    // Where column `col` stands on the widget, at the zoom in use.
    QRect CellRect(int col) const;
    // The view's zoom (1 is the normal size): the grid is drawn scaled by it
    // and the mouse read back through it.
    void SetZoom(qreal zoom);

    // The selection: columns FirstSelected() to LastSelected(), the focused
    // one being FocusCol(). SelOffset is the focused column minus 13.
    int FocusCol() const { return focus_; }
    int AnchorCol() const { return anchor_; }
    int SelOffset() const;
    int FirstSelected() const;
    int LastSelected() const;
    // Selects anchor..focus and focuses `focus` (both clamped to the grid).
    void Select(int anchor, int focus);
    void SelectCarriageCell();
    // After a symbol typed on the tape: the cell right of the selection
    // becomes the selection, as the Right arrow reaches it (at the grid's
    // edge the tape scrolls under it); at the tape's end the last cell stays
    // selected, without the arrow's beep.
    void StepPastSelection();
    // The column under the mouse pointer, -1 before the pointer came over.
    // Whether the selection is drawn although the grid lacks the focus (the
    // Turing grid while the symbol list has it).
    void SetSelectionShownElsewhere(std::function<bool()> shown);
    bool SelectionShown() const;

    // Key-down on the tape, typed there or handed on by the main window.
    // Returns whether the key was used.
    bool TapeKeyDown(QKeyEvent* event);

Q_SIGNALS:
    // Space on the Post tape.
    void ToggleMarksRequested();
    // A character typed on the Turing tape (the space included).
    void SymbolTyped(QChar ch);
    void CellDoubleClicked(int col);
    void PopupMenuRequested(const QPoint& globalPos);
    // The selection or its focused cell moved, or the grid took the focus:
    // its accessible list tells a screen reader.
    void SelectionMoved();

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void DrawCell(QPainter& painter, int col);
    void UpdateColumns(int from, int to);
    void MoveFocus(int col, bool extend);
    void CarriageKey(bool left);
    void KeepFocusOnTape();
    QRect Zoomed(const QRect& rect) const;
    int UnzoomedX(const QMouseEvent* event) const;

    Workbench& bench_;
    MachineKind kind_;
    int anchor_ = 13;
    int focus_ = 13;
    int pointer_ = -1;
    bool dragging_ = false;
    qreal zoom_ = 1;
    std::function<bool()> shownElsewhere_;
};
