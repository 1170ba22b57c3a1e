// The advanced filter: the tool bar button opens the dialog on the criteria in force, the
// main window adds its "Save Filter" button, and OK refreshes the report.
#include "FilterDialogRules.h"
#include "AccountList.h"
#include "MainForm.h"
#include "TwwFilterDlg.h"

#include <QComboBox>
#include <QPushButton>

void TMainForm::Button2Click() {
    // The dialog must open on the account and dates shown in the tool bar.
    if (CriteriaChanged() == 1) Button3Click();
    setCriteriaChanged(0);
    if (!FilterDlg_.ShowFilterDialog([this](FilterDialogSession &session) { return runFilterDialog(session); }))
        return;
    Button3Click();
    refresh_.UpdateReportDescription();
}

bool TMainForm::runFilterDialog(FilterDialogSession &session) {
    FilterDialogRules rules(session, FilterDlg_.tableFields(), services_.formats, prompt());
    rules.FieldOperators = FilterDlg_.FieldOperators;
    rules.OnSelectField = [this](const QString &fieldName, QString &pictureMask, QStringList &values) {
        FilterDlgSelectField(fieldName, pictureMask, values);
    };
    TwwFilterDlg dialog(rules, this);
    dialog.setWindowTitle(session.Caption);
    dialog.OnInitDialog = [this](TwwFilterDlg &opened) { FilterDlgInitDialog(opened); };
    return dialog.exec() == QDialog::Accepted;
}

void TMainForm::FilterDlgInitDialog(TwwFilterDlg &Dialog) {
    const QRect ok = Dialog.OKButton()->geometry();
    auto *saveButton = new QPushButton("&Save Filter", &Dialog);
    saveButton->setObjectName("SaveFilterButton");
    saveButton->setAutoDefault(false);
    saveButton->setGeometry(ok.left(), Dialog.CancelButton()->geometry().top() + ok.height() + Dialog.scaled(10),
                            ok.width(), ok.height());
    // What is saved is the applied list, so it must hold more than the refresh's own criteria.
    const int refreshCriteria = AcctList_->currentText() != AllAccounts ? 2 : 1;
    saveButton->setEnabled(FilterDlg_.FieldInfo.size() > refreshCriteria);
    wire(saveButton, &QPushButton::clicked, &TMainForm::SaveFilterClick);
    saveButton->show();
    Dialog.rules().changeFieldTab(FilterDialogRules::AllFields);
    Dialog.showState();
}

void TMainForm::FilterDlgSelectField(const QString &FieldName, QString &PictureMask, QStringList &ComboList) {
    Q_UNUSED(PictureMask)
    if (FieldName != "AcctName") return;
    for (int i = 1; i < AcctList_->count(); ++i) ComboList << AcctList_->itemText(i);
}
