#pragma once
#include "ReportTypes.h"

#include <QString>
#include <unordered_map>
#include <vector>

class TppBand;
class TppComponent;
class TppDBCalc;
class TppDBPipeline;
class TppGroup;
class TppReport;
class TppVariable;

// What one run needs from the definition, looked up once when the run starts: the bands by
// kind, the group and its break, and every running value (sums and variables).
struct TppRunPlan {
    struct Calc {
        TppDBCalc *component;
        int column;       // table column of its field, -1 when the pipeline lacks it
        bool resetsWithGroup;
    };

    TppReport *report = nullptr;
    TppDBPipeline *pipeline = nullptr;
    TppBand *title = nullptr;
    TppBand *pageHeader = nullptr;
    TppBand *pageFooter = nullptr;
    TppBand *detail = nullptr;
    TppBand *summary = nullptr;
    TppGroup *group = nullptr;
    TppBand *groupHeader = nullptr;
    TppBand *groupFooter = nullptr;
    int breakColumn = -1;                 // btDataField: the break field's column
    TppComponent *breakComponent = nullptr;  // btCustomField: the component whose text breaks
    std::vector<Calc> calcs;
    std::vector<TppVariable *> variables;
    std::unordered_map<const TppComponent *, int> calcIndex;
    std::unordered_map<const TppComponent *, int> variableIndex;
    // Each data text's column (fieldColumn): a name lookup per text and row cost more than
    // formatting the value.
    std::unordered_map<const TppComponent *, int> dataColumn;
    bool needsPageCount = false;  // a page-count variable forces the counting pass

    // Raises EngineError for a definition the engine cannot run (more than one group).
    static TppRunPlan make(TppReport &report);

    // Whether the records at rows a and b carry the same break value, compared as text.
    bool sameGroup(int a, int b) const;
    QString breakValue(int row) const;
};
