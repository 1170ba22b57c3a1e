#pragma once
#include "LocaleFormats.h"
#include "TableDatabase.h"
#include "TransactionTable.h"

#include <QString>
#include <memory>

struct CliOptions;

// What every command works on: the database folder, the regional formats and the table.
class CliSession {
public:
    explicit CliSession(const CliOptions &options);

    const QString &directory() const { return directory_; }
    const LocaleFormats &formats() const { return formats_; }
    TableDatabase &database() { return database_; }
    TransactionTable &table() { return *table_; }

private:
    QString directory_;
    LocaleFormats formats_;
    TableDatabase database_;
    std::unique_ptr<TransactionTable> table_;
};

// The folder of the running program with a trailing separator, as the window program uses.
QString programDirectory();
// The formats of a locale name, or of the system when the name is empty; UsageError otherwise.
LocaleFormats formatsForLocale(const QString &name);
