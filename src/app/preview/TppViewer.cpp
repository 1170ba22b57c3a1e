#include "TppViewer.h"

#include "PageRenderer.h"
#include "TppReport.h"

#include <QPainter>
#include <QScrollBar>

TppViewer::TppViewer(QWidget *parent) : QAbstractScrollArea(parent) {
    setFrameShape(QFrame::NoFrame);
    paging_.setOnPage([this] { pageReceived(); });
    layOut();
}

void TppViewer::setReport(TppReport *report) {
    paging_.setReport(report);
    redraw();
}

void TppViewer::setZoomSetting(TppZoomSettingType setting) {
    zoomSetting_ = setting;
    redraw();
    horizontalScrollBar()->setValue(0);
    verticalScrollBar()->setValue(0);
}

void TppViewer::setZoomPercentage(int percentage) {
    zoomPercentage_ = std::min(percentage, largestZoomPercentage);
    setZoomSetting(TppZoomSettingType::zsPercentage);
}

void TppViewer::redraw() {
    layOut();
    renderPage();
    viewport()->update();
}

void TppViewer::pageReceived() {
    redraw();
    if (OnPageChange) OnPageChange();
}

void TppViewer::resizeEvent(QResizeEvent *event) {
    QAbstractScrollArea::resizeEvent(event);
    redraw();
    if (OnPageChange) OnPageChange();
}

double TppViewer::pixelsPerInch() const { return std::max(1, logicalDpiX()); }

// The visible area is the whole viewport without scroll bars, so that their coming and going
// does not change the zoom.
void TppViewer::layOut() {
    ZoomInput input;
    input.pixelsPerInch = pixelsPerInch();
    const TppPageDefinition paper = paging_.shown() ? paging_.shown()->pageDefinition
                                    : report()      ? report()->printerSetup.pageDefinition()
                                                    : TppPageDefinition();
    input.mmPaperWidth = paper.mmPaperWidth;
    input.mmPaperHeight = paper.mmPaperHeight;
    input.area = maximumViewportSize();
    input.setting = zoomSetting_;
    input.percentage = zoomPercentage_;
    layout_ = computeZoom(input);
    updateScrollBars();
}

// A scroll bar shows only when the image is larger than the area left beside the other one.
void TppViewer::updateScrollBars() {
    const QSize area = maximumViewportSize();
    const int barWidth = verticalScrollBar()->sizeHint().width();
    const int barHeight = horizontalScrollBar()->sizeHint().height();
    bool across = layout_.image.width() > area.width(), down = layout_.image.height() > area.height();
    if (across && !down) down = layout_.image.height() > area.height() - barHeight;
    if (down && !across) across = layout_.image.width() > area.width() - barWidth;
    const QSize visible(area.width() - (down ? barWidth : 0), area.height() - (across ? barHeight : 0));
    horizontalScrollBar()->setRange(0, std::max(0, layout_.image.width() - visible.width()));
    horizontalScrollBar()->setPageStep(visible.width());
    horizontalScrollBar()->setSingleStep(20);
    verticalScrollBar()->setRange(0, std::max(0, layout_.image.height() - visible.height()));
    verticalScrollBar()->setPageStep(visible.height());
    verticalScrollBar()->setSingleStep(20);
}

// The page renderer draws the page's commands at the zoomed resolution on paper of the
// window colour.
void TppViewer::renderPage() {
    pageImage_ = QImage();
    const std::optional<TppPage> &page = paging_.shown();
    if (!page || layout_.page.isEmpty() || page->pageDefinition.mmPaperWidth <= 0) return;
    pageImage_ = QImage(layout_.page, QImage::Format_RGB32);
    if (pageImage_.isNull()) return;
    pageImage_.fill(palette().color(QPalette::Base));
    const double dotsPerInch = layout_.page.width() / (page->pageDefinition.mmPaperWidth / 25400.0);
    QPainter painter(&pageImage_);
    drawPage(painter, *page, dotsPerInch);
}

void TppViewer::paintEvent(QPaintEvent *) {
    QPainter painter(viewport());
    painter.fillRect(viewport()->rect(), palette().color(QPalette::Dark));
    // An image smaller than the area sits in its middle; a larger one scrolls.
    const QSize spare = viewport()->size() - layout_.image;
    const QPoint centred(std::max(0, spare.width() / 2), std::max(0, spare.height() / 2));
    const QPoint scrolled(horizontalScrollBar()->value(), verticalScrollBar()->value());
    const QPoint origin = centred + layout_.pageOrigin - scrolled;
    if (!pageImage_.isNull()) painter.drawImage(origin, pageImage_);
    else if (!layout_.page.isEmpty()) painter.fillRect(QRect(origin, layout_.page), palette().color(QPalette::Base));
}
