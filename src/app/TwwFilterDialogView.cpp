#include "TwwFilterDialogView.h"

#include "DesignScale.h"
#include "DialogGlyphs.h"

#include <QHeaderView>
#include <QPushButton>
#include <QTableWidget>
#include <algorithm>

TwwFilterDialogView::TwwFilterDialogView(const QList<SearchSummaryRow> &rows, QWidget *parent)
    : QDialog(parent), StringGrid1_(new QTableWidget(this)), OKButton_(new QPushButton("&OK", this)) {
    setObjectName("TwwFilterDialogView");
    setWindowTitle("Show Search Summary");
    setFont(designFont());
    const DesignScale at(this);
    setFixedSize(at(483), at(206));

    StringGrid1_->setObjectName("StringGrid1");
    StringGrid1_->setGeometry(at.rect(9, 9, 464, 154));
    StringGrid1_->setColumnCount(3);
    StringGrid1_->setHorizontalHeaderLabels({"Field", "Search Type", "Value"});
    const int widths[3] = {120, 140, 197};
    for (int column = 0; column < 3; ++column) StringGrid1_->setColumnWidth(column, at(widths[column]));
    StringGrid1_->horizontalHeader()->setFixedHeight(at(18));
    StringGrid1_->horizontalHeader()->setHighlightSections(false);
    StringGrid1_->verticalHeader()->hide();
    StringGrid1_->verticalHeader()->setDefaultSectionSize(at(18));
    // Scroll bars only when the criteria do not fit, so that every one stays readable.
    StringGrid1_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    StringGrid1_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    StringGrid1_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    StringGrid1_->setSelectionMode(QAbstractItemView::NoSelection);
    StringGrid1_->setFocusPolicy(Qt::NoFocus);
    StringGrid1_->setShowGrid(true);
    StringGrid1_->setWordWrap(false);
    StringGrid1_->setStyleSheet("QTableWidget::item { color: black; background: white; padding: 0px 0px 0px 2px; }");

    StringGrid1_->setRowCount(int(rows.size()));
    for (int row = 0; row < rows.size(); ++row) {
        const QString cells[3] = {rows[row].field, rows[row].searchType, rows[row].value};
        for (int column = 0; column < 3; ++column) {
            auto *item = new QTableWidgetItem(cells[column]);
            item->setTextAlignment(Qt::AlignLeft | Qt::AlignTop);
            item->setToolTip(cells[column]);
            StringGrid1_->setItem(row, column, item);
        }
    }
    // A long value widens its column rather than being cut; the grid then scrolls sideways.
    for (int column = 0; column < 3; ++column)
        StringGrid1_->setColumnWidth(column, std::max(StringGrid1_->columnWidth(column),
                                                      static_cast<QAbstractItemView *>(StringGrid1_)->sizeHintForColumn(column)));

    OKButton_->setObjectName("OKButton");
    OKButton_->setIcon(DialogGlyphs::checkMark());
    OKButton_->setDefault(true);
    OKButton_->setGeometry((width() - at(77)) / 2, StringGrid1_->geometry().bottom() + 1 + at(9), at(77), at(27));
    connect(OKButton_, &QPushButton::clicked, this, &QDialog::accept);
}

void TwwFilterDialogView::showEvent(QShowEvent *event) {
    QDialog::showEvent(event);
    centreOnScreen(this);
}
