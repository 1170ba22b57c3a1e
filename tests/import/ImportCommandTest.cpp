#include "ImportCommand.h"
#include "ImportFileChooser.h"
#include "ImportFixture.h"
#include "Prompt.h"
#include "Sqlite.h"

#include <QDir>
#include <QFileInfo>
#include <cmath>

namespace {

struct ScriptedPrompt : Prompt {
    std::vector<Answer> answers;  // given in order; Yes when they run out
    std::vector<std::pair<Kind, QString>> asked;
    Answer ask(Kind kind, const QString &text, Buttons) override {
        asked.emplace_back(kind, text);
        if (answers.empty()) return Answer::Yes;
        const Answer answer = answers.front();
        answers.erase(answers.begin());
        return answer;
    }
    QStringList texts() const {
        QStringList list;
        for (const auto &entry : asked) list << entry.second;
        return list;
    }
};

struct FixedChooser : ImportFileChooser {
    std::optional<QString> file;
    std::optional<QString> chooseImportFile() override { return file; }
};

const QString warning = "Importing a new file will empty the current tranactions. Continue?";

class Command : public ImportFixture {
protected:
    // Every row as the table object shows it, the sign of a zero amount included.
    static QStringList rowsOf(TransactionTable &table) {
        QStringList rows;
        for (table.first(); !table.eof(); table.next()) {
            QStringList fields;
            for (int f = 0; f < table.fieldCount(); ++f) fields << table.field(f).asString();
            fields << (std::signbit(table.fieldByName("Amount").asFloat()) ? "-" : "+");
            rows << fields.join('|');
        }
        return rows;
    }

    // The indexes in the table file, read once no table object holds it.
    QStringList fileIndexes() {
        transDB.close();
        SqliteConnection connection(database.tablePath("transactions.DAT"), false);
        SqliteStatement query(connection, "SELECT name FROM sqlite_master WHERE type = 'index' AND name NOT LIKE "
                                          "'sqlite_%' ORDER BY name");
        QStringList names;
        while (query.step()) names << query.columnText(0);
        return names;
    }

    static QStringList allIndexes() {
        QStringList names;
        for (const IndexSchema &index : TransactionSchema::indexes) names << index.name;
        names.sort();
        return names;
    }

    ImportOutcome runImport(const QByteArray &content) {
        chooser.file = writeFile(content);
        return command.Open1Click();
    }

    QString deleteQuestion() const {
        return "Your import was successful. Would you like to delete your import file?\r\n\r\nFile: " +
               QFileInfo(*chooser.file).absoluteFilePath();
    }

