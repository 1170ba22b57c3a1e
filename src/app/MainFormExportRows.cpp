// File > Export Transactions: the rows the criteria let through, in the grid's order, as CSV.
#include "MainForm.h"
#include "EngineError.h"
#include "PdfExport.h"
#include "RowsCsv.h"

#include <QFileDialog>

void TMainForm::ExportTransactions1Click() {
    if (!TransDB_.active()) throw EngineError("There are no transactions to export: the table is closed.");
    const QString suggested = fileInDocuments("Transactions.csv");
    QString file = services_.rowsExportFile
                       ? services_.rowsExportFile(suggested)
                       : QFileDialog::getSaveFileName(this, "Export Transactions", suggested, "CSV files (*.csv)");
    if (file.isEmpty()) return;
    if (!file.endsWith(".csv", Qt::CaseInsensitive)) file += ".csv";
    // The walk over the rows moves the table's record; the grid's row stays where it was.
    const int row = TransDB_.recNo();
    saveRowsCsv(TransDB_, file);
    if (row >= 0) TransDB_.setRecNo(row);
}
