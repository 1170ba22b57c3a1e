#pragma once
#include <QString>

// What the printing service is asked to do with a finished document.
struct CupsJobOptions {
    QString title = "Report";
    int copies = 1;
    bool collate = true;
    QString media;  // a paper name the service knows ("Letter", "A4"), or empty
};

// Hands a PDF file to a print queue of the system's printing service as one job. Raises the
// engine's error with the service's own reason when the queue refuses it (e.g. it is gone).
// The queue name may carry an instance ("queue/instance"); the job goes to the queue.
void submitPrintJob(const QString &queue, const QString &pdfFile, const CupsJobOptions &options);
