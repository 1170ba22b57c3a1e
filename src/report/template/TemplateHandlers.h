#pragma once
#include "TppComponents.h"
#include <QString>
#include <map>

// The handlers a template may attach by name: a label's text handler (OnGetText) and a
// variable's calculation handler (OnCalc). A template naming a handler that is not here is
// refused.
struct TemplateHandlers {
    std::map<QString, TppLabel::GetTextHandler> getText;
    std::map<QString, TppVariable::CalcHandler> calc;
};
