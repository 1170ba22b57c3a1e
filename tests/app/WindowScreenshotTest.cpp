// The Transactions page, the Range menu and the criteria tool bar on a real (virtual) display
// with the sample export imported: pictures are left in a folder for a person to look at, and
// the tests check that the tool bar's controls are whole and apart.
#include "DatePicker.h"
#include "PreviewFixture.h"
#include "TransactionGrid.h"
#include "TransactionGridModel.h"
#include "TwwFilterDlg.h"
#include "TwwKeyComboBox.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QStatusBar>
#include <QTabBar>
#include <QTimer>
#include <QScreen>
#include <QTabWidget>
#include <QTest>
#include <QToolBar>
#include <QToolButton>

namespace {

QString shotFolder() {
    const QString folder = qEnvironmentVariable("SPENDRAKE_SHOT_DIR", SPENDRAKE_SHOTS);
    QDir().mkpath(folder);
    return folder;
}

void shootArea(QScreen *screen, const QRect &area, const QString &name) {
    QTest::qWait(200);
    const QPixmap picture = screen->grabWindow(0, area.x(), area.y(), area.width(), area.height());
    EXPECT_TRUE(picture.save(QDir(shotFolder()).filePath(name + ".png"))) << name.toStdString();
}

void shoot(QWidget *window, const QString &name) { shootArea(window->screen(), window->frameGeometry(), name); }

// The tool bar's controls lie inside it, side by side without overlapping.
void expectApart(QToolBar *bar) {
    QList<QWidget *> shown;
    for (QWidget *child : bar->findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
        if (child->isVisible() && !child->objectName().startsWith("qt_")) shown << child;
    for (QWidget *a : shown) {
        EXPECT_TRUE(bar->rect().contains(a->geometry())) << a->objectName().toStdString();
        for (QWidget *b : shown) {
            if (a == b) continue;
            EXPECT_FALSE(a->geometry().intersects(b->geometry()))
                << a->objectName().toStdString() << " / " << b->objectName().toStdString();
        }
    }
}

QAction *preset(TMainForm &form, const QString &caption) {
    for (QAction *item : form.PopupMenu1()->actions())
        if (item->text() == caption) return item;
    return nullptr;
}

class WindowScreenshotTest : public PreviewFixture {};

TEST_F(WindowScreenshotTest, TransactionsPageRangeMenuAndCriteria) {
    ASSERT_EQ(QGuiApplication::platformName(), "xcb");
    today = 46000;  // 8 December 2025, within the sample's years
    auto form = sampleForm();
    form->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    form->PageControl1()->setCurrentWidget(form->TabSheet1());
    ASSERT_EQ(form->Transactions()->gridModel()->rowCount(), 342);
    form->Transactions()->selectRow(2);
    shoot(form.get(), "transactions-page");
    expectApart(form->Toolbar2());
    for (DatePicker *picker : {form->StartDate(), form->EndDate()}) {
        QLineEdit *editor = picker->editor();
        EXPECT_GE(editor->contentsRect().width(), editor->fontMetrics().horizontalAdvance(editor->text()) + 2)
            << "the date " << editor->text().toStdString() << " is cut off";
    }

    form->PopupMenu1()->popup(form->ToolbarButton1()->mapToGlobal(QPoint(0, form->ToolbarButton1()->height())));
    QTest::qWait(200);
    const QRect menu = form->PopupMenu1()->geometry().united(form->frameGeometry());
    shootArea(form->screen(), menu, "range-menu");
    form->PopupMenu1()->hide();

    preset(*form, "Last year")->trigger();
    EXPECT_EQ(form->StartDate()->text(), "1/1/2024");
    EXPECT_EQ(form->EndDate()->text(), "12/31/2024");
    const int lastYearRows = form->Transactions()->gridModel()->rowCount();
    EXPECT_GT(lastYearRows, 0);
    EXPECT_LT(lastYearRows, 342);
    shoot(form.get(), "last-year-transactions");
    form->PageControl1()->setCurrentWidget(form->TabSheet2());
    shoot(form.get(), "last-year-report");

    preset(*form, "All")->trigger();
    form->AcctList()->setCurrentIndex(form->AcctList()->findText("Rewards Visa"));
    ASSERT_EQ(form->AcctList()->currentText(), "Rewards Visa");
    shoot(form.get(), "one-account-report");
    form->PageControl1()->setCurrentWidget(form->TabSheet1());
    form->TransactionsTitleButtonClick("Amount");
    shoot(form.get(), "one-account-by-amount");
    // Every date and type shows whole in its column.
    TransactionGrid *grid = form->Transactions();
    for (int row = 0; row < grid->gridModel()->rowCount(); ++row) {
        for (int column : {0, 3}) {
            const QString text = grid->gridModel()->index(row, column).data().toString();
            EXPECT_LE(grid->fontMetrics().horizontalAdvance(text) + 6, grid->columnWidth(column)) << text.toStdString();
        }
    }
    EXPECT_TRUE(errors.isEmpty()) << errors.join('\n').toStdString();
}

void chooseField(TwwFilterDlg &dialog, const QString &label) {
    const QList<QListWidgetItem *> items = dialog.FieldsListBox()->findItems(label, Qt::MatchExactly);
    ASSERT_EQ(items.size(), 1);
    dialog.FieldsListBox()->setCurrentItem(items[0]);
}

TEST_F(WindowScreenshotTest, FilterDialogSummaryAndSavedFilters) {
    ASSERT_EQ(QGuiApplication::platformName(), "xcb");
    auto form = sampleForm();
    form->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    const auto filterDialog = [&](const std::function<void(TwwFilterDlg &)> &work) {
        return withModalDialog<TwwFilterDlg>([&] { form->AdvFilterBtn()->click(); }, work);
    };
    ASSERT_TRUE(filterDialog([&](TwwFilterDlg &dialog) {
        chooseField(dialog, "Description");
        QTest::keyClicks(dialog.FilterValueEdit(), "coffee");
        shoot(&dialog, "filter-dialog-description");
        chooseField(dialog, "Amount");
        dialog.ValueRangeTabSet()->setCurrentIndex(1);
        QTest::keyClicks(dialog.MinValueEdit(), "10");
        QTest::keyClicks(dialog.MaxValueEdit(), "100");
        shoot(&dialog, "filter-dialog-amount-range");
        const bool summary = withModalDialog<QDialog>([&] { dialog.ViewButton()->click(); },
                                              [&](QDialog &view) { shoot(&view, "search-summary"); });
        EXPECT_TRUE(summary);
        dialog.OKButton()->click();
    }));
    prompt.typed.push_back("Coffee and mid-size");
    form->SaveFilterClick();
    ASSERT_TRUE(filterDialog([&](TwwFilterDlg &dialog) {
        dialog.ClearSearchButton()->click();
        chooseField(dialog, "Description");
        QTest::keyClicks(dialog.FilterValueEdit(), "rent");
        dialog.OKButton()->click();
    }));
    prompt.typed.push_back("Big & small");
    form->SaveFilterClick();
    form->PopupMenu2Popup();
    form->PopupMenu2()->popup(form->AdvFilterBtn()->mapToGlobal(QPoint(0, form->AdvFilterBtn()->height())));
    QTest::qWait(200);
    shootArea(form->screen(), form->PopupMenu2()->geometry().united(form->frameGeometry()), "saved-filters-menu");
    QStringList items;
    for (QAction *item : form->PopupMenu2()->actions()) items << item->text();
    form->PopupMenu2()->hide();
    EXPECT_TRUE(items.contains("Coffee and mid-size")) << items.join('|').toStdString();
    EXPECT_TRUE(items.contains("Big && small")) << items.join('|').toStdString() << " "
                                                << prompt.inputBoxes.join('|').toStdString() << " "
                                                << (prompt.asked.empty() ? "" : prompt.asked.back().text.toStdString());
    EXPECT_TRUE(errors.isEmpty()) << errors.join('\n').toStdString();
}

TEST_F(WindowScreenshotTest, StatusBarAfterAnImportWithOneBadLineAndTheToolsMenu) {
    ASSERT_EQ(QGuiApplication::platformName(), "xcb");
    auto form = sampleForm();
    QFile sample(chooser.name);
    ASSERT_TRUE(sample.open(QIODevice::Append));
    sample.write("\"13/45/2025\",\"Bad date\",\"BAD\",\"1.00\",\"debit\",\"\",\"Rewards Visa\",\"\",\"\"\n");
    sample.close();
    prompt.answers = {Prompt::Answer::Yes, Prompt::Answer::No};
    form->guarded([&] { form->Open1Click(); });
    form->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    EXPECT_EQ(form->statusPanelText(1), "342 transactions");
    EXPECT_TRUE(form->statusPanelText(2).startsWith("Read 343 = imported 342 + rejected 1 + blank 0")) << form->statusPanelText(2).toStdString();
    const QRect window = form->frameGeometry();
    const QRect bar(form->StatusBar1()->mapToGlobal(QPoint(0, 0)), form->StatusBar1()->size());
    shootArea(form->screen(), QRect(window.left(), bar.top() - 120, window.width(), bar.height() + 120), "status-bar-receipt");

    QMenu *tools = form->findChild<QMenu *>("Tools1");
    ASSERT_TRUE(tools);
    tools->popup(form->mapToGlobal(QPoint(60, 20)));
    QTest::qWait(200);
    shootArea(form->screen(), tools->geometry().united(QRect(window.topLeft(), QSize(400, 200))), "tools-menu");
    EXPECT_TRUE(form->menuItem("RestorePreviousTable1")->isEnabled());
    tools->hide();

    QMenu *file = form->findChild<QMenu *>("File1");
    ASSERT_TRUE(file);
    file->popup(form->mapToGlobal(QPoint(10, 20)));
    QTest::qWait(200);
    shootArea(form->screen(), file->geometry().united(QRect(window.topLeft(), QSize(400, 200))), "file-menu");
    EXPECT_TRUE(form->menuItem("ExportTransactions1")->isEnabled());
    file->hide();
}

} // namespace
