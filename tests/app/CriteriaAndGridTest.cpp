// The criteria tool bar (accounts, dates, Range presets, sort selector) and the transaction
// grid, on the real main window.
#include "DateFunctions.h"
#include "DatePicker.h"
#include "DayNumber.h"
#include "RangePresets.h"
#include "ShellFixture.h"
#include "TransactionGrid.h"
#include "TransactionGridModel.h"
#include "TwwKeyComboBox.h"

#include <QAction>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>
#include <QMenu>
#include <QTest>

inline void PrintTo(const QString &text, std::ostream *out) { *out << '"' << text.toStdString() << '"'; }

namespace {

class CriteriaAndGridTest : public ShellFixture {
protected:
    void emptyTable() {
        QFile::remove(programFile("transactions.DAT"));
        TableDatabase database;
        database.setDirectory(programDir.path());
        database.createTable("transactions.DAT");
    }

    void putSample() {
        const auto on = [](int year, int month, int day) { return DayNumber::fromDate(QDate(year, month, day)); };
        fill({{on(2024, 1, 5), -4.5, "Coffee", "Checking", "debit", "COFFEE SHOP #12 SEATTLE WA"},
              {on(2024, 1, 2), 2500, "Salary", "checking", "credit"},
              {on(2024, 1, 9), 12, "Refund", "Savings", "Debit"},
              {on(2024, 2, 1), -900, "Rent", "Checking", "debit"}});
    }

    static QStringList entries(const QComboBox *box) {
        QStringList list;
        for (int i = 0; i < box->count(); ++i) list << box->itemText(i);
        return list;
    }

    static QString cell(TMainForm &form, int row, int column) {
        const TransactionGridModel *model = form.Transactions()->gridModel();
        return model->data(model->index(row, column), Qt::DisplayRole).toString();
    }

    static QStringList column(TMainForm &form, int column) {
        QStringList texts;
        for (int row = 0; row < form.Transactions()->gridModel()->rowCount(); ++row) texts << cell(form, row, column);
        return texts;
    }

    static QAction *preset(TMainForm &form, const QString &caption) {
        for (QAction *item : form.PopupMenu1()->actions())
            if (item->text() == caption) return item;
        return nullptr;
    }

    // Clicks a column title as the mouse does: press and release on it.
    static void clickTitle(TMainForm &form, const QString &title) {
        QHeaderView *titles = form.Transactions()->horizontalHeader();
        for (int section = 0; section < titles->count(); ++section) {
            if (form.Transactions()->gridModel()->headerData(section, Qt::Horizontal, Qt::DisplayRole) != title) continue;
            const QPoint at(titles->sectionViewportPosition(section) + titles->sectionSize(section) / 2, titles->height() / 2);
            QTest::mouseClick(titles->viewport(), Qt::LeftButton, {}, at);
            return;
        }
        ADD_FAILURE() << "no title " << title.toStdString();
    }

    std::unique_ptr<TMainForm> shownForm() {
        auto form = makeForm();
        form->resize(1000, 600);
        form->show();
        form->PageControl1()->setCurrentWidget(form->TabSheet1());
        return form;
    }

