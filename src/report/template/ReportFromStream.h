#pragma once
#include "StreamTree.h"
#include "TemplateHandlers.h"
#include "TppReport.h"

// Replaces the report's bands, groups and components with those of the tree and sets the
// report properties the tree holds; handler names are bound to `handlers`. The tree is
// checked as it is applied and a fault raises the engine's error, so callers apply it to a
// scratch report first when the real one must survive a bad file.
//
// Tree shape: a TppReport whose children are its bands and groups; a TppGroup holds its
// header and footer bands; a band holds its components.
void applyReportStream(TppReport &report, const StreamComponent &root, const TemplateHandlers &handlers);
