// The report and the import: the refresh and its option handlers run the shared refresh
// code over this window's controls; File > Import runs the shared import command.
#include "DatePicker.h"
#include "DeviceTextMeasure.h"
#include "MainForm.h"
#include "ReportHandlers.h"
#include "TransactionLayout.h"
#include "TppViewer.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QScreen>

void TMainForm::setUpReport() {
    buildTransactionReport(ppReport1_);
    ppDBPipeline1_.setDataSource(&TransDB_);
    ppReport1_.setDataPipeline(&ppDBPipeline1_);
    ppReport1_.setLocaleFormats(services_.formats);
    const QScreen *screen = QGuiApplication::primaryScreen();
    ppReport1_.setTextMeasure(deviceTextMeasure(screen ? screen->logicalDotsPerInch() : 96.0));
    ppViewer1_->setReport(&ppReport1_);
    Ascii2DB1_.setProgress(&transferProgress_);
}

void TMainForm::Button3Click() { refresh_.Button3Click(); }

void TMainForm::TotalsOnlyClick() { refresh_.TotalsOnlyClick(); }

void TMainForm::BreakCheckboxClick() { refresh_.BreakCheckboxClick(); }

void TMainForm::wwKeyCombo1Change() { refresh_.wwKeyCombo1Change(); }

void TMainForm::Open1Click() {
    const ImportOutcome outcome = importCommand_.Open1Click();
    if (outcome.status == ImportOutcome::Status::Cancelled) return;
    showImportReceipt(outcome);
    updateRestoreItem();
    if (outcome.status != ImportOutcome::Status::Imported) return;
    // The pickers hold the new data's span now; "All" restores it from here on.
    AllStartDate_ = StartDate_->date();
    AllEndDate_ = EndDate_->date();
}

// The import lets window events run between its batches; closing the window then would pull
// the table away under it.
void TMainForm::closeEvent(QCloseEvent *event) {
    if (importCommand_.busy()) {
        event->ignore();
        return;
    }
    QMainWindow::closeEvent(event);
}
