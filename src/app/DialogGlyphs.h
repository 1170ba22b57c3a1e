#pragma once
#include <QIcon>

// The pictures on dialog buttons: a green check mark for OK, a red cross for Cancel. Drawn
// here so that they look the same on every desktop theme.
namespace DialogGlyphs {
QIcon checkMark();
QIcon cross();
} // namespace DialogGlyphs
