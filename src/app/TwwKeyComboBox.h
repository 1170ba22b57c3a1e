#pragma once
#include "TableView.h"
#include "TwwKeyCombo.h"

#include <QComboBox>

// The "Sort by " drop-down list: shows the entries of TwwKeyCombo, rebuilt whenever the table
// opens and re-selected when its order changes; a chosen entry is applied to the open table.
// Filling and re-selecting never count as a choice; the owner applies a chosen entry (inside
// its error box) with applyEntry.
class TwwKeyComboBox : public QComboBox, public TableView {
    Q_OBJECT
public:
    TwwKeyComboBox(TransactionTable &table, QWidget *parent = nullptr);
    ~TwwKeyComboBox() override;

    const TwwKeyCombo &rules() const { return rules_; }
    // Sets the index of the entry on the open table; false, changing nothing, when closed.
    bool applyEntry(const QString &text) { return rules_.apply(text); }

    void tableActiveChanged(TransactionTable &table, bool active) override;
    void tableDataChanged(TransactionTable &table) override;

signals:
    void entryChosen(const QString &text);  // the user, or a program step, chose an entry

private:
    void showCurrentEntry();

    TransactionTable &table_;
    TwwKeyCombo rules_;
};
