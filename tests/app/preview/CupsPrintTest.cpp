// A real print job: the window prints pages "5-3" of the sample report through a private
// print scheduler onto a queue that writes PDF files, and the file holds exactly pages 3 and 5.
#include "PreviewFixture.h"
#include "PrivateScheduler.h"
#include "QtPrinters.h"
#include "ReportPrint.h"
#include "TppPrintDialog.h"

#include <QComboBox>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <pwd.h>
#include <unistd.h>

namespace {

PrivateScheduler *scheduler = nullptr;
QString notStarted;  // why the scheduler could not start here

// Words of a text, sorted: the PDF's text extraction reads columns in its own order.
QStringList words(const QString &text) {
    QStringList all = text.split(QRegularExpression("\\s+"), Qt::SkipEmptyParts);
    all.sort();
    return all;
}

QString pdfText(const QString &pdf, int page) {
    QProcess text;
    text.start("pdftotext", {"-f", QString::number(page), "-l", QString::number(page), pdf, "-"});
    text.waitForFinished(20000);
    return QString::fromUtf8(text.readAllStandardOutput());
}

class CupsPrintTest : public PreviewFixture {
protected:
    static void SetUpTestSuite() {
        PreviewFixture::SetUpTestSuite();
        scheduler = new PrivateScheduler;
        if (!scheduler->start()) {
            notStarted = scheduler->why();
            return;
        }
        qputenv("CUPS_SERVER", scheduler->server().toUtf8());
    }

    static void TearDownTestSuite() {
        delete scheduler;  // stops it
        scheduler = nullptr;
    }

    void SetUp() override {
        // CI sets SPENDRAKE_REQUIRE_PRINTING: there the real job must run, not be skipped.
        if (!notStarted.isEmpty() && qEnvironmentVariableIsSet("SPENDRAKE_REQUIRE_PRINTING"))
            FAIL() << "The print scheduler must start here: " << notStarted.toStdString();
        if (!notStarted.isEmpty()) GTEST_SKIP() << "No real print job here: " << notStarted.toStdString();
        PreviewFixture::SetUp();
    }

    // The folder the PDF queue writes the jobs of this user to: PDF in the home folder.
    static QString pdfQueueOutput() {
        const passwd *user = getpwuid(geteuid());
        return QDir(QString::fromLocal8Bit(user ? user->pw_dir : "/root")).filePath("PDF");
    }

    // Runs `click` with the print dialog answered by `answer` once it shows.
    static void withPrintDialog(const std::function<void()> &click, const std::function<void(TppPrintDialog &)> &answer) {
        QTimer watch;
        bool answered = false;
        QObject::connect(&watch, &QTimer::timeout, [&] {
            auto *dialog = qobject_cast<TppPrintDialog *>(QApplication::activeModalWidget());
            if (!dialog || answered) return;
            answered = true;
            answer(*dialog);
        });
        watch.start(10);
        click();
        EXPECT_TRUE(answered);
    }
};

TEST_F(CupsPrintTest, PagesFiveToThreePrintPagesThreeAndFiveAsOneJob) {
    ASSERT_TRUE(scheduler->addPdfQueue("SpendrakePDF")) << scheduler->why().toStdString();
    auto form = sampleForm();
    ASSERT_GE(form->ppReport1().pageCount(), 5);

    // The queue names its file after the job; a file of that name from before is put back after.
    const QString output = QDir(pdfQueueOutput()).filePath("Report.pdf");
    const QString kept = output + ".before-test";
    if (QFile::exists(output)) QFile::rename(output, kept);
    const auto putBack = qScopeGuard([&] {
        QFile::remove(output);
        if (QFile::exists(kept)) QFile::rename(kept, output);
    });

    withPrintDialog([&] { form->ToolbarButton2()->click(); }, [](TppPrintDialog &dialog) {
        dialog.cbxPrinters()->setCurrentIndex(dialog.cbxPrinters()->findText("SpendrakePDF"));
        QTest::mouseClick(dialog.edtPageRange(), Qt::LeftButton);
        QTest::keyClicks(dialog.edtPageRange(), "5-3");
        dialog.btnOK()->click();
    });
    ASSERT_TRUE(errors.isEmpty()) << errors.join('\n').toStdString();
    ASSERT_TRUE(prompt.asked.empty()) << prompt.asked[0].text.toStdString();
    EXPECT_EQ(form->ppReport1().printerSetup.printerName, "SpendrakePDF");  // kept for the next print
    ASSERT_TRUE(scheduler->waitForJobs(90)) << scheduler->errorLog().toStdString();
    ASSERT_TRUE(QFile::exists(output)) << scheduler->errorLog().toStdString();

    EXPECT_EQ(pdfPageCount(output), 2);
    const int expected[] = {3, 5};
    for (int i = 0; i < 2; ++i) {
        QStringList engine;
        for (const TppDrawCommand &command : form->ppReport1().page(expected[i]).commands)
            if (const auto *text = std::get_if<TppDrawText>(&command)) engine << text->text;
        EXPECT_EQ(words(pdfText(output, i + 1)), words(engine.join(' '))) << "page " << expected[i];
    }
}

TEST_F(CupsPrintTest, APrinterThatGoesAwayBeforeTheJobGetsTheWarning) {
    ASSERT_TRUE(scheduler->addPdfQueue("Vanishing")) << scheduler->why().toStdString();
    auto form = sampleForm();
    withPrintDialog([&] { form->menuItem("Print1")->trigger(); }, [](TppPrintDialog &dialog) {
        dialog.cbxPrinters()->setCurrentIndex(dialog.cbxPrinters()->findText("Vanishing"));
        ASSERT_TRUE(scheduler->removeQueue("Vanishing")) << scheduler->why().toStdString();
        dialog.btnOK()->click();
    });
    EXPECT_TRUE(errors.isEmpty()) << errors.join('\n').toStdString();
    ASSERT_EQ(prompt.asked.size(), 1u);
    EXPECT_EQ(prompt.asked[0].kind, Prompt::Kind::Warning);
    EXPECT_EQ(prompt.asked[0].text, "Windows cannot print due to a problem with the current printer setup.");
}

} // namespace
