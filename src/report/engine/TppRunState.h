#pragma once
#include "ReportTypes.h"

#include <vector>

// What prints next.
enum class TppNextBand { GroupHeader, Detail, GroupFooter, Summary, Done };

// Everything needed to start generating at the top of a page; one is kept per page so any
// page can be generated on its own.
struct TppRunState {
    TppNextBand next = TppNextBand::GroupHeader;
    int row = 0;                 // the record the next band prints
    bool titlePending = true;
    int groupFirstRow = 0;       // first record of the current group: its break value
    int groupCounter = 1;
    int groupStartPage = 1;
    std::vector<double> calcValues;
    std::vector<qint64> calcCounts;
    std::vector<TppValue> variableValues;
};
