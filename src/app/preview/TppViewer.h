#pragma once
#include "PreviewPaging.h"
#include "PreviewZoom.h"

#include <QAbstractScrollArea>
#include <QImage>
#include <functional>

class TppReport;

// The report preview: shows one page of the report at a time in a scroll area, drawn by the
// page renderer at the zoom its setting gives (PreviewZoom) on a surround of the button-shadow
// colour. Paging goes through PreviewPaging; OnPageChange runs after a page has been drawn and
// after a resize, not after a zoom change alone.
class TppViewer : public QAbstractScrollArea {
    Q_OBJECT
public:
    explicit TppViewer(QWidget *parent = nullptr);

    void setReport(TppReport *report);
    TppReport *report() const { return paging_.report(); }
    std::function<void()> OnPageChange;

    TppZoomSettingType zoomSetting() const { return zoomSetting_; }
    void setZoomSetting(TppZoomSettingType setting);
    int zoomPercentage() const { return zoomPercentage_; }
    // At most 250; sets the percentage setting.
    void setZoomPercentage(int percentage);
    int calculatedZoom() const { return layout_.calculatedZoom; }

    void firstPage() { paging_.firstPage(); }
    void priorPage() { paging_.priorPage(); }
    void nextPage() { paging_.nextPage(); }
    void lastPage() { paging_.lastPage(); }
    void gotoPage(int pageNo) { paging_.gotoPage(pageNo); }
    // After a regeneration: page 1 of the new run.
    void regenerated() { paging_.regenerated(); }
    bool generating() const { return paging_.generating(); }

    // The shown page's number, 0 before any page; the page itself.
    int absolutePageNo() const { return paging_.shownPageNo(); }
    const std::optional<TppPage> &shownPage() const { return paging_.shown(); }
    // The paper as drawn at the current zoom, and where it lies in the scrolled image.
    const QImage &pageImage() const { return pageImage_; }
    const ZoomLayout &zoomLayout() const { return layout_; }
    // Draws the shown page again, e.g. after the paper changed.
    void redraw();

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void pageReceived();
    void layOut();
    void renderPage();
    void updateScrollBars();
    double pixelsPerInch() const;

    PreviewPaging paging_;
    TppZoomSettingType zoomSetting_ = TppZoomSettingType::zsPageWidth;
    int zoomPercentage_ = 100;
    ZoomLayout layout_;
    QImage pageImage_;
};
