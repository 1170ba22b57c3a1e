// Start-up, first display and the ways the main window ends.
#include "ControlsDisabled.h"
#include "DatePicker.h"
#include "MainForm.h"
#include "RowCountText.h"
#include "TablePassword.h"
#include "TransactionDateSpan.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLabel>
#include <utility>

namespace {

QString directoryWithSeparator(const QString &programPath) {
    QString directory = QFileInfo(programPath).absolutePath();
    if (!directory.endsWith('/')) directory += '/';
    return directory;
}

} // namespace

void TMainForm::FormCreate() {
    if (LimitMe1_.DoIExist()) {
        instanceRefused_ = true;
        return;
    }
    refresh_.Initializing = true;
    TableDatabase::addPassword(TablePassword);
    ProgramDir_ = directoryWithSeparator(services_.programPath);
    FormPlacement1_.IniFileName = ProgramDir_ + "Spendrake.ini";
    Database1_.setDirectory(ProgramDir_);
    updateRestoreItem();
    LoadTransactions();
    savedFiltersFile_ = ProgramDir_ + "TransDB.ftr";
    wwSaveFilter1_.FilePath = savedFiltersFile_;
    LoadFilterMenu();
    AllStartDate_ = StartDate_->date();
    AllEndDate_ = EndDate_->date();
    refresh_.Initializing = false;
}

void TMainForm::LoadTransactions() {
    {
        ControlsDisabled suspended(TransDB_);
        TransDB_.open();
        BuildAccountList();
        const auto [earliest, latest] = transactionDateSpan(TransDB_);
        StartDate_->setDate(earliest);
        EndDate_->setDate(latest);
        TransDB_.first();
    }
    Button3Click();
}

void TMainForm::FormShow() { statusPanels_[0]->setText("Version " + VersionInfoResource1_.fileVersionText()); }

void TMainForm::LimitMe1BeforeTerminate() {
    prompt().tell(Prompt::Kind::Warning, "You already have an instance of Spendrake running!");
}

// Ends at once, without asking the window to close: the window's destruction, when the
// program unwinds, still saves the placement and closes the table.
void TMainForm::Exit1Click() { QCoreApplication::exit(0); }

void TMainForm::showRowCount(std::optional<int> count) {
    statusPanels_[1]->setText(count ? rowCountText(*count, services_.formats) : QString());
    statusPanels_[2]->clear();
    statusPanels_[2]->setToolTip({});
}

// The receipt stays until the next refresh or import.
void TMainForm::showImportReceipt(const ImportOutcome &outcome) {
    const ImportReceipt &receipt = outcome.receipt;
    const auto money = [this](double value) { return services_.formats.formatCurrency(value); };
    // The bar shows the sum a reader checks at a glance; the tool tip has every labelled line
    // with the full name of the file of rejected lines.
    const QString shown = QString("Read %1 = imported %2 + rejected %3 + blank %4 · Debits %5 · Credits %6 · Net %7")
                              .arg(receipt.linesRead).arg(receipt.imported).arg(receipt.rejected).arg(receipt.blank)
                              .arg(money(receipt.debits), money(receipt.credits), money(receipt.net));
    QStringList full;
    for (const ReceiptLine &line : receiptLines(receipt, money, receipt.errorFile)) full << line.label + ": " + line.value;
    const QString prefix = outcome.status == ImportOutcome::Status::Imported ? QString() : "Table unchanged. ";
    statusPanels_[2]->setText(prefix + shown);
    statusPanels_[2]->setToolTip(prefix + full.join("\n"));
}
