#pragma once

#include "import/csv_columns.h"
#include "import/import_batch.h"

#include <QDate>
#include <QStringList>
#include <optional>
#include <vector>

namespace orvanel {

// The person one CSV record describes, its texts already stored texts in the header's order;
// nullopt for a record whose every field is empty. A column whose data has no place in the
// register is marked in `lostColumns`, to be counted once for the whole file.
std::optional<ImportedPerson> CsvRowPerson(const std::vector<CsvColumn>& columns,
                                           const QStringList& texts, int line,
                                           std::vector<bool>& lostColumns, ImportBatch& batch);

// A birth date as address books write it in a CSV: yyyy-mm-dd, this program's yyyy/m/d,
// dd.mm.yyyy, or day and month separated by "/" or "-" in whichever order is plain because one
// of them is above 12. An invalid date for anything else, a date without a year included.
QDate CsvBirthDate(const QString& text);

}  // namespace orvanel