    ScriptedPrompt prompt;
    FixedChooser chooser;
    TAscii2DB ascii2DB;
    int loads = 0, refreshes = 0;
    std::vector<int> rowsSeenByLoad;
    ImportCommand command{transDB, ascii2DB, prompt, chooser,
                          {[this] {
                               ++loads;
                               transDB.open();
                               rowsSeenByLoad.push_back(transDB.recordCount());
                           },
                           [this] { ++refreshes; }}};
};

TEST_F(Command, NoAtTheWarningOrNoFileChangesNothing) {
    fill(2);
    prompt.answers = {Prompt::Answer::No};
    chooser.file = writeFile(exportTitle + exportLine("1/1/2014", "New", "1"));
    EXPECT_EQ(command.Open1Click().status, ImportOutcome::Status::Cancelled);
    prompt.answers = {Prompt::Answer::Closed};
    EXPECT_EQ(command.Open1Click().status, ImportOutcome::Status::Cancelled);
    chooser.file.reset();
    EXPECT_EQ(command.Open1Click().status, ImportOutcome::Status::Cancelled);
    EXPECT_EQ(prompt.texts(), (QStringList{warning, warning, warning}));
    EXPECT_EQ(column(), (QStringList{"Kept", "Kept"}));
    EXPECT_EQ(loads, 0);
}

TEST_F(Command, ImportNegatesDebitsAndSums) {
    fill(1);
    prompt.answers = {Prompt::Answer::Yes, Prompt::Answer::No};
    const ImportOutcome outcome =
        runImport(exportTitle + exportLine("1/10/2014", "Pay", "100.00") + exportLine("1/12/2014", "Shop", "30.00", "debit") +
                  exportLine("2/1/2014", "Capital", "5.00", "Debit") + exportLine("1/11/2014", "Empty", "", "debit"));
    EXPECT_EQ(outcome.status, ImportOutcome::Status::Imported);
    EXPECT_EQ(outcome.message, "No errors detected.");
    EXPECT_EQ(outcome.counters.RecordsAppended, 4);
    EXPECT_EQ(column(), (QStringList{"Pay", "Empty", "Shop", "Capital"}));
    EXPECT_EQ(amounts(), (std::vector<double>{100, 0, -30, 5}));
    transDB.first();
    transDB.next();
    EXPECT_FALSE(transDB.fieldByName("Amount").isNull());
    EXPECT_DOUBLE_EQ(command.ImportTotal(), 75);
    EXPECT_EQ(outcome.firstDate, DayNumber::fromDate(QDate(2014, 1, 10)));
    EXPECT_EQ(outcome.lastDate, DayNumber::fromDate(QDate(2014, 2, 1)));
    EXPECT_EQ(prompt.texts(), (QStringList{warning, deleteQuestion()}));
    EXPECT_EQ(rowsSeenByLoad, (std::vector<int>{0, 4}));
    EXPECT_EQ(refreshes, 1);
    EXPECT_FALSE(outcome.fileDeleted);
    EXPECT_TRUE(QFileInfo::exists(*chooser.file));
}

TEST_F(Command, TotalOfACreditAndADebitAndTheFileDeleted) {
    const ImportOutcome outcome = runImport(exportTitle + exportLine("1/10/2014", "In", "100.00") +
                                            exportLine("1/11/2014", "Out", "30.00", "debit"));
    EXPECT_DOUBLE_EQ(outcome.importTotal, 70);
    EXPECT_TRUE(outcome.fileDeleted);
    EXPECT_FALSE(QFileInfo::exists(*chooser.file));
}

// Negated amounts move their rows in amount order; each debit must still change once.
TEST_F(Command, DebitPassUnderAmountOrderTouchesEachRowOnce) {
    transDB.setIndexName("AmountIndex");
    QByteArray content = exportTitle;
    for (int i = 1; i <= 40; ++i)
        content += exportLine("3/1/2014", "Row", QByteArray::number(i).append(".00").constData(), i % 2 ? "debit" : "credit");
    prompt.answers = {Prompt::Answer::Yes, Prompt::Answer::No};
    const ImportOutcome outcome = runImport(content);
    EXPECT_EQ(outcome.status, ImportOutcome::Status::Imported);
    EXPECT_EQ(transDB.indexName(), "AmountIndex");
    std::vector<double> expected;
    for (int i = 39; i >= 1; i -= 2) expected.push_back(-i);
    for (int i = 2; i <= 40; i += 2) expected.push_back(i);
    EXPECT_EQ(amounts(), expected);
    EXPECT_DOUBLE_EQ(command.ImportTotal(), 20);
}

// The rows shown after the import are the file's rows: read back by another table object
// they are the same, zero debits +0 as ever; the file has all its indexes again.
TEST_F(Command, CommittedFileHoldsTheRowsShownAndItsIndexes) {
    fill(3);
    prompt.answers = {Prompt::Answer::Yes, Prompt::Answer::No};
    const ImportOutcome outcome = runImport(
        exportTitle + exportLine("1/10/2014", "Pay", "100.00") + exportLine("1/11/2014", "Zero", "0.00", "debit") +
        exportLine("1/12/2014", "Minus zero", "-0", "debit") + exportLine("1/13/2014", "Caf\xc3\xa9 \x80", "12.34", "debit") +
        exportLine("", "No date", "", "credit") + exportLine("1/14/2014", "Empty debit", "", "debit"));
    ASSERT_EQ(outcome.status, ImportOutcome::Status::Imported);
    const QStringList shown = rowsOf(transDB);
    ASSERT_EQ(shown.size(), 6);
    for (const QString &row : shown)
        if (row.contains("zero") || row.contains("Zero") || row.contains("Empty debit")) EXPECT_TRUE(row.endsWith("|+")) << row.toStdString();
    EXPECT_EQ(fileIndexes(), allIndexes());
    TableDatabase other;
    other.setDirectory(folder.path());
    TransactionTable reopened(other);
    reopened.open();
    EXPECT_EQ(rowsOf(reopened), shown);
}

TEST_F(Command, FailedImportKeepsTheIndexes) {
    fill(2);
    const QByteArray bad = exportLine("1/1/2014", QByteArray(300, 'x').constData(), "1");
    EXPECT_EQ(runImport(exportTitle + exportLine("1/1/2014", "A", "1") + bad).status, ImportOutcome::Status::RolledBack);
    EXPECT_EQ(column(), (QStringList{"Kept", "Kept"}));
    EXPECT_EQ(fileIndexes(), allIndexes());
}

TEST_F(Command, FailedImportsLeaveThePreviousRows) {
    const QByteArray tooLong = exportLine("1/1/2014", QByteArray(300, 'x').constData(), "1");
    const QByteArray bad = exportLine("nodate", "Bad", "1");
    QByteArray many = exportTitle;
    for (int i = 0; i < 250; ++i) many += exportLine("1/1/2014", "Row", "1");
    struct Case {
        const char *name;
        QByteArray content;
        QString message;
        int abortAtRound = 0;
    };
    for (const Case &c : {
             Case{"too long field", exportTitle + exportLine("1/1/2014", "A", "1") + tooLong, "Field contains too many characters."},
             Case{"second bad record", exportTitle + bad + bad + exportLine("1/1/2014", "A", "1"), "General record error."},
             Case{"title only", exportTitle, "No records found in ascii file"},
             Case{"aborted", many, "Aborted by user.", 1},
         }) {
        fill(1, "Before");
        const double totalBefore = command.ImportTotal();
        RecordingProgress progress;
        progress.abortAtRound = c.abortAtRound;
        ascii2DB.setProgress(&progress);
        prompt.asked.clear();
        const ImportOutcome outcome = runImport(c.content);
        EXPECT_EQ(outcome.status, ImportOutcome::Status::RolledBack) << c.name;
        EXPECT_EQ(prompt.texts(), (QStringList{warning, c.message})) << c.name;
        EXPECT_EQ(prompt.asked.back().first, Prompt::Kind::Plain) << c.name;
        EXPECT_EQ(column(), QStringList{"Before"}) << c.name;
        EXPECT_EQ(rowsSeenByLoad.back(), 1) << c.name;
        EXPECT_EQ(command.ImportTotal(), totalBefore) << c.name;
        transDB.open();
        transDB.emptyTable();
    }
}

TEST_F(Command, BadRecordLetPassCommitsWithDebitsNegated) {
    fill(1, "Before");
    const ImportOutcome outcome = runImport(exportTitle + exportLine("1/1/2014", "A", "12.50", "debit") +
                                            exportLine("1/45/2014", "Bad", "1") + exportLine("1/2/2014", "B", "3"));
    EXPECT_EQ(outcome.status, ImportOutcome::Status::Imported);
    EXPECT_EQ(outcome.errorCode, 25);
    EXPECT_EQ(prompt.texts(), (QStringList{warning, "General record error."}));
    EXPECT_EQ(column(), (QStringList{"A", "B"}));
    EXPECT_EQ(amounts(), (std::vector<double>{-12.5, 3}));
    EXPECT_DOUBLE_EQ(outcome.importTotal, -9.5);
    const QString errorFile = QFileInfo(*chooser.file).absoluteDir().filePath("error.txt");
    EXPECT_TRUE(readFile(errorFile).startsWith(";line:2 field:1 message: Error converting data.\r\n\"1/45/2014\""));
}

TEST_F(Command, ReceiptSumsDebitsAndCreditsOfACleanFile) {
    prompt.answers = {Prompt::Answer::Yes, Prompt::Answer::No};
    const ImportOutcome outcome =
        runImport(exportTitle + exportLine("1/10/2014", "Pay", "100.00") + "\n" + exportLine("1/12/2014", "Shop", "30.25", "debit") +
                  ";a comment\n" + exportLine("1/13/2014", "Fee", "0.10", "debit") + exportLine("1/14/2014", "Back", "-5", "credit"));
    const ImportReceipt &r = outcome.receipt;
    EXPECT_EQ((std::vector<int>{r.linesRead, r.imported, r.rejected, r.blank}), (std::vector<int>{6, 4, 0, 2}));
    EXPECT_DOUBLE_EQ(r.debits, -30.35);
    EXPECT_DOUBLE_EQ(r.credits, 95);
    EXPECT_EQ(r.net, command.ImportTotal());
    EXPECT_DOUBLE_EQ(r.net, 64.65);
    EXPECT_TRUE(r.errorFile.isEmpty());
    const auto money = [](double value) { return QString::number(value, 'f', 2); };
    QStringList shown;
    for (const ReceiptLine &line : receiptLines(r, money, "error.txt")) shown << line.label + ": " + line.value;
    EXPECT_EQ(shown, (QStringList{"Lines read: 6", "Imported: 4", "Rejected: 0", "Blank: 2", "Debits: -30.35",
                                  "Credits: 95.00", "Net: 64.65"}));
}

// Every line read is imported, rejected or blank, whichever way the import ends; when the
// table is left as it was nothing counts as imported.
TEST_F(Command, ReceiptAccountsForEveryLineInEveryOutcome) {
    const QByteArray good = exportLine("1/1/2014", "A", "2.00", "debit");
    const QByteArray bad = exportLine("nodate", "Bad", "1");
    const QByteArray tooLong = exportLine("1/1/2014", QByteArray(300, 'x').constData(), "1");
    QByteArray many = exportTitle;
    for (int i = 0; i < 250; ++i) many += good;
    QDir(folder.path()).mkdir("folder.csv");
    struct Case {
        const char *name;
        QByteArray content;
        int code;
        ImportOutcome::Status status;
        int read, imported, rejected, blank;
        bool errorFile = false;
        int abortAtRound = 0;
        QString file = {};
    };
    using S = ImportOutcome::Status;
    for (const Case &c : {
             Case{"clean", exportTitle + good + "\n" + good, 0, S::Imported, 3, 2, 0, 1},
             Case{"one bad line kept", exportTitle + good + bad + good, 25, S::Imported, 3, 2, 1, 0, true},
             Case{"second bad line", exportTitle + good + bad + "\n" + bad + good, 25, S::RolledBack, 4, 0, 3, 1, true},
             Case{"too long field", exportTitle + good + tooLong + good, 6, S::RolledBack, 2, 0, 2, 0},
             Case{"bad line then too long", exportTitle + bad + tooLong, 25, S::RolledBack, 2, 0, 2, 0, true},
             Case{"aborted", many, 14, S::RolledBack, 100, 0, 100, 0, false, 1},
             Case{"title only", exportTitle, 20, S::RolledBack, 0, 0, 0, 0},
             Case{"blank lines only", exportTitle + "\n;note\n", 20, S::RolledBack, 2, 0, 0, 2},
             Case{"not a file", {}, 7, S::RolledBack, 0, 0, 0, 0, false, 0, "folder.csv"},
         }) {
        fill(1, "Before");
        RecordingProgress progress;
        progress.abortAtRound = c.abortAtRound;
        ascii2DB.setProgress(&progress);
        prompt.answers = {Prompt::Answer::Yes, Prompt::Answer::No};
        chooser.file = c.file.isEmpty() ? writeFile(c.content) : folder.filePath(c.file);
        const ImportOutcome outcome = command.Open1Click();
        const ImportReceipt &r = outcome.receipt;
        EXPECT_EQ(outcome.errorCode, c.code) << c.name;
        EXPECT_EQ(outcome.status, c.status) << c.name;
        EXPECT_EQ((std::vector<int>{r.linesRead, r.imported, r.rejected, r.blank}),
                  (std::vector<int>{c.read, c.imported, c.rejected, c.blank})) << c.name;
        EXPECT_EQ(r.linesRead, r.imported + r.rejected + r.blank) << c.name;
        EXPECT_EQ(r.errorFile.isEmpty(), !c.errorFile) << c.name;
        if (c.errorFile) {
            EXPECT_TRUE(QFileInfo::exists(r.errorFile)) << c.name;
        }
        EXPECT_DOUBLE_EQ(r.debits, c.status == S::Imported ? -2.0 * c.imported : 0) << c.name;
        EXPECT_EQ(r.net, r.debits + r.credits) << c.name;
        transDB.open();
        transDB.emptyTable();
    }
}

TEST_F(Command, CancelledImportHasAnEmptyReceipt) {
    prompt.answers = {Prompt::Answer::No};
    chooser.file = writeFile(exportTitle + exportLine("1/1/2014", "New", "1"));
    const ImportReceipt r = command.Open1Click().receipt;
    EXPECT_EQ((std::vector<int>{r.linesRead, r.imported, r.rejected, r.blank}), (std::vector<int>{0, 0, 0, 0}));
    EXPECT_EQ(r.net, 0);
}

TEST_F(Command, SecondImportReplacesTheFirst) {
    prompt.answers = {Prompt::Answer::Yes, Prompt::Answer::No, Prompt::Answer::Yes, Prompt::Answer::No};
    runImport(exportTitle + exportLine("1/1/2014", "First", "1") + exportLine("1/2/2014", "First", "2"));
    runImport(exportTitle + exportLine("2/1/2014", "Second", "9", "debit"));
    EXPECT_EQ(column(), QStringList{"Second"});
    EXPECT_DOUBLE_EQ(command.ImportTotal(), -9);
}

TEST_F(Command, DayMonthYearSystemReadsDatesThatWay) {
    LocaleFormats formats;
    formats.shortDateFormat = "dd/MM/yyyy";
    transDB.setLocaleFormats(formats);
    const ImportOutcome outcome = runImport(exportTitle + exportLine("1/5/2014", "May", "1") + exportLine("1/15/2014", "Bad", "1"));
    EXPECT_EQ(outcome.errorCode, 25);
    EXPECT_EQ(outcome.firstDate, DayNumber::fromDate(QDate(2014, 5, 1)));
}

} // namespace

namespace {

TEST_F(Command, ShippedSampleImportsCleanly) {
    const QString sample = QString(SPENDRAKE_TEST_DATA) + "/../../resources/samples/sample-transactions.csv";
    prompt.answers = {Prompt::Answer::Yes, Prompt::Answer::No};
    chooser.file = sample;
    const ImportOutcome outcome = command.Open1Click();
    EXPECT_EQ(outcome.errorCode, 0);
    EXPECT_EQ(outcome.counters.RecordsAppended, 342);
    EXPECT_EQ(outcome.firstDate, DayNumber::fromDate(QDate(2024, 1, 1)));
    EXPECT_TRUE(column().contains("Pizza \"Napoli\""));
    EXPECT_TRUE(QFileInfo::exists(sample));
}

} // namespace
