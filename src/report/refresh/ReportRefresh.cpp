#include "ReportRefresh.h"

#include "ControlsDisabled.h"
#include "ReportControls.h"
#include "ReportDescription.h"
#include "TppReport.h"
#include "TransactionTable.h"
#include "TwwKeyCombo.h"
#include "TwwFilterDialog.h"

namespace {

template <class T> void setVisible(TppReport &report, const char *name, bool visible) {
    if (T *object = report.find<T>(name)) object->visible = visible;
}

TwwFieldInfo dateCriterion(const ReportControls &controls) {
    TwwFieldInfo date = TwwFieldInfo::range("Date", "Date", controls.startDateText(), controls.endDateText());
    date.FilterValue = "R";
    return date;
}

} // namespace

ReportRefresh::ReportRefresh(ReportControls &controls, TransactionTable &table, TwwFilterDialog &filter,
                             TppReport &report)
    : controls_(controls), table_(table), filter_(filter), report_(report) {}

// The field an index starts with, looked up by the index's exact name in the table's list.
QString ReportRefresh::breakFieldForIndex(const QList<IndexDefinition> &indexes, const QString &indexName) {
    for (const IndexDefinition &index : indexes)
        if (index.name == indexName) return firstKeyField(index);
    return {};
}

void ReportRefresh::Button3Click() {
    ++refreshCount_;
    QList<TwwFieldInfo> &criteria = filter_.FieldInfo;
    for (qsizetype i = criteria.size() - 1; i >= 0; --i) {
        if (criteria[i].FieldName == "Date" || criteria[i].FieldName == "AcctName") criteria.removeAt(i);
    }
    const ControlsDisabled suspended(table_);  // also when the regeneration throws
    rewriteToolbarCriteria();
    shapeReport(controls_.totalsOnly(), controls_.subtotal());
    filter_.ApplyCriteria();  // on a closed table it says so itself; the refresh goes on
    UpdateReportDescription();
    report_.regenerate();
    controls_.showFirstPage();
    if (table_.active() && table_.recordCount() == 0) controls_.revisitReportPage();
    controls_.showRowCount(table_.active() ? std::optional<int>(table_.recordCount()) : std::nullopt);
}

void ReportRefresh::rewriteToolbarCriteria() {
    filter_.FieldInfo.append(dateCriterion(controls_));
    if (controls_.accountIndex() != 0)
        filter_.FieldInfo.append(TwwFieldInfo::exact("AcctName", "Account Name", controls_.accountText()));
}

void ReportRefresh::shapeReport(bool totalsOnly, bool subtotal) {
    setVisible<TppBand>(report_, "ppGroupHeaderBand2", !totalsOnly);
    setVisible<TppBand>(report_, "ppGroupFooterBand2", subtotal);
    setVisible<TppBand>(report_, "ppDetailBand1", !totalsOnly);
    setVisible<TppComponent>(report_, "ppLine3", !totalsOnly);
    setVisible<TppComponent>(report_, "ppDBCalc1", !totalsOnly);
    setVisible<TppComponent>(report_, "ppDBCalc2", totalsOnly);
    setVisible<TppComponent>(report_, "ppDBText8", totalsOnly);
    placeGrandTotal(totalsOnly);
    chooseBreakField(subtotal);
    auto *groupValue = report_.find<TppDBText>("ppDBText13");
    if (auto *totalsValue = report_.find<TppDBText>("ppDBText8"); totalsValue && groupValue)
        totalsValue->dataField = groupValue->dataField;
}

void ReportRefresh::placeGrandTotal(bool totalsOnly) {
    const double left = totalsOnly ? 4.0521 : 7.0;
    if (auto *total = report_.find<TppComponent>("ppDBCalc3")) total->setWidth(0.8021);
    for (const char *name : {"ppDBCalc3", "ppLine4", "ppLine5"}) {
        if (auto *component = report_.find<TppComponent>(name)) component->setLeft(left);
    }
}

void ReportRefresh::chooseBreakField(bool subtotal) {
    auto *group = report_.find<TppGroup>("ppGroup2");
    auto *groupValue = report_.find<TppDBText>("ppDBText13");
    if (!subtotal) {
        if (group) group->breakName.clear();
        if (groupValue) groupValue->visible = false;
        return;
    }
    if (groupValue) groupValue->visible = true;
    const QString field = breakFieldForIndex(table_.indexDefs(), table_.indexName());
    if (field.isEmpty()) return;  // an order the report does not group by keeps the last field
    if (group) group->breakName = field;
    if (groupValue) groupValue->dataField = field;
}

void ReportRefresh::UpdateReportDescription() {
    const ReportDescriptionTexts texts = describeCriteria(filter_.FieldInfo, controls_);
    controls_.setDescription(" " + texts.accounts + " " + texts.dates + texts.filter);
    setCaption("AcctLbl", texts.accounts);
    setCaption("ppLabel15", controls_.startDateText() + " - " + controls_.endDateText());
    setCaption("ppLabel16", texts.filter);
}

void ReportRefresh::setCaption(const char *labelName, const QString &caption) {
    if (auto *label = report_.find<TppLabel>(labelName)) label->caption = caption;
}

void ReportRefresh::TotalsOnlyClick() {
    const bool totalsOnly = controls_.totalsOnly();
    if (controls_.subtotal() != totalsOnly) {
        controls_.setSubtotal(totalsOnly);
        BreakCheckboxClick();
    }
    controls_.setSubtotalEnabled(!totalsOnly);
    optionChanged();
}

void ReportRefresh::BreakCheckboxClick() { optionChanged(); }

void ReportRefresh::wwKeyCombo1Change() { optionChanged(); }

void ReportRefresh::optionChanged() {
    CriteriaChanged = 1;
    if (!Initializing) Button3Click();
}
