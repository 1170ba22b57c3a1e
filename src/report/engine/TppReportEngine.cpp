#include "TppReportEngine.h"

#include "EngineError.h"
#include "TppBandPrinter.h"
#include "TppPageBuilder.h"
#include "TppReport.h"
#include "TransactionTable.h"

#include <algorithm>
#include <limits>

void TppReportEngine::discard() {
    started_ = empty_ = complete_ = false;
    plan_.reset();
    starts_.clear();
    printDateTime_ = QDateTime();
}

void TppReportEngine::regenerate() {
    discard();
    startRun();
    if (twoPass()) countPagesUpTo(std::numeric_limits<int>::max());
}

int TppReportEngine::pageCount() {
    startRun();
    countPagesUpTo(std::numeric_limits<int>::max());
    return empty_ ? (report_.noDataBlankPage ? 1 : 0) : int(starts_.size());
}

TppPage TppReportEngine::page(int pageNo) {
    startRun();
    if (empty_) return blankPage();
    pageNo = std::max(1, pageNo);
    countPagesUpTo(twoPass() ? std::numeric_limits<int>::max() : pageNo);
    pageNo = std::min(pageNo, int(starts_.size()));
    const TppRunState start = starts_[pageNo - 1];
    plan_->pipeline->open();
    return guarded([&] {
        TppPage result = makePage(pageNo, start);
        plan_->pipeline->close();
        return result;
    });
}

bool TppReportEngine::twoPass() const {
    return report_.passSetting == TppPassSetting::psTwoPass || (plan_ && plan_->needsPageCount);
}

// Errors of a run other than an unopened pipeline reach the user as
// "Cannot generate report." with the cause below it.
template <class Work> auto TppReportEngine::guarded(Work work) -> decltype(work()) {
    TppDBPipeline *pipeline = plan_ ? plan_->pipeline : nullptr;
    TransactionTable *table = pipeline ? pipeline->dataSource() : nullptr;
    auto restore = [&] {
        if (table && table->active() && savedRow_ >= 0 && table->recNo() != savedRow_ &&
            savedRow_ < table->recordCount())
            table->setRecNo(savedRow_);
    };
    try {
        auto result = work();
        restore();
        return result;
    } catch (const EngineError &error) {
        restore();
        throw EngineError("Cannot generate report.\n\n" + error.text());
    } catch (const std::exception &error) {
        restore();
        throw EngineError("Cannot generate report.\n\n" + QString::fromLocal8Bit(error.what()));
    }
}

void TppReportEngine::startRun() {
    if (started_) return;
    printDateTime_ = QDateTime::currentDateTime();
    TppDBPipeline *pipeline = report_.dataPipeline();
    if (!pipeline) throw EngineError("Cannot generate report.\n\nThe report has no data pipeline.");
    pipeline->open();
    TransactionTable *table = pipeline->dataSource();
    savedRow_ = table->recNo();
    plan_.reset();
    plan_ = guarded([&] { return TppRunPlan::make(report_); });
    TppRunState first;
    first.calcValues.assign(plan_->calcs.size(), 0.0);
    first.calcCounts.assign(plan_->calcs.size(), 0);
    for (TppVariable *variable : plan_->variables) first.variableValues.push_back(variable->initialValue());
    empty_ = pipeline->isEmpty();
    starts_.assign(1, first);
    complete_ = empty_;
    started_ = true;
}

void TppReportEngine::countPagesUpTo(int pageNo) {
    if (complete_ || int(starts_.size()) >= pageNo) return;
    plan_->pipeline->open();
    guarded([&] {
        while (!complete_ && int(starts_.size()) < pageNo) {
            TppRunState state = starts_.back();
            TppPage page;
            TppPageBuilder(*plan_, state, int(starts_.size()), nullptr).build(page);
            if (page.lastPage) complete_ = true;
            else starts_.push_back(std::move(state));
        }
        plan_->pipeline->close();
        return 0;
    });
}

TppPage TppReportEngine::makePage(int pageNo, TppRunState state) {
    TppPage page;
    VariableContext context;
    context.inRun = true;
    context.pageNo = pageNo;
    context.pageCount = complete_ ? int(starts_.size()) : 0;
    context.documentName = report_.printerSetup.documentName;
    context.printDateTime = printDateTime_;
    TppBandPrinter printer(*plan_, state, context);
    TppPageBuilder(*plan_, state, pageNo, &printer).build(page);
    finishPage(page, pageNo);
    return page;
}

void TppReportEngine::finishPage(TppPage &page, int pageNo) const {
    const int count = complete_ ? int(starts_.size()) : 0;
    page.absolutePageNo = page.pageNo = pageNo;
    page.absolutePageCount = page.pageCount = count;
    page.firstPage = pageNo == 1;
    page.lastPage = complete_ && pageNo == count;
    page.documentName = report_.printerSetup.documentName;
    page.printDateTime = printDateTime_;
    page.pageDefinition = report_.printerSetup.pageDefinition();
}

TppPage TppReportEngine::blankPage() const {
    TppPage page;
    finishPage(page, 1);
    page.absolutePageCount = page.pageCount = report_.noDataBlankPage ? 1 : 0;
    page.lastPage = true;
    return page;
}
