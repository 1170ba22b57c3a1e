#include "ReportTemplate.h"
#include "BinaryStreamReader.h"
#include "EngineError.h"
#include "ReportFromStream.h"
#include "ReportToStream.h"
#include "TemplateFile.h"
#include "TextStreamReader.h"
#include "TextStreamWriter.h"
#include "WholeFile.h"

void loadTemplate(TppReport &report, const QString &fileName, const TemplateHandlers &handlers)
{
    loadTemplateData(report, readTemplateFile(fileName), handlers, fileName);
}

void loadTemplateData(TppReport &report, const QByteArray &file, const TemplateHandlers &handlers,
                      const QString &fileName)
{
    const TemplateStream stream = locateTemplateStream(file, report.templateOffset);
    const StreamComponent root = stream.format == TppTemplateFormat::ftASCII ? readTextStream(stream.bytes)
                                                                             : readBinaryStream(stream.bytes);
    // A layout found faulty half way must not leave a half-built report behind: it is
    // built once on a scratch report, and only then on the real one.
    {
        TppReport scratch;
        applyReportStream(scratch, root, handlers);
    }
    applyReportStream(report, root, handlers);
    report.templateFileName = fileName;
    report.templateOffset = int(stream.offset);
}

QByteArray templateText(const TppReport &report)
{
    return writeTextStream(reportToStream(report));
}

void saveTemplate(const TppReport &report, const QString &fileName)
{
    const QByteArray text = templateText(report);
    const QString failure = replaceFileContent(fileName, text);
    if (!failure.isEmpty()) throw EngineError("Cannot write file " + fileName + ": " + failure);
}
