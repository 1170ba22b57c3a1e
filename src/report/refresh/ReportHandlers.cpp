#include "ReportHandlers.h"

#include "DisplayFormatter.h"
#include "TppDBPipeline.h"
#include "TppReport.h"

TppLabel::GetTextHandler ppLabel8GetText(const double &importTotal, const LocaleFormats &formats) {
    return [&importTotal, formats](TppLabel &, QString &text) {
        text = formatDisplayValue(QString(), TppDataType::dtDouble, importTotal, formats);
    };
}

TppVariable::CalcHandler ppVariable1Calc() {
    return [](TppVariable &sender, TppValue &value) {
        const TppReport *report = sender.report();
        const TppDBPipeline *pipeline = report ? report->dataPipeline() : nullptr;
        const double amount = pipeline ? pipeline->fieldAsFloat("Amount") : 0.0;
        const double *running = std::get_if<double>(&value);
        value = (running ? *running : 0.0) + amount;
    };
}
