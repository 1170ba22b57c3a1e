#include "TppPrinterSetup.h"

#include "TppPropertyHelpers.h"

using tpp::member;
using S = TppPrinterSetup;

TppPageDefinition TppPrinterSetup::pageDefinition() const {
    return {mmPaperWidth, mmPaperHeight, mmMarginLeft, mmMarginTop, mmMarginRight, mmMarginBottom};
}

const TppPropertyTable &TppPrinterSetup::propertyTable() const {
    static const TppPropertyTable table{
        member("PrinterName", &S::printerName),
        member("BinName", &S::binName),
        member("PaperName", &S::paperName),
        member("PaperSize", &S::paperSize),
        member("mmPaperWidth", &S::mmPaperWidth, 1),
        member("mmPaperHeight", &S::mmPaperHeight, 1),
        member("mmMarginLeft", &S::mmMarginLeft, 0),
        member("mmMarginTop", &S::mmMarginTop, 0),
        member("mmMarginRight", &S::mmMarginRight, 0),
        member("mmMarginBottom", &S::mmMarginBottom, 0),
        member("DocumentName", &S::documentName),
        member("Copies", &S::copies, 1),
        member("Collation", &S::collation),
    };
    return table;
}
