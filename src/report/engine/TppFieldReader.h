#pragma once
#include "ComponentText.h"

class TppDBPipeline;
class TppDBText;

// Whether a data component is bound to this pipeline (by its name or UserName).
bool readsPipeline(const TppDBText &component, const TppDBPipeline *pipeline);

// The component's field on a row, as the text rules want it; unknown when the component is
// not bound to the pipeline or the pipeline lacks the field.
FieldReading readField(const TppDBText &component, const TppDBPipeline *pipeline, int row);
