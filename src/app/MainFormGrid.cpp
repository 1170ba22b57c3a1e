// The "&Transactions" page: the grid over the table and its handlers, and the sort selector.
#include "GridRules.h"
#include "MainForm.h"
#include "TransactionGrid.h"
#include "TwwKeyComboBox.h"

#include <QLayout>

void TMainForm::buildGrid() {
    Transactions_ = new TransactionGrid(TransDB_, TabSheet1_);
    Transactions_->setObjectName("Transactions");
    TabSheet1_->layout()->addWidget(Transactions_);
    Transactions_->setCellColours([this](int row, const TableField &field, bool highlight, QColor &ink) {
        TransactionsCalcCellColors(row, field, highlight, ink);
    });
    connect(Transactions_, &TransactionGrid::titleClicked, this,
            [this](const QString &fieldName) { guarded([&] { TransactionsTitleButtonClick(fieldName); }); });
    wire(Transactions_, &TransactionGrid::topRowChanged, &TMainForm::TransactionsTopRowChanged);
    wire(Transactions_, &TransactionGrid::doubleClicked, &TMainForm::TransactionsDblClick);
}

void TMainForm::TransactionsCalcCellColors(int row, const TableField &Field, bool Highlight, QColor &ink) {
    const QString type = TransDB_.rowAt(row).text(TransactionSchema::Type);
    switch (cellInk(Field.displayLabel(), type, Highlight)) {
    case CellInk::Red: ink = QColor(255, 0, 0); break;
    case CellInk::Black: ink = QColor(0, 0, 0); break;
    case CellInk::Normal: break;
    }
}

void TMainForm::TransactionsTopRowChanged() { Transactions_->viewport()->update(); }

void TMainForm::TransactionsDblClick() {
    const QString text = TransDB_.active() ? TransDB_.fieldByName("OrigDesc").asString() : QString();
    prompt().tell(Prompt::Kind::Plain, text);
}

// Sorting by a title closes the table, which drops the advanced criteria; the refresh puts
// back only the account and the dates.
void TMainForm::TransactionsTitleButtonClick(const QString &AFieldName) {
    const QString index = indexForTitle(TransDB_.indexDefs(), AFieldName);
    if (!index.isEmpty()) {
        TransDB_.close();
        TransDB_.setIndexName(index);
        TransDB_.open();
    }
    Button3Click();
}

// A chosen entry sets the index on the open table; a closed table ignores it.
void TMainForm::wwKeyCombo1Choose(const QString &entry) {
    if (wwKeyCombo1_->applyEntry(entry)) wwKeyCombo1Change();
}
