#pragma once
// What a screen reader sees of a tape grid: a list whose items are the
// tape's cells in the window, named as SpokenText::TapeCell reads them
// ("ячейка 3, метка, каретка"). An item stands for a cell number, not a
// column, so when the carriage moves the carriage's item is another one:
// the move is told as a selection change on the list (and as a focus
// change while the grid has the keyboard focus), a rewritten carriage cell
// as a name change. It listens to Workbench::TapeChanged, which a fast run
// sends once per batch, and to the grid's SelectionMoved; it exists only
// while an accessibility client asks, and tells nothing when none is active.

#include <QAccessibleWidget>
#include <memory>

#include "window/resources/AccessibleParts.h"

class TapeGridWidget;

class TapeAccessible : public QAccessibleWidget {
public:
    explicit TapeAccessible(TapeGridWidget* grid);

    QAccessible::Role role() const override { return QAccessible::List; }
    QString text(QAccessible::Text t) const override;
    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* childAt(int x, int y) const override;
    QAccessibleInterface* focusChild() const override;

    // The item of tape cell `cell` (made on first use and kept).
    QAccessibleInterface* Cell(int cell) const;

private:
    TapeGridWidget* Grid() const;
    int FirstColumn() const;
    int ColumnCount() const;
    void Announce();

    mutable AccessibleParts<int> cells_;
    std::unique_ptr<QObject> listener_;
    int shownCarriage_ = 0;
    int shownFocus_ = 0;
    QString shownCarriageName_;
};

// One cell of the tape as a list item: its name, its place on the screen,
// and whether it is selected or has the focus, all read from the grid.
class TapeCellAccessible : public AccessiblePart {
public:
    TapeCellAccessible(TapeGridWidget* grid, int cell);

    QString text(QAccessible::Text t) const override;
    QRect rect() const override;
    QAccessible::Role role() const override { return QAccessible::ListItem; }
    QAccessible::State state() const override;

    int CellNumber() const { return cell_; }

private:
    TapeGridWidget* Grid() const;
    int Column() const;

    int cell_;
};
