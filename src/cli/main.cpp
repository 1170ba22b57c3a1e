// The headless companion of the window program: the same table, import, criteria and report,
// driven from a command line.
#include "CliCommands.h"
#include "CliOptions.h"
#include "EngineError.h"

#include <QGuiApplication>
#include <QTextStream>
#include <cstdlib>

namespace {

// Qt's complaints about the desktop session (runtime folder and the like) mean nothing to a
// program that shows no window; everything else still reaches standard error.
void quietMessages(QtMsgType type, const QMessageLogContext &context, const QString &message) {
    if (type != QtFatalMsg && message.startsWith("QStandardPaths:")) return;
    QTextStream(stderr) << qFormatLogMessage(type, context, message) << "\n";
    if (type == QtFatalMsg) std::abort();
}

} // namespace

int main(int argc, char **argv) {
    qInstallMessageHandler(quietMessages);
    // Reports measure and draw their texts with fonts, which needs a GUI application; no
    // window is ever shown, so no display is needed either.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
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
