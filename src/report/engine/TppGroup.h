#pragma once
#include "TppEnums.h"
#include "TppObject.h"

class TppBand;
class TppReport;

// Breaks the records into runs of equal break value, each with a header and a footer band.
class TppGroup : public TppObject {
public:
    QString className() const override { return "TppGroup"; }

    QString breakName;  // a field of the pipeline (or a component's name for btCustomField)
    TppBreakType breakType = TppBreakType::btDataField;
    QString dataPipeline;
    int mmNewPageThreshold = 0;
    int mmNewColumnThreshold = 0;
    bool reprintOnSubsequentPage = true;
    bool headerForOrphanedFooter = true;
    bool keepTogether = false;  // kept for layouts; groups are not held on one page
    bool newPage = false;       // each group after the first starts a new page
    bool resetPageNo = false;   // kept for layouts; page numbers run through the report

    TppReport *report() const { return report_; }
    TppBand *headerBand() const { return header_; }
    TppBand *footerBand() const { return footer_; }

protected:
    const TppPropertyTable &propertyTable() const override;

private:
    friend class TppReport;
    TppReport *report_ = nullptr;
    TppBand *header_ = nullptr;
    TppBand *footer_ = nullptr;
};
