#pragma once
#include "ReportControls.h"

class TMainForm;

// The report refresh's view of the main window's tool bar, description strip and pages.
class MainFormReportControls : public ReportControls {
public:
    explicit MainFormReportControls(TMainForm &form) : form_(form) {}

    QString startDateText() const override;
    void setStartDateText(const QString &text) override;
    QString endDateText() const override;
    void setEndDateText(const QString &text) override;
    int accountIndex() const override;
    QString accountText() const override;
    void setAccountText(const QString &text) override;
    bool totalsOnly() const override;
    bool subtotal() const override;
    void setSubtotal(bool checked) override;
    void setSubtotalEnabled(bool enabled) override;
    void setDescription(const QString &text) override;
    void showFirstPage() override;
    void revisitReportPage() override;
    void showRowCount(std::optional<int> count) override;

private:
    TMainForm &form_;
};
