#include "window/turing/TuringTableAccessible.h"
#include "core/text/Language.h"

#include <QCoreApplication>

#include "core/turing/TuringTable.h"
#include "window/resources/ScreenReader.h"
#include "window/resources/SpokenText.h"
#include "window/turing/TuringTableView.h"

TuringTableAccessible::TuringTableAccessible(TuringTableView* view)
    : QAccessibleWidget(view, QAccessible::Table), listener_(std::make_unique<QObject>()) {
    TuringTable& table = view->Table();
    QObject* context = listener_.get();
    QObject::connect(&table, &TextTable::LayoutChanged, context, [this] {
        places_.Forget();
        if (ScreenReader::Listening()) {
            QAccessibleTableModelChangeEvent reset(View(),
                                                   QAccessibleTableModelChangeEvent::ModelReset);
            QAccessible::updateAccessibility(&reset);
        }
    });
    QObject::connect(&table, &TextTable::CellChanged, context,
                     [this](int col, int row) { CellWritten(col, row); });
    QObject::connect(&table, &TextTable::CursorChanged, context,
                     [this](int col, int row) { CursorMoved(col, row); });
}

TuringTableView* TuringTableAccessible::View() const {
    return static_cast<TuringTableView*>(widget());
}

QString TuringTableAccessible::text(QAccessible::Text t) const {
    if (t == QAccessible::Name && widget()->accessibleName().isEmpty()) {
        return Tr("TuringTableAccessible", "Таблица машины Тьюринга");
    }
    return QAccessibleWidget::text(t);
}

void* TuringTableAccessible::interface_cast(QAccessible::InterfaceType t) {
    if (t == QAccessible::TableInterface) {
        return static_cast<QAccessibleTableInterface*>(this);
    }
    return QAccessibleWidget::interface_cast(t);
}

int TuringTableAccessible::childCount() const {
    const TuringTable& table = View()->Table();
    return table.RowCount() * table.ColCount();
}

QAccessibleInterface* TuringTableAccessible::Place(int col, int row) const {
    if (!View()->Table().Contains(col, row)) {
        return nullptr;
    }
    return places_.Get({col, row},
                       [this, col, row] { return new TuringCellAccessible(View(), col, row); });
}

QAccessibleInterface* TuringTableAccessible::child(int index) const {
    const int cols = View()->Table().ColCount();
    if (index < 0 || index >= childCount() || cols == 0) {
        return nullptr;
    }
    return Place(index % cols, index / cols);
}

int TuringTableAccessible::indexOfChild(const QAccessibleInterface* child) const {
    const std::pair<int, int>* place = places_.KeyOf(child);
    return place ? place->second * View()->Table().ColCount() + place->first : -1;
}

QAccessibleInterface* TuringTableAccessible::childAt(int x, int y) const {
    const QPoint at = View()->viewport()->mapFromGlobal(QPoint(x, y));
    const QPoint cell = View()->CellAt(at);
    return cell.x() < 0 ? nullptr : Place(cell.x(), cell.y());
}

QAccessibleInterface* TuringTableAccessible::focusChild() const {
    const TuringTable& table = View()->Table();
    return View()->hasFocus() ? Place(table.Col(), table.Row()) : nullptr;
}

QAccessibleInterface* TuringTableAccessible::cellAt(int row, int column) const {
    return Place(column + 1, row + 1);
}

QList<QAccessibleInterface*> TuringTableAccessible::selectedCells() const {
    const TuringTable& table = View()->Table();
    QAccessibleInterface* current = Place(table.Col(), table.Row());
    return current ? QList<QAccessibleInterface*>{current} : QList<QAccessibleInterface*>{};
}

QString TuringTableAccessible::columnDescription(int column) const {
    return View()->Table().Cell(column + 1, 0);
}

QString TuringTableAccessible::rowDescription(int row) const {
    return View()->Table().Cell(0, row + 1);
}

int TuringTableAccessible::columnCount() const {
    return std::max(0, View()->Table().ColCount() - 1);
}

int TuringTableAccessible::rowCount() const {
    return std::max(0, View()->Table().RowCount() - 1);
}

void TuringTableAccessible::CellWritten(int col, int row) {
    ScreenReader::Tell(places_.Find({col, row}), QAccessible::NameChanged);
}

void TuringTableAccessible::CursorMoved(int col, int row) {
    if (!ScreenReader::Listening()) {
        return;
    }
    if (QAccessibleInterface* cell = Place(col, row)) {
        ScreenReader::Tell(cell, View()->hasFocus() ? QAccessible::Focus : QAccessible::Selection);
    }
}

TuringCellAccessible::TuringCellAccessible(TuringTableView* view, int col, int row)
    : AccessiblePart(view), col_(col), row_(row) {}

TuringTableView* TuringCellAccessible::View() const {
    return static_cast<TuringTableView*>(Owner());
}

bool TuringCellAccessible::isValid() const {
    return View() && View()->Table().Contains(col_, row_);
}

TuringTableAccessible* TuringCellAccessible::Table() const {
    return static_cast<TuringTableAccessible*>(parent());
}

QString TuringCellAccessible::text(QAccessible::Text t) const {
    if (!isValid() || t != QAccessible::Name) {
        return {};
    }
    const QString& cell = View()->Table().Cell(col_, row_);
    if (row_ == 0 || col_ == 0) {
        return cell;
    }
    return SpokenText::TuringCell(col_ - 1, cell);
}

QRect TuringCellAccessible::rect() const {
    if (!isValid()) {
        return {};
    }
    const QRect local = View()->CellRect(col_, row_);
    if (local.isEmpty()) {
        return {};
    }
    return QRect(View()->viewport()->mapToGlobal(local.topLeft()), local.size());
}

QAccessible::Role TuringCellAccessible::role() const {
    if (row_ == 0) {
        return QAccessible::ColumnHeader;
    }
    return col_ == 0 ? QAccessible::RowHeader : QAccessible::Cell;
}

QAccessible::State TuringCellAccessible::state() const {
    QAccessible::State state;
    if (!isValid()) {
        state.invalid = true;
        return state;
    }
    if (rect().isEmpty()) {
        state.offscreen = true;
    }
    if (row_ > 0 && col_ > 0) {
        state.selectable = true;
        state.focusable = true;
        state.editable = true;
        state.selected = isSelected();
        state.focused = state.selected && View()->hasFocus();
    }
    return state;
}

void* TuringCellAccessible::interface_cast(QAccessible::InterfaceType t) {
    if (t == QAccessible::TableCellInterface) {
        return static_cast<QAccessibleTableCellInterface*>(this);
    }
    return nullptr;
}

QList<QAccessibleInterface*> TuringCellAccessible::columnHeaderCells() const {
    TuringTableAccessible* owner = Table();
    QAccessibleInterface* header = owner ? owner->Place(col_, 0) : nullptr;
    return header ? QList<QAccessibleInterface*>{header} : QList<QAccessibleInterface*>{};
}

QList<QAccessibleInterface*> TuringCellAccessible::rowHeaderCells() const {
    TuringTableAccessible* owner = Table();
    QAccessibleInterface* label = owner ? owner->Place(0, row_) : nullptr;
    return label ? QList<QAccessibleInterface*>{label} : QList<QAccessibleInterface*>{};
}

bool TuringCellAccessible::isSelected() const {
    return isValid() && View()->Table().Col() == col_ && View()->Table().Row() == row_;
}
