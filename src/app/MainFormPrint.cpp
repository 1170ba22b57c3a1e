// Printing the report and File > Export PDF.
#include "MainForm.h"
#include "PdfExport.h"
#include "ReportPrint.h"
#include "TppCancelDialog.h"
#include "TppViewer.h"

#include <QFileDialog>
#include <QScopeGuard>

void TMainForm::spbPreviewPrintClick() {
    if (ppViewer1_->generating() || !ppViewer1_->report()) return;
    const TppPrinterSetup &setup = ppReport1_.printerSetup;
    const QSize paper(setup.mmPaperWidth, setup.mmPaperHeight);
    // Another paper chosen in the printer's settings also changes the preview's pages.
    const auto showNewPaper = qScopeGuard([&] {
        if (QSize(setup.mmPaperWidth, setup.mmPaperHeight) != paper) ppViewer1_->regenerated();
    });
    const int current = std::max(1, ppViewer1_->absolutePageNo());
    printReport(ppReport1_, current, prompt(), this);
}

namespace {

QString askPdfFile(QWidget *parent, const QString &suggested) {
    return QFileDialog::getSaveFileName(parent, "Export PDF", suggested, "PDF files (*.pdf)");
}

} // namespace

void TMainForm::ExportPdf1Click() {
    if (ppViewer1_->generating()) return;
    const QString suggested = defaultPdfExportFile();
    QString file = services_.pdfExportFile ? services_.pdfExportFile(suggested) : askPdfFile(this, suggested);
    if (file.isEmpty()) return;
    if (!file.endsWith(".pdf", Qt::CaseInsensitive)) file += ".pdf";
    TppCancelDialog progress(this);
    exportReportPdf(ppReport1_, file, progress);
}
