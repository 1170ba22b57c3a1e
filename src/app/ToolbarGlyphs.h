#pragma once
#include <QIcon>

// The small pictures of the report tool bar, drawn here so that they look the same on every
// desktop theme.
namespace ToolbarGlyphs {
QIcon printer();
QIcon wholePage();
QIcon pageWidth();
QIcon hundredPercent();
QIcon firstPage();
QIcon priorPage();
QIcon nextPage();
QIcon lastPage();
} // namespace ToolbarGlyphs
