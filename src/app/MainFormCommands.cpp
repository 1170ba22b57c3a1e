// The maintenance commands of the Tools menu, the help links and the about box.
#include "AboutBox.h"
#include "DatePicker.h"
#include "HelpLinks.h"
#include "MainForm.h"
#include "PreviousTable.h"

void TMainForm::EmptyDatabase1Click() {
    if (!prompt().confirmed(Prompt::Kind::Warning,
                            "This will delete all of the transactions in the database! "
                            "Are you sure you want to continue?",
                            Prompt::Buttons::YesNoDefaultNo))
        return;
    TransDB_.emptyTable();
    prompt().tell(Prompt::Kind::Warning,
                  "You will need to restart Spendrake before you can start using the new Empty Database.");
    close();
}

// The remedy for a table that will not open. It leaves the table closed until the next start.
void TMainForm::RepairDatabase1Click() {
    if (!prompt().confirmed(Prompt::Kind::Confirmation,
                            "This should only be used if you are receiving a database error when you \n"
                            "start Spendrake. Continue?",
                            Prompt::Buttons::YesNoCancel))
        return;
    TransDB_.close();
    TransDB_.repairTable();
}

// Swaps the table with the one kept before the last import; the replaced one is kept in its
// place, so a second restore takes the first back.
void TMainForm::RestorePreviousTable1Click() {
    if (importCommand_.busy()) return;
    if (!prompt().confirmed(Prompt::Kind::Confirmation,
                            "Replace the current transactions with the ones from before the last import?",
                            Prompt::Buttons::YesNoDefaultNo))
        return;
    TransDB_.close();
    try {
        PreviousTable::restore(Database1_, TransDB_.tableName());
    } catch (...) {
        LoadTransactions();  // refused: the table as it was, open again
        throw;
    }
    LoadTransactions();
    AllStartDate_ = StartDate_->date();
    AllEndDate_ = EndDate_->date();
}

void TMainForm::updateRestoreItem() {
    menuItem("RestorePreviousTable1")->setEnabled(PreviousTable::exists(Database1_, TransDB_.tableName()));
}

// Without a browser to open it, the address is shown so that the user can type it elsewhere.
void TMainForm::openPage(const QString &path) {
    const QUrl address = HelpLinks::address(path);
    if (!services_.openUrl(address))
        prompt().tell(Prompt::Kind::Information, "The page could not be opened. Its address is:\n" + address.toString());
}

void TMainForm::HowtoImportyourTransactions1Click() { openPage(HelpLinks::ImportingPage); }

void TMainForm::HowtoFilteryourTransactions1Click() { openPage(HelpLinks::FilteringPage); }

void TMainForm::WebSite1Click() { openPage({}); }

void TMainForm::ContactOrvaneSoftware1Click() { openPage(HelpLinks::ContactPage); }

void TMainForm::SendFeedback1Click() { openPage(HelpLinks::ContactPage); }

// A new box every time, released when it closes.
void TMainForm::About1Click() {
    TAboutBox box(VersionInfoResource1_, this);
    box.exec();
}
