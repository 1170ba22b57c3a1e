#pragma once
#include "PageOutput.h"

#include <QString>
#include <vector>

class TppReport;

// "Printing page 3 of 7 for report Report on the Office" (without " of <count>" while the
// count is unknown, i.e. 0).
QString printingMessage(int page, int pageCount, const QString &documentName, const QString &printerName);

// What a print run tells the person watching it, and how they stop it.
class PrintProgress {
public:
    virtual ~PrintProgress() = default;
    virtual void showMessage(const QString &message) = 0;
    // True once the person asked to stop; window events are serviced while asking.
    virtual bool cancelled() = 0;
};

// Raised out of a page source when the person cancelled the run.
struct PrintCancelled {};

// The listed pages of the report in order, each generated on its own when its turn comes;
// before each page the progress shows its message, and a cancel raises PrintCancelled.
PageSource printPages(TppReport &report, std::vector<int> pages, PrintProgress &progress,
                      const QString &printerName);
