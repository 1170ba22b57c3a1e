// The preview on the Report page and its tool bar: zoom buttons, paging buttons and the page
// and percentage boxes.
#include "MainForm.h"
#include "PreviewBoxes.h"
#include "TppViewer.h"

#include <QKeyEvent>
#include <QLayout>
#include <QLineEdit>
#include <QToolButton>

void TMainForm::buildPreview() {
    ppViewer1_ = new TppViewer(TabSheet2_);
    ppViewer1_->setObjectName("ppViewer1");
    TabSheet2_->layout()->addWidget(ppViewer1_);
    ppViewer1_->OnPageChange = [this] { guarded([this] { ppViewer1PageChange(); }); };
}

void TMainForm::ppViewer1PageChange() {
    mskPreviewPage_->setText(QString::number(ppViewer1_->absolutePageNo()));
    mskPreviewPercentage_->setText(QString::number(ppViewer1_->calculatedZoom()));
}

// The zoom buttons show the preview's zoom setting; a percentage leaves all of them up.
void TMainForm::showZoom() {
    const TppZoomSettingType setting = ppViewer1_->zoomSetting();
    spbPreviewWhole_->setChecked(setting == TppZoomSettingType::zsWholePage);
    spbPreviewWidth_->setChecked(setting == TppZoomSettingType::zsPageWidth);
    spbPreview100Percent_->setChecked(setting == TppZoomSettingType::zs100Percent);
    mskPreviewPercentage_->setText(QString::number(ppViewer1_->calculatedZoom()));
}

void TMainForm::spbPreviewWholeClick() {
    ppViewer1_->setZoomSetting(TppZoomSettingType::zsWholePage);
    showZoom();
}

void TMainForm::spbPreviewWidthClick() {
    ppViewer1_->setZoomSetting(TppZoomSettingType::zsPageWidth);
    showZoom();
}

void TMainForm::spbPreview100PercentClick() {
    ppViewer1_->setZoomSetting(TppZoomSettingType::zs100Percent);
    showZoom();
}

void TMainForm::spbPreviewFirstClick() { ppViewer1_->firstPage(); }
void TMainForm::spbPreviewPriorClick() { ppViewer1_->priorPage(); }
void TMainForm::spbPreviewNextClick() { ppViewer1_->nextPage(); }
void TMainForm::spbPreviewLastClick() { ppViewer1_->lastPage(); }

namespace {

bool isEnter(const QKeyEvent *event) { return event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter; }

} // namespace

void TMainForm::mskPreviewPageKeyPress(QKeyEvent *event) {
    if (!isEnter(event)) return;
    ppViewer1_->gotoPage(previewPageBoxValue(mskPreviewPage_->text()));
}

void TMainForm::mskPreviewPercentageKeyPress(QKeyEvent *event) {
    if (!isEnter(event)) return;
    ppViewer1_->setZoomPercentage(previewPercentageBoxValue(mskPreviewPercentage_->text()));
    showZoom();
}
