#pragma once

#include "import/import_batch.h"

#include <QByteArray>

namespace orvanel {

// Reads a GEDCOM file (5.5, 5.5.1 or 7.0) whole. Throws ImportRefused naming the line and what
// was expected, ImportStopped when `progress` says stop.
ImportBatch ReadGedcom(const QByteArray& file, ImportProgress* progress = nullptr);

}  // namespace orvanel
