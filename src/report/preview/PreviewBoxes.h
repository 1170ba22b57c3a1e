#pragma once
#include <QString>

// The values of the preview tool bar's two number boxes, read from the boxes' texts (their
// digits; the fixed " %" and blanks are not part of the value).

// The page box: its digits as a whole number. An empty box raises the conversion error
// "'' is not a valid integer value" (EngineError).
int previewPageBoxValue(const QString &text);

// The percentage box: its digits as a whole number, 100 when it holds none.
int previewPercentageBoxValue(const QString &text);
