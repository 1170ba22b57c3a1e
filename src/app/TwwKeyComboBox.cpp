#include "TwwKeyComboBox.h"

#include <QSignalBlocker>

TwwKeyComboBox::TwwKeyComboBox(TransactionTable &table, QWidget *parent)
    : QComboBox(parent), table_(table), rules_(table) {
    setEditable(false);
    setMaxVisibleItems(8);
    addItem("Date");
    table_.attachView(this);
    connect(this, &QComboBox::currentTextChanged, this, &TwwKeyComboBox::entryChosen);
}

TwwKeyComboBox::~TwwKeyComboBox() { table_.detachView(this); }

void TwwKeyComboBox::tableActiveChanged(TransactionTable &, bool active) {
    if (!active) return;
    rules_.rebuild();
    const QSignalBlocker quiet(this);
    clear();
    addItems(rules_.entries());
    setCurrentIndex(rules_.currentEntry());
}

void TwwKeyComboBox::tableDataChanged(TransactionTable &) { showCurrentEntry(); }

void TwwKeyComboBox::showCurrentEntry() {
    if (!table_.active()) return;
    const int entry = rules_.currentEntry();
    if (entry == currentIndex()) return;
    const QSignalBlocker quiet(this);
    setCurrentIndex(entry);
}
