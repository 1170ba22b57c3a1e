#pragma once
#include "ReportTypes.h"
#include "TppObject.h"

// The paper, margins and print job settings of a report.
class TppPrinterSetup : public TppObject {
public:
    QString className() const override { return "TppPrinterSetup"; }

    QString printerName = "Default";  // "Default" is the system's default printer
    QString binName = "Default";
    QString paperName = "Letter (8 1/2 x 11 in)";
    int paperSize = 1;  // the platform's paper-size code; 1 is Letter
    int mmPaperWidth = 215900;
    int mmPaperHeight = 279400;
    int mmMarginLeft = 6350;
    int mmMarginTop = 6350;
    int mmMarginRight = 6350;
    int mmMarginBottom = 6350;
    QString documentName = "Report";
    int copies = 1;
    bool collation = true;

    TppPageDefinition pageDefinition() const;

protected:
    const TppPropertyTable &propertyTable() const override;
};
