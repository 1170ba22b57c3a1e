#include "EngineError.h"
#include "GuiApplication.h"
#include "PageOutput.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class PdfOutput : public testing::Test {
protected:
    static void SetUpTestSuite() { ensureGuiApplication(); }
    QTemporaryDir dir;
};

TppPage numberedPage(int n) {
    TppPage page;
    TppDrawText text;
    text.left = 180000;
    text.top = 265000;
    text.width = 20000;
    text.height = 4498;
    text.text = QString("Page %1").arg(n);
    text.alignment = TppTextAlignment::taRightJustified;
    page.commands = {text, TppDrawLine{1323, 270000, 200555, 1588, qRgb(0, 128, 128), 3.75}};
    page.absolutePageNo = page.pageNo = n;
    return page;
}

int pdfPageCount(const QByteArray &pdf) { return int(pdf.count("/Type /Page\n") + pdf.count("/Type /Page ")); }

TEST_F(PdfOutput, WritesOnePdfPageForEveryPageOfTheSource) {
    const QString file = dir.filePath("report.pdf");
    int next = 0, calls = 0;
    writePdf(file, [&]() -> std::optional<TppPage> {
        ++calls;
        if (next == 3) return std::nullopt;
        return numberedPage(++next);
    });
    QFile pdf(file);
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    const QByteArray bytes = pdf.readAll();
    EXPECT_TRUE(bytes.startsWith("%PDF-"));
    EXPECT_EQ(pdfPageCount(bytes), 3);
    EXPECT_EQ(calls, 4);
    EXPECT_TRUE(bytes.contains("/MediaBox [0 0 612.000000 792.000000]"));  // Letter, the report's paper
}

TEST_F(PdfOutput, AnEmptyListStillGivesAValidFileAndABadPathRaisesTheError) {
    const QString file = dir.filePath("empty.pdf");
    writePdf(file, std::vector<TppPage>{});
    EXPECT_GT(QFileInfo(file).size(), 0);

    const QString unwritable = dir.filePath("no/such/folder/report.pdf");
    try {
        writePdf(unwritable, std::vector<TppPage>{numberedPage(1)});
        FAIL() << "no error raised";
    } catch (const EngineError &error) {
        EXPECT_TRUE(error.text().contains("report.pdf")) << error.text().toStdString();
    }
}

TEST_F(PdfOutput, AFailingRunLeavesThePreviousFileAsItWas) {
    const QString file = dir.filePath("report.pdf");
    writePdf(file, std::vector<TppPage>{numberedPage(1)});
    const qint64 before = QFileInfo(file).size();
    int calls = 0;
    EXPECT_THROW(writePdf(file, [&]() -> std::optional<TppPage> {
        if (++calls == 3) throw EngineError("Cannot generate report.\n\nthe table went away");
        return numberedPage(calls);
    }), EngineError);
    EXPECT_EQ(QFileInfo(file).size(), before);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"report.pdf"});
}

} // namespace
