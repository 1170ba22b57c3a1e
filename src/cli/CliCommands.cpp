#include "CliCommands.h"

#include "EngineError.h"

#include "Ascii2DB.h"
#include "CliOptions.h"
#include "CliPrompt.h"
#include "CliReport.h"
#include "CliSession.h"
#include "ImportCommand.h"
#include "ImportFileChooser.h"
#include "PageExport.h"
#include "PreviousTable.h"
#include "RowsCsv.h"

#include <QFile>
#include <QSaveFile>
#include <QTextStream>

namespace {

class NamedFile : public ImportFileChooser {
public:
    explicit NamedFile(QString name) : name_(std::move(name)) {}
    std::optional<QString> chooseImportFile() override { return name_; }

private:
    QString name_;
};

int runInit(CliSession &session) {
    session.database().createTable(session.table().tableName());
    return 0;
}

void printReceipt(QTextStream &out, const ImportOutcome &outcome, const LocaleFormats &formats) {
    const auto money = [&formats](double value) { return formats.generalNumber(value); };
    for (const ReceiptLine &line : receiptLines(outcome.receipt, money, outcome.receipt.errorFile))
        out << line.label << ": " << line.value << "\n";
    if (outcome.status != ImportOutcome::Status::Imported) out << "The table was left as it was.\n";
}

// 0 every line imported, 3 the table was replaced but some lines were rejected, 1 nothing
// changed.
int importStatus(const ImportOutcome &outcome) {
    if (outcome.status != ImportOutcome::Status::Imported) return 1;
    return outcome.receipt.rejected == 0 ? 0 : 3;
}

int runImport(CliSession &session, const CliOptions &options) {
    // A file that is not there changes nothing: status 1, like every import that leaves the table.
    if (!QFile::exists(options.importFile)) throw EngineError(QString("no such file %1").arg(options.importFile));
    QTextStream out(stdout);
    CliPrompt prompt(out);
    NamedFile file(options.importFile);
    TAscii2DB engine;
    TransactionTable &table = session.table();
    ImportCommand command(table, engine, prompt, file, {[&table] { table.open(); }, {}});
    const ImportOutcome outcome = command.Open1Click();
    if (outcome.errorCode == 0) out << TAscii2DB::ErrorText(0) << "\n";
    printReceipt(out, outcome, session.formats());
    return importStatus(outcome);
}

// Written beside the target and put in place only when complete.
void writeJsonFile(const QString &name, int pageCount, const PageSource &pages) {
    QSaveFile file(name);
    if (!file.open(QIODevice::WriteOnly)) throw std::runtime_error(QString("Unable to write to %1").arg(name).toStdString());
    writePagesJson(file, pageCount, pages);
    if (!file.commit()) throw std::runtime_error(QString("Unable to write to %1").arg(name).toStdString());
}

// The report's pages in order, each made when it is asked for.
PageSource pagesInOrder(TppReport &report) {
    return [&report, next = 1, count = report.pageCount()]() mutable -> std::optional<TppPage> {
        if (next > count) return std::nullopt;
        return report.page(next++);
    };
}

int runReport(CliSession &session, const CliOptions &options) {
    CliReport run(session, options);
    TppReport &report = run.report();
    switch (options.output) {
    case ReportOutput::Pdf: writePdf(options.outputFile, pagesInOrder(report), report.printerSetup.documentName); break;
    case ReportOutput::Json: writeJsonFile(options.outputFile, report.pageCount(), pagesInOrder(report)); break;
    case ReportOutput::Text: {
        QTextStream out(stdout);
        writePagesText(out, run.description(), pagesInOrder(report));
        break;
    }
    case ReportOutput::None: break;
    }
    return 0;
}

int runRestorePrevious(CliSession &session) {
    PreviousTable::restore(session.database(), session.table().tableName());
    QTextStream(stdout) << "The transactions from before the last import are back; "
                           "the replaced ones are kept as the previous table.\n";
    return 0;
}

int runRows(CliSession &session, const CliOptions &options) {
    CliReport run(session, options);
    QTextStream out(stdout);
    writeRowsCsv(session.table(), out);
    return 0;
}

} // namespace

int runCliCommand(const CliOptions &options) {
    CliSession session(options);
    if (options.command == "init") return runInit(session);
    if (options.command == "import") return runImport(session, options);
    if (options.command == "report") return runReport(session, options);
    if (options.command == "restore-previous") return runRestorePrevious(session);
    return runRows(session, options);
}
