#pragma once
#include "TppComponents.h"

class LocaleFormats;

// The handlers a layout template may attach by name.

// `ppLabel8GetText`: the label shows the net total of the last import in the general number
// form. The total is read when the label is drawn, so a later import shows at once.
TppLabel::GetTextHandler ppLabel8GetText(const double &importTotal, const LocaleFormats &formats);

// `ppVariable1Calc`: the variable keeps a running sum of the current record's Amount.
TppVariable::CalcHandler ppVariable1Calc();
