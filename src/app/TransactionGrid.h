#pragma once
#include <QTableView>
#include <functional>

class TableField;
class TransactionGridModel;
class TransactionTable;

// The read-only transaction grid: whole rows selected, an indicator of the current row at
// the left, titles that act as buttons, resizable columns sized in characters. Choosing a
// row makes it the table's current record; the table moving its record moves the grid's.
class TransactionGrid : public QTableView {
    Q_OBJECT
public:
    // Decides a data cell's text colour before it is drawn: the row, the cell's field,
    // whether the cell is highlighted, and the colour to change.
    using CellColours = std::function<void(int row, const TableField &field, bool highlight, QColor &ink)>;

    TransactionGrid(TransactionTable &table, QWidget *parent = nullptr);

    TransactionGridModel *gridModel() const { return model_; }
    void setCellColours(CellColours colours) { cellColours_ = std::move(colours); }
    // The field name of a column.
    QString columnFieldName(int column) const;
    // The first row shown at the top.
    int topRow() const;

signals:
    void titleClicked(const QString &fieldName);  // press and release on the same title
    void topRowChanged();

private:
    class CellDelegate;
    void sizeColumnsInCharacters();
    void chooseRow(const QModelIndex &current);
    void showCurrentRow(int row);

    TransactionTable &table_;
    TransactionGridModel *model_;
    CellColours cellColours_;
    bool followingTable_ = false;
};
