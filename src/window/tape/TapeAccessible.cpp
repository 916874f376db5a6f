#include "window/tape/TapeAccessible.h"
#include "core/text/Language.h"

#include <QCoreApplication>

#include "core/tape/TapeStore.h"
#include "core/tape/TapeWindow.h"
#include "core/workbench/Workbench.h"
#include "window/resources/ScreenReader.h"
#include "window/resources/SpokenText.h"
#include "window/tape/TapeGridWidget.h"

namespace {

bool IsPost(const TapeGridWidget* grid) {
    return grid->Kind() == MachineKind::Post;
}

}  // namespace

TapeAccessible::TapeAccessible(TapeGridWidget* grid)
    : QAccessibleWidget(grid, QAccessible::List), listener_(std::make_unique<QObject>()) {
    const TapeStore& tape = grid->Tape();
    shownCarriage_ = tape.CarriagePos();
    shownFocus_ = TapeWindow::CellAt(shownCarriage_, grid->FocusCol());
    shownCarriageName_ = SpokenText::TapeCell(tape, IsPost(grid), shownCarriage_);
    QObject::connect(grid, &TapeGridWidget::SelectionMoved, listener_.get(),
                     [this] { Announce(); });
    QObject::connect(&grid->Bench(), &Workbench::TapeChanged, listener_.get(),
                     [this, grid](MachineKind kind) {
                         if (kind == grid->Kind()) {
                             Announce();
                         }
                     });
}

TapeGridWidget* TapeAccessible::Grid() const {
    return static_cast<TapeGridWidget*>(widget());
}

QString TapeAccessible::text(QAccessible::Text t) const {
    switch (t) {
        case QAccessible::Name:
            return widget()->accessibleName().isEmpty()
                       ? Tr("TapeAccessible", "Информационная лента")
                       : widget()->accessibleName();
        case QAccessible::Description:
            return Tr("TapeAccessible",
                      "Стрелки выбирают ячейку, Ctrl+стрелки двигают каретку, Home и End — края");
        default:
            return QAccessibleWidget::text(t);
    }
}

int TapeAccessible::FirstColumn() const {
    const TapeStore& tape = Grid()->Tape();
    for (int col = 0; col < TapeWindow::Cols; ++col) {
        if (TapeWindow::ColumnOnTape(tape, col)) {
            return col;
        }
    }
    return TapeWindow::Cols;
}

int TapeAccessible::ColumnCount() const {
    const TapeStore& tape = Grid()->Tape();
    int count = 0;
    for (int col = FirstColumn(); col < TapeWindow::Cols && TapeWindow::ColumnOnTape(tape, col);
         ++col) {
        ++count;
    }
    return count;
}

int TapeAccessible::childCount() const {
    return ColumnCount();
}

QAccessibleInterface* TapeAccessible::Cell(int cell) const {
    return cells_.Get(cell, [this, cell] { return new TapeCellAccessible(Grid(), cell); });
}

QAccessibleInterface* TapeAccessible::child(int index) const {
    if (index < 0 || index >= ColumnCount()) {
        return nullptr;
    }
    return Cell(TapeWindow::CellAt(Grid()->Tape().CarriagePos(), FirstColumn() + index));
}

int TapeAccessible::indexOfChild(const QAccessibleInterface* child) const {
    if (!child || child->role() != QAccessible::ListItem || child->parent() != this) {
        return -1;
    }
    const int cell = static_cast<const TapeCellAccessible*>(child)->CellNumber();
    const int col = TapeWindow::ColumnOf(Grid()->Tape().CarriagePos(), cell);
    const int index = col - FirstColumn();
    return index >= 0 && index < ColumnCount() ? index : -1;
}

QAccessibleInterface* TapeAccessible::childAt(int x, int y) const {
    for (int i = 0; i < childCount(); ++i) {
        QAccessibleInterface* item = child(i);
        if (item->rect().contains(x, y)) {
            return item;
        }
    }
    return nullptr;
}

QAccessibleInterface* TapeAccessible::focusChild() const {
    if (!Grid()->hasFocus()) {
        return nullptr;
    }
    return Cell(TapeWindow::CellAt(Grid()->Tape().CarriagePos(), Grid()->FocusCol()));
}

void TapeAccessible::Announce() {
    if (!ScreenReader::Listening()) {
        return;
    }
    TapeGridWidget* grid = Grid();
    const TapeStore& tape = grid->Tape();
    const int carriage = tape.CarriagePos();
    const int focus = TapeWindow::CellAt(carriage, grid->FocusCol());
    const QString carriageName = SpokenText::TapeCell(tape, IsPost(grid), carriage);
    if (grid->hasFocus() && focus != shownFocus_) {
        ScreenReader::Tell(Cell(focus), QAccessible::Focus);
    }
    // While the grid draws its own selection the focus change above tells
    // the move; otherwise the carriage's cell is the list's selected item.
    if (carriage != shownCarriage_ && !grid->SelectionShown()) {
        ScreenReader::Tell(Cell(carriage), QAccessible::Selection);
    } else if (carriageName != shownCarriageName_) {
        ScreenReader::Tell(Cell(carriage), QAccessible::NameChanged);
    }
    shownCarriage_ = carriage;
    shownFocus_ = focus;
    shownCarriageName_ = carriageName;
}

TapeCellAccessible::TapeCellAccessible(TapeGridWidget* grid, int cell)
    : AccessiblePart(grid), cell_(cell) {}

TapeGridWidget* TapeCellAccessible::Grid() const {
    return static_cast<TapeGridWidget*>(Owner());
}

int TapeCellAccessible::Column() const {
    return TapeWindow::ColumnOf(Grid()->Tape().CarriagePos(), cell_);
}

QString TapeCellAccessible::text(QAccessible::Text t) const {
    if (!Grid() || t != QAccessible::Name) {
        return {};
    }
    return SpokenText::TapeCell(Grid()->Tape(), IsPost(Grid()), cell_);
}

QRect TapeCellAccessible::rect() const {
    const int col = Grid() ? Column() : -1;
    if (col < 0 || col > TapeWindow::LastCol) {
        return {};
    }
    const QRect local = Grid()->CellRect(col);
    return QRect(Grid()->mapToGlobal(local.topLeft()), local.size());
}

QAccessible::State TapeCellAccessible::state() const {
    QAccessible::State state;
    const int col = Grid() ? Column() : -1;
    if (col < 0 || col > TapeWindow::LastCol) {
        state.invisible = true;
        state.offscreen = true;
        return state;
    }
    state.selectable = true;
    state.focusable = true;
    // The selection the grid draws while it has the focus; else the
    // carriage's cell, the one cell the machine works on.
    state.selected = Grid()->SelectionShown()
                         ? col >= Grid()->FirstSelected() && col <= Grid()->LastSelected()
                         : col == TapeWindow::CarriageCol;
    state.focused = Grid()->hasFocus() && col == Grid()->FocusCol();
    return state;
}
