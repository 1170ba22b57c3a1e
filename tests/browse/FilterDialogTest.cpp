#include "BrowseFixture.h"
#include "TwwFilterDialog.h"

namespace {

class FilterDialogSteps : public BrowseFixture {
protected:
    void SetUp() override {
        BrowseFixture::SetUp();
        fill({
            {{2014, 1, 10}, "Coffee Shop", -12.5, "Checking"},
            {{2014, 1, 11}, "Tea House", -4, "Savings"},
        });
        filter.BusyCursor = [this](bool busy) { cursor << busy; };
    }

    static TwwFieldInfo coffee() {
        TwwFieldInfo info;
        info.DisplayLabel = "Description";
        info.FilterValue = "coffee";
        return info;
    }

    TwwFilterDialog filter{table, prompt};
    QList<bool> cursor;
};

TEST_F(FilterDialogSteps, TheWorkingCopyHasLabelsAndNamesResolved) {
    TwwFieldInfo nameOnly = TwwFieldInfo::exact("AcctName", "", "Savings");
    TwwFieldInfo staleName = TwwFieldInfo::exact("Type", "Account Name", "Savings");
    filter.FieldInfo = {nameOnly, staleName};
    QList<TwwFieldInfo> seen;
    filter.ShowFilterDialog([&](FilterDialogSession &session) {
        seen = session.WorkingCriteria;
        EXPECT_EQ(cursor, QList<bool>{true});
        return false;
    });
    ASSERT_EQ(seen.size(), 2);
    EXPECT_EQ(seen[0].DisplayLabel, "AcctName") << "an empty label takes the field name";
    EXPECT_EQ(filter.FieldInfo[0].DisplayLabel, "AcctName") << "also in the list itself";
    EXPECT_EQ(seen[1].FieldName, "AcctName") << "the name follows the label";
    EXPECT_EQ(filter.FieldInfo[1].FieldName, "Type");
    EXPECT_EQ(cursor, (QList<bool>{true, false}));
}

TEST_F(FilterDialogSteps, OkTakesTheChangedCopyAndAppliesIt) {
    const bool ok = filter.ShowFilterDialog([](FilterDialogSession &session) {
        session.WorkingCriteria << coffee();
        session.WorkingListChanged = true;
        return true;
    });
    EXPECT_TRUE(ok);
    ASSERT_EQ(filter.FieldInfo.size(), 1);
    EXPECT_EQ(filter.FieldInfo[0].FieldName, "Description");
    EXPECT_EQ(visible(), QStringList{"Coffee Shop"});
}

TEST_F(FilterDialogSteps, CancelChangesNothing) {
    const bool ok = filter.ShowFilterDialog([](FilterDialogSession &session) {
        session.WorkingCriteria << coffee();
        session.WorkingListChanged = true;
        return false;
    });
    EXPECT_FALSE(ok);
    EXPECT_TRUE(filter.FieldInfo.isEmpty());
    EXPECT_EQ(table.recordCount(), 2);
}

TEST_F(FilterDialogSteps, OkWithoutChangesReappliesOnlyAnUnfilteredTable) {
    auto unchangedEdit = [](FilterDialogSession &session) {
        session.WorkingCriteria << coffee();  // not flagged as a change
        return true;
    };
    filter.FieldInfo = {TwwFieldInfo::exact("AcctName", "Account Name", "Savings")};
    filter.ApplyCriteria();
    EXPECT_TRUE(filter.ShowFilterDialog(unchangedEdit));
    EXPECT_EQ(filter.FieldInfo.size(), 1);
    EXPECT_EQ(visible(), QStringList{"Tea House"});

    table.setFiltered(false);
    EXPECT_TRUE(filter.ShowFilterDialog(unchangedEdit));
    EXPECT_EQ(filter.FieldInfo.size(), 2);
    EXPECT_TRUE(visible().isEmpty());
}

TEST_F(FilterDialogSteps, AClosedTableShowsNoDialog) {
    table.close();
    bool shown = false;
    EXPECT_FALSE(filter.ShowFilterDialog([&](FilterDialogSession &) { return shown = true; }));
    EXPECT_FALSE(shown);
    EXPECT_EQ(prompt.texts(), QStringList{"Dataset must be active to perform local filtering (FilterMethod=fdByFilter)."});
    EXPECT_TRUE(cursor.isEmpty());
}

TEST_F(FilterDialogSteps, TheHourglassGoesAwayWhenTheDialogFails) {
    EXPECT_THROW(filter.ShowFilterDialog([](FilterDialogSession &) -> bool { throw std::runtime_error("x"); }),
                 std::runtime_error);
    EXPECT_EQ(cursor, (QList<bool>{true, false}));
}

} // namespace
