#include "PrintPages.h"

#include "TppReport.h"

QString printingMessage(int page, int pageCount, const QString &documentName, const QString &printerName) {
    if (pageCount <= 0)
        return QString("Printing page %1 for report %2 on the %3").arg(page).arg(documentName, printerName);
    return QString("Printing page %1 of %2 for report %3 on the %4").arg(page).arg(pageCount).arg(documentName, printerName);
}

PageSource printPages(TppReport &report, std::vector<int> pages, PrintProgress &progress,
                      const QString &printerName) {
    auto next = std::make_shared<std::size_t>(0);
    auto list = std::make_shared<std::vector<int>>(std::move(pages));
    return [&report, &progress, printerName, next, list]() -> std::optional<TppPage> {
        if (progress.cancelled()) throw PrintCancelled();
        if (*next == list->size()) return std::nullopt;
        const int pageNo = (*list)[(*next)++];
        progress.showMessage(printingMessage(pageNo, report.pageCount(), report.printerSetup.documentName, printerName));
        if (progress.cancelled()) throw PrintCancelled();
        return report.page(pageNo);
    };
}
