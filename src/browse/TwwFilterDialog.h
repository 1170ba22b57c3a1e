#pragma once
#include "CriterionMatcher.h"
#include "FilterField.h"
#include "FilterTerms.h"
#include "TableView.h"
#include "TwwFieldInfo.h"

#include <QList>
#include <QString>
#include <functional>
#include <vector>

class Prompt;
class TransactionTable;

// What the advanced filter dialog works on while it is open: a copy of the criteria, and
// whether it added, removed or altered one.
struct FilterDialogSession {
    QList<TwwFieldInfo> WorkingCriteria;
    bool WorkingListChanged = false;
    QString Caption;
};

// The filter component: owns the criteria list and turns it into the table's record filter.
// The table must outlive it.
class TwwFilterDialog : public TableView {
public:
    // Runs the dialog window on the session; true when it was closed with OK.
    using DialogRunner = std::function<bool(FilterDialogSession &)>;

    TwwFilterDialog(TransactionTable &table, Prompt &prompt);
    ~TwwFilterDialog() override;
    TwwFilterDialog(const TwwFilterDialog &) = delete;
    TwwFilterDialog &operator=(const TwwFilterDialog &) = delete;

    // The criteria, joined by "and" in list order.
    QList<TwwFieldInfo> FieldInfo;

    TwwFieldOperators FieldOperators;
    QChar UpperRangePadChar = 'z';
    bool ClearWhenNoCriteria = true;    // an empty list switches filtering off
    bool ClearWhenCloseDataSet = true;  // closing the table empties the list
    QString Caption;                    // the dialog's title
    std::function<void(bool busy)> BusyCursor;  // shows and hides the hourglass

    // Checks the table, lets `runDialog` edit a working copy and, after OK, takes the copy
    // over and applies it when it changed or the table is not filtered. True after OK.
    bool ShowFilterDialog(const DialogRunner &runDialog);
    // Installs the criteria as the table's filter; false (with the error shown) when the
    // table is closed.
    bool ApplyCriteria();
    // Empties the list; the table keeps its visible rows until the next ApplyCriteria.
    void ClearCriteria();
    // The predicate the table calls for each record: the criteria as last applied.
    bool AcceptRecord(const TransactionTable &table) const;

    // List access by field name (compared without regard to case), for callers that keep one
    // criterion per field, such as the date range and the account.
    int indexOfField(const QString &fieldName) const;
    int removeCriteriaOnField(const QString &fieldName);  // returns how many went
    void replaceCriteriaOnField(const TwwFieldInfo &criterion);  // removes, then appends

    // The table's fields as the last ApplyCriteria or dialog saw them.
    const std::vector<FilterField> &tableFields() const { return fields_; }
    void refreshTableFields();
    // Resolves the criterion's field: by name, else by display label (storing the name).
    // nullptr when neither names a field.
    const FilterField *resolveField(TwwFieldInfo &criterion) const;
    // Sets FieldName from the display label; keeps it when no field has that label.
    void resolveFromLabel(TwwFieldInfo &criterion) const;
    // Labels of the criteria whose field cannot be resolved, in list order.
    QStringList unresolvedLabels() const;

    TransactionTable &table() const { return table_; }
    void tableActiveChanged(TransactionTable &table, bool active) override;

private:
    bool checkTable();
    void warnIfSameOperators();
    void install();
    void compile();
    const FilterField *fieldNamed(const QString &name) const;
    const FilterField *fieldLabelled(const QString &label) const;

    TransactionTable &table_;
    Prompt &prompt_;
    std::vector<FilterField> fields_;
    std::vector<CriterionMatcher> matchers_;
    bool installed_ = false;
};
