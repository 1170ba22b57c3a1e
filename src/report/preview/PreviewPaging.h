#pragma once
#include "ReportTypes.h"

#include <functional>
#include <optional>

class TppReport;

// Which page the preview shows and how it moves between pages. It asks the report for one
// page at a time; a move that would not change the page asks for nothing, and every request
// made while a page is being generated is ignored (generation may let window events run).
class PreviewPaging {
public:
    explicit PreviewPaging(TppReport *report = nullptr) : report_(report) {}

    void setReport(TppReport *report);
    TppReport *report() const { return report_; }
    // Runs after a page has been received.
    void setOnPage(std::function<void()> onPage) { onPage_ = std::move(onPage); }

    // Each returns true when a page was received.
    bool firstPage();
    bool priorPage();
    bool nextPage();
    bool lastPage();
    bool gotoPage(int pageNo);
    // The report was regenerated: the shown page is gone, page 1 of the new run comes in.
    bool regenerated();

    bool generating() const { return generating_; }
    const std::optional<TppPage> &shown() const { return shown_; }
    // The shown page's number, 0 before any page.
    int shownPageNo() const { return shown_ ? shown_->absolutePageNo : 0; }

private:
    bool request(int pageNo);

    TppReport *report_;
    std::optional<TppPage> shown_;
    bool generating_ = false;
    std::function<void()> onPage_;
};
