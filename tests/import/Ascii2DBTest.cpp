#include "ImportFixture.h"

#include <QFileInfo>

namespace {

using Engine = ImportFixture;

QByteArray lines(int count, int from = 1) {
    QByteArray text;
    for (int i = from; i < from + count; ++i)
        text += exportLine("1/15/2014", QByteArray("Row ").append(QByteArray::number(i)).constData(), "1.00");
    return text;
}

TEST(Ascii2DBProperties, DefaultsAndStoredAsZero) {
    TAscii2DB engine;
    EXPECT_EQ(engine.AbortCaption(), "&Cancel");
    EXPECT_EQ(engine.ShowCaption(), "Transfer Progress");
    EXPECT_TRUE(engine.AllowComments());
    EXPECT_EQ(engine.Delimiter(), '"');
    EXPECT_EQ(engine.Separator(), ',');
    EXPECT_EQ(engine.EndOfRecord(), '\n');
    EXPECT_EQ(engine.MaxRecordErrors(), 1);
    EXPECT_EQ(engine.MaxFieldSize(), 255);
    EXPECT_EQ(engine.NotifyCount(), 100);
    EXPECT_EQ(engine.Mode(), mCopy);
    EXPECT_EQ(engine.DateFormat(), dfWindows);
    EXPECT_TRUE(engine.WriteEnable());
    EXPECT_FALSE(engine.ShowDlg());

    engine.setEndOfRecord('\0');
    EXPECT_EQ(engine.EndOfRecord(), '\r');
    engine.setRecordLimit(-3), engine.setSkipLines(-1), engine.setMaxRecordErrors(-2), engine.setMaxFieldSize(-9);
    EXPECT_EQ(engine.RecordLimit() + engine.SkipLines() + engine.MaxRecordErrors() + engine.MaxFieldSize(), 0);
    engine.setAsciiFile("  a.csv  ");
    EXPECT_EQ(engine.AsciiFile(), "a.csv");
    EXPECT_EQ(TAscii2DB::ErrorText(25 + 128), "General record error.");
    EXPECT_EQ(TAscii2DB::ErrorText(29), "Unknown error.");
}

TEST_F(Engine, ImportsEveryRecordOfAGoodFile) {
    TAscii2DB engine;
    configure(engine, writeFile(exportTitle + lines(3) + "\n; a comment\n"));
    engine.Transfer();
    EXPECT_EQ(engine.ErrorCode(), 0);
    EXPECT_EQ(column(), (QStringList{"Row 1", "Row 2", "Row 3"}));
    EXPECT_EQ(engine.RecordsRead(), 5);
    EXPECT_EQ(engine.counters().BlankRecords, 2);
    EXPECT_EQ(engine.RecordsAppended(), 3);
    EXPECT_TRUE(transDB.active());
    EXPECT_FALSE(QFileInfo::exists(folder.filePath("error.txt")));
}

TEST_F(Engine, EarlyExitsChangeNothing) {
    fill(1);
    const LocaleFormats formats = transDB.localeFormats();
    TableDatabase unnamed("");
    TransactionTable noDatabaseName(unnamed);
    struct Case {
        int code;
        std::function<void(TAscii2DB &)> setUp;
    };
    const QString good = writeFile(exportTitle + lines(2), "good.csv");
    for (const Case &c : std::vector<Case>{
             {15, [](TAscii2DB &e) { e.setDestination(nullptr); }},
             {16, [&](TAscii2DB &e) { e.setDestination(&noDatabaseName); }},
             {17, [](TAscii2DB &e) { e.setAsciiFile(""); }},
             {2, [&](TAscii2DB &e) { e.setAsciiFile(folder.filePath("missing.csv")); }},
             {7, [&](TAscii2DB &e) { e.setAsciiFile(folder.path()); }},
             {18, [&](TAscii2DB &e) { e.setErrorFile(folder.filePath("no/such/folder/error.txt")); }},
             {18, [&](TAscii2DB &e) { e.setErrorFile(good); }},
         }) {
        TAscii2DB engine;
        configure(engine, good);
        engine.setDecimalSeparat(',');
        engine.setDateSeparat('-');
        c.setUp(engine);
        engine.Transfer();
        EXPECT_EQ(engine.ErrorCode(), c.code);
        EXPECT_EQ(engine.ErrorRecord(), 0);
        EXPECT_FALSE(engine.busy());
        EXPECT_EQ(transDB.localeFormats().decimalSeparator, formats.decimalSeparator);
        EXPECT_EQ(transDB.localeFormats().shortDateFormat, formats.shortDateFormat);
        EXPECT_TRUE(transDB.active());
        EXPECT_EQ(column(), QStringList{"Kept"});
    }
    EXPECT_EQ(readFile(good), exportTitle + lines(2));
}

TEST_F(Engine, FilesWithoutRecordsEndWithCode20) {
    for (const QByteArray &content : {QByteArray(), exportTitle, exportTitle + "\n\n;only a comment\n"}) {
        TAscii2DB engine;
        configure(engine, writeFile(content));
        engine.Transfer();
        EXPECT_EQ(engine.ErrorCode(), 20) << content.constData();
    }
}

TEST_F(Engine, OneBadRecordIsNotedAndPassed) {
    TAscii2DB engine;
    const QByteArray bad = exportLine("13/45/2014", "Bad date", "5.00");
    configure(engine, writeFile(exportTitle + lines(2) + bad + lines(2, 3)));
    engine.Transfer();
    EXPECT_EQ(engine.ErrorCode(), 25);
    EXPECT_TRUE(engine.ranToEnd());
    EXPECT_EQ(engine.ErrorRecord(), 3);
    EXPECT_EQ(engine.ErrorField(), 1);
    EXPECT_EQ(column(), (QStringList{"Row 1", "Row 2", "Row 3", "Row 4"}));
    EXPECT_EQ(readFile(folder.filePath("error.txt")),
              ";line:3 field:1 message: Error converting data.\r\n" + bad.chopped(1) + "\r\n");
}

TEST_F(Engine, SecondBadRecordStopsTheTransfer) {
    TAscii2DB engine;
    const QByteArray eight = "\"1/15/2014\",\"a\",\"b\",\"1\",\"c\",\"d\",\"e\",\"f\"\r\n";
    const QByteArray ten = "\"1/15/2014\",\"a\",\"b\",\"1\",\"c\",\"d\",\"e\",\"f\",\"g\",\"h\"\n";
    configure(engine, writeFile(exportTitle + lines(1) + eight + lines(1, 2) + ten + lines(1, 3)));
    engine.Transfer();
    EXPECT_EQ(engine.ErrorCode(), 25);
    EXPECT_FALSE(engine.ranToEnd());
    EXPECT_EQ(engine.ErrorRecord(), 4);
    EXPECT_EQ(engine.ErrorField(), 11);
    EXPECT_EQ(engine.counters().WrongCountRecords, 2);
    EXPECT_EQ(column(), (QStringList{"Row 1", "Row 2"}));
    EXPECT_EQ(readFile(folder.filePath("error.txt")),
              ";line:2 field:9 message: Wrong number of fields found in ascii record.\r\n" + eight.chopped(2) +
                  "\r\n;line:4 field:11 message: Wrong number of fields found in ascii record.\r\n" + ten.chopped(1) +
                  "\r\n");
}

TEST_F(Engine, TwoBadFieldsCountTwiceButAreWrittenOnce) {
    TAscii2DB engine;
    const QByteArray bad = exportLine("x", "Both bad", "1.2.3");
    configure(engine, writeFile(exportTitle + bad + lines(1)));
    engine.setMaxRecordErrors(2);
    engine.Transfer();
    EXPECT_EQ(engine.counters().RecordErrorsAccepted, 2);
    EXPECT_EQ(engine.counters().ConversionErrorRecords, 1);
    EXPECT_EQ(engine.ErrorField(), 1);
    EXPECT_EQ(column(), QStringList{"Row 1"});
    EXPECT_EQ(readFile(folder.filePath("error.txt")).count("Both bad ORIG"), 1);

    // A new transfer starts with its whole allowance again.
    engine.setMaxRecordErrors(1);
    engine.Transfer();
    EXPECT_FALSE(engine.ranToEnd());
    EXPECT_EQ(column(), QStringList{});
}

TEST_F(Engine, FailingErrorFileStopsAtTheFirstBadRecord) {
    if (!QFileInfo::exists("/dev/full")) GTEST_SKIP() << "no /dev/full here";
    TAscii2DB engine;
    configure(engine, writeFile(exportTitle + exportLine("bad", "Bad", "1") + lines(2)));
    engine.setErrorFile("/dev/full");
    engine.Transfer();
    EXPECT_EQ(engine.ErrorCode(), 25);
    EXPECT_FALSE(engine.ranToEnd());
    EXPECT_EQ(column(), QStringList{});
}

TEST_F(Engine, TooLongFieldStopsWithCode6Or25AfterABadRecord) {
    const QByteArray tooLong = exportLine("1/15/2014", QByteArray(300, 'x').constData(), "1");
    for (bool badBefore : {false, true}) {
        TAscii2DB engine;
        const QByteArray before = badBefore ? exportLine("bad", "Bad", "1") : QByteArray();
        configure(engine, writeFile(exportTitle + lines(1) + before + tooLong + lines(1, 2)));
        engine.Transfer();
        EXPECT_EQ(engine.ErrorCode(), badBefore ? 25 : 6);
        EXPECT_FALSE(engine.ranToEnd());
        EXPECT_EQ(column(), QStringList{"Row 1"});
    }
}

TEST_F(Engine, RecordLimitStopsWithSuccess) {
    TAscii2DB engine;
    configure(engine, writeFile(exportTitle + lines(15)));
    engine.setRecordLimit(10);
    engine.Transfer();
    EXPECT_EQ(engine.ErrorCode(), 0);
    EXPECT_EQ(engine.RecordsParsed(), 10);
    EXPECT_EQ(column().size(), 10);
}

TEST_F(Engine, NamesFirstTakesTheFieldListFromTheFile) {
    TAscii2DB engine;
    configure(engine, writeFile("\n Date , Amount\n1/2/2014,3.50\n2/2/2014,(1.25)\n"));
    engine.setSkipLines(0);
    engine.setFieldList({"Bogus"});
    engine.setNamesFirst(true);
    engine.Transfer();
    EXPECT_EQ(engine.ErrorCode(), 0);
    EXPECT_EQ(engine.FieldList(), (QStringList{"Date", "Amount"}));
    EXPECT_EQ(amounts(), (std::vector<double>{3.5, -1.25}));

    // A names line of thousands of fields is no header: it must not become thousands of streams.
    engine.setAsciiFile(writeFile(QByteArray(5000, ',') + "\n1,2\n"));
    engine.Transfer();
    EXPECT_EQ(engine.ErrorCode(), 8);
}

TEST_F(Engine, UpdateModesFindRowsByTheCurrentIndex) {
    transDB.setIndexName("DescIndex");
    fill(1, "Old");
    const QString file = writeFile("Old,7\nNew,8\n");
    for (TDBcvtMode mode : {mUpdate, mAppendUpdate}) {
        TAscii2DB engine;
        engine.setDestination(&transDB);
        engine.setAsciiFile(file);
        engine.setFieldList({"Description", "Amount"});
        engine.setMode(mode);
        engine.Transfer();
        EXPECT_EQ(engine.ErrorCode(), 0);
        EXPECT_EQ(engine.RecordsUpdated(), 1);
        EXPECT_EQ(engine.RecordsAppended(), mode == mAppendUpdate ? 1 : 0);
    }
    EXPECT_EQ(column(), (QStringList{"New", "Old"}));
    EXPECT_EQ(amounts(), (std::vector<double>{8, 7}));
}

TEST_F(Engine, WithoutWriteEnableOnlyCounts) {
    fill(1);
    transDB.close();
    TAscii2DB engine;
    engine.setAsciiFile(writeFile(lines(4) + "\n"));
    engine.setFieldList({"Anything", "at", "all", "SKIP", "5", "6", "7", "8", "9"});
    engine.setWriteEnable(false);
    engine.Transfer();
    EXPECT_EQ(engine.ErrorCode(), 0);
    EXPECT_EQ(engine.RecordsParsed(), 4);
    EXPECT_EQ(engine.RecordsAppended(), 0);
    EXPECT_FALSE(transDB.active());
    EXPECT_EQ(column(), QStringList{"Kept"});
}

TEST_F(Engine, AbortTakesEffectAtTheBatchBoundary) {
    RecordingProgress progress;
    progress.abortAtRound = 3;  // while records 201 to 300 are read
    TAscii2DB engine;
    configure(engine, writeFile(exportTitle + lines(500)));
    engine.setShowDlg(true);
    engine.setProgress(&progress);
    engine.Transfer();
    EXPECT_EQ(engine.ErrorCode(), 14);
    EXPECT_EQ(engine.ErrorRecord(), 300);
    EXPECT_EQ(column().size(), 300);
    EXPECT_EQ(progress.windowsShown, 1);
    EXPECT_EQ(progress.windowsClosed, 1);
    EXPECT_EQ(progress.caption, "Transfer Progress");
    EXPECT_EQ(progress.abortCaption, "&Cancel");
    EXPECT_EQ(progress.width, 200);
    EXPECT_EQ(progress.height, 40);
    EXPECT_FALSE(progress.percents.empty());
    EXPECT_LE(progress.percents.size(), 110u);
}

TEST_F(Engine, ProgressReachesFullWithoutAButtonWhenNeverNotified) {
    RecordingProgress progress;
    TAscii2DB engine;
    configure(engine, writeFile(exportTitle + lines(50)));
    engine.setShowDlg(true);
    engine.setNotifyCount(0);
    engine.setProgress(&progress);
    engine.Transfer();
    EXPECT_EQ(progress.height, 20);
    EXPECT_FALSE(progress.withButton);
    EXPECT_EQ(progress.eventRounds, 0);
    EXPECT_EQ(progress.percents.back(), 100);
}

TEST_F(Engine, EventsCanChangeRejectAbortAndDiscard) {
    TAscii2DB engine;
    configure(engine, writeFile(exportTitle + lines(6)));
    engine.setOnParse([](TAscii2DB &, std::vector<TFieldStream> &fields, const QByteArray &record, int &count) {
        if (record.contains("Row 2")) count = 0;
        if (record.contains("Row 5")) count = -1;
        fields[1].Text = fields[1].Text.toUpper();
    });
    engine.setOnPrePost([](TAscii2DB &, TransactionTable &table, bool &ok) {
        ok = table.fieldByName("Description").asString() != "ROW 3";
    });
    engine.Transfer();
    EXPECT_EQ(engine.ErrorCode(), 14);
    EXPECT_EQ(engine.counters().RejectedRecords, 1);
    EXPECT_EQ(column(), (QStringList{"ROW 1", "ROW 4"}));
}

TEST_F(Engine, NestedTransferIsANoOp) {
    TAscii2DB engine;
    configure(engine, writeFile(exportTitle + lines(3)));
    engine.setNotifyCount(1);
    int nested = 0;
    engine.setOnNotifyCount([&nested](TAscii2DB &sender) {
        sender.Transfer();
        ++nested;
    });
    engine.Transfer();
    EXPECT_EQ(nested, 3);
    EXPECT_EQ(engine.ErrorCode(), 0);
    EXPECT_EQ(column().size(), 3);
}

TEST_F(Engine, FixedWidthColumns) {
    TAscii2DB engine;
    engine.setDestination(&transDB);
    engine.setAsciiFile(writeFile("20140115Coffee   3.50\r\n20140116Tea      1.25\r\n"));
    engine.setFixedWidth(true);
    engine.setDateFormat(dfBCD);
    engine.setFieldList({"Date,8", "Description,9", "Amount,4"});
    engine.Transfer();
    EXPECT_EQ(engine.ErrorCode(), 0);
    EXPECT_EQ(column(), (QStringList{"Coffee   ", "Tea      "}));
    EXPECT_EQ(amounts(), (std::vector<double>{3.5, 1.25}));

    engine.setFieldList({"Date,8", "Description"});
    engine.Transfer();
    EXPECT_EQ(engine.ErrorCode(), 11);
}

TEST_F(Engine, SkippedFixedWidthColumnsAreNoTableFields) {
    TAscii2DB engine;
    engine.setDestination(&transDB);
    engine.setAsciiFile(writeFile("20140115##Coffee3.50dcgalo\r\n"));
    engine.setFixedWidth(true);
    engine.setDateFormat(dfBCD);
    // All nine fields of the table and one skipped column besides.
    engine.setFieldList({"Date,8", "skip, 2", "Description,6", "Amount,4", "OrigDesc,1", "Type,1", "Category,1",
                         "AcctName,1", "Labels,1", "Notes,1"});
    engine.Transfer();
    EXPECT_EQ(engine.ErrorCode(), 0);
    EXPECT_EQ(column(), QStringList{"Coffee"});
    EXPECT_EQ(amounts(), std::vector<double>{3.5});
}

TEST_F(Engine, ListProblemsEndBeforeAnyRow) {
    fill(1);
    struct Case {
        QStringList list;
        int code;
    };
    for (const Case &c : {Case{{" ", ""}, 3}, Case{{"Date", "Nope"}, 5},
                          Case{{"a", "b", "c", "d", "e", "f", "g", "h", "i", "j"}, 8}}) {
        TAscii2DB engine;
        configure(engine, writeFile(exportTitle + lines(1)));
        engine.setFieldList(c.list);
        engine.Transfer();
        EXPECT_EQ(engine.ErrorCode(), c.code);
        EXPECT_EQ(column(), QStringList{"Kept"});
    }
}

// What a user can feed it by mistake: every case ends with one of the engine's codes.
TEST_F(Engine, MalformedFilesEndWithACode) {
    QByteArray unquoted;
    for (int i = 0; i < 10; ++i) unquoted += "1/15/2014,Row,Row,1.00,debit,Food,Checking,,\n";
    const QString text = QString::fromLatin1(exportTitle + lines(3));
    const QByteArray utf16(reinterpret_cast<const char *>(text.utf16()), text.size() * 2);
    QByteArray binary;
    for (int i = 0; i < 4096; ++i) binary.append(char((i * 7919) % 256));
    struct Case {
        const char *name;
        QByteArray content;
        int code;
        int rows;
    };
    for (const Case &c : {
             Case{"binary", binary, 25, 0},
             Case{"huge line", exportTitle + QByteArray(10 * 1024 * 1024, 'z') + "\n", 6, 0},
             Case{"unterminated quote", exportTitle + lines(1) + "\"1/1/2014\",\"never closed\n" + unquoted, 6, 1},
             Case{"UTF-16 file", utf16, 25, 0},
             Case{"truncated last line", exportTitle + lines(2) + "\"1/3/2014\",\"Cut", 25, 2},
         }) {
        TAscii2DB engine;
        configure(engine, writeFile(c.content));
        engine.Transfer();
        EXPECT_EQ(engine.ErrorCode(), c.code) << c.name;
        EXPECT_EQ(column().size(), c.rows) << c.name;
    }
}

TEST_F(Engine, StoresUtf8AsIsAndOtherBytesAsWindows1252) {
    TAscii2DB engine;
    configure(engine, writeFile(exportTitle + exportLine("1/1/2014", "Caf\xc3\xa9 \xe2\x82\xac", "1") +
                                exportLine("1/2/2014", "Caf\xe9 \x80", "1") +
                                exportLine("1/3/2014", "\xc3\xa9\xc3\xa9\xc3\xa9\xc3\xa9\xc3\xa9\xc3\xa9\xc3\xa9"
                                                       "\xc3\xa9\xc3\xa9\xc3\xa9\xc3\xa9\xc3\xa9\xc3\xa9\xc3\xa9"
                                                       "\xc3\xa9\xc3\xa9\xc3\xa9\xc3\xa9\xc3\xa9\xc3\xa9\xc3\xa9"
                                                       "\xc3\xa9\xc3\xa9\xc3\xa9\xc3\xa9\xc3\xa9\xc3\xa9",
                                           "1")));
    engine.Transfer();
    EXPECT_EQ(engine.ErrorCode(), 0);
    EXPECT_EQ(column(), (QStringList{QString::fromUtf8("Café €"), QString::fromUtf8("Café €"),
                                     QString(25, QChar(0xE9))}));
}

} // namespace
