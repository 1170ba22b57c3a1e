#pragma once
#include "LocaleFormats.h"

// Lays a stored text into an edit mask such as "(999) 000-0000;0;_": the mask body, whether
// the stored text holds the literals ("0" means it holds only the typed characters) and the
// character that stands for a missing one.
QString applyEditMask(const QString &mask, const QString &text, const LocaleFormats &formats);
