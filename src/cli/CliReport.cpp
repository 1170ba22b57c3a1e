#include "CliReport.h"

#include "AccountList.h"

#include "CliOptions.h"
#include "CliSession.h"
#include "DateFunctions.h"
#include "DeviceTextMeasure.h"
#include "PageOutput.h"
#include "RangePresets.h"
#include "ReportHandlers.h"
#include "ReportTemplate.h"
#include "TransactionDateSpan.h"
#include "TransactionLayout.h"
#include "TwwKeyCombo.h"
#include "TwwSaveFilter.h"

#include <QDir>
#include <map>

namespace {


} // namespace

CliReport::CliReport(CliSession &session, const CliOptions &options)
    : session_(session), filter_(session.table(), prompt_), refresh_(controls_, session.table(), filter_, report_) {
    TransactionTable &table = session.table();
    table.open();
    buildTransactionReport(report_);
    pipeline_.setDataSource(&table);
    report_.setDataPipeline(&pipeline_);
    report_.setLocaleFormats(session.formats());
    report_.setTextMeasure(deviceTextMeasure(pdfDotsPerInch));
    chooseOrder(options.sort);
    chooseDates(options);
    chooseAccount(options.account);
    if (!options.filterName.isEmpty()) restoreFilter(options.filterName);
    controls_.totals = options.totalsOnly;
    controls_.subtotals = options.subtotal || options.totalsOnly;  // Totals only ticks Subtotal
    controls_.subtotalEnabled = !options.totalsOnly;
    refresh_.Button3Click();
}

void CliReport::chooseOrder(const QString &sortEntry) {
    // The same entries as the window's "Sort by " selector.
    TwwKeyCombo selector(session_.table());
    selector.rebuild();
    if (!selector.apply(sortEntry))
        throw UsageError(QString("unknown sort entry %1 (%2)").arg(sortEntry, selector.entries().join(", ")));
}

double CliReport::parsedDate(const QString &text, const char *option) const {
    const std::optional<double> day = session_.formats().parseShortDate(text);
    if (!day)
        throw UsageError(QString("%1 %2 is not a date in the form %3").arg(option, text, session_.formats().shortDateFormat));
    return *day;
}

QString CliReport::dateText(const QString &text, const char *option) const {
    if (text.isEmpty()) return text;  // an open end
    return session_.formats().formatShortDate(parsedDate(text, option));
}

void CliReport::chooseDates(const CliOptions &options) {
    const LocaleFormats &formats = session_.formats();
    const auto [earliest, latest] = transactionDateSpan(session_.table());
    auto shown = [&](double day) { return day == 0 ? QString() : formats.formatShortDate(day); };
    controls_.startDate = shown(earliest);
    controls_.endDate = shown(latest);
    if (options.from) controls_.startDate = dateText(*options.from, "--from");
    if (options.to) controls_.endDate = dateText(*options.to, "--to");
    if (options.preset.isEmpty()) return;
    const RangePresetItem *preset = findRangePreset(options.preset);
    if (!preset) throw UsageError(QString("unknown range preset %1").arg(options.preset));
    const double today = options.today.isEmpty() ? DateFunctions::Today() : parsedDate(options.today, "--today");
    const DateRange range = presetRange(preset->preset, today, DateRange{earliest, latest});
    controls_.startDate = shown(range.start);
    controls_.endDate = shown(range.end);
}

// One account uses the one-account layout, as choosing it in the window does.
void CliReport::chooseAccount(const QString &account) {
    controls_.accountShown = account;
    controls_.account = account == AllAccounts ? 0 : 1;
    if (account == AllAccounts) return;
    static const double noImportThisRun = 0;  // the total of an import made by this process
    TemplateHandlers handlers;
    handlers.getText["ppLabel8GetText"] = ppLabel8GetText(noImportThisRun, session_.formats());
    handlers.calc["ppVariable1Calc"] = ppVariable1Calc();
    loadTemplate(report_, programDirectory() + "Reports/TransAcctReport.rtm", handlers);
}

void CliReport::restoreFilter(const QString &name) {
    TwwSaveFilter saved(filter_, prompt_);
    saved.FilePath = QDir(session_.directory()).filePath("TransDB.ftr");
    if (!saved.RestoreNamedFilter(name))
        throw UsageError(QString("no saved filter named %1 in %2").arg(name, saved.FilePath));
}
