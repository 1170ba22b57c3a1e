#pragma once
#include "PageOutput.h"

#include <QIODevice>
#include <QString>
#include <QTextStream>

// The page count and every page's drawing commands: kind, position and size in thousandths
// of a millimetre, text, font (name, size, style, colour) and alignment. Written page by
// page, one page a line, so that a long report never sits whole in memory.
void writePagesJson(QIODevice &out, int pageCount, const PageSource &pages);

// The description line, then each page's texts in drawing order, one a line; a line holding
// a form feed separates pages.
void writePagesText(QTextStream &out, const QString &description, const PageSource &pages);
