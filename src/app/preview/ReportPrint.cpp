#include "ReportPrint.h"

#include "CupsJob.h"
#include "EngineError.h"
#include "PageOutput.h"
#include "Prompt.h"
#include "TppCancelDialog.h"
#include "TppPrintDialog.h"
#include "TppReport.h"

#include <QPageSetupDialog>
#include <QPageSize>
#include <QPrinter>
#include <QPrinterInfo>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <cmath>

namespace {

std::vector<PrinterDescription> installedPrinters() {
    std::vector<PrinterDescription> printers;
    for (const QPrinterInfo &info : QPrinterInfo::availablePrinters())
        printers.push_back({info.printerName(), info.makeAndModel(), info.location()});
    return printers;
}

QPageSize pageSizeOf(int mmWidth, int mmHeight) {
    return QPageSize(QSizeF(mmWidth / 1000.0, mmHeight / 1000.0), QPageSize::Millimeter, QString(),
                     QPageSize::FuzzyMatch);
}

// The printing service's name of a standard paper, empty for any other.
QString mediaName(const TppPrinterSetup &setup) {
    const QPageSize size = pageSizeOf(setup.mmPaperWidth, setup.mmPaperHeight);
    return size.id() == QPageSize::Custom ? QString() : size.key();
}

struct SetupValues {
    QString printerName, paperName;
    int mmPaperWidth, mmPaperHeight, copies;
    bool collation;
};

SetupValues valuesOf(const TppPrinterSetup &setup) {
    return {setup.printerName, setup.paperName, setup.mmPaperWidth, setup.mmPaperHeight, setup.copies, setup.collation};
}

void restore(TppPrinterSetup &setup, const SetupValues &values) {
    setup.printerName = values.printerName;
    setup.paperName = values.paperName;
    setup.mmPaperWidth = values.mmPaperWidth;
    setup.mmPaperHeight = values.mmPaperHeight;
    setup.copies = values.copies;
    setup.collation = values.collation;
}

bool samePaper(const SetupValues &a, const TppPrinterSetup &b) {
    return a.mmPaperWidth == b.mmPaperWidth && a.mmPaperHeight == b.mmPaperHeight;
}

// The pages go into a file of their own first: the printing service gets the job only once
// every page is drawn, so a cancelled or failed run prints nothing.
void sendJob(TppReport &report, const std::vector<int> &pages, const QString &printer, QWidget *parent) {
    QTemporaryDir folder;
    if (!folder.isValid()) throw EngineError("Cannot print: no room for the print job's file.");
    const QString file = folder.filePath("job.pdf");
    const TppPrinterSetup &setup = report.printerSetup;
    {
        TppCancelDialog progress(parent);
        try {
            writePdf(file, printPages(report, pages, progress, printer), setup.documentName);
        } catch (const PrintCancelled &) {
            return;
        }
    }
    submitPrintJob(printer, file, {setup.documentName, setup.copies, setup.collation, mediaName(setup)});
}

} // namespace

std::optional<PaperChoice> printerProperties(const QString &printer, QWidget *parent) {
    QPrinter device(QPrinterInfo::printerInfo(printer));
    QPageSetupDialog dialog(&device, parent);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    const QPageLayout layout = device.pageLayout();
    const QSizeF size = layout.pageSize().size(QPageSize::Millimeter);
    const bool landscape = layout.orientation() == QPageLayout::Landscape;
    const int width = int(std::lround((landscape ? size.height() : size.width()) * 1000));
    const int height = int(std::lround((landscape ? size.width() : size.height()) * 1000));
    return PaperChoice{layout.pageSize().name(), width, height};
}

bool printReport(TppReport &report, int currentPage, Prompt &prompt, QWidget *parent) {
    const SetupValues before = valuesOf(report.printerSetup);
    report.deviceType = "Printer";
    const auto backToScreen = qScopeGuard([&] {
        report.deviceType = "Screen";
        if (!report.savePrinterSetup) restore(report.printerSetup, before);
    });
    PrintDialogRules rules(installedPrinters(), QPrinterInfo::defaultPrinterName(), report.printerSetup,
                           report.pageCount(), currentPage);
    TppPrintDialog dialog(std::move(rules), prompt, parent);
    dialog.setPropertiesDialog(printerProperties);
    if (dialog.exec() != QDialog::Accepted) return false;
    PrintDialogRules chosen = dialog.rules();
    // The printer may have gone between the dialog and now.
    if (QPrinterInfo::printerInfo(chosen.printerName()).isNull()) {
        prompt.tell(Prompt::Kind::Warning, printerSetupProblemText);
        return false;
    }
    chosen.applyTo(report.printerSetup);
    const bool paperChanged = !samePaper(before, report.printerSetup);
    if (paperChanged) {
        report.regenerate();
        chosen.setPageCount(report.pageCount());
    }
    sendJob(report, chosen.pagesToPrint(), chosen.printerName(), parent);
    return paperChanged && report.savePrinterSetup;
}
