#pragma once

#include "export/exported_person.h"

#include <QByteArray>
#include <QString>
#include <vector>

namespace orvanel {

// The persons as comma-separated values: UTF-8, CRLF after every record, a header row of the
// stored names (ID, then the element of each field the field table gives a column, in table
// order), then one record per person in
// the order given, every text as stored but for the apostrophe of CsvField.
QByteArray CsvExport(const std::vector<ExportedPerson>& persons);

// True for a text that a spreadsheet would take for a formula: one that starts with =, @, a tab
// or a CR, or with + or - and then anything but a plain number or phone number.
bool StartsLikeAFormula(const QString& text);

// One field. A text that starts like a formula gets a leading apostrophe, so that a spreadsheet
// opening the file shows it as text and never runs it; the field is then in double quotes (inner
// quotes doubled) when it holds a comma, a quote, CR or LF.
QString CsvField(const QString& stored);

}  // namespace orvanel
