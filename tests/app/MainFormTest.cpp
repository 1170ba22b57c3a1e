// Start-up, the single-instance guard, the maintenance commands, the help links and the
// standard error box, on the main window with a prompt that answers.
#include "DatePicker.h"
#include "ErrorBox.h"
#include "HelpLinks.h"
#include "IniFile.h"
#include "LimitMe.h"
#include "ShellFixture.h"

#include <QAction>
#include <QComboBox>
#include <QFile>

class MainFormTest : public ShellFixture {
protected:
    int rowsInFile() {
        TableDatabase database;
        database.setDirectory(programDir.path());
        TransactionTable table(database);
        table.open();
        return table.recordCount();
    }

    void damageTable() {
        QFile file(programFile("transactions.DAT"));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(QByteArray(4096, '\x5a'));
    }

    const LocaleFormats us = LocaleFormats::unitedStates();
};

TEST_F(MainFormTest, StartsWithTheTableOpenAndTheFullDateRange) {
    fill({{45000, -5}, {44990, 20}, {45010, -1}});
    auto form = makeForm();
    EXPECT_TRUE(errors.isEmpty());
    EXPECT_TRUE(form->TransDB().active());
    EXPECT_FALSE(form->Initializing());
    EXPECT_EQ(form->ProgramDir(), programDir.path() + "/");
    EXPECT_EQ(form->StartDate()->text(), us.formatShortDate(44990));
    EXPECT_EQ(form->EndDate()->text(), us.formatShortDate(45010));
    EXPECT_EQ(form->AllStartDate(), 44990);
    EXPECT_EQ(form->AllEndDate(), 45010);
    EXPECT_EQ(form->savedFiltersFile(), programDir.path() + "/TransDB.ftr");
    EXPECT_EQ(form->TransDB().recNo(), 0);
}

TEST_F(MainFormTest, ProgramDirEndsInOneSeparatorAlsoAtTheRoot) {
    MainFormServices atRoot = services();
    atRoot.programPath = "/spendrake";
    TMainForm form(atRoot);
    EXPECT_EQ(form.ProgramDir(), "/");
    EXPECT_EQ(form.Database1().directory(), "/");
}

TEST_F(MainFormTest, DatesComeFromDateOrderWhateverTheCurrentIndex) {
    fill({{45000, -500}, {44990, 20}, {45010, -1}});
    auto form = makeForm();
    form->TransDB().setIndexName("AmountIndex");
    form->StartDate()->setDate(0);
    form->LoadTransactions();
    EXPECT_EQ(form->TransDB().indexName(), "AmountIndex");
    EXPECT_EQ(form->StartDate()->date(), 44990);
    EXPECT_EQ(form->EndDate()->date(), 45010);
    EXPECT_EQ(form->TransDB().fieldByName("Amount").asFloat(), -500);  // first in amount order
}

TEST_F(MainFormTest, DatePickersForEmptyAndOneDayTables) {
    {
        auto empty = makeForm();
        EXPECT_EQ(empty->StartDate()->text(), "");
        EXPECT_EQ(empty->EndDate()->text(), "");
        EXPECT_EQ(empty->AllStartDate(), 0);
    }
    fill({{45000, 1}, {45000, 2}});
    auto oneDay = makeForm();
    EXPECT_EQ(oneDay->StartDate()->date(), 45000);
    EXPECT_EQ(oneDay->EndDate()->date(), 45000);
}

TEST_F(MainFormTest, ASecondInstanceWarnsAndEndsWithoutWritingPlacement) {
    TLimitMe first;
    first.Bija = "SpendrakeAum";
    first.LockDirectory = runtimeDir.path();
    ASSERT_FALSE(first.DoIExist());

    auto second = makeForm();
    EXPECT_TRUE(second->instanceRefused());
    ASSERT_EQ(prompt.asked.size(), 1u);
    EXPECT_EQ(prompt.asked[0].kind, Prompt::Kind::Warning);
    EXPECT_EQ(prompt.asked[0].buttons, Prompt::Buttons::Ok);
    EXPECT_EQ(prompt.asked[0].text, "You already have an instance of Spendrake running!");
    EXPECT_FALSE(second->TransDB().active());
    second.reset();
    EXPECT_FALSE(QFile::exists(programFile("Spendrake.ini")));
    EXPECT_TRUE(errors.isEmpty());
}

