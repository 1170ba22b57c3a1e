// The advanced filter dialog's rules, driven without a window: the dialog is opened the way
// the window opens it (init event choosing tab "All", then shown and activated).
#include "BrowseFixture.h"
#include "FilterDialogRules.h"
#include "SearchSummary.h"
#include "TwwFilterDialog.h"

namespace {

using Rules = FilterDialogRules;
using Focus = FilterDialogRules::Focus;
using Key = FilterDialogRules::Key;

const QStringList alphabetic = {"Amount", "Category", "Description", "Notes", "OrigDesc", "Tags", "Type"};

TwwFieldInfo value(const QString &label, TwwFilterMatchType type, const QString &text) {
    TwwFieldInfo info;
    info.DisplayLabel = label;
    info.MatchType = type;
    info.FilterValue = text;
    return info;
}

TwwFieldInfo range(const QString &label, const QString &min, const QString &max) {
    return TwwFieldInfo::range("", label, min, max);
}

class FilterDialogRulesTest : public BrowseFixture {
protected:
    // Opens on the given working criteria as the window does.
    Rules &open(const QList<TwwFieldInfo> &criteria = {}) {
        session.WorkingCriteria = criteria;
        rules = std::make_unique<Rules>(session, filter.tableFields(), table.localeFormats(), prompt);
        rules->open();
        rules->changeFieldTab(Rules::AllFields);  // the main window's init event
        rules->finishOpening();
        rules->activate();
        return *rules;
    }

    void select(const QString &label) {
        const int row = int(rules->listLabels().indexOf(label));
        ASSERT_GE(row, 0) << label.toStdString();
        ASSERT_TRUE(rules->clickField(row));
    }

