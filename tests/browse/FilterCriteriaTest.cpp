#include "BrowseFixture.h"
#include "TwwFilterDialog.h"

namespace {

TwwFieldInfo value(const char *field, TwwFilterMatchType type, const char *text, bool nonMatching = false) {
    TwwFieldInfo info;
    info.FieldName = field;
    info.DisplayLabel = field;
    info.MatchType = type;
    info.FilterValue = text;
    info.NonMatching = nonMatching;
    return info;
}

TwwFieldInfo byLabel(const char *label, TwwFilterMatchType type, const char *text) {
    TwwFieldInfo info = value("", type, text);
    info.DisplayLabel = label;
    return info;
}

struct CriteriaCase {
    const char *name;
    QList<TwwFieldInfo> criteria;
    QStringList expected;
};

class FilterCriteria : public BrowseFixture {
protected:
    void SetUp() override {
        BrowseFixture::SetUp();
        fill({
            {{2014, 1, 10}, "Coffee Shop", -12.5, "CHECKING", "Food"},
            {{2014, 1, 11}, "Best Coffee", 12.5, "checking", "Fuel"},
            {{2014, 1, 12}, "Tea House", -150, "Checking 2"},
            {{2014, 1, 12}, "Coffee and Tea Bar", -100, "Savings", "Rent"},
            {{2014, 1, 13}, "abab", 40, "Savings", "Gifts"},
            {{2014, 1, 14}, "cab", -99.99, "Savings", "Auto"},
            {{2014, 1, 15}, "Parking", 0, "Savings"},
        });
    }
};

TEST_F(FilterCriteria, EachCriterionSelectsItsRows) {
    TwwFieldInfo caseSensitive = value("AcctName", fdMatchExact, "Checking");
    caseSensitive.CaseSensitive = true;
    TwwFieldInfo invertedRange = TwwFieldInfo::range("Category", "Category", "a", "f");
    invertedRange.NonMatching = true;

    const CriteriaCase cases[] = {
        {"exact account ignores case but not extra words",
         {TwwFieldInfo::exact("AcctName", "Account Name", "Checking")}, {"Coffee Shop", "Best Coffee"}},
        {"case-sensitive exact account", {caseSensitive}, {}},
        {"description starts with", {value("Description", fdMatchStart, "coffee")},
         {"Coffee Shop", "Coffee and Tea Bar"}},
        {"description anywhere", {value("Description", fdMatchAny, "coffee")},
         {"Coffee Shop", "Best Coffee", "Coffee and Tea Bar"}},
        {"description not anywhere", {value("Description", fdMatchAny, "coffee", true)},
         {"Tea House", "abab", "cab", "Parking"}},
        {"no description matches", {value("Description", fdMatchStart, "zebra")}, {}},
        {"null finds empty fields", {value("Category", fdMatchStart, "null")}, {"Tea House", "Parking"}},
        {"null or rent", {value("Category", fdMatchStart, "null or rent")},
         {"Tea House", "Coffee and Tea Bar", "Parking"}},
        {"or-mode", {value("Description", fdMatchAny, "coffee or tea")},
         {"Coffee Shop", "Best Coffee", "Tea House", "Coffee and Tea Bar"}},
        {"and-mode", {value("Description", fdMatchAny, "coffee and tea")}, {"Coffee and Tea Bar"}},
        {"quoted words keep their blanks", {value("Description", fdMatchAny, "\"e  a\"")}, {}},
        {"match at the end is the first occurrence", {value("Description", fdMatchEnd, "ab")}, {"cab"}},
        {"amount exact 12.50 is 12.5", {value("Amount", fdMatchExact, "12.50")}, {"Best Coffee"}},
        {"amount exact or", {value("Amount", fdMatchExact, "-12.5 or 40")}, {"Coffee Shop", "abab"}},
        {"amount exact that is no number matches nothing", {value("Amount", fdMatchExact, "abc")}, {}},
        {"amount lower bound alone", {TwwFieldInfo::range("Amount", "Amount", "-100", "")},
         {"Coffee Shop", "Best Coffee", "Coffee and Tea Bar", "abab", "cab", "Parking"}},
        {"amount bound that is no number is absent", {TwwFieldInfo::range("Amount", "Amount", "x", "0")},
         {"Coffee Shop", "Tea House", "Coffee and Tea Bar", "cab", "Parking"}},
        {"text range padded with z", {TwwFieldInfo::range("Category", "Category", "a", "f")},
         {"Coffee Shop", "Best Coffee", "cab"}},
        {"range is not inverted", {invertedRange}, {"Coffee Shop", "Best Coffee", "cab"}},
        {"date lower bound alone", {TwwFieldInfo::range("Date", "Date", "1/13/2014", "")},
         {"abab", "cab", "Parking"}},
        {"date range of one day", {TwwFieldInfo::range("Date", "Date", "1/12/2014", "1/12/2014")},
         {"Tea House", "Coffee and Tea Bar"}},
        {"date exact", {value("Date", fdMatchExact, "01/11/2014")}, {"Best Coffee"}},
        {"date partial on its text", {value("Date", fdMatchEnd, "5/2014")}, {"Parking"}},
        {"criteria are joined by and",
         {value("Description", fdMatchAny, "coffee"), TwwFieldInfo::range("Date", "Date", "1/11/2014", ""),
          TwwFieldInfo::exact("AcctName", "Account Name", "checking")},
         {"Best Coffee"}},
        {"field found by its label", {byLabel("account~NAME", fdMatchExact, "savings")},
         {"Coffee and Tea Bar", "abab", "cab", "Parking"}},
        {"unknown field rejects nothing", {byLabel("Nope", fdMatchExact, "x")},
         {"Coffee Shop", "Best Coffee", "Tea House", "Coffee and Tea Bar", "abab", "cab", "Parking"}},
        {"no match type tests no term", {value("Description", fdMatchNone, "zebra")},
         {"Coffee Shop", "Best Coffee", "Tea House", "Coffee and Tea Bar", "abab", "cab", "Parking"}},
    };
    TwwFilterDialog filter(table, prompt);
    for (const CriteriaCase &c : cases) {
        SCOPED_TRACE(c.name);
        filter.FieldInfo = c.criteria;
        ASSERT_TRUE(filter.ApplyCriteria());
        EXPECT_TRUE(table.filtered());
        EXPECT_EQ(visible(), c.expected);
    }
    EXPECT_TRUE(prompt.asked.isEmpty());
}

TEST_F(FilterCriteria, DatesAreReadInTheTablesShortDateFormat) {
    LocaleFormats formats;
    formats.shortDateFormat = "d.M.yyyy";
    table.setLocaleFormats(formats);
    TwwFilterDialog filter(table, prompt);
    filter.FieldInfo = {TwwFieldInfo::range("Date", "Date", "12.1.2014", "13.1.2014"),
                        value("Date", fdMatchStart, "12.")};
    filter.ApplyCriteria();
    EXPECT_EQ(visible(), (QStringList{"Tea House", "Coffee and Tea Bar"}));
}

TEST_F(FilterCriteria, ResolvedFieldNamesAreStoredInTheCriteria) {
    TwwFilterDialog filter(table, prompt);
    filter.FieldInfo = {byLabel("Tags", fdMatchAny, "x"), byLabel("Nope", fdMatchAny, "x")};
    filter.ApplyCriteria();
    EXPECT_EQ(filter.FieldInfo[0].FieldName, "Labels");
    EXPECT_EQ(filter.FieldInfo[1].FieldName, "");
    EXPECT_EQ(filter.unresolvedLabels(), QStringList{"Nope"});
}

TEST_F(FilterCriteria, AnEmptyListSwitchesFilteringOff) {
    TwwFilterDialog filter(table, prompt);
    filter.FieldInfo = {value("Description", fdMatchStart, "coffee")};
    filter.ApplyCriteria();
    ASSERT_EQ(table.recordCount(), 2);
    filter.ClearCriteria();
    EXPECT_EQ(table.recordCount(), 2) << "clearing alone leaves the table as it was filtered";
    filter.ApplyCriteria();
    EXPECT_FALSE(table.filtered());
    EXPECT_EQ(table.recordCount(), 7);
}

TEST_F(FilterCriteria, ClosingTheTableEmptiesTheList) {
    TwwFilterDialog filter(table, prompt);
    filter.FieldInfo = {value("Description", fdMatchStart, "coffee")};
    filter.ApplyCriteria();
    table.close();
    EXPECT_TRUE(filter.FieldInfo.isEmpty());
    table.open();
    EXPECT_EQ(table.recordCount(), 7) << "the predicate stays but accepts every record";
}

TEST_F(FilterCriteria, AClosedTableIsReportedAndNotFiltered) {
    TwwFilterDialog filter(table, prompt);
    table.close();
    filter.FieldInfo = {value("Description", fdMatchStart, "coffee")};
    EXPECT_FALSE(filter.ApplyCriteria());
    ASSERT_EQ(prompt.asked.size(), 1);
    EXPECT_EQ(prompt.asked[0].first, Prompt::Kind::Error);
    EXPECT_EQ(prompt.asked[0].second, "Dataset must be active to perform local filtering (FilterMethod=fdByFilter).");
    EXPECT_FALSE(table.filtered());
    EXPECT_EQ(filter.FieldInfo.size(), 1);
}

TEST_F(FilterCriteria, EqualOperatorWordsAreWarnedAboutAndFilteringGoesOn) {
    TwwFilterDialog filter(table, prompt);
    filter.FieldOperators.AndChar = "or";
    filter.FieldInfo = {value("Description", fdMatchStart, "coffee")};
    EXPECT_TRUE(filter.ApplyCriteria());
    EXPECT_EQ(prompt.texts(), QStringList{"And and Or Operators have the same value."});
    EXPECT_EQ(prompt.asked[0].first, Prompt::Kind::Warning);
    EXPECT_EQ(table.recordCount(), 2);
}

TEST_F(FilterCriteria, CriteriaOnAFieldAreReplacedAtTheEnd) {
    TwwFilterDialog filter(table, prompt);
    filter.FieldInfo = {TwwFieldInfo::range("Date", "Date", "1/1/2014", "1/31/2014"),
                        value("Description", fdMatchAny, "coffee"),
                        TwwFieldInfo::exact("AcctName", "Account Name", "Savings")};
    filter.replaceCriteriaOnField(TwwFieldInfo::range("date", "Date", "1/12/2014", ""));
    EXPECT_EQ(filter.removeCriteriaOnField("AcctName"), 1);
    ASSERT_EQ(filter.FieldInfo.size(), 2);
    EXPECT_EQ(filter.FieldInfo[0].FieldName, "Description");
    EXPECT_EQ(filter.FieldInfo[1].MinValue, "1/12/2014");
    EXPECT_EQ(filter.indexOfField("DATE"), 1);
    EXPECT_EQ(filter.indexOfField("AcctName"), -1);
    filter.ApplyCriteria();
    EXPECT_EQ(visible(), QStringList{"Coffee and Tea Bar"});
}

} // namespace
