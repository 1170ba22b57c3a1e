#include "PdfExport.h"

#include "PageOutput.h"
#include "PrintPages.h"
#include "TppReport.h"

#include <QDir>
#include <QStandardPaths>

bool exportReportPdf(TppReport &report, const QString &fileName, PrintProgress &progress) {
    std::vector<int> pages(report.pageCount());
    for (std::size_t i = 0; i < pages.size(); ++i) pages[i] = int(i) + 1;
    try {
        writePdf(fileName, printPages(report, std::move(pages), progress, "PDF file"),
                 report.printerSetup.documentName);
    } catch (const PrintCancelled &) {
        return false;
    }
    return true;
}

QString fileInDocuments(const QString &name) {
    QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (folder.isEmpty()) folder = QDir::homePath();
    return QDir(folder).filePath(name);
}

QString defaultPdfExportFile() { return fileInDocuments("Transaction Report.pdf"); }
