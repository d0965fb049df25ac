#pragma once

#include "import/import_batch.h"

#include <QByteArray>

namespace orvanel {

// Reads a file of vCards (2.1, 3.0 or 4.0) whole. Throws ImportRefused naming the line and what
// was expected, ImportStopped when `progress` says stop.
ImportBatch ReadVCards(const QByteArray& file, ImportProgress* progress = nullptr);

}  // namespace orvanel
