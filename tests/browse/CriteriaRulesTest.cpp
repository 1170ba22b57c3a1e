// The account list, the sort selector's entries and the grid's title and colour rules.
#include "AccountList.h"
#include "BrowseFixture.h"
#include "GridRules.h"
#include "LocaleFormats.h"
#include "TwwKeyCombo.h"

class CriteriaRulesTest : public BrowseFixture {};

TEST_F(CriteriaRulesTest, AccountListFollowsTheCurrentOrderAndIgnoresCase) {
    EXPECT_EQ(accountListEntries(table), QStringList{AllAccounts}) << "an empty table";
    fill({{QDate(2024, 1, 3), "a", 1, "Savings"},
          {QDate(2024, 1, 1), "b", 1, "Checking"},
          {QDate(2024, 1, 2), "c", 1, "checking"},
          {QDate(2024, 1, 4), "d", 1, ""},
          {QDate(2024, 1, 5), "e", 1, ""}});
    EXPECT_EQ(accountListEntries(table), QStringList({AllAccounts, "Checking", "Savings", ""}));
    EXPECT_TRUE(table.eof()) << "the walk ends past the last row";
    table.setIndexName("AcctIndex");  // null first, then character order: Checking before checking
    EXPECT_EQ(accountListEntries(table), QStringList({AllAccounts, "", "Checking", "Savings"}));
}

TEST_F(CriteriaRulesTest, SelectorEntriesComeFromTheIndexesAndTheirFieldLabels) {
    TwwKeyCombo selector(table);
    selector.rebuild();
    EXPECT_EQ(selector.entries(),
              QStringList({"Date", "Description", "Amount", "Type", "Category", "Account Name", "Tags"}));
    EXPECT_EQ(selector.currentEntry(), 0);

    table.fieldByName("Category").setDisplayLabel("Spending~Kind");
    table.fieldByName("Labels").setVisible(false);
    selector.rebuild();
    EXPECT_EQ(selector.entries(), QStringList({"Date", "Description", "Amount", "Type", "Spending Kind", "Account Name"}))
        << "a hidden field's index has no entry; ~ reads as a blank";

    EXPECT_TRUE(selector.apply("Account Name"));
    EXPECT_EQ(table.indexName(), "AcctIndex");
    EXPECT_TRUE(table.active()) << "applying an entry keeps the table open";
    EXPECT_EQ(selector.currentEntry(), 5);
    EXPECT_FALSE(selector.apply("Tags"));
    EXPECT_EQ(table.indexName(), "AcctIndex");

    table.close();
    EXPECT_FALSE(selector.apply("Amount")) << "a closed table ignores the choice";
    EXPECT_EQ(table.indexName(), "AcctIndex");
}

TEST_F(CriteriaRulesTest, TitleClicksChooseTheIndexOfTheirField) {
    const QList<IndexDefinition> indexes = table.indexDefs();
    const std::pair<const char *, const char *> cases[] = {
        {"Date", "DateIndex"}, {"Description", "DescIndex"}, {"Amount", "AmountIndex"}, {"Type", "TypeIndex"},
        {"Category", "CatIndex"}, {"AcctName", "AcctIndex"}, {"Labels", "LblIndex"}, {"Notes", ""},
        {"acctname", ""},  // exact texts
    };
    for (const auto &[field, index] : cases) EXPECT_EQ(indexForTitle(indexes, field), index) << field;
}

TEST(GridRules, OnlyAnExactDebitTypeColoursTheAmountAndHighlightWins) {
    struct Case {
        const char *column, *type;
        bool highlight;
        CellInk ink;
    } cases[] = {
        {"Amount", "debit", false, CellInk::Red},   {"Amount", "debit", true, CellInk::Black},
        {"Amount", "Debit", false, CellInk::Normal}, {"Amount", "credit", false, CellInk::Normal},
        {"Description", "debit", false, CellInk::Normal}, {"Description", "credit", true, CellInk::Black},
    };
    for (const Case &c : cases)
        EXPECT_EQ(cellInk(c.column, c.type, c.highlight), c.ink) << c.column << " " << c.type << " " << c.highlight;
}

TEST(SystemFormats, TheCLocaleReadsUsExportsAndNamedLocalesKeepTheirOwn) {
    const LocaleFormats c = LocaleFormats::fromSystemLocale(QLocale::c());
    EXPECT_EQ(c.shortDateFormat, "M/d/yyyy");
    EXPECT_EQ(c.parseShortDate("12/31/2025"), day(2025, 12, 31));
    const LocaleFormats german = LocaleFormats::fromSystemLocale(QLocale(QLocale::German, QLocale::Germany));
    EXPECT_NE(german.shortDateFormat, "M/d/yyyy");
    EXPECT_EQ(german.decimalSeparator, QChar(','));
}
