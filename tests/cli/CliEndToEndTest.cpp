#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// The companion program run as a user runs it, on a small export of seven transactions.
class CliEndToEnd : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(QFile::copy(SPENDRAKE_TEST_DATA "/cli/export.csv", exportFile()));
        ASSERT_EQ(run({"init"}), 0);
    }

    QString exportFile() const { return folder.filePath("export.csv"); }

    int run(QStringList arguments) {
        QProcess process;
        process.start(SPENDRAKE_CLI, QStringList{"--locale", "en_US", "--dir", folder.path()} + arguments);
        process.waitForFinished(60000);
        out = QString::fromUtf8(process.readAllStandardOutput());
        err = QString::fromUtf8(process.readAllStandardError());
        return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    }

    QTemporaryDir folder;
    QString out, err;
};

TEST_F(CliEndToEnd, ImportThenReportAndRows) {
    ASSERT_EQ(run({"import", exportFile()}), 0) << out.toStdString() << err.toStdString();
    EXPECT_EQ(out, "No errors detected.\nLines read: 7\nImported: 7\nRejected: 0\nBlank: 0\n"
                   "Debits: -1327\nCredits: 5015\nNet: 3688\n");
    EXPECT_TRUE(QFile::exists(exportFile()));  // never deleted without asking

    ASSERT_EQ(run({"report", "--subtotal", "--sort", "Category", "--text"}), 0) << err.toStdString();
    const QStringList lines = out.split('\n');
    EXPECT_EQ(lines.mid(0, 5), (QStringList{" All Account(s) 1/2/2024 - 2/3/2024", "Transaction Report",
                                            "All Account(s)", "1/2/2024 - 2/3/2024", ""}));
    for (const char *text : {"Coffee", "Groceries", "Income", "Rent", "-107.50", "5000.00", "3688.00", "($1,200.00)"})
        EXPECT_TRUE(lines.contains(text)) << text;

    ASSERT_EQ(run({"rows", "--account", "Visa", "--from", "1/10/2024", "--csv"}), 0) << err.toStdString();
    EXPECT_EQ(out, "Date,Description,Amount,Type,Category,AcctName,Labels,Notes,OrigDesc\n"
                   "1/15/2024,Corner Grocer,-40.05,debit,Groceries,Visa,,,CORNER GROCER #12\n"
                   "2/3/2024,Refund,15,credit,Groceries,Visa,,,STORE REFUND\n");
}

TEST_F(CliEndToEnd, PdfAndJsonAreWritten) {
    ASSERT_EQ(run({"import", exportFile()}), 0);
    const QString pdf = folder.filePath("report.pdf"), json = folder.filePath("report.json");
    ASSERT_EQ(run({"report", "--account", "Checking", "--pdf", pdf}), 0) << err.toStdString();
    QFile pdfFile(pdf);
    ASSERT_TRUE(pdfFile.open(QIODevice::ReadOnly));
    EXPECT_TRUE(pdfFile.read(5) == "%PDF-");
    ASSERT_EQ(run({"report", "--totals-only", "--json", json}), 0) << err.toStdString();
    QFile jsonFile(json);
    ASSERT_TRUE(jsonFile.open(QIODevice::ReadOnly));
    const QByteArray text = jsonFile.readAll();
    EXPECT_TRUE(text.contains("\"pageCount\": 1"));
    EXPECT_TRUE(text.contains("\"kind\":\"line\""));
    const QJsonDocument parsed = QJsonDocument::fromJson(text);
    EXPECT_EQ(parsed["pages"][0]["pageNo"].toInt(), 1);
}

