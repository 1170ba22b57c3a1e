// A disk that fills up during an import, in the window program and in the companion program
// run in this same process: the user reads SQLite's own disk-full text, the table keeps what
// it held, and once there is room again the next import in the same process works.
#include "CliCommands.h"
#include "CliOptions.h"
#include "DatePicker.h"
#include "EngineError.h"
#include "FaultyDisk.h"
#include "ShellFixture.h"

#include <QFile>

namespace {

const QString diskFull = "database or disk is full";

class ChosenFile : public ImportFileChooser {
public:
    std::optional<QString> chooseImportFile() override { return name; }
    QString name;
};

class FullDiskImport : public ShellFixture {
protected:
    void SetUp() override {
        ShellFixture::SetUp();
        QFile::copy(SPENDRAKE_TEST_DATA "/cli/export.csv", smallExport());
        writeLargeExport();
    }

    QString smallExport() const { return programFile("small.csv"); }
    QString largeExport() const { return programFile("large.csv"); }

    // Far more than the room left on the disk.
    void writeLargeExport() {
        QFile file(largeExport());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("\"Date\",\"Description\",\"Original Description\",\"Amount\",\"Transaction Type\",\"Category\","
                   "\"Account Name\",\"Labels\",\"Notes\"\n");
        for (int i = 0; i < largeRows; ++i)
            file.write(QString("\"3/%1/2025\",\"Row %2\",\"ROW %2 AT SOME SHOP WITH A LONG TEXT\",\"%3.25\",\"debit\","
                               "\"Shopping\",\"Visa\",\"\",\"\"\n")
                           .arg(i % 28 + 1)
                           .arg(i)
                           .arg(i % 500)
                           .toUtf8());
    }

    static QStringList descriptions(TransactionTable &table) {
        QStringList values;
        for (table.first(); !table.eof(); table.next()) values << table.fieldByName("Description").asString();
        return values;
    }

    QStringList everythingShown() const {
        QStringList texts = errors;
        for (const auto &asked : prompt.asked) texts << asked.text;
        return texts;
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

    static constexpr int largeRows = 3000;
    static constexpr qint64 room = 32 * 1024;
    ChosenFile chooser;
    FaultyDisk disk;
};

TEST_F(FullDiskImport, WindowProgramShowsTheDiskFullTextAndImportsAgainLater) {
    MainFormServices s = services();
    s.importFileChooser = &chooser;
    TMainForm form(s);
    const auto import = [&](const QString &file) {
        chooser.name = file;
        prompt.answers = {Prompt::Answer::Yes, Prompt::Answer::No};  // empty the table; keep the file
        form.guarded([&] { form.Open1Click(); });
    };
    import(smallExport());
    ASSERT_TRUE(errors.isEmpty()) << errors.join('\n').toStdString();
    const QStringList before = descriptions(form.TransDB());
    ASSERT_EQ(before.size(), 7);

    disk.fillAfter(room);
    import(largeExport());
    EXPECT_GT(disk.refusedWrites(), 0);
    EXPECT_TRUE(everythingShown().join('\n').contains(diskFull)) << everythingShown().join('\n').toStdString();
    EXPECT_FALSE(everythingShown().join('\n').contains("transaction is")) << everythingShown().join('\n').toStdString();
    EXPECT_EQ(descriptions(form.TransDB()), before);
    // The old data shown again.
    EXPECT_EQ(form.StartDate()->text(), "1/2/2024");
    EXPECT_EQ(form.EndDate()->text(), "2/3/2024");

    disk.heal();
    errors.clear();
    import(largeExport());
    EXPECT_TRUE(errors.isEmpty()) << errors.join('\n').toStdString();
    EXPECT_EQ(form.TransDB().recordCount(), largeRows);
}

TEST_F(FullDiskImport, CompanionProgramShowsTheDiskFullTextAndImportsAgainLater) {
    int status = -1;
    ASSERT_EQ(cliImport(smallExport(), status), "");
    ASSERT_EQ(status, 0);

    disk.fillAfter(room);
    testing::internal::CaptureStdout();
    const QString error = cliImport(largeExport(), status);
    const QString printed = QString::fromStdString(testing::internal::GetCapturedStdout());
    EXPECT_GT(disk.refusedWrites(), 0);
    EXPECT_EQ(status, 1);
    EXPECT_TRUE((printed + error).contains(diskFull)) << (printed + error).toStdString();
    EXPECT_FALSE(error.contains("transaction is")) << error.toStdString();
    EXPECT_EQ(tableRows(), 7);

    disk.heal();
    ASSERT_EQ(cliImport(largeExport(), status), "");
    EXPECT_EQ(status, 0);
    EXPECT_EQ(tableRows(), largeRows);
}

} // namespace
