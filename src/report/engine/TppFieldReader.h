#pragma once
#include "ComponentText.h"

class TppDBPipeline;
class TppDBText;

// Whether a data component is bound to this pipeline (by its name or UserName).
bool readsPipeline(const TppDBText &component, const TppDBPipeline *pipeline);

// The table column of the component's field; -1 when the component is not bound to the
// pipeline or the pipeline lacks the field.
int fieldColumn(const TppDBText &component, const TppDBPipeline *pipeline);

// A column (from fieldColumn) on a row, as the text rules want it; unknown for column -1 or a
// row the pipeline does not have.
FieldReading readColumn(const TppDBPipeline *pipeline, int column, int row);

// The component's field on a row: readColumn of its fieldColumn.
FieldReading readField(const TppDBText &component, const TppDBPipeline *pipeline, int row);
