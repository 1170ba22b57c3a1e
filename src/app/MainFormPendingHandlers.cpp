// Handlers of the import, the report and its preview, the criteria, the grid's sort order and
// the saved filters. The controls are wired to them already; each body comes with the code
// of its own command, and until then the control does nothing.
#include "MainForm.h"

#include <QKeyEvent>

void TMainForm::BuildAccountList() {}
void TMainForm::AcctListChange() {}
void TMainForm::StartDateCloseUp() {}
void TMainForm::StartDateDropDown() {}
void TMainForm::EndDateCloseUp() {}
void TMainForm::EndDateDropDown() {}
void TMainForm::All1Click() {}
void TMainForm::Today1Click(QAction *) {}