    TwwFilterDialog filter{table, prompt};
    FilterDialogSession session;
    std::unique_ptr<Rules> rules;
};

TEST_F(FilterDialogRulesTest, FirstOpeningShowsAmountByRangeWithOkDisabled) {
    // Without criteria, and with only the date range the refresh adds: the same first view.
    for (const QList<TwwFieldInfo> &criteria : {QList<TwwFieldInfo>{}, {range("Date", "1/1/2014", "1/31/2014")}}) {
        Rules &r = open(criteria);
        EXPECT_EQ(r.fieldTab(), Rules::AllFields);
        EXPECT_EQ(r.listLabels(), alphabetic);
        EXPECT_EQ(r.selectedRow(), 0);
        EXPECT_EQ(r.criteriaCaption(), "Amount");
        EXPECT_EQ(r.page(), Rules::RangePage);
        EXPECT_TRUE(r.minText().isEmpty() && r.maxText().isEmpty());
        EXPECT_FALSE(r.okEnabled());
        EXPECT_FALSE(session.WorkingListChanged);
    }
}

TEST_F(FilterDialogRulesTest, LogicalOrderKeepsTheSelectedField) {
    Rules &r = open();
    select("Description");
    r.clickFieldOrder(Rules::Logical);
    EXPECT_EQ(r.listLabels(), QStringList({"Amount", "Type", "Category", "Description", "OrigDesc", "Tags", "Notes"}));
    EXPECT_EQ(r.listLabels()[r.selectedRow()], "Description");
    EXPECT_EQ(r.shownField(), "Description");
    r.clickFieldOrder(Rules::Alphabetic);
    EXPECT_EQ(r.listLabels(), alphabetic);
}

TEST_F(FilterDialogRulesTest, TextAndAmountFieldsShowTheirPagesAndSearchTypes) {
    Rules &r = open();
    select("Description");
    EXPECT_EQ(r.page(), Rules::ValuePage);
    EXPECT_EQ(r.matchItem(), Rules::MatchAtBeginning);
    EXPECT_TRUE(r.searchTypeEnabled());
    EXPECT_FALSE(r.caseSensitive());
    EXPECT_FALSE(r.nonMatching());
    select("Amount");
    EXPECT_EQ(r.page(), Rules::RangePage);
    EXPECT_EQ(r.matchItem(), Rules::ExactMatch);
    EXPECT_FALSE(r.searchTypeEnabled());
}

TEST_F(FilterDialogRulesTest, AmountBoxesTakeOnlyNumbersAndTheNullWord) {
    struct Case {
        const char *value, *min, *max;
        bool accepted;
        Focus refusedBox;
    };
    const Case cases[] = {
        {"12.5 or 20", "", "", true, {}},
        {"null OR -3", "", "", true, {}},
        {" 7 ", "-10", "1e3", true, {}},
        {"12,5x", "", "", false, Focus::ValueBox},
        {"12.5 or", "", "", false, Focus::ValueBox},
        {"12.5 or  or 3", "", "", false, Focus::ValueBox},
        {"", "ten", "", false, Focus::MinBox},
        {"", "10", "null", false, Focus::MaxBox},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE((c.value + QString("|") + c.min + "|" + c.max).toStdString());
        Rules &r = open();
        r.editValue(c.value);
        r.editMin(c.min);
        r.editMax(c.max);
        EXPECT_EQ(r.clickField(int(r.listLabels().indexOf("Type"))), c.accepted);
        if (c.accepted) continue;
        EXPECT_EQ(r.listLabels()[r.selectedRow()], "Amount") << "the list goes back to the refused field";
        EXPECT_EQ(r.shownField(), "Amount");
        EXPECT_EQ(r.focus(), c.refusedBox);
        EXPECT_TRUE(r.focusedTextSelected());
        EXPECT_EQ(r.page(), c.refusedBox == Focus::ValueBox ? Rules::ValuePage : Rules::RangePage);
        EXPECT_FALSE(r.closeQuery()) << "OK is refused too";
        EXPECT_TRUE(prompt.asked.isEmpty()) << "no message";
    }
}

TEST_F(FilterDialogRulesTest, TypingAValueThenChoosingAnotherFieldStoresIt) {
    Rules &r = open();
    select("Description");
    r.editValue("coffee");
    EXPECT_TRUE(r.okEnabled());
    EXPECT_TRUE(r.clearSearchEnabled());
    EXPECT_TRUE(r.valueClearEnabled());
    select("Tags");
    EXPECT_TRUE(r.valueText().isEmpty());
    ASSERT_TRUE(r.closeQuery());
    ASSERT_EQ(session.WorkingCriteria.size(), 1);
    EXPECT_EQ(session.WorkingCriteria[0], value("Description", fdMatchStart, "coffee"));
    EXPECT_TRUE(session.WorkingListChanged);
}

TEST_F(FilterDialogRulesTest, SearchTypeAndCheckBoxesGoIntoTheCriterion) {
    Rules &r = open();
    select("Category");
    r.editValue("rent or fees");
    r.clickMatchType(Rules::MatchAnywhere);
    r.setCaseSensitive(true);
    r.setNonMatching(true);
    ASSERT_TRUE(r.closeQuery());
    TwwFieldInfo expected = value("Category", fdMatchAny, "rent or fees");
    expected.CaseSensitive = expected.NonMatching = true;
    EXPECT_EQ(session.WorkingCriteria, QList<TwwFieldInfo>{expected});
}

TEST_F(FilterDialogRulesTest, SwitchingThePageWithEmptyBoxesRemovesTheCriterion) {
    Rules &r = open({value("Description", fdMatchStart, "coffee"), range("Category", "a", "f")});
    select("Description");
    EXPECT_EQ(r.valueText(), "coffee");
    ASSERT_TRUE(r.changePage(Rules::RangePage));
    EXPECT_TRUE(r.valueText().isEmpty());
    EXPECT_EQ(r.focus(), Focus::MinBox);
    select("Category");
    EXPECT_EQ(r.page(), Rules::RangePage);
    EXPECT_EQ(r.minText(), "a");
    ASSERT_TRUE(r.changePage(Rules::ValuePage));
    EXPECT_TRUE(r.minText().isEmpty() && r.maxText().isEmpty());
    EXPECT_TRUE(session.WorkingCriteria.isEmpty());
    EXPECT_TRUE(session.WorkingListChanged);
}

TEST_F(FilterDialogRulesTest, OpeningWithCriteriaShowsTheFirstSearchedField) {
    Rules &r = open({range("Date", "1/1/2014", ""), value("Tags", fdMatchExact, "travel"),
                     value("Category", fdMatchStart, "food")});
    EXPECT_EQ(r.fieldTab(), Rules::AllFields);
    EXPECT_EQ(r.listLabels(), alphabetic);
    EXPECT_EQ(r.shownField(), "Category") << "first of the searched list, which is alphabetic";
    EXPECT_EQ(r.valueText(), "food");
    EXPECT_EQ(r.matchItem(), Rules::MatchAtBeginning);
    EXPECT_TRUE(r.okEnabled()) << "loading a criterion counts as an edit";
    EXPECT_FALSE(session.WorkingListChanged);
}

TEST_F(FilterDialogRulesTest, SearchedTabListsOnlyFieldsWithCriteriaAndDeleteRemovesOne) {
    Rules &r = open();
    EXPECT_FALSE(r.changeFieldTab(Rules::SearchedFields));
    EXPECT_EQ(prompt.texts(), QStringList{"You have not selected any search criteria"});
    EXPECT_EQ(prompt.asked[0].first, Prompt::Kind::Information);
    EXPECT_EQ(r.fieldTab(), Rules::AllFields);

    select("Notes");
    r.editValue("gift");
    select("Amount");
    r.editMax("100");
    ASSERT_TRUE(r.changeFieldTab(Rules::SearchedFields));
    EXPECT_EQ(r.listLabels(), QStringList({"Amount", "Notes"}));
    EXPECT_EQ(r.shownField(), "Amount") << "the selected field stays selected";
    EXPECT_EQ(r.maxText(), "100");

    EXPECT_EQ(r.focus(), Focus::FieldList);
    r.focusMoved(Focus::MaxBox);
    EXPECT_FALSE(r.keyDown(Key::Delete, false, 10)) << "Delete belongs to the box that has the focus";
    r.focusMoved(Focus::FieldList);
    EXPECT_TRUE(r.keyDown(Key::Delete, false, 10));
    EXPECT_EQ(r.listLabels(), QStringList{"Notes"});
    EXPECT_EQ(r.shownField(), "Notes");
    EXPECT_EQ(r.valueText(), "gift");
    EXPECT_EQ(session.WorkingCriteria, QList<TwwFieldInfo>{value("Notes", fdMatchStart, "gift")});

    EXPECT_TRUE(r.keyDown(Key::Delete, false, 10));
    EXPECT_TRUE(r.listLabels().isEmpty());
    EXPECT_TRUE(r.valueText().isEmpty()) << "the deleted value does not linger in the box";
    EXPECT_TRUE(session.WorkingCriteria.isEmpty());
    EXPECT_TRUE(r.keyDown(Key::Delete, false, 10)) << "an empty list takes the key too";
}

TEST_F(FilterDialogRulesTest, KeysInTheEditorsMoveThroughTheList) {
    struct Case {
        Key key;
        bool alt;
        int from;
        int to;  // -1: the key is left to the box
    };
    const Case cases[] = {
        {Key::Down, false, 0, 1}, {Key::Up, false, 3, 2},   {Key::Up, false, 0, -1},
        {Key::Down, true, 0, -1}, {Key::PageDown, false, 1, 4}, {Key::PageDown, false, 5, 6},
        {Key::PageUp, false, 5, 2}, {Key::PageUp, false, 0, -1}, {Key::Other, false, 2, -1},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.from * 100 + c.to);
        Rules &r = open();
        ASSERT_TRUE(r.clickField(c.from));
        r.focusMoved(Focus::ValueBox);
        EXPECT_EQ(r.keyDown(c.key, c.alt, 3), c.to >= 0);
        EXPECT_EQ(r.selectedRow(), c.to >= 0 ? c.to : c.from);
        if (c.to < 0) continue;
        EXPECT_EQ(r.shownField(), alphabetic[c.to]);
        EXPECT_EQ(r.focus(), r.page() == Rules::ValuePage ? Focus::ValueBox : Focus::MinBox);
        EXPECT_TRUE(r.focusedTextSelected());
    }
}

