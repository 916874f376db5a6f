#include "window/post/PostTableViewModel.h"

#include "core/post/PostTable.h"
#include "core/text/Language.h"
#include "window/post/PostTableDelegate.h"
#include "window/resources/ScreenReader.h"
#include "window/resources/SpokenText.h"

QString PostTableViewModel::Hint() {
    return Tr("PostTableViewModel", "Таблица машины Поста. Сюда вписывается алгоритм.");
}

PostTableViewModel::PostTableViewModel(PostTable& table, QObject* parent)
    : QAbstractTableModel(parent), table_(table) {
    connect(&table_, &TextTable::CellChanged, this, &PostTableViewModel::CellChanged);
    connect(&table_, &TextTable::LayoutChanged, this, &PostTableViewModel::LayoutChanged);
}

int PostTableViewModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : table_.ProgramRows();
}

int PostTableViewModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ViewColumns;
}

QVariant PostTableViewModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) {
        return QVariant();
    }
    switch (role) {
        case Qt::DisplayRole:
        case Qt::EditRole:
            return table_.Cell(index.column(), index.row() + 1);
        case Qt::ToolTipRole:
        case Qt::StatusTipRole:
            return Hint();
        case Qt::AccessibleTextRole:
            // The command cell shows a picture: a screen reader hears the
            // whole row's command in words.
            if (index.column() == PostTable::ColCommand) {
                return SpokenText::PostRow(table_, index.row() + 1);
            }
            return QVariant();
        default:
            return QVariant();
    }
}

bool PostTableViewModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (role != Qt::EditRole || !(flags(index) & Qt::ItemIsEditable)) {
        return false;
    }
    table_.SetCell(index.column(), index.row() + 1, PostTableDelegate::CellText(value.toString()));
    return true;
}

QVariant PostTableViewModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal) {
        return QVariant();
    }
    switch (role) {
        case Qt::DisplayRole:
            return PostTable::HeaderCaption(section);
        case Qt::TextAlignmentRole:
            return QVariant::fromValue(Qt::Alignment(Qt::AlignLeft | Qt::AlignVCenter));
        case Qt::ToolTipRole:
        case Qt::StatusTipRole:
            return Hint();
        default:
            return QVariant();
    }
}

Qt::ItemFlags PostTableViewModel::flags(const QModelIndex& index) const {
    if (!index.isValid()) {
        return Qt::NoItemFlags;
    }
    switch (index.column()) {
        case PostTable::ColCommand:  // its editor is the command chooser
        case PostTable::ColJump:
        case PostTable::ColComment:
            return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable;
        default:
            // The number column is fixed: it can be neither current nor edited.
            return Qt::NoItemFlags;
    }
}

QModelIndex PostTableViewModel::IndexOf(int col, int row) const {
    if (col < 0 || col >= ViewColumns || !table_.IsProgramRow(row)) {
        return QModelIndex();
    }
    return index(row - 1, col);
}

void PostTableViewModel::CellChanged(int col, int row) {
    // The command column shows the code column's picture.
    const QModelIndex cell = IndexOf(col == PostTable::ColCode ? PostTable::ColCommand : col, row);
    if (cell.isValid()) {
        Q_EMIT dataChanged(cell, cell, {Qt::DisplayRole, Qt::EditRole});
    }
    // The command's words name the jump too.
    if (col == PostTable::ColJump && ScreenReader::Listening()) {
        const QModelIndex command = IndexOf(PostTable::ColCommand, row);
        Q_EMIT dataChanged(command, command, {Qt::AccessibleTextRole});
    }
}

void PostTableViewModel::LayoutChanged() {
    // The table has already changed: the views drop what they know and ask
    // again.
    beginResetModel();
    endResetModel();
}
