// The headless companion of the window program: the same table, import, criteria and report,
// driven from a command line.
#include "CliCommands.h"
#include "CliOptions.h"
#include "EngineError.h"

#include <QCoreApplication>
#include <QTextStream>
#include <cstdio>

int main(int argc, char **argv) {
    QCoreApplication app(argc, argv);
    QTextStream err(stderr);
    try {
        const CliOptions options = parseCliOptions(app.arguments().mid(1));
        if (options.help) {
            QTextStream(stdout) << cliHelpText();
            return 0;
        }
        return runCliCommand(options);
    } catch (const UsageError &error) {
        err << "spendrake-cli: " << error.what() << "\n";
        return 2;
    } catch (const EngineError &error) {
        err << "spendrake-cli: " << error.text() << "\n";
        return 1;
    } catch (const std::exception &error) {
        err << "spendrake-cli: " << error.what() << "\n";
        return 1;
    }
}