TEST_F(MainFormTest, TheInstanceMarkerIsFreedWhenItsHolderEnds) {
    auto guard = [this] {
        auto limit = std::make_unique<TLimitMe>();
        limit->Bija = "SpendrakeAum";
        limit->LockDirectory = runtimeDir.path();
        return limit;
    };
    auto first = guard();
    EXPECT_FALSE(first->DoIExist());
    EXPECT_FALSE(first->DoIExist());  // asking again does not count ourselves
    EXPECT_TRUE(guard()->DoIExist());
    first.reset();
    EXPECT_FALSE(guard()->DoIExist());
}

// Each of these leaves the table closed: the engine's text naming the table is shown and the
// window opens without data.
TEST_F(MainFormTest, ATableThatWillNotOpenIsReportedAndTheWindowOpensEmpty) {
    const QString table = programFile("transactions.DAT");
    const std::vector<std::pair<const char *, std::function<void()>>> cases = {
        {"missing", [&] { QFile::remove(table); }},
        {"damaged", [&] { damageTable(); }},
        {"other password", [&] {
             QFile::remove(table);
             TableDatabase::removeAllPasswords();
             TableDatabase::addPassword("11111111");
             TableDatabase database;
             database.setDirectory(programDir.path());
             database.createTable("transactions.DAT");
             TableDatabase::removeAllPasswords();
         }},
    };
    for (const auto &[name, breakIt] : cases) {
        SCOPED_TRACE(name);
        QFile::remove(table);
        SetUp();
        breakIt();
        errors.clear();
        auto form = makeForm();
        ASSERT_EQ(errors.size(), 1);
        EXPECT_TRUE(errors[0].contains(table)) << errors[0].toStdString();
        EXPECT_TRUE(errors[0].endsWith('.'));
        EXPECT_FALSE(form->instanceRefused());
        EXPECT_FALSE(form->TransDB().active());
        EXPECT_TRUE(form->Initializing());  // start-up ended at the failed step
        EXPECT_EQ(form->StartDate()->text(), "");
        EXPECT_FALSE(form->TransDB().controlsDisabled());
        form->show();
        EXPECT_EQ(form->statusPanelText(0), "Version 1.0.0.2");
    }
}

TEST_F(MainFormTest, ATableHeldElsewhereIsReported) {
    TableDatabase other;
    other.setDirectory(programDir.path());
    TransactionTable holder(other);
    holder.open();
    auto form = makeForm();
    ASSERT_EQ(errors.size(), 1);
    EXPECT_TRUE(errors[0].contains(programFile("transactions.DAT")));
    EXPECT_FALSE(form->TransDB().active());
    // Repair cannot mend a table another holds: it says so and leaves the table closed.
    prompt.answers = {Prompt::Answer::Yes};
    form->menuItem("RepairDatabase1")->trigger();
    EXPECT_EQ(errors.size(), 2);
    EXPECT_FALSE(form->TransDB().active());
}

TEST_F(MainFormTest, RepairMendsTheTableForTheNextStart) {
    for (bool missing : {true, false}) {
        SCOPED_TRACE(missing ? "missing" : "damaged");
        QFile::remove(programFile("transactions.DAT"));
        if (!missing) damageTable();
        errors.clear();
        {
            auto form = makeForm();
            ASSERT_EQ(errors.size(), 1);
            prompt.answers = {Prompt::Answer::Yes};
            form->menuItem("RepairDatabase1")->trigger();
            EXPECT_EQ(errors.size(), 1);
            EXPECT_FALSE(form->TransDB().active());
        }
        auto next = makeForm();
        EXPECT_EQ(errors.size(), 1);
        EXPECT_TRUE(next->TransDB().active());
    }
}

