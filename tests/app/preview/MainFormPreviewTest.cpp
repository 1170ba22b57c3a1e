#include "PreviewFixture.h"
#include "PreviewZoom.h"
#include "QtPrinters.h"
#include "TppCancelDialog.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <cmath>

namespace {

using Z = TppZoomSettingType;

class MainFormPreviewTest : public PreviewFixture {
protected:
    static void enter(QLineEdit *box, const QString &text) {
        box->setText(text);
        QTest::keyClick(box, Qt::Key_Return);
    }

    static QList<bool> zoomButtons(TMainForm &form) {
        return {form.spbPreviewWhole()->isChecked(), form.spbPreviewWidth()->isChecked(),
                form.spbPreview100Percent()->isChecked()};
    }

    static int percentageShown(TMainForm &form) { return form.mskPreviewPercentage()->text().remove('%').trimmed().toInt(); }
};

TEST_F(MainFormPreviewTest, StartsOnPage1AtPageWidthWhenTheWindowFirstShows) {
    auto form = sampleForm();
    TppViewer *viewer = form->ppViewer1();
    EXPECT_EQ(viewer->absolutePageNo(), 1);
    // Showing lays the window out before it reaches the screen; the boxes follow at once.
    form->show();
    EXPECT_EQ(viewer->parentWidget(), form->TabSheet2());
    EXPECT_EQ(viewer->absolutePageNo(), 1);
    EXPECT_EQ(viewer->zoomSetting(), Z::zsPageWidth);
    EXPECT_EQ(zoomButtons(*form), (QList<bool>{false, true, false}));
    EXPECT_EQ(form->mskPreviewPage()->text().trimmed(), "1");
    EXPECT_GT(viewer->width(), 800);
    EXPECT_EQ(percentageShown(*form), viewer->calculatedZoom());
    EXPECT_GT(viewer->calculatedZoom(), 90);
    EXPECT_FALSE(viewer->pageImage().isNull());
    EXPECT_TRUE(errors.isEmpty()) << errors.join('\n').toStdString();
}

TEST_F(MainFormPreviewTest, ZoomButtonsAreOneGroupAndThePercentageBoxLeavesAllUp) {
    auto form = sampleForm();
    TppViewer *viewer = form->ppViewer1();
    form->spbPreviewWhole()->click();
    EXPECT_EQ(viewer->zoomSetting(), Z::zsWholePage);
    EXPECT_EQ(zoomButtons(*form), (QList<bool>{true, false, false}));
    EXPECT_EQ(percentageShown(*form), viewer->calculatedZoom());
    form->spbPreview100Percent()->click();
    form->spbPreview100Percent()->click();  // a second click keeps it down
    EXPECT_EQ(zoomButtons(*form), (QList<bool>{false, false, true}));
    EXPECT_EQ(percentageShown(*form), 100);

    const std::pair<const char *, int> typed[] = {{"300", 250}, {"0", 0}, {"", 100}, {"999", 250}, {"40", 40}};
    for (const auto &[text, shown] : typed) {
        enter(form->mskPreviewPercentage(), text);
        EXPECT_EQ(viewer->zoomSetting(), Z::zsPercentage) << text;
        EXPECT_EQ(viewer->calculatedZoom(), shown) << text;
        EXPECT_EQ(percentageShown(*form), shown) << text;
        EXPECT_EQ(zoomButtons(*form), (QList<bool>{false, false, false})) << text;
    }
    // At 250 % the page scrolls; a zoom change goes back to the top left.
    enter(form->mskPreviewPercentage(), "250");
    viewer->horizontalScrollBar()->setValue(viewer->horizontalScrollBar()->maximum());
    viewer->verticalScrollBar()->setValue(viewer->verticalScrollBar()->maximum());
    EXPECT_GT(viewer->verticalScrollBar()->value(), 0);
    form->spbPreviewWhole()->click();
    EXPECT_EQ(viewer->horizontalScrollBar()->value(), 0);
    EXPECT_EQ(viewer->verticalScrollBar()->value(), 0);
    // A zoom change alone leaves the page box alone; other keys do nothing.
    form->mskPreviewPage()->setText("7");
    form->spbPreviewWidth()->click();
    EXPECT_EQ(form->mskPreviewPage()->text().trimmed(), "7");
    QTest::keyClick(form->mskPreviewPercentage(), Qt::Key_5);
    EXPECT_EQ(viewer->zoomSetting(), Z::zsPageWidth);
    EXPECT_TRUE(errors.isEmpty()) << errors.join('\n').toStdString();
}

TEST_F(MainFormPreviewTest, WideningThePageWidthPreviewRaisesThePercentage) {
    auto form = sampleForm();
    form->resize(700, 500);
    form->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    const int narrow = percentageShown(*form);
    EXPECT_LT(narrow, 100);
    form->resize(1400, 700);
    QTest::qWait(50);
    EXPECT_GT(percentageShown(*form), narrow);
    EXPECT_EQ(percentageShown(*form), form->ppViewer1()->calculatedZoom());
    // The page sits in the middle of the image with a margin around it.
    const ZoomLayout &layout = form->ppViewer1()->zoomLayout();
    EXPECT_GT(layout.pageOrigin.x(), 0);
    EXPECT_EQ(layout.pageOrigin.x() * 2 + layout.page.width(), layout.image.width());
}

TEST_F(MainFormPreviewTest, PagingButtonsAndThePageBox) {
    auto form = sampleForm();
    TppViewer *viewer = form->ppViewer1();
    const int last = form->ppReport1().pageCount();
    ASSERT_GE(last, 5);
    form->spbPreviewNext()->click();
    form->spbPreviewNext()->click();
    EXPECT_EQ(viewer->absolutePageNo(), 3);
    EXPECT_EQ(form->mskPreviewPage()->text().trimmed(), "3");
    form->spbPreviewPrior()->click();
    EXPECT_EQ(viewer->absolutePageNo(), 2);
    form->spbPreviewLast()->click();
    EXPECT_EQ(viewer->absolutePageNo(), last);
    form->spbPreviewFirst()->click();
    EXPECT_EQ(viewer->absolutePageNo(), 1);

    const std::pair<const char *, int> typed[] = {{"4", 4}, {"99999", last}, {"0", 1}, {"00005", 5}};
    for (const auto &[text, page] : typed) {
        enter(form->mskPreviewPage(), text);
        EXPECT_EQ(viewer->absolutePageNo(), page) << text;
        EXPECT_EQ(form->mskPreviewPage()->text().trimmed(), QString::number(page)) << text;
    }
    EXPECT_TRUE(errors.isEmpty()) << errors.join('\n').toStdString();
    enter(form->mskPreviewPage(), "");
    EXPECT_EQ(errors, QStringList{"'' is not a valid integer value."});
    EXPECT_EQ(viewer->absolutePageNo(), 5);
}

TEST_F(MainFormPreviewTest, ARefreshReturnsToPage1AndKeepsTheZoom) {
    auto form = sampleForm();
    form->spbPreviewWhole()->click();
    form->spbPreviewLast()->click();
    form->BreakCheckbox()->setChecked(true);
    EXPECT_EQ(form->ppViewer1()->absolutePageNo(), 1);
    EXPECT_EQ(form->mskPreviewPage()->text().trimmed(), "1");
    EXPECT_EQ(form->ppViewer1()->zoomSetting(), Z::zsWholePage);
}

TEST_F(MainFormPreviewTest, ExportPdfWritesEveryPage) {
    auto form = sampleForm();
    QTemporaryDir out;
    pdfFile = out.filePath("report");  // the extension is added
    ASSERT_NE(form->menuItem("ExportPdf1"), nullptr);
    EXPECT_EQ(form->menuItem("ExportPdf1")->shortcut(), QKeySequence("Ctrl+E"));
    form->menuItem("ExportPdf1")->trigger();
    EXPECT_TRUE(errors.isEmpty()) << errors.join('\n').toStdString();
    EXPECT_TRUE(suggestedPdf.endsWith("/Transaction Report.pdf")) << suggestedPdf.toStdString();
    EXPECT_EQ(pdfPageCount(out.filePath("report.pdf")), form->ppReport1().pageCount());
}

TEST_F(MainFormPreviewTest, ACancelledOrFailedExportLeavesNoFile) {
    auto form = sampleForm();
    QTemporaryDir out;
    pdfFile = out.filePath("cancelled.pdf");
    QString message;
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, [&] {
        auto *progress = qobject_cast<TppCancelDialog *>(QApplication::activeModalWidget());
        if (!progress || !message.isEmpty()) return;
        message = progress->message()->text();
        progress->cancelButton()->click();
    });
    watch.start(0);
    form->ExportPdf1Click();
    EXPECT_EQ(message, "Printing page 1 of 7 for report Report on the PDF file");
    EXPECT_FALSE(QFile::exists(pdfFile));

