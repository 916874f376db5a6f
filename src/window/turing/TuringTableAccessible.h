#pragma once
// What a screen reader sees of the Turing table: a table whose top row
// holds the state headers (column header cells), whose left column the
// symbol labels (row header cells), and whose other cells read their
// command as words (SpokenText::TuringCell: "Q1: записать 1, вправо, в
// Q2"). The cells are read from the TuringTable whenever asked; an item
// stands for a place (column, row) and is dropped when the table changes
// shape. It follows the table's signals: a cell written is a name change,
// the cursor's move (which a run makes once per batch) a focus change
// while the view has the focus and a selection change otherwise. Nothing
// is told while no accessibility client is active.

#include <QAccessibleWidget>
#include <memory>
#include <utility>

#include "window/resources/AccessibleParts.h"

class TuringTableView;

class TuringTableAccessible : public QAccessibleWidget, public QAccessibleTableInterface {
public:
    explicit TuringTableAccessible(TuringTableView* view);

    QAccessible::Role role() const override { return QAccessible::Table; }
    QString text(QAccessible::Text t) const override;
    void* interface_cast(QAccessible::InterfaceType t) override;
    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* childAt(int x, int y) const override;
    QAccessibleInterface* focusChild() const override;

    // QAccessibleTableInterface, over the command cells: row r and column c
    // are the table's row r + 1 and state column c + 1.
    QAccessibleInterface* caption() const override { return nullptr; }
    QAccessibleInterface* summary() const override { return nullptr; }
    QAccessibleInterface* cellAt(int row, int column) const override;
    int selectedCellCount() const override { return 1; }
    QList<QAccessibleInterface*> selectedCells() const override;
    QString columnDescription(int column) const override;
    QString rowDescription(int row) const override;
    int selectedColumnCount() const override { return 0; }
    int selectedRowCount() const override { return 0; }
    int columnCount() const override;
    int rowCount() const override;
    QList<int> selectedColumns() const override { return {}; }
    QList<int> selectedRows() const override { return {}; }
    bool isColumnSelected(int) const override { return false; }
    bool isRowSelected(int) const override { return false; }
    bool selectColumn(int) override { return false; }
    bool selectRow(int) override { return false; }
    bool unselectColumn(int) override { return false; }
    bool unselectRow(int) override { return false; }
    void modelChange(QAccessibleTableModelChangeEvent*) override {}

    // The item of a place of the grid, headers included (made on first use).
    QAccessibleInterface* Place(int col, int row) const;

private:
    TuringTableView* View() const;
    void CellWritten(int col, int row);
    void CursorMoved(int col, int row);

    mutable AccessibleParts<std::pair<int, int>> places_;
    std::unique_ptr<QObject> listener_;
};

// One place of the Turing table: a header, a label or a command cell.
class TuringCellAccessible : public AccessiblePart, public QAccessibleTableCellInterface {
public:
    TuringCellAccessible(TuringTableView* view, int col, int row);

    bool isValid() const override;
    QString text(QAccessible::Text t) const override;
    QRect rect() const override;
    QAccessible::Role role() const override;
    QAccessible::State state() const override;
    void* interface_cast(QAccessible::InterfaceType t) override;

    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    QList<QAccessibleInterface*> columnHeaderCells() const override;
    QList<QAccessibleInterface*> rowHeaderCells() const override;
    int columnIndex() const override { return col_ - 1; }
    int rowIndex() const override { return row_ - 1; }
    bool isSelected() const override;
    QAccessibleInterface* table() const override { return parent(); }

private:
    TuringTableView* View() const;
    TuringTableAccessible* Table() const;

    int col_;
    int row_;
};
