// The advanced filter dialog, its summary and the saved-filters menu on the real main window.
#include "DatePicker.h"
#include "ShellFixture.h"
#include "TwwFilterDialogView.h"
#include "TwwFilterDlg.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QStackedWidget>
#include <QTabBar>
#include <QTableWidget>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include <functional>

namespace {

class AdvancedFilterWindowTest : public ShellFixture {
protected:
    void SetUp() override {
        ShellFixture::SetUp();
        // A test of File > Exit run before us in this process leaves the application quitting,
        // and every dialog would then close at once; a short run of the main loop undoes that.
        QTimer::singleShot(0, qApp, &QCoreApplication::quit);
        QCoreApplication::exec();
        fill({{45000, -4.5, "Coffee Shop", "Checking"},
              {45001, -12, "Coffee Beans", "Savings"},
              {45002, -900, "Rent", "Checking"},
              {45003, 2500, "Salary", "Checking"}});
    }

    // Clicks "Advanced Filter" and runs `work` on the dialog while it is open; a dialog that
    // `work` left open is cancelled.
    bool withDialog(TMainForm &form, const std::function<void(TwwFilterDlg &)> &work) {
        return withModalDialog<TwwFilterDlg>([&] { form.AdvFilterBtn()->click(); }, work);
    }

    static void selectField(TwwFilterDlg &dialog, const QString &label) {
        const QList<QListWidgetItem *> items = dialog.FieldsListBox()->findItems(label, Qt::MatchExactly);
        ASSERT_EQ(items.size(), 1);
        dialog.FieldsListBox()->setCurrentItem(items[0]);
    }

    static QPushButton *saveButton(TwwFilterDlg &dialog) {
        return dialog.findChild<QPushButton *>("SaveFilterButton");
    }

    // "Description contains coffee" through the dialog, with OK.
    void filterCoffee(TMainForm &form) {
        ASSERT_TRUE(withDialog(form, [](TwwFilterDlg &dialog) {
            selectField(dialog, "Description");
            QTest::keyClicks(dialog.FilterValueEdit(), "coffee");
            dialog.OKButton()->click();
        }));
    }

    void saveAs(TMainForm &form, const QString &name) {
        prompt.typed.push_back(name);
        ASSERT_TRUE(withDialog(form, [](TwwFilterDlg &dialog) {
            ASSERT_TRUE(saveButton(dialog)->isEnabled());
            saveButton(dialog)->click();
            EXPECT_TRUE(dialog.isVisible()) << "saving keeps the dialog open";
        }));
    }

    static QStringList captions(const QMenu *menu) {
        QStringList list;
        for (const QAction *item : menu->actions()) list << (item->isSeparator() ? "-" : item->text());
        return list;
    }

    static QAction *item(const QMenu *menu, const QString &caption) {
        for (QAction *action : menu->actions())
            if (action->text() == caption) return action;
        return nullptr;
    }

    static QMenu *deleteMenu(TMainForm &form) { return form.PopupMenu2()->actions().at(1)->menu(); }

    QStringList visibleDescriptions(TMainForm &form) {
        QStringList values;
        TransactionTable &table = form.TransDB();
        for (table.first(); !table.eof(); table.next()) values << table.fieldByName("Description").asString();
        return values;
    }

