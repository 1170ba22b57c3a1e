#pragma once
#include "LocaleFormats.h"
#include "ReportUnits.h"
#include "TextMeasure.h"
#include "TppBand.h"
#include "TppComponents.h"
#include "TppDBPipeline.h"
#include "TppGroup.h"
#include "TppPageRequest.h"
#include "TppPrinterSetup.h"

#include <QDateTime>
#include <memory>
#include <vector>

class TppReportEngine;

// A banded report: page setup, at most one band of each kind (plus a header and a footer per
// group), the components in them, and the engine that turns it into pages over a pipeline.
//
// Typical use:
//   TppReport report;  buildTransactionReport(report);
//   report.setDataPipeline(&pipeline); report.setLocaleFormats(formats); report.setTextMeasure(measure);
//   report.find<TppLabel>("AcctLbl")->caption = "Checking";
//   report.regenerate();                      // counts the pages
//   TppPage first = report.page(1);           // any page, generated on its own
class TppReport : public TppObject {
public:
    TppReport();
    ~TppReport() override;
    TppReport(const TppReport &) = delete;
    TppReport &operator=(const TppReport &) = delete;
    QString className() const override { return "TppReport"; }

    // --- definition ---------------------------------------------------------------------
    TppPrinterSetup printerSetup;
    TppPassSetting passSetting = TppPassSetting::psOnePass;
    bool autoStop = true;  // kept for layouts: with a pipeline a run always goes to the end of data
    bool noDataBlankPage = true;  // NoDataBehaviors {ndBlankPage}; without it an empty run has no page
    TppUnits units = TppUnits::utInches;
    QString deviceType = "Screen";
    bool savePrinterSetup = false;
    QString templateFileName;  // Template.FileName
    int templateOffset = 0;    // Template.Offset
    QString dataPipelineName;  // DataPipeline

    // Removes every band, group and component (for loading a whole new layout).
    void clear();
    // Adds an empty band of a kind; a group band needs its group. nullptr when the report
    // (or the group) already has a band of that kind.
    TppBand *addBand(TppBandType type, TppGroup *group = nullptr);
    TppGroup &addGroup(const QString &name, const QString &userName);

    // The band of a kind (the first group's header or footer for the group kinds).
    TppBand *band(TppBandType type) const;
    // Every band in print order.
    std::vector<TppBand *> bands() const;
    const std::vector<std::unique_ptr<TppGroup>> &groups() const { return groups_; }
    int groupNo(const TppGroup *group) const;  // 0-based; -1 when not this report's
    std::vector<TppComponent *> components() const;

    // Any band, group or component by its component name (`ppLabel8`) or, failing that, by
    // its UserName ("Label8"); the report itself answers to its own names. nullptr if none.
    TppObject *findByName(const QString &name) const;
    template <class T> T *find(const QString &name) const { return dynamic_cast<T *>(findByName(name)); }

    // Bands and components call this when the set of objects changes; the pages of the last
    // run no longer describe the definition and are dropped.
    void definitionChanged();

    // --- running --------------------------------------------------------------------------
    void setDataPipeline(TppDBPipeline *pipeline);
    TppDBPipeline *dataPipeline() const { return pipeline_; }
    void setLocaleFormats(const LocaleFormats &formats) { formats_ = formats; }
    const LocaleFormats &localeFormats() const { return formats_; }
    void setTextMeasure(TextMeasure measure) { measure_ = std::move(measure); }
    const TextMeasure &textMeasure() const { return measure_; }

    // Drops every page and the page count, takes a new print date-time and, for a two-pass
    // report, walks all records once to count the pages. Errors: "Could not open DataSet.: ..."
    // and "Cannot generate report.\n\n..." (EngineError).
    void regenerate();
    // Number of pages; for a one-pass report this walks to the end first.
    int pageCount();
    // One page, from its own restart point; numbers outside 1..pageCount are clamped.
    TppPage page(int pageNo);
    // The pages a request stands for (see resolvePageRequest); currentPage is the page shown.
    std::vector<TppPage> pages(const TppPageRequest &request, int currentPage = 0);
    // The print date-time of the current run (invalid before the first run).
    QDateTime printDateTime() const;

protected:
    const TppPropertyTable &propertyTable() const override;

private:
    TppReportEngine &engine();

    std::vector<std::unique_ptr<TppBand>> bands_;
    std::vector<std::unique_ptr<TppGroup>> groups_;
    TppDBPipeline *pipeline_ = nullptr;
    LocaleFormats formats_;
    TextMeasure measure_;
    std::unique_ptr<TppReportEngine> engine_;
};
