#pragma once

#include "import/import_batch.h"
#include "store/register.h"

#include <QDate>
#include <QString>
#include <vector>

namespace orvanel {

// One person of a batch as the preview lists it.
struct ImportRow {
    QString name;
    QString surname;
    QString birthDate;
    // The ID of an active person of the register with the same name, surname and birth date,
    // the first in document order; empty when there is none.
    QString existingId;
};

// What the preview shows and the import then adds: a row per person of the batch, in the
// batch's order, and whether each is chosen.
struct ImportPlan {
    std::vector<ImportRow> rows;
    std::vector<bool> chosen;

    int chosenCount() const;
};

// The preview of `batch` against the register: every person chosen but those that look like
// someone already in it. Birth dates compare as dates where both read as dates (so "1950/01/02"
// matches "1950/1/2"), otherwise as texts; two empty birth dates match. The register's active
// persons are read once into a hash, so a large batch against a large register stays linear.
ImportPlan PlanImport(const Register& reg, const ImportBatch& batch, QDate today);

}  // namespace orvanel