// 0 when every line was imported, 3 when the table was replaced without some lines, 1 when
// the table was left as it was.
TEST_F(CliEndToEnd, ImportExitStatusTellsWhatHappened) {
    ASSERT_EQ(run({"import", exportFile()}), 0);
    const QByteArray good = "\"1/5/2024\",\"ok\",\"\",\"1\",\"credit\",\"\",\"X\",\"\",\"\"\n";
    const QByteArray bad = "\"13/45/2024\",\"a\",\"\",\"1\",\"credit\",\"\",\"X\",\"\",\"\"\n";
    struct Case {
        const char *name;
        QByteArray content;
        int status;
        int rowsAfter;
        QStringList lines;
    };
    const QString errorFile = QDir(folder.path()).filePath("error.txt");
    for (const Case &c : {
             // The second bad line is beyond the one an import lets pass.
             Case{"two bad lines", "title\n" + bad + bad + good, 1, 7,
                  {"General record error.", "Lines read: 2", "Imported: 0", "Rejected (see " + errorFile + "): 2",
                   "Blank: 0", "Debits: 0", "Credits: 0", "Net: 0", "The table was left as it was."}},
             Case{"one bad line", "title\n" + good + bad + good, 3, 2,
                  {"General record error.", "Lines read: 3", "Imported: 2", "Rejected (see " + errorFile + "): 1",
                   "Blank: 0", "Debits: 0", "Credits: 2", "Net: 2"}},
             Case{"title only", "title\n", 1, 2,
                  {"No records found in ascii file", "Lines read: 0", "Imported: 0", "Rejected: 0", "Blank: 0",
                   "Debits: 0", "Credits: 0", "Net: 0", "The table was left as it was."}},
         }) {
        QFile file(folder.filePath("next.csv"));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(c.content);
        file.close();
        EXPECT_EQ(run({"import", file.fileName()}), c.status) << c.name << err.toStdString();
        EXPECT_EQ(out.trimmed().split('\n'), c.lines) << c.name << out.toStdString();
        ASSERT_EQ(run({"rows", "--csv"}), 0);
        EXPECT_EQ(out.count('\n'), 1 + c.rowsAfter) << c.name;
    }
    EXPECT_EQ(run({"import", folder.filePath("no-such.csv")}), 1) << "a missing file changes nothing";
    EXPECT_TRUE(err.contains("no such file")) << err.toStdString();
}

// Every committed import keeps the table it replaced; a restore swaps the two, so a second
// restore takes the first back. Without a usable kept table nothing changes.
TEST_F(CliEndToEnd, RestorePreviousSwapsWithTheTableBeforeTheLastImport) {
    const auto rowCount = [this] {
        EXPECT_EQ(run({"rows", "--csv"}), 0);
        return out.count('\n') - 1;
    };
    EXPECT_EQ(run({"restore-previous"}), 1);  // no import yet
    EXPECT_TRUE(err.contains("Table does not exist.")) << err.toStdString();
    ASSERT_EQ(run({"import", exportFile()}), 0);
    EXPECT_EQ(run({"restore-previous"}), 0) << err.toStdString();
    EXPECT_EQ(rowCount(), 0);  // the empty table before the first import
    EXPECT_EQ(run({"restore-previous"}), 0);
    EXPECT_EQ(rowCount(), 7);

    QFile one(folder.filePath("one.csv"));
    ASSERT_TRUE(one.open(QIODevice::WriteOnly));
    one.write("title\n\"1/5/2024\",\"ok\",\"\",\"1\",\"credit\",\"\",\"X\",\"\",\"\"\n");
    one.close();
    ASSERT_EQ(run({"import", one.fileName()}), 0);
    ASSERT_EQ(run({"import", exportFile() + ".missing"}), 1);  // a refused import keeps the kept table
    EXPECT_EQ(run({"restore-previous"}), 0);
    EXPECT_EQ(rowCount(), 7);

    QFile kept(folder.filePath("transactions.previous.DAT"));
    ASSERT_TRUE(kept.open(QIODevice::ReadWrite));
    kept.write("damaged");
    kept.close();
    EXPECT_EQ(run({"restore-previous"}), 1);
    EXPECT_EQ(rowCount(), 7);
}

TEST_F(CliEndToEnd, BadCriteriaEndWithStatusTwo) {
    const QStringList bad[] = {{"rows", "--csv", "--from", "13/45/2024"},
                               {"rows", "--csv", "--sort", "Colour"},
                               {"rows", "--csv", "--preset", "Next century"},
                               {"rows", "--csv", "--filter", "Missing"},
                               {"--locale", "xx_NOWHERE", "rows", "--csv"}};
    for (const QStringList &arguments : bad) {
        EXPECT_EQ(run(arguments), 2) << arguments.join(' ').toStdString();
        EXPECT_EQ(err.count('\n'), 1) << err.toStdString();
    }
}

} // namespace