    const LocaleFormats us = LocaleFormats::unitedStates();
};

TEST_F(CriteriaAndGridTest, StartUpRefreshesOnceAndFillsAccountsGridAndSelector) {
    putSample();
    auto form = makeForm();
    EXPECT_EQ(form->refreshCount(), 1);
    EXPECT_EQ(entries(form->AcctList()), QStringList({"All Account(s)", "checking", "Savings"}))
        << "in date order checking comes first; Checking differs from it only in case";
    EXPECT_EQ(form->AcctList()->currentIndex(), 0);
    EXPECT_EQ(entries(form->wwKeyCombo1()),
              QStringList({"Date", "Description", "Amount", "Type", "Category", "Account Name", "Tags"}));
    EXPECT_EQ(form->wwKeyCombo1()->currentText(), "Date");

    const TransactionGridModel *grid = form->Transactions()->gridModel();
    ASSERT_EQ(grid->rowCount(), 4);
    ASSERT_EQ(grid->columnCount(), 8);
    QStringList titles;
    for (int c = 0; c < 8; ++c) titles << grid->headerData(c, Qt::Horizontal, Qt::DisplayRole).toString();
    EXPECT_EQ(titles, QStringList({"Date", "Description", "Amount", "Type", "Category", "Account Name", "Tags", "Notes"}));
    EXPECT_EQ(column(*form, 0), QStringList({"1/2/2024", "1/5/2024", "1/9/2024", "2/1/2024"}));
    EXPECT_EQ(cell(*form, 1, 2), "($4.50)") << "debits are stored negative";
    EXPECT_EQ(grid->headerData(0, Qt::Vertical, Qt::DisplayRole).toString(), QString(QChar(0x25B6)))
        << "the indicator marks the current row";
    EXPECT_TRUE(errors.isEmpty()) << errors.join('\n').toStdString();

    emptyTable();  // empty it
    form.reset();
    form = makeForm();
    EXPECT_EQ(entries(form->AcctList()), QStringList{"All Account(s)"});
    EXPECT_EQ(form->Transactions()->gridModel()->rowCount(), 0);
}

TEST_F(CriteriaAndGridTest, AnAccountChangeLoadsItsLayoutAndRefreshesOnce) {
    putSample();
    auto form = makeForm();
    form->setCriteriaChanged(0);
    const int before = form->refreshCount();
    form->AcctList()->setCurrentIndex(form->AcctList()->findText("Savings"));
    EXPECT_TRUE(form->ppReport1().templateFileName.endsWith("/Reports/TransAcctReport.rtm"));
    EXPECT_EQ(form->refreshCount(), before + 1);
    EXPECT_EQ(form->CriteriaChanged(), 1);
    EXPECT_EQ(column(*form, 1), QStringList{"Refund"});

    form->AcctList()->setCurrentIndex(0);
    EXPECT_EQ(form->ppReport1().templateFileName, form->ProgramDir() + "Reports/TransReport.rtm");
    EXPECT_EQ(form->Transactions()->gridModel()->rowCount(), 4);
    EXPECT_TRUE(errors.isEmpty()) << errors.join('\n').toStdString();

    // A missing layout: the engine's message, no marker, no refresh, the layout in use stays.
    QFile::remove(programFile("Reports/TransAcctReport.rtm"));
    form->setCriteriaChanged(0);
    const int count = form->refreshCount();
    form->AcctList()->setCurrentIndex(form->AcctList()->findText("Checking"));
    EXPECT_EQ(errors, QStringList{"File not found: " + programFile("Reports/TransAcctReport.rtm") + "."});
    EXPECT_EQ(form->CriteriaChanged(), 0);
    EXPECT_EQ(form->refreshCount(), count);
    EXPECT_EQ(form->ppReport1().templateFileName, form->ProgramDir() + "Reports/TransReport.rtm");
}

TEST_F(CriteriaAndGridTest, RangePresetsAgainstAFixedToday) {
    putSample();
    today = DayNumber::fromDate(QDate(2014, 1, 15));  // a Wednesday
    auto form = makeForm();
    const struct {
        const char *caption, *start, *end;
    } cases[] = {
        {"Today", "1/15/2014", "1/15/2014"},          {"This week", "1/12/2014", "1/18/2014"},
        {"Last week", "1/5/2014", "1/11/2014"},       {"2 weeks ago", "12/29/2013", "1/4/2014"},
        {"4 weeks ago", "12/15/2013", "12/21/2013"},  {"Last month", "12/1/2013", "12/31/2013"},
        {"3 months ago", "10/1/2013", "10/31/2013"},  {"This quarter", "1/1/2014", "3/31/2014"},
        {"Last quarter", "10/1/2013", "12/31/2013"},  {"Forth quarter", "10/1/2014", "12/31/2014"},
        {"Last year", "1/1/2013", "12/31/2013"},      {"All", "1/2/2024", "2/1/2024"},
    };
    for (const auto &c : cases) {
        QAction *item = preset(*form, c.caption);
        ASSERT_TRUE(item) << c.caption;
        item->trigger();
        EXPECT_EQ(form->StartDate()->text(), c.start) << c.caption;
        EXPECT_EQ(form->EndDate()->text(), c.end) << c.caption;
    }
    EXPECT_TRUE(errors.isEmpty()) << errors.join('\n').toStdString();

    // The menu: 19 presets in order, each carrying its own preset, with separators.
    QStringList captions;
    int separators = 0;
    for (QAction *item : form->PopupMenu1()->actions()) {
        if (item->isSeparator()) {
            ++separators;
            continue;
        }
        captions << item->text();
        EXPECT_EQ(item->data().toInt(), int(findRangePreset(item->text())->preset));
    }
    ASSERT_EQ(captions.size(), 19);
    EXPECT_EQ(captions.first(), "All");
    EXPECT_EQ(captions.last(), "Last year");
    EXPECT_EQ(separators, 6);
    EXPECT_EQ(form->ToolbarButton1()->menu(), form->PopupMenu1());
}

TEST_F(CriteriaAndGridTest, PresetsRefreshAsOftenAsTheirDatesChange) {
    putSample();
    today = DayNumber::fromDate(QDate(2024, 1, 15));
    auto form = makeForm();
    int count = form->refreshCount();
    preset(*form, "This month")->trigger();  // both dates change: one refresh each, then its own
    EXPECT_EQ(form->refreshCount(), count + 3);
    EXPECT_EQ(form->ReportDesc()->text(), " All Account(s) 1/1/2024 - 1/31/2024");
    count = form->refreshCount();
    form->setCriteriaChanged(0);
    preset(*form, "This month")->trigger();  // the same dates: the preset's own refresh only
    EXPECT_EQ(form->refreshCount(), count + 1);
    EXPECT_EQ(form->CriteriaChanged(), 1);
    count = form->refreshCount();
    form->setCriteriaChanged(0);
    preset(*form, "All")->trigger();  // "All" refreshes but leaves the marker alone
    EXPECT_EQ(form->refreshCount(), count + 3);
    EXPECT_EQ(form->CriteriaChanged(), 1) << "set by the pickers' change handling";
}

TEST_F(CriteriaAndGridTest, HalfTypedDatesDoNothingUntilTheyAreDates) {
    putSample();
    auto form = makeForm();
    form->setCriteriaChanged(0);
    const int count = form->refreshCount();
    const QString description = form->ReportDesc()->text();
    for (const char *typed : {"", "1", "1/", "1/1", "1/1/", "13/1/2024", "garbage", "2/30/2024"}) {
        form->StartDate()->setText(typed);
        form->EndDate()->setText(typed);
    }
    EXPECT_EQ(form->refreshCount(), count);
    EXPECT_EQ(form->CriteriaChanged(), 0);
    EXPECT_EQ(form->ReportDesc()->text(), description);
    EXPECT_TRUE(errors.isEmpty() && prompt.asked.empty());

    form->StartDate()->setText("1/3/2024");
    EXPECT_EQ(form->refreshCount(), count + 1);
    EXPECT_EQ(form->CriteriaChanged(), 1);
    EXPECT_TRUE(form->ReportDesc()->text().startsWith(" All Account(s) 1/3/2024 - ")) << "the refresh writes over the notice";
}

TEST_F(CriteriaAndGridTest, TheCalendarListsYearsFromNineteenYearsAgo) {
    today = DayNumber::fromDate(QDate(2014, 6, 1));
    auto form = makeForm();
    emit form->StartDate()->droppedDown();
    emit form->EndDate()->droppedDown();
    EXPECT_EQ(form->StartDate()->yearListStart(), 1995);
    EXPECT_EQ(form->EndDate()->yearListStart(), 1995);
}

TEST_F(CriteriaAndGridTest, PickersShowAFullDateUnclipped) {
    auto form = shownForm();
    for (DatePicker *picker : {form->StartDate(), form->EndDate()}) {
        picker->setText("12/28/2088");
        QLineEdit *editor = picker->editor();
        const int textRoom = editor->contentsRect().width() - editor->textMargins().left() - editor->textMargins().right();
        EXPECT_GE(textRoom, editor->fontMetrics().horizontalAdvance("12/28/2088") + 2);
    }
}

TEST_F(CriteriaAndGridTest, DebitAmountsAreRedUnlessSelected) {
    putSample();
    auto form = makeForm();
    const TableField &amount = form->TransDB().fieldByName("Amount");
    const TableField &description = form->TransDB().fieldByName("Description");
    const auto ink = [&](int row, const TableField &field, bool highlight) {
        QColor colour = Qt::darkBlue;  // the grid's own
        form->TransactionsCalcCellColors(row, field, highlight, colour);
        return colour;
    };
    // Rows by date: Salary (credit), Coffee (debit), Refund ("Debit"), Rent (debit).
    EXPECT_EQ(ink(1, amount, false), QColor(255, 0, 0));
    EXPECT_EQ(ink(1, amount, true), QColor(0, 0, 0));
    EXPECT_EQ(ink(2, amount, false), QColor(Qt::darkBlue)) << "\"Debit\" is not a debit";
    EXPECT_EQ(ink(0, amount, false), QColor(Qt::darkBlue));
    EXPECT_EQ(ink(1, description, false), QColor(Qt::darkBlue));
    EXPECT_EQ(ink(0, description, true), QColor(0, 0, 0));
}

TEST_F(CriteriaAndGridTest, DoubleClickShowsTheBankDescription) {
    putSample();
    auto form = shownForm();
    form->Transactions()->selectRow(1);
    EXPECT_EQ(form->TransDB().recNo(), 1) << "choosing a row makes it the current record";
    emit form->Transactions()->doubleClicked(form->Transactions()->currentIndex());
    ASSERT_EQ(prompt.asked.size(), 1u);
    EXPECT_EQ(prompt.asked[0].kind, Prompt::Kind::Plain);
    EXPECT_EQ(prompt.asked[0].text, "COFFEE SHOP #12 SEATTLE WA");

    emptyTable();
    form.reset();
    prompt.asked.clear();
    form = shownForm();
    form->TransactionsDblClick();
    ASSERT_EQ(prompt.asked.size(), 1u);
    EXPECT_EQ(prompt.asked[0].text, "");
}

TEST_F(CriteriaAndGridTest, TitleSortDropsAdvancedCriteriaAndTheSelectorKeepsThem) {
    putSample();
    auto form = shownForm();
    const auto advanced = [&] {
        QStringList names;
        for (const TwwFieldInfo &info : form->FilterDlg().FieldInfo) names << info.FieldName;
        return names;
    };
    TwwFieldInfo debits = TwwFieldInfo::exact("Type", "Type", "debit");
    debits.CaseSensitive = true;
    form->FilterDlg().FieldInfo.prepend(debits);
    form->Button3Click();
    ASSERT_EQ(column(*form, 1), QStringList({"Coffee", "Rent"}));

    int count = form->refreshCount();
    form->wwKeyCombo1()->setCurrentText("Amount");
    EXPECT_EQ(form->TransDB().indexName(), "AmountIndex");
    EXPECT_EQ(form->refreshCount(), count + 1);
    EXPECT_EQ(advanced(), QStringList({"Type", "Date"}));
    EXPECT_EQ(column(*form, 1), QStringList({"Rent", "Coffee"})) << "from the most negative amount";

    count = form->refreshCount();
    clickTitle(*form, "Account Name");
    EXPECT_EQ(form->TransDB().indexName(), "AcctIndex");
    EXPECT_EQ(form->wwKeyCombo1()->currentText(), "Account Name");
    EXPECT_EQ(form->refreshCount(), count + 1);
    EXPECT_EQ(advanced(), QStringList{"Date"}) << "closing the table dropped the advanced criterion";
    EXPECT_EQ(column(*form, 5), QStringList({"Checking", "Checking", "Savings", "checking"}));

    count = form->refreshCount();
    clickTitle(*form, "Notes");
    EXPECT_EQ(form->TransDB().indexName(), "AcctIndex");
    EXPECT_EQ(form->refreshCount(), count + 1);
    EXPECT_TRUE(errors.isEmpty()) << errors.join('\n').toStdString();
}

TEST_F(CriteriaAndGridTest, AClosedTableLeavesAnEmptyGridUntilTheReportOpensItAgain) {
    putSample();
    auto form = shownForm();
    prompt.answers = {Prompt::Answer::Yes};
    form->guarded([&] { form->RepairDatabase1Click(); });
    ASSERT_FALSE(form->TransDB().active());
    EXPECT_EQ(form->Transactions()->gridModel()->rowCount(), 0);
    QTest::qWait(10);  // paint the empty grid
    form->wwKeyCombo1()->setCurrentText("Amount");
    EXPECT_EQ(form->TransDB().indexName(), "DateIndex") << "a closed table ignores the selector";
    prompt.asked.clear();
    form->TransactionsDblClick();
    ASSERT_EQ(prompt.asked.size(), 1u);
    EXPECT_EQ(prompt.asked[0].text, "") << "no record: an empty box";

    // The refresh after a date change has the report open the table again; the grid follows.
    form->StartDate()->setText("1/3/2024");
    EXPECT_TRUE(form->TransDB().active());
    EXPECT_EQ(form->Transactions()->gridModel()->rowCount(), 4) << "criteria met a closed table: none apply";
    EXPECT_EQ(form->wwKeyCombo1()->currentText(), "Date");
    form->Button3Click();
    EXPECT_EQ(form->Transactions()->gridModel()->rowCount(), 3);
    EXPECT_TRUE(errors.isEmpty()) << errors.join('\n').toStdString();
}

TEST_F(CriteriaAndGridTest, ExportTransactionsWritesTheGridsRowsInItsOrder) {
    putSample();
    QString chosen;
    MainFormServices withDialog = services();
    withDialog.rowsExportFile = [&](const QString &suggested) {
        EXPECT_TRUE(suggested.endsWith("/Transactions.csv"));
        return chosen;
    };
    auto form = std::make_unique<TMainForm>(withDialog);
    form->TransactionsTitleButtonClick("Amount");
    form->AcctList()->setCurrentIndex(form->AcctList()->findText("checking"));  // both spellings match
    form->TransDB().setRecNo(1);

    chosen = programFile("rows");  // the extension is added
    form->guarded([&] { form->ExportTransactions1Click(); });
    QFile written(programFile("rows.csv"));
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    const QStringList lines = QString::fromUtf8(written.readAll()).split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 4);
    EXPECT_EQ(lines[0], "Date,Description,Amount,Type,Category,AcctName,Labels,Notes,OrigDesc");
    EXPECT_TRUE(lines[1].startsWith("2/1/2024,Rent,-900,debit,"));
    EXPECT_TRUE(lines[2].startsWith("1/5/2024,Coffee,-4.5,debit,"));
    EXPECT_TRUE(lines[3].startsWith("1/2/2024,Salary,2500,credit,"));
    EXPECT_EQ(form->TransDB().recNo(), 1) << "the grid keeps its row";

    // A folder that cannot be written: a clear message and no file.
    chosen = programFile("missing/rows.csv");
    form->guarded([&] { form->ExportTransactions1Click(); });
    ASSERT_EQ(errors.size(), 1);
    EXPECT_TRUE(errors[0].startsWith("Cannot write " + chosen)) << errors[0].toStdString();
    EXPECT_FALSE(QFile::exists(chosen));
    chosen.clear();  // Cancel writes nothing
    form->guarded([&] { form->ExportTransactions1Click(); });
    EXPECT_EQ(errors.size(), 1);
}

} // namespace
