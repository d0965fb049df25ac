#pragma once

#include "import/import_batch.h"

#include <QString>

namespace orvanel {

// A count in words, such as "12 persons" or "1 source", in the user's language with its plural
// forms. The captions are translated in the context "orvanel::Import".
QString PersonsText(int n);
QString RelationshipsText(int n);
QString LossText(ImportLoss loss, int n);

// The line that sums up a batch: its persons and relationships, then what the register cannot
// keep, each kind counted, e.g. "12 persons, 15 relationships. Not kept: 2 partnerships without
// children, 3 sources". Kinds not met are not named.
QString ImportSummary(const ImportBatch& batch);

// What an import added, e.g. "Added: 10 persons, 12 relationships."
QString AddedText(int persons, int relationships);

}  // namespace orvanel
