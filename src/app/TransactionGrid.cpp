#include "TransactionGrid.h"

#include "TransactionGridModel.h"
#include "TransactionTable.h"

#include <QHeaderView>
#include <QScrollBar>
#include <QStyledItemDelegate>

// Lets the grid's colour handler decide each cell's ink; the brush stays the grid's own.
class TransactionGrid::CellDelegate : public QStyledItemDelegate {
public:
    explicit CellDelegate(TransactionGrid &grid) : QStyledItemDelegate(&grid), grid_(grid) {}

protected:
    void initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const override {
        QStyledItemDelegate::initStyleOption(option, index);
        if (!grid_.cellColours_) return;
        const bool highlight = option->state & QStyle::State_Selected;
        const QPalette::ColorRole role = highlight ? QPalette::HighlightedText : QPalette::Text;
        QColor ink = option->palette.color(QPalette::Active, role);
        const TableField &field = grid_.table_.field(grid_.model_->fieldIndex(index.column()));
        grid_.cellColours_(index.row(), field, highlight, ink);
        for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive})
            option->palette.setColor(group, role, ink);
    }

private:
    TransactionGrid &grid_;
};

TransactionGrid::TransactionGrid(TransactionTable &table, QWidget *parent)
    : QTableView(parent), table_(table), model_(new TransactionGridModel(table, this)) {
    setModel(model_);
    setItemDelegate(new CellDelegate(*this));
    setEditTriggers(NoEditTriggers);
    setSelectionBehavior(SelectRows);
    setSelectionMode(SingleSelection);
    setTabKeyNavigation(true);
    setWordWrap(true);
    setShowGrid(true);
    setCornerButtonEnabled(false);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);

    QHeaderView *titles = horizontalHeader();
    titles->setSectionsClickable(true);
    titles->setSectionResizeMode(QHeaderView::Interactive);
    titles->setHighlightSections(false);
    titles->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    titles->setStretchLastSection(false);
    // Rows of one text line: fixed heights keep a million rows as cheap as a hundred.
    QHeaderView *indicator = verticalHeader();
    indicator->setSectionResizeMode(QHeaderView::Fixed);
    indicator->setDefaultSectionSize(fontMetrics().height() + 4);
    indicator->setHighlightSections(false);
    indicator->setSectionsClickable(false);
    indicator->setDefaultAlignment(Qt::AlignCenter);
    indicator->setFixedWidth(fontMetrics().horizontalAdvance(QChar(0x25B6)) + 8);
    sizeColumnsInCharacters();

    connect(titles, &QHeaderView::sectionClicked, this,
            [this](int column) { emit titleClicked(columnFieldName(column)); });
    connect(verticalScrollBar(), &QScrollBar::valueChanged, this, &TransactionGrid::topRowChanged);
    connect(selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex &current) { chooseRow(current); });
    connect(model_, &TransactionGridModel::currentRowChanged, this, &TransactionGrid::showCurrentRow);
    connect(model_, &TransactionGridModel::modelReset, this, [this] { showCurrentRow(model_->currentRow()); });
    connect(model_, &TransactionGridModel::updatesSuspended, this,
            [this](bool suspended) { viewport()->setUpdatesEnabled(!suspended); });
}

QString TransactionGrid::columnFieldName(int column) const {
    return table_.field(model_->fieldIndex(column)).fieldName();
}

int TransactionGrid::topRow() const { return rowAt(0); }

// Widths are given in characters; a character is a digit of the grid's font, so that a full
// date and a word of the stated length fit, plus the cell's own margins and its grid line.
void TransactionGrid::sizeColumnsInCharacters() {
    const int character = std::max(fontMetrics().averageCharWidth(), fontMetrics().horizontalAdvance('0'));
    const int margins = 2 * style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, this) + 6;
    for (int column = 0; column < model_->columnCount(); ++column) {
        const int characters = table_.field(model_->fieldIndex(column)).displayWidth();
        setColumnWidth(column, characters * character + margins);
    }
}

// The user chose a row: it becomes the table's current record.
void TransactionGrid::chooseRow(const QModelIndex &current) {
    if (followingTable_ || !current.isValid() || !table_.active()) return;
    if (table_.recNo() != current.row()) table_.setRecNo(current.row());
}

// The table's record moved: the grid's current row follows without moving it back.
void TransactionGrid::showCurrentRow(int row) {
    followingTable_ = true;
    if (row < 0) {
        selectionModel()->clearSelection();
        selectionModel()->setCurrentIndex({}, QItemSelectionModel::NoUpdate);
    } else {
        const int column = std::max(0, currentIndex().column());
        selectionModel()->setCurrentIndex(model_->index(row, column),
                                          QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    }
    followingTable_ = false;
}
