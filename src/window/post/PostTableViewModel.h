#pragma once
// The Post program table as Qt's item views see it: a thin adapter over
// PostTable that holds no cell of its own. View row r is program row r + 1
// (the header row is the view's header); view columns 0 to 3 are the number,
// command, jump and comment columns, and the hidden code column is not shown
// at all. Only the jump and comment cells are editable, and what is written
// into them enters as Windows-1251 text on one line. Every change of the
// table is passed on: a cell as dataChanged, rows or columns as a reset.

#include <QAbstractTableModel>

class PostTable;

class PostTableViewModel : public QAbstractTableModel {
    Q_OBJECT
public:
    static constexpr int ViewColumns = 4;
    static QString Hint();

    explicit PostTableViewModel(PostTable& table, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    // The view index of a table cell; invalid for the header row, the code
    // column or a cell outside the table.
    QModelIndex IndexOf(int col, int row) const;

private:
    void CellChanged(int col, int row);
    void LayoutChanged();

    PostTable& table_;
};
