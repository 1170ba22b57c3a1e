#pragma once
#include "ErrorBox.h"
#include "LocaleFormats.h"

#include <QString>
#include <QUrl>
#include <functional>

#include "ImportFileChooser.h"
#include "Prompt.h"

// What the main window takes from its surroundings. The program passes the desktop's message
// boxes and its own file; tests pass a prompt that answers, a folder of their own and
// recorders. Empty members take the desktop default.
struct MainFormServices {
    Prompt *prompt = nullptr;                      // every question and notice
    ErrorBox errorBox;                             // the standard error box
    std::function<bool(const QUrl &)> openUrl;     // the default web browser; false when it failed
    std::function<double()> today;                 // today's date as a day number
    QString programPath;                           // the running program file
    QString lockDirectory;                         // where the single-instance marker lives
    LocaleFormats formats;
    ImportFileChooser *importFileChooser = nullptr;  // File > Import's file dialog
    // File > Export PDF's save dialog: the chosen file from the suggested one, empty to cancel.
    std::function<QString(const QString &suggested)> pdfExportFile;
    // File > Export Transactions' save dialog, the same way.
    std::function<QString(const QString &suggested)> rowsExportFile;
};
