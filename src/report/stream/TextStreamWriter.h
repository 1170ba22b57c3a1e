#pragma once
#include "StreamTree.h"

// Writes a tree in the text form: indented object ... end blocks with one
// "name = value" line per property, UTF-8, numbers with "." whatever the locale.
// Raises the engine's error for a name that is not an identifier or a number that is
// not finite.
QByteArray writeTextStream(const StreamComponent &root);

// Shortest text that reads back to the same double, always with a "." or an exponent.
QString formatStreamDouble(double value);