    QByteArray savedFile() {
        QFile file(programFile("TransDB.ftr"));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    static QStringList fieldNames(const TMainForm &form) {
        QStringList names;
        for (const TwwFieldInfo &criterion : const_cast<TMainForm &>(form).FilterDlg().FieldInfo)
            names << criterion.FieldName;
        return names;
    }
};

TEST_F(AdvancedFilterWindowTest, FirstOpeningAndTheLayout) {
    auto form = makeForm();
    ASSERT_TRUE(withDialog(*form, [](TwwFilterDlg &dialog) {
        EXPECT_TRUE(dialog.windowTitle().isEmpty());
        EXPECT_EQ(dialog.FieldsListBox()->currentItem()->text(), "Amount");
        EXPECT_EQ(dialog.FieldsListBox()->count(), 7);
        EXPECT_EQ(dialog.FieldTabSet()->currentIndex(), 0);
        EXPECT_EQ(dialog.SelectNotebook()->currentIndex(), 1) << "Amount is searched by range";
        EXPECT_EQ(dialog.FieldCriteria()->title(), "Amount");
        EXPECT_FALSE(dialog.OKButton()->isEnabled());
        EXPECT_FALSE(dialog.ClearSearchButton()->isEnabled());
        EXPECT_FALSE(saveButton(dialog)->isEnabled()) << "only the refresh's date criterion is applied";
        EXPECT_FALSE(dialog.MatchTypeGroup()->isEnabled());
        EXPECT_TRUE(dialog.OKButton()->isDefault());
        auto at = [&](int left, int top, int width, int height) {
            return QRect(dialog.scaled(left), dialog.scaled(top), dialog.scaled(width), dialog.scaled(height));
        };
        EXPECT_EQ(dialog.OKButton()->geometry(), at(392, 22, 77, 27));
        EXPECT_EQ(saveButton(dialog)->geometry(), at(392, 99, 77, 27));
        EXPECT_EQ(dialog.FieldsListBox()->geometry(), at(8, 20, 165, 160));
    }));
}

TEST_F(AdvancedFilterWindowTest, TheDialogSeesKeysBeforeItsControls) {
    auto form = makeForm();
    ASSERT_TRUE(withDialog(*form, [](TwwFilterDlg &dialog) {
        QTest::keyClick(dialog.MinValueEdit(), Qt::Key_Down);
        EXPECT_EQ(dialog.FieldsListBox()->currentItem()->text(), "Category");
        EXPECT_EQ(dialog.focusWidget(), dialog.FilterValueEdit()) << "a text field is searched by value";
        QTest::keyClicks(dialog.FilterValueEdit(), "food");
        dialog.FieldTabSet()->setCurrentIndex(1);
        EXPECT_EQ(dialog.FieldsListBox()->count(), 1);
        QTest::keyClick(dialog.FieldsListBox(), Qt::Key_Delete);
        EXPECT_EQ(dialog.FieldsListBox()->count(), 0);
        EXPECT_TRUE(dialog.FilterValueEdit()->text().isEmpty());
    }));
}

TEST_F(AdvancedFilterWindowTest, OkFiltersTheGridAndCancelChangesNothing) {
    auto form = makeForm();
    form->setCriteriaChanged(1);
    filterCoffee(*form);
    EXPECT_EQ(form->CriteriaChanged(), 0);
    EXPECT_EQ(visibleDescriptions(*form), QStringList({"Coffee Shop", "Coffee Beans"}));
    EXPECT_EQ(fieldNames(*form), QStringList({"Description", "Date"}))
        << "the refresh puts the date range back at the end";

    const QList<TwwFieldInfo> before = form->FilterDlg().FieldInfo;
    ASSERT_TRUE(withDialog(*form, [](TwwFilterDlg &dialog) {
        EXPECT_EQ(dialog.FieldCriteria()->title(), "Description");
        EXPECT_EQ(dialog.FilterValueEdit()->text(), "coffee");
        dialog.ClearSearchButton()->click();
        dialog.CancelButton()->click();
    }));
    EXPECT_EQ(form->FilterDlg().FieldInfo, before);
    EXPECT_EQ(visibleDescriptions(*form).size(), 2);

    ASSERT_TRUE(withDialog(*form, [](TwwFilterDlg &dialog) {
        dialog.ClearSearchButton()->click();  // "New Search"
        dialog.OKButton()->click();
    }));
    EXPECT_EQ(fieldNames(*form), QStringList{"Date"});
    EXPECT_EQ(visibleDescriptions(*form).size(), 4);
    EXPECT_TRUE(errors.isEmpty()) << errors.join('\n').toStdString();
}

TEST_F(AdvancedFilterWindowTest, AnInvalidAmountKeepsTheFocusWithItsTextSelected) {
    auto form = makeForm();
    ASSERT_TRUE(withDialog(*form, [](TwwFilterDlg &dialog) {
        dialog.ValueRangeTabSet()->setCurrentIndex(0);
        QTest::keyClicks(dialog.FilterValueEdit(), "12,5x");
        selectField(dialog, "Type");
        EXPECT_EQ(dialog.FieldsListBox()->currentItem()->text(), "Amount");
        EXPECT_EQ(dialog.focusWidget(), dialog.FilterValueEdit());
        EXPECT_EQ(dialog.FilterValueEdit()->selectedText(), "12,5x");
        dialog.OKButton()->click();
        EXPECT_TRUE(dialog.isVisible()) << "OK is refused as well";
    }));
    EXPECT_TRUE(prompt.asked.empty()) << "refused without a message";
    EXPECT_EQ(fieldNames(*form), QStringList{"Date"});
}

TEST_F(AdvancedFilterWindowTest, TheSummaryListsTheWorkingCriteriaWithDateAndAccount) {
    auto form = makeForm();
    form->AcctList()->addItem("Checking");
    form->AcctList()->setCurrentIndex(1);
    form->Button3Click();
    QList<QStringList> rows;
    ASSERT_TRUE(withDialog(*form, [&](TwwFilterDlg &dialog) {
        QTest::keyClicks(dialog.MinValueEdit(), "10");
        QTest::keyClicks(dialog.MaxValueEdit(), "100");
        QTimer::singleShot(0, [&] {
            auto *view = qobject_cast<TwwFilterDialogView *>(QApplication::activeModalWidget());
            if (!view) return;
            EXPECT_EQ(view->windowTitle(), "Show Search Summary");
            const QTableWidget *grid = view->StringGrid1();
            for (int row = 0; row < grid->rowCount(); ++row)
                rows << QStringList{grid->item(row, 0)->text(), grid->item(row, 1)->text(), grid->item(row, 2)->text()};
            view->OKButton()->click();
        });
        dialog.ViewButton()->click();
        EXPECT_EQ(dialog.focusWidget(), dialog.MinValueEdit()) << "back in the editor after the summary";
    }));
    const QString start = form->StartDate()->text(), end = form->EndDate()->text();
    EXPECT_EQ(rows, (QList<QStringList>{{"Date", "By Range", ">=" + start + ", <=" + end},
                                         {"Account Name", "Exact Match", "Checking"},
                                         {"Amount", "By Range", ">=10, <=100"}}));
}

TEST_F(AdvancedFilterWindowTest, SaveLoadAndDeleteThroughTheMenuAcrossARestart) {
    auto form = makeForm();
    form->PopupMenu2Popup();
    EXPECT_EQ(captions(form->PopupMenu2()), QStringList({"Clear Filter", "&Delete Saved Filter", "-"}));
    EXPECT_FALSE(form->PopupMenu2()->actions()[0]->isEnabled());
    EXPECT_FALSE(form->PopupMenu2()->actions()[2]->isVisible());

    filterCoffee(*form);
    saveAs(*form, "Coffee shops");
    EXPECT_EQ(prompt.inputBoxes, QStringList{"Save Filter / Enter name to save filter as"});
    EXPECT_TRUE(savedFile().startsWith("Coffee shops\r\nDescription\tDescription\t0\tcoffee\t\t\tFalse\tFalse\r\n"
                                       "Date\tDate\t4\t"));
    EXPECT_EQ(captions(form->PopupMenu2()), QStringList({"&Clear Filter", "&Delete Filter", "-", "Coffee shops"}));

    // The same name again asks before replacing.
    prompt.answers = {Prompt::Answer::Yes};
    saveAs(*form, "Coffee shops");
    ASSERT_EQ(prompt.asked.size(), 1u);
    EXPECT_EQ(prompt.asked[0].text, "\"Coffee shops\" already exists.  Overwrite?");
    EXPECT_EQ(savedFile().count("Coffee shops"), 1);

    // A new window on the same folder: the menu comes from the file.
    form.reset();
    form = makeForm();
    ASSERT_EQ(captions(form->PopupMenu2()), QStringList({"&Clear Filter", "&Delete Filter", "-", "Coffee shops"}));
    EXPECT_EQ(captions(deleteMenu(*form)), QStringList{"Coffee shops"});
    form->PopupMenu2Popup();
    EXPECT_TRUE(form->PopupMenu2()->actions()[0]->isEnabled());
    EXPECT_TRUE(form->PopupMenu2()->actions()[2]->isVisible());

    // Loading keeps the account and dates in force.
    form->AcctList()->setCurrentIndex(form->AcctList()->findText("Savings"));
    form->StartDate()->setDate(45001);
    form->Button3Click();
    item(form->PopupMenu2(), "Coffee shops")->trigger();
    EXPECT_EQ(fieldNames(*form), QStringList({"Description", "Date", "AcctName"}));
    EXPECT_EQ(form->FilterDlg().FieldInfo[1].MinValue, form->StartDate()->text());
    EXPECT_EQ(visibleDescriptions(*form), QStringList{"Coffee Beans"});

    // Clear Filter drops the advanced criterion only.
    item(form->PopupMenu2(), "&Clear Filter")->trigger();
    EXPECT_EQ(fieldNames(*form), QStringList({"Date", "AcctName"}));

    // Deleting asks, rebuilds the menu and leaves the criteria alone.
    prompt.asked.clear();
    prompt.answers = {Prompt::Answer::No, Prompt::Answer::Yes};
    item(deleteMenu(*form), "Coffee shops")->trigger();
    EXPECT_EQ(captions(form->PopupMenu2()).size(), 4) << "No keeps the filter";
    item(deleteMenu(*form), "Coffee shops")->trigger();
    ASSERT_EQ(prompt.asked.size(), 2u);
    EXPECT_EQ(prompt.asked[1].text, "Are you sure you want to delete the Coffee shops filter?");
    EXPECT_EQ(prompt.asked[1].kind, Prompt::Kind::Warning);
    EXPECT_EQ(captions(form->PopupMenu2()), QStringList({"&Clear Filter", "&Delete Filter", "-"}));
    form->PopupMenu2Popup();
    EXPECT_FALSE(form->PopupMenu2()->actions()[0]->isEnabled());
    EXPECT_FALSE(form->PopupMenu2()->actions()[1]->isEnabled());
    EXPECT_FALSE(form->PopupMenu2()->actions()[2]->isVisible());
    EXPECT_EQ(fieldNames(*form), QStringList({"Date", "AcctName"}));
    EXPECT_TRUE(errors.isEmpty()) << errors.join('\n').toStdString();
}

TEST_F(AdvancedFilterWindowTest, ANameWithAnAmpersandLoadsAndDeletesItsOwnFilter) {
    auto form = makeForm();
    filterCoffee(*form);
    saveAs(*form, "Rent & fees");
    saveAs(*form, "Rent");
    // The doubled "&" shows as one and underlines nothing.
    EXPECT_EQ(captions(form->PopupMenu2()).mid(3), QStringList({"Rent && fees", "Rent"}));
    item(form->PopupMenu2(), "&Clear Filter")->trigger();
    item(form->PopupMenu2(), "Rent && fees")->trigger();
    EXPECT_EQ(fieldNames(*form), QStringList({"Description", "Date"}));
    prompt.answers = {Prompt::Answer::Yes};
    item(deleteMenu(*form), "Rent && fees")->trigger();
    EXPECT_EQ(captions(deleteMenu(*form)), QStringList{"Rent"});
}

TEST_F(AdvancedFilterWindowTest, CancelAnEmptyNameOrANameThatBreaksTheFileStoresNothing) {
    auto form = makeForm();
    filterCoffee(*form);
    prompt.typed = {std::nullopt, QString(), QString("///"), QString("a\tb"), QString("two\nlines")};
    const auto boxes = prompt.typed.size();
    for (size_t i = 0; i < boxes; ++i)
        ASSERT_TRUE(withDialog(*form, [](TwwFilterDlg &dialog) { saveButton(dialog)->click(); }));
    EXPECT_EQ(prompt.inputBoxes.size(), qsizetype(boxes));
    EXPECT_FALSE(QFile::exists(programFile("TransDB.ftr")));
    ASSERT_EQ(prompt.asked.size(), 3u);
    for (const TestPrompt::Asked &asked : prompt.asked)
        EXPECT_EQ(asked.text, "A filter name cannot be /// or contain a tab or a line break.");
}

TEST_F(AdvancedFilterWindowTest, AnUnreadableFileLeavesMenuAndCriteriaAsTheyWere) {
    auto form = makeForm();
    filterCoffee(*form);
    saveAs(*form, "Coffee shops");
    const QStringList menuBefore = captions(form->PopupMenu2());
    QAction *load = item(form->PopupMenu2(), "Coffee shops");
    const QList<TwwFieldInfo> criteria = form->FilterDlg().FieldInfo;

    // A folder in the file's place can be neither read nor written.
    ASSERT_TRUE(QFile::remove(programFile("TransDB.ftr")));
    ASSERT_TRUE(QDir(programDir.path()).mkdir("TransDB.ftr"));
    prompt.asked.clear();
    load->trigger();
    form->LoadFilterMenu();
    saveAs(*form, "Again");
    EXPECT_EQ(form->FilterDlg().FieldInfo, criteria);
    EXPECT_EQ(captions(form->PopupMenu2()), menuBefore);
    ASSERT_FALSE(prompt.asked.empty());
    for (const TestPrompt::Asked &asked : prompt.asked) {
        EXPECT_EQ(asked.kind, Prompt::Kind::Error);
        EXPECT_TRUE(asked.text.startsWith("Cannot read the saved filters file")) << asked.text.toStdString();
    }
}

TEST_F(AdvancedFilterWindowTest, AHandWrittenFileWithDamagedEntriesLoadsWhatItCan) {
    QFile file(programFile("TransDB.ftr"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("\r\nShort lines\r\nDescription\tDescription\r\nDescription\tDescription\tx\tcoffee\t\t\tFalse\r\n"
               "Description\tDescription\t1\tbeans\t\t\tFalse\r\n///\r\n"
               "No end\r\nDescription\tDescription\t1\trent\t\t\tFalse\tFalse");
    file.close();
    auto form = makeForm();
    EXPECT_EQ(captions(form->PopupMenu2()).mid(3), QStringList({"Short lines", "No end"}));
    item(form->PopupMenu2(), "Short lines")->trigger();
    EXPECT_EQ(fieldNames(*form), QStringList({"Description", "Date"}));
    EXPECT_EQ(visibleDescriptions(*form), QStringList{"Coffee Beans"});
    item(form->PopupMenu2(), "No end")->trigger();
    EXPECT_EQ(visibleDescriptions(*form), QStringList{"Rent"});
    EXPECT_TRUE(errors.isEmpty()) << errors.join('\n').toStdString();
}

} // namespace
