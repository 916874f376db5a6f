#pragma once
// The case check's table as a model over the check's compact results
// (CaseResults): a row a case, its texts made only for the rows on screen,
// so a file of millions of cases costs the table nothing per case. Each row
// is shaded by its verdict once it has one; a long tape or an error's
// message is whole in its cell's tooltip.

#include <QAbstractTableModel>
#include <QStringList>

#include "core/checking/CaseResults.h"

class CaseTableModel : public QAbstractTableModel {
public:
    enum Column { Line, Input, Start, Expected, Result, Obtained, Steps, ColumnCount };
    // Tapes longer than this many characters are elided in their column.
    static constexpr int kTapeColumnChars = 12;

    CaseTableModel(MachineKind kind, const CaseResults& results, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    // The results of the rows from `from` to before `to` came in.
    void RowsDone(int from, int to);

private:
    const QStringList& Texts(int row) const;

    MachineKind kind_;
    const CaseResults& results_;
    QStringList titles_;
    // A view asks for one row's cells one by one: its texts are made once.
    mutable int cachedRow_ = -1;
    mutable QStringList cachedTexts_;
};
