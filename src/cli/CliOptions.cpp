#include "CliOptions.h"

namespace {

const QStringList commands{"init", "import", "report", "rows", "restore-previous"};

struct ArgumentReader {
    const QStringList &arguments;
    int next = 0;

    bool atEnd() const { return next >= arguments.size(); }
    QString take() { return arguments.at(next++); }
    QString valueFor(const QString &option) {
        if (atEnd()) throw UsageError(QString("option %1 needs a value").arg(option));
        return take();
    }
};

bool readCriterion(CliOptions &options, const QString &option, ArgumentReader &reader) {
    if (option == "--account") options.account = reader.valueFor(option);
    else if (option == "--from") options.from = reader.valueFor(option);
    else if (option == "--to") options.to = reader.valueFor(option);
    else if (option == "--preset") options.preset = reader.valueFor(option);
    else if (option == "--today") options.today = reader.valueFor(option);
    else if (option == "--sort") options.sort = reader.valueFor(option);
    else if (option == "--filter") options.filterName = reader.valueFor(option);
    else if (option == "--subtotal") options.subtotal = true;
    else if (option == "--totals-only") options.totalsOnly = true;
    else return false;
    return true;
}

bool readOutput(CliOptions &options, const QString &option, ArgumentReader &reader) {
    auto choose = [&](ReportOutput output) {
        if (options.output != ReportOutput::None) throw UsageError("choose one of --pdf, --json and --text");
        options.output = output;
    };
    if (option == "--pdf") {
        choose(ReportOutput::Pdf);
        options.outputFile = reader.valueFor(option);
    } else if (option == "--json") {
        choose(ReportOutput::Json);
        options.outputFile = reader.valueFor(option);
    } else if (option == "--text") {
        choose(ReportOutput::Text);
    } else {
        return false;
    }
    return true;
}

void checkComplete(const CliOptions &options) {
    if (options.command.isEmpty())
        throw UsageError("no command given (init, import, report, rows or restore-previous); see --help");
    if (options.command == "import" && options.importFile.isEmpty()) throw UsageError("import needs a FILE");
    if (options.command == "report" && options.output == ReportOutput::None)
        throw UsageError("report needs one of --pdf OUT.pdf, --json OUT.json or --text");
    if (options.command == "rows" && !options.csv) throw UsageError("rows needs --csv");
    if (!options.preset.isEmpty() && (options.from || options.to))
        throw UsageError("--preset cannot be combined with --from or --to");
}

} // namespace

CliOptions parseCliOptions(const QStringList &arguments) {
    CliOptions options;
    ArgumentReader reader{arguments};
    while (!reader.atEnd()) {
        const QString argument = reader.take();
        const bool criteriaAllowed = options.command == "report" || options.command == "rows";
        if (argument == "--help" || argument == "-h") options.help = true;
        else if (argument == "--dir") options.directory = reader.valueFor(argument);
        else if (argument == "--locale") options.locale = reader.valueFor(argument);
        else if (criteriaAllowed && readCriterion(options, argument, reader)) continue;
        else if (options.command == "report" && readOutput(options, argument, reader)) continue;
        else if (options.command == "rows" && argument == "--csv") options.csv = true;
        else if (argument.startsWith("-")) throw UsageError(QString("unknown option %1").arg(argument));
        else if (options.command.isEmpty() && commands.contains(argument)) options.command = argument;
        else if (options.command == "import" && options.importFile.isEmpty()) options.importFile = argument;
        else throw UsageError(QString("unexpected argument %1").arg(argument));
    }
    if (!options.help) checkComplete(options);
    return options;
}

QString cliHelpText() {
    return R"HELP(Usage: spendrake-cli [--dir DIR] [--locale NAME] COMMAND [options]

The scriptable face of Spendrake: the same table, import, filters and report as the window
program, without a window.

Commands:
  init                       Create an empty table "transactions.DAT" in DIR (kept if present).
  import FILE                Replace the table's content with the transactions of the export
                             FILE, as File > Import does (the table is emptied without asking,
                             the file is kept). Prints the outcome and a receipt: Lines read,
                             Imported, Rejected, Blank (read = imported + rejected + blank),
                             then the sums Debits, Credits and Net. "error.txt" beside FILE
                             lists the rejected lines. Exit status:
                               0  every line was imported
                               3  the table was replaced, but some lines were rejected
                               1  nothing changed: the table is as it was
  report [criteria] OUTPUT   Build the Transaction Report. OUTPUT is one of
                               --pdf OUT.pdf    the pages as a PDF file
                               --json OUT.json  the page count and every drawing command
                                                (positions in thousandths of a millimetre)
                               --text           the description line, then each page's texts
                                                one a line; pages are separated by a line
                                                holding a form feed
  rows [criteria] --csv      The transactions that pass, in the chosen order, as CSV.
  restore-previous           Swap the table with "transactions.previous.DAT", the table as it
                             was before the last import (every import keeps one). Running it
                             again swaps back. Exit status 0, or 1 when there is no usable
                             previous table (nothing changes then).

Criteria (report and rows):
  --account NAME             One account (default "All Account(s)").
  --from DATE, --to DATE     Date range in the short date format of the locale (default: the
                             earliest and the latest transaction date). An empty text leaves
                             that side open.
  --preset CAPTION           A "Range" preset such as "Last month" or "This Year".
  --today DATE               The day the preset counts from (default: today).
  --sort ENTRY               Date, Description, Amount, Type, Category, Account Name or Tags.
  --subtotal                 Subtotals per value of the sort field.
  --totals-only              Only the subtotals and the grand total (implies --subtotal).
  --filter NAME              Add the criteria of the saved filter NAME from DIR's "TransDB.ftr".

Common options:
  --dir DIR                  The folder of the table (default: the folder of this program).
  --locale NAME              Regional formats such as en_US or de_DE (default: the system's).
  --help                     This text.

A bad option, date or name is reported on one line on standard error with exit status 2.
)HELP";
}
