#pragma once
#include "SearchSummary.h"

#include <QDialog>

class QPushButton;
class QTableWidget;

// The search summary: one read-only row per working criterion under the titles "Field",
// "Search Type" and "Value", and an OK button.
class TwwFilterDialogView : public QDialog {
    Q_OBJECT
public:
    TwwFilterDialogView(const QList<SearchSummaryRow> &rows, QWidget *parent);

    QTableWidget *StringGrid1() const { return StringGrid1_; }
    QPushButton *OKButton() const { return OKButton_; }

protected:
    void showEvent(QShowEvent *event) override;

private:
    QTableWidget *StringGrid1_;
    QPushButton *OKButton_;
};