TEST_F(MainFormTest, RepairAsksAndOnlyYesProceeds) {
    fill({{45000, 1}});
    auto form = makeForm();
    for (Prompt::Answer answer : {Prompt::Answer::No, Prompt::Answer::Cancel, Prompt::Answer::Closed}) {
        prompt.answers = {answer};
        form->RepairDatabase1Click();
        EXPECT_TRUE(form->TransDB().active());
    }
    prompt.answers = {Prompt::Answer::Yes};
    form->RepairDatabase1Click();
    EXPECT_FALSE(form->TransDB().active());
    ASSERT_EQ(prompt.asked.size(), 4u);
    EXPECT_EQ(prompt.asked[0].kind, Prompt::Kind::Confirmation);
    EXPECT_EQ(prompt.asked[0].buttons, Prompt::Buttons::YesNoCancel);
    EXPECT_EQ(prompt.asked[0].text, "This should only be used if you are receiving a database error when you \n"
                                    "start Spendrake. Continue?");
    EXPECT_TRUE(errors.isEmpty());
    form.reset();
    EXPECT_EQ(rowsInFile(), 1);
}

TEST_F(MainFormTest, EmptyDatabaseAsksThenEmptiesAndCloses) {
    fill({{45000, 1}, {45001, 2}});
    auto form = makeForm();
    form->show();
    prompt.answers = {Prompt::Answer::No};
    form->EmptyDatabase1Click();
    EXPECT_EQ(form->TransDB().recordCount(), 2);
    EXPECT_TRUE(form->isVisible());
    EXPECT_EQ(prompt.asked.size(), 1u);

    for (int round = 0; round < 2; ++round) {  // the second round empties an empty table
        prompt.asked.clear();
        prompt.answers = {Prompt::Answer::Yes};
        form->show();
        form->EmptyDatabase1Click();
        EXPECT_EQ(form->TransDB().recordCount(), 0);
        EXPECT_FALSE(form->isVisible());
        ASSERT_EQ(prompt.asked.size(), 2u);
        EXPECT_EQ(prompt.asked[0].kind, Prompt::Kind::Warning);
        EXPECT_EQ(prompt.asked[0].buttons, Prompt::Buttons::YesNoDefaultNo);  // Enter never empties the table
        EXPECT_EQ(prompt.asked[0].text,
                  "This will delete all of the transactions in the database! Are you sure you want to continue?");
        EXPECT_EQ(prompt.asked[1].kind, Prompt::Kind::Warning);
        EXPECT_EQ(prompt.asked[1].buttons, Prompt::Buttons::Ok);
        EXPECT_EQ(prompt.asked[1].text,
                  "You will need to restart Spendrake before you can start using the new Empty Database.");
    }
    EXPECT_EQ(IniFile::load(programFile("Spendrake.ini")).value("MainForm", "Visible"), "0");
    form.reset();
    EXPECT_EQ(rowsInFile(), 0);
}

TEST_F(MainFormTest, EmptyingADamagedTableShowsTheErrorAndKeepsRunning) {
    damageTable();
    auto form = makeForm();
    form->show();
    errors.clear();
    prompt.answers = {Prompt::Answer::Yes};
    form->menuItem("EmptyDatabase1")->trigger();
    EXPECT_EQ(errors.size(), 1);
    EXPECT_EQ(prompt.asked.size(), 1u);  // no restart notice
    EXPECT_TRUE(form->isVisible());
}

TEST_F(MainFormTest, HelpItemsOpenTheirPages) {
    auto form = makeForm();
    for (const char *item : {"HowtoImportyourTransactions1", "HowtoFilteryourTransactions1", "WebSite1",
                             "ContactOrvaneSoftware1", "SendFeedback1"})
        form->menuItem(item)->trigger();
    EXPECT_EQ(opened, (QStringList{"https://www.spendrake.example/importing-data/",
                                   "https://www.spendrake.example/filtering-data/", "https://www.spendrake.example",
                                   "https://www.spendrake.example/contact-us/",
                                   "https://www.spendrake.example/contact-us/"}));
    EXPECT_EQ(form->menuItem("WebSite1")->text(), "www.spendrake.example");
}

