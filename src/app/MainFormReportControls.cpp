#include "MainFormReportControls.h"

#include "DatePicker.h"
#include "MainForm.h"
#include "TppViewer.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QSignalBlocker>
#include <QTabWidget>

QString MainFormReportControls::startDateText() const { return form_.StartDate()->text(); }

// A picker runs its change handling only when its text really changes.
void MainFormReportControls::setStartDateText(const QString &text) {
    if (form_.StartDate()->text() != text) form_.StartDate()->setText(text);
}

QString MainFormReportControls::endDateText() const { return form_.EndDate()->text(); }

void MainFormReportControls::setEndDateText(const QString &text) {
    if (form_.EndDate()->text() != text) form_.EndDate()->setText(text);
}

int MainFormReportControls::accountIndex() const { return form_.AcctList()->currentIndex(); }

QString MainFormReportControls::accountText() const { return form_.AcctList()->currentText(); }

void MainFormReportControls::setAccountText(const QString &text) {
    if (form_.AcctList()->currentText() != text) form_.AcctList()->setCurrentText(text);
}

bool MainFormReportControls::totalsOnly() const { return form_.TotalsOnly()->isChecked(); }

bool MainFormReportControls::subtotal() const { return form_.BreakCheckbox()->isChecked(); }

// The refresh runs the Subtotal handling itself where it must; the box must not run it again.
void MainFormReportControls::setSubtotal(bool checked) {
    const QSignalBlocker quiet(form_.BreakCheckbox());
    form_.BreakCheckbox()->setChecked(checked);
}

void MainFormReportControls::setSubtotalEnabled(bool enabled) { form_.BreakCheckbox()->setEnabled(enabled); }

void MainFormReportControls::setDescription(const QString &text) { form_.ReportDesc()->setText(text); }

void MainFormReportControls::showFirstPage() { form_.ppViewer1()->regenerated(); }

void MainFormReportControls::revisitReportPage() {
    QTabWidget *pages = form_.PageControl1();
    if (pages->currentWidget() != form_.TabSheet2()) return;
    pages->setCurrentWidget(form_.TabSheet1());
    pages->setCurrentWidget(form_.TabSheet2());
}

void MainFormReportControls::showRowCount(std::optional<int> count) { form_.showRowCount(count); }
