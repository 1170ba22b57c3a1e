#include "CupsJob.h"

#include "EngineError.h"

#include <QFile>
#include <cups/cups.h>

void submitPrintJob(const QString &queue, const QString &pdfFile, const CupsJobOptions &options) {
    cups_option_t *cupsOptions = nullptr;
    int count = 0;
    const QByteArray copies = QByteArray::number(options.copies);
    count = cupsAddOption("copies", copies.constData(), count, &cupsOptions);
    if (options.copies > 1)
        count = cupsAddOption("multiple-document-handling",
                              options.collate ? "separate-documents-collated-copies"
                                              : "separate-documents-uncollated-copies",
                              count, &cupsOptions);
    const QByteArray media = options.media.toUtf8();
    if (!media.isEmpty()) count = cupsAddOption("media", media.constData(), count, &cupsOptions);
    const QByteArray name = queue.section('/', 0, 0).toUtf8();
    const int job = cupsPrintFile2(CUPS_HTTP_DEFAULT, name.constData(), QFile::encodeName(pdfFile).constData(),
                                   options.title.toUtf8().constData(), count, cupsOptions);
    cupsFreeOptions(count, cupsOptions);
    if (job == 0)
        throw EngineError(QString("The printer \"%1\" did not take the print job: %2")
                              .arg(queue, QString::fromUtf8(cupsLastErrorString())));
}
