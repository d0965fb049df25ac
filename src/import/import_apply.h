#pragma once

#include "import/import_batch.h"
#include "store/clock.h"
#include "store/register.h"

#include <QString>
#include <vector>

namespace orvanel {

// What an import added to the register.
struct ImportResult {
    int persons = 0;
    int relationships = 0;
    // The new ID of each person of the batch, in the batch's order; empty for one not chosen.
    std::vector<QString> ids;
};

// Adds the persons of `batch` that `chosen` marks (one flag per person, in the batch's order)
// through the register's own operations: each under a new identifier, Status "Active", created
// and modified today. Then every link between two chosen persons, as one relationship that
// carries its inverse; a link touching a person left out is left out with it. Marks the register
// modified when anything was added; writes no file. A batch that does not fit its choice, or
// holds a link outside it or of an unknown kind, is refused before anything changes, and so is
// an identifier that would not read back.
ImportResult ApplyImport(Register& reg, const ImportBatch& batch, const std::vector<bool>& chosen,
                         const Clock& clock);

}  // namespace orvanel
