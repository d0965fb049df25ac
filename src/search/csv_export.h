#pragma once

#include "search/exported_person.h"

#include <QByteArray>
#include <QString>
#include <vector>

namespace orvanel {

// The persons as comma-separated values: UTF-8, CRLF after every record, a header row of the
// stored names (ID, then the twenty children in record order), then one record per person in
// the order given, every text exactly as stored.
QByteArray CsvExport(const std::vector<ExportedPerson>& persons);

// One field, in double quotes (inner quotes doubled) when it holds a comma, a quote, CR or LF.
QString CsvField(const QString& text);

}  // namespace orvanel
