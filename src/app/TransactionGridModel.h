#pragma once
#include "TableView.h"

#include <QAbstractTableModel>
#include <vector>

class TransactionTable;

// The grid's view of the table: one row per row of the current order and filter, read in
// place by position (nothing is copied), one column per visible field. Empty while the
// table is closed. The current record of the table is the current row of the grid.
class TransactionGridModel : public QAbstractTableModel, public TableView {
    Q_OBJECT
public:
    explicit TransactionGridModel(TransactionTable &table, QObject *parent = nullptr);
    ~TransactionGridModel() override;

    TransactionTable &table() const { return table_; }
    // The table's field shown in a grid column.
    int fieldIndex(int column) const { return columns_.at(size_t(column)); }
    int currentRow() const { return currentRow_; }

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;

    void tableActiveChanged(TransactionTable &table, bool active) override;
    void tableDataChanged(TransactionTable &table) override;
    void tableUpdatesSuspended(TransactionTable &table, bool suspended) override;

signals:
    void currentRowChanged(int row);     // the table's current record moved
    void updatesSuspended(bool suspended);

private:
    void reset();
    void followCurrentRow();

    TransactionTable &table_;
    std::vector<int> columns_;  // field indexes of the visible fields, in order
    int rows_ = 0;
    int currentRow_ = -1;
};
