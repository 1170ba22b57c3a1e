// The main menu and the two pop-up menus of the main window.
#include "HelpLinks.h"
#include "MainForm.h"
#include "RangePresets.h"

#include <QMenu>
#include <QMenuBar>
#include <set>

QAction *TMainForm::addMenuItem(QMenu *menu, const QString &objectName, const QString &caption,
                                void (TMainForm::*handler)(), const QKeySequence &shortcut) {
    QAction *item = menu->addAction(caption);
    item->setObjectName(objectName);
    if (!shortcut.isEmpty()) item->setShortcut(shortcut);
    if (handler) wire(item, &QAction::triggered, handler);
    return item;
}

void TMainForm::buildMainMenu() {
    menuBar()->setObjectName("MainMenu1");
    buildFileAndToolsMenus();
    buildHelpMenu();
}

void TMainForm::buildFileAndToolsMenus() {
    QMenu *file = menuBar()->addMenu("&File");
    file->setObjectName("File1");
    addMenuItem(file, "Print1", "Print Report...", &TMainForm::spbPreviewPrintClick);
    addMenuItem(file, "ExportPdf1", "Export PDF...", &TMainForm::ExportPdf1Click, QKeySequence("Ctrl+E"));
    addMenuItem(file, "ExportTransactions1", "Export &Transactions...", &TMainForm::ExportTransactions1Click);
    addMenuItem(file, "Import1", "Import", &TMainForm::Open1Click, QKeySequence("Ctrl+I"));
    addMenuItem(file, "Exit1", "E&xit", &TMainForm::Exit1Click, QKeySequence("Ctrl+X"));

    QMenu *tools = menuBar()->addMenu("&Tools");
    tools->setObjectName("Tools1");
    addMenuItem(tools, "EmptyDatabase1", "&Empty Database", &TMainForm::EmptyDatabase1Click);
    addMenuItem(tools, "RepairDatabase1", "&Repair Database", &TMainForm::RepairDatabase1Click);
    tools->addSeparator();
    addMenuItem(tools, "RestorePreviousTable1", "Restore &Previous Table", &TMainForm::RestorePreviousTable1Click);
    connect(tools, &QMenu::aboutToShow, this, [this] { guarded([this] { updateRestoreItem(); }); });
}

void TMainForm::buildHelpMenu() {
    QMenu *help = menuBar()->addMenu("&Help");
    help->setObjectName("Help1");
    addMenuItem(help, "HowtoImportyourTransactions1", "How to &Import your Transactions",
                &TMainForm::HowtoImportyourTransactions1Click);
    addMenuItem(help, "HowtoFilteryourTransactions1", "How to &Filter your Transactions",
                &TMainForm::HowtoFilteryourTransactions1Click);
    help->addSeparator()->setObjectName("N2");
    addMenuItem(help, "WebSite1", HelpLinks::SiteCaption, &TMainForm::WebSite1Click);
    addMenuItem(help, "ContactOrvaneSoftware1", "Contact Orvane Software", &TMainForm::ContactOrvaneSoftware1Click);
    addMenuItem(help, "SendFeedback1", "Send Feedback", &TMainForm::SendFeedback1Click);
    help->addSeparator()->setObjectName("N1");
    addMenuItem(help, "About1", "&About...", &TMainForm::About1Click, QKeySequence("Ctrl+A"));
}

// The date range presets: "All" has its own handler, every other preset shares one that
// tells them apart by the preset each item carries. A separator follows the last item of
// each kind of period.
void TMainForm::buildRangeMenu() {
    PopupMenu1_ = new QMenu(this);
    PopupMenu1_->setObjectName("PopupMenu1");
    const std::set<RangePreset> lastOfKind{RangePreset::All, RangePreset::Today, RangePreset::FourWeeksAgo,
                                           RangePreset::ThreeMonthsAgo, RangePreset::LastQuarter,
                                           RangePreset::ForthQuarter};
    for (const RangePresetItem &preset : rangePresets()) {
        const QString caption = preset.caption;
        QAction *item = addMenuItem(PopupMenu1_, QString(caption).remove(' ') + "1", caption,
                                    preset.preset == RangePreset::All ? &TMainForm::All1Click : nullptr);
        item->setData(int(preset.preset));
        if (preset.preset != RangePreset::All)
            connect(item, &QAction::triggered, this, [this, item] { guarded([this, item] { Today1Click(item); }); });
        if (lastOfKind.count(preset.preset)) PopupMenu1_->addSeparator();
    }
}

// The design items; the saved-filter code rebuilds the menu from the file at start-up.
void TMainForm::buildSavedFilterMenu() {
    PopupMenu2_ = new QMenu(this);
    PopupMenu2_->setObjectName("PopupMenu2");
    PopupMenu2_->addAction("Clear Filter");
    PopupMenu2_->addAction("&Delete Saved Filter");
    PopupMenu2_->addSeparator();
}
