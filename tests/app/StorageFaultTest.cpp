// Storage that fills up or fails under the program: during an import (in the window program
// and in the companion program, both run in this process), an empty, a save of the saved
// filters and of the window placement. Each time the user reads what went wrong, the data stays
// as it was, and once the disk works again the next operation in the same process succeeds.
#include "CliCommands.h"
#include "CliOptions.h"
#include "DatePicker.h"
#include "EngineError.h"
#include "FaultyDisk.h"
#include "FileSizeLimit.h"
#include "FormPlacement.h"
#include "GeneratedExport.h"
#include "ShellFixture.h"
#include "TwwFilterDialog.h"
#include "TwwSaveFilter.h"

#include <QFile>

namespace {

const QString diskFull = "database or disk is full";
const QString writeFailed = "disk I/O error";

class ChosenFile : public ImportFileChooser {
public:
    std::optional<QString> chooseImportFile() override { return name; }
    QString name;
};

// Ways the table's disk can let an import down, and the text the user must read.
struct DiskFault {
    const char *name;
    std::function<void(FaultyDisk &)> apply;
    QString text;
};

const std::vector<DiskFault> diskFaults = {
    {"full before the import starts", [](FaultyDisk &disk) { disk.fillAfter(0); }, diskFull},
    {"fills up at the commit", [](FaultyDisk &disk) { disk.fillAfter(32 * 1024); }, diskFull},
    {"every write fails", [](FaultyDisk &disk) { disk.failWrites(); }, writeFailed},
};

class StorageFault : public ShellFixture {
protected:
    void SetUp() override {
        ShellFixture::SetUp();
        QFile::copy(SPENDRAKE_TEST_DATA "/cli/export.csv", smallExport());
        // Far more than the room left on the disk.
        writeGeneratedExport(largeExport(), largeRows);
    }

    QString smallExport() const { return programFile("small.csv"); }
    QString largeExport() const { return programFile("large.csv"); }

    std::unique_ptr<TMainForm> windowWithFile() {
        MainFormServices s = services();
        s.importFileChooser = &chooser;
        return std::make_unique<TMainForm>(s);
    }

    void windowImport(TMainForm &form, const QString &file) {
        chooser.name = file;
        prompt.answers = {Prompt::Answer::Yes, Prompt::Answer::No};  // empty the table; keep the file
        form.guarded([&] { form.Open1Click(); });
    }

    static QStringList descriptions(TransactionTable &table) {
        QStringList values;
        for (table.first(); !table.eof(); table.next()) values << table.fieldByName("Description").asString();
        return values;
    }

    // Everything the user was shown since the last call: error boxes and message boxes.
    QString shown() {
        QStringList texts = errors;
        for (const auto &asked : prompt.asked) texts << asked.text;
        errors.clear();
        prompt.asked.clear();
        return texts.join('\n');
    }

    // The companion program's import, as its entry runs it; the error it ends with, if any.
    QString cliImport(const QString &file, int &status) {
        try {
            status = runCliCommand(parseCliOptions({"--locale", "en_US", "--dir", programDir.path(), "import", file}));
            return {};
        } catch (const EngineError &error) {
            status = 1;
            return error.text();
        }
    }

    int tableRows() {
        TableDatabase database;
        database.setDirectory(programDir.path());
        TransactionTable table(database);
        table.open();
        return table.recordCount();
    }

