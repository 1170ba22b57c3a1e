#pragma once
#include "ComponentText.h"
#include "ReportTypes.h"

#include <vector>

class TppBand;
class TppCustomText;
class TppDBText;
struct TppRunPlan;
struct TppRunState;

// Turns the visible components of a band placed at a page position into drawing commands,
// forming every text from the record the band prints and the run's running values.
class TppBandPrinter {
public:
    TppBandPrinter(const TppRunPlan &plan, const TppRunState &state, const VariableContext &page);

    void print(const TppBand &band, int top, int row, std::vector<TppDrawCommand> &commands) const;

private:
    QString textOf(TppCustomText &component, int row) const;
    QString fieldText(const TppDBText &data, int row) const;

    const TppRunPlan &plan_;
    const TppRunState &state_;
    const VariableContext &page_;
};
