#include "PageOutput.h"

#include "EngineError.h"
#include "PageRenderer.h"

#include <QDir>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QSaveFile>

namespace {

// A paper size no printer takes comes from a damaged layout; Letter stands in for it.
QPageSize pageSizeOf(const TppPageDefinition &definition) {
    const double width = definition.mmPaperWidth / 1000.0;
    const double height = definition.mmPaperHeight / 1000.0;
    if (width < 10 || height < 10 || width > 5000 || height > 5000) return QPageSize(QPageSize::Letter);
    return QPageSize(QSizeF(width, height), QPageSize::Millimeter);
}

void usePaperOf(QPagedPaintDevice &device, const TppPage &page) {
    device.setPageSize(pageSizeOf(page.pageDefinition));
    device.setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
}

} // namespace

void paintPages(QPagedPaintDevice &device, const PageSource &pages, const QString &failureText) {
    // A printer's painter starts at the printable area unless told to use the whole sheet.
    if (auto *printer = dynamic_cast<QPrinter *>(&device)) printer->setFullPage(true);
    std::optional<TppPage> page = pages();
    if (page) usePaperOf(device, *page);
    QPainter painter;
    if (!painter.begin(&device)) throw EngineError(failureText);
    PageDrawer drawer(painter, device.logicalDpiX());
    for (bool first = true; page; page = pages(), first = false) {
        if (!first) {
            usePaperOf(device, *page);
            device.newPage();
        }
        drawer.draw(*page);
    }
    painter.end();
}

// The file is replaced only once every page is written: a run that fails half-way leaves the
// previous file as it was.
void writePdf(const QString &fileName, const PageSource &pages, const QString &documentName) {
    const QString failure = QString("Cannot create file \"%1\".").arg(QDir::toNativeSeparators(fileName));
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly)) throw EngineError(failure);
    {
        QPdfWriter writer(&file);
        writer.setResolution(pdfDotsPerInch);
        writer.setTitle(documentName);
        writer.setCreator("Spendrake");
        paintPages(writer, pages, failure);
    }
    if (!file.commit()) throw EngineError(failure);
}

void writePdf(const QString &fileName, const std::vector<TppPage> &pages, const QString &documentName) {
    std::size_t next = 0;
    writePdf(fileName, [&]() -> std::optional<TppPage> {
        if (next == pages.size()) return std::nullopt;
        return pages[next++];
    }, documentName);
}