TEST_F(FilterDialogRulesTest, NewSearchDropsEveryCriterionAlsoDateAndAccount) {
    Rules &r = open({range("Date", "1/1/2014", "1/31/2014"), TwwFieldInfo::exact("AcctName", "Account Name", "Checking"),
                     value("Description", fdMatchAny, "coffee")});
    EXPECT_TRUE(r.clearSearchEnabled());
    r.newSearch();
    EXPECT_TRUE(session.WorkingCriteria.isEmpty());
    EXPECT_TRUE(session.WorkingListChanged);
    EXPECT_FALSE(r.clearSearchEnabled());
    EXPECT_TRUE(r.valueText().isEmpty());
    EXPECT_EQ(r.fieldTab(), Rules::AllFields);
    ASSERT_TRUE(r.closeQuery());
    EXPECT_TRUE(session.WorkingCriteria.isEmpty());
}

TEST_F(FilterDialogRulesTest, OkAfterOnlyMovingChangesNothing) {
    Rules &r = open({value("Description", fdMatchStart, "coffee"), range("Date", "1/1/2014", "")});
    const QList<TwwFieldInfo> before = session.WorkingCriteria;
    for (const QString &label : alphabetic) select(label);
    select("Description");
    r.changePage(Rules::ValuePage);
    ASSERT_TRUE(r.closeQuery());
    EXPECT_FALSE(session.WorkingListChanged);
    EXPECT_EQ(session.WorkingCriteria, before);
}

