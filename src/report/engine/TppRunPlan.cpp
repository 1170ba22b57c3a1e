#include "TppRunPlan.h"

#include "EngineError.h"
#include "TppFieldReader.h"
#include "TppReport.h"

TppRunPlan TppRunPlan::make(TppReport &report) {
    if (report.groups().size() > 1) throw EngineError("A report can have only one group.");
    TppRunPlan plan;
    plan.report = &report;
    plan.pipeline = report.dataPipeline();
    plan.title = report.band(TppBandType::btTitle);
    plan.pageHeader = report.band(TppBandType::btHeader);
    plan.pageFooter = report.band(TppBandType::btFooter);
    plan.detail = report.band(TppBandType::btDetail);
    plan.summary = report.band(TppBandType::btSummary);
    if (!report.groups().empty()) {
        plan.group = report.groups().front().get();
        plan.groupHeader = plan.group->headerBand();
        plan.groupFooter = plan.group->footerBand();
        if (plan.group->breakType == TppBreakType::btDataField)
            plan.breakColumn = plan.pipeline ? plan.pipeline->columnOf(plan.group->breakName) : -1;
        else
            plan.breakComponent = report.find<TppComponent>(plan.group->breakName);
    }
    for (TppComponent *component : report.components()) {
        if (auto *calc = dynamic_cast<TppDBCalc *>(component)) {
            const bool reads = readsPipeline(*calc, plan.pipeline);
            const bool resets = plan.group && plan.group->answersTo(calc->resetGroup);
            plan.calcIndex[calc] = int(plan.calcs.size());
            plan.calcs.push_back({calc, reads ? plan.pipeline->columnOf(calc->dataField) : -1, resets});
        } else if (auto *data = dynamic_cast<TppDBText *>(component)) {
            plan.dataColumn[data] = fieldColumn(*data, plan.pipeline);
        } else if (auto *variable = dynamic_cast<TppVariable *>(component)) {
            plan.variableIndex[variable] = int(plan.variables.size());
            plan.variables.push_back(variable);
        } else if (auto *system = dynamic_cast<TppSystemVariable *>(component)) {
            plan.needsPageCount = plan.needsPageCount || ::needsPageCount(system->varType);
        }
    }
    return plan;
}

bool TppRunPlan::sameGroup(int a, int b) const {
    if (!group) return true;
    if (group->breakType == TppBreakType::btDataField) {
        if (breakColumn < 0 || pipeline->sameValue(a, b, breakColumn)) return true;
        return pipeline->text(a, breakColumn) == pipeline->text(b, breakColumn);
    }
    return breakValue(a) == breakValue(b);
}

QString TppRunPlan::breakValue(int row) const {
    if (!group || !pipeline || row < 0 || row >= pipeline->recordCount()) return QString();
    if (group->breakType == TppBreakType::btDataField)
        return breakColumn < 0 ? QString() : pipeline->text(row, breakColumn);
    const auto *text = dynamic_cast<const TppDBText *>(breakComponent);
    if (!text || dynamic_cast<const TppDBCalc *>(text)) return QString();
    return dataText(readField(*text, pipeline, row), text->displayFormat, text->blankWhenZero,
                    report->localeFormats());
}
