#include "TransactionGridModel.h"

#include "TransactionTable.h"

namespace {
// Marks the current row in the indicator column.
const QString CurrentRowMark = QStringLiteral("\u25B6");
}

TransactionGridModel::TransactionGridModel(TransactionTable &table, QObject *parent)
    : QAbstractTableModel(parent), table_(table) {
    for (int i = 0; i < table.fieldCount(); ++i)
        if (table.field(i).visible()) columns_.push_back(i);
    table_.attachView(this);
    if (table_.active()) reset();
}

TransactionGridModel::~TransactionGridModel() { table_.detachView(this); }

int TransactionGridModel::rowCount(const QModelIndex &parent) const { return parent.isValid() ? 0 : rows_; }

int TransactionGridModel::columnCount(const QModelIndex &parent) const {
    return parent.isValid() ? 0 : int(columns_.size());
}

QVariant TransactionGridModel::data(const QModelIndex &index, int role) const {
    // While the table's views are suspended its rows may be changing under us; show nothing.
    if (!index.isValid() || !table_.active() || table_.controlsDisabled() || index.row() >= rows_) return {};
    const TableField &field = table_.field(fieldIndex(index.column()));
    switch (role) {
    case Qt::DisplayRole: return table_.displayText(table_.rowAt(index.row()), field.column());
    case Qt::TextAlignmentRole:
        // Money lines up on its decimal point.
        if (field.dataType() == FieldType::Currency) return int(Qt::AlignRight | Qt::AlignVCenter);
        return int(Qt::AlignLeft | Qt::AlignVCenter);
    default: return {};
    }
}

QVariant TransactionGridModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation == Qt::Vertical) {
        if (role == Qt::DisplayRole) return section == currentRow_ ? CurrentRowMark : QString();
        return {};
    }
    if (section < 0 || section >= columnCount()) return {};
    if (role == Qt::DisplayRole) return table_.field(fieldIndex(section)).displayLabel();
    if (role == Qt::TextAlignmentRole) return int(Qt::AlignLeft | Qt::AlignVCenter);
    return {};
}

Qt::ItemFlags TransactionGridModel::flags(const QModelIndex &index) const {
    return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags;
}

void TransactionGridModel::tableActiveChanged(TransactionTable &, bool) { reset(); }

void TransactionGridModel::tableDataChanged(TransactionTable &) {
    const int rows = table_.active() ? table_.recordCount() : 0;
    if (rows != rows_) {
        reset();
        return;
    }
    // The same number of rows, perhaps in another order or filter: everything shown is read
    // again (only the visible cells are repainted).
    if (rows_ > 0) emit dataChanged(index(0, 0), index(rows_ - 1, columnCount() - 1));
    followCurrentRow();
}

void TransactionGridModel::tableUpdatesSuspended(TransactionTable &, bool suspended) { emit updatesSuspended(suspended); }

void TransactionGridModel::reset() {
    beginResetModel();
    rows_ = table_.active() ? table_.recordCount() : 0;
    currentRow_ = -1;
    endResetModel();
    followCurrentRow();
}

void TransactionGridModel::followCurrentRow() {
    const int row = table_.active() && rows_ > 0 ? table_.recNo() : -1;
    if (row == currentRow_) return;
    const int previous = currentRow_;
    currentRow_ = row;
    if (previous >= 0 && previous < rows_) emit headerDataChanged(Qt::Vertical, previous, previous);
    if (row >= 0) emit headerDataChanged(Qt::Vertical, row, row);
    emit currentRowChanged(row);
}
