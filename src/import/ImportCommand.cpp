#include "ImportCommand.h"

#include "ControlsDisabled.h"
#include "FirstFailure.h"
#include "ImportFileChooser.h"
#include "PreviousTable.h"
#include "Prompt.h"
#include "TableDatabase.h"
#include "TransactionTable.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QScopedValueRollback>

namespace {

const QStringList exportFields{"Date", "Description", "OrigDesc", "Amount", "Type",
                               "Category", "AcctName", "Labels", "Notes"};

// Puts the table's order and filter back however the summing pass ends.
struct OrderRestorer {
    TransactionTable &table;
    QString index = table.indexName();
    bool filtered = table.filtered();
    ~OrderRestorer() {
        try {
            table.setIndexName(index);
            table.setFiltered(filtered);
        } catch (...) {
            // Leaving by an error already: that error is the one to report.
        }
    }
};

// Debits are kept negative. Negated as each row is converted, before it is written, so no
// row is written twice; `x - x * 2.0` as ever, so a zero debit stays +0 and an empty amount
// becomes 0.
void negateDebit(TAscii2DB &, TransactionTable &table, bool &) {
    using namespace TransactionSchema;
    TransactionRecord &record = table.pendingRecord();
    if (record.isNull(Type) || record.text[Type] != QLatin1String("debit")) return;
    const double amount = record.isNull(Amount) ? 0 : record.amount;
    record.amount = amount - amount * 2.0;
    record.setNull(Amount, false);
}

} // namespace

ImportCommand::ImportCommand(TransactionTable &transDB, TAscii2DB &ascii2DB, Prompt &prompt,
                             ImportFileChooser &chooser, Callbacks callbacks)
    : transDB_(transDB), ascii2DB_(ascii2DB), prompt_(prompt), chooser_(chooser), callbacks_(std::move(callbacks)) {
    configureEngine();
}

void ImportCommand::configureEngine() {
    ascii2DB_.setDestination(&transDB_);
    ascii2DB_.setFieldList(exportFields);
    ascii2DB_.setSkipLines(1);
    ascii2DB_.setErrorFile("error.txt");
    ascii2DB_.setAnnotateErrorFile(true);
    ascii2DB_.setShowDlg(true);
    ascii2DB_.setShowCaption("Transfer Progress");
    ascii2DB_.setAbortCaption("&Cancel");
    ascii2DB_.setOnPrePost(negateDebit);
}

ImportOutcome ImportCommand::Open1Click() {
    ImportOutcome outcome;
    // The transfer lets window events run; a second import started from there does nothing.
    if (busy_) return outcome;
    const QScopedValueRollback<bool> idle(busy_, true);

    if (!prompt_.confirmed(Prompt::Kind::Warning, "Importing a new file will empty the current tranactions. Continue?",
                            Prompt::Buttons::YesNoDefaultNo))
        return outcome;
    const std::optional<QString> file = chooser_.chooseImportFile();
    if (!file) return outcome;
    outcome.fileName = QFileInfo(*file).absoluteFilePath();
    ascii2DB_.setAsciiFile(outcome.fileName);
    // The file of rejected lines goes beside the file being imported.
    ascii2DB_.setErrorFile(QFileInfo(outcome.fileName).absoluteDir().filePath("error.txt"));
    ascii2DB_.setFieldList(exportFields);
    importFile(outcome);
    return outcome;
}

