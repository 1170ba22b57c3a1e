#pragma once
#include "CliPrompt.h"
#include "ReportControls.h"
#include "ReportRefresh.h"
#include "TppReport.h"
#include "TwwFilterDialog.h"

#include <QTextStream>

class CliSession;
struct CliOptions;

// The report as the window program would show it after the user set the tool bar to the
// command line's criteria: the same filter component, layout, templates and refresh.
class CliReport {
public:
    CliReport(CliSession &session, const CliOptions &options);

    TppReport &report() { return report_; }
    const QString &description() const { return controls_.description; }

private:
    void chooseOrder(const QString &sortEntry);
    void chooseDates(const CliOptions &options);
    void chooseAccount(const QString &account);
    void restoreFilter(const QString &name);
    double parsedDate(const QString &text, const char *option) const;
    QString dateText(const QString &text, const char *option) const;

    CliSession &session_;
    QTextStream messages_{stdout};
    CliPrompt prompt_{messages_};
    TwwFilterDialog filter_;
    TppReport report_;
    TppDBPipeline pipeline_;
    PlainReportControls controls_;
    ReportRefresh refresh_;
};
