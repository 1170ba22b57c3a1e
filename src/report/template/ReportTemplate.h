#pragma once
#include "TemplateHandlers.h"
#include "TppReport.h"
#include <QByteArray>
#include <QString>

// Layout templates: whole report definitions kept in files, in the text or the binary form
// of the component stream.
//
//   TemplateHandlers handlers;
//   handlers.getText["ppLabel8GetText"] = [&](TppLabel &, QString &text) { text = ...; };
//   handlers.calc["ppVariable1Calc"] = [&](TppVariable &, TppValue &value) { ... };
//   loadTemplate(report, programDir + "Reports/TransReport.rtm", handlers);
//
// Loading replaces every band, group and component; report properties the file holds are
// set; names are reachable again through report.find. The stream is looked for at
// report.templateOffset first (see locateTemplateStream); after a load the report's
// templateFileName and templateOffset tell where it came from. A file that cannot be read
// raises the engine's error and leaves the definition as it was: "File not found: <name>",
// "Invalid Template Format", or a text saying what is wrong with the layout.
void loadTemplate(TppReport &report, const QString &fileName, const TemplateHandlers &handlers);

// The same for a file's bytes already in memory; `fileName` is only recorded.
void loadTemplateData(TppReport &report, const QByteArray &file, const TemplateHandlers &handlers,
                      const QString &fileName = QString());

// The definition in the text form, and that text written to a file.
QByteArray templateText(const TppReport &report);
void saveTemplate(const TppReport &report, const QString &fileName);
