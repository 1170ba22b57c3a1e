#pragma once
#include "ComponentText.h"
#include "ReportTypes.h"

class TppBand;
class TppBandPrinter;
struct TppRunPlan;
struct TppRunState;

// Lays out one page: title (first page), page header, a reprinted group header, then group
// headers, details, group footers and the summary while they fit, then the page footer at its
// fixed place. The state moves on to where the next page starts. Without a printer the page
// is only laid out (the counting pass): no texts are formed and no commands made.
class TppPageBuilder {
public:
    TppPageBuilder(const TppRunPlan &plan, TppRunState &state, int pageNo, const TppBandPrinter *printer);

    // Fills in the commands (when printing) and whether this was the last page.
    void build(TppPage &page);

private:
    bool visible(const TppBand *band) const;
    bool fits(const TppBand *band) const;
    void place(const TppBand *band, int row, TppPage &page);
    // Prints the band that is due next; false when it does not fit on this page.
    bool printNext(TppPage &page);
    void printDetail(TppPage &page);
    void printGroupFooter(TppPage &page);
    void calculate(int row);
    void resetGroupValues();

    const TppRunPlan &plan_;
    TppRunState &state_;
    int pageNo_;
    const TppBandPrinter *printer_;
    int position_ = 0;
    int bottom_ = 0;
    bool progressed_ = false;   // something of the flow printed here: a band that does not fit is never forced
    bool endPage_ = false;      // a group that starts on a new page ends this one
};