    pdfFile = out.filePath("missing folder/report.pdf");
    form->guarded([&] { form->ExportPdf1Click(); });
    ASSERT_EQ(errors.size(), 1);
    EXPECT_TRUE(errors[0].startsWith("Cannot create file")) << errors[0].toStdString();
    EXPECT_FALSE(QFile::exists(pdfFile));
}

// How far a pixel of `a` is from the closest pixel of `b` around the same place: glyph edges
// antialiased or rounded half a pixel apart still match.
int nearest(const QImage &a, const QImage &b, int x, int y) {
    int best = 255;
    const int value = a.constScanLine(y)[x];
    for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx) {
            const int nx = x + dx, ny = y + dy;
            if (nx < 0 || ny < 0 || nx >= b.width() || ny >= b.height()) continue;
            best = std::min(best, std::abs(value - int(b.constScanLine(ny)[nx])));
        }
    return best;
}

struct Difference {
    double mean = 0;  // of 255, pixel by pixel
    int far = 0;      // pixels with no pixel within one step that is closer than half the scale
    int inked = 0;    // dark pixels of the second image
};

Difference compare(const QImage &a, const QImage &b) {
    Difference result;
    long long total = 0;
    for (int y = 0; y < b.height(); ++y)
        for (int x = 0; x < b.width(); ++x) {
            total += std::abs(int(a.constScanLine(y)[x]) - int(b.constScanLine(y)[x]));
            result.far += nearest(a, b, x, y) > 128;
            result.inked += b.constScanLine(y)[x] < 128;
        }
    result.mean = double(total) / (b.width() * b.height());
    return result;
}

