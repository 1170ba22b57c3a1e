#include "DatePicker.h"
#include "DayNumber.h"
#include "ShellFixture.h"

#include <QCheckBox>
#include <QFile>
#include <QLabel>

namespace {

class NamedFile : public ImportFileChooser {
public:
    std::optional<QString> chooseImportFile() override { return name; }
    QString name;
};

// The window's import and report working together on a small export.
class MainFormReportTest : public ShellFixture {
protected:
    std::unique_ptr<TMainForm> importedForm() {
        auto form = std::make_unique<TMainForm>(servicesWithFile());
        prompt.answers = {Prompt::Answer::Yes, Prompt::Answer::No};  // empty the table; keep the file
        form->guarded([&] { form->Open1Click(); });
        return form;
    }

    MainFormServices servicesWithFile() {
        MainFormServices s = services();
        chooser.name = programFile("export.csv");
        QFile::copy(SPENDRAKE_TEST_DATA "/cli/export.csv", chooser.name);
        s.importFileChooser = &chooser;
        return s;
    }

    static QStringList texts(const TppPage &page) {
        QStringList result;
        for (const TppDrawCommand &command : page.commands)
            if (const auto *text = std::get_if<TppDrawText>(&command)) result << text->text;
        return result;
    }

    NamedFile chooser;
};

TEST_F(MainFormReportTest, ImportShowsTheNewDataInTheToolbarAndReport) {
    auto form = importedForm();
    ASSERT_TRUE(errors.isEmpty()) << errors.join('\n').toStdString();
    EXPECT_EQ(form->StartDate()->text(), "1/2/2024");
    EXPECT_EQ(form->EndDate()->text(), "2/3/2024");
    EXPECT_EQ(form->AllStartDate(), DayNumber::fromDate(QDate(2024, 1, 2)));
    EXPECT_DOUBLE_EQ(form->ImportTotal(), 3688);
    EXPECT_EQ(form->ReportDesc()->text(), " All Account(s) 1/2/2024 - 2/3/2024");
    const QStringList page = texts(form->ppReport1().page(1));
    EXPECT_TRUE(page.contains("($1,200.00)"));
    EXPECT_TRUE(page.contains("3688.00"));  // the grand total agrees with the rows
}

TEST_F(MainFormReportTest, TotalsOnlyTicksAndLocksSubtotal) {
    auto form = importedForm();
    form->TotalsOnly()->setChecked(true);
    EXPECT_TRUE(form->BreakCheckbox()->isChecked());
    EXPECT_FALSE(form->BreakCheckbox()->isEnabled());
    EXPECT_EQ(form->ppReport1().find<TppGroup>("ppGroup2")->breakName, "Date");
    EXPECT_FALSE(form->ppReport1().find<TppBand>("ppDetailBand1")->visible);
    form->TotalsOnly()->setChecked(false);
    EXPECT_FALSE(form->BreakCheckbox()->isChecked());
    EXPECT_TRUE(form->BreakCheckbox()->isEnabled());
    EXPECT_TRUE(form->ppReport1().find<TppGroup>("ppGroup2")->breakName.isEmpty());
    EXPECT_TRUE(errors.isEmpty()) << errors.join('\n').toStdString();
}

TEST_F(MainFormReportTest, ClearedDatesShowEveryRow) {
    auto form = importedForm();
    form->StartDate()->setText("");
    form->Button3Click();
    EXPECT_EQ(form->TransDB().recordCount(), 7);
    EXPECT_EQ(form->ppReport1().find<TppLabel>("ppLabel15")->caption, " - 2/3/2024");
}

} // namespace
