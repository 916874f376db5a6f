#include "window/turing/TuringTableAccessible.h"

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
        Forget();
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

TuringTableAccessible::~TuringTableAccessible() {
    Forget();
}

void TuringTableAccessible::Forget() {
    for (const auto& [place, id] : places_) {
        QAccessible::deleteAccessibleInterface(id);
    }
    places_.clear();
}

TuringTableView* TuringTableAccessible::View() const {
    return static_cast<TuringTableView*>(widget());
}

QString TuringTableAccessible::text(QAccessible::Text t) const {
    if (t == QAccessible::Name && widget()->accessibleName().isEmpty()) {
        return QCoreApplication::translate("TuringTableAccessible", "Таблица машины Тьюринга");
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
    const auto found = places_.find({col, row});
    if (found != places_.end()) {
        return QAccessible::accessibleInterface(found->second);
    }
    auto* item = new TuringCellAccessible(View(), col, row);
    places_[{col, row}] = QAccessible::registerAccessibleInterface(item);
    return item;
}

QAccessibleInterface* TuringTableAccessible::child(int index) const {
    const int cols = View()->Table().ColCount();
    if (index < 0 || index >= childCount() || cols == 0) {
        return nullptr;
    }
    return Place(index % cols, index / cols);
}

int TuringTableAccessible::indexOfChild(const QAccessibleInterface* child) const {
    for (const auto& [place, id] : places_) {
        if (QAccessible::accessibleInterface(id) == child) {
            return place.second * View()->Table().ColCount() + place.first;
        }
    }
    return -1;
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
    const auto found = places_.find({col, row});
    if (found != places_.end()) {
        ScreenReader::Tell(QAccessible::accessibleInterface(found->second),
                           QAccessible::NameChanged);
    }
}

void TuringTableAccessible::CursorMoved(int col, int row) {
    if (!ScreenReader::Listening()) {
        return;
    }
    if (QAccessibleInterface* cell = Place(col, row)) {
        ScreenReader::Tell(cell, View()->hasFocus() ? QAccessible::Focus : QAccessible::Selection);
    }
}

bool TuringCellAccessible::isValid() const {
    return view_ && view_->Table().Contains(col_, row_);
}

TuringTableAccessible* TuringCellAccessible::Owner() const {
    return view_ ? static_cast<TuringTableAccessible*>(
                       QAccessible::queryAccessibleInterface(view_.data()))
                 : nullptr;
}

QWindow* TuringCellAccessible::window() const {
    return view_ ? view_->window()->windowHandle() : nullptr;
}

QAccessibleInterface* TuringCellAccessible::parent() const {
    return Owner();
}

QString TuringCellAccessible::text(QAccessible::Text t) const {
    if (!isValid() || t != QAccessible::Name) {
        return {};
    }
    const QString& cell = view_->Table().Cell(col_, row_);
    if (row_ == 0 || col_ == 0) {
        return cell;
    }
    return SpokenText::TuringCell(col_ - 1, cell);
}

QRect TuringCellAccessible::rect() const {
    if (!isValid()) {
        return {};
    }
    const QRect local = view_->CellRect(col_, row_);
    if (local.isEmpty()) {
        return {};
    }
    return QRect(view_->viewport()->mapToGlobal(local.topLeft()), local.size());
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
        state.focused = state.selected && view_->hasFocus();
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
    TuringTableAccessible* owner = Owner();
    QAccessibleInterface* header = owner ? owner->Place(col_, 0) : nullptr;
    return header ? QList<QAccessibleInterface*>{header} : QList<QAccessibleInterface*>{};
}

QList<QAccessibleInterface*> TuringCellAccessible::rowHeaderCells() const {
    TuringTableAccessible* owner = Owner();
    QAccessibleInterface* label = owner ? owner->Place(0, row_) : nullptr;
    return label ? QList<QAccessibleInterface*>{label} : QList<QAccessibleInterface*>{};
}

bool TuringCellAccessible::isSelected() const {
    return isValid() && view_->Table().Col() == col_ && view_->Table().Row() == row_;
}