// The preview at 100 % and the exported PDF drawn by another program at the screen's
// resolution show the same page; the next page of the PDF does not.
TEST_F(MainFormPreviewTest, ThePreviewAt100PercentEqualsThePdf) {
    auto form = sampleForm();
    form->spbPreview100Percent()->click();
    form->spbPreviewNext()->click();
    const QImage preview = form->ppViewer1()->pageImage().convertToFormat(QImage::Format_Grayscale8);
    QTemporaryDir out;
    pdfFile = out.filePath("same.pdf");
    form->ExportPdf1Click();
    const int dpi = form->ppViewer1()->logicalDpiX();
    const QImage same = rasterisedPage(pdfFile, 2, dpi, out.path()).convertToFormat(QImage::Format_Grayscale8);
    const QImage next = rasterisedPage(pdfFile, 3, dpi, out.path()).convertToFormat(QImage::Format_Grayscale8);
    ASSERT_EQ(preview.size(), same.size());
    ASSERT_EQ(preview.size(), next.size());
    const Difference match = compare(preview, same), other = compare(preview, next);
    std::printf("preview vs PDF page: mean difference %.2f of 255; %d of %d pixels off by more than half "
                "with no match one pixel around; %d dark pixels (next page: mean %.2f, %d off)\n",
                match.mean, match.far, same.width() * same.height(), match.inked, other.mean, other.far);
    EXPECT_GT(match.inked, 2000);  // the page has text on it
    EXPECT_LT(match.far, match.inked / 20);  // measured: about 2 % of the dark pixels
    EXPECT_GT(other.far, match.inked / 10);
}

} // namespace
