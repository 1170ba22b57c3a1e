#include "TppBandPrinter.h"

#include "DisplayFormatter.h"
#include "TextPlacement.h"
#include "TppFieldReader.h"
#include "TppReport.h"
#include "TppRunPlan.h"
#include "TppRunState.h"

#include <typeinfo>

TppBandPrinter::TppBandPrinter(const TppRunPlan &plan, const TppRunState &state, const VariableContext &page)
    : plan_(plan), state_(state), page_(page) {}

void TppBandPrinter::print(const TppBand &band, int top, int row, std::vector<TppDrawCommand> &commands) const {
    const int left = plan_.report->printerSetup.mmMarginLeft;
    for (const auto &component : band.components()) {
        if (!component->visible) continue;
        if (auto *text = dynamic_cast<TppCustomText *>(component.get())) {
            TppDrawText draw;
            draw.left = left + text->mmLeft;
            draw.top = top + text->mmTop;
            draw.width = text->mmWidth;
            draw.height = text->mmHeight;
            draw.text = textOf(*text, row);
            draw.font = text->font;
            draw.alignment = text->textAlignment;
            draw.transparent = text->transparent;
            draw.wordWrap = text->wordWrap;
            draw.autoSize = text->autoSize;
            placeText(draw, plan_.report->textMeasure());
            commands.push_back(std::move(draw));
        } else if (auto *line = dynamic_cast<const TppLine *>(component.get())) {
            TppDrawLine draw;
            draw.left = left + line->mmLeft;
            draw.top = top + line->mmTop + (line->position == TppLinePosition::lpBottom ? line->mmHeight : 0);
            draw.width = line->mmWidth;
            draw.height = line->mmHeight;
            draw.penColor = line->penColor;
            draw.weight = line->weight;
            commands.push_back(draw);
        }
    }
}

QString TppBandPrinter::textOf(TppCustomText &component, int row) const {
    const LocaleFormats &formats = plan_.report->localeFormats();
    // Most texts of a report are a field's value: an exact type test spares them the casts.
    if (typeid(component) == typeid(TppDBText)) return fieldText(static_cast<const TppDBText &>(component), row);
    if (auto *label = dynamic_cast<TppLabel *>(&component)) {
        QString text = label->caption;
        if (label->onGetText) label->onGetText(*label, text);
        return text;
    }
    if (auto *calc = dynamic_cast<TppDBCalc *>(&component)) {
        const int index = plan_.calcIndex.at(calc);
        const int column = plan_.calcs[index].column;
        const TppDataType type = plan_.pipeline ? plan_.pipeline->dataType(column) : TppDataType::dtNotKnown;
        const bool dateField = type == TppDataType::dtDate || type == TppDataType::dtTime || type == TppDataType::dtDateTime;
        return calcText(calc->dbCalcType, state_.calcValues[index], state_.calcCounts[index], dateField,
                        calc->displayFormat, calc->blankWhenZero, formats);
    }
    if (auto *data = dynamic_cast<TppDBText *>(&component)) return fieldText(*data, row);
    if (auto *system = dynamic_cast<TppSystemVariable *>(&component))
        return systemVariableText(system->varType, page_, system->displayFormat, formats);
    if (auto *variable = dynamic_cast<TppVariable *>(&component))
        return formatDisplayValue(variable->displayFormat, variable->dataType,
                                  state_.variableValues[plan_.variableIndex.at(variable)], formats);
    return QString();
}

QString TppBandPrinter::fieldText(const TppDBText &data, int row) const {
    const auto planned = plan_.dataColumn.find(&data);
    const int column = planned != plan_.dataColumn.end() ? planned->second : fieldColumn(data, plan_.pipeline);
    return dataText(readColumn(plan_.pipeline, column, row), data.displayFormat, data.blankWhenZero,
                    plan_.report->localeFormats());
}
