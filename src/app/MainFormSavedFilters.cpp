// The saved filters: the drop-down menu of the advanced filter button lists them to load
// and to delete, "Clear Filter" drops the advanced criteria, and the dialog's "Save Filter"
// stores the criteria in force.
#include "MainForm.h"

#include <QFileInfo>
#include <QMenu>

namespace {

// The caption shows the name exactly: an "&" is doubled so it is not taken as a mnemonic.
// The handlers read the name from the item's data, never from the caption.
QAction *addNamedItem(QMenu *menu, const QString &name) {
    QAction *item = menu->addAction(QString(name).replace('&', "&&"));
    item->setData(name);
    return item;
}

} // namespace

void TMainForm::LoadFilterMenu() {
    // Without the file the menu keeps its design items.
    if (!QFileInfo::exists(wwSaveFilter1_.FilePath)) return;
    QStringList names;
    wwSaveFilter1_.ListNamedFilters(names);
    // An unreadable file was reported; the menu stays as it was.
    if (wwSaveFilter1_.lastReadFailed()) return;
    PopupMenu2_->clear();
    QAction *clear = PopupMenu2_->addAction("&Clear Filter");
    wire(clear, &QAction::triggered, &TMainForm::ClearFilterClick);
    auto *deleteMenu = new QMenu("&Delete Filter", PopupMenu2_);
    PopupMenu2_->addMenu(deleteMenu);
    PopupMenu2_->addSeparator();
    for (const QString &name : names) {
        QAction *load = addNamedItem(PopupMenu2_, name);
        connect(load, &QAction::triggered, this, [this, load] { guarded([this, load] { LoadFilter(load); }); });
    }
    for (const QString &name : names) {
        QAction *remove = addNamedItem(deleteMenu, name);
        connect(remove, &QAction::triggered, this, [this, remove] { guarded([this, remove] { DeleteFilter(remove); }); });
    }
}


void TMainForm::PopupMenu2Popup() {
    const QList<QAction *> items = PopupMenu2_->actions();
    const bool anyStored = items.size() > 3;
    for (int i = 0; i < 2 && i < items.size(); ++i) items[i]->setEnabled(anyStored);
    if (items.size() > 2) items[2]->setVisible(anyStored);
}

void TMainForm::ClearFilterClick() {
    FilterDlg_.ClearCriteria();
    FilterDlg_.ApplyCriteria();
    Button3Click();
    refresh_.UpdateReportDescription();
}

// A stored filter brings back only the advanced criteria: the refresh puts the account and
// dates of the tool bar in place of the stored ones.
void TMainForm::LoadFilter(QAction *item) {
    wwSaveFilter1_.RestoreNamedFilter(item->data().toString());
    Button3Click();
    refresh_.UpdateReportDescription();
}

void TMainForm::DeleteFilter(QAction *item) {
    const QString name = item->data().toString();
    if (!prompt().confirmed(Prompt::Kind::Warning, "Are you sure you want to delete the " + name + " filter?")) return;
    wwSaveFilter1_.RemoveNamedFilter(name);
    LoadFilterMenu();
}

void TMainForm::SaveFilterClick() {
    if (const std::optional<QString> name = prompt().askText("Save Filter", "Enter name to save filter as", {}))
        wwSaveFilter1_.StoreNamedFilter(*name);
    LoadFilterMenu();
}
