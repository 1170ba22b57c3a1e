#include "BrowseFixture.h"
#include "TwwFilterDialog.h"
#include "TwwSaveFilter.h"

#include <QDir>
#include <QFile>

namespace {

const QByteArray twoFilters =
    "Coffee shops\r\n"
    "Description\tDescription\t1\tcoffee\t\t\tFalse\tFalse\r\n"
    "Date\tDate\t4\tR\t1/1/2009\t12/31/2009\tFalse\tFalse\r\n"
    "///\r\n"
    "Big checking expenses\r\n"
    "Amount\tAmount\t4\t\t-100000\t-500\tFalse\tFalse\r\n"
    "Labels\tTags\t2\ttravel\t\t\tFalse\tTrue\r\n"
    "Date\tDate\t4\tR\t1/1/2009\t12/31/2009\tFalse\tFalse\r\n"
    "AcctName\tAccount Name\t2\tChecking\t\t\tFalse\tFalse\r\n"
    "///\r\n";

class SavedFilters : public BrowseFixture {
protected:
    void SetUp() override {
        BrowseFixture::SetUp();
        fill({
            {{2009, 3, 1}, "Coffee Shop", -12.5, "Checking"},
            {{2009, 3, 2}, "Rent", -900, "Checking"},
        });
        store.FilePath = QDir(folder.path()).filePath("TransDB.ftr");
    }

