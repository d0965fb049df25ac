#pragma once

#include "import/import_batch.h"

#include <QByteArray>

namespace orvanel {

// Reads a CSV file with a header row whole: this program's own export, and the common address
// book exports, their columns matched by header name. Throws ImportRefused naming the line and
// what was expected, ImportStopped when `progress` says stop.
ImportBatch ReadCsv(const QByteArray& file, ImportProgress* progress = nullptr);

}  // namespace orvanel
