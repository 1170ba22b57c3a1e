// The account chooser, the date pickers and the "Range" presets on the criteria tool bar.
// Every change ends in the report refresh, which turns them into criteria.
#include "AccountList.h"
#include "DateFunctions.h"
#include "DatePicker.h"
#include "MainForm.h"
#include "RangePresets.h"
#include "ReportHandlers.h"
#include "ReportTemplate.h"

#include <QAction>
#include <QComboBox>
#include <QCoreApplication>
#include <QLabel>
#include <QSignalBlocker>

void TMainForm::BuildAccountList() {
    TransDB_.first();
    const QString shownBefore = AcctList_->currentText();
    {
        const QSignalBlocker quiet(AcctList_);
        AcctList_->clear();
        AcctList_->addItem(AllAccounts);
        AcctList_->setCurrentIndex(0);
    }
    if (shownBefore != AllAccounts) AcctListChange();
    const QStringList entries = accountListEntries(TransDB_);
    const QSignalBlocker quiet(AcctList_);
    AcctList_->addItems(entries.mid(1));
}

// Every change of the shown text, typed or chosen, loads the layout for it: the one-account
// layout carries a running balance that only makes sense for one account.
void TMainForm::AcctListChange() {
    const bool allAccounts = AcctList_->currentText() == AllAccounts;
    const QString file = ProgramDir_ + (allAccounts ? "Reports/TransReport.rtm" : "Reports/TransAcctReport.rtm");
    TemplateHandlers handlers;
    handlers.getText["ppLabel8GetText"] = ppLabel8GetText(importCommand_.ImportTotal(), services_.formats);
    handlers.calc["ppVariable1Calc"] = ppVariable1Calc();
    loadTemplate(ppReport1_, file, handlers);
    setCriteriaChanged(1);
    if (!Initializing()) Button3Click();
}

void TMainForm::StartDateCloseUp() {
    if (!StartDate_->hasValidDate()) return;
    ReportDesc_->setText("Transaction Report: CLICK THE UPDATE BUTTON TO UPDATE REPORT AND DATABASE.");
    setCriteriaChanged(1);
    if (!Initializing()) Button3Click();
}

void TMainForm::EndDateCloseUp() {
    if (!EndDate_->hasValidDate()) return;
    setCriteriaChanged(1);
    if (!Initializing()) Button3Click();
}

int TMainForm::firstListedYear() const {
    return DateFunctions::YearOf(DateFunctions::SubtractYears(19, services_.today()));
}

void TMainForm::StartDateDropDown() { StartDate_->setYearListStart(firstListedYear()); }

void TMainForm::EndDateDropDown() { EndDate_->setYearListStart(firstListedYear()); }

void TMainForm::All1Click() {
    StartDate_->setDate(AllStartDate_);
    EndDate_->setDate(AllEndDate_);
    if (!Initializing()) Button3Click();
}

// Every preset but "All": the item carries its preset, so captions play no part.
void TMainForm::Today1Click(QAction *sender) {
    const auto preset = RangePreset(sender->data().toInt());
    const DateRange range = presetRange(preset, services_.today(), {AllStartDate_, AllEndDate_});
    StartDate_->setDate(range.start);
    EndDate_->setDate(range.end);
    setCriteriaChanged(1);
    Button3Click();
    QCoreApplication::processEvents();
}
