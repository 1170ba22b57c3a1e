#include "TppPageBuilder.h"

#include "TppBandPrinter.h"
#include "TppReport.h"
#include "TppRunPlan.h"
#include "TppRunState.h"

#include <algorithm>

TppPageBuilder::TppPageBuilder(const TppRunPlan &plan, TppRunState &state, int pageNo, const TppBandPrinter *printer)
    : plan_(plan), state_(state), pageNo_(pageNo), printer_(printer) {}

bool TppPageBuilder::visible(const TppBand *band) const { return band && band->visible; }

bool TppPageBuilder::fits(const TppBand *band) const {
    if (!visible(band)) return true;
    // A band taller than an empty page would never fit anywhere; it prints on a page of its
    // own rather than sending the run into endless empty pages.
    return position_ + band->mmHeight + band->mmBottomOffset <= bottom_ || !progressed_;
}

void TppPageBuilder::place(const TppBand *band, int row, TppPage &page) {
    if (!visible(band)) return;
    if (row < plan_.pipeline->recordCount()) plan_.pipeline->setCurrentRow(row);
    if (printer_ && band->mmHeight > 0) printer_->print(*band, position_, row, page.commands);
    position_ += band->mmHeight + band->mmBottomOffset;
}

void TppPageBuilder::build(TppPage &page) {
    const TppPrinterSetup &setup = plan_.report->printerSetup;
    position_ = setup.mmMarginTop;
    const int paperBottom = setup.mmPaperHeight - setup.mmMarginBottom;
    bottom_ = paperBottom - (visible(plan_.pageFooter) ? plan_.pageFooter->mmHeight : 0);
    const int row = std::max(0, state_.row);

    if (state_.titlePending) {
        place(plan_.title, 0, page);
        state_.titlePending = false;
        progressed_ = visible(plan_.title);
    }
    if (pageNo_ > 1 || !plan_.pageHeader || plan_.pageHeader->printOnFirstPage) place(plan_.pageHeader, row, page);
    // A group that goes on from the last page, or whose footer was pushed here, is shown again.
    if (plan_.group && ((state_.next == TppNextBand::Detail && plan_.group->reprintOnSubsequentPage) ||
                        (state_.next == TppNextBand::GroupFooter && plan_.group->headerForOrphanedFooter)))
        place(plan_.groupHeader, row, page);

    while (state_.next != TppNextBand::Done && !endPage_ && printNext(page)) {}

    page.lastPage = state_.next == TppNextBand::Done;
    const TppBand *footer = plan_.pageFooter;
    if (visible(footer) && (pageNo_ > 1 || footer->printOnFirstPage) && (!page.lastPage || footer->printOnLastPage)) {
        position_ = paperBottom - footer->mmHeight;
        place(footer, std::max(0, state_.row), page);
    }
}

bool TppPageBuilder::printNext(TppPage &page) {
    switch (state_.next) {
    case TppNextBand::GroupHeader:
        if (!fits(plan_.groupHeader)) return false;
        place(plan_.groupHeader, state_.row, page);
        progressed_ = progressed_ || visible(plan_.groupHeader);
        state_.next = TppNextBand::Detail;
        return true;
    case TppNextBand::Detail:
        if (!fits(plan_.detail)) return false;
        printDetail(page);
        return true;
    case TppNextBand::GroupFooter:
        if (!fits(plan_.groupFooter)) return false;
        printGroupFooter(page);
        return true;
    case TppNextBand::Summary:
        if (!fits(plan_.summary)) return false;
        place(plan_.summary, state_.row, page);
        state_.next = TppNextBand::Done;
        return true;
    case TppNextBand::Done: break;
    }
    return false;
}

void TppPageBuilder::printDetail(TppPage &page) {
    const int row = state_.row;
    // A hidden detail band still walks the records and feeds the running values.
    calculate(row);
    place(plan_.detail, row, page);
    progressed_ = progressed_ || visible(plan_.detail);
    const int next = row + 1;
    if (next >= plan_.pipeline->recordCount() || !plan_.sameGroup(state_.groupFirstRow, next)) {
        // The footer shows the ending group's last record.
        state_.next = TppNextBand::GroupFooter;
    } else {
        state_.row = next;
    }
}

void TppPageBuilder::printGroupFooter(TppPage &page) {
    place(plan_.groupFooter, state_.row, page);
    progressed_ = progressed_ || visible(plan_.groupFooter);
    const int next = state_.row + 1;
    if (next >= plan_.pipeline->recordCount()) {
        state_.next = TppNextBand::Summary;
        return;
    }
    resetGroupValues();
    state_.row = next;
    state_.groupFirstRow = next;
    state_.groupCounter += 1;
    state_.groupStartPage = pageNo_;
    state_.next = TppNextBand::GroupHeader;
    endPage_ = plan_.group && plan_.group->newPage;
}

void TppPageBuilder::calculate(int row) {
    plan_.pipeline->setCurrentRow(row);
    for (size_t i = 0; i < plan_.calcs.size(); ++i) {
        const TppRunPlan::Calc &calc = plan_.calcs[i];
        const double value = calc.column < 0 ? 0 : plan_.pipeline->number(row, calc.column);
        double &running = state_.calcValues[i];
        const bool first = state_.calcCounts[i] == 0;
        switch (calc.component->dbCalcType) {
        case TppDBCalcType::dcMinimum: running = first ? value : std::min(running, value); break;
        case TppDBCalcType::dcMaximum: running = first ? value : std::max(running, value); break;
        default: running += value;
        }
        state_.calcCounts[i] += 1;
    }
    for (size_t i = 0; i < plan_.variables.size(); ++i) {
        TppVariable &variable = *plan_.variables[i];
        if (variable.onCalc) variable.onCalc(variable, state_.variableValues[i]);
    }
}

void TppPageBuilder::resetGroupValues() {
    for (size_t i = 0; i < plan_.calcs.size(); ++i) {
        if (!plan_.calcs[i].resetsWithGroup) continue;
        state_.calcValues[i] = 0;
        state_.calcCounts[i] = 0;
    }
}
