#pragma once
#include <QList>
#include <QString>

struct IndexDefinition;

class ReportControls;
class TppReport;
class TransactionTable;
class TwwFilterDialog;

// Every change of the report's criteria or options ends here: the Date and AcctName criteria
// are rewritten from the tool bar, the report is reshaped for Subtotal, Totals only and the
// sort order, the filter is applied, the description is rewritten and the report regenerated.
// The window program and the companion program run this same code.
class ReportRefresh {
public:
    ReportRefresh(ReportControls &controls, TransactionTable &table, TwwFilterDialog &filter,
                  TppReport &report);

    // Set by any change of the criteria; the account and date handlers read it.
    int CriteriaChanged = 0;
    // True while the window starts up: option clicks then do not refresh.
    bool Initializing = false;

    void Button3Click();
    int refreshCount() const { return refreshCount_; }
    void UpdateReportDescription();
    void TotalsOnlyClick();
    void BreakCheckboxClick();
    // Runs after the sort-order chooser has switched the table's index.
    void wwKeyCombo1Change();

    // The group field for an index name: the index's first key field; empty for a name the
    // list does not hold.
    static QString breakFieldForIndex(const QList<IndexDefinition> &indexes, const QString &indexName);

private:
    void rewriteToolbarCriteria();
    void shapeReport(bool totalsOnly, bool subtotal);
    void placeGrandTotal(bool totalsOnly);
    void chooseBreakField(bool subtotal);
    void setCaption(const char *labelName, const QString &caption);
    void optionChanged();

    ReportControls &controls_;
    TransactionTable &table_;
    TwwFilterDialog &filter_;
    TppReport &report_;
    int refreshCount_ = 0;
};
