#include "QtPrinters.h"
#include "ShellFixture.h"
#include "TppPrintDialog.h"
#include "TppPrinterSetup.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTest>
#include <QTimer>
#include <QToolButton>

namespace {

// The print dialog's widgets over its rules, offscreen.
class PrintDialogTest : public ShellFixture {
protected:
    std::unique_ptr<TppPrintDialog> dialog(std::vector<PrinterDescription> printers = {{"Office", "Laser 9", "Hall"},
                                                                                        {"Archive", "Ink 1", "Desk"}}) {
        TppPrinterSetup setup;
        setup.printerName = "Office";
        return std::make_unique<TppPrintDialog>(PrintDialogRules(std::move(printers), "Archive", setup, 7, 2), prompt);
    }
};

TEST_F(PrintDialogTest, ShowsThePrintersAndTheSetupsChoices) {
    auto print = dialog();
    EXPECT_EQ(print->windowTitle(), "Print");
    ASSERT_EQ(print->cbxPrinters()->count(), 2);
    EXPECT_EQ(print->cbxPrinters()->itemText(0), "Archive");
    EXPECT_EQ(print->cbxPrinters()->currentText(), "Office");
    EXPECT_EQ(print->lblPrinterType()->text(), "Laser 9");
    EXPECT_EQ(print->lblPrinterWhere()->text(), "Hall");
    print->cbxPrinters()->setCurrentIndex(0);
    EXPECT_EQ(print->lblPrinterWhere()->text(), "Desk");
    EXPECT_TRUE(print->rdbAll()->isChecked());
    EXPECT_EQ(print->edtCopies()->value(), 1);
    EXPECT_TRUE(print->cbxCollate()->isChecked());
    EXPECT_EQ(print->cbxPrintWhat()->count(), 3);
    EXPECT_EQ(print->cbxPrintWhat()->itemText(2), "Even pages");
    EXPECT_TRUE(print->btnOK()->isDefault());
    EXPECT_NE(print->findChild<QLabel *>("lblPageRangeHint")->text().indexOf("For example, 1,3,5-12"), -1);
}

TEST_F(PrintDialogTest, PageRangeEditChoosesPagesAndOtherChoicesEmptyIt) {
    auto print = dialog();
    print->show();
    QTest::mouseClick(print->edtPageRange(), Qt::LeftButton);
    EXPECT_TRUE(print->rdbPages()->isChecked());
    QTest::keyClicks(print->edtPageRange(), "5-3");
    EXPECT_EQ(print->rules().pagesToPrint(), (std::vector<int>{3, 5}));
    print->rdbCurrentPage()->click();
    EXPECT_TRUE(print->edtPageRange()->text().isEmpty());
    EXPECT_EQ(print->rules().pagesToPrint(), (std::vector<int>{2}));
    print->cbxPrintWhat()->setCurrentIndex(1);
    print->rdbAll()->click();
    EXPECT_EQ(print->rules().pagesToPrint(), (std::vector<int>{1, 3, 5, 7}));
}

TEST_F(PrintDialogTest, OkWithNoPagesWarnsAndStaysOpen) {
    auto print = dialog();
    print->show();
    print->rdbPages()->click();
    print->btnOK()->click();
    ASSERT_EQ(prompt.asked.size(), 1u);
    EXPECT_EQ(prompt.asked[0].kind, Prompt::Kind::Warning);
    EXPECT_EQ(prompt.asked[0].text, "No pages entered.");
    EXPECT_TRUE(print->isVisible());
    EXPECT_EQ(print->result(), QDialog::Rejected);
    QTest::keyClicks(print->edtPageRange(), "1,3");
    print->btnOK()->click();
    EXPECT_EQ(print->result(), QDialog::Accepted);
    EXPECT_FALSE(print->isVisible());
}

TEST_F(PrintDialogTest, CopiesAndCollation) {
    auto print = dialog();
    QPixmap collated = print->imgCollate()->pixmap();
    QTest::keyClick(print->edtCopies(), Qt::Key_Up);
    QTest::keyClick(print->edtCopies(), Qt::Key_Up);
    EXPECT_EQ(print->rules().copies(), 3);
    print->edtCopies()->setValue(1000);
    EXPECT_EQ(print->edtCopies()->value(), 999);
    print->cbxCollate()->click();
    EXPECT_FALSE(print->rules().collate());
    EXPECT_NE(print->imgCollate()->pixmap().toImage(), collated.toImage());
    TppPrinterSetup setup;
    print->rules().applyTo(setup);
    EXPECT_EQ(setup.copies, 999);
    EXPECT_FALSE(setup.collation);
    EXPECT_EQ(setup.printerName, "Office");
}

TEST_F(PrintDialogTest, WithoutPrintersTheDialogSaysSo) {
    auto print = dialog({});
    print->show();
    EXPECT_FALSE(print->cbxPrinters()->isVisible());
    EXPECT_FALSE(print->btnPrinterProperties()->isVisible());
    EXPECT_EQ(print->lblPrinterName()->text(), "There are no printers connected to your computer.");
    print->btnOK()->click();
    ASSERT_EQ(prompt.asked.size(), 1u);
    EXPECT_EQ(prompt.asked[0].text, "There are no printers connected to your computer.");
    EXPECT_TRUE(print->isVisible());
}

// Through the window: with no printing service reachable the dialog lists nothing, and
// Cancel prints nothing.
TEST_F(PrintDialogTest, PrintReportOpensTheDialogFromTheMenuAndTheButton) {
    qputenv("CUPS_SERVER", "127.0.0.1:1");  // nothing listens there
    auto form = makeForm();
    for (const std::function<void()> &click : std::vector<std::function<void()>>{
             [&] { form->ToolbarButton2()->click(); }, [&] { form->menuItem("Print1")->trigger(); }}) {
        QString title;
        QTimer::singleShot(0, [&] {
            auto *print = qobject_cast<TppPrintDialog *>(QApplication::activeModalWidget());
            if (!print) return;
            title = print->windowTitle();
            print->btnCancel()->click();
        });
        click();
        EXPECT_EQ(title, "Print");
    }
    EXPECT_TRUE(errors.isEmpty()) << errors.join('\n').toStdString();
    qunsetenv("CUPS_SERVER");
}

} // namespace
