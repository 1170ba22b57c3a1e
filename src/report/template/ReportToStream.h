#pragma once
#include "StreamTree.h"
#include "TppReport.h"

// The report definition as a tree (the shape applyReportStream reads): every report
// property except the template's own file name and offset, and for bands, groups and
// components the properties that differ from a new object of their class.
StreamComponent reportToStream(const TppReport &report);