TEST_F(MainFormTest, MenusCarryTheirCaptionsAndShortcuts) {
    auto form = makeForm();
    const std::vector<std::tuple<const char *, const char *, const char *>> items = {
        {"Print1", "Print Report...", ""}, {"Import1", "Import", "Ctrl+I"}, {"Exit1", "E&xit", "Ctrl+X"},
        {"EmptyDatabase1", "&Empty Database", ""}, {"RepairDatabase1", "&Repair Database", ""},
        {"About1", "&About...", "Ctrl+A"}, {"All1", "All", ""}, {"Forthquarter1", "Forth quarter", ""}};
    for (const auto &[name, caption, shortcut] : items) {
        QAction *item = form->menuItem(name);
        ASSERT_TRUE(item) << name;
        EXPECT_EQ(item->text(), caption);
        EXPECT_EQ(item->shortcut().toString(), shortcut);
    }
}

TEST(ErrorBoxTest, AddsAFullStopAfterCharactersAboveIt) {
    const std::vector<std::pair<QString, QString>> cases = {
        {"Table does not exist", "Table does not exist."}, {"Done.", "Done."}, {"Why?", "Why?."},
        {"Sum (1)", "Sum (1)"}, {"Stop!", "Stop!"}, {"a-", "a-"}, {"Path /x/", "Path /x/."}, {"", ""}};
    for (const auto &[text, shown] : cases) EXPECT_EQ(errorBoxText(text), shown) << text.toStdString();
}

TEST(ErrorBoxTest, AnErrorLeavingAHandlerIsShownAndGoesNoFurther) {
    QStringList shown;
    const ErrorBox box = [&](const QString &text) { shown << text; };
    EXPECT_FALSE(runGuarded(box, [] { throw EngineError("Cannot open the table"); }));
    EXPECT_FALSE(runGuarded(box, [] { throw std::runtime_error("out of range"); }));
    EXPECT_FALSE(runGuarded(box, [] { throw 42; }));
    EXPECT_TRUE(runGuarded(box, [] {}));
    EXPECT_EQ(shown, (QStringList{"Cannot open the table.", "out of range.", "An unexpected error occurred."}));
}

namespace {

struct ChosenFile : ImportFileChooser {
    QString file;
    std::optional<QString> chooseImportFile() override { return file; }
};

// The status bar counts the rows that pass and shows an import's receipt until the next
// refresh; Tools > Restore Previous Table is there once an import kept a table, asks with No
// as the default and brings the previous rows back.
TEST_F(MainFormTest, RowCountReceiptAndRestoreOfThePreviousTable) {
    fill({{45000, 1}, {45001, 2}});
    ChosenFile chooser;
    chooser.file = programFile("export.csv");
    QFile file(chooser.file);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("title\n\"1/2/2024\",\"Pay\",\"\",\"1200.50\",\"credit\",\"\",\"Checking\",\"\",\"\"\n"
               "\"bad\",\"Bad\",\"\",\"1\",\"credit\",\"\",\"Checking\",\"\",\"\"\n");
    file.close();
    MainFormServices s = services();
    s.importFileChooser = &chooser;
    TMainForm form(s);
    EXPECT_EQ(form.statusPanelText(1), "2 transactions");
    EXPECT_FALSE(form.menuItem("RestorePreviousTable1")->isEnabled());

    prompt.answers = {Prompt::Answer::Yes};
    form.Open1Click();
    EXPECT_EQ(form.statusPanelText(1), "1 transaction");
    EXPECT_EQ(form.statusPanelText(2), "Read 2 = imported 1 + rejected 1 + blank 0 · "
                                       "Debits $0.00 · Credits $1,200.50 · Net $1,200.50");
    EXPECT_TRUE(form.menuItem("RestorePreviousTable1")->isEnabled());
    form.Button3Click();
    EXPECT_EQ(form.statusPanelText(2), "");

    prompt.answers = {Prompt::Answer::No};
    form.menuItem("RestorePreviousTable1")->trigger();
    EXPECT_EQ(prompt.asked.back().text, "Replace the current transactions with the ones from before the last import?");
    EXPECT_EQ(prompt.asked.back().buttons, Prompt::Buttons::YesNoDefaultNo);
    EXPECT_EQ(form.statusPanelText(1), "1 transaction");
    prompt.answers = {Prompt::Answer::Yes};
    form.menuItem("RestorePreviousTable1")->trigger();
    EXPECT_EQ(form.statusPanelText(1), "2 transactions");
    EXPECT_TRUE(errors.isEmpty()) << errors.join('\n').toStdString();
}

} // namespace
