// Start-up, first display and the ways the main window ends.
#include "DatePicker.h"
#include "MainForm.h"
#include "TablePassword.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLabel>
#include <algorithm>
#include <utility>

namespace {

// The first and last date in date order over the rows in view, without touching the table's
// own order. A row without a date sorts first, so it makes the first date blank.
std::pair<double, double> dateRangeInDateOrder(TransactionTable &table) {
    bool undated = false, dated = false;
    double earliest = 0, latest = 0;
    const int count = table.recordCount();
    for (int row = 0; row < count; ++row) {
        const TransactionRecord &record = table.recordAt(row);
        if (record.isNull(TransactionSchema::Date)) {
            undated = true;
            continue;
        }
        earliest = dated ? std::min(earliest, record.date) : record.date;
        latest = dated ? std::max(latest, record.date) : record.date;
        dated = true;
    }
    return {undated ? 0 : earliest, latest};
}

// Suspends the table's view updates for a scope, also when the scope ends by an error.
class SuspendedViews {
public:
    explicit SuspendedViews(TransactionTable &table) : table_(table) { table_.disableControls(); }
    ~SuspendedViews() { table_.enableControls(); }

private:
    TransactionTable &table_;
};

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
    Initializing_ = true;
    TableDatabase::addPassword(TablePassword);
    ProgramDir_ = directoryWithSeparator(services_.programPath);
    FormPlacement1_.IniFileName = ProgramDir_ + "Spendrake.ini";
    Database1_.setDirectory(ProgramDir_);
    LoadTransactions();
    savedFiltersFile_ = ProgramDir_ + "TransDB.ftr";
    LoadFilterMenu();
    AllStartDate_ = StartDate_->date();
    AllEndDate_ = EndDate_->date();
    Initializing_ = false;
}

void TMainForm::LoadTransactions() {
    {
        SuspendedViews suspended(TransDB_);
        TransDB_.open();
        BuildAccountList();
        const auto [earliest, latest] = dateRangeInDateOrder(TransDB_);
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
