#pragma once
#include <QString>
#include <optional>

// The tool-bar controls and description strip that the report refresh reads and writes. The
// main window maps them onto its widgets; the companion program and the tests keep plain
// values (PlainReportControls).
class ReportControls {
public:
    virtual ~ReportControls() = default;

    // The date pickers' shown texts, empty when no date. Writing a text runs the picker's
    // change handling only when the text actually changes.
    virtual QString startDateText() const = 0;
    virtual void setStartDateText(const QString &text) = 0;
    virtual QString endDateText() const = 0;
    virtual void setEndDateText(const QString &text) = 0;

    // The account chooser: entry 0 is "All Account(s)".
    virtual int accountIndex() const = 0;
    virtual QString accountText() const = 0;
    virtual void setAccountText(const QString &text) = 0;

    // "Totals only" and "Subtotal". Setting Subtotal never runs its click handling by
    // itself; the refresh does that where it must.
    virtual bool totalsOnly() const = 0;
    virtual bool subtotal() const = 0;
    virtual void setSubtotal(bool checked) = 0;
    virtual void setSubtotalEnabled(bool enabled) = 0;

    // The strip above the preview.
    virtual void setDescription(const QString &text) = 0;

    // After a regeneration: the preview shows page 1 (nothing when it already does).
    virtual void showFirstPage() {}
    // With no rows left: when the Report page is showing, switch to the Transactions page
    // and back, so that the preview repaints its blank page.
    virtual void revisitReportPage() {}
    // At the end of every refresh: how many transactions pass the criteria (none when the
    // table is closed).
    virtual void showRowCount(std::optional<int> count) { Q_UNUSED(count); }
};

// The controls as values, for the companion program and the tests.
class PlainReportControls : public ReportControls {
public:
    QString startDate, endDate;
    int account = 0;
    QString accountShown = "All Account(s)";
    bool totals = false;
    bool subtotals = false;
    bool subtotalEnabled = true;
    QString description;

    QString startDateText() const override { return startDate; }
    void setStartDateText(const QString &text) override { startDate = text; }
    QString endDateText() const override { return endDate; }
    void setEndDateText(const QString &text) override { endDate = text; }
    int accountIndex() const override { return account; }
    QString accountText() const override { return accountShown; }
    void setAccountText(const QString &text) override { accountShown = text; }
    bool totalsOnly() const override { return totals; }
    bool subtotal() const override { return subtotals; }
    void setSubtotal(bool checked) override { subtotals = checked; }
    void setSubtotalEnabled(bool enabled) override { subtotalEnabled = enabled; }
    void setDescription(const QString &text) override { description = text; }
};
