#include "PrintDialogRules.h"

#include "PageList.h"
#include "TppPrinterSetup.h"

#include <algorithm>

const QString PrintDialogRules::noPrintersText = "There are no printers connected to your computer.";
const QString PrintDialogRules::pageRangeHint =
    "Enter page numbers and/or page ranges separated by commas.  For example, 1,3,5-12";
const QString PrintDialogRules::noPagesText = "No pages entered.";

PrintDialogRules::PrintDialogRules(std::vector<PrinterDescription> installed, const QString &defaultPrinter,
                                   const TppPrinterSetup &setup, int pageCount, int currentPage)
    : printers_(std::move(installed)), copies_(std::clamp(setup.copies, 1, 999)), collate_(setup.collation),
      paper_{setup.paperName, setup.mmPaperWidth, setup.mmPaperHeight}, pageCount_(pageCount),
      currentPage_(currentPage) {
    std::sort(printers_.begin(), printers_.end(), [](const auto &a, const auto &b) {
        const int folded = QString::compare(a.name, b.name, Qt::CaseInsensitive);
        return folded != 0 ? folded < 0 : a.name < b.name;
    });
    const QString wanted = setup.printerName == "Default" ? defaultPrinter : setup.printerName;
    const auto found = std::find_if(printers_.begin(), printers_.end(), [&](const auto &p) { return p.name == wanted; });
    if (found != printers_.end()) printerIndex_ = int(found - printers_.begin());
    else if (!printers_.empty()) printerIndex_ = 0;
}

void PrintDialogRules::choosePrinter(int index) {
    if (index >= 0 && index < int(printers_.size())) printerIndex_ = index;
}

QString PrintDialogRules::printerName() const { return printerIndex_ < 0 ? QString() : printers_[printerIndex_].name; }
QString PrintDialogRules::printerType() const { return printerIndex_ < 0 ? QString() : printers_[printerIndex_].type; }
QString PrintDialogRules::printerLocation() const {
    return printerIndex_ < 0 ? QString() : printers_[printerIndex_].location;
}

void PrintDialogRules::choosePageRange(PageRangeChoice choice) {
    pageRange_ = choice;
    if (choice != PageRangeChoice::Pages) pageRangeText_.clear();
}

void PrintDialogRules::setPageRangeText(const QString &text) {
    pageRangeText_ = text;
    pageRange_ = PageRangeChoice::Pages;
}

void PrintDialogRules::enterPageRangeEdit() { pageRange_ = PageRangeChoice::Pages; }

void PrintDialogRules::setCopies(int copies) { copies_ = std::clamp(copies, 1, 999); }

std::optional<QString> PrintDialogRules::accept() const {
    if (!hasPrinters()) return noPrintersText;
    if (pageRange_ == PageRangeChoice::Pages && parsePageList(pageRangeText_).empty()) return noPagesText;
    if (pagesToPrint().empty())
        return QString("None of the pages chosen is in the report, which has pages 1 to %1.").arg(pageCount_);
    return std::nullopt;
}

std::vector<int> PrintDialogRules::pagesToPrint() const {
    std::vector<int> chosen;
    switch (pageRange_) {
    case PageRangeChoice::All:
        for (int page = 1; page <= pageCount_; ++page) chosen.push_back(page);
        break;
    case PageRangeChoice::CurrentPage:
        if (currentPage_ >= 1 && currentPage_ <= pageCount_) chosen.push_back(currentPage_);
        break;
    case PageRangeChoice::Pages:
        for (int page : parsePageList(pageRangeText_))
            if (page >= 1 && page <= pageCount_) chosen.push_back(page);
        break;
    }
    if (printWhat_ == PrintWhatChoice::AllPagesInRange) return chosen;
    const int remainder = printWhat_ == PrintWhatChoice::OddPages ? 1 : 0;
    std::erase_if(chosen, [remainder](int page) { return page % 2 != remainder; });
    return chosen;
}

void PrintDialogRules::applyTo(TppPrinterSetup &setup) const {
    if (printerIndex_ >= 0) setup.printerName = printerName();
    setup.copies = copies_;
    setup.collation = collate_;
    if (paper_.mmWidth > 0 && paper_.mmHeight > 0) {
        setup.paperName = paper_.name;
        setup.mmPaperWidth = paper_.mmWidth;
        setup.mmPaperHeight = paper_.mmHeight;
    }
}