    void writeFile(const QByteArray &bytes) {
        QFile file(store.FilePath);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

    QByteArray fileBytes() {
        QFile file(store.FilePath);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    QStringList names() {
        QStringList list;
        store.ListNamedFilters(list);
        return list;
    }

    void storeValue(const QString &name, const QString &text) {
        TwwFieldInfo info;
        info.FieldName = info.DisplayLabel = "Description";
        info.FilterValue = text;
        filter.FieldInfo = {info};
        store.StoreNamedFilter(name);
    }

    TwwFilterDialog filter{table, prompt};
    TwwSaveFilter store{filter, prompt};
};

TEST_F(SavedFilters, TheExampleFileReadsBackAndIsWrittenIdentically) {
    writeFile(twoFilters);
    EXPECT_EQ(names(), (QStringList{"Coffee shops", "Big checking expenses"}));

    ASSERT_TRUE(store.RestoreNamedFilter("Big checking expenses"));
    ASSERT_EQ(filter.FieldInfo.size(), 4);
    const TwwFieldInfo &tags = filter.FieldInfo[1];
    EXPECT_EQ(tags.FieldName, "Labels");
    EXPECT_EQ(tags.DisplayLabel, "Tags");
    EXPECT_EQ(tags.MatchType, fdMatchExact);
    EXPECT_EQ(tags.FilterValue, "travel");
    EXPECT_FALSE(tags.CaseSensitive);
    EXPECT_TRUE(tags.NonMatching);
    EXPECT_EQ(filter.FieldInfo[0].MinValue, "-100000");
    EXPECT_EQ(filter.FieldInfo[0].MaxValue, "-500");
    EXPECT_EQ(visible(), QStringList{"Rent"}) << "the loaded filter is applied";
    const QList<TwwFieldInfo> big = filter.FieldInfo;

    ASSERT_TRUE(store.RestoreNamedFilter("Coffee shops"));
    const QList<TwwFieldInfo> coffee = filter.FieldInfo;
    ASSERT_TRUE(QFile::remove(store.FilePath));
    filter.FieldInfo = coffee;
    ASSERT_TRUE(store.StoreNamedFilter("Coffee shops"));
    filter.FieldInfo = big;
    ASSERT_TRUE(store.StoreNamedFilter("Big checking expenses"));
    EXPECT_EQ(fileBytes(), twoFilters);
    EXPECT_TRUE(prompt.asked.isEmpty());
}

TEST_F(SavedFilters, OverwritingAsksAndMovesTheFilterToTheEnd) {
    storeValue("Coffee shops", "coffee");
    storeValue("Rent", "rent");
    prompt.answers = {Prompt::Answer::No};
    storeValue("Coffee shops", "tea");
    ASSERT_EQ(prompt.asked.size(), 1);
    EXPECT_EQ(prompt.asked[0].first, Prompt::Kind::Warning);
    EXPECT_EQ(prompt.asked[0].second, "\"Coffee shops\" already exists.  Overwrite?");
    EXPECT_EQ(names(), (QStringList{"Coffee shops", "Rent"}));

    prompt.answers = {Prompt::Answer::Yes};
    storeValue("Coffee shops", "tea");
    EXPECT_EQ(names(), (QStringList{"Rent", "Coffee shops"}));
    EXPECT_EQ(fileBytes().count("Coffee shops"), 1);
    ASSERT_TRUE(store.RestoreNamedFilter("Coffee shops"));
    EXPECT_EQ(filter.FieldInfo[0].FilterValue, "tea");
}

TEST_F(SavedFilters, NamesAreExactWholeLines) {
    storeValue("Rent", "upper");
    storeValue("rent", "lower");
    storeValue("Fees & dues", "fees");
    EXPECT_EQ(names(), (QStringList{"Rent", "rent", "Fees & dues"}));
    EXPECT_TRUE(store.NamedFilterExists("rent"));
    EXPECT_FALSE(store.NamedFilterExists("RENT"));
    ASSERT_TRUE(store.RestoreNamedFilter("rent"));
    EXPECT_EQ(filter.FieldInfo[0].FilterValue, "lower");
    ASSERT_TRUE(store.RestoreNamedFilter("Fees & dues"));
    EXPECT_EQ(filter.FieldInfo[0].FilterValue, "fees");
    EXPECT_TRUE(store.RemoveNamedFilter("Fees & dues"));
    EXPECT_TRUE(store.RemoveNamedFilter("Rent"));
    EXPECT_EQ(names(), QStringList{"rent"});
    EXPECT_FALSE(store.RemoveNamedFilter("Rent"));
    EXPECT_FALSE(store.RestoreNamedFilter("Rent"));
    EXPECT_EQ(filter.FieldInfo[0].FilterValue, "fees") << "a missing name leaves the criteria alone";
}

TEST_F(SavedFilters, HandEditedFilesLoseNoFilter) {
    struct DamagedCase {
        const char *name;
        QByteArray file;
        const char *load;
        QStringList names;
        QStringList values;  // FilterValue of each loaded criterion
    };
    const DamagedCase cases[] = {
        {"seven fields", "A\r\nDescription\tDescription\t0\tx\t\t\tFalse\r\n///\r\n", "A", {"A"}, {"x"}},
        {"short line and non-numeric type skipped",
         "A\r\nDescription\tDescription\t0\tx\r\nDescription\tDescription\tone\ty\t\t\tFalse\tFalse\r\n"
         "Description\tDescription\t0\tz\t\t\tFalse\tFalse\r\n///\r\nB\r\n///\r\n",
         "A", {"A", "B"}, {"z"}},
        {"last name without delimiter", "A\r\n///\r\nB\r\nDescription\tDescription\t0\tb\t\t\tFalse\tFalse",
         "B", {"A", "B"}, {"b"}},
        {"line feeds only, blank and stray delimiter lines",
         "\nA\nDescription\tDescription\t1\ta\t\t\tFalse\tFalse\n///\n///\n\nB\n///\n", "A", {"A", "B"}, {"a"}},
        {"not UTF-8", "Caf\xe9\r\nDescription\tDescription\t1\t\xe9t\xe9\t\t\tFalse\tFalse\r\n///\r\n",
         "Caf\u00e9", {"Caf\u00e9"}, {"\u00e9t\u00e9"}},
        {"empty file", "", "A", {}, {}},
    };
    for (const DamagedCase &c : cases) {
        SCOPED_TRACE(c.name);
        writeFile(c.file);
        EXPECT_EQ(names(), c.names);
        filter.ClearCriteria();
        EXPECT_EQ(store.RestoreNamedFilter(c.load), !c.names.isEmpty());
        QStringList values;
        for (const TwwFieldInfo &info : filter.FieldInfo) values << info.FilterValue;
        EXPECT_EQ(values, c.values);
        for (const TwwFieldInfo &info : filter.FieldInfo) EXPECT_FALSE(info.NonMatching);
    }
    EXPECT_TRUE(prompt.asked.isEmpty());
}

TEST_F(SavedFilters, RemovingAFilterWithoutDelimiterKeepsTheOthers) {
    writeFile("A\r\n///\r\nB\r\nDescription\tDescription\t0\tb\t\t\tFalse\tFalse\r\n");
    EXPECT_FALSE(store.RemoveNamedFilter("B")) << "its delimiter was never reached";
    EXPECT_EQ(fileBytes(), "A\r\n///\r\n");
}

TEST_F(SavedFilters, NamesAndValuesThatWouldBreakTheFileAreRefused) {
    for (const QString &name : {QString("///"), QString("a\tb"), QString("a\nb"), QString("a\rb")}) {
        storeValue(name, "x");
        EXPECT_EQ(prompt.texts().last(), "A filter name cannot be /// or contain a tab or a line break.");
    }
    for (const QString &value : {QString("a\tb"), QString("a\r\nb")}) {
        storeValue("Good", value);
        EXPECT_EQ(prompt.texts().last(), "A filter value cannot contain a tab or a line break.");
    }
    EXPECT_EQ(prompt.asked.size(), 6);
    EXPECT_FALSE(QFile::exists(store.FilePath));
    EXPECT_FALSE(store.StoreNamedFilter(""));
    EXPECT_FALSE(QFile::exists(store.FilePath));
}

TEST_F(SavedFilters, AnUnknownFieldIsReportedOnceAndSkipped) {
    writeFile("A\r\nNope\tNope\t0\tx\t\t\tFalse\tFalse\r\nGone\tGone\t0\ty\t\t\tFalse\tFalse\r\n"
              "Description\tDescription\t0\tcoffee\t\t\tFalse\tFalse\r\n///\r\n");
    ASSERT_TRUE(store.RestoreNamedFilter("A"));
    EXPECT_EQ(prompt.texts(), QStringList{"The saved filter refers to a field that does not exist: Nope."});
    EXPECT_EQ(filter.FieldInfo.size(), 3);
    EXPECT_EQ(visible(), QStringList{"Coffee Shop"});
}

TEST_F(SavedFilters, AFileThatCannotBeReadChangesNothing) {
    ASSERT_TRUE(QDir(folder.path()).mkdir("TransDB.ftr"));
    filter.FieldInfo = {TwwFieldInfo::exact("AcctName", "Account Name", "Checking")};
    EXPECT_FALSE(store.RestoreNamedFilter("A"));
    EXPECT_EQ(filter.FieldInfo.size(), 1);
    EXPECT_FALSE(store.StoreNamedFilter("A"));
    QStringList list{"stale"};
    EXPECT_FALSE(store.ListNamedFilters(list));
    EXPECT_TRUE(list.isEmpty());
    ASSERT_EQ(prompt.asked.size(), 3);
    for (const auto &[kind, text] : prompt.asked) {
        EXPECT_EQ(kind, Prompt::Kind::Error);
        EXPECT_TRUE(text.startsWith("Cannot read the saved filters file")) << text.toStdString();
    }
}

TEST_F(SavedFilters, AFailedWriteIsReported) {
    store.FilePath = QDir(folder.path()).filePath("no such folder/TransDB.ftr");
    storeValue("A", "x");
    ASSERT_EQ(prompt.asked.size(), 1);
    EXPECT_EQ(prompt.asked[0].first, Prompt::Kind::Error);
    EXPECT_TRUE(prompt.asked[0].second.startsWith("Cannot write the saved filters file"));
    EXPECT_FALSE(store.StoreNamedFilter("A"));
}

TEST_F(SavedFilters, NoFileMeansNoFilters) {
    QStringList list{"stale"};
    EXPECT_FALSE(store.ListNamedFilters(list));
    EXPECT_TRUE(list.isEmpty());
    EXPECT_FALSE(store.NamedFilterExists("A"));
    EXPECT_FALSE(store.RestoreNamedFilter("A"));
    EXPECT_FALSE(store.RemoveNamedFilter("A"));
    EXPECT_FALSE(QFile::exists(store.FilePath));
    EXPECT_TRUE(prompt.asked.isEmpty());
}

} // namespace
