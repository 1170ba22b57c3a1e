#pragma once
#include "ReportTypes.h"

#include <QString>
#include <functional>
#include <optional>
#include <vector>

class QPagedPaintDevice;

// Hands out the pages to print one at a time, an empty optional after the last, so that a
// long report never needs all of its pages at once.
using PageSource = std::function<std::optional<TppPage>()>;

// The resolution PDF files are drawn at; measure texts for them with deviceTextMeasure at it.
constexpr int pdfDotsPerInch = 1200;

// Draws every page of the source on a printer or a PDF writer, one device page each, on
// paper of the page's own size without margins. A device that cannot start raises the
// engine's error with `failureText`.
void paintPages(QPagedPaintDevice &device, const PageSource &pages, const QString &failureText);

// Writes the pages into a PDF file titled with the document name. The file is replaced only
// when all went well. Raises the engine's error when the file cannot be written; an error the
// page source raises passes through. Needs a QGuiApplication.
void writePdf(const QString &fileName, const PageSource &pages, const QString &documentName = "Report");
void writePdf(const QString &fileName, const std::vector<TppPage> &pages, const QString &documentName = "Report");