void ImportCommand::importFile(ImportOutcome &outcome) {
    TableDatabase &database = transDB_.database();
    const QString table = transDB_.tableName();
    database.startTransaction(table);
    std::optional<ControlsDisabled> suspended;  // from the summing pass to the report refresh
    try {
        // Taken before anything changes; it replaces the kept table only once the import is
        // committed.
        std::optional<PreviousTable::Copy> previous;
        if (keepPrevious_) previous.emplace(database, table);
        transDB_.close();
        transDB_.emptyTable();
        transDB_.open();
        if (callbacks_.loadTransactions) callbacks_.loadTransactions();
        ascii2DB_.Transfer();
        outcome.errorCode = ascii2DB_.ErrorCode();
        outcome.message = TAscii2DB::ErrorText(outcome.errorCode);
        // The code alone would hide why the table refused the rows (a full disk, say).
        if (!ascii2DB_.ErrorDetail().isEmpty()) outcome.message += "\n\n" + ascii2DB_.ErrorDetail();
        outcome.errorRecord = ascii2DB_.ErrorRecord();
        outcome.errorField = ascii2DB_.ErrorField();
        outcome.counters = ascii2DB_.counters();
        if (committable()) {
            outcome.receipt = ImportReceipt::fromTransfer(outcome.counters, true, ascii2DB_.ErrorFile());
            suspended.emplace(transDB_);
            sumImported(outcome);
            database.commit(table);
            if (previous) previous->keep();
        }
    } catch (...) {
        suspended.reset();
        // The failure that stopped the import is the one the user needs to see.
        undoImport();
        throw;
    }
    if (!committable()) {
        outcome.status = ImportOutcome::Status::RolledBack;
        outcome.firstDate = outcome.lastDate = std::nullopt;
        outcome.receipt = ImportReceipt::fromTransfer(outcome.counters, false, ascii2DB_.ErrorFile());
        const std::exception_ptr failure = undoImport();
        prompt_.tell(Prompt::Kind::Plain, outcome.message);
        if (failure) std::rethrow_exception(failure);
        return;
    }
    outcome.status = ImportOutcome::Status::Imported;
    importTotal_ = outcome.importTotal = outcome.receipt.net;
    if (callbacks_.refreshReport) callbacks_.refreshReport();
    suspended.reset();
    if (callbacks_.loadTransactions) callbacks_.loadTransactions();
    if (outcome.errorCode != 0) {
        // Some lines were let pass as bad: the user should look at the error file.
        prompt_.tell(Prompt::Kind::Plain, outcome.message);
        return;
    }
    offerToDelete(outcome);
}

bool ImportCommand::committable() const {
    const int code = ascii2DB_.ErrorCode();
    return code == 0 || (code == 25 && ascii2DB_.ranToEnd());
}

// Sums the amounts, debits already negative, into the receipt, in date order as the table
// shows them, and notes the first and last day.
void ImportCommand::sumImported(ImportOutcome &outcome) {
    using namespace TransactionSchema;
    OrderRestorer restorer{transDB_};
    transDB_.setFiltered(false);
    transDB_.setIndexName("DateIndex");
    ImportReceipt &receipt = outcome.receipt;
    const int rows = transDB_.recordCount();
    for (int position = 0; position < rows; ++position) {
        const TransactionRow row = transDB_.rowAt(position);
        const bool debit = !row.isNull(Type) && row.text(Type) == QLatin1String("debit");
        const double value = row.isNull(Amount) ? 0 : row.amount();
        receipt.net += value;
        (debit ? receipt.debits : receipt.credits) += value;
        if (!row.isNull(Date)) {
            const double day = row.date();
            if (!outcome.firstDate || day < *outcome.firstDate) outcome.firstDate = day;
            if (!outcome.lastDate || day > *outcome.lastDate) outcome.lastDate = day;
        }
    }
    transDB_.last();  // where a walk over the rows leaves the cursor, as callers find it
}

void ImportCommand::offerToDelete(ImportOutcome &outcome) {
    const QString question = "Your import was successful. Would you like to delete your import file?\r\n\r\nFile: " +
                             outcome.fileName;
    if (prompt_.confirmed(Prompt::Kind::Confirmation, question, Prompt::Buttons::YesNoDefaultNo))
        outcome.fileDeleted = QFile::remove(outcome.fileName);  // a failure is not reported
}

// Puts the table back as it was before the import and shows it again. Every step is tried
// however the others went; the first failure is handed back.
std::exception_ptr ImportCommand::undoImport() {
    FirstFailure steps;
    steps.attempt([this] { transDB_.database().rollback(transDB_.tableName()); });
    steps.attempt([this] { transDB_.open(); });
    if (callbacks_.loadTransactions) steps.attempt(callbacks_.loadTransactions);
    return steps.failure();
}
