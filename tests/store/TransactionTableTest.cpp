#include "EngineError.h"
#include "TableFixture.h"
#include "TableView.h"

TEST_F(TableFixture, IndexesOrderTextByCharacterCodeAndAmountsFromMostNegative) {
    TransactionTable table(database);
    table.open();
    fill(table, {{100, "apple", 5}, {101, "Zebra", -20}, {102, "app", 5}, {99, "Apple", -20}, {98, "b", 0}});

    table.setIndexName("DescIndex");
    EXPECT_EQ(walk(table), (QStringList{"Apple", "Zebra", "app", "apple", "b"}));

    table.setIndexName("AmountIndex");
    // Equal amounts run by date.
    EXPECT_EQ(walk(table), (QStringList{"Apple", "Zebra", "b", "apple", "app"}));

    table.setIndexName("DateIndex");
    EXPECT_EQ(walk(table), (QStringList{"b", "Apple", "apple", "Zebra", "app"}));
}

TEST_F(TableFixture, OrderSurvivesReopenAndIndexSetWhileClosedTakesEffectAtOpen) {
    {
        TransactionTable table(database);
        table.open();
        fill(table, {{3, "c", -1}, {1, "a", 30}, {2, "b", -50}});
    }
    TransactionTable table(database);
    table.setIndexName("AmountIndex");
    table.open();
    EXPECT_EQ(walk(table), (QStringList{"b", "c", "a"}));
    EXPECT_EQ(table.indexName(), "AmountIndex");
}

TEST_F(TableFixture, EditThatMovesARowKeepsTheCursorOnIt) {
    TransactionTable table(database);
    table.open();
    table.setIndexName("AmountIndex");
    fill(table, {{1, "a", 10}, {2, "b", 20}, {3, "c", 30}});
    table.first();
    table.next();
    table.edit();
    table.fieldByName("Amount").setAsFloat(-5);
    table.post();
    EXPECT_EQ(table.fieldByName("Description").asString(), "b");
    EXPECT_EQ(table.recNo(), 0);
    EXPECT_EQ(walk(table), (QStringList{"b", "a", "c"}));
}

TEST_F(TableFixture, EditsReachTheFileWhateverColumnsChange) {
    {
        TransactionTable table(database);
        table.open();
        fill(table, {{1, "a", 10}, {2, "b", 20}});
        table.first();
        table.edit();
        table.fieldByName("Amount").setAsFloat(-10);  // one column
        table.post();
        table.next();
        table.edit();
        table.fieldByName("Description").setAsString("");  // to null, with another column
        table.fieldByName("Date").setAsFloat(5);
        table.post();
        table.edit();  // nothing changed
        table.post();
    }
    TransactionTable table(database);
    table.open();
    EXPECT_EQ(walk(table, "Amount"), (QStringList{"-10", "20"}));
    table.last();
    EXPECT_TRUE(table.fieldByName("Description").isNull());
    EXPECT_EQ(table.fieldByName("Date").asFloat(), 5);
}

TEST_F(TableFixture, TextIsCutToTheFieldSizeOnCharacterBoundaries) {
    TransactionTable table(database);
    table.open();
    table.append();
    table.fieldByName("Description").setAsString(QString(30, 'x'));
    table.fieldByName("Category").setAsString(QString(24, 'y') + QString::fromUtf8("é€😀z"));
    table.post();
    table.close();
    table.open();
    EXPECT_EQ(table.fieldByName("Description").asString(), QString(25, 'x'));
    EXPECT_EQ(table.fieldByName("Category").asString(), QString(24, 'y') + QString::fromUtf8("é"));
}

TEST_F(TableFixture, NullsAndConversions) {
    TransactionTable table(database);
    table.setLocaleFormats(LocaleFormats::unitedStates());
    table.open();
    EXPECT_TRUE(table.eof() && table.bof());
    EXPECT_TRUE(table.fieldByName("Date").isNull());
    EXPECT_EQ(table.fieldByName("Date").asDateTime(), 0);

    table.append();
    table.fieldByName("Date").setAsString("1/15/2014");
    table.fieldByName("Amount").setAsString("-12.3");
    EXPECT_THROW(table.fieldByName("Amount").setAsString("abc"), EngineError);
    EXPECT_THROW(table.fieldByName("Date").setAsString("31/31/2014"), EngineError);
    table.post();
    EXPECT_EQ(table.fieldByName("Date").displayText(), "1/15/2014");
    EXPECT_EQ(table.fieldByName("Amount").displayText(), "($12.30)");
    EXPECT_TRUE(table.fieldByName("Notes").isNull());
}

