#pragma once
#include <QString>

class PrintProgress;
class TppReport;

// Every page of the report through the page renderer into a PDF file, with the print
// progress; the file is replaced only when all pages are written, so a cancelled or failed
// export leaves what was there. Returns false when cancelled. Errors: "Cannot create file
// ..." and the engine's (EngineError).
bool exportReportPdf(TppReport &report, const QString &fileName, PrintProgress &progress);

// The file the save dialog offers first: "Transaction Report.pdf" in the documents folder.
QString defaultPdfExportFile();

// A file of that name in the user's documents folder (the home folder without one): where
// the program's save dialogs start.
QString fileInDocuments(const QString &name);
