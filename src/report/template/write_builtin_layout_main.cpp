// Writes the built-in transaction layout in the text form; resources/Reports/TransReport.rtm
// is made with it:  write-builtin-layout resources/Reports/TransReport.rtm
#include "EngineError.h"
#include "ReportTemplate.h"
#include "TransactionLayout.h"
#include <cstdio>

int main(int argc, char **argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s FILE\n", argv[0]);
        return 2;
    }
    try {
        TppReport report;
        buildTransactionReport(report);
        saveTemplate(report, QString::fromLocal8Bit(argv[1]));
    } catch (const EngineError &error) {
        std::fprintf(stderr, "%s\n", qPrintable(error.text()));
        return 1;
    }
    return 0;
}
