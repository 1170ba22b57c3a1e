// The Report page, the print dialog and the progress dialog on a real (virtual) display with
// the sample export imported: pictures of each are left in a folder for a person to look at,
// and the tests check that nothing is cut off.
#include "PreviewFixture.h"
#include "PrintPages.h"
#include "TppCancelDialog.h"
#include "TppPrintDialog.h"
#include "TppPrinterSetup.h"

#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QScreen>
#include <QTest>
#include <QToolButton>

namespace {

QString shotFolder() {
    const QString folder = qEnvironmentVariable("SPENDRAKE_SHOT_DIR", SPENDRAKE_SHOTS);
    QDir().mkpath(folder);
    return folder;
}

void shoot(QWidget *window, const QString &name) {
    QTest::qWait(150);
    const QRect frame = window->frameGeometry();
    QPixmap picture = window->screen()->grabWindow(0, frame.x(), frame.y(), frame.width(), frame.height());
    if (picture.isNull()) picture = window->grab();
    EXPECT_TRUE(picture.save(QDir(shotFolder()).filePath(name + ".png"))) << name.toStdString();
}

// Every visible child lies inside its parent and shows its whole text.
void expectNothingCutOff(QWidget *window) {
    for (QWidget *child : window->findChildren<QWidget *>()) {
        if (!child->isVisible() || child->isWindow()) continue;
        const QRect inParent(QPoint(0, 0), child->parentWidget()->size());
        EXPECT_TRUE(inParent.contains(child->geometry())) << child->objectName().toStdString();
        if (auto *label = qobject_cast<QLabel *>(child); label && !label->wordWrap() && label->pixmap().isNull()) {
            EXPECT_GE(label->width(), label->minimumSizeHint().width()) << label->text().toStdString();
        }
    }
}

class PreviewScreenshotTest : public PreviewFixture {};

TEST_F(PreviewScreenshotTest, ReportPageAtEachZoomAndOption) {
    ASSERT_EQ(QGuiApplication::platformName(), "xcb");
    auto form = sampleForm();
    form->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    TppViewer *viewer = form->ppViewer1();
    EXPECT_EQ(viewer->absolutePageNo(), 1);
    shoot(form.get(), "report-page-width");
    form->spbPreviewWhole()->click();
    shoot(form.get(), "report-whole-page");
    form->spbPreview100Percent()->click();
    shoot(form.get(), "report-100-percent");
    form->spbPreviewWidth()->click();
    form->BreakCheckbox()->setChecked(true);
    form->spbPreviewNext()->click();
    shoot(form.get(), "report-subtotal-page-2");
    form->TotalsOnly()->setChecked(true);
    shoot(form.get(), "report-totals-only");
    // The page drawn in the preview is paper with text on a darker surround.
    const QImage seen = viewer->viewport()->grab().toImage();
    const QColor paper = viewer->palette().color(QPalette::Base);
    const QColor surround = viewer->palette().color(QPalette::Dark);
    EXPECT_EQ(seen.pixel(2, 2), surround.rgb());
    const QPoint inPage = viewer->zoomLayout().pageOrigin + QPoint(3, 3);
    EXPECT_EQ(seen.pixel(inPage), paper.rgb());
    EXPECT_TRUE(errors.isEmpty()) << errors.join('\n').toStdString();
}

TEST_F(PreviewScreenshotTest, PrintDialogAndProgress) {
    TppPrinterSetup setup;
    TppPrintDialog print(PrintDialogRules({{"Office Laser", "Laser 4000 PostScript", "Second floor, room 212"},
                                           {"PDF", "Generic PDF Printer", "This computer"}},
                                          "PDF", setup, 7, 3),
                         prompt);
    print.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&print));
    expectNothingCutOff(&print);
    shoot(&print, "print-dialog");
    print.cbxCollate()->click();
    shoot(&print, "print-dialog-uncollated");
    print.close();

    TppPrintDialog none(PrintDialogRules({}, "", setup, 7, 3), prompt);
    none.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&none));
    expectNothingCutOff(&none);
    shoot(&none, "print-dialog-no-printers");
    none.close();

    TppCancelDialog progress;
    progress.showMessage(printingMessage(3, 7, "Report", "Office Laser"));
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&progress));
    expectNothingCutOff(&progress);
    EXPECT_EQ(progress.windowTitle(), "Printing");
    shoot(&progress, "printing-progress");
}

} // namespace