    static QByteArray contentOf(const QString &path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    static constexpr int largeRows = 3000;
    ChosenFile chooser;
    FaultyDisk disk;
};

TEST_F(StorageFault, WindowImportShowsWhatFailedKeepsTheRowsAndImportsOnceTheDiskWorks) {
    auto form = windowWithFile();
    windowImport(*form, smallExport());
    ASSERT_EQ(shown(), "Importing a new file will empty the current tranactions. Continue?\n"
                       "Your import was successful. Would you like to delete your import file?\r\n\r\nFile: " +
                           smallExport());
    const QStringList before = descriptions(form->TransDB());
    ASSERT_EQ(before.size(), 7);

    for (const DiskFault &fault : diskFaults) {
        fault.apply(disk);
        windowImport(*form, largeExport());
        EXPECT_GT(disk.refusedWrites(), 0) << fault.name;
        const QString text = shown();
        EXPECT_TRUE(text.contains(fault.text)) << fault.name << ": " << text.toStdString();
        EXPECT_FALSE(text.contains("transaction is")) << fault.name << ": " << text.toStdString();
        EXPECT_EQ(descriptions(form->TransDB()), before) << fault.name;
        // The old data is shown again.
        EXPECT_EQ(form->StartDate()->text(), "1/2/2024") << fault.name;
        EXPECT_EQ(form->EndDate()->text(), "2/3/2024") << fault.name;
        disk.heal();
    }
    windowImport(*form, largeExport());
    EXPECT_TRUE(errors.isEmpty()) << errors.join('\n').toStdString();
    EXPECT_EQ(form->TransDB().recordCount(), largeRows);
}

TEST_F(StorageFault, CompanionImportShowsWhatFailedKeepsTheRowsAndImportsOnceTheDiskWorks) {
    int status = -1;
    ASSERT_EQ(cliImport(smallExport(), status), "");
    ASSERT_EQ(status, 0);

    for (const DiskFault &fault : diskFaults) {
        fault.apply(disk);
        testing::internal::CaptureStdout();
        const QString error = cliImport(largeExport(), status);
        const QString printed = QString::fromStdString(testing::internal::GetCapturedStdout());
        EXPECT_GT(disk.refusedWrites(), 0) << fault.name;
        EXPECT_EQ(status, 1) << fault.name;
        EXPECT_TRUE((printed + error).contains(fault.text)) << fault.name << ": " << (printed + error).toStdString();
        EXPECT_FALSE(error.contains("transaction is")) << fault.name << ": " << error.toStdString();
        disk.heal();
        EXPECT_EQ(tableRows(), 7) << fault.name;
    }
    testing::internal::CaptureStdout();
    EXPECT_EQ(cliImport(largeExport(), status), "");
    testing::internal::GetCapturedStdout();
    EXPECT_EQ(status, 0);
    EXPECT_EQ(tableRows(), largeRows);
}

TEST_F(StorageFault, EmptyOnABadDiskKeepsTheRowsAndTheWindow) {
    auto form = windowWithFile();
    windowImport(*form, largeExport());
    shown();
    for (const DiskFault &fault : {diskFaults[0], diskFaults[2]}) {
        fault.apply(disk);
        prompt.answers = {Prompt::Answer::Yes};
        form->guarded([&] { form->EmptyDatabase1Click(); });
        const QString text = shown();
        EXPECT_TRUE(text.contains(fault.text)) << fault.name << ": " << text.toStdString();
        EXPECT_FALSE(text.contains("restart")) << fault.name;
        EXPECT_EQ(form->TransDB().recordCount(), largeRows) << fault.name;
        disk.heal();
    }
    prompt.answers = {Prompt::Answer::Yes};
    form->guarded([&] { form->EmptyDatabase1Click(); });
    EXPECT_TRUE(errors.isEmpty()) << errors.join('\n').toStdString();
    form.reset();
    EXPECT_EQ(tableRows(), 0);
}

TEST_F(StorageFault, SavedFilterThatCannotBeWrittenLeavesTheFileAsItWas) {
    auto form = windowWithFile();
    TwwSaveFilter &store = form->wwSaveFilter1();
    TwwFieldInfo coffee;
    coffee.FieldName = coffee.DisplayLabel = "Description";
    coffee.FilterValue = "coffee";
    form->FilterDlg().FieldInfo = {coffee};
    ASSERT_TRUE(store.StoreNamedFilter("Coffee"));
    const QByteArray before = contentOf(store.FilePath);
    shown();
    {
        const FileSizeLimit full(8);
        EXPECT_FALSE(store.StoreNamedFilter("More coffee"));
    }
    EXPECT_TRUE(shown().startsWith("Cannot write the saved filters file " + store.FilePath));
    EXPECT_EQ(contentOf(store.FilePath), before);
    ASSERT_TRUE(store.StoreNamedFilter("More coffee"));
    QStringList names;
    store.ListNamedFilters(names);
    EXPECT_EQ(names, (QStringList{"Coffee", "More coffee"}));
}

TEST_F(StorageFault, PlacementThatCannotBeWrittenIsReportedAndTheOldFileKept) {
    auto form = windowWithFile();
    TFormPlacement &placement = form->FormPlacement1();
    placement.restore();
    form->setGeometry(40, 50, 700, 500);
    ASSERT_TRUE(form->guarded([&] { placement.save(); }));
    const QByteArray before = contentOf(placement.IniFileName);
    form->setGeometry(60, 70, 720, 520);
    {
        const FileSizeLimit full(8);
        EXPECT_FALSE(form->guarded([&] { placement.save(); }));
    }
    EXPECT_EQ(errors.join('\n').toStdString(), ("Unable to write to " + placement.IniFileName + ".").toStdString());
    EXPECT_EQ(contentOf(placement.IniFileName), before);
    errors.clear();
    EXPECT_TRUE(form->guarded([&] { placement.save(); }));
    EXPECT_NE(contentOf(placement.IniFileName), before);
}

} // namespace
