#pragma once
#include <QString>
#include <QStringList>
#include <optional>
#include <stdexcept>

// A bad command line: the message goes to standard error and the program ends with status 2.
class UsageError : public std::runtime_error {
public:
    explicit UsageError(const QString &text) : std::runtime_error(text.toStdString()) {}
};

enum class ReportOutput { None, Pdf, Json, Text };

struct CliOptions {
    QString command;       // init, import, report, rows, restore-previous
    QString directory;     // the table's folder; empty means the executable's folder
    QString locale;        // empty means the system locale
    QString importFile;
    // Criteria shared by report and rows.
    QString account = "All Account(s)";
    std::optional<QString> from, to;
    QString preset;
    QString today;
    QString sort = "Date";
    bool subtotal = false;
    bool totalsOnly = false;
    QString filterName;
    ReportOutput output = ReportOutput::None;
    QString outputFile;
    bool csv = false;
    bool help = false;
};

// Reads the arguments after the program name; throws UsageError.
CliOptions parseCliOptions(const QStringList &arguments);
QString cliHelpText();
