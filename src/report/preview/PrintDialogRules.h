#pragma once
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

class TppPrinterSetup;

// An installed printer as the print dialog lists it.
struct PrinterDescription {
    QString name;
    QString type;      // make and model
    QString location;
};

// The paper the dialog will hand to the printer setup.
struct PaperChoice {
    QString name;
    int mmWidth = 0;   // thousandths of a millimetre
    int mmHeight = 0;
    bool operator==(const PaperChoice &) const = default;
};

enum class PageRangeChoice { All, CurrentPage, Pages };
enum class PrintWhatChoice { AllPagesInRange, OddPages, EvenPages };

// The print dialog's choices and rules, without widgets: the printer list and the setup's
// printer, page range, copies, collation and odd/even pages, and what OK accepts.
class PrintDialogRules {
public:
    static const QString noPrintersText;
    static const QString pageRangeHint;
    static const QString noPagesText;

    // `installed` in any order; `defaultPrinter` is what "Default" in the setup stands for.
    // `pageCount` and `currentPage` are the report's, for the page range.
    PrintDialogRules(std::vector<PrinterDescription> installed, const QString &defaultPrinter,
                     const TppPrinterSetup &setup, int pageCount, int currentPage);

    // Printers, alphabetical.
    const std::vector<PrinterDescription> &printers() const { return printers_; }
    bool hasPrinters() const { return !printers_.empty(); }
    int printerIndex() const { return printerIndex_; }
    void choosePrinter(int index);
    QString printerName() const;
    QString printerType() const;
    QString printerLocation() const;

    PageRangeChoice pageRange() const { return pageRange_; }
    // "All" and "Current page" empty the page list text.
    void choosePageRange(PageRangeChoice choice);
    const QString &pageRangeText() const { return pageRangeText_; }
    // Typing into, or clicking into, the page list chooses "Pages".
    void setPageRangeText(const QString &text);
    void enterPageRangeEdit();

    int copies() const { return copies_; }
    void setCopies(int copies);  // kept between 1 and 999
    bool collate() const { return collate_; }
    void setCollate(bool collate) { collate_ = collate; }
    PrintWhatChoice printWhat() const { return printWhat_; }
    void setPrintWhat(PrintWhatChoice choice) { printWhat_ = choice; }
    const PaperChoice &paper() const { return paper_; }
    void setPaper(const PaperChoice &paper) { paper_ = paper; }

    // The report's page count changed (another paper was chosen).
    void setPageCount(int pageCount) { pageCount_ = pageCount; }

    // OK: nothing when the dialog may close, else the warning to show with the dialog kept
    // open.
    std::optional<QString> accept() const;
    // The pages to print, ascending: the range's pages that exist, then odd or even ones.
    std::vector<int> pagesToPrint() const;
    // Puts the choices into the setup (printer, paper, copies, collation).
    void applyTo(TppPrinterSetup &setup) const;

private:
    std::vector<PrinterDescription> printers_;
    int printerIndex_ = -1;
    PageRangeChoice pageRange_ = PageRangeChoice::All;
    QString pageRangeText_;
    int copies_ = 1;
    bool collate_ = true;
    PrintWhatChoice printWhat_ = PrintWhatChoice::AllPagesInRange;
    PaperChoice paper_;
    int pageCount_;
    int currentPage_;
};
