#pragma once
#include "ReportTypes.h"
#include "TppRunPlan.h"
#include "TppRunState.h"

#include <QDateTime>
#include <optional>
#include <vector>

class TppReport;

// Runs a report over its pipeline. A run starts with the first page request after a
// regeneration; the counting pass walks every record once and keeps, for each page, the state
// to start that page from, so that any page is later generated on its own.
class TppReportEngine {
public:
    explicit TppReportEngine(TppReport &report) : report_(report) {}

    // Forgets the run: its pages, the page count and the print date-time.
    void discard();
    // Starts a new run; a two-pass report counts its pages at once.
    void regenerate();
    int pageCount();
    TppPage page(int pageNo);
    QDateTime printDateTime() const { return printDateTime_; }

private:
    void startRun();
    // Lays out pages without drawing until page `pageNo` has its start state or data ends.
    void countPagesUpTo(int pageNo);
    TppPage blankPage() const;
    TppPage makePage(int pageNo, TppRunState state);
    void finishPage(TppPage &page, int pageNo) const;
    bool twoPass() const;
    template <class Work> auto guarded(Work work) -> decltype(work());

    TppReport &report_;
    bool started_ = false;
    bool empty_ = false;
    bool complete_ = false;         // the last page is known
    std::optional<TppRunPlan> plan_;
    std::vector<TppRunState> starts_;  // starts_[n - 1]: the state page n starts from
    QDateTime printDateTime_;
    int savedRow_ = -1;
};
