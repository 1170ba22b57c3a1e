#pragma once
#include "PrintDialogRules.h"

#include <QString>
#include <optional>

class Prompt;
class QWidget;
class TppReport;

// The report's print: the print dialog over the installed printers and the report's printer
// setup; on OK the choices become the setup, and the chosen pages go through the page
// renderer into one print job named by the setup's document name, behind the "Printing"
// progress dialog. Returns true when the paper changed, so that the preview redraws.
// Errors of generation or of the printing service are raised (EngineError).
bool printReport(TppReport &report, int currentPage, Prompt &prompt, QWidget *parent);

// The printer's own settings (here its paper); nothing when the person cancelled.
std::optional<PaperChoice> printerProperties(const QString &printer, QWidget *parent);

constexpr const char *printerSetupProblemText = "Windows cannot print due to a problem with the current printer setup.";