TEST_F(FilterDialogRulesTest, ViewSummaryCommitsFirstAndNeedsCriteria) {
    Rules &r = open();
    EXPECT_FALSE(r.viewSummary());
    EXPECT_EQ(prompt.texts(), QStringList{"You have not selected any search criteria"});
    r.editMin("10");
    r.editMax("100");
    EXPECT_TRUE(r.viewSummary());
    EXPECT_EQ(session.WorkingCriteria, QList<TwwFieldInfo>{range("Amount", "10", "100")});
    r.summaryClosed();
    EXPECT_EQ(r.focus(), Focus::MinBox);
}

TEST_F(FilterDialogRulesTest, ClearButtonsEmptyTheirBoxes) {
    Rules &r = open();
    r.editMin("5");
    EXPECT_TRUE(r.minClearEnabled());
    EXPECT_FALSE(r.maxClearEnabled());
    r.clearMin();
    EXPECT_FALSE(r.minClearEnabled());
    EXPECT_FALSE(r.clearSearchEnabled());
    EXPECT_TRUE(r.okEnabled()) << "stays enabled once a box was edited";
}

TEST(SearchSummary, RowsReadAsTheUserTypedThem) {
    TwwFieldInfo notCoffee = value("Description", fdMatchAny, "coffee");
    notCoffee.NonMatching = true;
    TwwFieldInfo notEither = value("Category", fdMatchExact, "rent or fees");
    notEither.NonMatching = true;
    TwwFieldInfo ignoredOnRange = range("Amount", "", "100");
    ignoredOnRange.NonMatching = true;
    const QList<TwwFieldInfo> criteria = {
        range("Amount", "10", "100"),
        ignoredOnRange,
        value("Tags", fdMatchStart, "travel"),
        notCoffee,
        notEither,
        range("Date", "1/1/2014", "1/31/2014"),
        TwwFieldInfo::exact("AcctName", "Account Name", "Checking"),
        value("Notes", fdMatchEnd, "x"),
    };
    const QList<SearchSummaryRow> expected = {
        {"Amount", "By Range", ">=10, <=100"},
        {"Amount", "By Range", "<=100"},
        {"Tags", "Partial Match at Beginning", "travel"},
        {"Description", "Partial Match Anywhere", "NOT coffee"},
        {"Category", "Exact Match", "NOT (rent or fees)"},
        {"Date", "By Range", ">=1/1/2014, <=1/31/2014"},
        {"Account Name", "Exact Match", "Checking"},
        {"", "", ""},
    };
    EXPECT_EQ(searchSummary(criteria, TwwFieldOperators{}), expected);
}

} // namespace
