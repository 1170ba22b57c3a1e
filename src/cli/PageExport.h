#pragma once
#include "ReportTypes.h"

#include <QIODevice>
#include <QString>
#include <functional>

// Hands out the pages of a run one at a time, so that large reports need not be held whole.
using PageAt = std::function<TppPage(int pageNo)>;

// The page count and every page's drawing commands: kind, position and size in thousandths
// of a millimetre, text, font (name, size, style, colour) and alignment. Written page by
// page, one page a line, so that a long report never sits whole in memory.
void writePagesJson(QIODevice &out, int pageCount, const PageAt &pages);

// The description line, then each page's texts in drawing order, one a line; a line holding
// a form feed separates pages.
QString pagesAsText(const QString &description, int pageCount, const PageAt &pages);
