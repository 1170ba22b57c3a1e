// The real window on a real (virtual) display: it shows with its tool bars, panel, pages and
// version text, and leaves a picture of itself in the build folder.
#include "AboutBox.h"
#include "DatePicker.h"
#include "ShellFixture.h"
#include "TwwKeyComboBox.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>
#include <QStatusBar>
#include <QTabWidget>
#include <QTest>
#include <QToolBar>
#include <QToolButton>

namespace {

QStringList toolbarTexts(QToolBar *bar) {
    QStringList texts;
    for (QObject *child : bar->children()) {
        if (auto *button = qobject_cast<QToolButton *>(child); button && !button->text().isEmpty()) texts << button->text();
        if (auto *label = qobject_cast<QLabel *>(child)) texts << label->text();
        if (auto *box = qobject_cast<QCheckBox *>(child)) texts << box->text();
    }
    return texts;
}

} // namespace

using MainWindowSmokeTest = ShellFixture;

TEST_F(MainWindowSmokeTest, ShowsTheWholeWindow) {
    ASSERT_EQ(QGuiApplication::platformName(), "xcb");
    auto form = makeForm();
    ASSERT_FALSE(form->instanceRefused());
    form->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    QTest::qWait(300);

    EXPECT_EQ(form->windowTitle(), "Spendrake");
    EXPECT_TRUE(form->Toolbar3()->isVisible());
    EXPECT_TRUE(form->Toolbar2()->isVisible());
    EXPECT_LT(form->Toolbar3()->geometry().top(), form->Toolbar2()->geometry().top());
    const QStringList report = toolbarTexts(form->Toolbar3());
    EXPECT_TRUE(report.contains("&Print Report"));
    EXPECT_TRUE(report.contains("Advanced Filter"));
    for (QToolButton *button : {form->spbPreviewWhole(), form->spbPreviewWidth(), form->spbPreview100Percent(),
                                form->spbPreviewFirst(), form->spbPreviewPrior(), form->spbPreviewNext(),
                                form->spbPreviewLast()})
        EXPECT_TRUE(button->isVisible()) << button->objectName().toStdString();
    EXPECT_TRUE(form->mskPreviewPage()->isVisible());
    EXPECT_TRUE(form->mskPreviewPercentage()->isVisible());
    const QStringList criteria = toolbarTexts(form->Toolbar2());
    for (const char *text : {"Range", "  From: ", "  To ", "Sort by ", "Subtotal", "Totals only"})
        EXPECT_TRUE(criteria.contains(text)) << text;
    EXPECT_EQ(form->AcctList()->currentText(), "All Account(s)");
    EXPECT_TRUE(form->StartDate()->isVisible());
    EXPECT_TRUE(form->EndDate()->isVisible());
    EXPECT_EQ(form->wwKeyCombo1()->currentText(), "Date");

    EXPECT_TRUE(form->ReportDesc()->isVisible());
    // The first refresh has written the description of the (empty) table over the design text.
    EXPECT_EQ(form->ReportDesc()->text(), " All Account(s)  - ");
    EXPECT_EQ(form->PageControl1()->count(), 2);
    EXPECT_EQ(form->PageControl1()->tabText(0), "Report");
    EXPECT_EQ(form->PageControl1()->tabText(1), "&Transactions");
    EXPECT_EQ(form->PageControl1()->currentIndex(), 0);
    EXPECT_EQ(form->statusPanelText(0), "Version 1.0.0.2");
    EXPECT_TRUE(errors.isEmpty()) << errors.join('\n').toStdString();

    const QString shot = QStringLiteral(SPENDRAKE_SCREENSHOT);
    QPixmap picture = form->screen()->grabWindow(0, form->frameGeometry().x(), form->frameGeometry().y(),
                                                 form->frameGeometry().width(), form->frameGeometry().height());
    if (picture.isNull()) picture = form->grab();
    EXPECT_TRUE(picture.save(shot));

    TAboutBox about(form->VersionInfoResource1(), form.get());
    about.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&about));
    QTest::qWait(200);
    EXPECT_TRUE(about.grab().save(QString(shot).replace("main-window", "about-box")));
}
