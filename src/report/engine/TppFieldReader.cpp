#include "TppFieldReader.h"

#include "TppComponents.h"
#include "TppDBPipeline.h"

bool readsPipeline(const TppDBText &component, const TppDBPipeline *pipeline) {
    return pipeline && pipeline->answersTo(component.dataPipeline);
}

FieldReading readField(const TppDBText &component, const TppDBPipeline *pipeline, int row) {
    FieldReading reading;
    if (!readsPipeline(component, pipeline) || row < 0 || row >= pipeline->recordCount()) return reading;
    const int column = pipeline->columnOf(component.dataField);
    if (column < 0) return reading;
    reading.known = true;
    reading.type = pipeline->dataType(column);
    reading.value = pipeline->value(row, column);
    return reading;
}
