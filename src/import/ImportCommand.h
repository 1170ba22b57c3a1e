#pragma once
#include "Ascii2DB.h"
#include "ImportReceipt.h"

#include <QString>
#include <exception>
#include <functional>
#include <optional>

class ImportFileChooser;
class Prompt;
class TransactionTable;

// What one run of the import command came to.
struct ImportOutcome {
    enum class Status {
        Cancelled,   // no at the warning or no file chosen: nothing changed
        Imported,    // committed (code 0, or 25 after the whole file was read)
        RolledBack,  // the table holds what it held before
    };
    Status status = Status::Cancelled;
    QString fileName;
    int errorCode = 0;
    QString message;
    int errorRecord = 0;
    int errorField = 0;
    TransferCounters counters;
    ImportReceipt receipt;  // all zero when cancelled
    // Set only when the import was committed.
    double importTotal = 0;
    std::optional<double> firstDate, lastDate;  // day numbers of the earliest and latest row
    bool fileDeleted = false;
};

// File > Import: replaces the table's content with the transactions of one export file.
// Emptying the table and the transfer, debits negated on the way in, are one store
// transaction, so an import that fails leaves the table exactly as it was.
class ImportCommand {
public:
    struct Callbacks {
        std::function<void()> loadTransactions;  // open the table, accounts, date range, report
        std::function<void()> refreshReport;     // the report refresh
    };

    // `transDB` is the main table object; `ascii2DB` is the engine, set up here for the
    // service's export (its progress window is the caller's, through setProgress).
    ImportCommand(TransactionTable &transDB, TAscii2DB &ascii2DB, Prompt &prompt, ImportFileChooser &chooser,
                  Callbacks callbacks);

    ImportOutcome Open1Click();

    // The net sum of the amounts after the last committed import, debits negative.
    const double &ImportTotal() const { return importTotal_; }
    // True while an import runs (window events are serviced meanwhile): the window must not
    // close or start another table command then.
    bool busy() const { return busy_; }
    // Whether a committed import keeps the table it replaced as the previous table (on by
    // default; the benchmark measures the import without it).
    void setKeepPreviousTable(bool keep) { keepPrevious_ = keep; }

private:
    void configureEngine();
    void importFile(ImportOutcome &outcome);
    bool committable() const;
    void sumImported(ImportOutcome &outcome);
    void offerToDelete(ImportOutcome &outcome);
    std::exception_ptr undoImport();

    TransactionTable &transDB_;
    TAscii2DB &ascii2DB_;
    Prompt &prompt_;
    ImportFileChooser &chooser_;
    Callbacks callbacks_;
    double importTotal_ = 0;
    bool busy_ = false;
    bool keepPrevious_ = true;
};
