#include "window/dialogs/CaseTableModel.h"

#include <QBrush>
#include <QColor>

CaseTableModel::CaseTableModel(MachineKind kind, const CaseResults& results, QObject* parent)
    : QAbstractTableModel(parent), kind_(kind), results_(results), titles_(CaseColumnTitles()) {}

int CaseTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(results_.size());
}

int CaseTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

const QStringList& CaseTableModel::Texts(int row) const {
    if (row != cachedRow_) {
        cachedTexts_ = CaseRowTexts(kind_, results_.Cases()[row], results_.At(row));
        cachedRow_ = row;
    }
    return cachedTexts_;
}

QVariant CaseTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= results_.size() || index.column() >= ColumnCount) {
        return {};
    }
    const int row = index.row();
    const int column = index.column();
    switch (role) {
        case Qt::DisplayRole:
            return Texts(row)[column];
        case Qt::ToolTipRole: {
            const QString& text = Texts(row)[column];
            const bool tape = column == Input || column == Expected || column == Obtained;
            if (column == Result ? results_.Has(row) : tape && text.size() > kTapeColumnChars) {
                return text;
            }
            return {};
        }
        case Qt::BackgroundRole: {
            const std::optional<CaseOutcome::Verdict> verdict = results_.VerdictOf(row);
            if (!verdict) {
                return {};
            }
            return QBrush(*verdict == CaseOutcome::Verdict::Passed ? QColor(0xdf, 0xf5, 0xdf)
                                                                   : QColor(0xfa, 0xdc, 0xdc));
        }
        default:
            return {};
    }
}

QVariant CaseTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 &&
        section < titles_.size()) {
        return titles_[section];
    }
    return QAbstractTableModel::headerData(section, orientation, role);
}

Qt::ItemFlags CaseTableModel::flags(const QModelIndex& index) const {
    return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags;
}

void CaseTableModel::RowsDone(int from, int to) {
    if (from >= to) {
        return;
    }
    if (cachedRow_ >= from && cachedRow_ < to) {
        cachedRow_ = -1;
    }
    Q_EMIT dataChanged(index(from, 0), index(to - 1, ColumnCount - 1));
}