TEST_F(TableFixture, FilterThatAcceptsNothingLeavesAnEmptyView) {
    TransactionTable table(database);
    table.open();
    fill(table, {{1, "a", 1}, {2, "b", 2}, {3, "c", 3}});
    table.setOnFilterRecord([](TransactionTable &t) { return t.fieldByName("Amount").asFloat() > 100; });
    table.setFiltered(true);
    EXPECT_EQ(table.recordCount(), 0);
    table.first();
    EXPECT_TRUE(table.bof());
    EXPECT_TRUE(table.eof());

    table.setOnFilterRecord([](TransactionTable &t) { return t.fieldByName("Amount").asFloat() >= 2; });
    EXPECT_EQ(walk(table), (QStringList{"b", "c"}));
    table.setFiltered(false);
    EXPECT_EQ(table.recordCount(), 3);
}

TEST_F(TableFixture, NavigationFlagsAndRandomAccess) {
    TransactionTable table(database);
    table.open();
    fill(table, {{1, "a", 1}, {2, "b", 2}, {3, "c", 3}});
    table.last();
    table.next();
    EXPECT_TRUE(table.eof());
    EXPECT_EQ(table.fieldByName("Description").asString(), "c");
    table.first();
    table.prior();
    EXPECT_TRUE(table.bof());
    EXPECT_EQ(table.moveBy(5), 2);
    EXPECT_TRUE(table.eof());
    table.setRecNo(1);
    EXPECT_EQ(table.fieldByName("Description").asString(), "b");
    EXPECT_EQ(table.recordAt(2).text[TransactionSchema::Description], "c");

    const auto mark = table.getBookmark();
    table.first();
    EXPECT_TRUE(table.bookmarkValid(mark));
    table.gotoBookmark(mark);
    EXPECT_EQ(table.recNo(), 1);
    EXPECT_EQ(table.compareBookmarks(table.getBookmark(), mark), 0);
}

struct CountingView : TableView {
    int activations = 0, deactivations = 0, changes = 0;
    void tableActiveChanged(TransactionTable &, bool active) override { (active ? activations : deactivations)++; }
    void tableDataChanged(TransactionTable &) override { ++changes; }
};

TEST_F(TableFixture, ViewsHearOpenCloseAndOneRefreshAfterSuspendedWalks) {
    TransactionTable table(database);
    CountingView view;
    table.attachView(&view);
    table.open();
    fill(table, {{1, "a", 1}, {2, "b", 2}});
    table.disableControls();
    table.disableControls();
    view.changes = 0;
    walk(table);
    table.enableControls();
    EXPECT_EQ(view.changes, 0);
    table.enableControls();
    EXPECT_EQ(view.changes, 1);
    table.close();
    EXPECT_EQ(view.activations, 1);
    EXPECT_EQ(view.deactivations, 1);
}

TEST_F(TableFixture, EmptyOnAnOpenAndOnAClosedTable) {
    TransactionTable table(database);
    table.open();
    fill(table, {{1, "a", 1}, {2, "b", 2}});
    table.emptyTable();
    EXPECT_TRUE(table.active());
    EXPECT_EQ(table.recordCount(), 0);
    fill(table, {{1, "a", 1}});
    table.close();
    table.emptyTable();
    EXPECT_FALSE(table.active());
    table.open();
    EXPECT_EQ(table.recordCount(), 0);
}

TEST_F(TableFixture, RollbackRestoresWhatWasThereAcrossTableObjects) {
    TransactionTable table(database);
    table.open();
    fill(table, {{1, "kept", 1}});
    table.close();
    database.startTransaction("transactions.DAT");
    {
        TransactionTable second(database);
        second.open();
        second.emptyTable();
        fill(second, {{5, "new", 5}});
    }
    database.rollback("transactions.DAT");
    table.open();
    EXPECT_EQ(walk(table), QStringList{"kept"});
}

TEST_F(TableFixture, ASecondTableObjectIsRefusedWhileTheFirstIsOpen) {
    TransactionTable table(database);
    table.open();
    TransactionTable second(database);
    EXPECT_THROW(second.open(), EngineError);
    table.close();
    EXPECT_NO_THROW(second.open());
}
