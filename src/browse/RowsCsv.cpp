#include "RowsCsv.h"

#include "ControlsDisabled.h"
#include "EngineError.h"
#include "TransactionTable.h"

#include <QSaveFile>

#include <QStringList>

namespace {

bool needsQuotes(const QString &text) {
    for (const QChar c : text)
        if (c == '"' || c == ',' || c == '\r' || c == '\n') return true;
    return false;
}

QString csvField(const QString &text) {
    if (!needsQuotes(text)) return text;
    QString quoted = text;
    quoted.replace("\"", "\"\"");
    return '"' + quoted + '"';
}

QString cellText(TransactionTable &table, const TableField &field) {
    if (field.isNull()) return QString();
    if (field.dataType() == FieldType::Currency)
        return table.localeFormats().generalNumber(field.asFloat());
    return field.asString();  // dates come out in the short date format
}

} // namespace

void writeRowsCsv(TransactionTable &table, QTextStream &out) {
    QStringList header;
    for (int i = 0; i < table.fieldCount(); ++i) header << table.field(i).fieldName();
    out << header.join(',') << "\n";
    const ControlsDisabled suspended(table);
    for (table.first(); !table.eof(); table.next()) {
        QStringList cells;
        for (int i = 0; i < table.fieldCount(); ++i) cells << csvField(cellText(table, table.field(i)));
        out << cells.join(',') << "\n";
    }
}

void saveRowsCsv(TransactionTable &table, const QString &fileName) {
    QSaveFile file(fileName);
    const auto failed = [&] { return EngineError(QString("Cannot write %1: %2").arg(fileName, file.errorString())); };
    if (!file.open(QIODevice::WriteOnly)) throw failed();
    QTextStream out(&file);
    writeRowsCsv(table, out);
    out.flush();
    if (out.status() != QTextStream::Ok || !file.commit()) throw failed();
}
