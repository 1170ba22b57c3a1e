#include "CliCommands.h"

#include "CliOptions.h"
#include "CliSession.h"
#include "RowsCsv.h"

#include <QTextStream>

namespace {

int runInit(CliSession &session) {
    session.database().createTable(session.table().tableName());
    return 0;
}

int runRows(CliSession &session) {
    session.table().open();
    QTextStream out(stdout);
    writeRowsCsv(session.table(), out);
    return 0;
}

} // namespace

int runCliCommand(const CliOptions &options) {
    CliSession session(options);
    if (options.command == "init") return runInit(session);
    if (options.command == "rows") return runRows(session);
    throw UsageError(QString("the %1 command is not available yet").arg(options.command));
}
