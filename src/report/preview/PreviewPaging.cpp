#include "PreviewPaging.h"

#include "TppReport.h"

#include <QScopedValueRollback>

void PreviewPaging::setReport(TppReport *report) {
    report_ = report;
    shown_.reset();
}

bool PreviewPaging::firstPage() { return shownPageNo() != 1 && request(1); }

bool PreviewPaging::priorPage() { return shown_ && shownPageNo() != 1 && request(shownPageNo() - 1); }

bool PreviewPaging::nextPage() {
    if (!shown_) return request(1);
    return !shown_->lastPage && request(shownPageNo() + 1);
}

bool PreviewPaging::lastPage() {
    if (shown_ && shown_->lastPage) return false;
    if (!report_ || generating_) return false;
    int count = 0;
    {
        const QScopedValueRollback busy(generating_, true);
        count = report_->pageCount();
    }
    return request(count);
}

bool PreviewPaging::gotoPage(int pageNo) { return (!shown_ || pageNo != shownPageNo()) && request(pageNo); }

bool PreviewPaging::regenerated() {
    if (generating_) return false;
    shown_.reset();
    return request(1);
}

// The engine answers page 1 for a number below 1 and the last page for one past the end.
bool PreviewPaging::request(int pageNo) {
    if (!report_ || generating_) return false;
    {
        const QScopedValueRollback busy(generating_, true);
        shown_ = report_->page(pageNo);
    }
    if (onPage_) onPage_();
    return true;
}
