#include "TppFieldReader.h"

#include "TppComponents.h"
#include "TppDBPipeline.h"

bool readsPipeline(const TppDBText &component, const TppDBPipeline *pipeline) {
    return pipeline && pipeline->answersTo(component.dataPipeline);
}

int fieldColumn(const TppDBText &component, const TppDBPipeline *pipeline) {
    return readsPipeline(component, pipeline) ? pipeline->columnOf(component.dataField) : -1;
}

FieldReading readColumn(const TppDBPipeline *pipeline, int column, int row) {
    FieldReading reading;
    if (!pipeline || column < 0 || row < 0 || row >= pipeline->recordCount()) return reading;
    reading.known = true;
    reading.type = pipeline->dataType(column);
    reading.value = pipeline->value(row, column);
    return reading;
}

FieldReading readField(const TppDBText &component, const TppDBPipeline *pipeline, int row) {
    return readColumn(pipeline, fieldColumn(component, pipeline), row);
}
